#include "files/atomic_write.h"
#include "files/palette_file.h"
#include "files/project_file.h"

#include "limited_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace kalvero;

namespace {

Section SampleSection(int entries, int layers) {
    Section s;
    for (int i = 0; i < entries; ++i) {
        s.AppendEntry(EntryKind::Borehole);
        s.Current().HorizontalPosition = 100 * (i + 1);
        for (int k = 0; k < layers; ++k)
            s.InsertLayer(0);
    }
    return s;
}

// Each writer saves a first version into the folder, then tries to save a second one over it.
struct Writer {
    const char* Name;
    const char* File;
    std::function<FileStatus(const std::string&, bool second)> Save;
};

const Writer Writers[] = {
    {"project", "p.crt",
     [](const std::string& path, bool second) {
         return WriteProject(SampleSection(second ? 40 : 2, second ? 50 : 1), path);
     }},
    {"palette", "palette.txt",
     [](const std::string& path, bool second) {
         FillPalette palette = StartPalette();
         if (second)
             palette[3] = {7, 123456};
         return WritePaletteFile(path, palette);
     }},
};

TEST(FailedSave, FormerFilesStayWholeAndTheErrorNamesTheFile) {
    using Limit = LimitedFolder::Limit;
    for (const Limit limit : {Limit::ReadOnly, Limit::Full}) {
        for (const Writer& writer : Writers) {
            SCOPED_TRACE(std::string(writer.Name) +
                         (limit == Limit::Full ? " full" : " read-only"));
            LimitedFolder folder(limit);
            if (!folder.Ready()) {
                std::cout << "[ skipped  ] " << folder.WhyNot() << "\n";
                continue;
            }
            const std::string target = folder / writer.File;
            ASSERT_FALSE(writer.Save(target, false));
            const auto before = folder.Contents();
            folder.Apply();

            const FileStatus error = writer.Save(target, true);
            ASSERT_TRUE(error);
            EXPECT_EQ(error->Action, "write");
            EXPECT_EQ(error->Path.rfind(folder / "", 0), 0u) << error->Path;
            EXPECT_EQ(error->Reason,
                      limit == Limit::Full ? "No space left on device" : "Read-only file system")
                << error->Text();
            EXPECT_EQ(folder.Contents(), before); // no temporary file left, nothing changed
        }
    }
}

TEST(FailedSave, ReadOnlyFolderStillReadsBackTheFormerProject) {
    LimitedFolder folder(LimitedFolder::Limit::ReadOnly);
    if (!folder.Ready())
        GTEST_SKIP() << folder.WhyNot();
    const Section former = SampleSection(3, 2);
    ASSERT_FALSE(WriteProject(former, folder / "p.crt"));
    folder.Apply();
    ASSERT_TRUE(WriteProject(SampleSection(5, 5), folder / "p.crt"));
    Section back;
    ASSERT_FALSE(ReadProject(back, folder / "p.crt"));
    ASSERT_EQ(back.Boreholes.size(), 3u);
    for (const carotagedata& entry : back.Boreholes)
        EXPECT_EQ(entry.Z.size(), 3u); // a new borehole has one layer, two were inserted
}

TEST(AtomicFileSet, ARenameFailingPartWayPutsTheReplacedFilesBack) {
    TempFolder folder;
    folder.Write("a.txt", "old a");
    folder.Write("p.crt", "old project");
    AtomicFileSet files;
    ASSERT_FALSE(files.Stage(folder / "a.txt", "new a"));
    ASSERT_FALSE(files.Stage(folder / "new.txt", "new file"));
    ASSERT_FALSE(files.Stage(folder / "p.crt", "new project"));
    // Something takes the project's place between staging and the renames.
    std::filesystem::remove(folder / "p.crt");
    std::filesystem::create_directories(folder / "p.crt/inside");

    const FileStatus error = files.Commit();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Path, folder / "p.crt");
    EXPECT_EQ(ReadBytes(folder / "a.txt"), "old a");
    EXPECT_FALSE(std::filesystem::exists(folder / "new.txt"));
    std::filesystem::remove_all(folder / "p.crt");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 1)
        << "only a.txt: no temporary or former copies left";
}

TEST(AtomicFileSet, RefusesAFolderAsTargetAndKeepsTheFilesMode) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "taken.txt");
    const FileStatus error = WriteFileAtomically(folder / "taken.txt", "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Reason, "Is a directory");

    const std::string privateFile = folder.Write("private.txt", "old");
    ::chmod(privateFile.c_str(), 0600);
    ASSERT_FALSE(WriteFileAtomically(privateFile, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(privateFile.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadBytes(privateFile), "new");
}

} // namespace
