// The board's 3BV: the fewest left clicks that clear it without flags or
// chords. Every opening (a connected area of cells without a number, with the
// numbers around it) counts once, and every number that borders no opening
// counts once more.
#pragma once

#include <vector>

struct TBbbv {
    int Total = 0;
    int Done = 0; // of Total, what the cleared cells have already taken
};

// bombs and cleared hold one flag per cell, linear index = column + row x
// across. An opening is done once all of its empty cells are cleared, a lone
// number once it is.
TBbbv CountBbbv(int across, int down, const std::vector<bool>& bombs, const std::vector<bool>& cleared);

// The part of the 3BV cleared per click, in percent; 0 without clicks.
double Efficiency(int bbbvDone, int clicks);
