#include "ui/layer_edits.h"

#include "model/numbers.h"

namespace kalvero {

namespace {

constexpr int ThicknessColumn = 1;
constexpr int BottomColumn = 2;
// 0 as the lower bound means "no lower bound": negative thicknesses pass here, and a negative
// bottom depth is refused by SetBottomDepth.
constexpr double LowerBound = 0;
constexpr double UpperBound = 10000;

bool IsValueColumn(int col) {
    return col == ThicknessColumn || col == BottomColumn;
}

} // namespace

bool CanEditLayerCell(const Section& section, int col, int row) {
    if (row < 1 || !IsValueColumn(col))
        return false;
    return section.Empty() || (section.HasCurrent() && !section.Current().IsCarotage());
}

CellEdit ApplyCellEdit(Section& section, int col, int row, std::string_view text) {
    if (section.Empty() || row < 1 || !IsValueColumn(col))
        return CellEdit::StoredNothing;
    if (!section.HasCurrent() || section.Current().IsCarotage())
        return CellEdit::Refused;
    const double value = TextToNumber(text, true, LowerBound, UpperBound);
    if (value == MissingValue)
        return CellEdit::Refused;
    carotagedata& entry = section.Current();
    const size_t layer = static_cast<size_t>(row - 1);
    if (col == ThicknessColumn) {
        if (layer >= entry.H.size())
            return CellEdit::Refused;
        entry.H[layer] = value;
        BottomsFromThickness(entry);
        return CellEdit::Stored;
    }
    return section.SetBottomDepth(static_cast<int>(layer), value) ? CellEdit::Stored
                                                                  : CellEdit::Refused;
}

} // namespace kalvero
