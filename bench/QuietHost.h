// A window stand-in for the field benchmarks: every host call does nothing
// but keep the clock's running flag.
#pragma once

#include "field/FieldHost.h"

#include <string>

struct QuietHost final : FieldHost {
    bool FreeClickChecked() const override { return false; }
    bool KeyboardNavigationChecked() const override { return false; }
    bool AccentClearedChecked() const override { return false; }
    bool UndecidedChecked() const override { return false; }
    bool NoGuessChecked() const override { return false; }
    void SetCounterText(const std::string&) override {}
    void StartClock() override { Running = true; }
    void StopClock() override { Running = false; }
    bool ClockRunning() const override { return Running; }
    void ShowWinnerImage() override {}
    void StartPaintDelayer() override {}
    void EnableUndo() override {}
    void FocusNewGameButton() override {}
    void SetLossPending() override {}
    void NoGuessDealSlow() override {}
    void NoGuessDealt(const TNoGuessOutcome&) override {}
    void RecordGameStat() override {}
    void CheckBestTime() override {}
    int CurrentSessionGameCount() const override { return 0; }
    bool Running = false;
};
