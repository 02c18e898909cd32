#include "view/renderer.h"
#include "view/section_document.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvero;

namespace {

// A document on a chart whose axes show x 0..100 and depth 0..100 unless a test sets them.
struct Fixture {
    SectionDocument Doc;
    Fixture() {
        Doc.Model.Boreholes.reserve(16); // tests keep references to the entries they add
        Doc.Chart1.SetSize(QSize(400, 300));
        Doc.Chart1.BottomAxis.SetMinMax(0, 100);
        Doc.Chart1.LeftAxis.SetMinMax(0, 100);
        Doc.Chart1.UpdateLayout();
    }
    carotagedata& Curve(double position, const arofcomplexM& points, int32_t normType = 2,
                        int32_t group = 0) {
        Doc.AppendEntry(EntryKind::Carotage);
        carotagedata& e = Doc.Model.Current();
        e.HorizontalPosition = position;
        e.Points = points;
        e.NormType = normType;
        e.DataIndex = group;
        return e;
    }
    carotagedata& Borehole(double position, const arofdoubleM& bottoms, double fromSurface = 0) {
        Doc.AppendEntry(EntryKind::Borehole);
        carotagedata& e = Doc.Model.Current();
        e.HorizontalPosition = position;
        e.PositionFromSurface = fromSurface;
        e.Z = bottoms;
        e.C.assign(bottoms.size(), 255);
        e.P.assign(bottoms.size(), 0);
        ThicknessFromBottoms(e);
        return e;
    }
    DrawOutcome Draw(double top = 0, double bottom = 100) {
        return DrawSection(Doc.Model, Doc.Chart1, top, bottom);
    }
    static std::vector<QPointF> Points(const carotagedata& e) {
        std::vector<QPointF> points;
        const TLineSeries* s = SectionDocument::SeriesOf(e);
        for (int i = 0; i < s->Count(); ++i)
            points.emplace_back(s->XValue(i), s->YValue(i));
        return points;
    }
};

void ExpectXs(const carotagedata& e, std::vector<double> xs) {
    const auto points = Fixture::Points(e);
    ASSERT_EQ(points.size(), xs.size());
    for (size_t i = 0; i < xs.size(); ++i)
        EXPECT_NEAR(points[i].x(), xs[i], 1e-9) << "point " << i;
}

TEST(DrawSection, StripEdgesFollowTheDepthRange) {
    for (auto [top, bottom] : {std::pair{0.0, 100.0}, std::pair{100.0, 0.0}}) {
        Fixture f;
        f.Curve(50, {{1, 1}, {2, 2}});
        f.Borehole(50, {10});
        f.Draw(top, bottom);
        for (const carotagedata& e : f.Doc.Model.Boreholes) {
            EXPECT_DOUBLE_EQ(e.ColumnLeft, 47);
            EXPECT_DOUBLE_EQ(e.ColumnRight, 53);
        }
    }
}

TEST(DrawSection, CurvePointsPerNormTypeAndLogarithm) {
    Fixture f;
    carotagedata& plain = f.Curve(50, {{1, 10}, {2, 20}, {3, 30}});
    f.Draw();
    ExpectXs(plain, {44, 47, 50});
    EXPECT_EQ(Fixture::Points(plain)[1].y(), 2);
    EXPECT_DOUBLE_EQ(plain.CurveMean, 20);

    Fixture g;
    carotagedata& log = g.Curve(50, {{1, 1}, {2, std::exp(1.0)}, {3, std::exp(2.0)}});
    log.Logarithmic = true;
    g.Draw();
    ExpectXs(log, {44, 47, 50});

    Fixture h;
    carotagedata& uncentred = h.Curve(50, {{1, 10}, {2, 20}, {3, 30}}, 0);
    h.Draw();
    EXPECT_EQ(uncentred.CurveMean, 0);
    EXPECT_EQ(uncentred.CurveMin, 10);
    EXPECT_EQ(uncentred.CurveMax, 30);
    ExpectXs(uncentred, {44, 47, 50});
}

TEST(DrawSection, GroupsShareTheirRange) {
    Fixture f;
    carotagedata& narrow = f.Curve(30, {{0, 0}, {1, 10}}, 0, 4);
    carotagedata& wide = f.Curve(70, {{0, 0}, {1, 20}}, 0, 4);
    f.Borehole(60, {5}).DataIndex = 4; // a borehole never joins a curve group
    carotagedata& alone = f.Curve(80, {{0, 0}, {1, 5}}, 0, 9);
    f.Doc.Model.Boreholes[2].CurveMin = -1000; // stale statistics of a borehole are ignored
    f.Draw();
    ExpectXs(narrow, {24, 27}); // its largest value lands in the middle of its band
    ExpectXs(wide, {64, 70});
    ExpectXs(alone, {74, 80});

    // An empty member leaves the range alone; a member off the view does not join.
    Fixture g;
    carotagedata& a = g.Curve(30, {{0, 0}, {1, 10}}, 1, 2);
    carotagedata& empty = g.Curve(50, {}, 1, 2);
    g.Curve(500, {{0, -100}, {1, 100}}, 1, 2);
    g.Draw();
    EXPECT_EQ(empty.CurveMin, 1e19);
    EXPECT_EQ(empty.CurveMax, -1e19);
    EXPECT_TRUE(Fixture::Points(empty).empty());
    ExpectXs(a, {24, 30});
}

TEST(DrawSection, GroupResultDoesNotDependOnListOrder) {
    std::vector<double> first, second;
    for (bool reversed : {false, true}) {
        Fixture f;
        const arofcomplexM a = {{0, 0}, {1, 10}}, b = {{0, 0}, {1, 40}};
        f.Curve(reversed ? 70 : 30, reversed ? b : a, 0, 1);
        f.Curve(reversed ? 30 : 70, reversed ? a : b, 0, 1);
        f.Draw();
        for (const auto& e : f.Doc.Model.Boreholes)
            for (const QPointF& p : Fixture::Points(e))
                (reversed ? second : first).push_back(p.x());
    }
    std::sort(first.begin(), first.end());
    std::sort(second.begin(), second.end());
    EXPECT_EQ(first, second);
}

TEST(DrawSection, MarkOnTheCurrentCurveOnly) {
    Fixture f;
    f.Curve(20, {{0, 1}, {1, 2}}).Name = "K0";
    carotagedata& current = f.Curve(50, {{0, 1}, {1, 2}});
    current.Name = "K1";
    f.Draw();
    const TLineSeries* series = SectionDocument::SeriesOf(current);
    EXPECT_EQ(series->Label(0), "K1");
    EXPECT_EQ(series->Label(1), "");
    EXPECT_EQ(SectionDocument::SeriesOf(f.Doc.Model.Boreholes[0])->Label(0), "");
}

TEST(DrawSection, CurvesWithoutWidthAndBadLogarithmsStillDraw) {
    Fixture f;
    carotagedata& flat = f.Curve(50, {{0, 7}, {1, 7}, {2, 7}});
    carotagedata& single = f.Curve(20, {{0, 3}});
    carotagedata& log = f.Curve(80, {{0, 1}, {1, 0}, {2, -5}, {3, std::exp(2.0)}});
    log.Logarithmic = true;
    const DrawOutcome outcome = f.Draw();
    EXPECT_FALSE(outcome.Error);
    ExpectXs(flat, {47, 47, 47});
    ExpectXs(single, {17});
    EXPECT_EQ(outcome.LeftOutPoints, 2);
    const TLineSeries* series = SectionDocument::SeriesOf(log);
    ASSERT_EQ(series->Count(), 4);
    EXPECT_FALSE(series->IsNone(0));
    EXPECT_TRUE(series->IsNone(1));
    EXPECT_TRUE(series->IsNone(2));
    EXPECT_NEAR(series->XValue(0), 74, 1e-9);
    EXPECT_NEAR(series->XValue(3), 80, 1e-9);
    EXPECT_DOUBLE_EQ(log.CurveMax - log.CurveMin, 2.0); // the left-out values are no statistics
}

TEST(DrawSection, ColumnBoxAndPicture) {
    Fixture f;
    f.Doc.Chart1.LeftAxis.SetMinMax(0, 30);
    f.Doc.Chart1.UpdateLayout();
    carotagedata& other = f.Borehole(20, {3, 7}, 2);
    carotagedata& current = f.Borehole(60, {3, 7}, 2);
    current.P = {0, 0};
    current.C = {65280, 255};
    EXPECT_FALSE(f.Draw(0, 30).Error);
    const auto box = Fixture::Points(current);
    ASSERT_EQ(box.size(), 2u);
    EXPECT_EQ(box[0], QPointF(current.ColumnLeft, 2));
    EXPECT_EQ(box[1], QPointF(current.ColumnRight, 9));
    EXPECT_TRUE(SectionDocument::SeriesOf(current)->IsNone(0));

    const TChartAxis& axis = f.Doc.Chart1.LeftAxis;
    const QImage& picture = SectionDocument::ImageToolOf(current)->Picture;
    const int top = axis.CalcPosValue(2), middle = axis.CalcPosValue(5) - top;
    ASSERT_EQ(picture.height(), axis.CalcPosValue(9) - top);
    const int x = picture.width() / 2;
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), black = qRgb(0, 0, 0);
    EXPECT_EQ(picture.pixel(x, 0), red); // the current entry's outline
    EXPECT_EQ(picture.pixel(x, 1), green);
    EXPECT_EQ(picture.pixel(x, middle - 1), red); // the first layer's bottom edge
    EXPECT_EQ(picture.pixel(x, middle), red);     // the second layer's top edge
    EXPECT_EQ(picture.pixel(x, middle + 1), red); // its fill is red
    EXPECT_EQ(picture.pixel(0, middle + 3), red);
    EXPECT_EQ(picture.pixel(x, picture.height() - 1), red);
    const QImage& plain = SectionDocument::ImageToolOf(other)->Picture;
    EXPECT_EQ(plain.pixel(0, 2), black);
    EXPECT_EQ(plain.pixel(plain.width() / 2, 2), red);
}

TEST(DrawSection, ColumnsWithoutLayersOrTooBig) {
    Fixture f;
    carotagedata& none = f.Borehole(50, {});
    carotagedata& huge = f.Borehole(50, {5e6, 1e7});
    huge.C = {0x0000FF, 0x00FF00};
    const DrawOutcome outcome = f.Draw();
    EXPECT_FALSE(outcome.Error);
    EXPECT_TRUE(SectionDocument::ImageToolOf(none)->Picture.isNull());
    EXPECT_TRUE(Fixture::Points(none).empty());
    // The box is millions of rows tall: the picture keeps 10000 and the edge between the two
    // layers stays halfway down it, where the stretched picture shows it.
    const QImage& capped = SectionDocument::ImageToolOf(huge)->Picture;
    ASSERT_EQ(capped.height(), 10000);
    const int x = capped.width() / 2;
    EXPECT_EQ(capped.pixel(x, 4990), qRgb(255, 0, 0));
    EXPECT_EQ(capped.pixel(x, 5010), qRgb(0, 255, 0));
}

} // namespace
