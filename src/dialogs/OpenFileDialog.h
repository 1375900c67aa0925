// The file-open dialog goes through ChooseOpenFile, so that tests can pretend a
// file was chosen: a test installs its own chooser for as long as a
// TScopedOpenFileChooser lives.
#pragma once

#include <QString>
#include <functional>

class QWidget;

struct TOpenFileRequest {
    QString Directory;  // where the dialog starts
    QString FileName;   // what the name box holds at the start
    QString Filter;     // a name filter in the file dialog's syntax
};

// Returns the chosen file's path, or an empty text when nothing was chosen.
using TOpenFileChooser = std::function<QString(const TOpenFileRequest&)>;

QString ChooseOpenFile(QWidget* parent, const QString& directory, const QString& fileName, const QString& filter);

class TScopedOpenFileChooser {
public:
    explicit TScopedOpenFileChooser(TOpenFileChooser chooser);
    ~TScopedOpenFileChooser();
    TScopedOpenFileChooser(const TScopedOpenFileChooser&) = delete;
    TScopedOpenFileChooser& operator=(const TScopedOpenFileChooser&) = delete;

private:
    TOpenFileChooser FPrevious;
};
