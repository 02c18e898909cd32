// Section file (".sec"): two lines, anything after them is ignored.
//   profile.bmp          the picture: as written, or else its file name beside the section file
//   0 0 1000 200         two opposite corners x1 y1 x2 y2 (positions along x, depths along y)
#include "files/section_file.h"

#include "files/line_reader.h"
#include "model/numbers.h"

#include <vector>

namespace kalvero {

std::string FileNamePart(const std::string& path) {
    const size_t separator = path.find_last_of("/\\:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

FileStatus ReadSectionFile(const std::string& sectionFile, SectionFileContent& content) {
    content = {};
    std::vector<std::string> lines;
    if (FileStatus error = ReadLines(sectionFile, 2, lines))
        return error;
    if (lines.empty())
        return std::nullopt;
    std::string picture = lines[0];
    if (!IsExistingFile(picture))
        picture = FolderOf(sectionFile) + FileNamePart(lines[0]);
    if (!IsExistingFile(picture))
        return std::nullopt;
    content.PicturePath = picture;
    arofdoubleM numbers;
    if (lines.size() > 1)
        SplitToDoubles(lines[1], 0, numbers);
    if (numbers.size() == 4)
        content.Corners = PictureCorners{numbers[0], numbers[1], numbers[2], numbers[3]};
    return std::nullopt;
}

} // namespace kalvero
