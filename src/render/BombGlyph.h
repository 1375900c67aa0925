// The bomb drawn for "M" in the symbol font: no installed font has one, so the
// program draws its own, pixel by pixel, in the 16-pixel cell.
#pragma once

#include <QColor>
#include <QPoint>

class TPixelCanvas;

constexpr int kBombGlyphSize = 13;

// Draws the bomb, all in one colour, with its top-left corner at topLeft.
void PaintBombGlyph(TPixelCanvas& canvas, QPoint topLeft, QRgb colour);
