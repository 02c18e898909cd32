#include "window_fixture.h"

#include "ui/chart_widget.h"
#include "ui/color_button.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace kalvero {
namespace {

class ChartViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Dialogs->OpenAnswers = {FileChoice{DemoProject(), 1}};
        Form->SpeedButton8->trigger();
        ASSERT_EQ(Model().Boreholes.size(), 2u);
    }

    TChart& Chart() { return Form->Doc.Chart1; }
    ChartWidget* View() { return Form->Chart1View; }

    struct Range {
        double Left, Right, Top, Bottom;
        bool operator==(const Range&) const = default;
    };
    Range Axes() {
        return {Chart().BottomAxis.Minimum(), Chart().BottomAxis.Maximum(),
                Chart().LeftAxis.Minimum(), Chart().LeftAxis.Maximum()};
    }
};

TEST_F(ChartViewTest, ReadsOutThePointerPosition) {
    const QPoint corner(Chart().BottomAxis.IStartPos(), Chart().LeftAxis.IStartPos());
    QTest::mouseMove(View(), corner);
    EXPECT_EQ(Form->StatusPanel1->text(), "100.0 0.0");
}

TEST_F(ChartViewTest, DragZoomsDoubleClickFitsAgain) {
    const Range fitted = Axes();
    const QRect plot = Chart().PlotRect();
    const QPoint from = plot.topLeft() + QPoint(plot.width() / 4, plot.height() / 4);
    const QPoint to = plot.center();
    QTest::mousePress(View(), Qt::LeftButton, {}, from);
    QTest::mouseMove(View(), to);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, to);
    const Range zoomed = Axes();
    EXPECT_GT(zoomed.Left, fitted.Left);
    EXPECT_LT(zoomed.Right, fitted.Right);
    EXPECT_GT(zoomed.Top, fitted.Top);
    EXPECT_LT(zoomed.Bottom, fitted.Bottom);

    EXPECT_TRUE(Form->StatusNote->text().contains("Double-click"));

    // With two entries the Repaint button keeps the zoomed view; a double click fits.
    Form->SpeedButton6->trigger();
    EXPECT_EQ(Axes(), zoomed);
    EXPECT_TRUE(Form->StatusNote->text().contains("Double-click"));
    QTest::mouseDClick(View(), Qt::LeftButton, {}, to);
    EXPECT_EQ(Axes(), fitted);
    EXPECT_TRUE(Form->StatusNote->text().isEmpty());
}

TEST_F(ChartViewTest, ZoomBoxIsTheSameWhicheverWayItIsDragged) {
    const QRect plot = Chart().PlotRect();
    const QPoint a = plot.topLeft() + QPoint(plot.width() / 4, plot.height() / 4);
    const QPoint b = plot.center();
    std::vector<Range> zoomed;
    for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        Form->Refreshimage1->trigger();
        QTest::mousePress(View(), Qt::LeftButton, {}, from);
        QTest::mouseMove(View(), to);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, to);
        zoomed.push_back(Axes());
    }
    EXPECT_EQ(zoomed[0], zoomed[1]);
}

TEST_F(ChartViewTest, SlippedClickDoesNotZoom) {
    const Range fitted = Axes();
    const QPoint at = Chart().PlotRect().center();
    QTest::mousePress(View(), Qt::LeftButton, {}, at);
    QTest::mouseMove(View(), at + QPoint(2, 1));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, at + QPoint(2, 1));
    EXPECT_EQ(Axes(), fitted);
}

TEST_F(ChartViewTest, RightDragPansWithTheMouse) {
    const Range fitted = Axes();
    const QPoint from = Chart().PlotRect().center();
    const QPoint to = from + QPoint(40, 30);
    QTest::mousePress(View(), Qt::RightButton, {}, from);
    QTest::mouseMove(View(), to);
    QTest::mouseRelease(View(), Qt::RightButton, {}, to);
    // Content follows the mouse to the right and down: the view shows smaller values.
    EXPECT_LT(Axes().Left, fitted.Left);
    EXPECT_LT(Axes().Top, fitted.Top);
    EXPECT_NEAR(Axes().Right - Axes().Left, fitted.Right - fitted.Left, 1e-9);
    EXPECT_TRUE(Form->StatusNote->text().contains("Double-click"));
    Form->Refreshimage1->trigger();
    EXPECT_EQ(Axes(), fitted);
    EXPECT_TRUE(Form->StatusNote->text().isEmpty());
}

TEST_F(ChartViewTest, BackgroundColourFromTheDialog) {
    Dialogs->ColorAnswers = {QColor(Qt::yellow), std::nullopt};
    Form->abcToolbarButton1->click();
    EXPECT_EQ(Chart().Color, QColor(Qt::yellow));
    EXPECT_EQ(Form->abcToolbarButton1->Color(), QColor(Qt::yellow));
    Form->abcToolbarButton1->click();
    EXPECT_EQ(Chart().Color, QColor(Qt::yellow));
    EXPECT_EQ(Form->abcToolbarButton1->Color(), QColor(Qt::yellow));
}

TEST_F(ChartViewTest, LeftOutLogarithmicValuesAreNoted) {
    EXPECT_TRUE(Form->StatusNote->text().isEmpty());
    Model().CurrentBorehole = 1;
    carotagedata& curve = Model().Current();
    curve.Logarithmic = true;
    curve.Points = {{0, 0}, {1, -2}, {2, 10}};
    Form->Refreshimage1->trigger();
    EXPECT_TRUE(Form->StatusNote->text().contains('2')) << Form->StatusNote->text().toStdString();
    curve.Logarithmic = false;
    Form->Refreshimage1->trigger();
    EXPECT_TRUE(Form->StatusNote->text().isEmpty());
}

TEST_F(ChartViewTest, OptionsButtonShowsTheOptionsMenu) {
    EXPECT_TRUE(Form->SpeedButton10->isEnabled());
    EXPECT_EQ(Form->SpeedButton10->menu(), Form->PopupMenu1);
    QStringList items;
    for (const QAction* action : Form->PopupMenu1->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{"Load default palette ", "Save default palette", "Set percent"}));
}

} // namespace
} // namespace kalvero
