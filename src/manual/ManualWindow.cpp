#include "manual/ManualWindow.h"

#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextBrowser>
#include <QWidget>

namespace {

constexpr const char* kWindowName = "frmManual";

} // namespace

QString ManualPath(const QString& language)
{
    LoadTextResources();
    const QString translated = QString(":/manual/manual_%1.html").arg(language);
    return !language.isEmpty() && QFile::exists(translated) ? translated : QStringLiteral(":/manual/manual.html");
}

QTextBrowser* ShowManual(QWidget* owner)
{
    auto* browser = owner->findChild<QTextBrowser*>(kWindowName, Qt::FindDirectChildrenOnly);
    if (!browser) {
        browser = new QTextBrowser(owner);
        browser->setObjectName(kWindowName);
        browser->setWindowFlag(Qt::Window);
        browser->setWindowTitle(QCoreApplication::translate("TManual", "Dravolt Manual"));
        browser->setOpenExternalLinks(false);
        browser->setSource(QUrl("qrc" + ManualPath(CurrentLanguage())));
        browser->resize(640, 560);
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
    return browser;
}
