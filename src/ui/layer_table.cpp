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

int LayerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, static_cast<int>(Rows.size()));
}

int LayerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString LayerTableModel::Text(int row, int col) const {
    if (const auto typed = Typed.find(qint64(row) * ColumnCount + col); typed != Typed.end())
        return *typed;
    if (row >= static_cast<int>(Rows.size()))
        return QString();
    switch (col) {
    case 0:
        return QString::number(row + 1);
    case 1:
        return TableNumber(Rows[row].first);
    case 2:
        return TableNumber(Rows[row].second);
    default:
        return QString();
    }
}

QVariant LayerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole:
        return index.column() == 0 ? QVariant(NumberFont) : QVariant();
    case Qt::BackgroundRole:
        return index.column() == 0 ? QVariant(NumberBackground) : QVariant();
    default:
        return {};
    }
}

bool LayerTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    Typed.insert(qint64(index.row()) * ColumnCount + index.column(), value.toString());
    emit dataChanged(index, index);
    return true;
}

QVariant LayerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return Headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LayerTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 0 ? flags : flags | Qt::ItemIsEditable;
}

void LayerTableModel::SetRows(arofcomplexM rows) {
    const int before = rowCount(), after = std::max(1, static_cast<int>(rows.size()));
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        Rows = std::move(rows);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows({}, after, before - 1);
        Rows = std::move(rows);
        endRemoveRows();
    } else {
        Rows = std::move(rows);
    }
    Typed.clear();
    emit dataChanged(index(0, 0), index(after - 1, ColumnCount - 1));
}

void LayerTableModel::SetHeader(int col, const QString& text) {
    Headers[col] = text;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

LayerTable::LayerTable(QWidget* parent) : QTableView(parent), Model(new LayerTableModel(this)) {
    setModel(Model);
    setItemDelegate(new ValidatingDelegate(this));
    QFont tableFont(QStringLiteral("Tahoma"));
    tableFont.setPointSize(9);
    setFont(tableFont);
    QFont bold = tableFont;
    bold.setBold(true);
    Model->NumberFont = bold;
    Model->NumberBackground = palette().button();
    horizontalHeader()->setFont(bold);
    horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    horizontalHeader()->setMinimumSectionSize(10);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(10);
    verticalHeader()->hide();
    setStyleSheet(QStringLiteral("QTableView { gridline-color: silver; }"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The right button has its own uses here; the window's menu of toolbars must not open too.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex& previous) {
                if (CellChanging)
                    CellChanging(previous.row() + 1);
            });
}

void LayerTable::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    ReportPress(event);
}

// The second press of a double click arrives as a double click; it is a press all the same (two
// quick clicks on a fill cell open the brush editor).
void LayerTable::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
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
    Model->SetHeader(1, carotage ? QStringLiteral("Z") : QStringLiteral("H"));
    Model->SetHeader(2, carotage ? QStringLiteral("X") : QStringLiteral("Z"));
    if (carotage) {
        Model->SetRows(entry.Points);
        return;
    }
    arofcomplexM rows(std::min(entry.H.size(), entry.Z.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {entry.H[i], entry.Z[i]};
    Model->SetRows(std::move(rows));
}

QString LayerTable::CellText(int col, int row) const {
    return Model->data(Model->index(row - 1, col), Qt::DisplayRole).toString();
}

QString LayerTable::HeaderText(int col) const {
    return Model->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
}

bool LayerTable::ValidateEdit(int col, int row, const QString& text) {
    return !CellValidate || CellValidate(col, row, text);
}

bool LayerTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (CanEditCell && !CanEditCell(index.column(), index.row() + 1))
        return false;
    return QTableView::edit(index, trigger, event);
}

} // namespace kalvero
