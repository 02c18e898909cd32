#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the fuzz targets. A broken property stops the process with a trap, which
// libFuzzer and the replay driver both report as a crash together with the input.
namespace kalvero {

[[noreturn]] void FuzzFail(const char* what);

inline void FuzzCheck(bool holds, const char* what) {
    if (!holds)
        FuzzFail(what);
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// An empty folder of the given name (with its final "/") inside this process's own scratch folder,
// after everything else in there has been removed: no file of an earlier input is left for a
// project to name. The scratch folder is made once under TMPDIR and removed at exit, so that
// several fuzzers can run side by side and nothing is written anywhere else.
std::string FreshFuzzFolder(const std::string& name);

void WriteFuzzFile(const std::string& path, std::string_view bytes);

// Cuts the input into files at lines holding exactly "~~~": the text before the first such line
// is chunk 0, and so on. The line end before the marker stays with its chunk.
std::vector<std::string_view> SplitAtMarkerLines(std::string_view input);

// The lines of a file's bytes as the program's line reader is meant to give them: a line ends at
// LF, CR LF or a lone CR, the last line may lack its end, and a UTF-8 byte order mark at the very
// start is no part of the first line. Written independently of the reader so that the two can be
// compared.
std::vector<std::string_view> ExpectedLines(std::string_view bytes);

} // namespace kalvero
