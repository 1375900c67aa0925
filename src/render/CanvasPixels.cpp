#include "render/CanvasPixels.h"

#include "render/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// A text rendered once by the font system, kept as the offsets of its set
// pixels from the top-left corner of its box. The fonts are drawn without
// antialiasing, so a glyph is exactly a set of pixels in one colour.
struct TTextMask {
    QSize Box;
    std::vector<QPoint> Pixels;
};

struct TFontMasks {
    std::string Name;
    int Points = 0;
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
        for (int x = 0; x < scratch.width(); ++x)
            if (qGray(line[x]) < 128)
                mask.Pixels.emplace_back(x - margin, y - margin);
    }
    return mask;
}

// The few fonts the field uses are searched in a short list; their texts are
// single characters, cheap to hash.
const TTextMask& Mask(const std::string& text, const std::string& fontName, int points, TFontStyles styles)
{
    static std::vector<std::unique_ptr<TFontMasks>> fonts;
    auto it = std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) {
        return f->Points == points && f->Styles == styles && f->Name == fontName;
    });
    if (it == fonts.end()) {
        fonts.push_back(std::make_unique<TFontMasks>(
            TFontMasks{fontName, points, styles, CellFontFor(fontName, points, styles), {}}));
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

void TPixelCanvas::Text(int x, int y, const std::string& text, const std::string& fontName, int points,
                        TFontStyles styles, QRgb colour)
{
    for (const QPoint& p : Mask(text, fontName, points, styles).Pixels)
        Set(x + p.x(), y + p.y(), colour);
}

QSize TextBoxSize(const std::string& text, const std::string& fontName, int points, TFontStyles styles)
{
    return Mask(text, fontName, points, styles).Box;
}
