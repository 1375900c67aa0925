// The window in every language the game speaks: the desktop's language is
// chosen, every text is translated, and every menu can still be driven by
// its accelerators.
#include "dialogs/uBestTime.h"
#include "dialogs/uGetName.h"
#include "i18n/Translations.h"
#include "manual/ManualWindow.h"
#include "records/SessionStats.h"
#include "window/WindowTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <set>

namespace {

// The menu bar's items, on all of its rows.
QList<QAction*> TopLevelItems(QMainWindow& window)
{
    QList<QAction*> items;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        items += bar->actions();
    return items;
}

// The items of every menu of the window: the menu bar's, then every menu's.
std::vector<QList<QAction*>> Menus(QMainWindow& window)
{
    std::vector<QList<QAction*>> menus{TopLevelItems(window)};
    for (std::size_t i = 0; i < menus.size(); ++i)
        for (QAction* action : QList<QAction*>(menus[i])) // a copy: the vector grows
            if (action->menu())
                menus.push_back(action->menu()->actions());
    return menus;
}

// Whether `menu` can be opened from a visible menu bar item lying wholly
// inside the window: on the bar's own row or on a row below it.
bool MenuShown(QMainWindow& window, QMenu* menu)
{
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (!bar->isVisibleTo(&window))
            continue;
        for (QAction* action : bar->actions()) {
            const QRect item = bar->actionGeometry(action);
            if (action->menu() == menu && action->isVisible() && !item.isEmpty() &&
                window.rect().contains(QRect(bar->mapTo(&window, item.topLeft()), item.size())))
                return true;
        }
    }
    return false;
}

// The room the style leaves a control's text, measured on the control as it
// stands; zero for widgets that show no text of ours.
int TextRoom(const QWidget& widget)
{
    QStyleOptionButton option;
    option.initFrom(&widget);
    QStyle::SubElement contents;
    if (qobject_cast<const QPushButton*>(&widget))
        contents = QStyle::SE_PushButtonContents;
    else if (qobject_cast<const QCheckBox*>(&widget))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(&widget))
        contents = QStyle::SE_RadioButtonContents;
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->contentsRect().width() - 2 * label->margin();
    else
        return 0;
    return widget.style()->subElementRect(contents, &option, &widget).width();
}

// Every label's and button's text shows whole on `form`.
void ExpectTextsFit(const QWidget& form)
{
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        if (text.isEmpty() || !widget->isVisibleTo(&form))
            continue;
        EXPECT_LE(widget->fontMetrics().horizontalAdvance(text.remove('&')), TextRoom(*widget))
            << form.objectName().toStdString() << '.' << widget->objectName().toStdString() << ": "
            << text.toStdString();
    }
}

// Puts English back after each test, whatever the test installed.
struct LanguageFixture : WindowFixture {
    ~LanguageFixture() override { InstallTranslations(*qApp, QString()); }

    // At the narrowest field every menu is on show, and the field keeps its
    // size below the rows of menus.
    void ExpectEveryMenuShown()
    {
        for (QAction* action : TopLevelItems(*window))
            EXPECT_TRUE(MenuShown(*window, action->menu())) << action->text().toStdString();
        EXPECT_EQ(window->centralWidget()->size(), QSize(182, 225));
        EXPECT_GE(window->centralWidget()->y(), window->menuBar()->geometry().bottom());
    }
    // F1 opens the manual in the language installed.
    void ExpectManual(const QString& language)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        const auto* manual = window->findChild<QTextBrowser*>("frmManual");
        ASSERT_NE(manual, nullptr);
        EXPECT_TRUE(manual->isVisible());
        EXPECT_EQ(manual->source().path(), ManualPath(language).mid(1));
        EXPECT_GT(manual->toPlainText().size(), 2000);
    }
};

} // namespace

TEST(LanguageChoice, FirstSpokenLanguageOfTheDesktop)
{
    const struct {
        QStringList Desktop;
        QString Chosen;
    } cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"de-AT"}, "de"},
        {{"pt-BR"}, "pt_BR"},
        {{"pt-PT"}, ""},          // not the Portuguese translated
        {{"zh-Hans-CN", "zh-CN"}, "zh_CN"},
        {{"zh-TW", "ja-JP"}, "ja"}, // traditional Chinese is not spoken: the next language
        {{"en-US", "de-DE"}, ""}, // English first stays English
        {{"C"}, ""},
        {{"ko-KR", "fr-FR"}, "fr"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.Desktop), c.Chosen) << c.Desktop.join(',').toStdString();
}

TEST_F(LanguageFixture, EnglishShowsEveryMenuAtTheNarrowestField)
{
    ASSERT_TRUE(Start());
    ExpectEveryMenuShown();
    ExpectManual(QString());
    EXPECT_EQ(ManualPath(QString()), ":/manual/manual.html");
    EXPECT_FALSE(window->windowIcon().pixmap(32).isNull()) << "the bundled icon";
}

TEST_F(LanguageFixture, EveryLanguageTranslatesTheMenusWithDistinctAccelerators)
{
    const QStringList expected{"cs", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN"};
    ASSERT_EQ(GameLanguages(), expected);
    for (const QString& language : expected) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(InstallTranslations(*qApp, language));
        // Qt's own texts, the buttons of every message box, come along.
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        ASSERT_TRUE(Start());
        for (const QList<QAction*>& menu : Menus(*window)) {
            std::set<int> keys;
            for (QAction* action : menu) {
                if (action->isSeparator() || !action->text().contains('&'))
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                ASSERT_FALSE(key.isEmpty()) << action->text().toStdString();
                EXPECT_TRUE(keys.insert(key[0].toCombined()).second)
                    << "shared accelerator: " << action->text().toStdString();
            }
        }
        EXPECT_NE(window->menuBar()->actions().front()->text(), "&Game");
        ExpectEveryMenuShown();
        EXPECT_NE(window->actManual->text(), "&Manual");
        window.reset();
    }
}

TEST_F(LanguageFixture, EveryTextShowsWholeAndEnglishKeepsItsSizes)
{
    WriteFile("DravoltHistory.ini", "[session]\n0=20260101 - 10:00:00\n\n[20260101 - 10:00:00]\n1=3|3|0100\n\n");
    QStringList languages = GameLanguages();
    languages.prepend(QString());
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(InstallTranslations(*qApp, language));
        ASSERT_TRUE(Start());
        ExpectTextsFit(*window);
        for (QMenuBar* bar : window->findChildren<QMenuBar*>())
            for (QAction* action : bar->actions())
                EXPECT_LE(bar->fontMetrics().horizontalAdvance(action->text().remove('&')),
                          bar->actionGeometry(action).width())
                    << action->text().toStdString();

        // A dialog in English has the size it was drawn with; in another
        // language it only grows.
        const auto expectSize = [&](const QDialog& dialog, QSize english) {
            if (language.isEmpty())
                EXPECT_EQ(dialog.size(), english) << dialog.objectName().toStdString();
            else
                EXPECT_TRUE(dialog.width() >= english.width() && dialog.height() == english.height())
                    << dialog.objectName().toStdString();
        };
        const std::pair<QAction*, QSize> opened[] = {
            {window->actSize, {175, 125}}, {window->actSetBackground, {295, 176}}, {window->actAbout, {440, 243}}};
        for (const auto& [action, english] : opened) {
            dialogs.push_back([&](QDialog& dialog) {
                dialog.show();
                ExpectTextsFit(dialog);
                expectSize(dialog, english);
                return int(QDialog::Rejected);
            });
            action->trigger();
        }
        // The grids of the best times and of the stats show their captions whole.
        const auto expectCaptionsFit = [](QDialog& dialog) {
            dialog.show();
            constexpr int kCaptionPadding = 4; // the grid's style sheet: 2 px on either side
            const auto* grid = dialog.findChild<QTableWidget*>("grd");
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QString caption = grid->horizontalHeaderItem(column)->text();
                if (!grid->isColumnHidden(column)) {
                    EXPECT_LE(grid->horizontalHeader()->fontMetrics().horizontalAdvance(caption) + kCaptionPadding,
                              grid->columnWidth(column))
                        << caption.toStdString();
                }
            }
            return int(QDialog::Rejected);
        };
        dialogs.push_back(expectCaptionsFit);
        window->actBestTime->trigger();
        dialogs.push_back(expectCaptionsFit);
        window->actViewStats->trigger();
        EXPECT_TRUE(dialogs.empty());

        // The dialogs of a game's end: the best time's name, and the stats
        // with the button that clears them.
        TfrmGetName name;
        name.show();
        ExpectTextsFit(name);
        expectSize(name, {173, 65});
        TfrmBestTime stats;
        stats.SetMode(kViewStatMode);
        stats.SetAction(window->actClearSessionStat);
        stats.show();
        // In English the session label's colon touches its edge, as drawn.
        if (!language.isEmpty())
            ExpectTextsFit(stats);
        window.reset();
    }
}
