#include "ui/brush_editor.h"
#include "ui/carotage_settings_dialog.h"
#include "ui/palette_strip.h"
#include "view/fills.h"
#include "view/tiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kalvero;

namespace {

TEST(BrushEditor, ListsTheStylesAndTilesInCodeOrder) {
    BrushEditorDialog dialog({9, 255});
    ASSERT_EQ(dialog.Patterns->count(), 43);
    const char* names[] = {"Solid",    "None",          "Horizontal", "Vertical",
                           "Diagonal", "Back Diagonal", "Cross",      "Diagonal Cross"};
    for (int code = 0; code < 8; ++code)
        EXPECT_EQ(dialog.Patterns->item(code)->text(), names[code]);
    for (int code = 8; code < 43; ++code) {
        EXPECT_TRUE(dialog.Patterns->item(code)->text().isEmpty());
        EXPECT_EQ(dialog.Patterns->item(code)->toolTip(), TileName(code - 7));
    }
    EXPECT_EQ(dialog.Patterns->currentRow(), 9);
    EXPECT_EQ(dialog.Chosen(), (Fill{9, 255}));
    dialog.Patterns->setCurrentRow(42);
    EXPECT_EQ(dialog.Chosen(), (Fill{42, 255}));
}

TEST(BrushEditor, CodesOutsideTheListAndCancel) {
    BrushEditorDialog outside({50, 65280});
    EXPECT_EQ(outside.Patterns->currentRow(), -1);
    EXPECT_EQ(outside.Chosen(), (Fill{50, 65280})); // nothing chosen: the code stays

    // Cancel gives back the fill it was handed, whatever was chosen meanwhile.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<BrushEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Patterns->setCurrentRow(3);
        dialog->reject();
    });
    EXPECT_EQ(EditFill(nullptr, {5, 7}), (Fill{5, 7}));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<BrushEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Patterns->setCurrentRow(3);
        dialog->accept();
    });
    EXPECT_EQ(EditFill(nullptr, {5, 7}), (Fill{3, 7}));
}

TEST(PaletteStrip, PaintsFillsOnlyWhileShowingAndReportsCells) {
    FillPalette palette = StartPalette();
    palette[4] = {0, 255};
    PaletteStrip strip(palette);
    bool showing = false;
    strip.Showing = [&] { return showing; };
    const QPoint inCell4(4 * 30 + 15, 15);
    EXPECT_NE(strip.grab().toImage().pixel(inCell4), qRgb(255, 0, 0));
    showing = true;
    EXPECT_EQ(strip.grab().toImage().pixel(inCell4), qRgb(255, 0, 0));
    EXPECT_EQ(strip.grab().toImage().pixel(15, 15), qRgb(255, 255, 255));

    EXPECT_EQ(strip.CellAt(inCell4), 4);
    EXPECT_EQ(strip.CellAt(QPoint(10 * 30 + 29, 3)), 10);
    EXPECT_EQ(strip.CellAt(QPoint(11 * 30 + 1, 3)), -1);
    QSignalSpy spy(&strip, &PaletteStrip::CellPressed);
    QTest::mouseClick(&strip, Qt::RightButton, {}, inCell4);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), 4);
    EXPECT_EQ(spy[0][1].value<Qt::MouseButton>(), Qt::RightButton);
}

TEST(CarotageSettingsDialog, ShowsAndReadsSettings) {
    TForm2 form;
    EXPECT_EQ(form.windowTitle(), "Carotage settings");
    EXPECT_EQ(form.size(), QSize(249, 201));
    EXPECT_EQ(form.ComboBox1->itemText(2), "Norm ");
    form.Show({true, 1, 255, 0}, 3);
    EXPECT_EQ(form.SpinEdit1->maximum(), 3);
    EXPECT_EQ(form.SpinEdit1->value(), 0);
    EXPECT_TRUE(form.CheckBox1->isChecked());
    EXPECT_EQ(form.ColorBox1->currentText(), "Red");
    // A later opening for a higher group shows it, not a value clipped by the earlier range.
    form.Show({false, 7, 0x123456, 3}, 4);
    EXPECT_EQ(form.SpinEdit1->value(), 3);
    EXPECT_EQ(form.ComboBox1->currentIndex(), 2);
    const CarotageSettings original{false, 7, 0x123456, 3};
    EXPECT_EQ(form.Settings(original).NormType, 7); // untouched: kept
    EXPECT_EQ(form.Settings(original).CurveColor, 0x123456);
    form.ComboBox1->setCurrentIndex(0);
    form.SpinEdit1->setValue(4);
    const CarotageSettings chosen = form.Settings(original);
    EXPECT_EQ(chosen.NormType, 0);
    EXPECT_EQ(chosen.DataIndex, 4);
    form.Show({false, 0, 0x00FF00, 0}, 1);
    EXPECT_EQ(form.ColorBox1->currentText(), "Lime");
    EXPECT_EQ(form.ColorBox1->count(), 16); // the earlier colour of its own is gone
}

} // namespace
