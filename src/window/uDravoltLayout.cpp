// The main window's components: menus, the top bar with the two counters and
// "Go", the debug panel, the field panels, and the sizing to the field.
#include "window/uDravolt.h"

#include "dialogs/DialogTools.h"
#include "manual/ManualWindow.h"
#include "panels/PanelMineField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"
#include "render/CellPainter.h"
#include "render/Fonts.h"
#include "window/MenuBarRows.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QOperatingSystemVersion>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// Panel frames of the window, in pixels.
constexpr int kMainBevel = 3;
constexpr int kMainBorder = 5;
constexpr int kTopHeight = 38;
constexpr int kSpaceHeight = 5;
constexpr int kDebugHeight = 150;
constexpr int kFieldBevel = 3;
constexpr int kCounterLeft = 7;
constexpr int kCounterTop = 7;
constexpr QSize kCounterSize(57, 25);
constexpr QSize kGoSize(25, 25);

QFrame* Bevelled(QWidget* parent, QFrame::Shadow shadow, int width)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(width);
    return frame;
}

// A red number on black in a sunken box.
QLabel* CounterLabel(QFrame* box)
{
    auto* label = new QLabel(box);
    label->setGeometry(1, 1, kCounterSize.width() - 2, kCounterSize.height() - 2);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font("Arial");
    font.setPixelSize(PointsToPixels(18));
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QAction* Item(QMenu* menu, const char* name, const QString& caption, bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

} // namespace

void TfrmDravolt::CreateMenus()
{
    setMenuBar(new TMenuBarRows(this));
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    actNewGame = Item(game, "actNewGame", tr("New Game"));
    actNewGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actSize = Item(game, "actSize", tr("&Size..."));
    game->addSeparator();
    actBestTime = Item(game, "actBestTime", tr("&Best Times..."));
    actViewStats = Item(game, "actViewStats", tr("S&ession Stats..."));
    actClearSessionStat = Item(game, "actClearSessionStat", tr("Cle&ar Current Session Stats"));
    game->addSeparator();
    actMinimize = Item(game, "actMinimize", tr("&Minimize"));
    actMinimize->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
    miExit = Item(game, "miExit", tr("E&xit"));

    QMenu* actions = menuBar()->addMenu(tr("&Actions"));
    actUndo = Item(actions, "actUndo", tr("Undo"));
    actUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actUndo->setEnabled(false);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    actSetBackground = Item(options, "actSetBackground", tr("&Set Background..."));
    actAccentArea = Item(options, "actAccentArea", tr("S&how Numbers When Game Over"), true);
    actAutoSaveStats = Item(options, "actAutoSaveStats", tr("&Auto-Save Current Session Stats"), true);
    miFlagGroup = options->addMenu(tr("&Flag Marker"));
    miFlagGroup->setObjectName("miFlagGroup");
    miFlag = Item(miFlagGroup, "miFlag", tr("&Flag"), true);
    miFlag->setData(QStringLiteral("Flag")); // the item's hint: the marker it selects
    miFlagAt = Item(miFlagGroup, "miFlagAt", "@", true);
    miFlagAt->setData(QStringLiteral("@"));
    // Radio items of one group. A marker read from the settings may be neither
    // of them, so the group may have no item checked.
    auto* flagMarkers = new QActionGroup(miFlagGroup);
    flagMarkers->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    flagMarkers->addAction(miFlag);
    flagMarkers->addAction(miFlagAt);
    // The zooms: radio items of one group; those whose window would not fit
    // the screen are disabled (UpdateZoom).
    miZoomGroup = options->addMenu(tr("&Zoom"));
    miZoomGroup->setObjectName("miZoomGroup");
    auto* zooms = new QActionGroup(miZoomGroup);
    for (std::size_t i = 0; i < kZoomPercents.size(); ++i) {
        const int zoom = kZoomPercents[i];
        miZoom[i] = Item(miZoomGroup, ("miZoom" + std::to_string(zoom)).c_str(), tr("%1 %").arg(zoom), true);
        miZoom[i]->setData(zoom);
        zooms->addAction(miZoom[i]);
        connect(miZoom[i], &QAction::triggered, this, [this, item = miZoom[i]] { miZoomClick(item); });
    }
    miZoom[0]->setChecked(true);
    CreateThemeMenu(options);
    options->addSeparator();
    actFreeClick = Item(options, "actFreeClick", tr("&One Free Click"), true);
    actNoGuess = Item(options, "actNoGuess", tr("No &Guessing"), true);
    actKeyboardNavigation = Item(options, "actKeyboardNavigation", tr("&Keyboard Navigation"), true);
    actAnimate = Item(options, "actAnimate", tr("A&nimated Buttons"), true);
    actCornerToCorner = Item(options, "actCornerToCorner", tr("&Corner To Corner Mode"), true);
    actCornerToCorner->setVisible(false);
    actUndecided = Item(options, "actUndecided", tr("&Include (?) In Right-Click"), true);
    actUndecided->setVisible(false);
    options->addSeparator();
    actSizeForXP = Item(options, "actSizeForXP", "n", true);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    actManual = Item(help, "actManual", tr("&Manual"));
    actManual->setShortcut(QKeySequence(Qt::Key_F1));
    actAbout = Item(help, "actAbout", tr("&About..."));

    connect(actNewGame, &QAction::triggered, this, &TfrmDravolt::actNewGameExecute);
    connect(actSize, &QAction::triggered, this, &TfrmDravolt::actSizeExecute);
    connect(actBestTime, &QAction::triggered, this, &TfrmDravolt::actBestTimeExecute);
    connect(actViewStats, &QAction::triggered, this, &TfrmDravolt::actViewStatsExecute);
    connect(actClearSessionStat, &QAction::triggered, this, &TfrmDravolt::actClearSessionStatExecute);
    connect(actMinimize, &QAction::triggered, this, &TfrmDravolt::actMinimizeExecute);
    connect(miExit, &QAction::triggered, this, &TfrmDravolt::miExitClick);
    connect(actUndo, &QAction::triggered, this, &TfrmDravolt::actUndoExecute);
    connect(actSetBackground, &QAction::triggered, this, &TfrmDravolt::actSetBackgroundExecute);
    connect(actAccentArea, &QAction::triggered, this, &TfrmDravolt::actAccentAreaExecute);
    connect(actAutoSaveStats, &QAction::triggered, this, &TfrmDravolt::actAutoSaveStatsExecute);
    connect(miFlag, &QAction::triggered, this, &TfrmDravolt::miFlagClick);
    connect(miFlagAt, &QAction::triggered, this, &TfrmDravolt::miFlagAtClick);
    connect(actFreeClick, &QAction::triggered, this, &TfrmDravolt::actFreeClickExecute);
    connect(actNoGuess, &QAction::triggered, this, &TfrmDravolt::actNoGuessExecute);
    connect(actKeyboardNavigation, &QAction::triggered, this, &TfrmDravolt::actKeyboardNavigationExecute);
    connect(actAnimate, &QAction::triggered, this, &TfrmDravolt::actAnimateExecute);
    connect(actCornerToCorner, &QAction::triggered, this, &TfrmDravolt::actCornerToCornerExecute);
    connect(actUndecided, &QAction::triggered, this, &TfrmDravolt::actUndecidedExecute);
    connect(actSizeForXP, &QAction::triggered, this, &TfrmDravolt::actSizeForXPExecute);
    connect(actManual, &QAction::triggered, this, [this] { ShowManual(this); });
    connect(actAbout, &QAction::triggered, this, &TfrmDravolt::actAboutExecute);
}

void TfrmDravolt::CreatePanels()
{
    pnlMain = Bevelled(this, QFrame::Raised, kMainBevel);
    pnlMain->setObjectName("pnlMain");
    setCentralWidget(pnlMain);
    pnlMain->installEventFilter(this); // re-align the panels when it changes size

    pnlTop = Bevelled(pnlMain, QFrame::Sunken, 2);
    pnlTop->setObjectName("pnlTop");
    pnlCounter = Bevelled(pnlTop, QFrame::Sunken, 1);
    pnlCounter->setObjectName("pnlCounter");
    lblCounter = CounterLabel(pnlCounter);
    lblCounter->setObjectName("lblCounter");
    lblCounter->setText("1029");
    btnNewGame = new QPushButton(tr("Go"), pnlTop);
    btnNewGame->setObjectName("btnNewGame");
    connect(btnNewGame, &QPushButton::clicked, this, &TfrmDravolt::actNewGameExecute);
    pnlTimer = Bevelled(pnlTop, QFrame::Sunken, 1);
    pnlTimer->setObjectName("pnlTimer");
    lblTimer = CounterLabel(pnlTimer);
    lblTimer->setObjectName("lblTimer");
    lblTimer->setText("0000");

    pnlSpace = new QWidget(pnlMain);
    pnlSpace->setObjectName("pnlSpace");
}

void TfrmDravolt::ShowDebugLog()
{
    // Made only for a run with debug on: a text editor costs every other
    // start-up a good part of its time.
    if (!pnlDebug) {
        pnlDebug = new QWidget(pnlMain);
        pnlDebug->setObjectName("pnlDebug");
        mem = new QPlainTextEdit(pnlDebug);
        mem->setObjectName("mem");
        mem->setGeometry(80, 5, 224, 100);
        mem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    pnlDebug->show();
}

void TfrmDravolt::RealignPanels()
{
    const int inset = kMainBevel + kMainBorder;
    const int width = pnlMain->width() - 2 * inset;
    pnlTop->setGeometry(inset, inset, width, kTopHeight);
    pnlCounter->setGeometry(kCounterLeft, kCounterTop, kCounterSize.width(), kCounterSize.height());
    pnlTimer->setGeometry(pnlTop->width() - kCounterLeft - kCounterSize.width(), kCounterTop, kCounterSize.width(),
                          kCounterSize.height());
    // A translated Go may need a wider button; "Go" itself fits.
    const int goWidth = std::max(kGoSize.width(), TextWidth(btnNewGame));
    const int goLeft = static_cast<int>(std::trunc(pnlTop->width() / 2.0 - goWidth / 2.0));
    btnNewGame->setGeometry(goLeft, kCounterTop, goWidth, kGoSize.height());
    pnlSpace->setGeometry(inset, inset + kTopHeight, width, kSpaceHeight);
    const int fieldTop = inset + kTopHeight + kSpaceHeight;
    int fieldBottom = pnlMain->height() - inset;
    if (DebugLogShown()) {
        fieldBottom -= kDebugHeight;
        pnlDebug->setGeometry(inset, fieldBottom, width, kDebugHeight);
        mem->setGeometry(0, 0, width, kDebugHeight);
    }
    for (TPanelMineField* panel : {FPlainField, static_cast<TPanelMineField*>(FAnimatedField)})
        if (panel)
            panel->setGeometry(inset, fieldTop, width, fieldBottom - fieldTop);
}

void TfrmDravolt::DetectXPBorder()
{
    // The version query always answers on this desktop, and it is never the
    // one system that needed a taller window: the item stays hidden.
    const QOperatingSystemVersion version = QOperatingSystemVersion::current();
    actSizeForXP->setVisible(false);
    const bool xp = version.type() == QOperatingSystemVersion::Windows && version.majorVersion() == 5 &&
                    version.minorVersion() == 1;
    XPExtraHeight = xp ? 5 : 0;
}

QSize TfrmDravolt::ClientSizeFor(int cellWidth, int cellHeight) const
{
    const int extra = actSizeForXP->isVisible() ? (actSizeForXP->isChecked() ? XPExtraHeight : 0) : XPExtraHeight;
    const int frames = 2 * kMainBevel + 2 * kMainBorder;
    const int width = cellWidth * FField->SlotsAcross() + 2 * kFieldBevel + frames;
    const int height = cellHeight * FField->SlotsDown() + 2 * kFieldBevel +
                       (DebugLogShown() ? kDebugHeight : 0) + frames + kSpaceHeight + kTopHeight + extra;
    return {width, height};
}

void TfrmDravolt::SizeWindowToField()
{
    if (WindowSized)
        return;
    // The client area is set directly; the menu bar sits above it.
    pnlMain->setFixedSize(ClientSizeFor(FField->CellWidth(), FField->CellHeight()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    RealignPanels();
}

namespace {

int CellSizeAt(int zoom) { return kCellDesignSize * zoom / 100; }

} // namespace

bool TfrmDravolt::ZoomFits(int zoom) const
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return true;
    // The window's frame is known once the window manager has framed it.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = ClientSizeFor(CellSizeAt(zoom), CellSizeAt(zoom)) +
                        QSize(0, menuBar()->sizeHint().height()) + frame;
    const QSize room = shownOn->availableGeometry().size();
    return outer.width() <= room.width() && outer.height() <= room.height();
}

bool TfrmDravolt::UpdateZoom()
{
    std::size_t inUse = 0;
    for (std::size_t i = 0; i < kZoomPercents.size(); ++i) {
        // 100 % is always offered: the field as it has always been.
        const bool fits = i == 0 || ZoomFits(kZoomPercents[i]);
        miZoom[i]->setEnabled(fits);
        if (fits && kZoomPercents[i] <= FZoom)
            inUse = i;
    }
    miZoom[inUse]->setChecked(true);
    const int cell = CellSizeAt(kZoomPercents[inUse]);
    if (FField->CellWidth() == cell && FField->CellHeight() == cell)
        return false;
    FField->SetCellWidth(cell);
    FField->SetCellHeight(cell);
    return true;
}

void TfrmDravolt::KeepOnScreen()
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const QRect desk = shownOn->availableGeometry();
    const QRect frame = frameGeometry();
    const int left = std::max(desk.left(), std::min(frame.left(), desk.right() + 1 - frame.width()));
    const int top = std::max(desk.top(), std::min(frame.top(), desk.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        move(left, top);
}

void TfrmDravolt::SetupFieldPanel(TPanelMineField* panel)
{
    panel->setParent(pnlMain);
    panel->setFont(font());
    panel->SetTheme(FTheme);
    WatchPlay(*panel);
    RealignPanels();
    panel->show();
}

TPanelMineField* TfrmDravolt::ActivePanel() const
{
    if (FField == static_cast<IzorvMineField*>(FAnimatedField))
        return FAnimatedField;
    return FPlainField;
}

void TfrmDravolt::SelectFieldPanel(bool isSwitch)
{
    TPanelMineField* previous = FField ? ActivePanel() : nullptr;
    TPanelMineField* target = nullptr;
    if (actAnimate->isChecked()) {
        if (!FAnimatedField) {
            FAnimatedField = new TPanelMineFieldAnimatedButtons(*this, pnlMain, FTime);
            FAnimatedField->setObjectName("FAnimatedField");
            SetupFieldPanel(FAnimatedField);
        }
        target = FAnimatedField;
    } else {
        if (!FPlainField) {
            FPlainField = new TPanelMineField(*this, pnlMain, FTime);
            FPlainField->setObjectName("FPlainField");
            SetupFieldPanel(FPlainField);
        }
        target = FPlainField;
    }
    for (TPanelMineField* panel : {FPlainField, static_cast<TPanelMineField*>(FAnimatedField)})
        if (panel && panel != target)
            panel->hide();
    target->show();
    target->raise();
    if (previous && previous != target)
        previous->SetWinnerImage(nullptr);
    target->SetWinnerImage(&imgWinner);
    FField = target;
    if (isSwitch && previous && previous != target)
        CopyFieldSettings(*previous, *FField);
    FField->AllocateGrid();
}

void TfrmDravolt::CopyFieldSettings(const IzorvMineField& source, IzorvMineField& target)
{
    target.SetSlotsDown(source.SlotsDown());
    target.SetSlotsAcross(source.SlotsAcross());
    target.SetBombTotal(source.BombTotal());
    target.SetPlayMode(source.PlayMode());
    target.SetOptimizeStatsStart(source.OptimizeStatsStart());
}

void TfrmDravolt::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    FormShow();
}

void TfrmDravolt::FormShow()
{
    actNewGameExecute();
    // Centred on the desktop at the first show, never off its top-left corner.
    if (const QScreen* screen = this->screen()) {
        const QRect desk = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(desk.center());
        move(std::max(frame.left(), desk.left()), std::max(frame.top(), desk.top()));
    }
}
