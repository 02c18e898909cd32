#include "ui/carotage_settings_dialog.h"

#include "view/fills.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace kalvero {

namespace {

// The named colours of the colour box, as colour values 0x00BBGGRR.
const std::pair<const char*, int32_t> NamedColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

QIcon ColorIcon(int32_t colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ColorFromValue(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Carotage settings");
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Label1 = new QLabel("Data index", this);
    SpinEdit1 = new QSpinBox(this);
    Label2 = new QLabel("Norm type", this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems({"Common MinMax", "Common MinMax, Norm", "Norm "});
    Label3 = new QLabel("Color", this);
    ColorBox1 = new QComboBox(this);
    for (const auto& [name, value] : NamedColors)
        ColorBox1->addItem(ColorIcon(value), name, value);
    SpeedButton8 = new QToolButton(this);
    SpeedButton8->setIcon(QIcon::fromTheme("document-import", QIcon(":/icons/open.svg")));
    SpeedButton8->setToolTip("Import carotage data");
    CheckBox1 = new QCheckBox("Logarithmic data", this);
    connect(SpeedButton8, &QToolButton::clicked, this, [this] {
        if (ImportRequested)
            ImportRequested();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(SpinEdit1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(ComboBox1, 3, 0, 1, 2);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(ColorBox1, 5, 0, 1, 2);
    grid->addWidget(SpeedButton8, 6, 0);
    grid->addWidget(CheckBox1, 6, 1);
    setFixedSize(249, 201);
}

void TForm2::SelectColor(int32_t colour) {
    // A colour that is not one of the named ones gets an entry of its own after them.
    for (int i = ColorBox1->count() - 1; i >= 0; --i)
        if (i >= static_cast<int>(std::size(NamedColors)))
            ColorBox1->removeItem(i);
    int index = ColorBox1->findData(colour);
    if (index < 0) {
        ColorBox1->addItem(ColorIcon(colour), ColorFromValue(colour).name(), colour);
        index = ColorBox1->count() - 1;
    }
    ColorBox1->setCurrentIndex(index);
}

void TForm2::Show(const CarotageSettings& settings, int32_t largestIndex) {
    CheckBox1->setChecked(settings.Logarithmic);
    ComboBox1->setCurrentIndex(NormTypeListIndex(settings.NormType));
    SelectColor(settings.CurveColor);
    // The range first, so that the value is not clipped by an earlier, smaller one.
    SpinEdit1->setRange(0, largestIndex);
    SpinEdit1->setValue(settings.DataIndex);
}

CarotageSettings TForm2::Settings(const CarotageSettings& original) const {
    return {CheckBox1->isChecked(), NormTypeFromList(original.NormType, ComboBox1->currentIndex()),
            ColorBox1->currentData().toInt(), SpinEdit1->value()};
}

} // namespace kalvero
