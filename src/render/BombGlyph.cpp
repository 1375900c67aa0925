#include "render/BombGlyph.h"

#include "render/CanvasPixels.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The shape in the coordinates of its box, 13 x 13: whether a point lies on
// the bomb. The spikes and the fuse are lines of half the given width each
// side. At scale 1, with lines one pixel wide, the pixel centres it takes are
// the ones of the bomb the field has always drawn.
bool OnBomb(double u, double v, double halfWidth)
{
    const double dx = u - 6.5; // the body's centre
    const double dy = v - 7.5;
    const double ax = std::abs(dx);
    const double ay = std::abs(dy);
    if (dx * dx + dy * dy < 3.4 * 3.4)
        return true; // body
    if ((ax < halfWidth && ay < 4.5) || (ay < halfWidth && ax < 5.5))
        return true; // the upright and the level spikes
    if (ax < 3.5 && ay < 3.5 && std::abs(ax - ay) < 1.4 * halfWidth)
        return true; // the slanting spikes
    // The fuse: one pixel wide from the body's top right to the box's corner.
    const double t = std::clamp(((u - 8.0) - (v - 4.0)) / 8.0, 0.0, 1.0);
    const double fx = u - (8.0 + 4.0 * t);
    const double fy = v - (4.0 - 4.0 * t);
    return fx * fx + fy * fy < halfWidth * halfWidth;
}

TPixelMask SampleBomb(double scale)
{
    TPixelMask mask;
    const int side = static_cast<int>(std::lround(kBombGlyphSize * scale));
    // The lines come out as wide as the cell's: whole device pixels.
    const double halfWidth = std::max(1.0, std::round(scale)) / (2 * scale);
    const auto on = [&](int x, int y) { return OnBomb((x + 0.5) / scale, (y + 0.5) / scale, halfWidth); };
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side;) {
            if (!on(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < side && on(x, y))
                ++x;
            mask.push_back({start, y, x - start});
        }
    return mask;
}

// Sampled once for each scale in use.
const TPixelMask& BombMask(double scale)
{
    struct TScaled {
        double Scale;
        TPixelMask Mask;
    };
    static std::vector<std::unique_ptr<TScaled>> masks;
    const auto it = std::find_if(masks.begin(), masks.end(), [scale](const auto& m) { return m->Scale == scale; });
    if (it != masks.end())
        return (*it)->Mask;
    masks.push_back(std::make_unique<TScaled>(TScaled{scale, SampleBomb(scale)}));
    return masks.back()->Mask;
}

} // namespace

void PaintBombGlyph(TPixelCanvas& canvas, QPoint topLeft, QRgb colour, double scale)
{
    canvas.Mask(topLeft.x(), topLeft.y(), BombMask(scale), colour);
}
