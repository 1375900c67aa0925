// The one place that turns a cell record into pixels: raised covered buttons,
// the flag picture, marker characters, flat open faces with their numbers, the
// bomb, the cursor frame and the see-through look over the win picture.
//
// Cells are drawn straight into the pixels of an RGB32 canvas: every element
// is a solid rectangle, a one-pixel line or monochrome text, so no painter is
// needed, and a full 100 x 60 field costs well under a millisecond.
#pragma once

#include "field/Slot.h"

#include <QColor>
#include <QImage>
#include <QPoint>

class QPalette;
class QRect;

// The desktop colours the cells use, taken from the widget's palette.
struct TDesktopColors {
    QRgb Face = 0;      // button face
    QRgb Highlight = 0; // button highlight
    QRgb Shadow = 0;    // button shadow
    QRgb Text = 0;      // button text

    static TDesktopColors From(const QPalette& palette);
    QRgb Resolve(const TColor& colour) const;
};

// Draws one cell whose top-left pixel is origin. open selects the uncovered
// look (the caller passes Shown, or Cleared while the undo repaints). Pixels
// outside the canvas are skipped.
void PaintCell(QImage& canvas, const TSlot& slot, QPoint origin, int width, int height, bool open,
               const TDesktopColors& colours);

// The panel's own background and its lowered bevel.
void PaintPanelFrame(QImage& canvas, int bevel, const TDesktopColors& colours);
