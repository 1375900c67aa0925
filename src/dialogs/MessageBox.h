// Every message box of the program goes through ShowMessageBox, so that tests
// can answer "Yes", "No" or "Cancel" without a person: a test installs its own
// answerer for as long as a TScopedMessageBoxAnswerer lives.
#pragma once

#include <QString>
#include <functional>

class QWidget;

enum class TMsgIcon { None, Error, Information, Question };
enum class TMsgButtons { Ok, YesNo, YesNoCancel };
enum class TMsgResult { Ok, Yes, No, Cancel };

struct TMessageBoxRequest {
    TMsgIcon Icon = TMsgIcon::None;
    TMsgButtons Buttons = TMsgButtons::Ok;
    QString Text;
};

using TMessageBoxAnswerer = std::function<TMsgResult(const TMessageBoxRequest&)>;

TMsgResult ShowMessageBox(QWidget* parent, TMsgIcon icon, TMsgButtons buttons, const QString& text);

class TScopedMessageBoxAnswerer {
public:
    explicit TScopedMessageBoxAnswerer(TMessageBoxAnswerer answerer);
    ~TScopedMessageBoxAnswerer();
    TScopedMessageBoxAnswerer(const TScopedMessageBoxAnswerer&) = delete;
    TScopedMessageBoxAnswerer& operator=(const TScopedMessageBoxAnswerer&) = delete;

private:
    TMessageBoxAnswerer FPrevious;
};
