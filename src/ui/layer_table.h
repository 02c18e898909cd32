#pragma once

#include "model/fill.h"
#include "model/section.h"

#include <QTableWidget>

#include <functional>
#include <optional>

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
    // The fill swatch of a row's "C" cell; nothing leaves the cell unpainted.
    std::function<std::optional<Fill>(int row)> FillOfRow;
    // Told the row that was current when the current cell moves elsewhere.
    std::function<void(int previousRow)> CellChanging;

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

    static constexpr int FillColumn = 3;

signals:
    // A mouse button pressed over the table, after the current cell has followed it; row and col
    // are -1 outside the cells.
    void CellPressed(int col, int row, Qt::MouseButton button, QPoint globalPosition);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ReportPress(QMouseEvent* event);
    void SetCellText(int col, int row, const QString& text);
    QTableWidgetItem* ItemAt(int col, int row);
};

} // namespace kalvero
