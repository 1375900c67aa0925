#include "dialogs/OpenFileDialog.h"

#include <QFileDialog>
#include <utility>

namespace {

TOpenFileChooser& Chooser()
{
    static TOpenFileChooser chooser;
    return chooser;
}

} // namespace

QString ChooseOpenFile(QWidget* parent, const QString& directory, const QString& filter)
{
    if (Chooser())
        return Chooser()({directory, filter});
    return QFileDialog::getOpenFileName(parent, QString(), directory, filter);
}

TScopedOpenFileChooser::TScopedOpenFileChooser(TOpenFileChooser chooser)
    : FPrevious(std::exchange(Chooser(), std::move(chooser)))
{
}

TScopedOpenFileChooser::~TScopedOpenFileChooser() { Chooser() = std::move(FPrevious); }
