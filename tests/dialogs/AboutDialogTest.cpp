#include "dialogs/uAbout.h"

#include "DialogTestSupport.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>

namespace {

// The first line names the README where the install puts it.
const QStringList kSpecs = {
    "file://" DRAVOLT_INSTALLED_README,
    " ",
    "version 1.0",
    " ",
    "Game | Size",
    "  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.",
    "",
    "Game | Best Times",
    "  This keeps a history of all best times for all possible height-width-bomb count combinations.",
    "",
    "Game | Session Stats",
    "  Stats! Keeps track of all your times and numbers for your current session.",
    "",
    "Actions | Undo",
    "  Undo! If you 'accidentally' clicked a bomb, you can restore the game to state it was before you made that fatal click.",
    "",
    "Options | Set Background",
    "  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).",
    "",
    "Options | Show Numbers When Game Over",
    "  All the unclicked squares will be exposed to show what was underneath.",
    "",
    "Options | Auto-Save Current Session Stats",
    "  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).",
    "",
    "Options | One Free Click",
    "  The game will imitate doing one 'safe' click for you when the game starts to expose a square.",
    "",
    "Options | Keyboard Navigation",
    "  This allows you to play the game without using the mouse. A single blue highlight square will appear.",
    "  - use the arrow keys to move the blue square around.",
    "  - 'S' imitates a single-click.",
    "  - 'D' imitates a double-click.",
    "  - 'F' imitates adding or removing a flag.",
    "  - Spacebar imitates clicking the Go button.",
    "  (Note, I recommend turning off Animated Buttons when in this mode.",
    "",
    "Options | Animated Buttons",
    "  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.",
};

const QStringList kGood = {
    " -- Records a history of games all games played.",
    " -- Larger customizable sizes.",
    " -- Saves best time for all sizes.",
    " -- Can have a background image.",
    " -- Records a time up to 9999 seconds.",
    " -- Option to expose one slot when game starts.",
    " -- Option to highlight area that has successfully been cleared.",
    " -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.",
};

const QStringList kBad = {" -- Please report any bugs."};

const QStringList kTodo = {
    " -- Provide (?) as a right-click option.",
    " -- Give the user some standard sizes to choose from.",
    " -- Import best times from another user's ini.",
    " -- Optimize window size depending on background image size.",
};

TEST(AboutDialogTest, PagesHoldTheirLinesInOrder)
{
    const struct {
        const char* Page;
        const char* Caption;
        QPlainTextEdit* TfrmAbout::*Memo;
        const char* MemoName;
        const QStringList& Lines;
    } pages[] = {
        {"TabSpecs", "Specs", &TfrmAbout::memSpecs, "memSpecs", kSpecs},
        {"tabGood", "Good", &TfrmAbout::memGood, "memGood", kGood},
        {"TabSheet2", "Bad", &TfrmAbout::memBad, "memBad", kBad},
        {"TabSheet3", "TODO", &TfrmAbout::memTodo, "memTodo", kTodo},
    };
    TfrmAbout d;
    ASSERT_EQ(d.pgeMain->count(), 4);
    for (int i = 0; i < 4; ++i) {
        const auto& p = pages[i];
        EXPECT_EQ(d.pgeMain->widget(i)->objectName(), p.Page);
        EXPECT_EQ(d.pgeMain->tabText(i), p.Caption);
        QPlainTextEdit* memo = d.*p.Memo;
        EXPECT_EQ(memo->objectName(), p.MemoName);
        EXPECT_EQ(memo->parentWidget(), d.pgeMain->widget(i));
        EXPECT_EQ(memo->toPlainText().split('\n'), p.Lines);
    }
}

TEST(AboutDialogTest, OpensOnTheSpecsPageEveryTime)
{
    TfrmAbout d;
    for (int last : {3, 1}) {
        ShowActive(d);
        EXPECT_EQ(d.pgeMain->currentWidget(), d.TabSpecs);
        d.pgeMain->setCurrentIndex(last);
        d.reject();
    }
    TfrmAbout again;
    ShowActive(again);
    EXPECT_EQ(again.pgeMain->currentWidget(), again.TabSpecs);
}

TEST(AboutDialogTest, TextIsReadOnlyWrappedAndScrollsToTheLastLine)
{
    TfrmAbout d;
    ShowActive(d);
    QPlainTextEdit* memo = d.memSpecs;
    EXPECT_EQ(memo->size(), d.TabSpecs->size());  // fills its page
    QTest::mouseClick(memo->viewport(), Qt::LeftButton);
    QTest::keyClicks(memo, "xyz");
    QTest::keyClick(memo, Qt::Key_Backspace);
    EXPECT_EQ(memo->toPlainText().split('\n'), kSpecs);

    const QTextBlock undo = memo->document()->findBlockByNumber(14);
    ASSERT_TRUE(undo.text().startsWith("  Undo!"));
    qobject_cast<QPlainTextDocumentLayout*>(memo->document()->documentLayout())->ensureBlockLayout(undo);
    EXPECT_GT(undo.layout()->lineCount(), 1);  // wrapped, not cut
    EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);

    QScrollBar* bar = memo->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 0);  // opens at the top
    bar->setValue(bar->maximum());
    QTextCursor last(memo->document()->lastBlock());
    EXPECT_TRUE(memo->viewport()->rect().contains(memo->cursorRect(last)));
}

} // namespace
