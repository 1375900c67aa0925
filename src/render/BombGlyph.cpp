#include "render/BombGlyph.h"

#include "render/CanvasPixels.h"

namespace {

// A round body with eight spikes and a fuse up to the right.
constexpr const char* kBomb[kBombGlyphSize] = {
    "...........#.",
    "..........#..",
    ".........#...",
    "......#.#....",
    "...#.###.#...",
    "....#####....",
    "...#######...",
    ".###########.",
    "...#######...",
    "....#####....",
    "...#.###.#...",
    "......#......",
    ".............",
};

} // namespace

void PaintBombGlyph(TPixelCanvas& canvas, QPoint topLeft, QRgb colour)
{
    for (int row = 0; row < kBombGlyphSize; ++row)
        for (int col = 0; col < kBombGlyphSize; ++col)
            if (kBomb[row][col] == '#')
                canvas.Set(topLeft.x() + col, topLeft.y() + row, colour);
}
