// The bomb drawn for "M" in the symbol font: no installed font has one, so the
// program draws its own, a round body with eight spikes and a fuse, as a shape
// sampled at every pixel of the size it is drawn at.
#pragma once

#include <QColor>
#include <QPoint>

class TPixelCanvas;

// The side of the bomb's square box in the pixels of a 16-pixel cell.
constexpr int kBombGlyphSize = 13;

// Draws the bomb, all in one colour, with its top-left corner at topLeft and
// scale device pixels to each pixel of its box.
void PaintBombGlyph(TPixelCanvas& canvas, QPoint topLeft, QRgb colour, double scale);
