#include "view/section_document.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>

using namespace kalvero;

namespace {

struct Doc : SectionDocument {
    Doc() {
        Chart1.SetSize(QSize(500, 400));
        Model.Boreholes.reserve(16); // tests keep references to the entries they add
    }
    carotagedata& Add(EntryKind kind, double position, double fromSurface, double bottom) {
        AppendEntry(kind);
        carotagedata& e = Model.Current();
        e.HorizontalPosition = position;
        e.PositionFromSurface = fromSurface;
        e.Z = {bottom};
        e.H = {bottom};
        return e;
    }
    void Picture(double x1, double y1, double x2, double y2) {
        BackgroundSeries = std::make_unique<TPointSeries>();
        BackgroundSeries->AddXY(x1, y1);
        BackgroundSeries->AddXY(x2, y2);
    }
    std::array<double, 4> Axes() const {
        return {Chart1.BottomAxis.Minimum(), Chart1.BottomAxis.Maximum(), Chart1.LeftAxis.Minimum(),
                Chart1.LeftAxis.Maximum()};
    }
};

using Axes = std::array<double, 4>;

TEST(Repaint, FitsTheSection) {
    Doc doc;
    doc.Add(EntryKind::Borehole, 10, 0, 20);
    doc.Add(EntryKind::Borehole, 30, 5, 40);
    const RepaintOutcome outcome = doc.Repaint(false);
    EXPECT_EQ(doc.Axes(), (Axes{10, 30, 0, 45}));
    EXPECT_EQ(outcome.ViewTop, 0);
    EXPECT_EQ(outcome.ViewBottom, 45);

    Doc one;
    one.AppendEntry(EntryKind::Borehole);
    const RepaintOutcome small = one.Repaint(false);
    EXPECT_EQ(one.Axes(), (Axes{-1, 1, 0, 1e-10}));
    EXPECT_EQ(small.ViewTop, -1.0);
    EXPECT_DOUBLE_EQ(small.ViewBottom, 1.0000000001);

    Doc curve;
    carotagedata& e = curve.Add(EntryKind::Carotage, 0, 5, 0);
    e.Points = {{0, 1}, {100, 2}};
    curve.Repaint(false);
    EXPECT_EQ(curve.Chart1.LeftAxis.Maximum(), 105);

    Doc empty;
    EXPECT_FALSE(empty.Repaint(false).Ran);
}

TEST(Repaint, RepaintButtonKeepsAZoomUnlessThereIsOneEntry) {
    Doc doc;
    doc.Add(EntryKind::Borehole, 10, 0, 20);
    doc.Add(EntryKind::Borehole, 30, 5, 40);
    doc.Repaint(false);
    doc.Chart1.BottomAxis.SetMinMax(12, 14);
    doc.Chart1.LeftAxis.SetMinMax(3, 8);
    const RepaintOutcome kept = doc.Repaint(true);
    EXPECT_EQ(doc.Axes(), (Axes{12, 14, 3, 8}));
    EXPECT_EQ(kept.ViewBottom, 8);
    EXPECT_DOUBLE_EQ(doc.Model.Boreholes[0].ColumnLeft, 10 - 5 * 0.03);
    doc.Repaint(false);
    EXPECT_EQ(doc.Axes(), (Axes{10, 30, 0, 45}));

    Doc one;
    one.Add(EntryKind::Borehole, 10, 0, 20);
    one.Repaint(false);
    one.Chart1.LeftAxis.SetMinMax(3, 8);
    one.Repaint(true);
    EXPECT_EQ(one.Axes(), (Axes{9, 11, 0, 20}));
}

TEST(Repaint, SectionPictureCountsForTheExtents) {
    Doc doc;
    doc.Add(EntryKind::Borehole, 40, 0, 20);
    doc.Picture(0, 0, 100, 50);
    doc.Repaint(false);
    EXPECT_EQ(doc.Axes(), (Axes{0, 100, 0, 50}));

    Doc swapped;
    swapped.Add(EntryKind::Borehole, 40, 0, 20);
    swapped.Picture(0, 50, 100, 0);
    swapped.Repaint(false);
    EXPECT_EQ(swapped.Axes(), (Axes{0, 100, 0, 20}));

    Doc pictureOnly;
    pictureOnly.Picture(0, 0, 10, 10);
    EXPECT_TRUE(pictureOnly.Repaint(false).Ran);
}

TEST(Repaint, NothingToDrawSwapsTheDepthAxis) {
    Doc doc;
    carotagedata& e = doc.Add(EntryKind::Carotage, 5, 2, 0);
    e.Z.clear();
    e.H.clear();
    doc.Repaint(false);
    EXPECT_EQ(doc.Chart1.LeftAxis.Minimum(), -MissingValue);
    EXPECT_EQ(doc.Chart1.LeftAxis.Maximum(), 2);
}

TEST(Repaint, CurveMeansFollowChangedValues) {
    Doc doc;
    carotagedata& e = doc.Add(EntryKind::Carotage, 0, 0, 0);
    e.NormType = 2;
    e.Points = {{0, 1}, {1, 2}, {2, 3}};
    doc.Repaint(false);
    EXPECT_DOUBLE_EQ(e.CurveMean, 2);
    doc.Repaint(false);
    EXPECT_DOUBLE_EQ(e.CurveMean, 2);
    e.Points[2].second = 6;
    doc.Repaint(false);
    EXPECT_DOUBLE_EQ(e.CurveMean, 3);
    e.Logarithmic = true;
    doc.Repaint(false);
    EXPECT_DOUBLE_EQ(e.CurveMean, (std::log(1.0) + std::log(2.0) + std::log(6.0)) / 3);
}

TEST(SectionDocument, ChartObjectsByKind) {
    SectionDocument doc;
    doc.AppendEntry(EntryKind::Borehole);
    doc.AppendEntry(EntryKind::Carotage);
    doc.Model.Current().CurveColor = 255;
    doc.CreateChartObjects(1);
    const carotagedata& bh = doc.Model.Boreholes[0];
    const carotagedata& crt = doc.Model.Boreholes[1];
    EXPECT_FALSE(SectionDocument::SeriesOf(bh)->Active);
    EXPECT_EQ(SectionDocument::ImageToolOf(bh)->Series, SectionDocument::SeriesOf(bh));
    EXPECT_TRUE(SectionDocument::ImageToolOf(bh)->Transparent);
    EXPECT_TRUE(SectionDocument::SeriesOf(crt)->Active);
    EXPECT_EQ(SectionDocument::SeriesOf(crt)->SeriesColor, QColor(255, 0, 0));
    EXPECT_EQ(SectionDocument::ImageToolOf(crt), nullptr);

    doc.Repaint(false);
    EXPECT_EQ(doc.Chart1.Tools().size(), 1u);
    doc.Model.CurrentBorehole = 0;
    doc.Model.RemoveCurrentEntry(); // releases the series and the tool, which leave the chart
    EXPECT_TRUE(doc.Chart1.Tools().empty());
    EXPECT_EQ(doc.Chart1.Series().size(), 2u); // Series1 and the curve
}

TEST(SectionDocument, GoldenRender) {
    SectionDocument doc;
    ASSERT_FALSE(doc.ReadProjectFile(std::string(KALVERO_TEST_DATA) + "/example/demo.crt"));
    doc.Chart1.SetSize(QSize(320, 200));
    ASSERT_FALSE(doc.Repaint(false).Error);
    QImage image(320, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    doc.Chart1.Paint(painter);
    painter.end();
    const QString golden = QString(KALVERO_TEST_DATA) + "/golden/demo_320x200.png";
    if (qEnvironmentVariableIsSet("KALVERO_UPDATE_GOLDEN"))
        image.save(golden);
    const QImage expected(golden);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    EXPECT_EQ(image, expected.convertToFormat(QImage::Format_RGB32));
}

} // namespace
