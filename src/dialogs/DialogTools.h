// Small pieces shared by the modal dialogs: the fixed-size frame every dialog
// has, room for texts longer than the English ones, and the enter and leave
// notifications of an edit.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Caption, window font and a fixed client area of width × height pixels.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height);

// The width a label, check box, radio button or push button needs to show its
// whole text in its style.
int TextWidth(const QWidget* control);

// Widens every label and button of `form` (and of its groups and panels) that
// is too narrow for its text, as a translation may be, moves the controls to
// its right along and grows the form by as much. A form whose texts all fit
// keeps its geometry to the pixel, and so does every form in English.
void FitTexts(QWidget* form);

// Calls onEnter when the focus comes to the widget from another control of its
// window, and onExit when it goes from the widget to another control (by Tab,
// mouse, accelerator or code). Focus lost to another window or a popup menu is
// no leaving: the control still holds the focus within its own window; nor is
// the focus that a control passes on because it was disabled.
void WatchEnterExit(QWidget* widget, std::function<void()> onEnter, std::function<void()> onExit);
