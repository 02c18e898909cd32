#pragma once

#include "model/section.h"

namespace kalvero {

// The display settings of a carotage entry that its group shares.
struct CarotageSettings {
    bool Logarithmic = false;
    int32_t NormType = 0;
    int32_t CurveColor = 0;
    int32_t DataIndex = 0;
};

CarotageSettings SettingsOf(const carotagedata& entry);

// The largest data index the settings offer: one above the largest in use, for a new group.
int32_t LargestOfferedDataIndex(const Section& section);

// Applies the settings to the current entry and to every other entry whose data index equals the
// current entry's old one: the whole old group moves to the new index; entries already in the new
// group keep their own settings.
void ApplyCarotageSettings(Section& section, const CarotageSettings& settings);

// The norm type list shows 0, 1 and 2; any other value shows as 2 ("Norm ").
int NormTypeListIndex(int32_t normType);
// The norm type to store for a list position: a value outside the list is kept unless the user
// chose another position than the one it showed as.
int32_t NormTypeFromList(int32_t original, int listIndex);

} // namespace kalvero
