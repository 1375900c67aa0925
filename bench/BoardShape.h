// What a board looks like, in three figures that tell a dealt board from one
// placed by chance: the bombs buried in bombs, the largest solid block and
// the open plains. The no-guess benchmark takes them of the dealt boards and
// of random boards with the same size, total and free start area.
#pragma once

#include "field/NoGuessDealer.h"

#include <cstdint>
#include <vector>

struct TBoardShape {
    int BuriedBombs = 0;   // bombs with 8 bomb neighbours
    int LargestBlock = 0;  // bombs in the largest 4-connected block
    int BombFreeCells = 0; // safe cells with no bomb beside them
};

TBoardShape ShapeOf(const TNoGuessRequest& request, const std::vector<int>& bombs);

// The bombs of a board placed by chance, as the dealer places them before
// any repair: anywhere but the first cell and its neighbours.
std::vector<int> RandomBombs(const TNoGuessRequest& request, std::uint32_t seed);
