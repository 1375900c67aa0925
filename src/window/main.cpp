// Dravolt: a mine-field puzzle game. The settings and records live in the
// current working directory.
#include "i18n/Translations.h"
#include "window/uDravolt.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Dravolt");
    QGuiApplication::setDesktopFileName("org.dravolt.Dravolt"); // the desktop entry, for the icon
    InstallDesktopTranslations(app);
    TfrmDravolt window;
    if (!window.FormCreate())
        return 1;
    window.show();
    return app.exec();
}
