// kalvero-cli: reads, writes, draws and exports projects without a display.
#include "cli/commands.h"

#include <cstdio>
#include <string>
#include <vector>

#ifndef KALVERO_VERSION
#define KALVERO_VERSION "0"
#endif

int main(int argc, char** argv) {
    using namespace kalvero;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(UsageText().c_str(), stdout);
        return ExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("kalvero-cli %s\n", KALVERO_VERSION);
        return ExitOk;
    }
    CliArguments parsed;
    if (const auto problem = ParseArguments(args, parsed)) {
        std::fprintf(stderr, "kalvero-cli: %s\n\n%s", problem->c_str(), UsageText().c_str());
        return ExitUsage;
    }
    if (parsed.Command == "dump")
        return RunDump(parsed);
    if (parsed.Command == "render")
        return RunRender(parsed);
    if (parsed.Command == "export-bitmaps")
        return RunExportBitmaps(parsed);
    return RunSave(parsed);
}
