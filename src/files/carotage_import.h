#pragma once

#include "files/file_error.h"
#include "model/numbers.h"

#include <string>

namespace kalvero {

// Carotage import: a text file with one point per line, depth and value being the first two
// numbers of the line ("100,5 13" reads as 100.5 and 13); lines with fewer than two numbers
// (headings, units, blank lines) are skipped and points keep the order of the file.
//
// points is emptied only once the file is open: a file that cannot be opened leaves it as it
// was, and a read error part-way leaves the points read before it (and is returned).
FileStatus ImportCarotage(const std::string& path, arofcomplexM& points);

} // namespace kalvero
