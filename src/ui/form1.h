#pragma once

#include "model/fill_tools.h"
#include "model/section.h"
#include "ui/file_dialogs.h"
#include "view/section_document.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;

namespace kalvero {

class ChartWidget;
class PaletteStrip;
class TForm2;
class ColorButton;
class LayerTable;

// The main window. The section and everything drawn of it live in the document; the window
// turns the user's actions into document calls, in a fixed order: change the model, refill the
// layer table, repaint.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // arguments are the command-line parameters without the program's name. Without dialogs the
    // desktop's own are used.
    explicit TForm1(QStringList arguments = {}, std::unique_ptr<FileDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr);
    ~TForm1() override;

    SectionDocument Doc;

    // Controls, named as the other parts of the window and the tests reach them.
    QToolBar* ToolBar1 = nullptr;
    QAction* SpeedButton8 = nullptr;  // open
    QAction* SpeedButton9 = nullptr;  // save
    QAction* SpeedButton12 = nullptr; // kind of new entries: checked for carotage
    QAction* SpeedButton1 = nullptr;  // new borehole
    QAction* SpeedButton7 = nullptr;  // remove borehole
    QAction* SpeedButton2 = nullptr;  // add layer
    QAction* SpeedButton3 = nullptr;  // delete layer
    QAction* SpeedButton4 = nullptr;  // previous entry
    QAction* SpeedButton5 = nullptr;  // next entry
    QAction* SpeedButton6 = nullptr;  // repaint, keeping a zoomed view
    QAction* SpeedButton11 = nullptr; // sort
    QAction* Refreshimage1 = nullptr; // repaint with a fitted view
    QAction* Exit1 = nullptr;
    QLineEdit* Edit1 = nullptr; // horizontal position
    QLineEdit* Edit2 = nullptr; // position from surface
    // The palette strip goes into ToolBar1 just before this button's action.
    QAction* ColorButtonAction = nullptr;
    PaletteStrip* StringGrid1 = nullptr;
    ColorButton* abcToolbarButton1 = nullptr;
    QToolButton* SpeedButton10 = nullptr; // shows PopupMenu1
    QMenu* PopupMenu1 = nullptr;          // Options
    QAction* Loaddefaultpalette1 = nullptr;
    QAction* Savedefaultpalette1 = nullptr;
    QAction* Setpercent1 = nullptr;
    QMenu* PopupMenu2 = nullptr; // Exchange
    QAction* ExchangePC1 = nullptr;
    QAction* ExchangeP1 = nullptr;
    QAction* ExchangeC1 = nullptr;
    TForm2* Form2 = nullptr; // carotage settings, made at start and shown again at each opening
    // The fill the Exchange commands replace: the one last clicked with the right or middle button.
    Fill ExchangeSource;
    // The table row current before the last change of cell, or the fill cell last left-clicked.
    int SelectedLayerRow = 0;
    QSplitter* abcBiSplit1 = nullptr;
    LayerTable* AdvStringGrid1 = nullptr;
    ChartWidget* Chart1View = nullptr;
    QLabel* StatusPanel1 = nullptr; // pointer position over the chart
    QLabel* StatusNote = nullptr;   // what the last repaint left out; how to undo a zoom
    QTimer* Timer1 = nullptr;
    // The name the save dialog offers next.
    QString SaveFileName;

    EntryKind NewEntryKind() const;

    void RefillLayerTable();
    void OpenProject(const QString& path);
    // Lays the picture a section file names under the section.
    void OpenSection(const QString& path);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click(bool fromRepaintButton);
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void Edit1Change(const QString& text);
    void Edit2Change(const QString& text);
    bool AdvStringGrid1CanEditCell(int col, int row) const;
    bool AdvStringGrid1CellValidate(int col, int row, const QString& text);
    void Chart1MouseMove(QPoint pixel);
    void abcToolbarButton1Click();
    void Timer1Timer();

    // Fills, palette and carotage settings.
    void StringGrid1MouseDown(int cell, Qt::MouseButton button);
    void AdvStringGrid1MouseDown(int col, int row, Qt::MouseButton button, QPoint globalPosition);
    void AdvStringGrid1CellChanging(int previousRow);
    void ExchangePC1Click();
    void ExchangeP1Click();
    void ExchangeC1Click();
    void Loaddefaultpalette1Click();
    void Savedefaultpalette1Click();
    void Setpercent1Click();
    // The import button of the carotage settings: points of the current entry from a text file.
    void ImportCarotageData();

    static QStringList OpenDialog2Filters();
    static QStringList SaveDialog1Filters();

private:
    void FormCreate();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    QWidget* CreatePositionBoxes();
    void CreateCentre();
    void CreateStatusBar();
    void PlaceOnScreen();
    void ShowRepaintOutcome(const RepaintOutcome& outcome, bool fromRepaintButton);
    void UpdateStatusNote();
    void ShowFileError(const FileStatus& status);
    void CreateFillTools();
    void Exchange(ExchangeKind kind);
    void OpenCarotageSettings();
    // Stores a typed position into the current entry's field and repaints.
    void PositionChange(QLineEdit* box, double carotagedata::*field, const QString& text);

    std::unique_ptr<FileDialogs> dialogs_;
    int leftOutPoints_ = 0;
    bool viewMoved_ = false;
    QStringList arguments_;
};

} // namespace kalvero
