// Fonts by the names the program asks for ("MS Sans Serif", "Arial", ...); the
// font system substitutes what is installed. Sizes in points are turned into
// pixels at 96 dots per inch, so that the look does not depend on the screen.
#pragma once

#include "field/Slot.h"

#include <QFont>
#include <string>

int PointsToPixels(int points);
// The pixel size of a cell font drawn scale times larger than at its size in
// points: a 16-pixel cell drawn at scale 2 has text of twice the pixels.
int CellPixelSize(int points, double scale);
// The font of the field's text (numbers, markers, the wrong-flag "X"), drawn
// without antialiasing for sharp glyphs in 16-pixel cells, and as sharp at any
// scale. There the window's face draws its bold with the regular one-pixel
// strokes, so the field sets that face in DejaVu Sans, whose bold is visibly
// heavier at 11 pixels.
QFont CellFontFor(const std::string& name, int points, TFontStyles styles, double scale = 1.0);

// The window font: "MS Sans Serif", 8 points.
QFont WindowFont();
