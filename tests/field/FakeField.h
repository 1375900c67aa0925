// A field without a toolkit for the rule tests: a host that records what the
// field asks of its window, a fixed clock, and a field that logs its redraws.
#pragma once

#include "field/MineField.h"

#include <string>
#include <vector>

struct FakeHost : FieldHost {
    bool FreeClick = false;
    bool KeyboardNavigation = false;
    bool AccentCleared = false;
    bool Undecided = false;
    bool NoGuess = false;
    int SessionGames = 0;

    std::string Counter;
    bool ClockOn = false;
    int ClockStarts = 0;
    bool LossPending = false;
    bool UndoEnabled = false;
    std::vector<std::string> Calls; // every call that changes something, in order
    std::vector<TNoGuessOutcome> Deals;

    bool FreeClickChecked() const override { return FreeClick; }
    bool KeyboardNavigationChecked() const override { return KeyboardNavigation; }
    bool AccentClearedChecked() const override { return AccentCleared; }
    bool UndecidedChecked() const override { return Undecided; }
    bool NoGuessChecked() const override { return NoGuess; }
    void SetCounterText(const std::string& text) override
    {
        Counter = text;
        Calls.push_back("counter " + text);
    }
    void StartClock() override
    {
        ClockOn = true;
        ++ClockStarts;
        Calls.push_back("start clock");
    }
    void StopClock() override
    {
        ClockOn = false;
        Calls.push_back("stop clock");
    }
    bool ClockRunning() const override { return ClockOn; }
    void ShowWinnerImage() override { Calls.push_back("show picture"); }
    void StartPaintDelayer() override { Calls.push_back("paint delayer"); }
    void EnableUndo() override
    {
        UndoEnabled = true;
        Calls.push_back("enable undo");
    }
    void FocusNewGameButton() override { Calls.push_back("focus go"); }
    void SetLossPending() override
    {
        LossPending = true;
        Calls.push_back("loss pending");
    }
    void NoGuessDealSlow() override { Calls.push_back("slow deal"); }
    void NoGuessDealt(const TNoGuessOutcome& outcome) override
    {
        Deals.push_back(outcome);
        Calls.push_back("dealt");
    }
    void RecordGameStat() override { Calls.push_back("record game"); }
    void CheckBestTime() override { Calls.push_back("check best time"); }
    int CurrentSessionGameCount() const override { return SessionGames; }

    bool Called(const std::string& call) const;
};

struct FixedTime : TimeSource {
    std::uint32_t Milliseconds = 43'200'000; // 12:00:00.000 UTC
    std::uint32_t MillisecondsSinceMidnightUtc() override { return Milliseconds; }
    TLocalDateTime LocalNow() override { return {2026, 12, 8, 12, 0, 0, 0}; }
};

// Deals a new game, then replaces its layout by a drawn one, row by row: '*' a
// bomb, '.' a safe cell. Numbers are counted here independently of the dealing
// code.
void ApplyLayout(TMineField& field, const std::vector<std::string>& rows);

class FakeField : public TMineField {
public:
    FakeField(FakeHost& host, FixedTime& time) : TMineField(host, time) {}

    bool FieldOn = true;
    int Paints = 0;
    std::vector<int> Redraws;     // linear indices, in order
    std::vector<TPoint> Simulated; // SimulateLeftClick points

    void SetEnabled(bool value) override { FieldOn = value; }
    bool Enabled() const override { return FieldOn; }
    void Paint() override { ++Paints; }
    bool HandleNavigationKey(int, bool) override { return false; }
    void RedrawCell(int col, int row) override { Redraws.push_back(CellToIndex(col, row)); }
    void SimulateLeftClick(int x, int y) override
    {
        Simulated.push_back({x, y});
        TMineField::SimulateLeftClick(x, y);
    }

    void Layout(const std::vector<std::string>& rows);
    std::vector<int> BombIndices() const;
    int Index(int col, int row) const { return CellToIndex(col, row); }
    // Clicks the cell the way the plain panel's timer does.
    void Click(int col, int row);
    void Flag(int col, int row);
    void Dual(int col, int row);
};
