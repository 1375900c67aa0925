// Recording finished games: the session statistics, best times with the name
// prompt, saving the session at close, and the two views.
#include "window/WindowTestSupport.h"

#include "dialogs/uBestTime.h"
#include "dialogs/uGetName.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::vector<std::string> kOneBomb = {"*.........", "..........", ".........."};

struct RecordsTest : WindowFixture {
    QString offeredName;

    // Wins a 3 x 10 game with one bomb after the given seconds.
    void Win(int seconds)
    {
        Layout(kOneBomb);
        window->FClockSeconds = seconds - 1;
        window->timClockTimer(); // the clock shows the seconds too
        Click(9, 2);
    }
    void Lose()
    {
        Layout(kOneBomb);
        Click(0, 0);
    }
    // The next name prompt: remember what it offered, answer with a name.
    void AnswerName(QString name, bool accept = true)
    {
        dialogs.push_back([this, name, accept](QDialog& dialog) {
            auto& prompt = dynamic_cast<TfrmGetName&>(dialog);
            offeredName = prompt.PlayerName();
            prompt.edtName->setText(name);
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
    }
    std::string Setting(const char* section, const char* key) const
    {
        return window->FSettings.ReadString(section, key, "-1");
    }
};

TEST_F(RecordsTest, FirstWinForASizeOffersMeAndStoresAtOnce)
{
    WriteFile("Dravolt.ini", "[sizes]\n[0]=9.9.10\n[times]\n[0]=50\n[names]\n[0]=Bo\n[dates]\n[0]=x\n");
    ASSERT_TRUE(Start());
    AnswerName("Ann");
    Win(30);
    EXPECT_EQ(offeredName, "me");
    EXPECT_EQ(Setting("sizes", "[1]"), "3.10.1");
    EXPECT_EQ(Setting("times", "[1]"), "30");
    EXPECT_EQ(Setting("names", "[1]"), "Ann");
    EXPECT_EQ(Setting("dates", "[1]"), "2026 12 08, 21:07");
    const std::string onDisk = ReadFile("Dravolt.ini");
    EXPECT_NE(onDisk.find("[1]=Ann\n"), std::string::npos) << "written at once while the tree is not loaded";
    EXPECT_EQ(window->CurrentSessionGameCount(), 1);
}

TEST_F(RecordsTest, EqualTimeKeepsTheRecordAndAFasterOneReplacesItInPlace)
{
    WriteFile("Dravolt.ini", "[sizes]\n[0]=3.10.1\n[times]\n[0]=30\n[names]\n[0]=Bo\n[dates]\n[0]=old\n");
    ASSERT_TRUE(Start());
    Win(30);
    EXPECT_TRUE(dialogTitles.empty()) << "an equal time is no new best";
    AnswerName("Cy");
    Win(29);
    EXPECT_EQ(offeredName, "Bo");
    EXPECT_EQ(Setting("times", "[0]"), "29");
    EXPECT_EQ(Setting("names", "[0]"), "Cy");
    EXPECT_EQ(Setting("sizes", "[1]"), "-1");
    EXPECT_EQ(window->CurrentSessionGameCount(), 2);
}

TEST_F(RecordsTest, CancelledPromptChangesNothing)
{
    WriteFile("Dravolt.ini", "[sizes]\n[0]=3.10.1\n[times]\n[0]=30\n[names]\n[0]=Bo\n[dates]\n[0]=old\n");
    ASSERT_TRUE(Start());
    window->actBestTimeExecute(); // loads the tree
    const std::string before = ReadFile("Dravolt.ini");
    AnswerName("Cy", false);
    Win(10);
    EXPECT_EQ(Setting("times", "[0]"), "30");
    EXPECT_EQ(ReadFile("Dravolt.ini"), before);
    EXPECT_EQ(window->FBestTimes->at("03").WideList.at("10").BombList.at("0001").Time, "30");
}

TEST_F(RecordsTest, WithTheTreeLoadedANewBestStillReachesTheDiskAtOnceAndEntersTheTree)
{
    ASSERT_TRUE(Start());
    window->actBestTimeExecute();
    AnswerName("Di");
    Win(12);
    EXPECT_NE(ReadFile("Dravolt.ini").find("[0]=Di\n"), std::string::npos);
    EXPECT_EQ(window->FBestTimes->at("03").WideList.at("10").BombList.at("0001").Name, "Di");
}

// Another window saved a record for the same size after this one started.
TEST_F(RecordsTest, WinsAreJudgedAgainstTheFileAsItIsNow)
{
    ASSERT_TRUE(Start());
    window->actBestTimeExecute(); // the tree follows the file too
    dialogTitles.clear();
    window->actFreeClick->trigger();
    WriteFile("Dravolt.ini", "[sizes]\n[0]=3.10.1\n[times]\n[0]=20\n[names]\n[0]=Bo\n");
    Win(20);
    EXPECT_TRUE(dialogTitles.empty()) << "an equal time stored by another run asks nothing";
    EXPECT_EQ(window->FBestTimes->at("03").WideList.at("10").BombList.at("0001").Name, "Bo");

    // While the prompt is open the other window stores a better time still.
    dialogs.push_back([this](QDialog& dialog) {
        WriteFile("Dravolt.ini", "[sizes]\n[0]=3.10.1\n[times]\n[0]=15\n[names]\n[0]=Cy\n");
        dynamic_cast<TfrmGetName&>(dialog).edtName->setText("Di");
        return int(QDialog::Accepted);
    });
    Win(18);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].Text.startsWith("Another Dravolt window")) << messages[0].Text.toStdString();
    const std::string saved = ReadFile("Dravolt.ini");
    EXPECT_NE(saved.find("[0]=15\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[0]=Cy\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("freeClick=1\n"), std::string::npos) << "this run's option went with the save";
    EXPECT_EQ(window->FBestTimes->at("03").WideList.at("10").BombList.at("0001").Time, "15");
}

TEST_F(RecordsTest, BoardsWithoutGuessingKeepRecordsOfTheirOwn)
{
    const std::string classic = "[sizes]\n[0]=3.10.0\n[times]\n[0]=50\n[names]\n[0]=Bo\n[dates]\n[0]=d\n";
    WriteFile("Dravolt.ini", "[settings]\nslotsDown=3\nbombTotal=0\nnoGuess=1\n" + classic);
    ASSERT_TRUE(Start());
    AnswerName("Ann");
    Click(5, 1); // no bombs: the first click wins
    EXPECT_EQ(offeredName, "me") << "the classic record does not count";
    window->actNoGuess->trigger();
    window->actNewGameExecute();
    AnswerName("Cy");
    Click(5, 1);
    EXPECT_EQ(offeredName, "Bo");

    // Today's reading of the classic records finds them as they were
    // written, with the no-guess ones beside them.
    const TMemIniFile reloaded = *TMemIniFile::FromFile(Path("Dravolt.ini"));
    EXPECT_EQ(ReadBestTimeEntry(reloaded, 0)->Name, "Cy");
    EXPECT_FALSE(ReadBestTimeEntry(reloaded, 1));
    EXPECT_EQ(ReadBestTimeEntry(reloaded, 0, kNoGuessBestTimes)->Name, "Ann");

    TfrmBestTime* view = nullptr;
    QStringList rows;
    dialogs.push_back([&](QDialog& dialog) {
        view = dynamic_cast<TfrmBestTime*>(&dialog);
        for (int row = 1; row < view->RowCount(); ++row)
            rows << view->Cell(0, row) + "|" + view->Cell(4, row);
        return int(QDialog::Accepted);
    });
    window->actBestTimeExecute();
    EXPECT_EQ(rows, (QStringList{"|", "3|Cy", "|", "Boards without guessing|", "3|Ann"}));
}

TEST_F(RecordsTest, UnreadableStoredTimeIsReportedAndNothingIsPrompted)
{
    const std::string settings = "[sizes]\n[0]=3.10.1\n[times]\n[0]=fast\n[names]\n[0]=Bo\n";
    WriteFile("Dravolt.ini", settings);
    ASSERT_TRUE(Start());
    Win(5);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].Text.contains("unreadable"));
    EXPECT_TRUE(dialogTitles.empty());
    EXPECT_EQ(window->CurrentSessionGameCount(), 1) << "the session still has the game";
    EXPECT_EQ(ReadFile("Dravolt.ini"), settings);
}

TEST_F(RecordsTest, CornerToCornerWinsAreRecordedButNotCompared)
{
    // Also when the mode was switched off while its board was on the table.
    for (const bool switchedOff : {false, true}) {
        WriteFile("Dravolt.ini", "[settings]\ncornerToCorner=1\n");
        ASSERT_TRUE(Start());
        Layout({"....*.....", "..........", ".........."});
        if (switchedOff) {
            // Lost first, so that no game runs while the mode is switched.
            Panel().Cell(3, 0).Cleared = Panel().Cell(3, 0).Shown = true;
            Click(4, 0);
            window->actCornerToCorner->trigger();
            ASSERT_TRUE(window->FPlayMode.empty());
            window->actUndo->trigger();
        }
        Panel().StartClick = true; // the corner start click floods to the far corner
        Click(0, 0);
        Panel().StartClick = false;
        ASSERT_FALSE(window->FField->Enabled());
        EXPECT_TRUE(dialogTitles.empty()) << switchedOff;
        EXPECT_EQ(window->CurrentSessionGameCount(), 1);
        window.reset();
    }
}

TEST_F(RecordsTest, OptimizedStartSkipsOnlyTheEarlyFirstLoss)
{
    WriteFile("Dravolt.ini", "[settings]\noptimizeStatsStart=1\n");
    ASSERT_TRUE(Start());
    Lose();
    EXPECT_FALSE(window->FLossPending);
    window->actNewGameExecute();
    EXPECT_EQ(window->CurrentSessionGameCount(), 0);
    AnswerName("me");
    Win(9);
    Lose();
    EXPECT_TRUE(window->FLossPending) << "the session has a game now";
}

TEST_F(RecordsTest, LostUndoneAndWonIsOneWin)
{
    ASSERT_TRUE(Start());
    Layout(kOneBomb);
    Click(1, 0);
    Click(0, 0);
    window->actUndo->trigger();
    Click(9, 2);
    ASSERT_EQ(window->CurrentSessionGameCount(), 1);
    const TGameList& games = *window->FSessions.Find("current")->Games;
    EXPECT_EQ(games[0].BombsLeftText, "0");
    EXPECT_FALSE(window->FLossPending);
    window->actNewGameExecute();
    EXPECT_EQ(window->CurrentSessionGameCount(), 1);
}

TEST_F(RecordsTest, AbandonedGamesAreNotRecorded)
{
    ASSERT_TRUE(Start());
    Layout(kOneBomb);
    Click(1, 0);
    window->actNewGameExecute();
    EXPECT_EQ(window->CurrentSessionGameCount(), 0);
    EXPECT_TRUE(Close());
    EXPECT_TRUE(messages.empty()) << "no game, no question";
    EXPECT_EQ(ReadFile("DravoltHistory.ini"), "");
}

TEST_F(RecordsTest, LossNeverFollowedByANewGameIsRecordedAtCloseBeforeTheQuestion)
{
    ASSERT_TRUE(Start());
    Lose();
    answers = {TMsgResult::No};
    EXPECT_TRUE(Close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Would you like to save the stats for this session?");
    EXPECT_EQ(messages[0].Buttons, TMsgButtons::YesNoCancel);
    EXPECT_EQ(window->CurrentSessionGameCount(), 1);
    EXPECT_EQ(ReadFile("DravoltHistory.ini"), "");
}

TEST_F(RecordsTest, CancelAtTheQuestionKeepsRunningAndSavesNothing)
{
    ASSERT_TRUE(Start());
    window->actFreeClick->trigger();
    Lose();
    answers = {TMsgResult::Cancel};
    EXPECT_FALSE(Close());
    EXPECT_EQ(ReadFile("Dravolt.ini"), "");
    EXPECT_EQ(ReadFile("DravoltHistory.ini"), "");
    answers = {TMsgResult::Yes};
    EXPECT_TRUE(Close());
    EXPECT_NE(ReadFile("Dravolt.ini").find("freeClick=1"), std::string::npos);
    EXPECT_EQ(ReadFile("DravoltHistory.ini"), "[session]\n0=20261208 - 21:07:05\n\n[20261208 - 21:07:05]\n1=1|1|0000\n\n");
}

TEST_F(RecordsTest, AutoSaveWritesWithoutAskingAndTwoRunsGetTheirOwnSessions)
{
    WriteFile("Dravolt.ini", "[settings]\nautoSaveSessionStats=1\n");
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(Start());
        Lose();
        window->actNewGameExecute(); // records the loss
        AnswerName("me");
        Win(4 + run);
        EXPECT_TRUE(Close());
        window.reset();
    }
    EXPECT_TRUE(messages.empty());
    const std::string history = ReadFile("DravoltHistory.ini");
    // Both runs saved in the same second: the second takes the next one.
    EXPECT_NE(history.find("0=20261208 - 21:07:05\n"), std::string::npos) << history;
    EXPECT_NE(history.find("1=20261208 - 21:07:06\n"), std::string::npos) << history;
    EXPECT_NE(history.find("[20261208 - 21:07:06]\n2=0|0|0005\n1=1|1|0000\n"), std::string::npos) << history;
}

TEST_F(RecordsTest, HistoryThatCannotBeOpenedAtCloseIsReportedAndTheProgramCloses)
{
    WriteFile("Dravolt.ini", "[settings]\nautoSaveSessionStats=1\n");
    ASSERT_TRUE(Start());
    Lose();
    ASSERT_TRUE(QFile::remove("DravoltHistory.ini"));
    ASSERT_TRUE(QDir().mkdir("DravoltHistory.ini"));
    EXPECT_TRUE(Close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Could not open ini file.");
}

// In a shared folder another user puts a link to a file of this run's user
// in place of Dravolt.ini: nothing is written through it, the player is told
// once, and the best times stay in memory.
TEST_F(RecordsTest, ALinkAnotherUserPlacedIsToldOnceAndNothingIsWrittenThroughIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give the link to another user";
    constexpr uid_t kNobody = 65534;
    WriteFile("Dravolt.ini", "[settings]\nautoSaveSessionStats=1\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(chmod(folder.path().toUtf8().constData(), 01777), 0);
    WriteFile("guarded", "mine\n");
    ASSERT_EQ(unlink(Path("Dravolt.ini").c_str()), 0);
    ASSERT_EQ(symlink(Path("guarded").c_str(), Path("Dravolt.ini").c_str()), 0);
    ASSERT_EQ(lchown(Path("Dravolt.ini").c_str(), kNobody, kNobody), 0);

    AnswerName("Ann");
    Win(30);
    AnswerName("Ann");
    Win(20);
    EXPECT_EQ(Setting("times", "[0]"), "20");
    EXPECT_TRUE(Close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Dravolt.ini is now a link that another user could have placed, so it was not "
                                "written. The changes are kept until the program closes.");
    EXPECT_EQ(ReadFile("guarded"), "mine\n");
}

TEST_F(RecordsTest, NamesComeBackExactlyAsTypedAfterARestart)
{
    const QString name = "A=b]c [d] =";
    ASSERT_TRUE(Start());
    AnswerName(name);
    Win(8);
    window.reset();
    ASSERT_TRUE(Start());
    window->actBestTimeExecute();
    EXPECT_EQ(QString::fromStdString(window->FBestTimes->at("03").WideList.at("10").BombList.at("0001").Name), name);
}

TEST_F(RecordsTest, NoSessionsMeansNoStatsToView)
{
    ASSERT_TRUE(Start());
    window->actViewStatsExecute();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "There are no stats for viewing.");
    EXPECT_EQ(messages[0].Icon, TMsgIcon::Information);
    EXPECT_TRUE(dialogTitles.empty());
}

const char kTwoSessions[] = "[session]\n0=20260101 - 10:00:00\n1=20260102 - 11:00:00\n\n"
                            "[20260101 - 10:00:00]\n1=3|3|0100\n\n"
                            "[20260102 - 11:00:00]\n2=0|2|0050\n1=5|5|0200\n\n";

TEST_F(RecordsTest, StatisticsViewListsCurrentFirstAndClearsIt)
{
    WriteFile("DravoltHistory.ini", kTwoSessions);
    ASSERT_TRUE(Start());
    Lose();
    window->actNewGameExecute();
    QStringList chooser;
    QStringList rows;
    bool buttonShown = false;
    QStringList afterClear;
    dialogs.push_back([&](QDialog& dialog) {
        auto& view = dynamic_cast<TfrmBestTime&>(dialog);
        for (int i = 0; i < view.cboSession->count(); ++i)
            chooser << view.cboSession->itemText(i);
        for (int r = 0; r < view.RowCount(); ++r)
            rows << view.Cell(0, r) + "|" + view.Cell(1, r) + "|" + view.Cell(2, r) + "|" + view.Cell(3, r);
        buttonShown = view.btnAction->isVisibleTo(&view);
        EXPECT_EQ(view.btnAction->text(), "Cle&ar Current Session Stats");
        answers = {TMsgResult::No};
        view.btnAction->click();
        EXPECT_EQ(view.cboSession->count(), 3) << "No changes nothing";
        answers = {TMsgResult::Yes};
        view.btnAction->click();
        for (int i = 0; i < view.cboSession->count(); ++i)
            afterClear << view.cboSession->itemText(i);
        EXPECT_FALSE(view.btnAction->isVisibleTo(&view));
        EXPECT_EQ(view.Cell(1, 2), "0") << "the newest saved session is shown, newest game first";
        EXPECT_EQ(view.Cell(1, 3), "5");
        return int(QDialog::Accepted);
    });
    window->actViewStatsExecute();
    EXPECT_EQ(dialogTitles, std::vector<QString>{"Stats"});
    EXPECT_EQ(chooser, (QStringList{"current", "20260102 - 11:00:00", "20260101 - 10:00:00"}));
    EXPECT_EQ(rows, (QStringList{"Game #|Bombs Left|Average|Time", "|||", "1|1|1|0000"}));
    EXPECT_TRUE(buttonShown);
    EXPECT_EQ(afterClear, (QStringList{"20260102 - 11:00:00", "20260101 - 10:00:00"}));
    EXPECT_EQ(window->FSessions.Find("current"), nullptr);
    EXPECT_EQ(window->FStatsView, nullptr);
}

TEST_F(RecordsTest, ClearingTheOnlySessionLeavesAnEmptyGrid)
{
    ASSERT_TRUE(Start());
    Lose();
    window->actNewGameExecute();
    dialogs.push_back([&](QDialog& dialog) {
        auto& view = dynamic_cast<TfrmBestTime&>(dialog);
        view.btnAction->click();
        EXPECT_EQ(view.cboSession->count(), 0);
        EXPECT_EQ(view.RowCount(), 2);
        EXPECT_FALSE(view.btnAction->isVisibleTo(&view));
        return int(QDialog::Accepted);
    });
    window->actViewStatsExecute();
}

TEST_F(RecordsTest, SavedSessionIsReadFromTheFileOnlyOnce)
{
    WriteFile("DravoltHistory.ini", kTwoSessions);
    ASSERT_TRUE(Start());
    QString first;
    QString second;
    dialogs.push_back([&](QDialog& dialog) {
        auto& view = dynamic_cast<TfrmBestTime&>(dialog);
        EXPECT_FALSE(view.btnAction->isVisibleTo(&view)) << "no running session: no action";
        first = view.Cell(3, 2);
        return int(QDialog::Accepted);
    });
    window->actViewStatsExecute();
    // A change behind the program's back is not seen during this run.
    window->FHistory.WriteSetting("20260102 - 11:00:00", "2", "9|9|9999");
    dialogs.push_back([&](QDialog& dialog) {
        second = dynamic_cast<TfrmBestTime&>(dialog).Cell(3, 2);
        return int(QDialog::Accepted);
    });
    window->actViewStatsExecute();
    EXPECT_EQ(first, "0050");
    EXPECT_EQ(second, "0050");
}

TEST_F(RecordsTest, BestTimesViewListsTheRecordsInKeyOrder)
{
    WriteFile("Dravolt.ini", "[sizes]\n[0]=9.11.10\n[1]=9.100.10\n[2]=9.10.10\n[3]=16.30.99\n"
                             "[times]\n[0]=1\n[1]=2\n[2]=3\n[3]=4\n"
                             "[names]\n[0]=a\n[1]=b\n[2]=c\n[3]=d\n");
    ASSERT_TRUE(Start());
    QStringList rows;
    dialogs.push_back([&](QDialog& dialog) {
        auto& view = dynamic_cast<TfrmBestTime&>(dialog);
        for (int r = 0; r < view.RowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << view.Cell(c, r);
            rows << cells.join(",");
        }
        EXPECT_FALSE(view.pnlTop->isVisibleTo(&view));
        return int(QDialog::Accepted);
    });
    window->actBestTimeExecute();
    EXPECT_EQ(dialogTitles, std::vector<QString>{"Best Times"});
    EXPECT_EQ(rows, (QStringList{"Height,Width,Bombs,Time,Name", ",,,,", "9,10,10,3,c", "9,100,10,2,b",
                                 "9,11,10,1,a", "16,30,99,4,d"}));
}

TEST_F(RecordsTest, AverageIsARunningMeanTruncatedTowardZero)
{
    ASSERT_TRUE(Start());
    struct Game {
        const char* Counter;
        int Average;
    };
    for (const Game& g : {Game{"10", 10}, Game{"5", 7}, Game{"0", 5}, Game{"-2", 3}}) {
        window->lblCounter->setText(g.Counter);
        window->RecordGameStat();
        EXPECT_EQ(window->FSessions.Find("current")->Games->back().Average, g.Average) << g.Counter;
    }
}

} // namespace
