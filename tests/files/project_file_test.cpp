#include "files/project_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace kalvero;

namespace {

const std::string Example = std::string(KALVERO_TEST_DATA) + "/example/";

// A project folder holding one project file and the given data files.
struct Project {
    TempFolder Folder;
    std::string File;
    Project(const std::string& projectText,
            const std::vector<std::pair<std::string, std::string>>& data = {
                {"a.txt", "0 1 2 3\r\n5 1 255 4\r\n"}}) {
        File = Folder.Write("p.crt", projectText);
        for (const auto& [name, bytes] : data)
            Folder.Write(name, bytes);
    }
    Section Read() const {
        Section s;
        EXPECT_FALSE(ReadProject(s, File));
        return s;
    }
};

TEST(ReadProject, ExampleProject) {
    Section s;
    s.CurrentBorehole = 5;
    ASSERT_FALSE(ReadProject(s, Example + "demo.crt"));
    ASSERT_EQ(s.Boreholes.size(), 2u);
    EXPECT_EQ(s.CurrentBorehole, 0);
    const carotagedata& bh = s.Boreholes[0];
    EXPECT_EQ(bh.Name, "100.0");
    EXPECT_EQ(bh.DataFile, Example + "100_0.txt");
    EXPECT_EQ(bh.Kind, 2);
    EXPECT_EQ(bh.Z, (arofdoubleM{5, 12.5}));
    EXPECT_EQ(bh.H, (arofdoubleM{5, 7.5}));
    EXPECT_EQ(bh.C, (arofintM{255, 65280}));
    EXPECT_EQ(bh.P, (arofintM{0, 2}));
    EXPECT_EQ(bh.Percent, 3);
    EXPECT_EQ(bh.PositionFromSurface, 0);
    const carotagedata& crt = s.Boreholes[1];
    EXPECT_EQ(crt.Name, "250.0");
    EXPECT_EQ(crt.Kind, 0);
    EXPECT_EQ(crt.NormType, 1);
    EXPECT_EQ(crt.DataIndex, 1);
    EXPECT_EQ(crt.CurveColor, 255);
    EXPECT_EQ(crt.PositionFromSurface, 2.5);
    EXPECT_EQ(crt.Points, (arofcomplexM{{0, 10}, {1, 12.5}, {2, 11}}));
    // Every second point of a carotage file also lands as a layer.
    EXPECT_EQ(crt.Z, (arofdoubleM{1}));
}

TEST(WriteProject, ExampleRoundTripsByteForByte) {
    Section s;
    ASSERT_FALSE(ReadProject(s, Example + "demo.crt"));
    TempFolder out;
    ASSERT_FALSE(WriteProject(s, out / "demo.crt"));
    for (const char* name : {"demo.crt", "100_0.txt", "250_0.txt"})
        EXPECT_EQ(ReadBytes(out / name), ReadBytes(Example + name)) << name;
    EXPECT_EQ(s.Boreholes[0].Name, "100.0"); // writing changes nothing in memory
    EXPECT_EQ(s.Boreholes[0].DataFile, Example + "100_0.txt");

    Section again;
    ASSERT_FALSE(ReadProject(again, out / "demo.crt"));
    TempFolder out2;
    ASSERT_FALSE(WriteProject(again, out2 / "demo.crt"));
    for (const char* name : {"demo.crt", "100_0.txt", "250_0.txt"})
        EXPECT_EQ(ReadBytes(out2 / name), ReadBytes(out / name)) << name;
}

TEST(ReadProject, NumbersLines) {
    struct Case {
        const char* Line;
        double Position, Percent, FromSurface;
        int32_t Kind, Color;
        bool Logarithmic;
    };
    const int32_t big = 2147483647;
    const Case cases[] = {
        {"100 3 2 0 0 0 0", 100, 3, 0, 2, 0, false},
        {"100 3 2 0 0 0 0 4,5", 100, 3, 4.5, 2, 0, false},
        {"100 3 2 0 0 0 0 7 4,5", 100, 3, 4.5, 2, 0, false},
        {"100 3 2 0 0 0 0 7 4,5 9 9", 100, 3, 4.5, 2, 0, false},
        {"100 5.5 2.5 0 0 0 0", 100, 5.5, 0, 2, 0, false},
        {"100 3 3.5 0 0 0 1", 100, 3, 0, 4, 0, true},
        {"100 3 1e12 0 0 1e20 0", 100, 3, 0, big, big, false},
        {"100 3 2 0 0 0 256", 100, 3, 0, 2, 0, false}, // the flag keeps its low 8 bits
        {"100 3 2 0 0 0 257", 100, 3, 0, 2, 0, true},
        {"100 x 3 2 0 0 0 0", 100, 3, 0, 2, 0, false}, // unreadable items are dropped
        // Short lines: the numbers present, in order; the rest as for a new borehole.
        {"7 4 0", 7, 4, 0, 0, 0, false},
        {"", 0, 3, 0, 2, 0, false},
    };
    for (const auto& c : cases) {
        Project p(std::string("a.txt\r\nlabel\r\n") + c.Line + "\r\n");
        Section s = p.Read();
        ASSERT_EQ(s.Boreholes.size(), 1u) << c.Line;
        const carotagedata& e = s.Boreholes[0];
        EXPECT_EQ(e.HorizontalPosition, c.Position) << c.Line;
        EXPECT_EQ(e.Percent, c.Percent) << c.Line;
        EXPECT_EQ(e.PositionFromSurface, c.FromSurface) << c.Line;
        EXPECT_EQ(e.Kind, c.Kind) << c.Line;
        EXPECT_EQ(e.CurveColor, c.Color) << c.Line;
        EXPECT_EQ(e.Logarithmic, c.Logarithmic) << c.Line;
        EXPECT_EQ(e.Name, "label");
    }
}

TEST(ReadProject, ProjectEndingEarly) {
    for (const char* text : {"a.txt", "a.txt\r\n", "a.txt\r\nlabel only"}) {
        Section s = Project(text).Read();
        ASSERT_EQ(s.Boreholes.size(), 1u) << text;
        EXPECT_EQ(s.Boreholes[0].Kind, 2);
        EXPECT_EQ(s.Boreholes[0].Z, (arofdoubleM{5}));
    }
}

TEST(ReadProject, DataLinePairing) {
    // A line of 3 or 5 numbers adds nothing but keeps its place in the pairing.
    const std::string data = "0 1 1 1\r\n"
                             "5 1 10 1\r\n"
                             "1 2 3\r\n"      // first of a pair: nothing
                             "6 1 20 2\r\n"   // second: a layer
                             "6 1 30 3 9\r\n" // first: nothing
                             "7 1 40 4\r\n";  // second: a layer
    Section s = Project("a.txt\r\nx\r\n0 3 2 0 0 0 0\r\n", {{"a.txt", data}}).Read();
    const carotagedata& e = s.Boreholes.at(0);
    EXPECT_EQ(e.Z, (arofdoubleM{5, 6, 7}));
    EXPECT_EQ(e.C, (arofintM{10, 20, 40}));
    EXPECT_EQ(e.H, (arofdoubleM{5, 1, 1}));
    EXPECT_EQ(e.Points.size(), 4u);
}

TEST(ReadProject, MissingDataFilesAndPathResolution) {
    TempFolder absolute;
    const std::string absolutePath = absolute.Write("abs.txt", "0 1 1 1\r\n9 1 1 1\r\n");
    const std::string project = "missing.txt\r\n1.0\r\n1 3 2 0 0 0 0\r\n"
                                "b.txt\r\n2.0\r\n2 3 2 0 0 0 0\r\n" +
                                absolutePath + "\r\n3.0\r\n3 3 2 0 0 0 0\r\n";
    Project p(project, {{"b.txt", "0 1 1 1\r\n4 1 1 1\r\n"}});
    Section s = p.Read();
    ASSERT_EQ(s.Boreholes.size(), 2u);
    EXPECT_EQ(s.Boreholes[0].Name, "2.0");
    EXPECT_EQ(s.Boreholes[0].DataFile, p.Folder / "b.txt");
    EXPECT_EQ(s.Boreholes[1].DataFile, absolutePath);
    EXPECT_EQ(s.Boreholes[1].Z, arofdoubleM{9});

    // A bare name is looked for in the working folder before the project's folder.
    TempFolder work;
    work.Write("b.txt", "0 1 1 1\r\n77 1 1 1\r\n");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(work.Path);
    Section fromWork = p.Read();
    std::filesystem::current_path(before);
    EXPECT_EQ(fromWork.Boreholes.at(0).Z, arofdoubleM{77});
    EXPECT_EQ(fromWork.Boreholes.at(0).DataFile, "b.txt");
}

TEST(ReadProject, EmptyProjectAndFailures) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    s.AppendEntry(EntryKind::Borehole);
    s.CurrentBorehole = 1;
    ASSERT_FALSE(ReadProject(s, Project("").File));
    EXPECT_TRUE(s.Boreholes.empty());
    EXPECT_EQ(s.CurrentBorehole, 0);

    // A project that cannot be opened leaves the section as it was and names the file.
    Section kept;
    kept.AppendEntry(EntryKind::Borehole);
    TempFolder folder;
    for (const std::string& path : {folder / "nothing.crt", folder.Path.string()}) {
        const FileStatus error = ReadProject(kept, path);
        ASSERT_TRUE(error) << path;
        EXPECT_EQ(error->Path, path);
        EXPECT_NE(error->Text().find(path), std::string::npos);
        EXPECT_FALSE(error->Reason.empty());
        EXPECT_EQ(kept.Boreholes.size(), 1u);
    }
    EXPECT_EQ(ReadProject(kept, folder / "nothing.crt")->Reason, "No such file or directory");
}

TEST(WriteProject, NamesAndLayouts) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    s.Current().HorizontalPosition = 0.05;
    s.AppendEntry(EntryKind::Borehole);
    s.Current().H.clear();
    s.Current().Z.clear();
    s.Current().C.clear();
    s.Current().P.clear();
    s.Current().HorizontalPosition = -25;
    TempFolder out;
    ASSERT_FALSE(WriteProject(s, out / "p.crt"));
    EXPECT_EQ(ReadBytes(out / "p.crt"),
              "0_05.txt\r\n0.05\r\n0.05000 3.00 2 0 0 0 0  0.00000000000000E+0000\r\n"
              "-25_0.txt\r\n-25.0\r\n-25.0000 3.00 2 0 0 0 0  0.00000000000000E+0000\r\n");
    EXPECT_EQ(ReadBytes(out / "0_05.txt"), "0 1 0 0\r\n 0.00000000000000E+0000 1 0 0\r\n");
    EXPECT_EQ(ReadBytes(out / "-25_0.txt"), "");
    Section back;
    ASSERT_FALSE(ReadProject(back, out / "p.crt"));
    ASSERT_EQ(back.Boreholes.size(), 2u);
    EXPECT_TRUE(back.Boreholes[1].Z.empty());

    // Far positions get short names in the exponent form.
    EXPECT_EQ(BaseNameForPosition(1e61).find('E'), std::string::npos) << "still plain";
    EXPECT_EQ(BaseNameForPosition(1e300), "1_00000000000000E+0300");
    EXPECT_EQ(BaseNameForPosition(-1.7e308), "-1_70000000000000E+0308");
}

TEST(WriteProject, MissingMarkerKeepsItsPlaceInTheNumbersLine) {
    // A position or percent read as 123456789 is the missing marker, which NumberToText shows as
    // "*": written so, it would be dropped on reading and every later number would move up.
    Section s;
    s.AppendEntry(EntryKind::Carotage);
    carotagedata& e = s.Current();
    e.HorizontalPosition = MissingValue;
    e.Percent = MissingValue;
    e.NormType = 1;
    e.DataIndex = 2;
    e.CurveColor = 255;
    e.Logarithmic = true;
    e.PositionFromSurface = 4.5;
    TempFolder out;
    ASSERT_FALSE(WriteProject(s, out / "p.crt"));
    Section back;
    ASSERT_FALSE(ReadProject(back, out / "p.crt"));
    ASSERT_EQ(back.Boreholes.size(), 1u);
    const carotagedata& b = back.Boreholes[0];
    EXPECT_EQ(b.HorizontalPosition, MissingValue);
    EXPECT_EQ(b.Percent, MissingValue);
    EXPECT_EQ(b.Kind, 0);
    EXPECT_EQ(b.NormType, 1);
    EXPECT_EQ(b.DataIndex, 2);
    EXPECT_EQ(b.CurveColor, 255);
    EXPECT_TRUE(b.Logarithmic);
    EXPECT_EQ(b.PositionFromSurface, 4.5);
}

TEST(WriteProject, ClashingNamesStayDistinct) {
    Section s;
    for (double position : {100.0, 250.0, 100.0, 100.04, 100.0}) {
        s.AppendEntry(EntryKind::Borehole);
        s.Current().HorizontalPosition = position;
        s.Current().H = {position};
        BottomsFromThickness(s.Current());
    }
    EXPECT_EQ(DataFileNames(s), (std::vector<std::string>{"100_0.txt", "250_0.txt", "100_0_2.txt",
                                                          "100_0_3.txt", "100_0_4.txt"}));
    TempFolder out;
    ASSERT_FALSE(WriteProject(s, out / "p.crt"));
    Section back;
    ASSERT_FALSE(ReadProject(back, out / "p.crt"));
    ASSERT_EQ(back.Boreholes.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(back.Boreholes[i].Z, s.Boreholes[i].Z) << i;
}

TEST(WriteProject, FailedSaveLeavesFormerFilesWhole) {
    TempFolder out;
    out.Write("p.crt", "old project");
    out.Write("100_0.txt", "old data");
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    s.Current().HorizontalPosition = 100;
    s.AppendEntry(EntryKind::Borehole);
    s.Current().HorizontalPosition = 200;
    std::filesystem::create_directories(out / "200_0.txt"); // in the way of the second data file
    const FileStatus error = WriteProject(s, out / "p.crt");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Action, "write");
    EXPECT_EQ(error->Path, out / "200_0.txt");
    EXPECT_EQ(ReadBytes(out / "p.crt"), "old project");
    EXPECT_EQ(ReadBytes(out / "100_0.txt"), "old data");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path), {}), 3);

    const FileStatus noFolder = WriteProject(s, out / "no/such/folder/p.crt");
    ASSERT_TRUE(noFolder);
    EXPECT_NE(noFolder->Text().find("no/such/folder"), std::string::npos);
}

TEST(ReadProject, SurvivesAnyBytes) {
    std::mt19937 random(11);
    const std::string nasty[] = {
        std::string("a.txt\0zz\r\n1\r\n", 13),
        "\xEF\xBB\xBF"
        "a.txt\r\n1\r\n1 3 2 0 0 0 0\r\n",
        "a.txt\r1.0\r1 3 2 0 0 0 0\r",
        "a.txt\nnan inf 1e400\n1e400 nan 2 0 0 0 0\n",
        std::string(3 << 20, '7') + "\r\na.txt\r\n" + std::string(3 << 20, ' ') +
            "\r\n1 3 2 0 0 0 0",
    };
    // Either entries are read, or the file is refused as naming no data file: never another
    // failure, and a refused file leaves the section as it was.
    const auto readsOrIsRefused = [](const std::string& file, Section& s) {
        if (const FileStatus error = ReadProject(s, file)) {
            EXPECT_EQ(error->Reason, "no line of it names an existing data file");
            EXPECT_TRUE(s.Boreholes.empty());
        }
    };
    for (const std::string& text : nasty) {
        Project p(text, {{"a.txt", text}});
        Section s;
        readsOrIsRefused(p.File, s);
        for (const auto& e : s.Boreholes)
            EXPECT_EQ(e.H.size(), e.Z.size());
    }
    for (int round = 0; round < 30; ++round) {
        std::string bytes(1 + random() % 4000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 4 ? "0123456789 .,\r\n\t-+eE"[random() % 20]
                                               : static_cast<char>(random()));
        Project p("a.txt\r\n" + bytes, {{"a.txt", bytes}});
        Section s;
        readsOrIsRefused(p.File, s);
    }
    // CR-only line ends are line ends.
    Section cr = Project("a.txt\rq\r1 3 2 0 0 0 0\r", {{"a.txt", "0 1 1 1\r6 1 1 1\r"}}).Read();
    ASSERT_EQ(cr.Boreholes.size(), 1u);
    EXPECT_EQ(cr.Boreholes[0].Name, "q");
    EXPECT_EQ(cr.Boreholes[0].Z, arofdoubleM{6});
}

} // namespace
