// The cells of the Light and Dark themes, on the geometry of the classic
// ones: covered cells raised with rounded corners, open ones flat, numbers in
// an antialiased bold sans, and the bomb, the flag, "?" and the wrong-flag
// cross as antialiased shapes drawn at the cell's device size. Each look a
// cell can have is drawn once for a theme and a cell size, into a tile, and
// a cell is a copy of its tile: a full field costs little more than copying
// its pixels.
#pragma once

#include "field/Slot.h"
#include "render/CellPainter.h"

#include <QImage>

struct TModernTheme;

// Draws one cell into the box; open as for PaintCell. A see-through open
// cell keeps the win picture under its number or bomb.
void PaintModernCell(QImage& canvas, const TSlot& slot, const TCellBox& box, bool open, const TModernTheme& theme);
