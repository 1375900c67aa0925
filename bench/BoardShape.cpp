#include "BoardShape.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::pair<int, int> kSides[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

} // namespace

TBoardShape ShapeOf(const TNoGuessRequest& request, const std::vector<int>& bombs)
{
    const int across = request.Across;
    const int down = request.Down;
    std::vector<std::uint8_t> bomb(static_cast<std::size_t>(across * down), 0);
    for (int i : bombs)
        bomb[i] = 1;
    const auto at = [&](int col, int row) {
        return col >= 0 && col < across && row >= 0 && row < down && bomb[col + row * across];
    };
    TBoardShape shape;
    for (int row = 0; row < down; ++row)
        for (int col = 0; col < across; ++col) {
            int around = 0;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc)
                    around += (dc != 0 || dr != 0) && at(col + dc, row + dr);
            if (at(col, row))
                shape.BuriedBombs += around == 8;
            else
                shape.BombFreeCells += around == 0;
        }
    // The blocks by a flood over the bombs, each bomb cleared once reached.
    std::vector<int> stack;
    for (int first : bombs) {
        if (!bomb[first])
            continue;
        bomb[first] = 0;
        stack.push_back(first);
        int size = 0;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++size;
            const int col = i % across;
            const int row = i / across;
            for (const auto& [dc, dr] : kSides)
                if (at(col + dc, row + dr)) {
                    bomb[col + dc + (row + dr) * across] = 0;
                    stack.push_back(col + dc + (row + dr) * across);
                }
        }
        shape.LargestBlock = std::max(shape.LargestBlock, size);
    }
    return shape;
}

std::vector<int> RandomBombs(const TNoGuessRequest& request, std::uint32_t seed)
{
    const int startCol = request.Start % request.Across;
    const int startRow = request.Start / request.Across;
    std::vector<int> cells;
    for (int i = 0; i < request.Across * request.Down; ++i)
        if (std::abs(i % request.Across - startCol) > 1 || std::abs(i / request.Across - startRow) > 1)
            cells.push_back(i);
    TRandomGenerator random;
    random.Reseed(seed);
    const int bombs = std::min(request.Bombs, static_cast<int>(cells.size()));
    for (int k = 0; k < bombs; ++k)
        std::swap(cells[k], cells[k + static_cast<int>(random.Random(static_cast<std::uint32_t>(cells.size()) - k))]);
    cells.resize(bombs);
    return cells;
}
