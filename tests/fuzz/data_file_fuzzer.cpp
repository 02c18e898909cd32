// One entry's data file, named by a fixed project file, followed by the write-and-read-back check.
//
// Input: the first byte chooses the entry's kind (odd, such as "c": a carotage curve; even, such
// as "b": a borehole); the rest is the data file.
#include "files/project_file.h"
#include "fuzz_support.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvero;
    if (size == 0)
        return 0;
    const bool carotage = data[0] & 1;
    const std::string folder = FreshFuzzFolder("data");
    const std::string dataFile = folder + "d.txt";
    WriteFuzzFile(dataFile, AsText(data + 1, size - 1));
    // The full path, so that no file of that name in the working folder is taken instead.
    WriteFuzzFile(folder + "p.crt",
                  dataFile + (carotage ? "\r\n250.0\r\n250.0 3.0 0 1 1 255 0 2.5\r\n"
                                       : "\r\n100.0\r\n100.0 3.0 2 0 0 0 0 0\r\n"));
    Section section;
    FuzzCheck(!ReadProject(section, folder + "p.crt"), "a data file that exists reads");
    FuzzCheck(section.Boreholes.size() == 1, "the project names one data file");
    FuzzCheck(section.Boreholes[0].IsCarotage() == carotage,
              "the kind comes from the numbers line");
    CheckReadEntries(section);
    CheckProjectRoundTrip(section);
    return 0;
}
