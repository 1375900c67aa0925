#include "render/CellPainter.h"

#include "render/BombGlyph.h"
#include "render/CanvasPixels.h"
#include "settings/zorvUtil.h"

#include <QPalette>
#include <QRect>

namespace {

const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kRed = qRgb(255, 0, 0);

// Text whose box has its top-left corner at (x, y); with a box colour the box
// is filled first (an opaque text background).
void Text(TPixelCanvas& canvas, int x, int y, const std::string& text, const std::string& fontName, int size,
          TFontStyles styles, QRgb colour, const QRgb* box)
{
    // The symbol font's "M" is a bomb, which no installed font has.
    if (SameText(fontName, "Wingdings") && SameText(text, "M")) {
        if (box)
            canvas.Fill(x, y, kBombGlyphSize, kBombGlyphSize, *box);
        PaintBombGlyph(canvas, QPoint(x, y), colour);
        return;
    }
    if (box) {
        const QSize extent = TextBoxSize(text, fontName, size, styles);
        canvas.Fill(x, y, extent.width(), extent.height(), *box);
    }
    canvas.Text(x, y, text, fontName, size, styles, colour);
}

void PaintFlag(TPixelCanvas& canvas, int x, int y, int w, int h, QRgb base, QRgb text)
{
    const int p = w / 2;
    canvas.Fill(x + 5, y + h - 4, w - 9, 1, base);  // base, lower line: columns 5 .. w-5
    canvas.Fill(x + 6, y + h - 5, w - 11, 1, base); // base, upper line: columns 6 .. w-6
    canvas.Fill(x + p, y + 3, 1, h - 7, text);      // pole: rows 3 .. h-5
    canvas.Set(x + p - 1, y + 5, text);              // lower edge of the cloth
    canvas.Fill(x + p - 2, y + 6, 2, 1, text);
    canvas.Fill(x + p - 4, y + 3, 3, 1, kRed); // the cloth
    canvas.Fill(x + p - 4, y + 4, 3, 1, kRed);
    canvas.Fill(x + p - 4, y + 5, 2, 1, kRed);
    canvas.Set(x + p - 4, y + 6, kRed);
}

void PaintCovered(TPixelCanvas& canvas, const TSlot& slot, int x, int y, int w, int h, const TDesktopColors& c)
{
    const QRgb light = slot.HasCursor ? kNavy : c.Highlight;
    const QRgb dark = slot.HasCursor ? kNavy : c.Shadow;
    canvas.Fill(x, y, w - 1, 1, light);         // top: row 0, columns 0 .. w-2
    canvas.Fill(x, y - 1, 1, h, light);         // left: column 0, rows -1 .. h-2
    canvas.Fill(x + w - 1, y - 1, 1, h, dark);  // right: column w-1, rows -1 .. h-2
    canvas.Fill(x + 1, y + h - 1, w - 3, 1, dark); // bottom: row h-1, columns 1 .. w-3
    if (slot.Marker.empty()) {
        canvas.Fill(x + 1, y + 1, w - 2, h - 2, c.Face);
        return;
    }
    if (SameText(slot.Marker, "Flag")) {
        // The interior is not filled: the flag stands on what the cell showed.
        PaintFlag(canvas, x, y, w, h, dark, c.Text);
        return;
    }
    const QPoint offset = slot.Marker == "?" ? QPoint(4, 2) : QPoint(1, 1);
    Text(canvas, x + offset.x(), y + offset.y(), slot.Marker, slot.MarkerFontName, slot.MarkerFontSize,
         slot.MarkerFontStyle, c.Text, &c.Face);
}

void PaintOpen(TPixelCanvas& canvas, const TSlot& slot, int x, int y, int w, int h, const TDesktopColors& c)
{
    const QRgb back = c.Resolve(slot.BackColor);
    if (!slot.SeeThrough)
        canvas.Fill(x, y, w - 1, h - 1, back);
    if (slot.HasCursor) {
        canvas.Fill(x, y, w - 1, 1, kNavy);
        canvas.Fill(x, y - 1, 1, h, kNavy);
    }
    const QRgb edge = slot.HasCursor ? kNavy : c.Resolve(slot.EdgeColor);
    canvas.Fill(x + w - 1, y, 1, h - 1, edge); // right: rows 0 .. h-2
    canvas.Fill(x, y + h - 1, w - 2, 1, edge); // bottom: columns 0 .. w-3
    if (slot.FaceText.empty())
        return;
    QPoint offset(4, 1);
    if (SameText(slot.FaceText, "M"))
        offset = QPoint(1, 0);
    else if (slot.FaceText == "?")
        offset = QPoint(5, 3);
    Text(canvas, x + offset.x(), y + offset.y(), slot.FaceText, slot.FaceFontName, slot.FaceFontSize,
         slot.FaceFontStyle, c.Resolve(slot.TextColor), slot.SeeThrough ? nullptr : &back);
}

} // namespace

TDesktopColors TDesktopColors::From(const QPalette& palette)
{
    return {palette.color(QPalette::Button).rgb(), palette.color(QPalette::Light).rgb(),
            palette.color(QPalette::Dark).rgb(), palette.color(QPalette::ButtonText).rgb()};
}

QRgb TDesktopColors::Resolve(const TColor& colour) const
{
    return colour.ButtonText ? Text : qRgb(colour.R, colour.G, colour.B);
}

void PaintCell(QImage& image, const TSlot& slot, QPoint origin, int width, int height, bool open,
               const TDesktopColors& colours)
{
    TPixelCanvas canvas(image);
    if (open)
        PaintOpen(canvas, slot, origin.x(), origin.y(), width, height, colours);
    else
        PaintCovered(canvas, slot, origin.x(), origin.y(), width, height, colours);
}

void PaintPanelFrame(QImage& image, int bevel, const TDesktopColors& colours)
{
    TPixelCanvas canvas(image);
    const int w = image.width();
    const int h = image.height();
    canvas.Fill(0, 0, w, h, colours.Face);
    for (int i = 0; i < bevel; ++i) {
        // Lowered: shadow on the top and left, highlight on the bottom and right.
        canvas.Fill(i, i, w - 2 * i, 1, colours.Shadow);
        canvas.Fill(i, i, 1, h - 2 * i, colours.Shadow);
        canvas.Fill(i + 1, h - 1 - i, w - 2 * i - 1, 1, colours.Highlight);
        canvas.Fill(w - 1 - i, i + 1, 1, h - 2 * i - 1, colours.Highlight);
    }
}
