#pragma once

#include "model/section.h"

#include <QTableWidget>

#include <functional>

namespace kalvero {

// The table of the current entry's layers or points. It counts rows as the user sees them:
// row 0 is the header row, row r the r-th layer or point; columns are "N", value, value, "C".
// What may be edited and what an edit does are the window's answers to two questions the table
// asks: CanEditCell when an editor is about to open, CellValidate when an editor closes on a
// changed text. A valid text stays in its cell as typed; an invalid one is dropped.
class LayerTable : public QTableWidget {
    Q_OBJECT
public:
    explicit LayerTable(QWidget* parent = nullptr);

    std::function<bool(int col, int row)> CanEditCell;
    std::function<bool(int col, int row, const QString& text)> CellValidate;

    // Headers by the entry's kind, max(2, n + 1) rows counting the header row, the numbers of
    // every layer or point.
    void ShowEntry(const carotagedata& entry);

    // Rows counting the header row.
    int GridRowCount() const { return rowCount() + 1; }
    QString CellText(int col, int row) const;
    QString HeaderText(int col) const;
    // The row of the current cell, 0 when there is none.
    int CurrentGridRow() const { return currentRow() + 1; }
    void SetCurrentCell(int col, int row) { setCurrentCell(row - 1, col); }

    using QTableWidget::edit;

    // Called by the cell editor when it closes on a text other than the cell's.
    bool ValidateEdit(int col, int row, const QString& text);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void SetCellText(int col, int row, const QString& text);
    QTableWidgetItem* ItemAt(int col, int row);
};

} // namespace kalvero
