// The player's language: the game's own texts and Qt's.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>

class QCoreApplication;

// Makes the translations and the manual's pages readable under :/i18n and
// :/manual, from the texts file the program carries; false when it cannot be
// found. Only the first call looks for it.
bool LoadTextResources();

// The languages the game speaks besides English, as the names of their
// translation files ("de", "pt_BR").
QStringList GameLanguages();

// The first of the desktop's languages that the game speaks, or an empty
// string when English comes first or none of them is known.
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the translations of `language` (one of GameLanguages()) on `app`:
// the game's and Qt's own. Returns false when the game's could not be loaded.
bool InstallTranslations(QCoreApplication& app, const QString& language);

// The language last installed; empty for English.
QString CurrentLanguage();

// How numbers are written in that language; for English the C locale, so
// that English numbers read as they always have, whatever the desktop's.
QLocale CurrentNumberLocale();

// InstallTranslations for the desktop's languages; returns the language chosen.
QString InstallDesktopTranslations(QCoreApplication& app);

// A message of the toolkit-free core (which cannot mark its texts for
// translation itself) in the player's language.
QString CoreMessage(const std::string& text);
