// Sections at the edges of what a project file can describe: the repaint and the chart's paint must
// finish, keep their pictures within bounds and still show something sensible.
#include "view/renderer.h"
#include "view/section_document.h"

#include "extreme_sections.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <functional>

using namespace kalvero;

namespace {

// The pixels all column pictures hold together.
long long PictureArea(const Section& s) {
    long long total = 0;
    for (const carotagedata& e : s.Boreholes)
        if (const TChartImageTool* tool = SectionDocument::ImageToolOf(e))
            total += static_cast<long long>(tool->Picture.width()) * tool->Picture.height();
    return total;
}

TEST(ExtremeSections, RepaintAndPaintFinishWithBoundedPictures) {
    for (const Extreme& extreme : ExtremeCases) {
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
