#include "cli/commands.h"

#include <charconv>
#include <map>
#include <set>

namespace kalvero {

namespace {

struct CommandShape {
    size_t Positional;
    std::set<std::string> Options;
};

const std::map<std::string, CommandShape>& Commands() {
    static const std::map<std::string, CommandShape> commands = {
        {"dump", {1, {"--view", "--section"}}},
        {"render", {2, {"--size", "--section"}}},
        {"export-bitmaps", {2, {"--size"}}},
        {"save", {2, {}}},
    };
    return commands;
}

} // namespace

std::string UsageText() {
    return "Usage:\n"
           "  kalvero-cli dump PROJECT.crt [--view WIDTHxHEIGHT] [--section FILE.sec]\n"
           "  kalvero-cli save PROJECT.crt OUT.crt\n"
           "  kalvero-cli render PROJECT.crt OUT.png|OUT.svg|OUT.pdf [--size WIDTHxHEIGHT] "
           "[--section FILE.sec]\n"
           "  kalvero-cli export-bitmaps PROJECT.crt FOLDER [--size WIDTHxHEIGHT]\n"
           "  kalvero-cli --help\n"
           "  kalvero-cli --version\n"
           "\n"
           "dump   prints the project as JSON on standard output\n"
           "save   reads a project and writes it again, data files beside OUT.crt\n"
           "render draws the section as the window shows it after opening (default 1920x1080)\n"
           "export-bitmaps writes one BMP per borehole column (default chart 963x447)\n"
           "--section FILE.sec  first lays that section file's picture under the section\n"
           "--view WIDTHxHEIGHT  also repaints on a chart of that size and adds the \"view\" "
           "object\n"
           "\n"
           "Exit status: 0 success, 1 a file could not be opened, read or written, 2 usage "
           "error.\n";
}

std::optional<PixelSize> ParsePixelSize(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    PixelSize size;
    const char* end = text.data() + text.size();
    const auto w = std::from_chars(text.data(), text.data() + x, size.Width);
    const auto h = std::from_chars(text.data() + x + 1, end, size.Height);
    if (w.ec != std::errc() || w.ptr != text.data() + x || h.ec != std::errc() || h.ptr != end)
        return std::nullopt;
    // Larger pictures than this are beyond any screen or page and would only exhaust memory.
    if (size.Width < 1 || size.Height < 1 || size.Width > 20000 || size.Height > 20000)
        return std::nullopt;
    return size;
}

std::optional<std::string> ParseArguments(const std::vector<std::string>& args, CliArguments& out) {
    if (args.empty())
        return "no command given";
    out = {};
    out.Command = args[0];
    const auto shape = Commands().find(out.Command);
    if (shape == Commands().end())
        return "unknown command \"" + out.Command + "\"";
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            out.Positional.push_back(arg);
            continue;
        }
        if (!shape->second.Options.count(arg))
            return "unknown option \"" + arg + "\" for " + out.Command;
        if (i + 1 >= args.size())
            return "option " + arg + " needs a value";
        const std::string& value = args[++i];
        if (arg == "--section") {
            out.SectionFile = value;
            continue;
        }
        const auto size = ParsePixelSize(value);
        if (!size)
            return "malformed size \"" + value + "\" (expected WIDTHxHEIGHT, e.g. 1920x1080)";
        (arg == "--view" ? out.View : out.Size) = size;
    }
    if (out.Positional.size() != shape->second.Positional)
        return out.Command + " takes " + std::to_string(shape->second.Positional) +
               " file argument(s), got " + std::to_string(out.Positional.size());
    return std::nullopt;
}

} // namespace kalvero
