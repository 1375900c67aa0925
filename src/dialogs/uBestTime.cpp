#include "dialogs/uBestTime.h"

#include "dialogs/DialogTools.h"
#include "i18n/Translations.h"
#include "records/SessionStats.h"
#include "render/Fonts.h"
#include "settings/zorvUtil.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWindow>

namespace {

constexpr int kTopHeight = 36;
constexpr int kBottomHeight = 41;
constexpr int kColumns = 5;
// The dialog's size with its window frame; the client area is what the frame
// leaves of it.
constexpr QSize kOuterSize(421, 727);
// btnOk's left edge at that size; it keeps its distance to the right edge.
constexpr int kOkLeft = 335;

} // namespace

TfrmBestTime::TfrmBestTime(QWidget* parent) : QDialog(parent), FDesignClient(kOuterSize)
{
    setObjectName("frmBestTime");
    setWindowTitle(tr("Best Times"));
    setFont(WindowFont());
    setSizeGripEnabled(true);

    pnlTop = new QWidget(this);
    pnlTop->setObjectName("pnlTop");
    pnlTop->hide();
    lblSession = new QLabel(tr("Session:"), pnlTop);
    lblSession->setObjectName("lblSession");
    lblSession->setGeometry(5, 8, 41, 13);
    cboSession = new QComboBox(pnlTop);
    cboSession->setObjectName("cboSession");
    cboSession->setEditable(false);
    cboSession->setGeometry(50, 5, 156, 21);
    connect(cboSession, &QComboBox::currentIndexChanged, this, &TfrmBestTime::cboSessionChange);
    FitTexts(pnlTop);

    grd = new QTableWidget(1, kColumns, this);
    grd->setObjectName("grd");
    grd->verticalHeader()->hide();
    grd->horizontalHeader()->setDefaultSectionSize(45);
    grd->horizontalHeader()->setMinimumSectionSize(0);
    grd->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Narrow columns: the captions need the room more than the padding does.
    grd->horizontalHeader()->setStyleSheet("QHeaderView::section { padding: 1px 2px; }");
    grd->verticalHeader()->setDefaultSectionSize(20);
    grd->setShowGrid(true);
    grd->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd->setSelectionMode(QAbstractItemView::SingleSelection);
    grd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetHeader({});

    pnlBottom = new QWidget(this);
    pnlBottom->setObjectName("pnlBottom");
    btnAction = new QPushButton(pnlBottom);
    btnAction->setObjectName("btnAction");
    btnAction->setGeometry(5, 10, 256, 25);
    btnAction->setAutoDefault(false);
    btnAction->hide();
    btnOk = new QPushButton(tr("OK"), pnlBottom);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    btnOk->setFocus();

    resize(FDesignClient);
    Realign();
}

void TfrmBestTime::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Realign();
}

void TfrmBestTime::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window manager frames the window after it is shown: every notice of
    // the window system is a chance that the frame has become known.
    if (!FFramed && windowHandle()) {
        windowHandle()->installEventFilter(this);
        FitToFrame();
    }
}

bool TfrmBestTime::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle()) {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::FocusIn:
            FitToFrame();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmBestTime::FitToFrame()
{
    // Without a frame the client area is the whole size.
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull())
        return;
    FFramed = true;
    windowHandle()->removeEventFilter(this);
    FDesignClient = kOuterSize.shrunkBy(frame);
    resize(FDesignClient);
}

void TfrmBestTime::Realign()
{
    const int top = pnlTop->isVisibleTo(this) ? kTopHeight : 0;
    pnlTop->setGeometry(0, 0, width(), kTopHeight);
    pnlBottom->setGeometry(0, height() - kBottomHeight, width(), kBottomHeight);
    btnOk->setGeometry(width() - (FDesignClient.width() - kOkLeft), 10, 75, 25);
    grd->setGeometry(0, top, width(), height() - kBottomHeight - top);
}

void TfrmBestTime::SetMode(const QString& mode)
{
    FMode = mode;
    pnlTop->setVisible(SameText(mode.toStdString(), kViewStatMode));
    Realign();
}

void TfrmBestTime::SetAction(QAction* action)
{
    if (FAction)
        disconnect(btnAction, &QPushButton::clicked, FAction, &QAction::trigger);
    FAction = action;
    if (!action)
        return;
    btnAction->setText(action->text());
    connect(btnAction, &QPushButton::clicked, action, &QAction::trigger);
    btnAction->show();
}

void TfrmBestTime::SetSessions(TSessionList* sessions, const TIniStore* history)
{
    FSessions = sessions;
    FHistory = history;
}

int TfrmBestTime::RowCount() const { return grd->rowCount() + 1; }

QString TfrmBestTime::Cell(int column, int row) const
{
    if (row == 0) {
        const QTableWidgetItem* header = grd->horizontalHeaderItem(column);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* item = grd->item(row - 1, column);
    return item ? item->text() : QString();
}

void TfrmBestTime::SetHeader(const QStringList& captions)
{
    QStringList labels = captions;
    while (labels.size() < kColumns)
        labels << QString();
    grd->setHorizontalHeaderLabels(labels);
    for (int column = 0; column < kColumns; ++column) {
        const int width = CaptionWidth(column, grd->columnWidth(column));
        if (width != grd->columnWidth(column))
            grd->setColumnWidth(column, width);
    }
}

int TfrmBestTime::CaptionWidth(int column, int width) const
{
    // A translated caption widens its column until it shows whole; the
    // English columns keep their drawn widths.
    if (width == 0 || CurrentLanguage().isEmpty())
        return width;
    return std::max(width, grd->horizontalHeader()->sectionSizeHint(column));
}

void TfrmBestTime::SetColumnWidth(int column, int width)
{
    grd->setColumnWidth(column, CaptionWidth(column, width));
    grd->setColumnHidden(column, width == 0);
}

void TfrmBestTime::SetRowCount(int rows) { grd->setRowCount(std::max(rows - 1, 0)); }

void TfrmBestTime::AddRow(const QStringList& cells)
{
    const int row = grd->rowCount();
    grd->setRowCount(row + 1);
    for (int column = 0; column < cells.size() && column < kColumns; ++column)
        grd->setItem(row, column, new QTableWidgetItem(cells[column]));
}

void TfrmBestTime::AddTitleRow(const QString& title)
{
    AddRow({title});
    const int row = grd->rowCount() - 1;
    grd->setSpan(row, 0, 1, kColumns);
    QFont bold = grd->item(row, 0)->font();
    bold.setBold(true);
    grd->item(row, 0)->setFont(bold);
}

void TfrmBestTime::cboSessionChange()
{
    const QString name = cboSession->currentText();
    if (name.isEmpty() || !FSessions || !FHistory)
        return;
    const std::size_t index = FSessions->IndexOf(name.toStdString());
    if (index == TSessionList::npos)
        return;
    const TGameList& games = SessionGames((*FSessions)[index], FHistory->Ini());
    SetRowCount(2);
    for (std::size_t j = games.size(); j-- > 0;) {
        const TGameStat& game = games[j];
        const QString key = QString::number(j + 1);
        AddRow({key, QString::fromStdString(game.BombsLeftText), QString::number(game.Average),
                QString::fromStdString(game.Time), key});
    }
}

void TfrmBestTime::CurrentSessionCleared()
{
    if (!SameText(FMode.toStdString(), kViewStatMode))
        return;
    const int current = cboSession->findText(QString::fromUtf8(kCurrentSession.data(), kCurrentSession.size()),
                                             Qt::MatchFixedString);
    {
        const QSignalBlocker quiet(cboSession);
        if (current >= 0)
            cboSession->removeItem(current);
    }
    btnAction->hide();
    if (cboSession->count() > 0) {
        {
            const QSignalBlocker quiet(cboSession);
            cboSession->setCurrentIndex(0);
        }
        cboSessionChange();
    } else {
        SetRowCount(2); // nothing left to show: the header and the empty row
    }
}
