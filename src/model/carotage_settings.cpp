#include "model/carotage_settings.h"

#include <algorithm>

namespace kalvero {

CarotageSettings SettingsOf(const carotagedata& entry) {
    return {entry.Logarithmic, entry.NormType, entry.CurveColor, entry.DataIndex};
}

int32_t LargestOfferedDataIndex(const Section& section) {
    int64_t largest = 0;
    for (const carotagedata& e : section.Boreholes)
        largest = std::max<int64_t>(largest, e.DataIndex);
    return static_cast<int32_t>(std::min<int64_t>(largest + 1, INT32_MAX));
}

void ApplyCarotageSettings(Section& section, const CarotageSettings& settings) {
    if (!section.HasCurrent())
        return;
    carotagedata& current = section.Current();
    current.Logarithmic = settings.Logarithmic;
    current.NormType = settings.NormType;
    current.CurveColor = settings.CurveColor;
    const int32_t oldIndex = current.DataIndex;
    for (carotagedata& e : section.Boreholes) {
        if (&e == &current || e.DataIndex != oldIndex)
            continue;
        e.Logarithmic = settings.Logarithmic;
        e.NormType = settings.NormType;
        e.CurveColor = settings.CurveColor;
        e.DataIndex = settings.DataIndex;
    }
    current.DataIndex = settings.DataIndex; // last: the group was found by the old index
}

int NormTypeListIndex(int32_t normType) {
    return normType >= 0 && normType <= 2 ? normType : 2;
}

int32_t NormTypeFromList(int32_t original, int listIndex) {
    return listIndex == NormTypeListIndex(original) ? original : listIndex;
}

} // namespace kalvero
