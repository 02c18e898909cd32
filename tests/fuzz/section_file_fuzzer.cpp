// The section file, beside a picture file "pic.png" for its first line to name.
#include "files/line_reader.h"
#include "files/section_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvero;
    const std::string folder = FreshFuzzFolder("section");
    WriteFuzzFile(folder + "pic.png", "");
    WriteFuzzFile(folder + "s.sec", AsText(data, size));
    SectionFileContent content;
    content.PicturePath = "old";
    FuzzCheck(!ReadSectionFile(folder + "s.sec", content), "a section file that exists reads");

    const std::vector<std::string_view> lines = ExpectedLines(AsText(data, size));
    const std::string first = lines.empty() ? std::string() : std::string(lines[0]);
    const bool found = IsExistingFile(first) || IsExistingFile(folder + FileNamePart(first));
    FuzzCheck(content.PicturePath.empty() != found, "the picture is found as written or beside");
    FuzzCheck(content.PicturePath.empty() || IsExistingFile(content.PicturePath),
              "the picture path names a file");
    arofdoubleM corners;
    if (found && lines.size() > 1)
        SplitToDoubles(lines[1], 0, corners);
    FuzzCheck(content.Corners.has_value() == (corners.size() == 4),
              "corners exactly when the second line holds four numbers");
    if (content.Corners)
        FuzzCheck(content.Corners->X1 == corners[0] && content.Corners->Y1 == corners[1] &&
                      content.Corners->X2 == corners[2] && content.Corners->Y2 == corners[3],
                  "the corners as written");
    return 0;
}
