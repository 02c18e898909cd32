#pragma once

#include "files/file_error.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kalvero {

// Reads a text file line by line, in binary. A line ends at LF, CR LF or a lone CR; the last line
// may lack its end. A UTF-8 byte order mark at the start is skipped. Memory stays bounded whatever
// the file holds: the file is read in blocks, and a line longer than MaxLineLength keeps only its
// first MaxLineLength bytes (no line of the program's formats comes near it).
class LineReader {
public:
    static constexpr size_t MaxLineLength = 1 << 20;

    // Opens the file; check Status() before reading.
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its end, valid until the next call. False at the end of the file or
    // after a read error (see Status()).
    bool Next(std::string_view& line);
    const FileStatus& Status() const { return Error; }

private:
    bool Fill();

    std::string Path;
    std::FILE* File = nullptr;
    FileStatus Error;
    std::vector<char> Buffer;
    size_t Begin = 0, End = 0;
    size_t NextLineFeed = 1; // position of the next LF in the block, End when none, > End unknown
    bool AtEof = false;
    bool AtStart = true;
    bool SkipLineFeed = false; // the previous line ended with CR: a LF right after it belongs to it
    std::string Long;          // a line that crosses a block boundary
};

// Whole-file convenience for small files (section and palette files): the first `count` lines.
FileStatus ReadLines(const std::string& path, size_t count, std::vector<std::string>& lines);

} // namespace kalvero
