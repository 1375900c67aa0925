// The main window's session: start-up and shut-down, new games, the panel
// switch, the option commands, the clock, undo, sizing and the key hook.
#include "window/WindowTestSupport.h"

#include "dialogs/uSize.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <sys/stat.h>

#include <tuple>

namespace {

using WindowTest = WindowFixture;

TEST_F(WindowTest, FirstStartInAnEmptyFolderCreatesBothFilesAndUsesTheDefaults)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(QFile::exists("Dravolt.ini"));
    EXPECT_TRUE(QFile::exists("DravoltHistory.ini"));
    EXPECT_TRUE(window->actAnimate->isChecked());
    EXPECT_EQ(window->FField, static_cast<IzorvMineField*>(window->FAnimatedField));
    EXPECT_EQ(window->FPlainField, nullptr);
    EXPECT_EQ(window->FField->SlotsDown(), 10);
    EXPECT_EQ(window->FField->SlotsAcross(), 10);
    EXPECT_EQ(window->FField->BombTotal(), 10);
    EXPECT_EQ(Counter(), "10");
    EXPECT_EQ(Clock(), "0000");
    EXPECT_TRUE(window->FField->Enabled());
    EXPECT_FALSE(window->actUndo->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Dravolt");
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowTest, SettingsFileThatCannotBeOpenedEndsTheProgram)
{
    ASSERT_TRUE(QDir().mkdir("Dravolt.ini"));
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].Text, "Could not open ini file.");
    EXPECT_EQ(messages[1].Text, "Could not open Dravolt.ini");
    EXPECT_EQ(messages[1].Icon, TMsgIcon::Error);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, HistoryFileThatCannotBeOpenedStillStarts)
{
    ASSERT_TRUE(QDir().mkdir("DravoltHistory.ini"));
    ASSERT_TRUE(Start());
    EXPECT_FALSE(window->FHistory.Open());
    EXPECT_TRUE(window->FSessions.Empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Could not open ini file.");
}

TEST_F(WindowTest, StoredSettingsReachTheFieldAndTheMenu)
{
    WriteFile("Dravolt.ini", "[settings]\r\ninanimateButtons=1\r\nslotsDown=16\r\nslotsAcross=30\r\n"
                             "bombTotal=99\r\nfreeClick=1\r\nkeyboardNavigation=1\r\npreferredFlag=@\r\n"
                             "useUndecided=1\r\naccentClearedAreaUponLoss=1\r\n");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(window->actAnimate->isChecked());
    EXPECT_EQ(window->FField, static_cast<IzorvMineField*>(window->FPlainField));
    EXPECT_EQ(window->FField->SlotsDown(), 16);
    EXPECT_EQ(window->FField->SlotsAcross(), 30);
    EXPECT_EQ(window->FField->BombTotal(), 99);
    EXPECT_TRUE(window->actFreeClick->isChecked());
    EXPECT_TRUE(window->actKeyboardNavigation->isChecked());
    EXPECT_TRUE(window->actUndecided->isChecked());
    EXPECT_TRUE(window->actAccentArea->isChecked());
    EXPECT_TRUE(window->miFlagAt->isChecked());
    EXPECT_FALSE(window->miFlag->isChecked());
    EXPECT_EQ(window->FField->PreferredMarker(), "@");
    EXPECT_TRUE(window->timClock.isActive()) << "the free click started the clock";
    EXPECT_EQ(Clock(), "0000");
}

struct BadSettingsCase {
    const char* Name;
    std::string Text;
};

class BadSettingsTest : public WindowFixture, public ::testing::WithParamInterface<BadSettingsCase> {};

TEST_P(BadSettingsTest, AnyContentStartsWithAUsableField)
{
    WriteFile("Dravolt.ini", GetParam().Text);
    ASSERT_TRUE(Start());
    const IzorvMineField& field = *window->FField;
    EXPECT_GE(field.SlotsDown(), 1);
    EXPECT_LE(field.SlotsDown(), 60);
    EXPECT_GE(field.SlotsAcross(), 10);
    EXPECT_LE(field.SlotsAcross(), 100);
    EXPECT_GE(field.BombTotal(), 0);
    EXPECT_LE(field.BombTotal(), 10000);
    Click(0, 0);
    EXPECT_TRUE(Close());
}

std::string Garbage(std::size_t size)
{
    std::string text(size, '\0');
    std::uint32_t state = 12345;
    for (char& c : text) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSettingsTest,
    ::testing::Values(BadSettingsCase{"Binary", Garbage(64 * 1024)},
                      BadSettingsCase{"BinaryWithSettings", "[settings]\n" + Garbage(4096)},
                      BadSettingsCase{"LinesWithoutEquals", "[settings]\nslotsDown\nslotsAcross\n[x\n]\n"},
                      BadSettingsCase{"Huge", "[settings]\nslotsDown=99999999999999999999\nslotsAcross="
                                              "99999999999999999999\nbombTotal=99999999999999999999\n"},
                      BadSettingsCase{"Points", "[settings]\nslotsDown=12.5\nslotsAcross=1.2.3\nbombTotal=.\n"},
                      BadSettingsCase{"Negative", "[settings]\r\nslotsDown=-4\r\nslotsAcross=-1\r\nbombTotal=-4\r\n"},
                      BadSettingsCase{"Background", "[settings]\nbackground=backgroundCustom\nbackgroundFile=\x01\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WindowTest, NumbersWithAPointUseTheirWholePart)
{
    WriteFile("Dravolt.ini", "[settings]\nslotsDown=12.5\nslotsAcross=1.2.3\nbombTotal=20.9\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(window->FField->SlotsDown(), 12);
    EXPECT_EQ(window->FField->SlotsAcross(), 20); // no number: the key's default
    EXPECT_EQ(window->FField->BombTotal(), 20);
}

TEST_F(WindowTest, OptionsReachTheFileOnlyAtClose)
{
    ASSERT_TRUE(Start());
    window->actFreeClick->trigger();
    window->actAccentArea->trigger();
    EXPECT_EQ(ReadFile("Dravolt.ini"), "") << "nothing is saved before the close";
    EXPECT_TRUE(window->FSettings.Dirty());
    EXPECT_TRUE(Close());
    const std::string saved = ReadFile("Dravolt.ini");
    EXPECT_NE(saved.find("freeClick=1\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("accentClearedAreaUponLoss=1\n"), std::string::npos) << saved;
}

TEST_F(WindowTest, FailedSaveAtCloseTellsThePlayerAndStillCloses)
{
    WriteFile("Dravolt.ini", "[settings]\nfreeClick=0\n");
    ASSERT_TRUE(Start());
    window->actFreeClick->trigger();
    ASSERT_EQ(chmod(Path("Dravolt.ini").c_str(), 0444), 0);
    EXPECT_TRUE(Close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].Text.startsWith("Could not save Dravolt.ini"));
    EXPECT_EQ(ReadFile("Dravolt.ini"), "[settings]\nfreeClick=0\n");
}

TEST_F(WindowTest, AnimationSwitchDuringAGameAsksFirst)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Click(1, 0);
    ASSERT_TRUE(window->timClock.isActive());
    TPanelMineFieldAnimatedButtons* animated = window->FAnimatedField;

    answers = {TMsgResult::No};
    window->actAnimate->trigger();
    EXPECT_TRUE(Asked("This will stop your current game. Continue ?"));
    EXPECT_TRUE(window->actAnimate->isChecked());
    EXPECT_TRUE(window->timClock.isActive());
    EXPECT_EQ(window->FField, static_cast<IzorvMineField*>(animated));
    EXPECT_TRUE(animated->Cell(1, 0).Cleared);
    EXPECT_FALSE(window->FSettings.Dirty());

    answers = {TMsgResult::Yes};
    window->actAnimate->trigger();
    EXPECT_FALSE(window->actAnimate->isChecked());
    EXPECT_EQ(window->FField, static_cast<IzorvMineField*>(window->FPlainField));
    EXPECT_FALSE(window->timClock.isActive());
    EXPECT_FALSE(animated->Cell(1, 0).Cleared) << "the hidden panel was reset";
    EXPECT_EQ(window->FSettings.ReadString("settings", "inanimateButtons", "-1"), "1");

    // No game runs now: switching back asks nothing and reuses the first panel.
    messages.clear();
    window->actAnimate->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->FAnimatedField, animated);
    EXPECT_EQ(window->FField, static_cast<IzorvMineField*>(animated));
    EXPECT_EQ(window->FSettings.ReadString("settings", "inanimateButtons", "-1"), "0");
}

TEST_F(WindowTest, PanelSwitchCopiesTheGameSettingsButNotMarkerOrPicture)
{
    WriteFile("Dravolt.ini", "[settings]\nslotsDown=7\nslotsAcross=12\nbombTotal=9\npreferredFlag=@\n"
                             "cornerToCorner=1\noptimizeStatsStart=1\nbackground=backgroundDefault\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(window->FField->ShowPictureOnWin());
    window->actAnimate->trigger();
    const IzorvMineField& plain = *window->FPlainField;
    EXPECT_EQ(plain.SlotsDown(), 7);
    EXPECT_EQ(plain.SlotsAcross(), 12);
    EXPECT_EQ(plain.BombTotal(), 9);
    EXPECT_EQ(plain.PlayMode(), "cornerToCorner");
    EXPECT_TRUE(plain.OptimizeStatsStart());
    EXPECT_EQ(plain.PreferredMarker(), "Flag");
    EXPECT_FALSE(plain.ShowPictureOnWin());
}

TEST_F(WindowTest, CornerModeSwitchWithTheClockStoppedKeepsTheBoard)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Panel().ToggleFlag(0, 0);
    window->actCornerToCorner->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->FPlayMode, "cornerToCorner");
    EXPECT_EQ(window->FField->PlayMode(), "cornerToCorner");
    EXPECT_FALSE(Panel().Cell(0, 0).Marker.empty()) << "the board stays";
    EXPECT_EQ(window->FSettings.ReadString("settings", "cornerToCorner", "-1"), "1");
    // It plays, and is judged, as the normal game it was dealt as.
    Click(5, 1);
    EXPECT_TRUE(Panel().Cell(5, 1).Cleared);
    EXPECT_FALSE(window->FField->Enabled()) << "won";
    EXPECT_EQ(dialogTitles, std::vector<QString>{"Best Time !"});
    window->actNewGameExecute();
    EXPECT_TRUE(Panel().Cell(0, 0).Cleared) << "the next game starts at the corner";
}

TEST_F(WindowTest, NoGuessingDealsAtTheFirstClickAndItsSwitchEndsAGame)
{
    WriteFile("Dravolt.ini", "[settings]\nslotsDown=16\nslotsAcross=30\nbombTotal=99\nnoGuess=1\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(window->actNoGuess->isChecked());
    EXPECT_TRUE(window->FField->GameNoGuess());
    EXPECT_EQ(Counter(), "99");
    Click(15, 8);
    EXPECT_TRUE(window->timClock.isActive());
    EXPECT_GT(Panel().ClearedCount, 1) << "the first cell and its neighbours are free";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    answers = {TMsgResult::No};
    window->actNoGuess->trigger();
    EXPECT_TRUE(Asked("This will stop your current game. Continue ?"));
    EXPECT_TRUE(window->actNoGuess->isChecked());
    EXPECT_FALSE(window->FSettings.Dirty());
    answers = {TMsgResult::Yes};
    window->actNoGuess->trigger();
    EXPECT_FALSE(window->timClock.isActive()) << "a new game";
    EXPECT_FALSE(window->FField->GameNoGuess());
    EXPECT_EQ(Panel().ClearedCount, 0);
    EXPECT_TRUE(Close());
    EXPECT_NE(ReadFile("Dravolt.ini").find("noGuess=0\n"), std::string::npos);
}

TEST_F(WindowTest, ABoardThatMayNeedAGuessIsToldOnce)
{
    WriteFile("Dravolt.ini", "[settings]\nslotsDown=1\nbombTotal=10\nnoGuess=1\ndebug=7\n");
    ASSERT_TRUE(Start());
    Click(4, 0); // every cell a bomb: no board can be cleared, the click loses
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->FField->Enabled());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].Text.startsWith("The field is too full for a board that logic alone can clear"))
        << messages[0].Text.toStdString();
    EXPECT_TRUE(window->mem->toPlainText().contains("it may need a guess"));
}

TEST_F(WindowTest, FreeClickStartsTheClockAndTheCountFromZero)
{
    WriteFile("Dravolt.ini", "[settings]\nfreeClick=1\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(window->timClock.isActive());
    EXPECT_EQ(Clock(), "0000");
    window->timClockTimer();
    EXPECT_EQ(Clock(), "0001");
    window->actFreeClick->trigger(); // off: nothing changes in this game
    EXPECT_TRUE(window->timClock.isActive());
}

TEST_F(WindowTest, ClockShowsFourDigitsAndStopsAt9999)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Click(1, 0);
    struct Tick {
        int Seconds;
        const char* Shown;
    };
    for (const Tick& t : {Tick{7, "0007"}, Tick{42, "0042"}, Tick{999, "0999"}, Tick{1234, "1234"}}) {
        window->FClockSeconds = t.Seconds - 1;
        window->timClockTimer();
        EXPECT_EQ(Clock(), t.Shown);
    }
    window->FClockSeconds = 9998;
    window->timClockTimer();
    EXPECT_EQ(Clock(), "9999");
    EXPECT_FALSE(window->timClock.isActive());
    // Play goes on, but nothing starts the clock again in this game: not a
    // click, not an undone loss.
    EXPECT_TRUE(window->FField->Enabled());
    Click(2, 0);
    EXPECT_FALSE(window->timClock.isActive());
    Click(0, 0);
    window->actUndo->trigger();
    EXPECT_FALSE(window->timClock.isActive());
    EXPECT_EQ(window->FClockSeconds, 9999);
    // No game counts as in progress: switching asks nothing.
    window->actAnimate->trigger();
    EXPECT_TRUE(messages.empty());
    // The next game's clock runs again.
    Layout({"*.........", "..........", ".........."});
    Click(1, 0);
    EXPECT_TRUE(window->timClock.isActive());
}

TEST_F(WindowTest, UndoResumesTheClockFromTheLoss)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Click(1, 0);
    window->FClockSeconds = 41;
    window->timClockTimer();
    Panel().ToggleFlag(5, 2); // a wrong flag
    Click(0, 0);
    EXPECT_FALSE(window->timClock.isActive());
    EXPECT_TRUE(window->actUndo->isEnabled());
    EXPECT_EQ(Counter(), "1") << "bombs left 0 plus the wrong flag";
    EXPECT_TRUE(window->FLossPending);
    window->actUndo->trigger();
    EXPECT_FALSE(window->actUndo->isEnabled());
    EXPECT_TRUE(window->timClock.isActive());
    EXPECT_EQ(window->FClockSeconds, 42);
    EXPECT_EQ(Counter(), "0");
    EXPECT_TRUE(window->FField->Enabled());
    EXPECT_FALSE(Panel().Cell(0, 0).Shown);
    EXPECT_TRUE(window->FLossPending) << "the undo does not forget the loss";
}

TEST_F(WindowTest, MinimizeWhilePlayingPausesTheClock)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Click(1, 0);
    window->FClockSeconds = 5;
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(window->timClock.isActive());
    EXPECT_TRUE(window->ClockPausedByMinimize);
    window->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(window->timClock.isActive());
    EXPECT_FALSE(window->ClockPausedByMinimize);
    EXPECT_EQ(window->FClockSeconds, 5);
}

TEST_F(WindowTest, MinimizeWithoutAGameStartsNoClockOnRestore)
{
    ASSERT_TRUE(Start());
    window->actMinimizeExecute();
    window->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(window->timClock.isActive());
}

struct SizeCase {
    const char* Name;
    const char* Settings;
    QSize Client;
};

class WindowSizeTest : public WindowFixture, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(WindowSizeTest, ClientAreaFollowsTheField)
{
    WriteFile("Dravolt.ini", GetParam().Settings);
    screenName = "Large"; // where every zoom of every field fits
    ASSERT_TRUE(Start());
    EXPECT_EQ(window->centralWidget()->size(), GetParam().Client);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the user cannot resize it";
    const TPanelMineField& panel = Panel();
    EXPECT_EQ(panel.geometry(), QRect(8, 51, GetParam().Client.width() - 16,
                                      panel.SlotsDown() * panel.CellHeight() + 6));
}

// Client area: cell x columns + 22 wide, cell x rows + 65 high, with the cell
// 16 x zoom / 100 pixels.
INSTANTIATE_TEST_SUITE_P(
    Fields, WindowSizeTest,
    ::testing::Values(SizeCase{"Smallest", "[settings]\nslotsDown=1\nslotsAcross=10\n", QSize(182, 81)},
                      SizeCase{"Largest", "[settings]\nslotsDown=60\nslotsAcross=100\n", QSize(1622, 1025)},
                      SizeCase{"Default", "[settings]\n", QSize(182, 225)},
                      SizeCase{"DebugPanel", "[settings]\ndebug=7\n", QSize(182, 375)},
                      SizeCase{"Zoom150", "[settings]\nzoom=150\n", QSize(262, 305)},
                      SizeCase{"Zoom200", "[settings]\nzoom=200\n", QSize(342, 385)},
                      SizeCase{"Zoom300", "[settings]\nzoom=300\n", QSize(502, 545)},
                      SizeCase{"LargestZoom150", "[settings]\nslotsDown=60\nslotsAcross=100\nzoom=150\n",
                               QSize(2422, 1505)},
                      SizeCase{"LargestZoom200", "[settings]\nslotsDown=60\nslotsAcross=100\nzoom=200\n",
                               QSize(3222, 1985)},
                      SizeCase{"LargestZoom300", "[settings]\nslotsDown=60\nslotsAcross=100\nzoom=300\n",
                               QSize(4822, 2945)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WindowTest, GoSitsInTheMiddleOfTheTopBar)
{
    WriteFile("Dravolt.ini", "[settings]\nslotsDown=1\nslotsAcross=10\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(window->pnlTop->width(), 166);
    EXPECT_EQ(window->btnNewGame->geometry(), QRect(70, 7, 25, 25));
    EXPECT_EQ(window->pnlTimer->geometry(), QRect(166 - 7 - 57, 7, 57, 25));
}

TEST_F(WindowTest, DebugModeLogsItsStart)
{
    WriteFile("Dravolt.ini", "[settings]\ndebug=7\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(window->pnlDebug->isVisible());
    EXPECT_TRUE(window->mem->toPlainText().endsWith("=Debug running"));
}

TEST_F(WindowTest, SizeDialogResizesOnlyForNewDimensions)
{
    ASSERT_TRUE(Start());
    const QSize before = window->centralWidget()->size();
    dialogs.push_back([](QDialog& dialog) {
        dynamic_cast<TfrmSize&>(dialog).edtBomb->setText("12");
        return int(QDialog::Accepted);
    });
    window->actSizeExecute();
    EXPECT_EQ(window->FField->BombTotal(), 12);
    EXPECT_EQ(window->centralWidget()->size(), before);
    EXPECT_EQ(window->FSettings.ReadString("settings", "bombTotal", "-1"), "12");
    EXPECT_EQ(window->FSettings.ReadString("settings", "slotsDown", "-1"), "-1");

    dialogs.push_back([](QDialog& dialog) {
        auto& size = dynamic_cast<TfrmSize&>(dialog);
        size.edtTall->setText("16");
        size.edtWide->setText("30");
        return int(QDialog::Accepted);
    });
    window->actSizeExecute();
    EXPECT_EQ(window->centralWidget()->size(), QSize(16 * 30 + 22, 16 * 16 + 65));
    EXPECT_EQ(window->FSettings.ReadString("settings", "slotsDown", "-1"), "16");
    EXPECT_EQ(window->FSettings.ReadString("settings", "slotsAcross", "-1"), "30");
    EXPECT_EQ(Panel().CellCount(), 480);

    // Cancel changes nothing and starts no game.
    Panel().ToggleFlag(3, 3);
    window->actSizeExecute();
    EXPECT_FALSE(Panel().Cell(3, 3).Marker.empty());

    // OK without a change still deals a new game, at the same size.
    dialogs.push_back([](QDialog&) { return int(QDialog::Accepted); });
    window->actSizeExecute();
    EXPECT_TRUE(Panel().Cell(3, 3).Marker.empty());
    EXPECT_EQ(window->centralWidget()->size(), QSize(16 * 30 + 22, 16 * 16 + 65));
}

TEST_F(WindowTest, FlagMarkerChoiceRemarksTheFlags)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Panel().CycleMarker(0, 0);
    // Radio items of one exclusive group, drawn as such by the menu.
    ASSERT_NE(window->miFlag->actionGroup(), nullptr);
    EXPECT_EQ(window->miFlag->actionGroup(), window->miFlagAt->actionGroup());
    EXPECT_TRUE(window->miFlag->actionGroup()->isExclusive());
    window->miFlag->trigger(); // already checked: nothing happens
    EXPECT_TRUE(window->miFlag->isChecked());
    EXPECT_FALSE(window->FSettings.Dirty());
    window->miFlagAt->trigger();
    EXPECT_TRUE(window->miFlagAt->isChecked());
    EXPECT_FALSE(window->miFlag->isChecked());
    EXPECT_EQ(Panel().Cell(0, 0).Marker, "@");
    EXPECT_EQ(window->FField->BombsLeft(), 0);
    EXPECT_EQ(window->FSettings.ReadString("settings", "preferredFlag", "-1"), "@");
}

struct KeyCase {
    bool Navigation;
    bool Consumed;
};

TEST_F(WindowTest, KeyHookPassesKeysToTheFieldOnlyWithKeyboardNavigation)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Layout({"*.........", "..........", ".........."});
    QTest::keyClick(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(Panel().CursorIndex, -1);
    window->actKeyboardNavigation->trigger();
    EXPECT_EQ(Panel().CursorIndex, 0);
    QTest::keyClick(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(Panel().CursorIndex, 1);
    QTest::keyClick(window->windowHandle(), Qt::Key_S);
    EXPECT_TRUE(Panel().Cell(1, 0).Cleared);
    EXPECT_EQ(Panel().ClearedCount, 1);
    // After a loss the arrows still move, S does nothing, space presses "Go".
    QTest::keyClick(window->windowHandle(), Qt::Key_Left);
    QTest::keyClick(window->windowHandle(), Qt::Key_S);
    ASSERT_FALSE(window->FField->Enabled());
    EXPECT_TRUE(window->btnNewGame->hasFocus());
    QTest::keyClick(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(Panel().CursorIndex, 1);
    QTest::keyClick(window->windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(window->FField->Enabled()) << "a new game";
    EXPECT_FALSE(Panel().Cell(1, 0).Cleared);
}

TEST_F(WindowTest, PendingLossIsRecordedByTheNextGame)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", ".........."});
    Click(0, 0);
    ASSERT_TRUE(window->FLossPending);
    window->actNewGameExecute();
    EXPECT_FALSE(window->FLossPending);
    EXPECT_EQ(window->CurrentSessionGameCount(), 1);
}

} // namespace

namespace {

// The zoom items: which are enabled and which one is checked, as "100 150 (200)".
QString ZoomMenu(const TfrmDravolt& window)
{
    QStringList items;
    for (QAction* item : window.miZoom)
        if (item->isEnabled())
            items << (item->isChecked() ? "(" + item->text() + ")" : item->text());
    return items.join(' ');
}

TEST_F(WindowTest, ZoomsThatDoNotFitTheScreenAreOffAndTheChosenOneComesBackWhenItFits)
{
    // The default screen is 800 x 600: 10 x 10 fits at 300 %, 30 x 16 only up
    // to 150 %, 100 x 60 only at 100 %.
    WriteFile("Dravolt.ini", "[settings]\nzoom=300\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ZoomMenu(*window), "100 % 150 % 200 % (300 %)");
    EXPECT_EQ(window->FField->CellWidth(), 48);
    const auto resize = [this](const char* rows, const char* columns) {
        dialogs.push_back([=](QDialog& dialog) {
            auto& size = dynamic_cast<TfrmSize&>(dialog);
            size.edtTall->setText(rows);
            size.edtWide->setText(columns);
            return int(QDialog::Accepted);
        });
        window->actSizeExecute();
    };
    resize("16", "30");
    EXPECT_EQ(ZoomMenu(*window), "100 % (150 %)");
    EXPECT_EQ(window->centralWidget()->size(), QSize(24 * 30 + 22, 24 * 16 + 65));
    resize("10", "10");
    EXPECT_EQ(ZoomMenu(*window), "100 % 150 % 200 % (300 %)");
    EXPECT_EQ(window->centralWidget()->size(), QSize(48 * 10 + 22, 48 * 10 + 65));
    EXPECT_EQ(window->FSettings.ReadString("settings", "zoom", "-1"), "300");
}

TEST_F(WindowTest, StoredZoomThatDoesNotFitAtStartIsNotWrittenBack)
{
    const std::string settings = "[settings]\nslotsDown=60\nslotsAcross=100\nzoom=200\n\n";
    WriteFile("Dravolt.ini", settings);
    ASSERT_TRUE(Start());
    EXPECT_EQ(ZoomMenu(*window), "(100 %)");
    EXPECT_EQ(window->FField->CellWidth(), 16);
    EXPECT_EQ(window->centralWidget()->size(), QSize(1622, 1025));
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadFile("Dravolt.ini"), settings);
}

TEST_F(WindowTest, ChangingTheZoomKeepsTheGameAndIsStoredAtClose)
{
    ASSERT_TRUE(Start());
    window->actKeyboardNavigation->trigger();
    Layout({"*.........", "..........", "..........", "..........", "..........", "..........",
            "..........", "..........", "..........", ".........*"});
    Click(1, 0); // a "1": the clock starts
    Panel().CycleMarker(0, 0);
    window->timClockTimer();
    const int cursor = Panel().CursorIndex;
    std::vector<TSlot> board;
    for (int i = 0; i < Panel().CellCount(); ++i)
        board.push_back(Panel().CellAtIndex(i));

    // Near the screen's corner, the grown window comes back inside it.
    window->move(700, 500);
    window->miZoom[2]->trigger(); // 200 %
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
        << window->frameGeometry().x() << "," << window->frameGeometry().y();
    EXPECT_EQ(window->centralWidget()->size(), QSize(342, 385));
    EXPECT_EQ(Panel().CellWidth(), 32);
    EXPECT_EQ(Panel().Canvas().size(), QSize(326, 326));
    for (int i = 0; i < Panel().CellCount(); ++i)
        ASSERT_EQ(Panel().CellAtIndex(i), board[i]) << "cell " << i;
    EXPECT_EQ(Panel().CursorIndex, cursor);
    EXPECT_TRUE(window->timClock.isActive());
    EXPECT_EQ(Clock(), "0001");
    // Drawn anew at the new size: the open "1" is flat, the flag stands.
    const TPoint open = Panel().CellOrigin(1, 0);
    EXPECT_EQ(Panel().Canvas().pixelColor(open.X + 2, open.Y + 28), QColor(192, 192, 192));
    EXPECT_EQ(Panel().Canvas().pixelColor(Panel().CellOrigin(0, 0).X + 16, Panel().CellOrigin(0, 0).Y + 16),
              Panel().palette().color(QPalette::ButtonText)) << "the flag's pole";

    EXPECT_EQ(window->FSettings.ReadString("settings", "zoom", "-1"), "200");
    ASSERT_TRUE(Close());
    EXPECT_NE(ReadFile("Dravolt.ini").find("zoom=200"), std::string::npos);
}

// Light and Dark draw the same game in their colours and give the whole
// application a palette; Classic gives the desktop's back, to the pixel.
TEST_F(WindowTest, ChangingTheThemeKeepsTheGameAndTheClassicLook)
{
    ASSERT_TRUE(Start());
    Layout({"*.........", "..........", "..........", "..........", "..........", "..........",
            "..........", "..........", "..........", ".........*"});
    Click(1, 0);
    Panel().CycleMarker(0, 0);
    Panel().Paint(); // a whole repaint, as a theme switch makes
    const QImage classic = Panel().Canvas();
    const QString desktopStyle = QApplication::style()->name();
    const QColor desktopWindow = QApplication::palette().color(QPalette::Window);
    std::vector<TSlot> board;
    for (int i = 0; i < Panel().CellCount(); ++i)
        board.push_back(Panel().CellAtIndex(i));

    for (const auto& [item, keyword, dark] : {std::tuple{1, "light", false}, std::tuple{2, "dark", true}}) {
        window->miTheme[item]->trigger();
        SCOPED_TRACE(keyword);
        EXPECT_TRUE(window->miTheme[item]->isChecked());
        EXPECT_EQ(window->FSettings.ReadString("settings", "theme", "-1"), keyword);
        EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
        for (const QColor colour : {QApplication::palette().color(QPalette::Window), window->palette().color(QPalette::Window),
                                    window->lblCounter->palette().color(QPalette::Window)})
            EXPECT_EQ(colour.lightness() < 128, dark) << colour.name().toStdString();
        EXPECT_NE(Panel().Canvas(), classic) << "drawn anew at once";
        for (int i = 0; i < Panel().CellCount(); ++i)
            ASSERT_EQ(Panel().CellAtIndex(i), board[i]) << "cell " << i;
        EXPECT_TRUE(window->timClock.isActive());
    }
    window->miTheme[0]->trigger();
    EXPECT_EQ(QApplication::style()->name(), desktopStyle);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), desktopWindow);
    EXPECT_EQ(Panel().Canvas(), classic);
    ASSERT_TRUE(Close());
    EXPECT_NE(ReadFile("Dravolt.ini").find("theme=classic\n"), std::string::npos);
}

} // namespace
