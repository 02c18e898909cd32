#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kalvero {

namespace {

// Removes the scratch folder when the process ends normally; a crash leaves it for inspection.
class ScratchFolder {
public:
    ScratchFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/kalvero-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            FuzzFail("cannot make the scratch folder");
        Path = std::filesystem::absolute(pattern).string() + "/";
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    std::string Path;
};

} // namespace

void FuzzFail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

std::string FreshFuzzFolder(const std::string& name) {
    static ScratchFolder scratch;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path, ec))
        std::filesystem::remove_all(entry.path(), ec);
    const std::string folder = scratch.Path + name + "/";
    std::filesystem::create_directories(folder, ec);
    FuzzCheck(!ec, "cannot make a folder in the scratch folder");
    return folder;
}

void WriteFuzzFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    FuzzCheck(out.good(), "cannot write a file in the scratch folder");
}

std::vector<std::string_view> SplitAtMarkerLines(std::string_view input) {
    constexpr std::string_view marker = "~~~\n";
    std::vector<std::string_view> chunks;
    size_t start = 0;
    for (size_t at = input.find(marker); at != std::string_view::npos;
         at = input.find(marker, at + 1)) {
        if (at != 0 && input[at - 1] != '\n')
            continue;
        chunks.push_back(input.substr(start, at - start));
        start = at + marker.size();
    }
    chunks.push_back(input.substr(start));
    return chunks;
}

std::vector<std::string_view> ExpectedLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

} // namespace kalvero
