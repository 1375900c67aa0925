// What logic alone tells about a mine field from what a player sees: the open
// cells with their numbers, the cells already proven to hold a bomb, and how
// many bombs the other covered cells hold. For every covered cell it finds
// whether it is safe, a bomb, or could be either, and it is complete: a cell
// left undecided is a bomb in some layout that agrees with everything shown
// and the count of bombs, and safe in another (within a budget of work that
// views from play never come near; see TDeduction::Complete).
//
// Cheap rules come first: a number whose bombs are all found clears its other
// cells, a number that needs all its covered cells makes them bombs, and two
// overlapping numbers bound the bombs in the cells they share. Only when
// these stall does the exact sweep (FrontierSweep.h) run over each connected
// part of the frontier, joined through the count of bombs left.
//
// The solver is incremental, for the dealer of no-guess boards: cells are
// opened one by one as they are proven safe, and each question reworks only
// the parts of the frontier that changed since the last one.
#pragma once

#include "field/FrontierSweep.h"

#include <cstdint>
#include <vector>

enum class TCellFact : std::uint8_t { Undecided, Safe, Bomb, Open };

// What a player sees of a field.
struct TPlayerView {
    static constexpr int kCovered = -1;
    static constexpr int kKnownBomb = -2; // proven a bomb (a flag may be wrong, so flags are no known bombs)
    int Across = 0;
    int Down = 0;
    std::vector<int> Cells; // per linear index: kCovered, kKnownBomb or the number 0..8 of an open cell
    int BombsLeft = 0;      // bombs among the covered cells that are not known bombs
};

struct TDeduction {
    bool Consistent = true;        // false when no layout agrees with the view
    // False when a part of the frontier was too wide for the exact sweep
    // (open cells scattered over the field, never after play from one cell):
    // its cells were left undecided, so an undecided cell may then be settled
    // after all. Whatever is decided holds either way.
    bool Complete = true;
    std::vector<TCellFact> Facts;  // per cell: Open, Bomb (known or proven), Safe or Undecided
};

// Everything that follows from the view. sweepBudget, when above 0, replaces
// the solver's limit on the states of one exact sweep.
TDeduction Deduce(const TPlayerView& view, int sweepBudget = 0);

class TNoGuessSolver {
public:
    // A field with every cell covered and nothing known, holding bombs bombs.
    void Start(int across, int down, int bombs);
    // The cell is open and shows number (it holds no bomb).
    void Open(int i, int number);
    // The cell is known to hold a bomb.
    void MarkBomb(int i);
    // An open cell shows another number: the dealer moved a bomb beside it.
    // Only after ShiftKeepsDeductions allowed the change, so that everything
    // deduced so far still holds.
    void ChangeNumber(int i, int number);
    // Whether every deduction made so far still follows when the open cells
    // given show numbers changed by the amounts given.
    struct TNumberShift {
        int Cell;
        int Delta;
    };
    bool ShiftKeepsDeductions(const std::vector<TNumberShift>& shifts);

    // Deduces until a proven safe cell waits to be opened or nothing more
    // follows; true when one waits. The exact sweep runs only when the cheap
    // rules find no safe cell.
    bool FindSafeCells();
    // Deduces everything that follows from what is known now.
    void DecideAll();
    // A cell proven safe and not opened yet, or -1.
    int TakeSafeCell();

    // Cells opened so far, and when a cell became open or decided: the
    // number of cells open at that moment.
    int Step() const { return FStep; }
    int SettledAt(int i) const { return FSettledAt[i]; }
    // A saved state of play. The dealer goes back to one after changing cells
    // that were settled after it was saved, and plays on from there.
    struct TCheckpoint {
        int Step = 0;
        std::vector<TCellFact> Fact;
        std::vector<std::int8_t> Number, Need, Unknown;
        std::vector<std::uint8_t> Pinned;
        int BombsLeft = 0;
        int Undecided = 0;
        bool Consistent = true;
        std::vector<int> SingleQueue, PairQueue, SafeQueue;
        std::size_t Records = 0, RecordNumbers = 0, RecordMembers = 0, RecordDecided = 0, RecordLinks = 0;
        // An open cell of the saved state shows another number: the change
        // that ShiftKeepsDeductions allowed reaches back to it.
        void ShiftNumber(int i, int delta);
    };
    void Save(TCheckpoint& checkpoint) const;
    void Restore(const TCheckpoint& checkpoint);

    TCellFact Fact(int i) const { return FFact[i]; }
    // An open cell: the bombs it still needs among its undecided neighbours,
    // and how many of those there are.
    int NeedOf(int i) const { return FNeed[i]; }
    int UndecidedAround(int i) const { return FUnknown[i]; }
    bool Consistent() const { return FConsistent; }
    // Whether every exact sweep so far stayed within its budget (TDeduction).
    bool Complete() const { return FComplete; }
    // States an exact sweep may keep before it gives up.
    void SetSweepBudget(int states) { FSweepBudget = states; }
    int BombsLeft() const { return FBombsLeft; }
    int UndecidedCount() const { return FUndecided; }
    // The neighbours of a cell, in no particular order.
    int NeighbourCount(int i) const { return FNeighbourCount[i]; }
    int NeighbourOf(int i, int k) const { return FNeighbours[i * 8 + k]; }

    // The open cells that still have undecided neighbours, in no particular order.
    const std::vector<int>& ActiveNumbers() const { return FActive; }

private:
    // A deduction kept so that it can be checked again: the numbers it used,
    // each with its undecided cells and its need at the time, and the cells
    // it decided.
    struct TRecord {
        int NumberBegin, DecidedBegin; // into FRecordNumbers and FRecordDecided, up to the next record's
    };
    struct TRecordNumber {
        int Cell;
        int Need;
        int MemberBegin; // into FRecordMembers, up to the next number's
    };
    void Record(const std::vector<int>& numbers, const std::vector<int>& safe, const std::vector<int>& bombs);
    void Changed(int number);
    void TrackActive(int j);
    void DecideSafe(int i);
    void DecideBomb(int i);
    void CheckNumber(int i);
    void Propagate();
    void SingleRule(int j);
    void PairRules(int j);

    // One connected part of the frontier in the exact step.
    struct TPart {
        TFrontierPart Local;      // its cells numbered from 0, and its numbers
        std::vector<int> Cells;   // local cell -> cell of the field
        std::vector<int> Numbers; // its open cells, in the order of Local's numbers
        int Lowest = 0;           // its lowest cell, where its bounds are kept
        bool Changed = false;     // some number in it changed since the last sweep
        bool Swept = false;
        bool TooLarge = false;    // too wide to sweep: it decides nothing
        TFrontierSweep Sweep;
        std::vector<std::uint8_t> CanBomb, CanSafe; // per local cell, once decided
    };
    void ExactStep();
    int JoinParts(std::vector<int>& frontier);
    void SweepPart(TPart& part);
    void PossibleWithCount(int parts, int interior, bool& interiorCanBomb, bool& interiorCanSafe);
    int Root(int cell);

    int FAcross = 0;
    int FDown = 0;
    int FCellCount = 0;
    std::vector<int> FNeighbours; // 8 per cell
    std::vector<std::uint8_t> FNeighbourCount;

    std::vector<TCellFact> FFact;
    std::vector<std::int8_t> FNumber;  // open cells: the number shown
    std::vector<std::int8_t> FNeed;    // open cells: bombs still to find among undecided neighbours
    std::vector<std::int8_t> FUnknown; // open cells: undecided neighbours
    // Open cells whose number a deduction over the whole frontier and the
    // count of bombs relied on; those deductions are not checked again.
    std::vector<std::uint8_t> FPinned;
    int FBombsLeft = 0;                // bombs among the undecided cells
    int FUndecided = 0;
    bool FConsistent = true;
    bool FComplete = true;
    int FSweepBudget = 1 << 20;
    int FStep = 0;
    std::vector<int> FSettledAt;
    std::vector<int> FActive;   // open cells with undecided neighbours
    std::vector<int> FActiveAt; // per cell: its place in FActive, -1 when not there

    std::vector<int> FSingleQueue, FPairQueue, FSafeQueue;
    std::vector<std::uint8_t> FInSingle, FInPair;

    // The exact step: parts of the frontier, and what the last sweep of a part
    // that has not changed since found (kept at its lowest cell).
    std::vector<std::uint8_t> FChanged; // undecided cells: a number beside them changed
    std::vector<int> FCachedMin, FCachedMax;
    std::vector<int> FParent, FPartOf, FLocal;
    std::vector<TPart> FParts; // the first parts of the last exact step; the rest kept for reuse

    std::vector<TRecord> FRecords;
    std::vector<TRecordNumber> FRecordNumbers;
    std::vector<int> FRecordMembers;
    std::vector<int> FRecordDecided;   // cell * 2 + 1 for a bomb, cell * 2 for a safe cell
    std::vector<int> FFirstRecordOf;   // per open cell: its latest record link, -1 if none
    struct TRecordLink {
        int Record, Next, Cell;
    };
    std::vector<TRecordLink> FRecordLinks;
    TFrontierPart FCheckPart;
    TFrontierSweep FCheckSweep;
};
