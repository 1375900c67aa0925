#include "dialogs/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace {

TMessageBoxAnswerer& Answerer()
{
    static TMessageBoxAnswerer answerer;
    return answerer;
}

QMessageBox::Icon ToQt(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Error: return QMessageBox::Critical;
    case TMsgIcon::Information: return QMessageBox::Information;
    case TMsgIcon::Question: return QMessageBox::Question;
    case TMsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

TMsgResult ShowMessageBox(QWidget* parent, TMsgIcon icon, TMsgButtons buttons, const QString& text)
{
    if (Answerer())
        return Answerer()({icon, buttons, text});

    QMessageBox box(ToQt(icon), QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case TMsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TMsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case TMsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return TMsgResult::Yes;
    case QMessageBox::No: return TMsgResult::No;
    case QMessageBox::Ok: return TMsgResult::Ok;
    default: break;
    }
    // Closing the box counts as its escape button.
    return buttons == TMsgButtons::YesNo ? TMsgResult::No : (buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::Cancel);
}

TScopedMessageBoxAnswerer::TScopedMessageBoxAnswerer(TMessageBoxAnswerer answerer)
    : FPrevious(std::exchange(Answerer(), std::move(answerer)))
{
}

TScopedMessageBoxAnswerer::~TScopedMessageBoxAnswerer() { Answerer() = std::move(FPrevious); }
