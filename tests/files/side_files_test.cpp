#include "files/carotage_import.h"
#include "files/palette_file.h"
#include "files/section_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace kalvero;

namespace {

TEST(SectionFile, PictureAndCorners) {
    TempFolder folder;
    const std::string picture = folder.Write("profile.bmp", "BM");
    struct Case {
        std::string Text;
        std::string Picture;
        std::optional<PictureCorners> Corners;
    };
    const Case cases[] = {
        {"profile.bmp\r\n0 0 1000 200\r\n", picture, PictureCorners{0, 0, 1000, 200}},
        {picture + "\n1000 200 0 0", picture, PictureCorners{1000, 200, 0, 0}},
        {"C:\\scans\\old\\profile.bmp\r\n0 0 1000,5 200", picture,
         PictureCorners{0, 0, 1000.5, 200}},
        {"/no/such/folder/profile.bmp\r\n0 0 1000 200", picture, PictureCorners{0, 0, 1000, 200}},
        {"profile.bmp\r\n0 0 1000", picture, std::nullopt},
        {"profile.bmp\r\n0 0 1000 200 5", picture, std::nullopt},
        {"profile.bmp", picture, std::nullopt},
        {"missing.bmp\r\n0 0 1000 200", "", std::nullopt},
        {"", "", std::nullopt},
        {"\xEF\xBB\xBFprofile.bmp\r\n0 0 1 1", picture, PictureCorners{0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        const std::string file = folder.Write("s.sec", c.Text);
        SectionFileContent content;
        ASSERT_FALSE(ReadSectionFile(file, content)) << c.Text;
        EXPECT_EQ(content.PicturePath, c.Picture) << c.Text;
        ASSERT_EQ(content.Corners.has_value(), c.Corners.has_value()) << c.Text;
        if (c.Corners) {
            EXPECT_EQ(content.Corners->X1, c.Corners->X1);
            EXPECT_EQ(content.Corners->Y1, c.Corners->Y1);
            EXPECT_EQ(content.Corners->X2, c.Corners->X2);
            EXPECT_EQ(content.Corners->Y2, c.Corners->Y2);
        }
    }
    SectionFileContent content;
    const FileStatus missing = ReadSectionFile(folder / "none.sec", content);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->Path, folder / "none.sec");
    EXPECT_TRUE(ReadSectionFile(folder.Path.string(), content));
}

TEST(PaletteFile, SaveAndLoad) {
    TempFolder folder;
    FillPalette palette = StartPalette();
    palette[3] = {9, 255};
    palette[10] = {-1, 0};
    EXPECT_EQ(PaletteFileName(folder / "pal.crt"), folder / "pal.txt");
    EXPECT_EQ(PaletteFileName(folder / "pal"), folder / "pal.txt");
    EXPECT_EQ(PaletteFileName("/a.b/pal"), "/a.b/pal.txt");
    ASSERT_FALSE(WritePaletteFile(folder / "pal.txt", palette));
    const std::string text = ReadBytes(folder / "pal.txt");
    EXPECT_EQ(text.substr(0, 24), "0 16777215\r\n0 16777215\r\n");
    EXPECT_NE(text.find("\r\n9 255\r\n"), std::string::npos);
    FillPalette back = StartPalette();
    ASSERT_FALSE(ReadPaletteFile(folder / "pal.txt", back));
    EXPECT_EQ(back, palette);
}

TEST(PaletteFile, ReadingRulesAndRefusals) {
    TempFolder folder;
    std::string lines = "7 255 99\r\n2,6 255\r\n2.5\t\t65280\r\n";
    for (int i = 3; i < 11; ++i)
        lines += "1 0\r\n";
    FillPalette palette = StartPalette();
    ASSERT_FALSE(ReadPaletteFile(folder.Write("p.txt", lines + "junk after eleven\r\n"), palette));
    EXPECT_EQ(palette[0], (Fill{7, 255}));
    EXPECT_EQ(palette[1], (Fill{3, 255}));
    EXPECT_EQ(palette[2], (Fill{2, 65280}));

    for (const std::string& bad : {std::string("1 2\r\n"), std::string("x y\r\n") + lines,
                                   lines.substr(0, lines.size() - 6)}) {
        FillPalette kept = StartPalette();
        const FileStatus error = ReadPaletteFile(folder.Write("bad.txt", bad), kept);
        ASSERT_TRUE(error);
        EXPECT_NE(error->Text().find(folder / "bad.txt"), std::string::npos);
        EXPECT_EQ(kept, StartPalette());
    }
}

TEST(CarotageImport, FilesFromTheWild) {
    TempFolder folder;
    struct Case {
        std::string Text;
        arofcomplexM Points;
    };
    const Case cases[] = {
        {"DEPTH VALUE\r\n100.0 12.5\r\n100,5 13\r\n", {{100, 12.5}, {100.5, 13}}},
        {"\xEF\xBB\xBF"
         "1 2\r\r3\t4 5\r\nm ohm\r\n",
         {{1, 2}, {3, 4}}},
        {"150 abc 7\n150;7\n5\n6\n", {{150, 7}}},
        {"3 1\n2 1\n2 1\n", {{3, 1}, {2, 1}, {2, 1}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        arofcomplexM points = {{9, 9}};
        ASSERT_FALSE(ImportCarotage(folder.Write("c.txt", c.Text), points));
        EXPECT_EQ(points, c.Points) << c.Text;
    }
    arofcomplexM kept = {{9, 9}};
    EXPECT_TRUE(ImportCarotage(folder / "none.txt", kept));
    EXPECT_EQ(kept, (arofcomplexM{{9, 9}}));

    std::string big;
    for (int i = 0; i < 1000000; ++i)
        big += std::to_string(i) + " 1\n";
    arofcomplexM many;
    ASSERT_FALSE(ImportCarotage(folder.Write("big.txt", big), many));
    EXPECT_EQ(many.size(), 1000000u);
    EXPECT_EQ(many.back().first, 999999);
}

} // namespace
