// Deals boards that logic alone can clear from a given first cell. The bombs
// are placed at random, then the solver plays from the first cell, opening
// every cell it proves safe. Where it gets stuck, the board is changed near
// the stuck frontier instead of dealt again: a bomb moves between a frontier
// cell and a cell the solver has not reached, chosen so that a number beside
// it becomes decisive. Where every deduction made so far still follows from
// the changed numbers, play simply goes on. Where none can (typically when
// proven bombs wall the open area in), a bomb moves from that wall or from a
// frontier cell, and play goes back to a state saved before the cells and
// numbers the move touches were settled. The moves keep the bombs looking
// placed by chance: none that keeps the deductions grows a block of bombs
// beyond the largest of the first placement, and cells are drawn where they
// cluster the bombs least. Every choice comes from the game's random
// generator, so a seed and a first cell give one board; the time limit only
// decides when to give up with the best board so far.
#pragma once

#include "field/NoGuessSolver.h"
#include "field/RandomGenerator.h"

#include <array>
#include <functional>
#include <vector>

struct TNoGuessRequest {
    int Across = 1;
    int Down = 1;
    int Bombs = 0; // as many as there are cells when more
    int Start = 0; // the first cell to be uncovered, a linear index within the field
    // Corner-to-corner play: the bottom-right cell stays free, a cell opens
    // only beside a cleared one, and clearing the bottom-right cell wins.
    bool CornerToCorner = false;
};

struct TNoGuessBoard {
    std::vector<int> Bombs;  // linear indices, ascending
    bool Solved = false;     // logic alone clears it from the first cell
    // Not solved, and the total leaves fewer free cells than a first cell
    // and its eight neighbours: too full for such a board, not out of time.
    bool TooFull = false;
    double Milliseconds = 0; // how long the deal took
    int Repairs = 0;         // changes that kept every deduction
    int RollBacks = 0;       // changes after which play went back to a saved state
};

class TNoGuessDealer {
public:
    // Milliseconds since any fixed moment.
    using TClock = std::function<double()>;
    static double SteadyMilliseconds();

    explicit TNoGuessDealer(TRandomGenerator& random, TClock clock = SteadyMilliseconds);

    // After this long the deal ends with the best board found.
    double GiveUpAfter = 2000;
    // Called once when a deal takes longer than SlowAfter.
    double SlowAfter = 16;
    std::function<void()> OnSlow;

    TNoGuessBoard Deal(const TNoGuessRequest& request);

private:
    void Protect(const TNoGuessRequest& request, int bombs);
    void PlaceBombs(int bombs);
    void Replay();
    void OpenCell(int i);
    void Advance();
    bool Finished() const;
    bool TouchesOpen(int i) const;
    bool SameNumbersAround(int a, int b) const;
    void MoveBomb(int from, int to);
    bool RepairKeepingDeductions();
    bool RepairAndRollBack(int stalled);
    void SaveCheckpoint();
    int Draw(int n) { return static_cast<int>(FRandom.Random(static_cast<std::uint32_t>(n))); }

    TRandomGenerator& FRandom;
    TClock FClock;

    int FAcross = 0;
    int FDown = 0;
    int FCellCount = 0;
    int FStart = 0;
    int FSafeTotal = 0;
    bool FCorner = false;
    std::vector<std::uint8_t> FBomb;
    std::vector<std::uint8_t> FProtected; // never gets a bomb
    std::vector<std::int8_t> FAround;     // bombs among the neighbours
    TNoGuessSolver FSolver;
    std::vector<int> FDeferred; // proven safe, waiting for a cleared neighbour (corner-to-corner)

    // States of play saved every so many opened cells since play last
    // started over; the first FSavedCount are valid.
    struct TSaved {
        TNoGuessSolver::TCheckpoint Solver;
        std::vector<int> Deferred;
    };
    std::vector<TSaved> FSaved;
    int FSavedCount = 0;
    int FSaveEvery = 1;

    int SettledLimit(int cell) const;
    int DrawUnreached(bool bomb, int count);
    std::array<int, 4> Beside(int i) const;
    int BlockSize(int cell, int leaving, int most);
    int LargestBlock();
    int Clustering(int cell) const;
    int Tidier(int a, int b) const;
    void SortByClustering(std::vector<int>& cells, std::size_t begin);
    int DrawTidiest(const std::vector<int>& cells);

    // Scratch of the repairs: the undecided frontier cells that can change,
    // marked with FMarkStamp in FMark.
    std::vector<int> FFrontier;
    std::vector<int> FMark;
    int FMarkStamp = 0;

    int FBlockLimit = 0; // the largest block of bombs as first placed
    // Scratch of BlockSize: the block, its cells marked with FSeenStamp.
    std::vector<int> FBlock;
    std::vector<int> FSeen;
    int FSeenStamp = 0;
    std::vector<int> FSorted; // scratch of SortByClustering
};
