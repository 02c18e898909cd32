#pragma once

#include "model/section.h"

#include <string_view>

namespace kalvero {

// The rules of the layer table, on the model alone. Rows and columns are counted as the table
// shows them: row 0 holds the headers, row r stands for layer r - 1; column 0 numbers the rows,
// column 1 is the thickness and column 2 the bottom depth.

// Whether the table may open an editor on the cell: rows 1 and below of columns 1 and 2 of a
// borehole entry, and of an empty section (where the text is stored nowhere).
bool CanEditLayerCell(const Section& section, int col, int row);

enum class CellEdit {
    Refused,       // the text goes and the cell shows its former text
    StoredNothing, // the text stays in the cell and the model is unchanged
    Stored,        // the model took the number; the table is to be refilled
};

// Reads the typed text as a number up to 10000 and stores it as the layer's thickness (bottom
// depths follow) or as its bottom depth (thicknesses follow, and the depth must lie between its
// neighbours'). A row past the entry's layers is refused, so nothing lands outside the arrays.
CellEdit ApplyCellEdit(Section& section, int col, int row, std::string_view text);

} // namespace kalvero
