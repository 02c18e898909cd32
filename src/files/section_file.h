#pragma once

#include "files/file_error.h"
#include "model/view_extents.h"

#include <optional>
#include <string>

namespace kalvero {

// What a section file names: the picture, and two opposite corners of it in chart coordinates.
struct SectionFileContent {
    std::string PicturePath;               // empty when no picture file exists
    std::optional<PictureCorners> Corners; // as written (first point first); empty unless the
                                           // second line holds exactly four numbers
};

// Reads a section file. The picture path is line 1 as written, or else the file name part of it
// beside the section file. Only a section file that cannot be opened or read is an error.
FileStatus ReadSectionFile(const std::string& sectionFile, SectionFileContent& content);

// The file name part of a path written on any system: the text after the last "/", "\" or ":".
std::string FileNamePart(const std::string& path);

} // namespace kalvero
