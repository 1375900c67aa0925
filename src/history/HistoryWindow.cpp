#include "history/HistoryWindow.h"

#include "chart/WinsChartModule.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/MessageBox.h"
#include "history/HistoryRoom.h"
#include "history/HistoryTable.h"
#include "history/ReplayWindow.h"
#include "i18n/Translations.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <variant>

namespace {

constexpr std::size_t kChartPoints = 500;

QString ModeText(const std::string& mode)
{
    if (mode == GameModes::NoGuess)
        return THistoryWindow::tr("no guessing");
    if (mode == GameModes::CornerToCorner)
        return THistoryWindow::tr("corner to corner");
    if (mode == GameModes::Code)
        return THistoryWindow::tr("boards from codes");
    return THistoryWindow::tr("normal");
}

} // namespace

QString THistoryWindow::KindText(const TGameKind& kind)
{
    return tr("%1 x %2, %3 bombs, %4").arg(kind.Height).arg(kind.Width).arg(kind.Bombs).arg(ModeText(kind.Mode));
}

THistoryWindow::THistoryWindow(THistoryRoom& room, std::function<void(const TBoard&)> playBoard, QWidget* parent)
    : QDialog(parent), FRoom(room), FPlayBoard(std::move(playBoard))
{
    setWindowTitle(tr("Game History"));
    setAccessibleName(tr("Game History"));
    resize(760, 760);
    auto* layout = new QVBoxLayout(this);

    cboKind = new QComboBox(this);
    cboKind->setObjectName("cboKind");
    cboKind->setAccessibleName(tr("Size and mode"));
    auto* figures = new QFormLayout;
    figures->addRow(tr("&Size and mode:"), cboKind);
    const QString names[] = {tr("Games:"), tr("Wins:"), tr("Win rate:"), tr("Best time:"), tr("Best 3BV/s:"),
                             tr("Average time of wins:"), tr("Current winning streak:"), tr("Longest winning streak:")};
    for (const QString& name : names) {
        auto* value = new QLabel(this);
        value->setAccessibleName(QString(name).remove(':'));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        figures->addRow(name, value);
        lblFigures.push_back(value);
    }
    layout->addLayout(figures);

    auto* split = new QSplitter(Qt::Vertical, this);
    grdGames = new QTableView(split);
    grdGames->setObjectName("grdGames");
    grdGames->setAccessibleName(tr("Games"));
    FTable = new THistoryTable(grdGames);
    grdGames->setModel(FTable);
    grdGames->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdGames->setSelectionMode(QAbstractItemView::SingleSelection);
    grdGames->verticalHeader()->hide();
    grdGames->horizontalHeader()->setStretchLastSection(true);
    grdGames->setSortingEnabled(true);
    grdGames->sortByColumn(THistoryTable::Ended, Qt::DescendingOrder);
    if (const TNewWinsChart newChart = LoadWinsChart()) {
        TWinsChartSetup setup{tr("Time (s)"), tr("3BV/s"), tr("Win"), std::nullopt};
        // English keeps the axes' own number format.
        if (!CurrentLanguage().isEmpty())
            setup.Numbers = CurrentNumberLocale();
        FChart = newChart(setup, split);
        chtProgress = FChart->Widget();
    } else {
        auto* missing = new QLabel(tr("The chart of winning times could not be shown."), split);
        missing->setAlignment(Qt::AlignCenter);
        chtProgress = missing;
    }
    chtProgress->setObjectName("chtProgress");
    chtProgress->setAccessibleName(tr("Winning times and 3BV/s"));
    chtProgress->setMinimumHeight(260);
    layout->addWidget(split, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    btnReplay = buttons->addButton(tr("&Replay"), QDialogButtonBox::ActionRole);
    btnReplay->setObjectName("btnReplay");
    btnPlayAgain = buttons->addButton(tr("&Play This Board Again"), QDialogButtonBox::ActionRole);
    btnPlayAgain->setObjectName("btnPlayAgain");
    btnExport = buttons->addButton(tr("&Export as CSV..."), QDialogButtonBox::ActionRole);
    btnExport->setObjectName("btnExport");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnReplay, &QPushButton::clicked, this, &THistoryWindow::ReplaySelected);
    connect(btnPlayAgain, &QPushButton::clicked, this, &THistoryWindow::PlaySelectedAgain);
    connect(btnExport, &QPushButton::clicked, this, &THistoryWindow::ExportCsv);
    connect(grdGames, &QTableView::doubleClicked, this, &THistoryWindow::ReplaySelected);

    FGames = FRoom.Games();
    FKinds = KindsPlayed(FGames);
    for (const TGameKind& kind : FKinds)
        cboKind->addItem(KindText(kind));
    connect(cboKind, &QComboBox::currentIndexChanged, this, &THistoryWindow::ShowKind);
    ShowKind(cboKind->currentIndex());
}

void THistoryWindow::ShowKind(int index)
{
    FShown.clear();
    if (index >= 0 && index < static_cast<int>(FKinds.size()))
        for (const TGameRow& row : FGames)
            if (IsOfKind(row, FKinds[static_cast<std::size_t>(index)]))
                FShown.push_back(&row);
    const TFigures f = FiguresOf(FShown);
    const QString none = tr("none");
    const QLocale numbers = CurrentNumberLocale();
    const QString values[] = {
        QString::number(f.Games),
        QString::number(f.Wins),
        numbers.toString(f.WinRate, 'f', 1) + QStringLiteral(" %"),
        f.BestMillis > 0 ? tr("%1 s").arg(THistoryTable::TimeText(f.BestMillis, numbers)) : none,
        f.Wins > 0 ? numbers.toString(f.BestBbbvPerSecond, 'f', 2) : none,
        f.Wins > 0 ? tr("%1 s").arg(numbers.toString(f.AverageWinMillis / 1000.0, 'f', 3)) : none,
        QString::number(f.CurrentStreak),
        QString::number(f.LongestStreak),
    };
    for (std::size_t i = 0; i < lblFigures.size(); ++i)
        lblFigures[i]->setText(values[i]);
    FTable->SetGames(FShown);
    const QHeaderView* header = grdGames->horizontalHeader();
    FTable->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    UpdateChart(FShown);
    const bool any = !FShown.empty();
    btnReplay->setEnabled(any);
    btnPlayAgain->setEnabled(any);
    btnExport->setEnabled(any);
    if (any)
        grdGames->selectRow(0);
}

void THistoryWindow::UpdateChart(const std::vector<const TGameRow*>& games)
{
    if (!FChart)
        return;
    // Beyond kChartPoints wins a point stands for the average of a run of
    // wins that follow each other: the trend shows, and the chart stays quick.
    std::vector<const TGameRow*> won;
    for (const TGameRow* row : games)
        if (row->Won())
            won.push_back(row);
    const std::size_t run = std::max<std::size_t>(1, (won.size() + kChartPoints - 1) / kChartPoints);
    QList<QPointF> times;
    QList<QPointF> speeds;
    for (std::size_t first = 0; first < won.size(); first += run) {
        const std::size_t last = std::min(won.size(), first + run);
        double seconds = 0;
        double speed = 0;
        for (std::size_t i = first; i < last; ++i) {
            seconds += static_cast<double>(won[i]->Millis) / 1000.0;
            speed += won[i]->BbbvPerSecond();
        }
        const double n = static_cast<double>(last - first);
        const double x = static_cast<double>(last); // the win the run ends with
        times.append({x, seconds / n});
        speeds.append({x, speed / n});
    }
    FChart->Show({won.empty() ? tr("No wins of this size and mode yet") : tr("Wins of this size and mode"), times,
                  speeds, static_cast<int>(won.size())});
}

const TGameRow* THistoryWindow::SelectedGame() const
{
    const QModelIndexList rows = grdGames->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : FTable->GameAt(rows.first().row());
}

void THistoryWindow::ReplaySelected()
{
    const TGameRow* selected = SelectedGame();
    const std::optional<TGameRow> row = selected ? FRoom.Game(selected->Id) : std::nullopt;
    const std::optional<TReplayGame> game = row ? ReplayGameOf(*row) : std::nullopt;
    if (!game) {
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok, tr("This game's record cannot be read, so it cannot be replayed."));
        return;
    }
    TReplayWindow replay(*game, this);
    ExecDialog(replay);
}

void THistoryWindow::PlaySelectedAgain()
{
    const TGameRow* selected = SelectedGame();
    const std::optional<TGameRow> row = selected ? FRoom.Game(selected->Id) : std::nullopt;
    if (!row)
        return;
    const auto mines = MinesFromText(row->Mines);
    const TBoard board{row->Height, row->Width, row->Start,
                       std::holds_alternative<std::vector<int>>(mines) ? std::get<std::vector<int>>(mines)
                                                                      : std::vector<int>{}};
    if (!std::holds_alternative<std::vector<int>>(mines) || !BoardPlayable(board)) {
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok, tr("This game's board cannot be read, so it cannot be played again."));
        return;
    }
    accept();
    FPlayBoard(board);
}

void THistoryWindow::ExportCsv()
{
    QFileDialog chooser(this, tr("Export as CSV"), tr("games.csv"), tr("CSV files (*.csv)"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    if (ExecDialog(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString path = chooser.selectedFiles().first();
    QFile file(path);
    const std::string csv = GamesCsv(FShown);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()))
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok, tr("Could not write %1.").arg(path));
}
