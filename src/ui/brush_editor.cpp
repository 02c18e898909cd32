#include "ui/brush_editor.h"

#include "view/fills.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalvero {

namespace {

constexpr int SwatchSize = 32;

QIcon Swatch(int32_t pattern, int32_t colour) {
    QImage image(SwatchSize, SwatchSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintFill(painter, image.rect().adjusted(1, 1, -1, -1), pattern, colour);
    painter.setPen(Qt::gray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

BrushEditorDialog::BrushEditorDialog(const Fill& fill, QWidget* parent)
    : QDialog(parent), Start(fill) {
    setWindowTitle("Pattern Color Editor");
    Patterns = new QListWidget(this);
    Patterns->setViewMode(QListView::IconMode);
    Patterns->setIconSize(QSize(SwatchSize, SwatchSize));
    Patterns->setGridSize(QSize(SwatchSize + 72, SwatchSize + 30));
    Patterns->setResizeMode(QListView::Adjust);
    Patterns->setMovement(QListView::Static);
    Patterns->setWordWrap(true);
    Patterns->setMinimumSize(560, 400);
    for (int32_t code = 0; code < EditorPatternCount; ++code) {
        // The styles carry their names; tiles are swatches, named in their tooltips.
        auto* item = new QListWidgetItem(code < FirstTileCode ? PatternName(code) : QString());
        item->setToolTip(PatternName(code));
        Patterns->addItem(item);
    }
    if (fill.PatternCode >= 0 && fill.PatternCode < EditorPatternCount)
        Patterns->setCurrentRow(fill.PatternCode);

    ColorChoice = new QToolButton(this);
    ColorChoice->setIconSize(QSize(40, 16));
    ColorChoice->setToolTip("Color");
    connect(ColorChoice, &QToolButton::clicked, this, &BrushEditorDialog::ChooseColor);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel("Color", this));
    colorRow->addWidget(ColorChoice);
    colorRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Patterns);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    SetColor(ColorFromValue(fill.Color));
}

Fill BrushEditorDialog::Chosen() const {
    const int row = Patterns->currentRow();
    return {row >= 0 ? row : Start.PatternCode, ValueFromColor(Color)};
}

void BrushEditorDialog::ChooseColor() {
    const QColor color = QColorDialog::getColor(Color, this, "Color");
    if (color.isValid())
        SetColor(color);
}

// The button and every swatch show the chosen colour.
void BrushEditorDialog::SetColor(const QColor& color) {
    Color = color;
    QPixmap swatch(ColorChoice->iconSize());
    swatch.fill(color);
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    ColorChoice->setIcon(QIcon(swatch));
    const int32_t colour = ValueFromColor(color);
    for (int32_t code = 0; code < Patterns->count(); ++code)
        Patterns->item(code)->setIcon(Swatch(code, colour));
}

Fill EditFill(QWidget* parent, const Fill& fill) {
    BrushEditorDialog dialog(fill, parent);
    if (dialog.exec() != QDialog::Accepted)
        return fill;
    return dialog.Chosen();
}

} // namespace kalvero
