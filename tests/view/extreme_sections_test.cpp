// Sections at the edges of what a project file can describe: the repaint and the chart's paint must
// finish, keep their pictures within bounds and still show something sensible.
#include "view/renderer.h"
#include "view/section_document.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <functional>

using namespace kalvero;

namespace {

void AddBorehole(Section& s, double position, const arofdoubleM& bottoms, double fromSurface = 0) {
    s.AppendEntry(EntryKind::Borehole);
    carotagedata& e = s.Current();
    e.HorizontalPosition = position;
    e.PositionFromSurface = fromSurface;
    e.Z = bottoms;
    e.C.assign(bottoms.size(), 0x00FF00);
    e.P.assign(bottoms.size(), 0);
    ThicknessFromBottoms(e);
}

void AddCurve(Section& s, double position, arofcomplexM points) {
    s.AppendEntry(EntryKind::Carotage);
    carotagedata& e = s.Current();
    e.HorizontalPosition = position;
    e.Points = std::move(points);
}

struct Extreme {
    const char* Name;
    std::function<void(Section&)> Build;
};

const Extreme Cases[] = {
    {"a million-point curve",
     [](Section& s) {
         arofcomplexM points(1'000'000);
         for (size_t i = 0; i < points.size(); ++i)
             points[i] = {i * 0.001, std::sin(i * 0.01) * 50 + (i % 97 == 0 ? 1e6 : 0)};
         AddCurve(s, 100, std::move(points));
         AddBorehole(s, 0, {100, 500, 1000});
     }},
    {"ten thousand entries",
     [](Section& s) {
         for (int i = 0; i < 10'000; ++i) {
             if (i % 2)
                 AddCurve(s, i * 10.0, {{0, 1}, {50, 2}, {100, 3}});
             else
                 AddBorehole(s, i * 10.0, {10, 20, 100});
         }
     }},
    {"zero-thickness layers",
     [](Section& s) {
         AddBorehole(s, 5, {0, 0, 0, 10, 10, 10});
     }},
    {"depths of 1e300",
     [](Section& s) {
         AddBorehole(s, 0, {1e300});
         AddBorehole(s, 10, {1, 1e300, 1.5e300}, -1e300);
         AddCurve(s, 20, {{-1e300, 1e300}, {1e300, -1e300}});
     }},
    {"negative positions",
     [](Section& s) {
         AddBorehole(s, -1e6, {10, 20});
         AddCurve(s, -5e5, {{0, 1}, {10, 2}});
         AddBorehole(s, -1, {5});
     }},
    {"all values missing",
     [](Section& s) {
         AddBorehole(s, MissingValue, {MissingValue, MissingValue}, MissingValue);
         AddCurve(s, MissingValue, {{MissingValue, MissingValue}, {MissingValue, 3}});
         s.Current().Percent = MissingValue;
     }},
    {"positions and depths spanning the doubles",
     [](Section& s) {
         AddBorehole(s, -1.7e308, {1e-300, 1.7e308});
         AddBorehole(s, 1.7e308, {5});
         AddCurve(s, 0, {{4.9e-324, 1.7e308}, {-1.7e308, 4.9e-324}});
     }},
};

// The pixels all column pictures hold together.
long long PictureArea(const Section& s) {
    long long total = 0;
    for (const carotagedata& e : s.Boreholes)
        if (const TChartImageTool* tool = SectionDocument::ImageToolOf(e))
            total += static_cast<long long>(tool->Picture.width()) * tool->Picture.height();
    return total;
}

TEST(ExtremeSections, RepaintAndPaintFinishWithBoundedPictures) {
    for (const Extreme& extreme : Cases) {
        SCOPED_TRACE(extreme.Name);
        SectionDocument doc;
        doc.Chart1.SetSize(QSize(800, 600));
        extreme.Build(doc.Model);
        for (size_t i = 0; i < doc.Model.Boreholes.size(); ++i)
            doc.CreateChartObjects(static_cast<int>(i));

        const RepaintOutcome outcome = doc.Repaint(false);
        EXPECT_FALSE(outcome.Error) << *outcome.Error;
        for (const TChartAxis* axis : {&doc.Chart1.BottomAxis, &doc.Chart1.LeftAxis}) {
            EXPECT_TRUE(std::isfinite(axis->Minimum()) && std::isfinite(axis->Maximum()));
            EXPECT_LE(axis->Minimum(), axis->Maximum());
        }
        EXPECT_LE(PictureArea(doc.Model), PictureBudget);

        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        doc.Chart1.Paint(painter);
        painter.end();
        EXPECT_NE(image, [] {
            QImage white(800, 600, QImage::Format_RGB32);
            white.fill(Qt::white);
            return white;
        }()) << "at least the axes are drawn";
    }
}

TEST(ExtremeSections, ZoomedIntoManyTallColumnsThePicturesShareTheBudget) {
    SectionDocument doc;
    doc.Chart1.SetSize(QSize(800, 600));
    for (int i = 0; i < 300; ++i)
        AddBorehole(doc.Model, i % 3, {1e300 / 2, 1e300});
    for (size_t i = 0; i < doc.Model.Boreholes.size(); ++i)
        doc.CreateChartObjects(static_cast<int>(i));
    ASSERT_FALSE(doc.Repaint(false).Error);
    // Zoomed far into the columns, each box is thousands of pixels wide and tall.
    doc.Chart1.BottomAxis.SetMinMax(0.9, 1.1);
    doc.Chart1.LeftAxis.SetMinMax(0, 1e296);
    ASSERT_FALSE(doc.Repaint(true).Error);
    const long long area = PictureArea(doc.Model);
    EXPECT_LE(area, PictureBudget);
    EXPECT_GT(area, PictureBudget / 2) << "the budget is used, not wasted";
}

} // namespace
