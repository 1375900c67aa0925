#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QResource>
#include <QTranslator>

namespace {

constexpr const char* kResourceFolder = ":/i18n";

// The texts the core's file opening tells the player, as settings/Filer.cpp
// words them; listed here so that they reach the translators.
[[maybe_unused]] constexpr const char* kCoreMessages[] = {
    QT_TRANSLATE_NOOP("Filer", "Could not create ini file"),
    QT_TRANSLATE_NOOP("Filer", "Could not open ini file."),
};

// Translators live as long as the application; a language installed anew
// replaces the previous one.
QList<QTranslator*>& Installed()
{
    static QList<QTranslator*> translators;
    return translators;
}

QString& Current()
{
    static QString language;
    return language;
}

} // namespace

bool LoadTextResources()
{
    // Beside the program where it is built, in its data folder where it is
    // installed; given back when the application ends, which frees what Qt
    // keeps of the file.
    static QString registered;
    static const bool loaded = [] {
        for (const QString& folder : {QCoreApplication::applicationDirPath(), QStringLiteral(DRAVOLT_DATA_DIR)}) {
            const QString file = folder + QStringLiteral("/dravolt-texts.rcc");
            if (QResource::registerResource(file)) {
                registered = file;
                qAddPostRoutine([] { QResource::unregisterResource(registered); });
                return true;
            }
        }
        return false;
    }();
    return loaded;
}

QStringList GameLanguages()
{
    // The build's list of the translations it carries under kResourceFolder.
    QStringList languages = QString::fromLatin1(DRAVOLT_LANGUAGES).split(',');
    languages.sort();
    return languages;
}

QString ChooseLanguage(const QStringList& uiLanguages)
{
    const QStringList known = GameLanguages();
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        // English is the game's own language: a desktop that prefers it
        // over one the game also speaks gets English.
        if (locale.language() == QLocale::English || wanted == "C" || wanted == "POSIX")
            return {};
        if (locale.language() == QLocale::C)
            continue; // a language Qt does not know
        // "zh-Hans-CN" is "zh_CN"; "de-AT" is German all the same, but
        // "pt-PT" and "zh-TW" are not the variants translated.
        const QString name = locale.name();
        if (known.contains(name))
            return name;
        const QString bare = name.section('_', 0, 0);
        if (known.contains(bare))
            return bare;
    }
    return {};
}

bool InstallTranslations(QCoreApplication& app, const QString& language)
{
    for (QTranslator* translator : Installed()) {
        app.removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
    Current().clear();
    if (language.isEmpty())
        return true;

    LoadTextResources();
    auto* game = new QTranslator(&app);
    if (!game->load("dravolt_" + language, kResourceFolder)) {
        delete game;
        return false;
    }
    app.installTranslator(game);
    Installed() << game;
    Current() = language;
    // Qt's texts (the buttons of message boxes, the file dialog) come from
    // Qt's own translations where the system has them.
    auto* qt = new QTranslator(&app);
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(qt);
        Installed() << qt;
    } else {
        delete qt;
    }
    return true;
}

QString CurrentLanguage() { return Current(); }

QLocale CurrentNumberLocale() { return Current().isEmpty() ? QLocale::c() : QLocale(Current()); }

QString InstallDesktopTranslations(QCoreApplication& app)
{
    const QString language = ChooseLanguage(QLocale::system().uiLanguages());
    InstallTranslations(app, language);
    return language;
}

QString CoreMessage(const std::string& text)
{
    return QCoreApplication::translate("Filer", text.c_str());
}
