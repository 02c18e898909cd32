// The window's fill tools: the fill column of the layer table, the palette strip, the Exchange
// and Options menus, and the carotage settings with their import.
#include "ui/form1.h"

#include "files/carotage_import.h"
#include "files/palette_file.h"
#include "model/carotage_settings.h"
#include "model/numbers.h"
#include "ui/carotage_settings_dialog.h"
#include "ui/layer_table.h"
#include "ui/palette_strip.h"
#include "ui/window_paths.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QToolBar>

namespace kalvero {

void TForm1::CreateFillTools() {
    StringGrid1 = new PaletteStrip(Doc.Palette);
    StringGrid1->Showing = [this] { return !Doc.Model.Empty(); };
    connect(StringGrid1, &PaletteStrip::CellPressed, this, &TForm1::StringGrid1MouseDown);
    ToolBar1->insertWidget(ColorButtonAction, StringGrid1);

    Loaddefaultpalette1 = PopupMenu1->addAction(QStringLiteral("Load default palette "));
    Savedefaultpalette1 = PopupMenu1->addAction(QStringLiteral("Save default palette"));
    Setpercent1 = PopupMenu1->addAction(QStringLiteral("Set percent"));
    connect(Loaddefaultpalette1, &QAction::triggered, this, &TForm1::Loaddefaultpalette1Click);
    connect(Savedefaultpalette1, &QAction::triggered, this, &TForm1::Savedefaultpalette1Click);
    connect(Setpercent1, &QAction::triggered, this, &TForm1::Setpercent1Click);

    PopupMenu2 = new QMenu(this);
    ExchangePC1 = PopupMenu2->addAction(QStringLiteral("Exchange P&&C"));
    ExchangeP1 = PopupMenu2->addAction(QStringLiteral("Exchange P"));
    ExchangeC1 = PopupMenu2->addAction(QStringLiteral("Exchange C"));
    connect(ExchangePC1, &QAction::triggered, this, &TForm1::ExchangePC1Click);
    connect(ExchangeP1, &QAction::triggered, this, &TForm1::ExchangeP1Click);
    connect(ExchangeC1, &QAction::triggered, this, &TForm1::ExchangeC1Click);

    AdvStringGrid1->FillOfRow = [this](int row) { return CurrentLayerFill(Doc.Model, row - 1); };
    AdvStringGrid1->CellChanging = [this](int previousRow) {
        AdvStringGrid1CellChanging(previousRow);
    };
    connect(AdvStringGrid1, &LayerTable::CellPressed, this, &TForm1::AdvStringGrid1MouseDown);

    Form2 = new TForm2(this);
    Form2->ImportRequested = [this] { ImportCarotageData(); };
}

void TForm1::StringGrid1MouseDown(int cell, Qt::MouseButton button) {
    if (!Doc.Model.HasCurrent() || Doc.Model.Current().IsCarotage())
        return;
    const int layer = AdvStringGrid1->CurrentGridRow() - 1;
    if (button == Qt::LeftButton) {
        SetCurrentLayerFill(Doc.Model, layer, Doc.Palette[cell]);
    } else if (button == Qt::RightButton) {
        if (const std::optional<Fill> fill = CurrentLayerFill(Doc.Model, layer))
            Doc.Palette[cell] = *fill;
    }
    // The table and the strip show the change; the section shows it at its next repaint.
    AdvStringGrid1->viewport()->update();
    StringGrid1->update();
}

void TForm1::AdvStringGrid1CellChanging(int previousRow) {
    SelectedLayerRow = previousRow;
}

void TForm1::AdvStringGrid1MouseDown(int col, int row, Qt::MouseButton button,
                                     QPoint globalPosition) {
    if (!Doc.Model.HasCurrent())
        return;
    if (Doc.Model.Current().IsCarotage()) {
        if (button == Qt::RightButton)
            OpenCarotageSettings();
        return;
    }
    if (col != LayerTable::FillColumn || row < 1)
        return;
    const std::optional<Fill> fill = CurrentLayerFill(Doc.Model, row - 1);
    if (!fill)
        return; // a row without a layer
    if (button == Qt::RightButton || button == Qt::MiddleButton) {
        ExchangeSource = *fill;
        dialogs_->ShowPopup(*PopupMenu2, globalPosition);
    } else if (button == Qt::LeftButton && row == SelectedLayerRow) {
        const Fill chosen = dialogs_->EditFill(*fill);
        SetCurrentLayerFill(Doc.Model, row - 1,
                            {PatternFromStyleByte(chosen.PatternCode), chosen.Color});
        AdvStringGrid1->viewport()->update();
    } else if (button == Qt::LeftButton) {
        SelectedLayerRow = row; // a second click on this cell opens the brush editor
    }
}

void TForm1::Exchange(ExchangeKind kind) {
    if (Doc.Model.Empty())
        return;
    const Fill chosen = dialogs_->EditFill(ExchangeSource);
    ExchangeFills(Doc.Model, ExchangeSource,
                  {PatternFromStyleByte(chosen.PatternCode), chosen.Color}, kind);
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::ExchangePC1Click() {
    Exchange(ExchangeKind::PatternAndColor);
}
void TForm1::ExchangeP1Click() {
    Exchange(ExchangeKind::Pattern);
}
void TForm1::ExchangeC1Click() {
    Exchange(ExchangeKind::Color);
}

void TForm1::Loaddefaultpalette1Click() {
    const std::optional<FileChoice> choice = dialogs_->GetOpenFile(OpenDialog2Filters());
    if (!choice)
        return;
    ShowFileError(ReadPaletteFile(LocalPath(choice->Path), Doc.Palette));
    StringGrid1->update();
}

void TForm1::Savedefaultpalette1Click() {
    const std::optional<FileChoice> choice =
        dialogs_->GetSaveFile(SaveDialog1Filters(), SaveFileName);
    if (!choice)
        return;
    SaveFileName = QString::fromStdString(PaletteFileName(LocalPath(choice->Path)));
    ShowFileError(WritePaletteFile(LocalPath(SaveFileName), Doc.Palette));
}

void TForm1::Setpercent1Click() {
    // The box gives its text back also when it is cancelled, and it starts with "1".
    const QString text =
        dialogs_->GetText(QStringLiteral("Percent"), QString(), QStringLiteral("1"))
            .value_or(QStringLiteral("1"));
    const double percent = TextToNumber(text.toStdString(), true, 0, 0);
    if (percent != MissingValue)
        SetPercentOfAll(Doc.Model, percent); // shows at the next repaint
}

void TForm1::OpenCarotageSettings() {
    const CarotageSettings original = SettingsOf(Doc.Model.Current());
    Form2->Show(original, LargestOfferedDataIndex(Doc.Model));
    dialogs_->RunModal(*Form2);
    // Closing the window in any way applies what it shows.
    if (Doc.Model.HasCurrent())
        ApplyCarotageSettings(Doc.Model, Form2->Settings(original));
    RefillLayerTable();
    SpeedButton6Click(false);
}

void TForm1::ImportCarotageData() {
    const std::optional<FileChoice> choice =
        dialogs_->GetOpenFile({QStringLiteral("Text files (*.txt)")});
    if (!choice || !Doc.Model.HasCurrent())
        return;
    ShowFileError(ImportCarotage(LocalPath(choice->Path), Doc.Model.Current().Points));
}

} // namespace kalvero
