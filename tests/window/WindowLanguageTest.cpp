// The window in every language the game speaks: the desktop's language is
// chosen, every text is translated, and every menu can still be driven by
// its accelerators.
#include "i18n/Translations.h"
#include "window/WindowTestSupport.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <set>

namespace {

// Puts English back after each test, whatever the test installed.
struct LanguageFixture : WindowFixture {
    ~LanguageFixture() override { InstallTranslations(*qApp, QString()); }
};

// Every menu of the window: the menu bar's and their submenus.
std::vector<QWidget*> Menus(QMenuBar* bar)
{
    std::vector<QWidget*> menus{bar};
    for (std::size_t i = 0; i < menus.size(); ++i)
        for (QAction* action : menus[i]->actions())
            if (action->menu())
                menus.push_back(action->menu());
    return menus;
}

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
        for (QWidget* menu : Menus(window->menuBar())) {
            std::set<int> keys;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !action->text().contains('&'))
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                ASSERT_FALSE(key.isEmpty()) << action->text().toStdString();
                EXPECT_TRUE(keys.insert(key[0].toCombined()).second)
                    << "shared accelerator: " << action->text().toStdString();
            }
        }
        EXPECT_NE(window->menuBar()->actions().front()->text(), "&Game");
        EXPECT_NE(window->actManual->text(), "&Manual");
        window.reset();
    }
}
