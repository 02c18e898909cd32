#include "ui/layer_table.h"

#include "model/numbers.h"
#include "view/fills.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace kalvero {

namespace {

constexpr int ColumnCount = 4;
constexpr int ColumnWidth = 45;
constexpr int RowHeight = 21;

QString TableNumber(double value) {
    return QString::fromStdString(NumberToText(0, 1, value));
}

// Hands a changed text to the table's validation before anything is stored; the model of the
// view is written only for a valid text, so an invalid one leaves the former text in place.
class ValidatingDelegate : public QStyledItemDelegate {
public:
    explicit ValidatingDelegate(LayerTable* table) : QStyledItemDelegate(table), table_(table) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line)
            return;
        const QString typed = line->text();
        if (typed == index.data(Qt::DisplayRole).toString())
            return;
        const int col = index.column();
        const int row = index.row() + 1;
        // Validation refills the table, which rewrites every cell, the edited one included.
        if (!table_->ValidateEdit(col, row, typed))
            return;
        if (row - 1 < model->rowCount())
            model->setData(model->index(row - 1, col), typed, Qt::DisplayRole);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const std::optional<Fill> fill =
            index.column() == LayerTable::FillColumn && table_->FillOfRow
                ? table_->FillOfRow(index.row() + 1)
                : std::nullopt;
        if (!fill) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // The whole cell, without outline.
        PaintFill(*painter, option.rect, fill->PatternCode, fill->Color);
    }

private:
    LayerTable* table_;
};

} // namespace

LayerTable::LayerTable(QWidget* parent) : QTableWidget(1, ColumnCount, parent) {
    setItemDelegate(new ValidatingDelegate(this));
    QFont tableFont(QStringLiteral("Tahoma"));
    tableFont.setPointSize(9);
    setFont(tableFont);
    QFont bold = tableFont;
    bold.setBold(true);
    horizontalHeader()->setFont(bold);
    horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    horizontalHeader()->setMinimumSectionSize(10);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(10);
    verticalHeader()->hide();
    setStyleSheet(QStringLiteral("QTableWidget { gridline-color: silver; }"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The right button has its own uses here; the window's menu of toolbars must not open too.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setHorizontalHeaderLabels(
        {QStringLiteral("N"), QStringLiteral("H"), QStringLiteral("Z"), QStringLiteral("C")});
    for (int col = 0; col < ColumnCount; ++col)
        ItemAt(col, 1);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int, int, int previousRow, int) {
        if (CellChanging)
            CellChanging(previousRow + 1);
    });
}

void LayerTable::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    ReportPress(event);
}

// The second press of a double click arrives as a double click; it is a press all the same (two
// quick clicks on a fill cell open the brush editor).
void LayerTable::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    ReportPress(event);
}

void LayerTable::ReportPress(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int row = rowAt(at.y()), col = columnAt(at.x());
    emit CellPressed(row < 0 ? -1 : col, row < 0 ? -1 : row + 1, event->button(),
                     event->globalPosition().toPoint());
}

void LayerTable::ShowEntry(const carotagedata& entry) {
    const bool carotage = entry.IsCarotage();
    horizontalHeaderItem(1)->setText(carotage ? QStringLiteral("Z") : QStringLiteral("H"));
    horizontalHeaderItem(2)->setText(carotage ? QStringLiteral("X") : QStringLiteral("Z"));
    const size_t n = carotage ? entry.Points.size() : std::min(entry.H.size(), entry.Z.size());
    setRowCount(std::max<int>(1, static_cast<int>(n)));
    // A curve may have a million points: the view hears of the new texts once, not per cell.
    const bool blocked = model()->blockSignals(true);
    if (n == 0) {
        for (int col = 0; col < ColumnCount; ++col)
            SetCellText(col, 1, QString());
    }
    for (size_t i = 0; i < n; ++i) {
        const int row = static_cast<int>(i) + 1;
        SetCellText(0, row, QString::number(row));
        SetCellText(1, row, TableNumber(carotage ? entry.Points[i].first : entry.H[i]));
        SetCellText(2, row, TableNumber(carotage ? entry.Points[i].second : entry.Z[i]));
    }
    model()->blockSignals(blocked);
    emit model()->dataChanged(model()->index(0, 0),
                              model()->index(rowCount() - 1, ColumnCount - 1));
}

QString LayerTable::CellText(int col, int row) const {
    const QTableWidgetItem* cell = item(row - 1, col);
    return cell ? cell->text() : QString();
}

QString LayerTable::HeaderText(int col) const {
    const QTableWidgetItem* header = horizontalHeaderItem(col);
    return header ? header->text() : QString();
}

bool LayerTable::ValidateEdit(int col, int row, const QString& text) {
    return !CellValidate || CellValidate(col, row, text);
}

bool LayerTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (CanEditCell && !CanEditCell(index.column(), index.row() + 1))
        return false;
    return QTableWidget::edit(index, trigger, event);
}

void LayerTable::SetCellText(int col, int row, const QString& text) {
    ItemAt(col, row)->setText(text);
}

QTableWidgetItem* LayerTable::ItemAt(int col, int row) {
    QTableWidgetItem* cell = item(row - 1, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        if (col == 0) {
            QFont bold = font();
            bold.setBold(true);
            cell->setFont(bold);
            cell->setBackground(palette().button());
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(row - 1, col, cell);
    }
    return cell;
}

} // namespace kalvero
