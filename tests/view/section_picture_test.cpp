#include "view/section_document.h"

#include "../files/temp_folder.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace kalvero;

namespace {

const std::string Example = std::string(KALVERO_TEST_DATA) + "/example/";

// A picture whose top half is red and bottom half blue, and a section file naming it.
struct SectionFiles {
    TempFolder Folder;
    SectionFiles() {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 2; ++y)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        picture.save(QString::fromStdString(Folder / "profile.png"));
    }
    std::string Section(const std::string& corners, const std::string& picture = "profile.png") {
        return Folder.Write("s.sec", picture + "\r\n" + corners + "\r\n");
    }
};

QImage Paint(SectionDocument& doc) {
    QImage image(doc.Chart1.Size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.Chart1.Paint(painter);
    return image;
}

TEST(OpenSection, PictureLiesUprightWhateverCornerComesFirst) {
    for (const char* corners : {"0 0 1000 200", "1000 200 0 0", "0 200 1000 0", "0 0 1000,0 200"}) {
        SectionFiles files;
        SectionDocument doc;
        doc.Chart1.SetSize(QSize(300, 200));
        const auto outcome = doc.OpenSection(files.Section(corners));
        ASSERT_FALSE(outcome.Error) << corners;
        EXPECT_TRUE(outcome.Repainted.Ran);
        ASSERT_TRUE(doc.BackgroundSeries);
        EXPECT_LT(doc.BackgroundSeries->XValue(0), doc.BackgroundSeries->XValue(1));
        const QImage image = Paint(doc);
        const TChartAxis& x = doc.Chart1.BottomAxis;
        const TChartAxis& y = doc.Chart1.LeftAxis;
        const int column = x.CalcPosValue(500);
        if (doc.Chart1.LeftAxis.Maximum() >= 150) {
            EXPECT_EQ(image.pixel(column, y.CalcPosValue(20)), qRgb(255, 0, 0)) << corners;
            EXPECT_EQ(image.pixel(column, y.CalcPosValue(180)), qRgb(0, 0, 255)) << corners;
        }
        EXPECT_EQ(doc.Chart1.BottomAxis.Minimum(), 0);
        EXPECT_EQ(doc.Chart1.BottomAxis.Maximum(), 1000);
    }
}

TEST(OpenSection, ReplacesAndKeeps) {
    SectionFiles files;
    SectionDocument doc;
    doc.Chart1.SetSize(QSize(300, 200));
    ASSERT_FALSE(doc.OpenSection(files.Section("0 0 1000 200")).Error);
    ASSERT_FALSE(doc.OpenSection(files.Section("0 0 50 20")).Error);
    EXPECT_EQ(doc.Chart1.Tools().size(), 1u);
    EXPECT_EQ(doc.Chart1.Series().size(), 2u); // Series1 and the one section picture series
    EXPECT_EQ(doc.BackgroundSeries->XValue(1), 50);

    // Three numbers, or a missing picture: the picture stays, the section is still repainted.
    for (const auto& section : {files.Section("0 0 1000"), files.Section("0 0 9 9", "gone.png")}) {
        const auto outcome = doc.OpenSection(section);
        EXPECT_FALSE(outcome.Error);
        EXPECT_TRUE(outcome.Repainted.Ran);
        EXPECT_EQ(doc.BackgroundSeries->XValue(1), 50);
    }
    // Errors change nothing and name the file.
    files.Folder.Write("notes.xyz", "x");
    const auto unknown = doc.OpenSection(files.Section("0 0 9 9", "notes.xyz"));
    ASSERT_TRUE(unknown.Error);
    EXPECT_EQ(unknown.Error->Reason, "Unknown picture file extension (.xyz)");
    EXPECT_FALSE(unknown.Repainted.Ran);
    files.Folder.Write("broken.png", "not a png");
    const auto broken = doc.OpenSection(files.Section("0 0 9 9", "broken.png"));
    ASSERT_TRUE(broken.Error);
    EXPECT_NE(broken.Error->Text().find("broken.png"), std::string::npos);
    const auto missing = doc.OpenSection(files.Folder / "none.sec");
    ASSERT_TRUE(missing.Error);
    EXPECT_EQ(doc.BackgroundSeries->XValue(1), 50);
    EXPECT_EQ(doc.Chart1.Tools().size(), 1u);
}

TEST(OpenSection, ColumnsStayOverTheSectionPicture) {
    SectionFiles files;
    SectionDocument doc;
    doc.Chart1.SetSize(QSize(300, 200));
    ASSERT_FALSE(doc.ReadProjectFile(Example + "demo.crt"));
    doc.Repaint(false);
    ASSERT_FALSE(doc.OpenSection(files.Section("0 0 1000 200")).Error);
    ASSERT_EQ(doc.Chart1.Tools().size(), 2u);
    EXPECT_EQ(doc.Chart1.Tools()[0], doc.BackgroundTool.get());
}

TEST(ExportBitmaps, NamesAndFormat) {
    SectionDocument doc;
    doc.Chart1.SetSize(QSize(400, 300));
    ASSERT_FALSE(doc.ReadProjectFile(Example + "demo.crt"));
    doc.AppendEntry(EntryKind::Borehole); // no data file: named after its position
    doc.Model.Current().HorizontalPosition = 100;
    doc.Model.Current().Z = {5};
    doc.AppendEntry(EntryKind::Borehole);
    doc.Model.Current().HorizontalPosition = 7.5;
    doc.Model.Current().Z = {5};
    doc.Repaint(false);
    EXPECT_EQ(doc.BitmapNames(),
              (std::vector<std::string>{"100_0.bmp", "", "100_0_2.bmp", "7_5.bmp"}));
    TempFolder out;
    ASSERT_FALSE(doc.ExportBitmaps(out.Path.string()));
    const std::string bmp = ReadBytes(out / "100_0.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24); // bits a pixel
    const QImage back(QString::fromStdString(out / "100_0.bmp"));
    EXPECT_EQ(back.size(), SectionDocument::ImageToolOf(doc.Model.Boreholes[0])->Picture.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
              SectionDocument::ImageToolOf(doc.Model.Boreholes[0])->Picture);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path), {}), 3);

    const FileStatus error = doc.ExportBitmaps(out / "no/such");
    ASSERT_TRUE(error);
    EXPECT_NE(error->Text().find("no/such/100_0.bmp"), std::string::npos);
}

} // namespace
