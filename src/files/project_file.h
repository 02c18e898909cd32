#pragma once

#include "files/file_error.h"
#include "model/section.h"

#include <set>
#include <string>
#include <vector>

namespace kalvero {

// Replaces the section's entries by the project stored in projectFile and makes entry 0 current.
// When a file fails part-way the section holds the entries read completely before the failure;
// when not one entry was read (the project cannot be opened, its first data file fails, or it has
// text but no line naming an existing data file) the section is left as it was. Either way the
// error is returned. The read entries have no chart objects.
FileStatus ReadProject(Section& section, const std::string& projectFile);

// Writes the project file and one data file per entry beside it. The section is not changed.
FileStatus WriteProject(const Section& section, const std::string& projectFile);

// The data-file names WriteProject gives the entries, in list order: the name derived from the
// position, or for a later entry whose position gives a name already taken, that name with
// "_2", "_3", ... before ".txt" (a derived name never holds two underscores, so these never
// collide with another entry's derived name).
std::vector<std::string> DataFileNames(const Section& section);

// Gives out file names base + extension, or when that is taken, base + "_2" + extension,
// base + "_3" + extension, ...
class UniqueNames {
public:
    std::string Take(const std::string& base, const std::string& extension);

private:
    std::set<std::string> Taken;
};

// The name derived from a position: its text with every "." replaced by "_", without extension;
// for a position whose text is very long, its exponent form the same way
// ("1_00000000000000E+0300").
std::string BaseNameForPosition(double horizontalPosition);

// The text of one entry's data file and numbers line, as written.
std::string DataFileText(const carotagedata& entry);
std::string NumbersLine(const carotagedata& entry);

} // namespace kalvero
