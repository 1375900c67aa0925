#include "render/ModernCellPainter.h"

#include "render/CanvasPixels.h"
#include "render/FlagShape.h"
#include "render/Theme.h"
#include "settings/zorvUtil.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

namespace {

// What a cell shows on its face: nothing, a number 1 .. 8, or a shape, or any
// other text (a marker chosen by the player).
enum TGlyph : int { gNone = 0, gBomb = 9, gCross, gQuestion, gFlag, gText, kGlyphCount };

struct TLook {
    int Glyph = gNone;
    bool Open = false;
    bool Cursor = false;
    bool Hit = false;        // the open face of the bomb that lost
    bool SeeThrough = false; // no face: the win picture shows
    const std::string* Text = nullptr;

    int Index() const { return (((Glyph * 2 + Open) * 2 + Cursor) * 2 + Hit) * 2 + SeeThrough; }
};

TLook LookOf(const TSlot& slot, bool open)
{
    TLook look;
    look.Open = open;
    look.Cursor = slot.HasCursor;
    look.Hit = open && slot.BackColor == clRed;
    look.SeeThrough = open && slot.SeeThrough;
    const std::string& text = open ? slot.FaceText : slot.Marker;
    look.Text = &text;
    if (text.empty())
        look.Glyph = gNone;
    else if (!open && SameText(text, "Flag"))
        look.Glyph = gFlag;
    else if (open && SameText(text, "M") && SameText(slot.FaceFontName, "Wingdings"))
        look.Glyph = gBomb;
    else if (open && text == "X")
        look.Glyph = gCross;
    else if (text == "?")
        look.Glyph = gQuestion;
    else if (open && text.size() == 1 && text[0] >= '1' && text[0] <= '8')
        look.Glyph = text[0] - '0';
    else
        look.Glyph = gText;
    return look;
}

// The tiles of one theme at one cell size; the tiles of other text hold the
// text they were drawn with.
struct TTileSet {
    const TModernTheme* Theme = nullptr;
    QSize Size;
    std::string Text;
    std::array<QImage, kGlyphCount * 16> Tiles;
};

double Whole(double pixels) { return std::max(1.0, std::round(pixels)); }

QFont FaceFont(double scale)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(11.5 * scale))));
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void PaintBomb(QPainter& p, double s, const TModernTheme& t)
{
    const QPointF centre(8 * s, 8 * s);
    QPen spike(QColor::fromRgb(t.Bomb), std::max(1.0, 1.4 * s), Qt::SolidLine, Qt::RoundCap);
    p.setPen(spike);
    for (int k = 0; k < 4; ++k) {
        const double angle = k * std::numbers::pi / 4;
        const double reach = (k % 2 ? 4.4 : 5.6) * s;
        const QPointF d(std::cos(angle) * reach, std::sin(angle) * reach);
        p.drawLine(centre - d, centre + d);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(t.Bomb));
    p.drawEllipse(centre, 3.8 * s, 3.8 * s);
    p.setBrush(QColor::fromRgb(t.BombShine));
    p.drawEllipse(QPointF(6.7 * s, 6.7 * s), 1.1 * s, 1.1 * s);
}

void PaintCross(QPainter& p, double s, const TModernTheme& t)
{
    p.setPen(QPen(QColor::fromRgb(t.Wrong), 2 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5 * s, 4.5 * s), QPointF(11.5 * s, 11.5 * s));
    p.drawLine(QPointF(11.5 * s, 4.5 * s), QPointF(4.5 * s, 11.5 * s));
}

QImage DrawTile(const TModernTheme& t, QSize size, const TLook& look)
{
    QImage tile(size, QImage::Format_ARGB32_Premultiplied);
    tile.fill(look.SeeThrough ? QColor(Qt::transparent) : QColor::fromRgb(t.Background));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    const double w = size.width();
    const double h = size.height();
    const double s = w / kCellDesignSize;
    const double gap = Whole(0.5 * s); // between raised cells, and around the cursor
    const double radius = 2.5 * s;
    if (look.Open && !look.SeeThrough) {
        // Flat: the face with a thin line at its right and bottom.
        const double line = Whole(0.5 * s);
        p.fillRect(QRectF(0, 0, w, h), QColor::fromRgb(t.OpenLine));
        p.fillRect(QRectF(0, 0, w - line, h - line), QColor::fromRgb(look.Hit ? t.Hit : t.Open));
    } else if (!look.Open) {
        // Raised: a shadow at the bottom and right, a light rim at the top
        // and left, the face between them.
        const double rim = Whole(1.25 * s);
        const QRectF body(gap, gap, w - 2 * gap, h - 2 * gap);
        p.setBrush(QColor::fromRgb(t.CoveredEdge));
        p.drawRoundedRect(body, radius, radius);
        p.setBrush(QColor::fromRgb(t.CoveredTop));
        p.drawRoundedRect(body.adjusted(0, 0, -rim, -rim), radius, radius);
        p.setBrush(QColor::fromRgb(t.Covered));
        p.drawRoundedRect(body.adjusted(rim, rim, -rim, -rim), radius - rim / 2, radius - rim / 2);
    }
    if (look.Glyph >= 1 && look.Glyph <= 8) {
        p.setFont(FaceFont(s));
        p.setPen(QColor::fromRgb(t.Numbers[look.Glyph - 1]));
        p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QString::number(look.Glyph));
    } else if (look.Glyph == gQuestion || look.Glyph == gText) {
        p.setFont(FaceFont(s));
        p.setPen(QColor::fromRgb(t.Mark));
        p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QString::fromStdString(*look.Text));
    } else if (look.Glyph == gBomb) {
        PaintBomb(p, s, t);
    } else if (look.Glyph == gCross) {
        PaintCross(p, s, t);
    } else if (look.Glyph == gFlag) {
        // The classic flag's outline, a quarter larger about the cell's middle.
        constexpr double kFlagGrowth = 1.25;
        p.translate(8 * s * (1 - kFlagGrowth), 8 * s * (1 - kFlagGrowth));
        PaintFlagShape(p, s * kFlagGrowth, t.FlagPole, t.FlagPole, t.FlagCloth);
        p.resetTransform();
    }
    if (look.Cursor) {
        const double ring = Whole(1.5 * s);
        p.setPen(QPen(QColor::fromRgb(t.Cursor), ring));
        p.setBrush(Qt::NoBrush);
        const double inset = gap + ring / 2;
        p.drawRoundedRect(QRectF(inset, inset, w - 2 * inset, h - 2 * inset), radius, radius);
    }
    return tile;
}

TTileSet& TilesFor(const TModernTheme& theme, QSize size)
{
    static std::vector<std::unique_ptr<TTileSet>> sets;
    static TTileSet* last = nullptr;
    if (last && last->Theme == &theme && last->Size == size)
        return *last;
    const auto it = std::find_if(sets.begin(), sets.end(),
                                 [&](const auto& set) { return set->Theme == &theme && set->Size == size; });
    if (it != sets.end())
        return *(last = it->get());
    if (sets.size() >= 8)
        sets.clear(); // other screens or zooms: the old ones are done with
    sets.push_back(std::make_unique<TTileSet>());
    last = sets.back().get();
    last->Theme = &theme;
    last->Size = size;
    return *last;
}

const QImage& TileFor(const TModernTheme& theme, QSize size, const TLook& look)
{
    TTileSet& set = TilesFor(theme, size);
    if (look.Glyph == gText && *look.Text != set.Text) {
        for (int i = gText * 16; i < kGlyphCount * 16; ++i)
            set.Tiles[i] = QImage();
        set.Text = *look.Text;
    }
    QImage& tile = set.Tiles[look.Index()];
    if (tile.isNull())
        tile = DrawTile(theme, size, look);
    return tile;
}

// An opaque tile is copied row by row.
void CopyTile(QImage& canvas, int x, int y, const QImage& tile)
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + tile.width(), canvas.width());
    const int bottom = std::min(y + tile.height(), canvas.height());
    if (left >= right)
        return;
    uchar* bits = canvas.bits();
    const qsizetype stride = canvas.bytesPerLine();
    for (int row = top; row < bottom; ++row)
        std::memcpy(bits + row * stride + left * 4, tile.constScanLine(row - y) + (left - x) * 4,
                    static_cast<std::size_t>(right - left) * 4);
}

} // namespace

void PaintModernCell(QImage& canvas, const TSlot& slot, const TCellBox& box, bool open, const TModernTheme& theme)
{
    const TLook look = LookOf(slot, open);
    const QImage& tile = TileFor(theme, QSize(box.Right - box.Left, box.Bottom - box.Top), look);
    if (look.SeeThrough) {
        TPixelCanvas pixels(canvas);
        pixels.Blend(box.Left, box.Top, tile);
    } else {
        CopyTile(canvas, box.Left, box.Top, tile);
    }
}
