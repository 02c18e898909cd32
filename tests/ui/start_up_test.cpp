#include "window_fixture.h"

#include "ui/file_association.h"
#include "ui/window_paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kalvero {
namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Points XDG_DATA_HOME elsewhere for one test.
class DataHome {
public:
    explicit DataHome(const QString& path) : saved_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", path.toUtf8());
    }
    ~DataHome() { qputenv("XDG_DATA_HOME", saved_); }

private:
    QByteArray saved_;
};

TEST(WindowPaths, ProjectFromArguments) {
    struct Case {
        QStringList arguments;
        QString project;
    };
    const Case cases[] = {
        {{}, ""},
        {{"/data/p.crt"}, "/data/p.crt"},
        {{"/data/P.CRT"}, "/data/P.CRT"},
        {{"/data/my", "old", "p.Crt"}, "/data/my old p.Crt"},
        {{"/data/p.sec"}, ""},
        {{"/data/p.crt.txt"}, ""},
        {{"/data.crt/p"}, ""},
        {{"crt"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectFromArguments(c.arguments), c.project)
            << c.arguments.join('|').toStdString();
}

TEST(WindowPaths, WithProjectExtension) {
    struct Case {
        QString chosen, saved;
    };
    const Case cases[] = {
        {"/d/demo.txt", "/d/demo.crt"},        {"/d/demo", "/d/demo.crt"},
        {"/d/demo.CRT", "/d/demo.crt"},        {"/d.v2/demo", "/d.v2/demo.crt"},
        {"/d/demo.tar.gz", "/d/demo.tar.crt"}, {"/d/demo.", "/d/demo.crt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithProjectExtension(c.chosen), c.saved) << c.chosen.toStdString();
}

TEST(FileAssociation, ExecArgumentQuotesWhatTheFormatReserves) {
    struct Case {
        QString path, argument;
    };
    const Case cases[] = {
        {"/usr/bin/kalvero", "/usr/bin/kalvero"},
        {"/opt/my apps/kalvero", "\"/opt/my apps/kalvero\""},
        {"/opt/a$b/kalvero", "\"/opt/a\\\\$b/kalvero\""},
        {"/opt/a\"b/kalvero", "\"/opt/a\\\\\"b/kalvero\""},
        {"/opt/100%/kalvero", "/opt/100%%/kalvero"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExecArgument(c.path), c.argument) << c.path.toStdString();
}

TEST(FileAssociation, WritesTheMimeTypeAndDesktopEntry) {
    QTemporaryDir home;
    const DataHome dataHome(home.path());
    const QString mimeFile = home.filePath("mime/packages/kalvero-crt.xml");
    const QString desktopFile = home.filePath("applications/kalvero.desktop");
    // What an older start left behind is replaced.
    ASSERT_TRUE(QDir().mkpath(home.filePath("applications")));
    QFile stale(desktopFile);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("[Desktop Entry]\nExec=/old/kalvero %f\n");
    stale.close();

    RegisterFileType("crt", "Quarn borehole data", "/opt/my apps/kalvero");

    const QString mime = ReadText(mimeFile);
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-kalvero-crt\">"))
        << mime.toStdString();
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.crt\" weight=\"60\"/>"));
    EXPECT_TRUE(mime.contains("<comment>Quarn borehole data</comment>"));
    const QString desktop = ReadText(desktopFile);
    EXPECT_TRUE(desktop.contains("\nExec=\"/opt/my apps/kalvero\" %f\n")) << desktop.toStdString();
    EXPECT_TRUE(desktop.contains("\nMimeType=application/x-kalvero-crt;\n"));
    EXPECT_TRUE(desktop.contains("\nIcon=kalvero\n"));
    EXPECT_TRUE(
        ReadText(home.filePath("icons/hicolor/scalable/apps/kalvero.svg")).startsWith("<svg"));
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        const QString globs = ReadText(home.filePath("mime/globs2"));
        EXPECT_TRUE(globs.contains("60:application/x-kalvero-crt:*.crt")) << globs.toStdString();
    }
}

TEST(FileAssociation, UnwritableDataHomeIsPassedOver) {
    QTemporaryDir home;
    // A file where the folder should be: nothing can be created below it.
    const QString blocked = home.filePath("blocked");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const DataHome dataHome(blocked);
    RegisterFileType("crt", "Quarn borehole data", "/usr/bin/kalvero");
    EXPECT_FALSE(QFile::exists(blocked + "/applications/kalvero.desktop"));
}

TEST(FileAssociation, RelativeDataHomeFallsBackToTheHomeFolder) {
    const DataHome dataHome("relative/share");
    EXPECT_EQ(XdgDataHome(), QDir::homePath() + "/.local/share");
}

using StartUpTest = WindowTest;

TEST_F(StartUpTest, WindowRegistersItselfAndStartsEmpty) {
    const QString desktop = ReadText(XdgDataHome() + "/applications/kalvero.desktop");
    EXPECT_TRUE(
        desktop.contains("Exec=" + ExecArgument(QCoreApplication::applicationFilePath()) + " %f"))
        << desktop.toStdString();
    EXPECT_EQ(Form->windowTitle(), "Kalvero");
    EXPECT_EQ(Form->size(), QSize(963, 447));
    EXPECT_EQ(Form->SpeedButton12->text(), "BH");
    EXPECT_EQ(Form->Doc.Palette, StartPalette());
    EXPECT_TRUE(Model().Empty());
}

} // namespace
} // namespace kalvero
