// The real program in the desktop's language: its menus and Qt's message box
// buttons translated, its files the same bytes as in English.
#include "e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

struct TLanguageRun {
    QString Lang;
    QString SizeTitle;    // Game > Size's dialog, as the accelerators below reach it
    QString GameMenu;     // the accelerators of Game, Size, Options, No Guessing and Exit
    QString SizeKey;
    QString OptionsMenu;
    QString NoGuessKey;
    QString YesKey;       // the mnemonic of the message box's Yes: Qt's translation
    QString ExitKey;
};

struct TFiles {
    QString Settings;
    QString History;
};

// Opens Game > Size and reads its caption, starts a game, switches No
// Guessing on while it runs (answering the question with Yes), and exits.
TFiles Play(const TLanguageRun& run, QString& sizeTitle)
{
    TXServer x;
    EXPECT_TRUE(x.Running());
    TGame game(x, {.FakeTime = "2026-12-08 12:00:00", .Lang = run.Lang});
    EXPECT_TRUE(game.Started());
    if (!game.Started())
        return {};

    game.Key("alt+" + run.GameMenu);
    game.Key(run.SizeKey);
    unsigned long dialog = 0;
    EXPECT_TRUE(WaitFor([&] { return (dialog = game.OtherWindow()) != 0; }));
    sizeTitle = game.WindowName(dialog);
    game.Key("Escape");
    EXPECT_TRUE(WaitFor([&] { return game.OtherWindow() == 0; }));
    game.Focus();

    game.Click(game.CellOnScreen(4, 6, 10) + QPoint(8, 8)); // the clock runs
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    game.Key("alt+" + run.OptionsMenu);
    game.Key(run.NoGuessKey);
    unsigned long box = 0;
    EXPECT_TRUE(WaitFor([&] { return (box = game.OtherWindow()) != 0; }));
    game.Key(run.YesKey);
    EXPECT_TRUE(WaitFor([&] { return game.OtherWindow() == 0; }));
    game.Focus();
    game.ExitThroughTheMenu(run.ExitKey);
    EXPECT_TRUE(game.WaitForExit());
    return {game.ReadFile("Dravolt.ini"), game.ReadFile("DravoltHistory.ini")};
}

TEST(LanguageEndToEnd, MenusAndButtonsTranslatedFilesAsInEnglish)
{
    QString englishTitle;
    const TFiles english = Play({"C.UTF-8", "", "g", "s", "o", "g", "y", "x"}, englishTitle);
    EXPECT_EQ(englishTitle, "Size");
    ASSERT_TRUE(english.Settings.contains("noGuess=1\n")) << english.Settings.toStdString();

    const TLanguageRun runs[] = {
        // German: Yes is "&Ja", so "j" answers it only when Qt's translation is loaded.
        {"de_DE.UTF-8", "Größe", "s", "g", "o", "o", "j", "b"},
        {"ja_JP.UTF-8", "サイズ", "g", "s", "o", "g", "y", "x"},
    };
    for (const TLanguageRun& run : runs) {
        SCOPED_TRACE(run.Lang.toStdString());
        QString title;
        const TFiles files = Play(run, title);
        EXPECT_EQ(title, run.SizeTitle);
        EXPECT_EQ(files.Settings, english.Settings);
        EXPECT_EQ(files.History, english.History);
    }
}

} // namespace
