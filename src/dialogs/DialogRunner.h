// Every modal dialog the window opens is shown through ExecDialog, so that
// tests can fill it in and close it without a person: a test installs its own
// runner for as long as a TScopedDialogRunner lives.
#pragma once

#include <functional>

class QDialog;

using TDialogRunner = std::function<int(QDialog&)>; // returns a QDialog::DialogCode

int ExecDialog(QDialog& dialog);

class TScopedDialogRunner {
public:
    explicit TScopedDialogRunner(TDialogRunner runner);
    ~TScopedDialogRunner();
    TScopedDialogRunner(const TScopedDialogRunner&) = delete;
    TScopedDialogRunner& operator=(const TScopedDialogRunner&) = delete;

private:
    TDialogRunner FPrevious;
};
