// A main window started in an empty temporary folder, with a fixed clock and
// scripted answers for every message box and dialog it raises.
#pragma once

#include "field/FakeField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"
#include "window/uDravolt.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/MessageBox.h"
#include "support/TestScreens.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

struct WindowTimes : TimeSource {
    std::uint32_t Milliseconds = 43'200'000;
    TLocalDateTime Local{2026, 12, 8, 21, 7, 5, 0};
    std::uint32_t MillisecondsSinceMidnightUtc() override { return Milliseconds; }
    TLocalDateTime LocalNow() override { return Local; }
};

class WindowFixture : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    WindowTimes time;
    std::vector<TMessageBoxRequest> messages;
    std::deque<TMsgResult> answers;          // scripted answers, Yes when none is left
    std::deque<std::function<int(QDialog&)>> dialogs; // scripted dialogs, Rejected when none is left
    std::vector<QString> dialogTitles;
    TScopedMessageBoxAnswerer answerer{[this](const TMessageBoxRequest& request) {
        messages.push_back(request);
        if (answers.empty())
            return request.Buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::Yes;
        const TMsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }};
    TScopedDialogRunner runner{[this](QDialog& dialog) {
        dialogTitles.push_back(dialog.windowTitle());
        if (dialogs.empty())
            return int(QDialog::Rejected);
        auto script = std::move(dialogs.front());
        dialogs.pop_front();
        return script(dialog);
    }};
    std::unique_ptr<TfrmDravolt> window;
    QString screenName = "Default"; // the test screen the window starts on

    WindowFixture() { QDir::setCurrent(folder.path()); }
    ~WindowFixture() override
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    std::string Path(const char* name) const { return (folder.path() + "/" + name).toStdString(); }
    void WriteFile(const char* name, const std::string& text) const { std::ofstream(Path(name), std::ios::binary) << text; }
    std::string ReadFile(const char* name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Creates the window, reads the settings and shows it (the first new game).
    bool Start()
    {
        window = std::make_unique<TfrmDravolt>(time);
        window->setScreen(TestScreen(screenName));
        if (!window->FormCreate())
            return false;
        window->show();
        return true;
    }
    // The close the player asks for; true when the window really closed.
    bool Close() { return window->close(); }

    TPanelMineField& Panel()
    {
        return window->actAnimate->isChecked() ? static_cast<TPanelMineField&>(*window->FAnimatedField)
                                               : *window->FPlainField;
    }
    // Replaces the shown game by a drawn layout ('*' bomb, '.' safe).
    void Layout(const std::vector<std::string>& rows)
    {
        ApplyLayout(Panel(), rows);
        Panel().Paint();
        Panel().SetEnabled(true);
    }
    void Click(int col, int row)
    {
        Panel().ClickPoint = Panel().CellOrigin(col, row);
        Panel().SimulateLeftClick(Panel().ClickPoint.X, Panel().ClickPoint.Y);
    }
    QString Counter() const { return window->lblCounter->text(); }
    QString Clock() const { return window->lblTimer->text(); }
    bool Asked(const QString& text) const
    {
        for (const auto& m : messages)
            if (m.Text == text)
                return true;
        return false;
    }
};
