#include "cli/commands.h"
#include "cli/json_writer.h"

#include "../files/limited_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sys/wait.h>

using namespace kalvero;

namespace {

const std::string Example = std::string(KALVERO_TEST_DATA) + "/example/";

struct CliRun {
    int Status;
    std::string Out, Err;
};

CliRun RunCli(const std::string& arguments) {
    TempFolder folder;
    const std::string command = std::string(KALVERO_CLI) + " " + arguments + " >" +
                                (folder / "out") + " 2>" + (folder / "err");
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(folder / "out"),
            ReadBytes(folder / "err")};
}

TEST(Cli, HelpVersionAndUsageErrors) {
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("kalvero-cli dump PROJECT.crt"), std::string::npos);
    const CliRun version = RunCli("--version");
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out.rfind("kalvero-cli ", 0), 0u);

    for (const char* bad : {"", "frobnicate x.crt", "dump", "dump a.crt b.crt", "save a.crt",
                            "dump a.crt --colour red", "dump a.crt --view"}) {
        const CliRun run = RunCli(bad);
        EXPECT_EQ(run.Status, 2) << bad;
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos) << bad;
        EXPECT_TRUE(run.Out.empty()) << bad;
    }
}

TEST(Cli, FileErrorsNameThePath) {
    TempFolder folder;
    const CliRun missing = RunCli("dump " + (folder / "absent.crt"));
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find(folder / "absent.crt"), std::string::npos);
    EXPECT_NE(missing.Err.find("No such file or directory"), std::string::npos);

    const CliRun unwritable = RunCli("save " + Example + "demo.crt " + (folder / "no/dir/out.crt"));
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_NE(unwritable.Err.find("no/dir"), std::string::npos);
}

TEST(Cli, DumpPrintsTheProject) {
    const CliRun run = RunCli("dump " + Example + "demo.crt");
    ASSERT_EQ(run.Status, 0) << run.Err;
    for (const char* part :
         {"{\"current\":0,\"entries\":[{\"name\":\"100.0\",\"dataFile\":\"",
          "100_0.txt\",\"kind\":2,\"logarithmic\":false,\"horizontalPosition\":100,"
          "\"positionFromSurface\":0,\"percent\":3,\"normType\":0,\"dataIndex\":0,"
          "\"curveColor\":0,\"H\":[5,7.5],\"Z\":[5,12.5],\"C\":[255,65280],\"P\":[0,2],",
          "\"positionFromSurface\":2.5", "\"points\":[[0,10],[1,12.5],[2,11]]}]}\n"})
        EXPECT_NE(run.Out.find(part), std::string::npos) << part;
}

TEST(Cli, SaveWritesTheSameFiles) {
    TempFolder folder;
    const CliRun run = RunCli("save " + Example + "demo.crt " + (folder / "copy.crt"));
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadBytes(folder / "copy.crt"), ReadBytes(Example + "demo.crt"));
    EXPECT_EQ(ReadBytes(folder / "100_0.txt"), ReadBytes(Example + "100_0.txt"));
    EXPECT_EQ(ReadBytes(folder / "250_0.txt"), ReadBytes(Example + "250_0.txt"));
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(Cli, RenderWritesEachFormat) {
    TempFolder folder;
    const CliRun png =
        RunCli("render " + Example + "demo.crt " + (folder / "s.png") + " --size 300x200");
    ASSERT_EQ(png.Status, 0) << png.Err;
    const std::string bytes = ReadBytes(folder / "s.png");
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
    EXPECT_EQ(BigEndian(bytes, 16), 300u);
    EXPECT_EQ(BigEndian(bytes, 20), 200u);

    ASSERT_EQ(RunCli("render " + Example + "demo.crt " + (folder / "s.svg")).Status, 0);
    EXPECT_NE(ReadBytes(folder / "s.svg").find("<svg"), std::string::npos);
    ASSERT_EQ(RunCli("render " + Example + "demo.crt " + (folder / "S.PDF")).Status, 0);
    EXPECT_EQ(ReadBytes(folder / "S.PDF").substr(0, 5), "%PDF-");

    EXPECT_EQ(RunCli("render " + Example + "demo.crt " + (folder / "s.gif")).Status, 2);
    EXPECT_EQ(RunCli("render " + Example + "demo.crt " + (folder / "s.png --size 0x5")).Status, 2);
    const CliRun unwritable = RunCli("render " + Example + "demo.crt " + (folder / "no/s.png"));
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_NE(unwritable.Err.find(folder / "no/s.png"), std::string::npos);
}

TEST(Cli, DumpWithView) {
    const CliRun run = RunCli("dump " + Example + "demo.crt --view 800x600");
    ASSERT_EQ(run.Status, 0) << run.Err;
    for (const char* part :
         {"\"view\":{\"bottomAxis\":[100,250],\"leftAxis\":[0,12.5],\"viewTop\":0,"
          "\"viewBottom\":12.5,\"error\":null,\"entries\":[{\"columnLeft\":99.625,"
          "\"columnRight\":100.375,\"curveMean\":0,\"curveMin\":0,\"curveMax\":0,"
          "\"series\":[[99.625,0,\"\",false],[100.375,12.5,\"\",false]],\"picture\":[",
          "{\"columnLeft\":249.625,\"columnRight\":250.375,",
          "\"series\":[[249.25,0,\"\",true],[250,1,\"\",true],", "\"picture\":null}]}}\n"})
        EXPECT_NE(run.Out.find(part), std::string::npos) << part << "\n" << run.Out;
}

TEST(Cli, SectionFileAndBitmaps) {
    TempFolder folder;
    const std::string picture = std::string(KALVERO_TEST_DATA) + "/golden/demo_320x200.png";
    const std::string section = folder.Write("s.sec", picture + "\r\n0 0 1000 200\r\n");
    const CliRun dump = RunCli("dump " + Example + "demo.crt --view 640x480 --section " + section);
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    EXPECT_NE(dump.Out.find("\"bottomAxis\":[0,1000],\"leftAxis\":[0,200]"), std::string::npos);
    const CliRun bad = RunCli("dump " + Example + "demo.crt --section " + (folder / "none.sec"));
    EXPECT_EQ(bad.Status, 1);
    EXPECT_NE(bad.Err.find(folder / "none.sec"), std::string::npos);

    const CliRun exported =
        RunCli("export-bitmaps " + Example + "demo.crt " + folder.Path.string());
    ASSERT_EQ(exported.Status, 0) << exported.Err;
    EXPECT_EQ(ReadBytes(folder / "100_0.bmp").substr(0, 2), "BM");
    EXPECT_TRUE(ReadBytes(folder / "250_0.bmp").empty()); // a curve has no column picture
    EXPECT_EQ(RunCli("export-bitmaps " + Example + "demo.crt " + (folder / "missing")).Status, 1);
    EXPECT_EQ(RunCli("export-bitmaps " + Example + "demo.crt").Status, 2);
}

// Every command that writes, into a folder that refuses the writes: status 1, one line naming the
// file, and the files saved there before read back unchanged.
TEST(Cli, FailedWritesKeepFormerFilesAndSayWhichFile) {
    using Limit = LimitedFolder::Limit;
    const std::string demo = Example + "demo.crt ";
    for (const Limit limit : {Limit::ReadOnly, Limit::Full}) {
        for (const std::string& command :
             {"save " + demo + "@/demo.crt", "export-bitmaps " + demo + "@",
              "render " + demo + "@/demo.png --size 320x200"}) {
            SCOPED_TRACE(command + (limit == Limit::Full ? " (full)" : " (read-only)"));
            LimitedFolder folder(limit);
            if (!folder.Ready()) {
                std::cout << "[ skipped  ] " << folder.WhyNot() << "\n";
                continue;
            }
            const std::string arguments = command.substr(0, command.find('@')) + folder / "" +
                                          command.substr(command.find('@') + 1);
            ASSERT_EQ(RunCli(arguments).Status, 0) << "the first write";
            const auto before = folder.Contents();
            folder.Apply();

            const CliRun failed = RunCli(arguments);
            EXPECT_EQ(failed.Status, 1);
            EXPECT_EQ(std::count(failed.Err.begin(), failed.Err.end(), '\n'), 1) << failed.Err;
            EXPECT_NE(failed.Err.find("Cannot write \"" + folder / ""), std::string::npos)
                << failed.Err;
            EXPECT_EQ(folder.Contents(), before);
        }
    }
}

TEST(JsonWriter, NumbersAndTexts) {
    std::string out;
    JsonWriter json(out);
    json.BeginArray()
        .Number(0.1)
        .Number(1e300)
        .Number(-0.0)
        .Number(std::numeric_limits<double>::infinity())
        .Number(std::nan(""))
        .Integer(-2147483648LL)
        .String("a\"b\\c\n\x01")
        .String("\xC3\xA9") // valid UTF-8 stays
        .String("\xE9")     // a Latin-1 byte becomes its character
        .String("\xED\xA0\x80")
        .EndArray();
    EXPECT_EQ(out, "[0.1,1e+300,-0,null,null,-2147483648,\"a\\\"b\\\\c\\u000a\\u0001\","
                   "\"\xC3\xA9\",\"\xC3\xA9\",\"\xC3\xAD\xC2\xA0\xC2\x80\"]");
}

TEST(CliArguments, Sizes) {
    struct Case {
        const char* Text;
        bool Valid;
    };
    for (const Case& c : {Case{"1920x1080", true}, Case{"1x1", true}, Case{"0x10", false},
                          Case{"10x", false}, Case{"x10", false}, Case{"10X10", false},
                          Case{"-5x10", false}, Case{"10x10x", false}, Case{"99999x10", false}})
        EXPECT_EQ(ParsePixelSize(c.Text).has_value(), c.Valid) << c.Text;
}

} // namespace
