#pragma once

#include "model/section.h"

namespace kalvero {

// Writes the section with WriteProject into a fresh folder of the scratch folder, reads it back,
// and repeats that once more. The first write may round numbers (positions and percents to the
// decimals they are shown with, data to 15 significant digits) and puts the position text in
// place of each label; everything else must come back as it was. Writing what was read back and
// reading it again must then change nothing at all.
void CheckProjectRoundTrip(const Section& first);

// What every entry of a read project holds: one bottom depth, colour, pattern and thickness per
// layer, a point for every layer line, finite numbers, and the path of its data file.
void CheckReadEntries(const Section& section);

} // namespace kalvero
