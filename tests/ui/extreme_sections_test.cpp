// The window opens, repaints and steps through sections at the edges of what a file can describe.
#include "files/project_file.h"

#include "../view/extreme_sections.h"
#include "window_fixture.h"

#include <QTemporaryDir>

namespace kalvero {
namespace {

using ExtremeWindowTest = WindowTest;

TEST_F(ExtremeWindowTest, OpensStepsAndRepaintsEverySection) {
    for (const Extreme& extreme : ExtremeCases) {
        SCOPED_TRACE(extreme.Name);
        QTemporaryDir folder;
        const std::string project = folder.filePath("extreme.crt").toStdString();
        Section written;
        extreme.Build(written);
        ASSERT_FALSE(WriteProject(written, project));

        Form->OpenProject(QString::fromStdString(project));
        EXPECT_TRUE(Dialogs->Errors.isEmpty()) << Dialogs->Errors.join("\n").toStdString();
        ASSERT_EQ(Model().Boreholes.size(), written.Boreholes.size());
        for (QAction* step :
             {Form->SpeedButton5, Form->SpeedButton5, Form->SpeedButton4, Form->SpeedButton6}) {
            step->trigger();
            const carotagedata& current = Model().Current();
            EXPECT_EQ(Table().GridRowCount(),
                      1 + static_cast<int>(current.IsCarotage() ? current.Points.size()
                                                                : current.Z.size()))
                << "the table shows the current entry";
        }
        EXPECT_FALSE(Form->grab().isNull());
        Dialogs->Errors.clear();
    }
}

} // namespace
} // namespace kalvero
