#include "render/BombGlyph.h"

#include "render/CanvasPixels.h"

namespace {

// '#' body and spikes, 'o' highlight, '*' spark on the fuse.
constexpr const char* kBomb[kBombGlyphSize] = {
    "..........**.",
    "..........#*.",
    ".........#...",
    "......#.#....",
    "...#.###.#...",
    "....oo###....",
    "...#o#####...",
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
    const QRgb highlight = qRgb(255, 255, 255);
    const QRgb spark = qRgb(255, 160, 0);
    for (int row = 0; row < kBombGlyphSize; ++row) {
        for (int col = 0; col < kBombGlyphSize; ++col) {
            const char c = kBomb[row][col];
            if (c != '.')
                canvas.Set(topLeft.x() + col, topLeft.y() + row,
                         c == '#' ? colour : (c == 'o' ? highlight : spark));
        }
    }
}
