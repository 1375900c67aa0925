#include "dialogs/DialogRunner.h"

#include <QDialog>
#include <utility>

namespace {

TDialogRunner& Runner()
{
    static TDialogRunner runner;
    return runner;
}

} // namespace

int ExecDialog(QDialog& dialog)
{
    if (Runner())
        return Runner()(dialog);
    return dialog.exec();
}

TScopedDialogRunner::TScopedDialogRunner(TDialogRunner runner) : FPrevious(std::exchange(Runner(), std::move(runner)))
{
}

TScopedDialogRunner::~TScopedDialogRunner() { Runner() = std::move(FPrevious); }
