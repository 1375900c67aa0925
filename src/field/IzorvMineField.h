// The field as the main window sees it. The window holds a non-owning pointer
// to the panel that is shown and makes every game call through it. The
// operations stand in their fixed order.
#pragma once

#include <string>

class IzorvMineField {
public:
    // Dimension writes only store the value; the grid follows at the next
    // AllocateGrid or NewGame.
    virtual int SlotsDown() const = 0;
    virtual void SetSlotsDown(int value) = 0;
    virtual int SlotsAcross() const = 0;
    virtual void SetSlotsAcross(int value) = 0;
    virtual int BombTotal() const = 0;
    virtual void SetBombTotal(int value) = 0;
    virtual int SafeCellTotal() const = 0;
    virtual void SetSafeCellTotal(int value) = 0;
    virtual int CellHeight() const = 0;
    virtual void SetCellHeight(int value) = 0;
    virtual int CellWidth() const = 0;
    virtual void SetCellWidth(int value) = 0;
    virtual int BombsLeft() const = 0;
    virtual void SetBombsLeft(int value) = 0; // the counter label is not updated
    // The mode the next NewGame deals with; the game on the board keeps the
    // mode it was dealt with, which GamePlayMode reads.
    virtual std::string PlayMode() const = 0;
    virtual void SetPlayMode(const std::string& value) = 0;
    virtual bool OptimizeStatsStart() const = 0;
    virtual void SetOptimizeStatsStart(bool value) = 0;
    virtual int BevelWidth() const = 0;
    virtual int BorderWidth() const = 0;
    virtual void SetEnabled(bool value) = 0;
    virtual bool Enabled() const = 0;
    virtual bool PictureShown() const = 0;
    virtual void SetPictureShown(bool value) = 0;
    virtual bool ShowPictureOnWin() const = 0;
    virtual void SetShowPictureOnWin(bool value) = 0;
    virtual void SetKeyboardCursor(bool on) = 0;
    virtual std::string PreferredMarker() const = 0;
    virtual void SetPreferredMarker(const std::string& text) = 0;
    virtual void NewGame(bool startClick) = 0;
    virtual void AllocateGrid() = 0;
    virtual void Paint() = 0;
    virtual bool HandleNavigationKey(int key, bool down) = 0;
    virtual void Undo() = 0;
    virtual void RemarkFlags() = 0;
    virtual std::string GamePlayMode() const = 0;

    // Whether the current game was started with no guessing (the window's
    // check mark as NewGame read it): its bombs are placed at its first
    // uncovering, around that cell, on a board that logic alone clears.
    // Flags placed before then stay mere markers: the deal does not look at
    // them.
    virtual bool GameNoGuess() const = 0;

protected:
    ~IzorvMineField() = default; // the window never destroys a panel through this
};
