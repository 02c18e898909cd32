// A project file with its data files, followed by the write-and-read-back check.
//
// Input: files separated by lines holding exactly "~~~" (see SplitAtMarkerLines). The first is the
// project file p.crt; the next eight become a.txt to h.txt beside it, for its data-file lines to
// name. A project may also name files elsewhere (absolute paths, paths relative to the working
// folder): they are only read, and every write goes to the scratch folder.
#include "files/project_file.h"
#include "fuzz_support.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvero;
    constexpr size_t mostDataFiles = 8;
    const std::string folder = FreshFuzzFolder("project");
    const std::vector<std::string_view> files = SplitAtMarkerLines(AsText(data, size));
    for (size_t i = 1; i < files.size() && i <= mostDataFiles; ++i)
        WriteFuzzFile(folder + static_cast<char>('a' + i - 1) + ".txt", files[i]);
    WriteFuzzFile(folder + "p.crt", files[0]);
    Section section;
    section.CurrentBorehole = 7;
    // A data file that fails part-way is reported; the entries read before it are complete and
    // must survive the round trip like any others.
    if (!ReadProject(section, folder + "p.crt"))
        FuzzCheck(section.CurrentBorehole == 0, "a read project starts at entry 0");
    CheckReadEntries(section);
    CheckProjectRoundTrip(section);
    return 0;
}
