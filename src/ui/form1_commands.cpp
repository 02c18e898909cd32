#include "ui/form1.h"

#include "model/numbers.h"
#include "ui/chart_widget.h"
#include "ui/color_button.h"
#include "ui/file_dialogs.h"
#include "ui/layer_edits.h"
#include "ui/layer_table.h"
#include "ui/palette_strip.h"
#include "ui/window_paths.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace kalvero {

namespace {

// The second filter of each dialog, counted from 1; the first one stands for a project. The
// selected filter decides what is done with the file, whatever its extension.
constexpr int SectionFilter = 2; // open dialog
constexpr int BitmapsFilter = 2; // save dialog

// The wait cursor while a file command reads, draws or writes a big section.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QString TextOf(double value) {
    return QString::fromStdString(NumberToText(0, 1, value));
}

} // namespace

QStringList TForm1::OpenDialog2Filters() {
    return {QStringLiteral("Carotage file (*.crt)"), QStringLiteral("Section file (*.sec)")};
}

QStringList TForm1::SaveDialog1Filters() {
    return {QStringLiteral("Carotage file (*.crt)"), QStringLiteral("Bitmaps array (*.bmp)")};
}

void TForm1::RefillLayerTable() {
    if (!Doc.Model.HasCurrent())
        return;
    const carotagedata& entry = Doc.Model.Current();
    AdvStringGrid1->ShowEntry(entry);
    StringGrid1->update(); // shows the palette once the section has an entry
    Edit1->setText(TextOf(entry.HorizontalPosition));
    Edit2->setText(TextOf(entry.PositionFromSurface));
}

void TForm1::OpenProject(const QString& path) {
    FileStatus status;
    {
        BusyCursor busy;
        status = Doc.ReadProjectFile(LocalPath(path));
        // Also after a failure part-way: the section may have changed, and the table must not
        // go on showing an entry that is gone.
        RefillLayerTable();
        SpeedButton6Click(false);
    }
    ShowFileError(status);
}

void TForm1::OpenSection(const QString& path) {
    const SectionDocument::SectionOutcome outcome = [&] {
        BusyCursor busy;
        return Doc.OpenSection(LocalPath(path));
    }();
    Chart1View->update();
    if (outcome.Error)
        ShowFileError(outcome.Error);
    else
        ShowRepaintOutcome(outcome.Repainted, false);
}

void TForm1::SpeedButton1Click() {
    Doc.AppendEntry(NewEntryKind());
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton7Click() {
    if (!Doc.Model.RemoveCurrentEntry())
        return;
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton2Click() {
    Doc.Model.InsertLayer(AdvStringGrid1->CurrentGridRow() - 1);
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton3Click() {
    if (!Doc.Model.DeleteLayer(AdvStringGrid1->CurrentGridRow() - 1))
        return;
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton4Click() {
    Doc.Model.PreviousEntry();
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton5Click() {
    Doc.Model.NextEntry();
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton6Click(bool fromRepaintButton) {
    ShowRepaintOutcome(Doc.Repaint(fromRepaintButton), fromRepaintButton);
    Chart1View->update();
}

void TForm1::SpeedButton11Click() {
    if (Doc.Model.Empty())
        return;
    Doc.Model.SortByPosition();
    // The index stays while the entries move, so the table is refilled to show the entry that
    // the next edit will change.
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::SpeedButton12Click() {
    SpeedButton12->setText(SpeedButton12->isChecked() ? QStringLiteral("Crt")
                                                      : QStringLiteral("BH"));
}

void TForm1::SpeedButton8Click() {
    const std::optional<FileChoice> choice = dialogs_->GetOpenFile(OpenDialog2Filters());
    if (!choice)
        return;
    if (choice->FilterIndex == SectionFilter)
        OpenSection(choice->Path);
    else
        OpenProject(choice->Path);
}

void TForm1::SpeedButton9Click() {
    const std::optional<FileChoice> choice =
        dialogs_->GetSaveFile(SaveDialog1Filters(), SaveFileName);
    if (!choice)
        return;
    FileStatus status;
    if (choice->FilterIndex == BitmapsFilter) {
        // One picture per borehole column, into the folder of the chosen name.
        BusyCursor busy;
        status = Doc.ExportBitmaps(LocalPath(QFileInfo(choice->Path).absolutePath()));
    } else {
        SaveFileName = WithProjectExtension(choice->Path);
        BusyCursor busy;
        status = Doc.WriteProjectFile(LocalPath(SaveFileName));
    }
    ShowFileError(status);
}

void TForm1::Edit1Change(const QString& text) {
    PositionChange(Edit1, &carotagedata::HorizontalPosition, text);
}

void TForm1::Edit2Change(const QString& text) {
    PositionChange(Edit2, &carotagedata::PositionFromSurface, text);
}

void TForm1::PositionChange(QLineEdit* box, double carotagedata::*field, const QString& text) {
    if (!Doc.Model.HasCurrent() || !box->hasFocus())
        return;
    const double value = TextToNumber(text.toStdString(), true, 0, 0);
    if (value != MissingValue)
        Doc.Model.Current().*field = value;
    SpeedButton6Click(false);
}

bool TForm1::AdvStringGrid1CanEditCell(int col, int row) const {
    return CanEditLayerCell(Doc.Model, col, row);
}

bool TForm1::AdvStringGrid1CellValidate(int col, int row, const QString& text) {
    const CellEdit edit = ApplyCellEdit(Doc.Model, col, row, text.toStdString());
    if (edit == CellEdit::Stored)
        RefillLayerTable();
    return edit != CellEdit::Refused;
}

void TForm1::Chart1MouseMove(QPoint pixel) {
    StatusPanel1->setText(TextOf(Doc.Series1.XScreenToValue(pixel.x())) + QLatin1Char(' ') +
                          TextOf(Doc.Series1.YScreenToValue(pixel.y())));
}

void TForm1::abcToolbarButton1Click() {
    const std::optional<QColor> color = dialogs_->GetColor(abcToolbarButton1->Color());
    if (!color)
        return;
    abcToolbarButton1->SetColor(*color);
    Doc.Chart1.Color = abcToolbarButton1->Color();
    Chart1View->update();
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    const QString project = ProjectFromArguments(arguments_);
    if (!project.isEmpty())
        OpenProject(project);
}

void TForm1::ShowRepaintOutcome(const RepaintOutcome& outcome, bool fromRepaintButton) {
    leftOutPoints_ = outcome.LeftOutPoints;
    // Only the Repaint button keeps a zoomed view, and not for a section of one entry.
    if (outcome.Ran && (!fromRepaintButton || Doc.Model.Boreholes.size() == 1))
        viewMoved_ = false;
    UpdateStatusNote();
    if (outcome.Error)
        dialogs_->ShowError(QString::fromStdString(*outcome.Error));
}

void TForm1::UpdateStatusNote() {
    QStringList notes;
    if (leftOutPoints_ > 0)
        notes << tr("Logarithmic curves: %1 values of 0 or below left out").arg(leftOutPoints_);
    if (viewMoved_)
        notes << tr("Double-click the chart to see the whole section");
    StatusNote->setText(notes.join(QStringLiteral("   ")));
}

void TForm1::ShowFileError(const FileStatus& status) {
    if (status)
        dialogs_->ShowError(QString::fromStdString(status->Text()));
}

} // namespace kalvero
