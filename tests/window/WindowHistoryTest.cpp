// The game history from the main window's menu: the history window's figures,
// list and chart in the player's language, its export as CSV, and boards
// played from codes.
#include "WindowTestSupport.h"
#include "chart/WinsChartModule.h"
#include "gamelog/BoardCode.h"
#include "gamelog/GameDatabase.h"
#include "history/HistoryRoom.h"
#include "history/HistoryWindow.h"
#include "i18n/Translations.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QInputDialog>
#include <QLegend>
#include <QPushButton>
#include <QTableView>

namespace {

TGameRow Game(const char* endedAt, const char* result, std::int64_t millis, int bbbvDone, int leftClicks)
{
    TGameRow row;
    row.EndedAt = endedAt;
    row.Height = 9;
    row.Width = 10;
    row.Bombs = 10;
    row.Mode = GameModes::Normal;
    row.Result = result;
    row.Millis = millis;
    row.Bbbv = 30;
    row.BbbvDone = bbbvDone;
    row.LeftClicks = leftClicks;
    row.Mines = "1,2,3,4,5,6,7,8,9,10";
    return row;
}

// A game lost, then one won: the won one is the newest.
const TGameRow kLost = Game("2026-12-08T11:00:00+01:00", GameResults::Lost, 5000, 3, 4);
const TGameRow kWon = Game("2026-12-08T12:00:00+01:00", GameResults::Won, 12345, 30, 40);

struct HistoryFixture : WindowFixture {
    ~HistoryFixture() override { InstallTranslations(*qApp, QString()); }

    void Record(const std::vector<TGameRow>& rows)
    {
        TGameDatabase db;
        ASSERT_EQ(db.Open(Path("DravoltGames.sqlite"), "today"), TDatabaseOpen::Ready);
        for (const TGameRow& row : rows)
            ASSERT_TRUE(db.Record(row));
    }
    // Opens Game > History and hands the window to look, then closes it.
    void InHistory(const std::function<void(THistoryWindow&)>& look)
    {
        bool opened = false;
        dialogs.push_back([&](QDialog& dialog) {
            opened = true;
            look(dynamic_cast<THistoryWindow&>(dialog));
            return int(QDialog::Rejected);
        });
        window->actHistory->trigger();
        EXPECT_TRUE(opened);
    }
};

struct TFiguresCase {
    const char* Name;
    const char* Language;
    std::vector<TGameRow> Games;
    QStringList Figures;  // as the form lists them
    QStringList FirstRow; // the newest game in the list
    QString ChartTitle;
    bool AxesShown;
};

void PrintTo(const TFiguresCase& c, std::ostream* os) { *os << c.Name; }

class HistoryFiguresTest : public HistoryFixture, public testing::WithParamInterface<TFiguresCase> {};

TEST_P(HistoryFiguresTest, ShownInThePlayersLanguage)
{
    const TFiguresCase& c = GetParam();
    Record(c.Games);
    ASSERT_TRUE(InstallTranslations(*qApp, c.Language));
    ASSERT_TRUE(Start());
    InHistory([&](THistoryWindow& history) {
        QStringList figures;
        for (const QLabel* label : history.lblFigures)
            figures << label->text();
        EXPECT_EQ(figures.join(" | ").toStdString(), c.Figures.join(" | ").toStdString());
        QStringList first;
        const QAbstractItemModel* list = history.grdGames->model();
        for (int column = 0; column < list->columnCount() && list->rowCount() > 0; ++column)
            first << list->index(0, column).data().toString();
        EXPECT_EQ(first.join(" | ").toStdString(), c.FirstRow.join(" | ").toStdString());
        const auto* view = qobject_cast<const QChartView*>(history.chtProgress);
        ASSERT_NE(view, nullptr);
        const QChart* chart = view->chart();
        EXPECT_EQ(chart->title().toStdString(), c.ChartTitle.toStdString());
        for (const QAbstractAxis* axis : chart->axes())
            EXPECT_EQ(axis->isVisible(), c.AxesShown) << axis->titleText().toStdString();
        EXPECT_EQ(chart->legend()->isVisible(), c.AxesShown);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryFiguresTest,
    testing::Values(
        // No games yet: no axes with ticks of a made-up range.
        TFiguresCase{"NoGames", "", {},
                     {"0", "0", "0.0 %", "none", "none", "none", "0", "0"}, {},
                     "No wins of this size and mode yet", false},
        TFiguresCase{"OnlyALoss", "", {kLost},
                     {"1", "0", "0.0 %", "none", "none", "none", "0", "0"},
                     {"2026-12-08 11:00:00+01:00", "5.000", "3/30", "0.60", "75 %", "lost"},
                     "No wins of this size and mode yet", false},
        TFiguresCase{"English", "", {kLost, kWon},
                     {"2", "1", "50.0 %", "12.345 s", "2.43", "12.345 s", "1", "1"},
                     {"2026-12-08 12:00:00+01:00", "12.345", "30/30", "2.43", "75 %", "won"},
                     "Wins of this size and mode", true},
        // Decimals as the language writes them.
        TFiguresCase{"German", "de", {kLost, kWon},
                     {"2", "1", "50,0 %", "12,345 s", "2,43", "12,345 s", "1", "1"},
                     {"2026-12-08 12:00:00+01:00", "12,345", "30/30", "2,43", "75 %", "gewonnen"},
                     "Siege mit dieser Größe und diesem Modus", true}),
    [](const testing::TestParamInfo<TFiguresCase>& info) { return std::string(info.param.Name); });

// The chart comes from the module beside the program, and from nowhere else.
TEST(WinsChartModuleTest, IsLoadedOnlyFromAFolderThatHasIt)
{
    const QTemporaryDir empty;
    EXPECT_NE(LoadWinsChart({empty.path(), QCoreApplication::applicationDirPath()}), nullptr);
    EXPECT_EQ(LoadWinsChart({empty.path()}), nullptr);
}

TEST_F(HistoryFixture, ExportWritesTheGamesShownAsCsv)
{
    Record({kLost, kWon});
    ASSERT_TRUE(Start());
    const QString path = folder.path() + "/export.csv";
    InHistory([&](THistoryWindow& history) {
        dialogs.push_back([&](QDialog& dialog) {
            auto& chooser = dynamic_cast<QFileDialog&>(dialog);
            EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptSave);
            chooser.selectFile(path);
            return int(QDialog::Accepted);
        });
        history.btnExport->click();
    });
    EXPECT_EQ(ReadFile("export.csv"),
              "id,ended_at,height,width,bombs,mode,result,millis,bbbv,bbbv_done,bbbv_per_second,efficiency,"
              "left_clicks,right_clicks,chords\r\n"
              "1,2026-12-08T11:00:00+01:00,9,10,10,normal,lost,5000,30,3,0.600,75.0,4,0,0\r\n"
              "2,2026-12-08T12:00:00+01:00,9,10,10,normal,won,12345,30,30,2.430,75.0,40,0,0\r\n");
    EXPECT_TRUE(messages.empty());
}

struct TCodeCase {
    const char* Name;
    std::function<QString(const QString& good)> Typed; // into the prompt; null: cancelled
    QString Message;                                    // empty: none
};

void PrintTo(const TCodeCase& c, std::ostream* os) { *os << c.Name; }

class BoardCodeTest : public HistoryFixture, public testing::WithParamInterface<TCodeCase> {};

TEST_P(BoardCodeTest, AGoodCodeDealsItsBoardAndAnyOtherChangesNothing)
{
    const TCodeCase& c = GetParam();
    const TBoard board{9, 12, 0, {5, 17, 42, 88, 107}};
    const QString good = QString::fromStdString(BoardToCode(board));
    ASSERT_TRUE(Start());
    const int across = window->FField->SlotsAcross();
    dialogs.push_back([&](QDialog& dialog) {
        if (!c.Typed)
            return int(QDialog::Rejected);
        dynamic_cast<QInputDialog&>(dialog).setTextValue(c.Typed(good));
        return int(QDialog::Accepted);
    });
    window->actPlayBoardCode->trigger();

    ASSERT_EQ(messages.size(), c.Message.isEmpty() ? 0u : 1u);
    if (!c.Message.isEmpty()) {
        EXPECT_EQ(messages.front().Text, c.Message);
    }
    const TGameRecorder& recorder = window->FGameHistory->Recorder();
    const bool dealt = c.Typed && c.Message.isEmpty();
    ASSERT_EQ(recorder.HasBoard(), dealt);
    if (dealt) {
        EXPECT_EQ(TBoard({recorder.Height(), recorder.Width(), recorder.Start(), recorder.Mines()}), board);
        EXPECT_EQ(window->FField->SlotsAcross(), 12);
    } else {
        EXPECT_EQ(window->FField->SlotsAcross(), across);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoardCodeTest,
    testing::Values(
        TCodeCase{"Good", [](const QString& good) { return good; }, {}},
        TCodeCase{"OneCharacterChanged",
                  [](const QString& good) {
                      QString damaged = good;
                      damaged[8] = damaged[8] == 'A' ? 'B' : 'A';
                      return damaged;
                  },
                  "This board code is damaged: some of it was changed or lost in copying."},
        TCodeCase{"OtherText", [](const QString&) { return QString("hello"); }, "This is not a Dravolt board code."},
        TCodeCase{"Cancelled", nullptr, {}}),
    [](const testing::TestParamInfo<TCodeCase>& info) { return std::string(info.param.Name); });

} // namespace
