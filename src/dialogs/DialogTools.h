// Small pieces shared by the modal dialogs: the fixed-size frame every dialog
// has, and the enter and leave notifications of an edit.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Caption, window font and a fixed client area of width × height pixels.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height);

// Calls onEnter when the focus comes to the widget from another control of its
// window, and onExit when it goes from the widget to another control (by Tab,
// mouse, accelerator or code). Focus lost to another window or a popup menu is
// no leaving: the control still holds the focus within its own window; nor is
// the focus that a control passes on because it was disabled.
void WatchEnterExit(QWidget* widget, std::function<void()> onEnter, std::function<void()> onExit);
