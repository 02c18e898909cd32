#include "ui/form1.h"

#include "ui/carotage_settings_dialog.h"
#include "ui/chart_widget.h"
#include "ui/color_button.h"
#include "ui/file_association.h"
#include "ui/file_dialogs.h"
#include "ui/layer_table.h"
#include "ui/palette_strip.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// Resources of a static library have to be registered by name, from outside any namespace.
static void InitialiseIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace kalvero {

namespace {

constexpr int ToolBarHeight = 41;
constexpr int ButtonSize = 31;
constexpr int LayerTableWidth = 208;
constexpr int StartTimerMs = 1000;

// The desktop theme's icon where it has one, our own otherwise.
QIcon ToolIcon(const char* themeName, const char* ownName) {
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(ownName)));
    if (!themeName)
        return own;
    return QIcon::fromTheme(QLatin1String(themeName), own);
}

QAction* NewAction(QObject* parent, const QString& text, const QString& hint, const QIcon& icon) {
    auto* action = new QAction(icon, text, parent);
    action->setToolTip(hint);
    return action;
}

QWidget* Spacer(int width) {
    auto* spacer = new QWidget;
    spacer->setFixedWidth(width);
    return spacer;
}

} // namespace

TForm1::TForm1(QStringList arguments, std::unique_ptr<FileDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)), arguments_(std::move(arguments)) {
    InitialiseIcons();
    if (!dialogs_)
        dialogs_ = std::make_unique<QtFileDialogs>(this);
    setWindowTitle(QStringLiteral("Kalvero"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kalvero.svg")));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentre();
    CreateFillTools();
    CreateStatusBar();
    PlaceOnScreen();
    // Keys typed before the user picks a box go to the table, not into a position box.
    AdvStringGrid1->setFocus();
    FormCreate();
}

TForm1::~TForm1() = default;

EntryKind TForm1::NewEntryKind() const {
    return SpeedButton12->isChecked() ? EntryKind::Carotage : EntryKind::Borehole;
}

void TForm1::FormCreate() {
    RegisterFileType(QStringLiteral("crt"), QStringLiteral("Quarn borehole data"),
                     QCoreApplication::applicationFilePath());
    Doc.Palette = StartPalette();
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(StartTimerMs);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
}

void TForm1::CreateActions() {
    SpeedButton8 =
        NewAction(this, tr("Open project"), tr("Open project"), ToolIcon("document-open", "open"));
    SpeedButton8->setShortcut(QKeySequence::Open);
    SpeedButton9 =
        NewAction(this, tr("Save project"), tr("Save project"), ToolIcon("document-save", "save"));
    SpeedButton9->setShortcut(QKeySequence::Save);
    SpeedButton12 = new QAction(QStringLiteral("BH"), this);
    SpeedButton12->setCheckable(true);
    SpeedButton12->setToolTip(QStringLiteral("Borehole/Carotage"));
    SpeedButton1 = NewAction(this, tr("Add borehole"), QStringLiteral("Create new borehole"),
                             ToolIcon(nullptr, "add_borehole"));
    SpeedButton7 = NewAction(this, tr("Remove borehole"), QStringLiteral("Remove borehole"),
                             ToolIcon(nullptr, "remove_borehole"));
    SpeedButton2 = NewAction(this, tr("Add layer"), QStringLiteral("Add layer"),
                             ToolIcon(nullptr, "add_layer"));
    SpeedButton3 = NewAction(this, tr("Remove layer"), QStringLiteral("Delete layer"),
                             ToolIcon(nullptr, "delete_layer"));
    SpeedButton4 = NewAction(this, tr("Prev borehole"), QStringLiteral("Prev borehole"),
                             ToolIcon("go-previous", "previous"));
    SpeedButton5 = NewAction(this, tr("Next borehole"), QStringLiteral("Next borehole"),
                             ToolIcon("go-next", "next"));
    SpeedButton6 = NewAction(this, tr("Repaint"), QStringLiteral("Repaint"),
                             ToolIcon("view-refresh", "repaint"));
    SpeedButton11 =
        NewAction(this, tr("Sort boreholes"), QStringLiteral("Sort boreholes by coordinates"),
                  ToolIcon("view-sort-ascending", "sort"));
    Refreshimage1 = new QAction(tr("Refresh image"), this);
    Exit1 = new QAction(tr("Exit"), this);
    Exit1->setShortcut(QKeySequence::Quit);

    connect(SpeedButton8, &QAction::triggered, this, &TForm1::SpeedButton8Click);
    connect(SpeedButton9, &QAction::triggered, this, &TForm1::SpeedButton9Click);
    connect(SpeedButton12, &QAction::triggered, this, &TForm1::SpeedButton12Click);
    connect(SpeedButton1, &QAction::triggered, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton7, &QAction::triggered, this, &TForm1::SpeedButton7Click);
    connect(SpeedButton2, &QAction::triggered, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton3, &QAction::triggered, this, &TForm1::SpeedButton3Click);
    connect(SpeedButton4, &QAction::triggered, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton5, &QAction::triggered, this, &TForm1::SpeedButton5Click);
    connect(SpeedButton6, &QAction::triggered, this, [this] { SpeedButton6Click(true); });
    connect(SpeedButton11, &QAction::triggered, this, &TForm1::SpeedButton11Click);
    connect(Refreshimage1, &QAction::triggered, this, [this] { SpeedButton6Click(false); });
    // Closing ends the program at once; the section is not saved and nobody is asked.
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
}

void TForm1::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->addAction(SpeedButton8);
    file->addAction(SpeedButton9);
    file->addSeparator();
    file->addAction(Exit1);
    QMenu* options = menuBar()->addMenu(tr("Options"));
    options->addAction(SpeedButton1);
    options->addAction(SpeedButton7);
    options->addSeparator();
    options->addAction(SpeedButton2);
    options->addAction(SpeedButton3);
    options->addSeparator();
    options->addAction(SpeedButton4);
    options->addAction(SpeedButton5);
    options->addSeparator();
    options->addAction(Refreshimage1);
    options->addAction(SpeedButton11);
}

void TForm1::CreateToolBar() {
    ToolBar1 = addToolBar(tr("Tools"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(ToolBarHeight);
    ToolBar1->setIconSize(QSize(22, 22)); // as ColorButton draws its swatch
    ToolBar1->addAction(SpeedButton8);
    ToolBar1->addAction(SpeedButton9);
    ToolBar1->addWidget(Spacer(25));
    ToolBar1->addAction(SpeedButton12);
    ToolBar1->addAction(SpeedButton1);
    ToolBar1->addAction(SpeedButton7);
    ToolBar1->addAction(SpeedButton2);
    ToolBar1->addAction(SpeedButton3);
    ToolBar1->addWidget(Spacer(32));
    ToolBar1->addAction(SpeedButton4);
    ToolBar1->addAction(SpeedButton5);
    ToolBar1->addAction(SpeedButton6);
    ToolBar1->addAction(SpeedButton11);
    ToolBar1->addWidget(CreatePositionBoxes());
    abcToolbarButton1 = new ColorButton;
    abcToolbarButton1->setToolTip(tr("Chart background colour"));
    connect(abcToolbarButton1, &QToolButton::clicked, this, &TForm1::abcToolbarButton1Click);
    ColorButtonAction = ToolBar1->addWidget(abcToolbarButton1);
    PopupMenu1 = new QMenu(this);
    SpeedButton10 = new QToolButton;
    SpeedButton10->setIcon(ToolIcon("preferences-system", "options"));
    SpeedButton10->setToolTip(QStringLiteral("Options"));
    SpeedButton10->setMenu(PopupMenu1);
    SpeedButton10->setPopupMode(QToolButton::InstantPopup);
    SpeedButton10->setAutoRaise(true);
    ToolBar1->addWidget(SpeedButton10);
    for (QToolButton* button : ToolBar1->findChildren<QToolButton*>()) {
        button->setFixedSize(ButtonSize, ButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
    }
}

QWidget* TForm1::CreatePositionBoxes() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(4);
    Edit1 = new QLineEdit;
    Edit1->setToolTip(QStringLiteral("horizontal position"));
    Edit2 = new QLineEdit;
    Edit2->setToolTip(QStringLiteral("Position from surface"));
    for (QLineEdit* box : {Edit1, Edit2}) {
        box->setFixedSize(49, 21);
        layout->addWidget(box);
    }
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Only what the user types is read back; a refill writes the boxes without being read.
    connect(Edit1, &QLineEdit::textEdited, this, &TForm1::Edit1Change);
    connect(Edit2, &QLineEdit::textEdited, this, &TForm1::Edit2Change);
    return panel;
}

void TForm1::CreateCentre() {
    abcBiSplit1 = new QSplitter(Qt::Horizontal, this);
    AdvStringGrid1 = new LayerTable;
    AdvStringGrid1->CanEditCell = [this](int col, int row) {
        return AdvStringGrid1CanEditCell(col, row);
    };
    AdvStringGrid1->CellValidate = [this](int col, int row, const QString& text) {
        return AdvStringGrid1CellValidate(col, row, text);
    };
    Chart1View = new ChartWidget(Doc.Chart1);
    connect(Chart1View, &ChartWidget::PointerMoved, this, &TForm1::Chart1MouseMove);
    connect(Chart1View, &ChartWidget::FitRequested, this, [this] { SpeedButton6Click(false); });
    connect(Chart1View, &ChartWidget::ViewMoved, this, [this] {
        viewMoved_ = true;
        UpdateStatusNote();
    });
    abcBiSplit1->addWidget(AdvStringGrid1);
    abcBiSplit1->addWidget(Chart1View);
    abcBiSplit1->setStretchFactor(0, 0);
    abcBiSplit1->setStretchFactor(1, 1);
    abcBiSplit1->setChildrenCollapsible(false);
    abcBiSplit1->setSizes({LayerTableWidth, 963 - LayerTableWidth});
    setCentralWidget(abcBiSplit1);
}

void TForm1::CreateStatusBar() {
    StatusPanel1 = new QLabel;
    StatusPanel1->setMinimumWidth(50);
    StatusNote = new QLabel;
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusNote, 1);
}

void TForm1::PlaceOnScreen() {
    resize(963, 447);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace kalvero
