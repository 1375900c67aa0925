// The mine field without any toolkit: the grid of cells, dealing, the rules of
// play, win, loss and undo, and the gestures that act at a panel point. The Qt
// panels derive from it and supply the drawing and the enabled switch.
#pragma once

#include "field/CandidateList.h"
#include "field/FieldHost.h"
#include "field/FieldObserver.h"
#include "field/IzorvMineField.h"
#include "field/RandomGenerator.h"
#include "field/Slot.h"
#include "field/TimeSource.h"

#include <string>
#include <utility>
#include <vector>

class TMineField : public IzorvMineField {
public:
    explicit TMineField(FieldHost& host, TimeSource& time = SystemTime());
    virtual ~TMineField() = default;
    TMineField(const TMineField&) = delete;
    TMineField& operator=(const TMineField&) = delete;

    // --- IzorvMineField (the panel adds Enabled, Paint and the keys)
    int SlotsDown() const override { return FSlotsDown; }
    void SetSlotsDown(int value) override { FSlotsDown = value; }
    int SlotsAcross() const override { return FSlotsAcross; }
    void SetSlotsAcross(int value) override { FSlotsAcross = value; }
    int BombTotal() const override { return FBombTotal; }
    void SetBombTotal(int value) override { FBombTotal = value; }
    int SafeCellTotal() const override { return FSafeCellTotal; }
    void SetSafeCellTotal(int value) override { FSafeCellTotal = value; }
    int CellHeight() const override { return FCellHeight; }
    void SetCellHeight(int value) override { FCellHeight = value; }
    int CellWidth() const override { return FCellWidth; }
    void SetCellWidth(int value) override { FCellWidth = value; }
    int BombsLeft() const override { return FBombsLeft; }
    void SetBombsLeft(int value) override { FBombsLeft = value; }
    std::string PlayMode() const override { return FPlayMode; }
    void SetPlayMode(const std::string& value) override { FPlayMode = value; }
    std::string GamePlayMode() const override { return FGamePlayMode; }
    bool OptimizeStatsStart() const override { return FOptimizeStatsStart; }
    void SetOptimizeStatsStart(bool value) override { FOptimizeStatsStart = value; }
    int BevelWidth() const override { return FBevelWidth; }
    int BorderWidth() const override { return 0; }
    bool PictureShown() const override { return FPictureShown; }
    void SetPictureShown(bool value) override { FPictureShown = value; }
    bool ShowPictureOnWin() const override { return FShowPictureOnWin; }
    void SetShowPictureOnWin(bool value) override { FShowPictureOnWin = value; }
    void SetKeyboardCursor(bool on) override;
    std::string PreferredMarker() const override { return FPreferredMarker; }
    void SetPreferredMarker(const std::string& text) override;
    void NewGame(bool startClick) override;
    void AllocateGrid() override;
    void Undo() override;
    void RemarkFlags() override;
    bool GameNoGuess() const override { return FGameNoGuess; }

    // Deals the given board in place of a random one: the field takes its
    // size, and the game plays by the given mode ("code" for a board from a
    // code, which keeps no best time). The start cell, when given, is
    // uncovered for the player.
    void NewBoard(int across, int down, const std::vector<int>& bombs, const std::string& mode, int start = -1);
    // The history's view of the play; null: nobody watches.
    void SetObserver(FieldObserver* observer) { FObserver = observer; }

    // --- The grid. Indexing always uses the allocated grid, so dimensions
    // written since the last AllocateGrid never reach outside it.
    void BuildField();
    // A no-guess game waits for its first uncovering to place its bombs.
    bool DealPending() const { return FDealPending; }
    int GridAcross() const { return FGridAcross; }
    int GridDown() const { return FGridDown; }
    int CellCount() const { return FGridAcross * FGridDown; }
    bool ValidIndex(int i) const { return i >= 0 && i < CellCount(); }
    TSlot& Cell(int col, int row) { return FCells[Offset(col, row)]; }
    const TSlot& Cell(int col, int row) const { return FCells[Offset(col, row)]; }
    TSlot& CellAtIndex(int i) { return Cell(i % FGridAcross, i / FGridAcross); }
    const TSlot& CellAtIndex(int i) const { return Cell(i % FGridAcross, i / FGridAcross); }
    TCellPos IndexToCell(int i) const { return {i % FGridAcross, i / FGridAcross}; }
    int CellToIndex(int col, int row) const { return col + row * FGridAcross; }

    // Neighbours, -1 where the grid ends. Neighbour(i, k) visits them in the
    // standard order: up-left, up, up-right, left, right, down-left, down, down-right.
    int UpLeftOf(int i) const;
    int UpOf(int i) const;
    int UpRightOf(int i) const;
    int LeftOf(int i) const;
    int RightOf(int i) const;
    int DownLeftOf(int i) const;
    int DownOf(int i) const;
    int DownRightOf(int i) const;
    int Neighbour(int i, int k) const;
    static constexpr int kNeighbourCount = 8;

    // Pixel geometry: the grid starts at (bevel, bevel). CellAt truncates toward
    // zero, so points up to one cell left of or above the grid map to 0.
    TPoint CellOrigin(int col, int row) const;
    bool CellAt(int x, int y, TCellPos& cell) const;

    void IncBombsLeft();
    void DecBombsLeft();

    // --- The rules
    static bool IsBomb(const TSlot& slot);
    bool IsFlagged(const TSlot& slot) const;
    bool CornerToCorner() const; // the current game's mode
    // ClickCell's steps 1 and 2: flagged, cleared, or refused by corner-to-corner.
    bool ClickRefused(int col, int row) const;
    void ClickCell(int col, int row);
    void UncoverCell(int col, int row); // ClickCell from its step 3
    void OpenCell(int col, int row, bool clear);
    // A field that draws may gather the flood's redraws.
    virtual void FloodFrom(int i);
    bool FloodCell(int n); // true when the flood goes on from n
    void Chord(int i);
    void ToggleFlag(int col, int row);
    void CycleMarker(int col, int row);
    void MoveCursorTo(int col, int row);
    bool IsCleared(int i) const;
    bool TouchesCleared(int i) const;
    // Every safe cell is uncovered (or, corner to corner, the far corner).
    bool Won() const;
    bool CheckWin();
    void LoseGame();

    // --- Gestures at ClickPoint (mouse and keyboard of the plain panel)
    // The cell under ClickPoint, with the keyboard cursor moved there; false
    // outside the grid.
    bool CellAtClickPoint(TCellPos& cell);
    // A gesture that changes nothing still shows where the cursor went.
    void RedrawForCursor(int col, int row);
    // The cursor cell loses its frame and is redrawn; CursorIndex stays.
    void TakeCursorOff();
    void LeftClick();
    void RightClick();
    void DualClick();
    virtual void SimulateLeftClick(int x, int y);
    bool FreeClickFrom(int start);

    // Drawing hook: draw one cell now.
    virtual void RedrawCell(int col, int row) = 0;

    // Tells the observer of a player's action on a cell; an uncovering the
    // program makes while it starts a game is told as such.
    void TellAction(TFieldAction action, int col, int row);

    // --- Per-game state
    int ClearedCount = 0;
    int CursorIndex = -1;
    int FreeClickStep = 1;
    bool StartClick = false;
    TPoint ClickPoint{-1, -1};
    bool LeftArmed = false;
    bool RightArmed = false;
    TCellPos PressedCell{0, 0};
    bool PaintCleared = false;

    // The panel's font, from which the cells' fonts derive.
    std::string PanelFontName = "MS Sans Serif";
    int PanelFontSize = 8;
    TFontStyles PanelFontStyle = 0;

protected:
    FieldHost& Host;

private:
    std::size_t Offset(int col, int row) const
    {
        return static_cast<std::size_t>(col) * static_cast<std::size_t>(FGridDown) +
               static_cast<std::size_t>(row);
    }
    void PlaceCursorAt(int i);
    void PrepareGrid();
    void MakeBomb(int i);
    void CountNeighbours();
    void DealNoGuess(int start);
    void ResetPlay(); // the per-game state of a new board

    int FSlotsAcross = 10;
    int FSlotsDown = 10;
    int FBombTotal = 10;
    int FCellWidth = 16;
    int FCellHeight = 16;
    int FBevelWidth = 3;
    int FSafeCellTotal = 0;
    int FBombsLeft = 0;
    std::string FPreferredMarker = "Flag";
    std::string FPlayMode;     // the mode of the next game
    std::string FGamePlayMode; // the mode the current game was dealt with
    bool FShowPictureOnWin = false;
    bool FPictureShown = false;
    bool FOptimizeStatsStart = false;
    bool FGameNoGuess = false; // the mode the current game was started with
    bool FDealPending = false; // the game keeps the mode NewGame read
    int FPendingBombs = 0;
    FieldObserver* FObserver = nullptr;
    bool FStartingGame = false; // the clicks of NewGame itself are the program's

    int FGridAcross = 0;
    int FGridDown = 0;
    std::vector<TSlot> FCells; // column by column, then row
    TimeSource& FTime;
    TRandomGenerator FRandom;
    TCandidateList FCandidates;
    std::vector<std::pair<int, int>> FFloodStack; // (cell, next neighbour)
};
