#include "render/CellPainter.h"

#include "render/BombGlyph.h"
#include "render/CanvasPixels.h"
#include "render/FlagShape.h"
#include "render/ModernCellPainter.h"
#include "settings/zorvUtil.h"

#include <QPainter>
#include <QPalette>

#include <vector>

namespace {

const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kRed = qRgb(255, 0, 0);
constexpr int kW = kCellDesignSize;
constexpr int kH = kCellDesignSize;

// Rounds half away from zero, as std::lround does, without a library call:
// every cell computes its edges with it.
int Round(double value)
{
    return value >= 0 ? static_cast<int>(value + 0.5) : -static_cast<int>(-value + 0.5);
}

// How far design edge k lies from the near side of a cell, in device pixels,
// for k = -1 .. 16: round(k x scale). Kept for the scale last drawn at.
const int* EdgeOffsets(double scale)
{
    static double known = 0;
    static int offsets[kCellDesignSize + 2] = {};
    if (scale != known) {
        for (int k = -1; k <= kCellDesignSize; ++k)
            offsets[k + 1] = Round(k * scale);
        known = scale;
    }
    return offsets + 1;
}

// A cell's design pixels on the canvas. Edge k is the device edge before
// design pixel k, measured from the nearer side of the cell, so that the lines
// at both sides come out equally wide: round(scale) device pixels each.
class TDesignGrid {
public:
    TDesignGrid(TPixelCanvas& canvas, const TCellBox& box)
        : FCanvas(canvas), FBox(box), FOffsets(EdgeOffsets(box.Scale))
    {
    }

    TPixelCanvas& Canvas() const { return FCanvas; }
    double Scale() const { return FBox.Scale; }
    int X(int k) const { return Edge(FBox.Left, FBox.Right, k); }
    int Y(int k) const { return Edge(FBox.Top, FBox.Bottom, k); }
    QSize Size() const { return {FBox.Right - FBox.Left, FBox.Bottom - FBox.Top}; }

    // Fills design columns left .. right-1 of rows top .. bottom-1.
    void Fill(int left, int top, int right, int bottom, QRgb colour) const
    {
        FCanvas.Fill(X(left), Y(top), X(right) - X(left), Y(bottom) - Y(top), colour);
    }

private:
    // Edges beyond the cell (a text box that reaches past it) are measured
    // from the far side as well.
    int Edge(int low, int high, int k) const
    {
        if (2 * k <= kCellDesignSize)
            return low + (k >= -1 ? FOffsets[k] : Round(k * FBox.Scale));
        const int fromHigh = kCellDesignSize - k;
        return high - (fromHigh >= -1 ? FOffsets[fromHigh] : Round(fromHigh * FBox.Scale));
    }

    TPixelCanvas& FCanvas;
    TCellBox FBox;
    const int* FOffsets;
};

// Text whose box has its top-left corner at design pixel (x, y); with a box
// colour the box is filled first (an opaque text background). The box covers
// the design pixels it covers at scale 1, so that it meets the cell's lines as
// it does there; the glyphs are drawn anew at the scale.
void Text(const TDesignGrid& grid, int x, int y, const std::string& text, const std::string& fontName, int size,
          TFontStyles styles, QRgb colour, const QRgb* box)
{
    TPixelCanvas& canvas = grid.Canvas();
    const QPoint at(grid.X(x), grid.Y(y));
    // The symbol font's "M" is a bomb, which no installed font has.
    if (SameText(fontName, "Wingdings") && SameText(text, "M")) {
        if (box)
            grid.Fill(x, y, x + kBombGlyphSize, y + kBombGlyphSize, *box);
        PaintBombGlyph(canvas, at, colour, grid.Scale());
        return;
    }
    if (box) {
        const QSize extent = TextBoxSize(text, fontName, size, styles);
        grid.Fill(x, y, x + extent.width(), y + extent.height(), *box);
    }
    canvas.Text(at.x(), at.y(), text, fontName, size, styles, grid.Scale(), colour);
}

// The flag picture on the design's pixels, on a transparent ground.
void PaintFlag(TPixelCanvas& canvas, int w, int h, QRgb base, QRgb text)
{
    const int p = w / 2;
    canvas.Fill(5, h - 4, w - 9, 1, base);  // base, lower line: columns 5 .. w-5
    canvas.Fill(6, h - 5, w - 11, 1, base); // base, upper line: columns 6 .. w-6
    canvas.Fill(p, 3, 1, h - 7, text);      // pole: rows 3 .. h-5
    canvas.Set(p - 1, 5, text);             // lower edge of the cloth
    canvas.Fill(p - 2, 6, 2, 1, text);
    canvas.Fill(p - 4, 3, 3, 1, kRed); // the cloth
    canvas.Fill(p - 4, 4, 3, 1, kRed);
    canvas.Fill(p - 4, 5, 2, 1, kRed);
    canvas.Set(p - 4, 6, kRed);
}

// The flag picture for a cell of the given device size: the design's pixels
// at 16 x 16, the flag's shape drawn at any other size. Kept for the few
// sizes and colours in use.
const QImage& FlagPicture(QSize size, QRgb base, QRgb text)
{
    struct TFlag {
        QSize Size;
        QRgb Base;
        QRgb Text;
        QImage Picture;
    };
    static std::vector<TFlag> flags;
    for (const TFlag& flag : flags)
        if (flag.Size == size && flag.Base == base && flag.Text == text)
            return flag.Picture;
    if (flags.size() >= 16)
        flags.clear(); // another screen or palette: the old ones are done with
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (size == QSize(kW, kH)) {
        TPixelCanvas canvas(picture);
        PaintFlag(canvas, kW, kH, base, text);
    } else {
        QPainter painter(&picture);
        painter.scale(1.0, static_cast<double>(size.height()) / size.width());
        PaintFlagShape(painter, static_cast<double>(size.width()) / kW, base, text, kRed);
    }
    flags.push_back({size, base, text, picture});
    return flags.back().Picture;
}

void PaintCovered(const TDesignGrid& g, const TSlot& slot, const TDesktopColors& c)
{
    const QRgb light = slot.HasCursor ? kNavy : c.Highlight;
    const QRgb dark = slot.HasCursor ? kNavy : c.Shadow;
    // The interior first: on a large canvas whole rows of the cell come into
    // the cache together before the narrow edges. No element overlaps another.
    if (slot.Marker.empty())
        g.Fill(1, 1, kW - 1, kH - 1, c.Face);
    g.Fill(0, 0, kW - 1, 1, light);       // top: row 0, columns 0 .. w-2
    g.Fill(0, -1, 1, kH - 1, light);      // left: column 0, rows -1 .. h-2
    g.Fill(kW - 1, -1, kW, kH - 1, dark); // right: column w-1, rows -1 .. h-2
    g.Fill(1, kH - 1, kW - 2, kH, dark);  // bottom: row h-1, columns 1 .. w-3
    if (slot.Marker.empty())
        return;
    if (SameText(slot.Marker, "Flag")) {
        // The interior is not filled: the flag stands on what the cell showed.
        g.Canvas().Blend(g.X(0), g.Y(0), FlagPicture(g.Size(), dark, c.Text));
        return;
    }
    const QPoint offset = slot.Marker == "?" ? QPoint(4, 2) : QPoint(1, 1);
    Text(g, offset.x(), offset.y(), slot.Marker, slot.MarkerFontName, slot.MarkerFontSize, slot.MarkerFontStyle,
         c.Text, &c.Face);
}

void PaintOpen(const TDesignGrid& g, const TSlot& slot, const TDesktopColors& c)
{
    const QRgb back = c.Resolve(slot.BackColor);
    if (!slot.SeeThrough)
        g.Fill(0, 0, kW - 1, kH - 1, back);
    if (slot.HasCursor) {
        g.Fill(0, 0, kW - 1, 1, kNavy);
        g.Fill(0, -1, 1, kH - 1, kNavy);
    }
    const QRgb edge = slot.HasCursor ? kNavy : c.Resolve(slot.EdgeColor);
    g.Fill(kW - 1, 0, kW, kH - 1, edge); // right: rows 0 .. h-2
    g.Fill(0, kH - 1, kW - 2, kH, edge); // bottom: columns 0 .. w-3
    if (slot.FaceText.empty())
        return;
    QPoint offset(4, 1);
    if (SameText(slot.FaceText, "M"))
        offset = QPoint(1, 0);
    else if (slot.FaceText == "?")
        offset = QPoint(5, 3);
    Text(g, offset.x(), offset.y(), slot.FaceText, slot.FaceFontName, slot.FaceFontSize, slot.FaceFontStyle,
         c.Resolve(slot.TextColor), slot.SeeThrough ? nullptr : &back);
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

int DeviceEdge(double logical, double ratio) { return Round(logical * ratio); }

void PaintCell(QImage& image, const TSlot& slot, const TCellBox& box, bool open, const TDesktopColors& colours)
{
    if (colours.Modern) {
        PaintModernCell(image, slot, box, open, *colours.Modern);
        return;
    }
    TPixelCanvas canvas(image);
    const TDesignGrid grid(canvas, box);
    if (open)
        PaintOpen(grid, slot, colours);
    else
        PaintCovered(grid, slot, colours);
}

QRect PaintedRect(const TCellBox& box)
{
    const int reach = Round(box.Scale); // one design pixel
    return QRect(QPoint(box.Left, box.Top - reach), QPoint(box.Right - 1, box.Bottom - 1));
}

void PaintPanelFrame(QImage& image, QSize logicalSize, int bevel, double ratio, const TDesktopColors& colours,
                     const QRect& cellsFillLater)
{
    TPixelCanvas canvas(image);
    // A logical rectangle on the device pixels between its edges.
    const auto fill = [&](int x, int y, int width, int height, QRgb colour) {
        const int left = DeviceEdge(x, ratio);
        const int top = DeviceEdge(y, ratio);
        canvas.Fill(left, top, DeviceEdge(x + width, ratio) - left, DeviceEdge(y + height, ratio) - top, colour);
    };
    const int w = logicalSize.width();
    const int h = logicalSize.height();
    if (cellsFillLater.isEmpty()) {
        image.fill(colours.Face); // the whole image at once: Qt's fastest fill
    } else {
        const QRect all = image.rect();
        const QRect& inner = cellsFillLater;
        canvas.Fill(0, 0, all.width(), inner.top(), colours.Face);
        canvas.Fill(0, inner.bottom() + 1, all.width(), all.height() - inner.bottom() - 1, colours.Face);
        canvas.Fill(0, inner.top(), inner.left(), inner.height(), colours.Face);
        canvas.Fill(inner.right() + 1, inner.top(), all.width() - inner.right() - 1, inner.height(), colours.Face);
    }
    for (int i = 0; i < bevel; ++i) {
        // Lowered: shadow on the top and left, highlight on the bottom and right.
        fill(i, i, w - 2 * i, 1, colours.Shadow);
        fill(i, i, 1, h - 2 * i, colours.Shadow);
        fill(i + 1, h - 1 - i, w - 2 * i - 1, 1, colours.Highlight);
        fill(w - 1 - i, i + 1, 1, h - 2 * i - 1, colours.Highlight);
    }
}

void FillCellBackground(QImage& image, const TSlot& slot, const TCellBox& box, bool open,
                        const TDesktopColors& colours)
{
    TPixelCanvas canvas(image);
    const TDesignGrid g(canvas, box);
    const bool paintsInterior = open ? !slot.SeeThrough : slot.Marker.empty();
    if (!paintsInterior) {
        g.Fill(0, 0, kW, kH, colours.Face);
        return;
    }
    // Such a look paints every pixel of its box but these of its last row.
    if (!open)
        g.Fill(0, kH - 1, 1, kH, colours.Face);
    g.Fill(kW - 2, kH - 1, kW, kH, colours.Face);
}
