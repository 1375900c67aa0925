#include "render/CanvasPixels.h"

#include "render/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

// A text rendered once by the font system. The fonts are drawn without
// antialiasing, so a glyph is exactly a set of pixels in one colour.
struct TTextMask {
    QSize Box;
    TPixelMask Pixels;
};

// One font at one pixel size: each screen scale has its own.
struct TFontMasks {
    std::string Name;
    int PixelSize = 0;
    TFontStyles Styles = 0;
    QFont Font;
    std::unordered_map<std::string, TTextMask> Texts;
};

TTextMask RenderMask(const QFont& font, const std::string& text)
{
    const QFontMetrics metrics(font);
    const QString qtext = QString::fromStdString(text);
    TTextMask mask{QSize(metrics.horizontalAdvance(qtext), metrics.height()), {}};
    // Room around the box for glyphs that reach beyond it.
    const int margin = metrics.height();
    QImage scratch(mask.Box.width() + 2 * margin, mask.Box.height() + 2 * margin, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(margin, margin + metrics.ascent()), qtext);
    }
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width();) {
            if (qGray(line[x]) >= 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < scratch.width() && qGray(line[x]) < 128)
                ++x;
            mask.Pixels.push_back({start - margin, y - margin, x - start});
        }
    }
    return mask;
}

// The few fonts the field uses are searched in a short list; their texts are
// single characters, cheap to hash.
const TTextMask& Mask(const std::string& text, const std::string& fontName, int points, TFontStyles styles,
                      double scale)
{
    static std::vector<std::unique_ptr<TFontMasks>> fonts;
    const int pixelSize = CellPixelSize(points, scale);
    auto it = std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) {
        return f->PixelSize == pixelSize && f->Styles == styles && f->Name == fontName;
    });
    if (it == fonts.end()) {
        fonts.push_back(std::make_unique<TFontMasks>(
            TFontMasks{fontName, pixelSize, styles, CellFontFor(fontName, points, styles, scale), {}}));
        it = std::prev(fonts.end());
    }
    TFontMasks& font = **it;
    auto mask = font.Texts.find(text);
    if (mask == font.Texts.end())
        mask = font.Texts.emplace(text, RenderMask(font.Font, text)).first;
    return mask->second;
}

} // namespace

void TPixelCanvas::Fill(int x, int y, int width, int height, QRgb colour)
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, FWidth);
    const int bottom = std::min(y + height, FHeight);
    if (left >= right)
        return;
    for (int row = top; row < bottom; ++row) {
        QRgb* line = FBits + row * FStride;
        std::fill(line + left, line + right, colour);
    }
}

void TPixelCanvas::Mask(int x, int y, const TPixelMask& mask, QRgb colour)
{
    for (const TPixelRun& run : mask)
        Fill(x + run.X, y + run.Y, run.Length, 1, colour);
}

void TPixelCanvas::Blend(int x, int y, const QImage& picture)
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + picture.width(), FWidth);
    const int bottom = std::min(y + picture.height(), FHeight);
    for (int row = top; row < bottom; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(row - y));
        QRgb* line = FBits + row * FStride;
        for (int col = left; col < right; ++col) {
            const QRgb s = source[col - x];
            const int alpha = qAlpha(s);
            if (alpha == 255) {
                line[col] = s;
            } else if (alpha != 0) {
                const QRgb d = line[col];
                const auto mix = [alpha](int over, int under) { return over + under * (255 - alpha) / 255; };
                line[col] = qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)));
            }
        }
    }
}

void TPixelCanvas::Text(int x, int y, const std::string& text, const std::string& fontName, int points,
                        TFontStyles styles, double scale, QRgb colour)
{
    Mask(x, y, ::Mask(text, fontName, points, styles, scale).Pixels, colour);
}

QSize TextBoxSize(const std::string& text, const std::string& fontName, int points, TFontStyles styles)
{
    return Mask(text, fontName, points, styles, 1.0).Box;
}
