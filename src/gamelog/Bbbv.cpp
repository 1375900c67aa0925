#include "gamelog/Bbbv.h"

#include <cstddef>

namespace {

template <typename Visit>
void ForNeighbours(int across, int down, int i, Visit visit)
{
    const int col = i % across;
    const int row = i / across;
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const int c = col + dc;
            const int r = row + dr;
            if ((dc != 0 || dr != 0) && c >= 0 && c < across && r >= 0 && r < down)
                visit(c + r * across);
        }
}

} // namespace

TBbbv CountBbbv(int across, int down, const std::vector<bool>& bombs, const std::vector<bool>& cleared)
{
    const int n = across * down;
    const auto at = [](const std::vector<bool>& v, int i) { return v[static_cast<std::size_t>(i)]; };
    std::vector<int> number(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i)
        if (at(bombs, i))
            ForNeighbours(across, down, i, [&](int j) { ++number[static_cast<std::size_t>(j)]; });

    TBbbv result;
    std::vector<bool> inOpening(static_cast<std::size_t>(n), false);
    std::vector<int> stack;
    for (int i = 0; i < n; ++i) {
        if (at(bombs, i) || number[static_cast<std::size_t>(i)] != 0 || at(inOpening, i))
            continue;
        // A new opening: its empty cells and their numbered rim.
        ++result.Total;
        bool done = true;
        inOpening[static_cast<std::size_t>(i)] = true;
        stack.assign(1, i);
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            done = done && at(cleared, cell);
            ForNeighbours(across, down, cell, [&](int j) {
                if (at(inOpening, j))
                    return;
                inOpening[static_cast<std::size_t>(j)] = true;
                if (number[static_cast<std::size_t>(j)] == 0)
                    stack.push_back(j);
            });
        }
        result.Done += done;
    }
    for (int i = 0; i < n; ++i)
        if (!at(bombs, i) && !at(inOpening, i)) {
            ++result.Total;
            result.Done += at(cleared, i);
        }
    return result;
}

double Efficiency(int bbbvDone, int clicks) { return clicks > 0 ? 100.0 * bbbvDone / clicks : 0.0; }
