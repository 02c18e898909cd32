#include "window_fixture.h"

#include "files/project_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

namespace kalvero {
namespace {

using OpenSaveTest = WindowTest;

FileChoice Chosen(const QString& path, int filterIndex = 1) {
    return FileChoice{path, filterIndex};
}

TEST_F(OpenSaveTest, OpensAProjectAndShowsItsFirstEntry) {
    Dialogs->OpenAnswers = {Chosen(DemoProject())};
    Form->SpeedButton8->trigger();
    EXPECT_EQ(Dialogs->OpenFilters, (QStringList{"Carotage file (*.crt)", "Section file (*.sec)"}));
    ASSERT_EQ(Model().Boreholes.size(), 2u);
    EXPECT_EQ(Model().CurrentBorehole, 0);
    EXPECT_EQ(Table().HeaderText(1), "H");
    EXPECT_EQ(Form->Edit1->text(), "100.0");
    EXPECT_EQ(Form->Doc.Chart1.BottomAxis.Minimum(), 100);
    EXPECT_EQ(Form->Doc.Chart1.BottomAxis.Maximum(), 250);
    for (const carotagedata& entry : Model().Boreholes)
        EXPECT_NE(entry.Series, nullptr);
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(OpenSaveTest, CancelMissingFileAndNoProjectKeepTheSection) {
    AddBorehole({2, 3}, 40);
    QTemporaryDir folder;
    const QString certificate = folder.filePath("server.crt");
    QFile file(certificate);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("-----BEGIN CERTIFICATE-----\nMIIBszCCAVmgAwIBAgIU\n-----END CERTIFICATE-----\n");
    file.close();
    const QString missing = QStringLiteral("/nonexistent/folder/gone.crt");
    Dialogs->OpenAnswers = {std::nullopt, Chosen(missing), Chosen(certificate)};
    const std::pair<QString, QString> answers[] = {
        {QString(), QString()}, // cancelled
        {missing, "No such file or directory"},
        {certificate, "no line of it names an existing data file"}};
    for (const auto& [path, reason] : answers) {
        Form->SpeedButton8->trigger();
        ASSERT_EQ(Model().Boreholes.size(), 1u);
        EXPECT_EQ(Model().Current().H, (std::vector<double>{2, 3}));
        EXPECT_EQ(Column(1), (QStringList{"2.0", "3.0"}));
        if (path.isEmpty()) {
            EXPECT_TRUE(Dialogs->Errors.isEmpty());
            continue;
        }
        ASSERT_EQ(Dialogs->Errors.size(), 1);
        EXPECT_TRUE(Dialogs->Errors[0].contains(path) && Dialogs->Errors[0].contains(reason))
            << Dialogs->Errors[0].toStdString();
        Dialogs->Errors.clear();
    }
}

TEST_F(OpenSaveTest, SaveWritesACrtAndOffersItNextTime) {
    QTemporaryDir folder;
    AddBorehole({2, 3}, 40);
    const QString chosen = folder.filePath("demo.txt");
    const QString written = folder.filePath("demo.crt");
    Dialogs->SaveAnswers = {Chosen(chosen), std::nullopt};
    Form->SpeedButton9->trigger();
    Form->SpeedButton9->trigger();
    EXPECT_EQ(Dialogs->SaveFilters,
              (QStringList{"Carotage file (*.crt)", "Bitmaps array (*.bmp)"}));
    EXPECT_EQ(Dialogs->SaveSuggestions, (QStringList{"", written}));
    EXPECT_FALSE(QFile::exists(chosen));
    Section reread;
    ASSERT_EQ(ReadProject(reread, written.toStdString()), std::nullopt);
    ASSERT_EQ(reread.Boreholes.size(), 1u);
    EXPECT_EQ(reread.Boreholes[0].H, (std::vector<double>{2, 3}));
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(OpenSaveTest, SaveErrorIsShownWithThePath) {
    AddBorehole({2}, 40);
    const QString target = QStringLiteral("/nonexistent/folder/p.crt");
    Dialogs->SaveAnswers = {Chosen(target)};
    Form->SpeedButton9->trigger();
    ASSERT_EQ(Dialogs->Errors.size(), 1);
    EXPECT_TRUE(Dialogs->Errors[0].contains("/nonexistent/folder"))
        << Dialogs->Errors[0].toStdString();
    EXPECT_EQ(Model().Boreholes.size(), 1u);
}

TEST_F(OpenSaveTest, SectionFilterLaysAPictureUnderTheSection) {
    QTemporaryDir folder;
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(folder.filePath("strip.png")));
    QFile section(folder.filePath("strip.sec"));
    ASSERT_TRUE(section.open(QIODevice::WriteOnly));
    section.write("strip.png\r\n0 0 100 50\r\n");
    section.close();
    // The filter decides: a project read as a section file names no usable picture.
    Dialogs->OpenAnswers = {Chosen(DemoProject(), 2), Chosen(section.fileName(), 2)};
    Form->SpeedButton8->trigger();
    EXPECT_TRUE(Model().Empty());
    EXPECT_EQ(Form->Doc.BackgroundSeries, nullptr);
    Form->SpeedButton8->trigger();
    EXPECT_TRUE(Model().Empty());
    ASSERT_NE(Form->Doc.BackgroundSeries, nullptr);
    EXPECT_EQ(Form->Doc.Chart1.BottomAxis.Maximum(), 100);
    EXPECT_EQ(Form->Doc.Chart1.LeftAxis.Maximum(), 50);
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(OpenSaveTest, BitmapsFilterExportsColumnsIntoTheChosenFolder) {
    QTemporaryDir folder;
    Dialogs->OpenAnswers = {Chosen(DemoProject())};
    Form->SpeedButton8->trigger();
    Dialogs->SaveAnswers = {Chosen(folder.filePath("columns.crt"), 2), std::nullopt};
    Form->SpeedButton9->trigger();
    // One borehole in the demo project: one picture, and no project written.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"100_0.bmp"});
    EXPECT_EQ(QImage(folder.filePath("100_0.bmp")).isNull(), false);
    Form->SpeedButton9->trigger();
    EXPECT_EQ(Dialogs->SaveSuggestions, (QStringList{"", ""}));
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

class CommandLineTest : public WindowTest {
protected:
    void SetUp() override {}
};

TEST_F(CommandLineTest, OpensACrtNamedOnTheCommandLineAfterASecond) {
    QTemporaryDir folder;
    // A path with blanks arrives split at them.
    const QString project = folder.filePath("my demo.CRT");
    ASSERT_TRUE(QFile::copy(DemoProject(), project));
    for (const char* data : {"100_0.txt", "250_0.txt"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(KALVERO_TEST_DATA "/example/") + data,
                                folder.filePath(data)));
    Start(project.split(' '));
    EXPECT_TRUE(Model().Empty());
    EXPECT_TRUE(Form->Timer1->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Model().Empty(); }, 3000));
    EXPECT_EQ(Model().Boreholes.size(), 2u);
    EXPECT_FALSE(Form->Timer1->isActive());
    EXPECT_EQ(Table().HeaderText(1), "H");
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(CommandLineTest, OtherStartsOpenNothing) {
    struct Case {
        QStringList arguments;
        int errors;
    };
    const Case cases[] = {
        {{}, 0},
        {{QStringLiteral(KALVERO_TEST_DATA "/example/demo.sec")}, 0},
        {{QStringLiteral(KALVERO_TEST_DATA "/example/100_0.txt")}, 0},
        {{QStringLiteral("/nonexistent/missing.crt")}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        Start(c.arguments);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Form->Timer1->isActive(); }, 3000));
        EXPECT_TRUE(Model().Empty());
        EXPECT_EQ(Dialogs->Errors.size(), c.errors);
    }
}

} // namespace
} // namespace kalvero
