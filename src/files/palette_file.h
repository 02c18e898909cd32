#pragma once

#include "files/file_error.h"
#include "model/fill.h"

#include <string>

namespace kalvero {

// Default palette file: 11 lines "pattern colour", e.g. "0 16777215" for solid white, written
// with CR LF. The reader takes any blanks or tabs between the numbers and rounds fractions (an
// exact half to even); further numbers on a line are ignored. A file whose first 11 lines do not
// each hold two numbers is refused and the palette is left as it was.
FileStatus ReadPaletteFile(const std::string& path, FillPalette& palette);
FileStatus WritePaletteFile(const std::string& path, const FillPalette& palette);

// The name a palette is saved under: the chosen name with its extension replaced by ".txt".
std::string PaletteFileName(const std::string& chosen);

} // namespace kalvero
