// Exact reasoning over one connected part of the frontier: covered cells that
// touch open numbers, and those numbers. The sweep visits the cells one by one
// in an order that finishes each number soon after starting it; after each
// cell all that matters for the rest is how many bombs each started number
// still needs, so every layout of the visited cells that leaves the same needs
// falls into one state. Along a frontier only a handful of numbers are started
// at a time, so the states stay few however long the frontier is, and the
// answers are exact: which cells can be a bomb, which can be safe, with how
// many bombs in the whole part.
#pragma once

#include "field/BombCountSet.h"

#include <cstdint>
#include <vector>

// The cells of a part are numbered 0 .. Cells - 1; each number lists its
// cells and the bombs it still needs among them.
struct TFrontierPart {
    int Cells = 0;
    std::vector<int> Needs;
    std::vector<int> Members;          // the cells of every number, one number after another
    std::vector<int> MemberBegin{0};   // number k owns Members[MemberBegin[k] .. MemberBegin[k + 1])

    void Clear();
    // Starts a number; its cells follow with AddMember.
    void AddNumber(int need);
    void AddMember(int cell);
    int Numbers() const { return static_cast<int>(Needs.size()); }
};

enum class TSweepResult { Done, NoLayout, TooLarge };

class TFrontierSweep {
public:
    // Sweeps the part. Where the numbers meet in a wide mesh rather than
    // along a line (open cells scattered over the field, which play never
    // leaves), the states grow exponentially; past the budget the sweep gives up.
    TSweepResult Build(const TFrontierPart& part);
    void SetStateBudget(int states) { FStateBudget = states; }

    // The fewest and the most bombs in a layout of the part.
    int MinBombs() const { return FMinBombs; }
    int MaxBombs() const { return FMaxBombs; }
    // For every cell of the part: 1 when some layout makes it a bomb (canBomb)
    // or leaves it safe (canSafe).
    void Possible(std::vector<std::uint8_t>& canBomb, std::vector<std::uint8_t>& canSafe);
    // Whether the bomb counts below fit in memory: a bitset for every state.
    bool CountsFit() const;
    // The bomb counts that the part's layouts reach.
    TBombCountSet Counts();
    // As Possible, over the layouts whose bomb count lies in allowed only.
    void Possible(const TBombCountSet& allowed, std::vector<std::uint8_t>& canBomb,
                  std::vector<std::uint8_t>& canSafe);

private:
    // What visiting the cell at one position does to one of its numbers.
    struct TStep {
        int Slot;           // where the number's need is kept in a state
        int StartNeed;      // the number's need when this is its first cell, else -1
        int CellsAfter;     // the number's cells still to come after this one
    };

    void ChooseOrder(const TFrontierPart& part);
    void PlanSteps(const TFrontierPart& part);
    int FindOrAdd(const std::uint64_t* key);
    void CountForward();

    int FStateBudget = 1 << 20;
    int FCells = 0;
    std::vector<int> FOrder;             // position -> cell
    std::vector<TStep> FSteps;           // per position, one entry for each of its numbers
    std::vector<int> FStepBegin;         // position p: FSteps[FStepBegin[p] .. FStepBegin[p + 1])
    int FWords = 1;                      // 64-bit words per state key (16 needs of 4 bits each)

    std::vector<int> FLayerBegin;        // position p's states: [FLayerBegin[p], FLayerBegin[p + 1])
    std::vector<int> FChild;             // per state: the state after a safe (2s) or a bomb (2s + 1), -1 if none
    std::vector<int> FMin, FMax;         // per state: fewest and most bombs among the visited cells
    int FMinBombs = 0;
    int FMaxBombs = 0;

    int FCountWords = 1;                 // words of a bomb-count bitset (counts 0 .. FCells)
    std::vector<std::uint64_t> FForward; // per state: the bomb counts of the visited cells reaching it
    bool FForwardDone = false;

    // Scratch of the sweep: the keys of the current and the next step, and
    // the hash table of the next step's keys.
    std::vector<std::uint64_t> FKeys, FNextKeys;
    std::vector<int> FTable;
    int FNextCount = 0;
    // Scratch of the order: each cell's numbers.
    std::vector<int> FCellNumberBegin, FCellNumbers, FPosition;
};
