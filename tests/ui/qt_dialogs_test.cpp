#include "ui/file_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace kalvero {
namespace {

// Answers the next modal dialog as a user would, once it is open.
template <typename Dialog> void WhenOpen(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

const QStringList Filters{"Carotage file (*.crt)", "Section file (*.sec)"};

TEST(QtFileDialogs, FileDialogsTellTheSelectedFilter) {
    QTemporaryDir folder;
    QtFileDialogs dialogs(nullptr);
    struct Case {
        int filterIndex;
        bool save;
    };
    for (const Case c : {Case{1, false}, Case{2, false}, Case{1, true}, Case{2, true}}) {
        SCOPED_TRACE(testing::Message() << c.filterIndex << (c.save ? " save" : " open"));
        const QString path = folder.filePath(c.save ? "new.crt" : "existing.sec");
        if (!c.save) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
            dialog.selectNameFilter(Filters[c.filterIndex - 1]);
            dialog.selectFile(path);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        const std::optional<FileChoice> choice =
            c.save ? dialogs.GetSaveFile(Filters, QString()) : dialogs.GetOpenFile(Filters);
        ASSERT_TRUE(choice.has_value());
        EXPECT_EQ(choice->FilterIndex, c.filterIndex);
        EXPECT_EQ(QFileInfo(choice->Path).fileName(), QFileInfo(path).fileName());
    }
}

TEST(QtFileDialogs, CancelGivesNothing) {
    QtFileDialogs dialogs(nullptr);
    WhenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(dialogs.GetOpenFile(Filters).has_value());
    WhenOpen<QColorDialog>([](QColorDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(dialogs.GetColor(Qt::white).has_value());
}

TEST(QtFileDialogs, ColorDialogGivesTheChosenColour) {
    QtFileDialogs dialogs(nullptr);
    WhenOpen<QColorDialog>([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(10, 20, 30));
        dialog.accept();
    });
    EXPECT_EQ(dialogs.GetColor(Qt::white), QColor(10, 20, 30));
}

} // namespace
} // namespace kalvero
