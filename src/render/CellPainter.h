// The one place that turns a cell record into pixels: raised covered buttons,
// the flag picture, marker characters, flat open faces with their numbers, the
// bomb, the cursor frame and the see-through look over the win picture.
//
// Cells are drawn straight into the device pixels of an RGB32 canvas: every
// element is a solid rectangle, a line, a one-colour shape or monochrome text,
// so no painter is needed, and a full 100 x 60 field costs about a
// millisecond. A cell is designed as 16 x 16 pixels and drawn at any scale
// (the zoom times the screen's device pixel ratio): its lines as whole device
// pixels, its text and bomb drawn anew at the larger size; at scale 1 every
// pixel is the design's.
#pragma once

#include "field/Slot.h"

#include <QColor>
#include <QImage>
#include <QRect>

class QPalette;
struct TModernTheme;

// The desktop colours the cells use, taken from the widget's palette; with a
// modern theme, the colours of its panel and the theme that draws the cells.
struct TDesktopColors {
    QRgb Face = 0;      // button face
    QRgb Highlight = 0; // button highlight
    QRgb Shadow = 0;    // button shadow
    QRgb Text = 0;      // button text
    const TModernTheme* Modern = nullptr; // null: the classic look

    static TDesktopColors From(const QPalette& palette);
    QRgb Resolve(const TColor& colour) const;
};

// The side of a cell's design in pixels.
constexpr int kCellDesignSize = 16;

// The device pixel edge of a logical coordinate: the coordinate times the
// ratio, rounded. Cells that share a logical edge share its device edge, so a
// ratio with a fraction leaves neither gaps nor doubled lines between them.
int DeviceEdge(double logical, double ratio);

// Where a cell lands on the canvas: its device pixel edges (right and bottom
// exclusive) and how many device pixels one pixel of its design covers.
struct TCellBox {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    double Scale = 1;
};

// Draws one cell, in the classic look or the modern theme's. open selects the uncovered look (the caller passes Shown, or
// Cleared while the undo repaints). Pixels outside the canvas are skipped.
void PaintCell(QImage& canvas, const TSlot& slot, const TCellBox& box, bool open, const TDesktopColors& colours);

// The pixels a cell's drawing may touch: its box, and above it the lines of
// the cell above that its vertical edges reach into.
QRect PaintedRect(const TCellBox& box);

// The panel's own background and its lowered bevel, for a panel of the given
// logical size drawn at the ratio's device pixels. The background inside
// cellsFillLater (device pixels) is left to FillCellBackground, cell by cell.
void PaintPanelFrame(QImage& canvas, QSize logicalSize, int bevel, double ratio, const TDesktopColors& colours,
                     const QRect& cellsFillLater = {});
// The panel's background under one cell, where the cell's look (as PaintCell
// draws it with the same arguments) leaves it. A full repaint fills it just
// before the cell is drawn (into the look's tile, or on the canvas): the same
// pixels as one fill of the whole canvas first, without writing the canvas
// twice (on a large canvas, most of the repaint's time is spent writing
// memory).
void FillCellBackground(QImage& canvas, const TSlot& slot, const TCellBox& box, bool open,
                        const TDesktopColors& colours);
