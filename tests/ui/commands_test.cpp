#include "window_fixture.h"

#include "ui/chart_widget.h"

#include <QMenuBar>
#include <QToolBar>

namespace kalvero {
namespace {

using CommandsTest = WindowTest;

std::vector<double> Positions(const Section& section) {
    std::vector<double> positions;
    for (const carotagedata& entry : section.Boreholes)
        positions.push_back(entry.HorizontalPosition);
    return positions;
}

TEST_F(CommandsTest, MenusOfferEveryCommandInOrder) {
    QStringList menus;
    for (QAction* menu : Form->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        menus << menu->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus,
              (QStringList{"File: Open project, Save project, -, Exit",
                           "Options: Add borehole, Remove borehole, -, Add layer, Remove layer, -, "
                           "Prev borehole, Next borehole, -, Refresh image, Sort boreholes"}));
    EXPECT_EQ(Form->SpeedButton8->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(Form->SpeedButton9->shortcut(), QKeySequence(QKeySequence::Save));
}

TEST_F(CommandsTest, ToolbarHintsInOrder) {
    QStringList hints;
    for (QAction* action : Form->ToolBar1->actions()) {
        if (!action->toolTip().isEmpty())
            hints << action->toolTip();
    }
    EXPECT_EQ(hints, (QStringList{"Open project", "Save project", "Borehole/Carotage",
                                  "Create new borehole", "Remove borehole", "Add layer",
                                  "Delete layer", "Prev borehole", "Next borehole", "Repaint",
                                  "Sort boreholes by coordinates"}));
}

TEST_F(CommandsTest, RemoveBoreholeNeedsTwoEntries) {
    AddBorehole({2}, 10);
    Form->SpeedButton7->trigger();
    EXPECT_EQ(Model().Boreholes.size(), 1u);
    EXPECT_EQ(Column(1), QStringList{"2.0"});

    AddBorehole({4, 1}, 20);
    Form->SpeedButton7->trigger();
    EXPECT_EQ(Positions(Model()), std::vector<double>{10});
    EXPECT_EQ(Column(1), QStringList{"2.0"});
    EXPECT_EQ(Form->Edit1->text(), "10.0");
}

TEST_F(CommandsTest, AddAndDeleteLayerAtTheCurrentRow) {
    AddBorehole({2, 3}, 10);
    struct Step {
        QAction* command;
        int row;
        std::vector<double> thicknesses;
    };
    const Step steps[] = {
        {Form->SpeedButton2, 1, {2, 0, 3}}, // a new layer after row 1
        {Form->SpeedButton3, 3, {2, 0}},    {Form->SpeedButton3, 1, {0}},
        {Form->SpeedButton3, 1, {0}}, // the last layer stays
        {Form->SpeedButton2, 1, {0, 0}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command->text().toStdString());
        Table().SetCurrentCell(1, step.row);
        step.command->trigger();
        EXPECT_EQ(Model().Current().H, step.thicknesses);
        EXPECT_EQ(Table().GridRowCount(), int(std::max<size_t>(2, step.thicknesses.size() + 1)));
    }
}

TEST_F(CommandsTest, PreviousAndNextStopAtTheEnds) {
    ASSERT_TRUE(Form->Doc.ReadProjectFile(DemoProject().toStdString()) == std::nullopt);
    Form->RefillLayerTable();
    struct Step {
        QAction* command;
        int current;
        QString header1;
    };
    const Step steps[] = {
        {Form->SpeedButton5, 1, "Z"},
        {Form->SpeedButton5, 1, "Z"},
        {Form->SpeedButton4, 0, "H"},
        {Form->SpeedButton4, 0, "H"},
    };
    for (const Step& step : steps) {
        Table().SetHeaderText(1, "?");
        step.command->trigger();
        EXPECT_EQ(Model().CurrentBorehole, step.current);
        EXPECT_EQ(Table().HeaderText(1), step.header1); // refilled also without a move
    }
}

TEST_F(CommandsTest, SortRefillsTheTableForTheSameIndex) {
    AddBorehole({1}, 300);
    AddBorehole({2}, 100);
    AddBorehole({3}, 200);
    Model().CurrentBorehole = 0;
    Form->RefillLayerTable();
    Form->SpeedButton11->trigger();
    EXPECT_EQ(Positions(Model()), (std::vector<double>{100, 200, 300}));
    EXPECT_EQ(Model().CurrentBorehole, 0);
    EXPECT_EQ(Form->Edit1->text(), "100.0");
    EXPECT_EQ(Column(1), QStringList{"2.0"});
    EXPECT_EQ(Form->Doc.Chart1.BottomAxis.Minimum(), 100);
    EXPECT_EQ(Form->Doc.Chart1.BottomAxis.Maximum(), 300);
}

TEST_F(CommandsTest, CommandsOnAnEmptySectionChangeNothing) {
    for (QAction* command :
         {Form->SpeedButton7, Form->SpeedButton2, Form->SpeedButton3, Form->SpeedButton4,
          Form->SpeedButton5, Form->SpeedButton11, Form->SpeedButton6, Form->Refreshimage1}) {
        command->trigger();
        EXPECT_TRUE(Model().Empty());
    }
    // Stepping past the end of an empty list must not leave the next entry out of reach.
    AddBorehole({1}, 5);
    EXPECT_EQ(Model().CurrentBorehole, 0);
    EXPECT_EQ(Form->Edit1->text(), "5.0");
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

class PositionBoxTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }

    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

TEST_F(PositionBoxTest, TypedPositionsRepaintAtEveryKeystroke) {
    AddBorehole({10}, 0);
    AddBorehole({20}, 50);
    struct Case {
        QLineEdit* box;
        QString typed;
        double position, surface;
    };
    const Case cases[] = {
        {Form->Edit1, "70", 70, 0}, {Form->Edit1, "7,5", 7.5, 0},
        {Form->Edit1, "x", 50, 0}, // refused, yet repainted
        {Form->Edit2, "3", 50, 3},  {Form->Edit2, "-", 50, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        Model().Current().HorizontalPosition = 50;
        Model().Current().PositionFromSurface = 0;
        Form->Doc.Chart1.BottomAxis.SetMinMax(-1000, -999);
        Type(c.box, c.typed);
        EXPECT_EQ(Model().Current().HorizontalPosition, c.position);
        EXPECT_EQ(Model().Current().PositionFromSurface, c.surface);
        EXPECT_EQ(Form->Doc.Chart1.BottomAxis.Maximum(), c.position);
    }
}

TEST_F(PositionBoxTest, RefillWhileTheBoxHasFocusIsNotReadBack) {
    AddBorehole({10}, 12.25);
    AddBorehole({20}, 50);
    Form->Edit1->setFocus();
    ASSERT_TRUE(Form->Edit1->hasFocus());
    Form->SpeedButton4->trigger();
    EXPECT_EQ(Form->Edit1->text(), "12.3");
    EXPECT_EQ(Positions(Model()), (std::vector<double>{12.25, 50}));
}

TEST_F(PositionBoxTest, TextSetWithoutFocusIsIgnored) {
    AddBorehole({10}, 5);
    Form->Edit1->clearFocus();
    Form->Edit1->setText("99");
    Form->Edit1Change("99");
    EXPECT_EQ(Model().Current().HorizontalPosition, 5);
}

} // namespace
} // namespace kalvero
