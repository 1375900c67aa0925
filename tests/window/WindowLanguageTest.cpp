// The window in every language the game speaks: the desktop's language is
// chosen, every text is translated, and every menu can still be driven by
// its accelerators.
#include "i18n/Translations.h"
#include "manual/ManualWindow.h"
#include "window/WindowTestSupport.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
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
    EXPECT_FALSE(window->windowIcon().pixmap(32).isNull()) << "the bundled icon, where the theme has none";
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
