// The "About" box: four tabbed pages of fixed, read-only text about the
// program's commands, strong points, known problems and plans.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QShowEvent;
class QTabWidget;

class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QTabWidget* pgeMain;
    QWidget* TabSpecs;
    QPlainTextEdit* memSpecs;
    QWidget* tabGood;
    QPlainTextEdit* memGood;
    QWidget* TabSheet2;
    QPlainTextEdit* memBad;
    QWidget* TabSheet3;
    QPlainTextEdit* memTodo;

protected:
    // Every opening starts on the "Specs" page.
    void showEvent(QShowEvent* event) override;
};
