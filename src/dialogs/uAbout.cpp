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
    QT_TRANSLATE_NOOP("TfrmAbout", "version 1.0"),
    " ",
    QT_TRANSLATE_NOOP("TfrmAbout", "Game | Size"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Game | Best Times"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  This keeps a history of all best times for all possible height-width-bomb count combinations."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Game | Session Stats"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  Stats! Keeps track of all your times and numbers for your current session."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Actions | Undo"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  Undo! If you 'accidentally' clicked a bomb, you can restore the game to state it was before you made that "
    "fatal click."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Options | Set Background"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  You can choose a picture to show when you win the game. You can have the pic display normally, or you can "
    "have it stretch (play and see what I mean)."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Options | Show Numbers When Game Over"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  All the unclicked squares will be exposed to show what was underneath."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Options | Auto-Save Current Session Stats"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  With this option on, your stats for the current session will be automatically saved. (otherwise you will "
    "get a prompt)."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Options | One Free Click"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  The game will imitate doing one 'safe' click for you when the game starts to expose a square."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Options | Keyboard Navigation"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  This allows you to play the game without using the mouse. A single blue highlight square will appear."),
    QT_TRANSLATE_NOOP("TfrmAbout", "  - use the arrow keys to move the blue square around."),
    QT_TRANSLATE_NOOP("TfrmAbout", "  - 'S' imitates a single-click."),
    QT_TRANSLATE_NOOP("TfrmAbout", "  - 'D' imitates a double-click."),
    QT_TRANSLATE_NOOP("TfrmAbout", "  - 'F' imitates adding or removing a flag."),
    QT_TRANSLATE_NOOP("TfrmAbout", "  - Spacebar imitates clicking the Go button."),
    QT_TRANSLATE_NOOP("TfrmAbout", "  (Note, I recommend turning off Animated Buttons when in this mode."),
    "",
    QT_TRANSLATE_NOOP("TfrmAbout", "Options | Animated Buttons"),
    QT_TRANSLATE_NOOP("TfrmAbout", "  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you "
    "do not care for it, turn them off here."),
};

const std::initializer_list<const char*> kGoodLines = {
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Records a history of games all games played."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Larger customizable sizes."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Saves best time for all sizes."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Can have a background image."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Records a time up to 9999 seconds."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Option to expose one slot when game starts."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Option to highlight area that has successfully been cleared."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb."),
};

const std::initializer_list<const char*> kBadLines = {
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Please report any bugs."),
};

const std::initializer_list<const char*> kTodoLines = {
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Provide (?) as a right-click option."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Give the user some standard sizes to choose from."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Import best times from another user's ini."),
    QT_TRANSLATE_NOOP("TfrmAbout", " -- Optimize window size depending on background image size."),
};

// A page whose only content is a read-only, wrapping text box filling it.
QPlainTextEdit* AddPage(QTabWidget* tabs, QWidget*& page, const char* pageName, const QString& caption,
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
        memo->appendPlainText(TfrmAbout::tr(line));
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
    SetUpFixedDialog(this, tr("About"), 440, 243);

    pgeMain = new QTabWidget(this);
    pgeMain->setObjectName("pgeMain");
    pgeMain->setGeometry(0, 0, 440, 243);
    memSpecs = AddPage(pgeMain, TabSpecs, "TabSpecs", tr("Specs"), "memSpecs", kSpecsLines);
    memGood = AddPage(pgeMain, tabGood, "tabGood", tr("Good"), "memGood", kGoodLines);
    memBad = AddPage(pgeMain, TabSheet2, "TabSheet2", tr("Bad"), "memBad", kBadLines);
    memTodo = AddPage(pgeMain, TabSheet3, "TabSheet3", tr("TODO"), "memTodo", kTodoLines);
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    pgeMain->setCurrentWidget(TabSpecs);
    QDialog::showEvent(event);
}
