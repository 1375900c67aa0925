// Helpers for driving the dialogs like a player: shown and active on the
// offscreen screen, focus moved with the mouse or Tab, text typed key by key.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

enum class TLeave { Tab, Mouse };

inline void PrintTo(TLeave how, std::ostream* os) { *os << (how == TLeave::Tab ? "by Tab" : "by mouse"); }

inline void ShowActive(QWidget& dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Clicks into the edit and types text over its whole content.
inline void Retype(QLineEdit* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Leaves the focused edit, by Tab or by clicking into another control.
inline void Leave(QLineEdit* edit, TLeave how, QWidget* clickTarget)
{
    if (how == TLeave::Tab)
        QTest::keyClick(edit, Qt::Key_Tab);
    else
        QTest::mouseClick(clickTarget, Qt::LeftButton);
    ASSERT_NE(QApplication::focusWidget(), edit);
}
