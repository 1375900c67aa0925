// Fonts by the names the program asks for ("MS Sans Serif", "Arial", ...); the
// font system substitutes what is installed. Sizes in points are turned into
// pixels at 96 dots per inch, so that the look does not depend on the screen.
#pragma once

#include "field/Slot.h"

#include <QFont>
#include <string>

int PointsToPixels(int points);
QFont FontFor(const std::string& name, int points, TFontStyles styles);

// The window font: "MS Sans Serif", 8 points.
QFont WindowFont();
