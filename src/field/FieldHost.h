// What the field uses of the window that owns it. The window implements this;
// tests implement a recording fake. The field never sees the window itself.
#pragma once

#include <string>

// How a no-guess deal went: whether logic alone clears its board, and how
// long the deal took.
struct TNoGuessOutcome {
    bool Solved = false;
    bool TooFull = false; // unsolved because the total leaves too few free cells
    double Milliseconds = 0;
};

class FieldHost {
public:
    // Check marks of the option menu items, read when the rules need them.
    virtual bool FreeClickChecked() const = 0;
    virtual bool KeyboardNavigationChecked() const = 0;
    virtual bool AccentClearedChecked() const = 0;
    virtual bool UndecidedChecked() const = 0;
    virtual bool NoGuessChecked() const = 0;

    virtual void SetCounterText(const std::string& text) = 0;
    virtual void StartClock() = 0;
    virtual void StopClock() = 0;
    virtual bool ClockRunning() const = 0;

    virtual void ShowWinnerImage() = 0;  // the win picture becomes visible
    virtual void StartPaintDelayer() = 0; // the deferred repaint after a win
    virtual void EnableUndo() = 0;
    virtual void FocusNewGameButton() = 0;
    virtual void SetLossPending() = 0;

    // A no-guess deal, made at the first uncovering, has taken long enough
    // for the player to notice (16 ms); it ends within about 2 s.
    virtual void NoGuessDealSlow() = 0;
    // A no-guess deal is done, before its first cell opens.
    virtual void NoGuessDealt(const TNoGuessOutcome& outcome) = 0;

    virtual void RecordGameStat() = 0;
    virtual void CheckBestTime() = 0;
    virtual int CurrentSessionGameCount() const = 0;

protected:
    ~FieldHost() = default;
};
