#include "window_fixture.h"

namespace kalvero {
namespace {

using LayerTableTest = WindowTest;

TEST_F(LayerTableTest, StartsWithBoreholeHeadersOverOneEmptyRow) {
    EXPECT_EQ(Table().HeaderText(0), "N");
    EXPECT_EQ(Table().HeaderText(1), "H");
    EXPECT_EQ(Table().HeaderText(2), "Z");
    EXPECT_EQ(Table().HeaderText(3), "C");
    EXPECT_EQ(Table().GridRowCount(), 2);
    EXPECT_EQ(Column(1), QStringList{""});
}

TEST_F(LayerTableTest, NewEntryShowsItsKind) {
    struct Case {
        bool carotage;
        QString caption, header1, header2;
        QStringList numbers, thicknesses, bottoms;
    };
    const Case cases[] = {
        {false, "BH", "H", "Z", {"1"}, {"0.0"}, {"0.0"}},
        {true, "Crt", "Z", "X", {""}, {""}, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        if (Form->SpeedButton12->isChecked() != c.carotage)
            Form->SpeedButton12->trigger();
        EXPECT_EQ(Form->SpeedButton12->text(), c.caption);
        Form->SpeedButton1->trigger();
        EXPECT_EQ(Model().Current().IsCarotage(), c.carotage);
        EXPECT_EQ(Table().HeaderText(1), c.header1);
        EXPECT_EQ(Table().HeaderText(2), c.header2);
        EXPECT_EQ(Table().GridRowCount(), 2);
        EXPECT_EQ(Column(0), c.numbers);
        EXPECT_EQ(Column(1), c.thicknesses);
        EXPECT_EQ(Column(2), c.bottoms);
    }
}

TEST_F(LayerTableTest, EditsThicknessAndBottomDepth) {
    struct Case {
        int col, row;
        QString typed;
        bool accepted;
        std::vector<double> thicknesses; // after the edit
    };
    // Each case starts from H = [2, 3, 5], Z = [2, 5, 10].
    const Case cases[] = {
        {1, 1, "12.25", true, {12.25, 3, 5}}, {1, 1, "1,5", true, {1.5, 3, 5}},
        {1, 1, "10000", true, {10000, 3, 5}}, {1, 1, "10000.01", false, {2, 3, 5}},
        {1, 2, "-3", true, {2, -3, 5}},       {1, 1, "abc", false, {2, 3, 5}},
        {1, 1, "", false, {2, 3, 5}},         {2, 1, "-3", false, {2, 3, 5}},
        {2, 1, "5", false, {2, 3, 5}},        {2, 1, "4.5", true, {4.5, 0.5, 5}},
        {2, 3, "12", true, {2, 3, 7}},        {2, 2, "2", false, {2, 3, 5}},
    };
    AddBorehole({2, 3, 5});
    Form->SpeedButton6->trigger();
    const double viewBottom = Form->Doc.Chart1.LeftAxis.Maximum();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        Model().Current().H = {2, 3, 5};
        BottomsFromThickness(Model().Current());
        Form->RefillLayerTable();
        const QString former = Table().CellText(c.col, c.row);
        ASSERT_TRUE(TypeIntoCell(c.col, c.row, c.typed));
        EXPECT_EQ(Model().Current().H, c.thicknesses);
        carotagedata expected;
        expected.H = c.thicknesses;
        BottomsFromThickness(expected);
        EXPECT_EQ(Model().Current().Z, expected.Z);
        EXPECT_EQ(Table().CellText(c.col, c.row), c.accepted ? c.typed : former);
        // An edit shows at the next repaint, not at once.
        EXPECT_EQ(Form->Doc.Chart1.LeftAxis.Maximum(), viewBottom);
    }
}

TEST_F(LayerTableTest, AcceptedEditRewritesTheOtherCells) {
    AddBorehole({2, 3, 5});
    ASSERT_TRUE(TypeIntoCell(1, 1, "12.25"));
    EXPECT_EQ(Column(1), (QStringList{"12.25", "3.0", "5.0"}));
    EXPECT_EQ(Column(2), (QStringList{"12.3", "15.3", "20.3"}));
    Form->RefillLayerTable();
    EXPECT_EQ(Column(1), (QStringList{"12.3", "3.0", "5.0"}));
}

TEST_F(LayerTableTest, EditorOpensOnlyOnLayerValues) {
    AddBorehole({2, 3});
    Form->SpeedButton12->trigger();
    Form->SpeedButton1->trigger();
    carotagedata& curve = Model().Current();
    curve.Points = {{0, 10}, {1, 12.5}};
    Form->RefillLayerTable();
    ASSERT_EQ(Column(2), (QStringList{"10.0", "12.5"}));
    struct Case {
        int entry, col;
        bool opens;
    };
    const Case cases[] = {{0, 0, false}, {0, 1, true},  {0, 2, true},  {0, 3, false},
                          {1, 0, false}, {1, 1, false}, {1, 2, false}, {1, 3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "entry " << c.entry << " column " << c.col);
        Model().CurrentBorehole = c.entry;
        Form->RefillLayerTable();
        const QString former = Table().CellText(c.col, 1);
        EXPECT_EQ(TypeIntoCell(c.col, 1, "7"), c.opens);
        if (!c.opens) {
            EXPECT_EQ(Table().CellText(c.col, 1), former);
        }
    }
    EXPECT_EQ(Model().Boreholes[1].Points, (arofcomplexM{{0, 10}, {1, 12.5}}));
}

TEST_F(LayerTableTest, RowWithoutLayerTakesNothing) {
    AddBorehole({});
    ASSERT_EQ(Table().GridRowCount(), 2);
    for (int col : {1, 2}) {
        EXPECT_TRUE(TypeIntoCell(col, 1, "5"));
        EXPECT_EQ(Table().CellText(col, 1), "");
    }
    EXPECT_TRUE(Model().Current().H.empty());
    EXPECT_TRUE(Model().Current().Z.empty());
}

TEST_F(LayerTableTest, TextTypedIntoAnEmptySectionStaysInTheCell) {
    ASSERT_TRUE(TypeIntoCell(1, 1, "4"));
    EXPECT_EQ(Table().CellText(1, 1), "4");
    EXPECT_TRUE(Model().Empty());
}

} // namespace
} // namespace kalvero
