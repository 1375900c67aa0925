// Plays a recorded game back on a field of its own, move by move.
#pragma once

#include "field/MineField.h"
#include "gamelog/GameRow.h"
#include "gamelog/MoveRecord.h"

#include <optional>

struct TReplayGame {
    TGameRow Row;
    std::vector<int> Mines;
    std::vector<TMove> Moves;
};

// The game a row holds; empty when its mines or moves cannot be read.
std::optional<TReplayGame> ReplayGameOf(const TGameRow& row);

// Deals the game's board on the field, as it was before its first move.
void DealReplay(TMineField& field, const TReplayGame& game);
// Does one move as the player did. A move after a loss came after an undo:
// the caller takes the loss back first.
void ApplyMove(TMineField& field, const TMove& move);
