// Solid rectangles, one-colour masks and monochrome text written straight into
// the pixels of an RGB32 image, clipped to it.
#pragma once

#include "field/Slot.h"

#include <QImage>
#include <string>
#include <vector>

// The set pixels of a one-colour shape as horizontal runs, relative to the
// shape's top-left corner.
struct TPixelRun {
    int X = 0;
    int Y = 0;
    int Length = 0;
};
using TPixelMask = std::vector<TPixelRun>;

class TPixelCanvas {
public:
    explicit TPixelCanvas(QImage& image)
        : FBits(reinterpret_cast<QRgb*>(image.bits())), FStride(image.bytesPerLine() / 4), FWidth(image.width()),
          FHeight(image.height())
    {
    }

    void Fill(int x, int y, int width, int height, QRgb colour);
    void Set(int x, int y, QRgb colour)
    {
        if (x >= 0 && y >= 0 && x < FWidth && y < FHeight)
            FBits[y * FStride + x] = colour;
    }
    // The mask's runs in one colour, with its top-left corner at (x, y).
    void Mask(int x, int y, const TPixelMask& mask, QRgb colour);
    // A premultiplied ARGB32 picture laid over the pixels, top-left at (x, y).
    void Blend(int x, int y, const QImage& picture);

    // Draws the glyphs of a text whose box has its top-left corner at (x, y),
    // in the cell font of that name, size and style enlarged by scale.
    void Text(int x, int y, const std::string& text, const std::string& fontName, int points, TFontStyles styles,
              double scale, QRgb colour);

private:
    QRgb* FBits;
    int FStride;
    int FWidth;
    int FHeight;
};

// Size of a text's box in the cell font: its advance and the font's height.
QSize TextBoxSize(const std::string& text, const std::string& fontName, int points, TFontStyles styles);
