// Solid rectangles and monochrome text written straight into the pixels of an
// RGB32 image, clipped to it.
#pragma once

#include "field/Slot.h"

#include <QImage>
#include <string>

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

    // Draws the glyphs of a text whose box has its top-left corner at (x, y).
    void Text(int x, int y, const std::string& text, const std::string& fontName, int points, TFontStyles styles,
              QRgb colour);

private:
    QRgb* FBits;
    int FStride;
    int FWidth;
    int FHeight;
};

// Size of a text's box: its advance and the font's height.
QSize TextBoxSize(const std::string& text, const std::string& fontName, int points, TFontStyles styles);
