#pragma once

#include "model/fill.h"
#include "model/section.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QTableView>

#include <functional>
#include <optional>

namespace kalvero {

// What the layer table shows: the entry's numbers, kept as numbers, with a cell's text written only
// when the view asks for it, so that a curve of a million points shows at once. Rows here count
// from 0 below the header, as Qt's models do.
class LayerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 4;

    explicit LayerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The numbers of columns 1 and 2, one pair per row (none: one empty row). Rows are added or
    // removed at the end, as the count changes, so that the current cell stays where it was.
    void SetRows(arofcomplexM rows);
    void SetHeader(int col, const QString& text);

    QFont NumberFont; // of column 0
    QBrush NumberBackground;

private:
    QString Text(int row, int col) const;

    arofcomplexM Rows;
    QStringList Headers{QStringLiteral("N"), QStringLiteral("H"), QStringLiteral("Z"),
                        QStringLiteral("C")};
    QHash<qint64, QString> Typed; // texts typed into cells since the rows were set
};

// The table of the current entry's layers or points. It counts rows as the user sees them:
// row 0 is the header row, row r the r-th layer or point; columns are "N", value, value, "C".
// What may be edited and what an edit does are the window's answers to two questions the table
// asks: CanEditCell when an editor is about to open, CellValidate when an editor closes on a
// changed text. A valid text stays in its cell as typed; an invalid one is dropped.
class LayerTable : public QTableView {
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
    int GridRowCount() const { return Model->rowCount() + 1; }
    QString CellText(int col, int row) const;
    QString HeaderText(int col) const;
    // The row of the current cell, 0 when there is none.
    int CurrentGridRow() const { return currentIndex().row() + 1; }
    void SetCurrentCell(int col, int row) { setCurrentIndex(Model->index(row - 1, col)); }
    void SetHeaderText(int col, const QString& text) { Model->SetHeader(col, text); }

    using QTableView::edit;

    // Called by the cell editor when it closes on a text other than the cell's.
    bool ValidateEdit(int col, int row, const QString& text);

    static constexpr int FillColumn = 3;
    static constexpr int ColumnCount = LayerTableModel::ColumnCount;

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

    LayerTableModel* Model;
};

} // namespace kalvero
