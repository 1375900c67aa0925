// The player's manual, shown inside the game: no browser, no network.
#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

// The resource path of the manual in `language` (a translation's name such
// as "de" or "pt_BR"), the English one when there is none in it.
QString ManualPath(const QString& language);

// Opens the manual window beside `owner`, or raises it when it is open; the
// window belongs to `owner`. Returns the browser showing the manual.
QTextBrowser* ShowManual(QWidget* owner);
