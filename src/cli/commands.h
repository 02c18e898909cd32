#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kalvero {

// Exit statuses of kalvero-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFileError = 1;
inline constexpr int ExitUsage = 2;

struct PixelSize {
    int Width = 0, Height = 0;
};

// The parsed command line. Parsing fails (a usage error) on an unknown command or option, a
// missing or extra argument, or a malformed size.
struct CliArguments {
    std::string Command;
    std::vector<std::string> Positional;
    std::optional<PixelSize> View; // dump --view
    std::optional<PixelSize> Size; // render, export-bitmaps --size
    std::optional<std::string> SectionFile;
};

std::optional<PixelSize> ParsePixelSize(const std::string& text);
// Returns an explanation on a usage error.
std::optional<std::string> ParseArguments(const std::vector<std::string>& args, CliArguments& out);

std::string UsageText();

struct FileError;
// Prints the error on standard error and gives the file-error exit status.
int Report(const FileError& error);

int RunDump(const CliArguments& args);
int RunSave(const CliArguments& args);
int RunRender(const CliArguments& args);
int RunExportBitmaps(const CliArguments& args);

} // namespace kalvero
