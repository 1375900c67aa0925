#include "render/CellTiles.h"

#include "render/CanvasPixels.h"

#include <cstring>

namespace {

// Two grounds a look is drawn over: a pixel that comes out the same over both
// is the look's own.
const QRgb kGroundA = qRgb(1, 2, 3);
const QRgb kGroundB = qRgb(254, 253, 252);

// A board shows a few dozen looks; more tiles than this come from boards gone
// by, and the next repaint starts afresh.
constexpr std::size_t kMostTiles = 64;

bool SameColours(const TDesktopColors& a, const TDesktopColors& b)
{
    return a.Face == b.Face && a.Highlight == b.Highlight && a.Shadow == b.Shadow && a.Text == b.Text &&
           a.Modern == b.Modern;
}

// Pixels of one colour that a look draws above its box, relative to the box's
// top-left corner.
struct TReachRun {
    TPixelRun Run;
    QRgb Colour = 0;
};

} // namespace

struct TCellTiles::TTile {
    TSlot Slot;
    bool Open = false;
    QSize Size;
    bool Fits = false;        // the look draws only its box and its edges' ends above it
    std::vector<QRgb> Pixels; // the box, row by row
    std::vector<TReachRun> Reach;

    bool Shows(const TDrawnCell& look, QSize size) const
    {
        return Open == look.Open && Size == size && Slot == *look.Slot;
    }

    // The look drawn with its box amid a margin of the box's size on every
    // side, over each ground, as a full repaint draws a cell.
    static std::unique_ptr<TTile> Sample(const TDrawnCell& look, QSize size, double scale,
                                         const TDesktopColors& colours);
};

TCellTiles::TCellTiles() = default;
TCellTiles::~TCellTiles() = default;

std::uint16_t TCellTiles::TileFor(const TDrawnCell& look, QSize size)
{
    if (FLast < FTiles.size() && FTiles[FLast]->Shows(look, size))
        return static_cast<std::uint16_t>(FLast);
    for (FLast = 0; FLast < FTiles.size(); ++FLast)
        if (FTiles[FLast]->Shows(look, size))
            return static_cast<std::uint16_t>(FLast);
    FTiles.push_back(TTile::Sample(look, size, FScale, FColours));
    return static_cast<std::uint16_t>(FLast);
}

bool TCellTiles::Paint(QImage& canvas, const TGridEdges& edges,
                       const std::function<TDrawnCell(int col, int row)>& lookAt, const TDesktopColors& colours)
{
    const int across = static_cast<int>(edges.Columns.size()) - 1;
    const int down = static_cast<int>(edges.Rows.size()) - 1;
    if (across <= 0 || down <= 0 || edges.Columns.front() < 0 || edges.Rows.front() < 0 ||
        edges.Columns.back() > canvas.width() || edges.Rows.back() > canvas.height())
        return false;
    if (!SameColours(colours, FColours) || edges.Scale != FScale || FTiles.size() > kMostTiles) {
        FTiles.clear();
        FColours = colours;
        FScale = edges.Scale;
    }
    FGrid.resize(static_cast<std::size_t>(across) * down);
    for (int row = 0; row < down; ++row)
        for (int col = 0; col < across; ++col) {
            const QSize size(edges.Columns[col + 1] - edges.Columns[col], edges.Rows[row + 1] - edges.Rows[row]);
            const std::uint16_t tile = TileFor(lookAt(col, row), size);
            if (!FTiles[tile]->Fits)
                return false;
            FGrid[static_cast<std::size_t>(row) * across + col] = tile;
        }

    TPixelCanvas pixels(canvas);
    uchar* const bits = canvas.bits();
    const qsizetype stride = canvas.bytesPerLine();
    std::vector<const TTile*> tiles(static_cast<std::size_t>(across)); // of one row
    for (int row = 0; row < down; ++row) {
        for (int col = 0; col < across; ++col)
            tiles[col] = FTiles[FGrid[static_cast<std::size_t>(row) * across + col]].get();
        const int top = edges.Rows[row];
        // The edges' ends over the row above, or the frame, as drawn so far.
        for (int col = 0; col < across; ++col)
            for (const TReachRun& reach : tiles[col]->Reach)
                pixels.Fill(edges.Columns[col] + reach.Run.X, top + reach.Run.Y, reach.Run.Length, 1, reach.Colour);
        for (int y = top; y < edges.Rows[row + 1]; ++y) {
            auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
            const int offset = y - top;
            for (int col = 0; col < across; ++col) {
                const TTile& tile = *tiles[col];
                const int width = tile.Size.width();
                std::memcpy(line + edges.Columns[col], tile.Pixels.data() + offset * width,
                            static_cast<std::size_t>(width) * sizeof(QRgb));
            }
        }
    }
    return true;
}

std::unique_ptr<TCellTiles::TTile> TCellTiles::TTile::Sample(const TDrawnCell& look, QSize size, double scale,
                                                            const TDesktopColors& colours)
{
    auto tile = std::make_unique<TTile>();
    tile->Slot = *look.Slot;
    tile->Open = look.Open;
    tile->Size = size;
    const int w = size.width();
    const int h = size.height();
    const TCellBox box{w, h, 2 * w, 2 * h, scale};
    QImage over[2] = {QImage(3 * w, 3 * h, QImage::Format_RGB32), QImage(3 * w, 3 * h, QImage::Format_RGB32)};
    over[0].fill(kGroundA);
    over[1].fill(kGroundB);
    for (QImage& image : over) {
        FillCellBackground(image, *look.Slot, box, look.Open, colours);
        PaintCell(image, *look.Slot, box, look.Open, colours);
    }
    tile->Pixels.reserve(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < 3 * h; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(over[0].constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(over[1].constScanLine(y));
        for (int x = 0; x < 3 * w; ++x) {
            const bool inColumns = x >= w && x < 2 * w;
            if (inColumns && y >= h && y < 2 * h) {
                if (a[x] != b[x])
                    return tile; // the box lets what was there show through
                tile->Pixels.push_back(a[x]);
                continue;
            }
            if (a[x] == kGroundA && b[x] == kGroundB)
                continue; // not drawn
            if (!inColumns || y >= 2 * h || a[x] != b[x])
                return tile; // beyond the box's columns, below it, or mixed with what was there
            std::vector<TReachRun>& reach = tile->Reach;
            const TPixelRun next{x - w, y - h, 1};
            if (!reach.empty() && reach.back().Run.Y == next.Y && reach.back().Colour == a[x] &&
                reach.back().Run.X + reach.back().Run.Length == next.X)
                ++reach.back().Run.Length;
            else
                reach.push_back({next, a[x]});
        }
    }
    tile->Fits = true;
    return tile;
}
