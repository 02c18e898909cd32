#include "window_fixture.h"

#include "files/palette_file.h"
#include "ui/carotage_settings_dialog.h"
#include "ui/palette_strip.h"

#include "../files/temp_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

namespace kalvero {
namespace {

class FillToolsTest : public WindowTest {
protected:
    // A borehole of three layers with the fills (0, 255), (0, 65280) and (3, 255).
    void ThreeLayers(double position = 0) {
        AddBorehole({2, 3, 5}, position);
        Model().Current().P = {0, 0, 3};
        Model().Current().C = {255, 65280, 255};
    }
    std::vector<Fill> Fills(int entry) {
        const carotagedata& e = Model().Boreholes[entry];
        std::vector<Fill> fills;
        for (size_t k = 0; k < e.P.size(); ++k)
            fills.push_back({e.P[k], e.C[k]});
        return fills;
    }
    void ClickTable(int col, int row, Qt::MouseButton button) {
        const QRect cell = Table().visualRect(Table().model()->index(row - 1, col));
        QTest::mouseClick(Table().viewport(), button, {}, cell.center());
    }
    void ClickPalette(int cell, Qt::MouseButton button) {
        QTest::mouseClick(Form->StringGrid1, button, {},
                          QPoint(cell * PaletteStrip::CellSize + 15, 15));
    }
};

TEST_F(FillToolsTest, PaletteClicks) {
    ThreeLayers();
    Table().SetCurrentCell(1, 3);
    ClickPalette(4, Qt::RightButton);
    EXPECT_EQ(Form->Doc.Palette[4], (Fill{3, 255}));
    Table().SetCurrentCell(1, 1);
    ClickPalette(4, Qt::LeftButton);
    EXPECT_EQ(Fills(0)[0], (Fill{3, 255}));
    ClickPalette(5, Qt::MiddleButton); // other buttons change nothing
    EXPECT_EQ(Fills(0)[0], (Fill{3, 255}));

    Form->SpeedButton12->trigger(); // new entries are curves
    Form->SpeedButton1->trigger();
    const FillPalette before = Form->Doc.Palette;
    ClickPalette(4, Qt::LeftButton);
    ClickPalette(0, Qt::RightButton);
    EXPECT_EQ(Form->Doc.Palette, before);
}

TEST_F(FillToolsTest, FillColumnOpensExchangeAndEditor) {
    ThreeLayers();
    AddBorehole({1, 1}, 50);
    Model().Current().C = {255, 7};
    Model().CurrentBorehole = 0;
    Form->RefillLayerTable();

    ClickTable(3, 1, Qt::RightButton);
    ASSERT_EQ(Dialogs->Popups.size(), 1u);
    EXPECT_EQ(Dialogs->Popups[0], Form->PopupMenu2);
    EXPECT_EQ(Form->ExchangeSource, (Fill{0, 255}));
    Dialogs->FillAnswers.push_back(Fill{5, 99});
    Form->ExchangeP1->trigger();
    EXPECT_EQ(Dialogs->FillsHanded.back(), (Fill{0, 255}));
    EXPECT_EQ(Fills(0), (std::vector<Fill>{{5, 255}, {5, 65280}, {3, 255}}));
    EXPECT_EQ(Fills(1), (std::vector<Fill>{{5, 255}, {5, 7}})); // other entries too

    // A left click on another row's fill cell selects it; the second one opens the editor.
    Table().SetCurrentCell(1, 1);
    ClickTable(3, 2, Qt::LeftButton);
    EXPECT_TRUE(Dialogs->FillAnswers.empty());
    Dialogs->FillAnswers.push_back(Fill{200, 16777215}); // low 7 bits of the style: 72
    ClickTable(3, 2, Qt::LeftButton);
    EXPECT_EQ(Fills(0)[1], (Fill{72, 16777215}));
    Dialogs->FillAnswers.push_back(std::nullopt); // Cancel
    ClickTable(3, 2, Qt::LeftButton);
    EXPECT_EQ(Fills(0)[1], (Fill{72, 16777215}));
}

TEST_F(FillToolsTest, ExchangeCommands) {
    struct Case {
        QAction* TForm1::*Command;
        Fill Replacement;
        std::vector<Fill> Expected;
    };
    const Case cases[] = {
        {&TForm1::ExchangeP1, {5, 0}, {{5, 255}, {5, 65280}, {3, 255}}},
        {&TForm1::ExchangeC1, {9, 0}, {{0, 0}, {0, 65280}, {3, 255}}},
        {&TForm1::ExchangePC1, {6, 0}, {{6, 0}, {0, 65280}, {3, 255}}},
    };
    for (const Case& c : cases) {
        Start({});
        ThreeLayers();
        ClickTable(3, 1, Qt::MiddleButton);
        Dialogs->FillAnswers.push_back(c.Replacement);
        (Form.get()->*c.Command)->trigger();
        EXPECT_EQ(Fills(0), c.Expected);
    }
}

TEST_F(FillToolsTest, DefaultPaletteFiles) {
    TempFolder folder;
    ThreeLayers();
    Form->Doc.Palette[2] = {9, 255};
    Dialogs->SaveAnswers.push_back(FileChoice{QString::fromStdString(folder / "pal.crt"), 1});
    Form->Savedefaultpalette1->trigger();
    EXPECT_EQ(Form->SaveFileName.toStdString(), folder / "pal.txt");
    EXPECT_NE(ReadBytes(folder / "pal.txt").find("9 255\r\n"), std::string::npos);

    const FillPalette saved = Form->Doc.Palette;
    Form->Doc.Palette = StartPalette();
    Dialogs->OpenAnswers.push_back(FileChoice{QString::fromStdString(folder / "pal.txt"), 2});
    Form->Loaddefaultpalette1->trigger();
    EXPECT_EQ(Form->Doc.Palette, saved);

    folder.Write("short.txt", "1 2\r\n");
    Dialogs->OpenAnswers.push_back(FileChoice{QString::fromStdString(folder / "short.txt"), 1});
    Form->Loaddefaultpalette1->trigger();
    EXPECT_EQ(Form->Doc.Palette, saved);
    ASSERT_EQ(Dialogs->Errors.size(), 1);
    EXPECT_TRUE(Dialogs->Errors[0].contains("short.txt"));
}

TEST_F(FillToolsTest, SetPercent) {
    ThreeLayers();
    Form->SpeedButton12->trigger();
    Form->SpeedButton1->trigger();
    const std::pair<std::optional<QString>, double> cases[] = {
        {QString("2,5"), 2.5}, {QString("abc"), 2.5}, {std::nullopt, 1}};
    for (const auto& [answer, expected] : cases) {
        Dialogs->TextAnswers.push_back(answer);
        Form->Setpercent1->trigger();
        for (const carotagedata& e : Model().Boreholes)
            EXPECT_EQ(e.Percent, expected);
    }
}

TEST_F(FillToolsTest, CarotageSettingsMoveTheWholeGroup) {
    EXPECT_FALSE(Form->Form2->isVisible());
    Form->SpeedButton12->trigger();
    for (int32_t index : {0, 0, 2}) {
        Form->SpeedButton1->trigger();
        Model().Current().DataIndex = index;
        Model().Current().CurveColor = 100 + index;
    }
    Model().CurrentBorehole = 0;
    Form->RefillLayerTable();
    Dialogs->ModalScripts.push_back([](QDialog& dialog) {
        auto& form = static_cast<TForm2&>(dialog);
        EXPECT_EQ(form.SpinEdit1->maximum(), 3);
        EXPECT_EQ(form.SpinEdit1->value(), 0);
        form.SpinEdit1->setValue(2);
        form.CheckBox1->setChecked(true);
        form.ComboBox1->setCurrentIndex(2);
    });
    ClickTable(2, 1, Qt::RightButton);
    EXPECT_TRUE(Dialogs->ModalScripts.empty());
    for (int i : {0, 1}) {
        EXPECT_EQ(Model().Boreholes[i].DataIndex, 2);
        EXPECT_TRUE(Model().Boreholes[i].Logarithmic);
        EXPECT_EQ(Model().Boreholes[i].NormType, 2);
        EXPECT_EQ(Model().Boreholes[i].CurveColor, 100); // the colour box showed its own colour
    }
    EXPECT_FALSE(Model().Boreholes[2].Logarithmic);
    EXPECT_EQ(Model().Boreholes[2].CurveColor, 102);
}

TEST_F(FillToolsTest, ImportTwiceGivesTheSamePoints) {
    TempFolder folder;
    const QString file =
        QString::fromStdString(folder.Write("log.txt", "DEPTH GR\r\n100.0 12.5\r\n100,5 13\r\n"));
    Form->SpeedButton12->trigger();
    Form->SpeedButton1->trigger();
    Dialogs->ModalScripts.push_back([&](QDialog& dialog) {
        auto& form = static_cast<TForm2&>(dialog);
        for (int i = 0; i < 2; ++i) {
            Dialogs->OpenAnswers.push_back(FileChoice{file, 1});
            form.SpeedButton8->click();
        }
        Dialogs->OpenAnswers.push_back(std::nullopt); // cancelled: nothing changes
        form.SpeedButton8->click();
        EXPECT_EQ(Dialogs->OpenFilters, QStringList{"Text files (*.txt)"});
    });
    ClickTable(1, 1, Qt::RightButton);
    EXPECT_EQ(Model().Current().Points, (arofcomplexM{{100, 12.5}, {100.5, 13}}));
    EXPECT_EQ(Column(1), (QStringList{"100.0", "100.5"})); // refilled after closing
}

} // namespace
} // namespace kalvero
