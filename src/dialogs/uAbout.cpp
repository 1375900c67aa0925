#include "dialogs/uAbout.h"

#include "dialogs/DialogTools.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>

namespace {

const std::initializer_list<const char*> kSpecsLines = {
    "file://" DRAVOLT_DOC_DIR "/README.md",
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
    "  Undo! If you 'accidentally' clicked a bomb, you can restore the game to state it was before you made that "
    "fatal click.",
    "",
    "Options | Set Background",
    "  You can choose a picture to show when you win the game. You can have the pic display normally, or you can "
    "have it stretch (play and see what I mean).",
    "",
    "Options | Show Numbers When Game Over",
    "  All the unclicked squares will be exposed to show what was underneath.",
    "",
    "Options | Auto-Save Current Session Stats",
    "  With this option on, your stats for the current session will be automatically saved. (otherwise you will "
    "get a prompt).",
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
    "  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you "
    "do not care for it, turn them off here.",
};

const std::initializer_list<const char*> kGoodLines = {
    " -- Records a history of games all games played.",
    " -- Larger customizable sizes.",
    " -- Saves best time for all sizes.",
    " -- Can have a background image.",
    " -- Records a time up to 9999 seconds.",
    " -- Option to expose one slot when game starts.",
    " -- Option to highlight area that has successfully been cleared.",
    " -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.",
};

const std::initializer_list<const char*> kBadLines = {
    " -- Please report any bugs.",
};

const std::initializer_list<const char*> kTodoLines = {
    " -- Provide (?) as a right-click option.",
    " -- Give the user some standard sizes to choose from.",
    " -- Import best times from another user's ini.",
    " -- Optimize window size depending on background image size.",
};

// A page whose only content is a read-only, wrapping text box filling it.
QPlainTextEdit* AddPage(QTabWidget* tabs, QWidget*& page, const char* pageName, const char* caption,
                        const char* memoName, std::initializer_list<const char*> lines)
{
    page = new QWidget;
    page->setObjectName(pageName);
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(memoName);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char* line : lines)
        memo->appendPlainText(line);
    memo->moveCursor(QTextCursor::Start);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    tabs->addTab(page, caption);
    return memo;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmAbout");
    SetUpFixedDialog(this, "About", 440, 243);

    pgeMain = new QTabWidget(this);
    pgeMain->setObjectName("pgeMain");
    pgeMain->setGeometry(0, 0, 440, 243);
    memSpecs = AddPage(pgeMain, TabSpecs, "TabSpecs", "Specs", "memSpecs", kSpecsLines);
    memGood = AddPage(pgeMain, tabGood, "tabGood", "Good", "memGood", kGoodLines);
    memBad = AddPage(pgeMain, TabSheet2, "TabSheet2", "Bad", "memBad", kBadLines);
    memTodo = AddPage(pgeMain, TabSheet3, "TabSheet3", "TODO", "memTodo", kTodoLines);
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    pgeMain->setCurrentWidget(TabSpecs);
    QDialog::showEvent(event);
}
