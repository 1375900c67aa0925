#include "dialogs/OpenFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <utility>

namespace {

TOpenFileChooser& Chooser()
{
    static TOpenFileChooser chooser;
    return chooser;
}

} // namespace

QString ChooseOpenFile(QWidget* parent, const QString& directory, const QString& fileName, const QString& filter)
{
    if (Chooser())
        return Chooser()({directory, fileName, filter});
    // A start path that names no folder opens its folder with the name in the name box.
    return QFileDialog::getOpenFileName(parent, QString(), QDir(directory).filePath(fileName), filter);
}

TScopedOpenFileChooser::TScopedOpenFileChooser(TOpenFileChooser chooser)
    : FPrevious(std::exchange(Chooser(), std::move(chooser)))
{
}

TScopedOpenFileChooser::~TScopedOpenFileChooser() { Chooser() = std::move(FPrevious); }
