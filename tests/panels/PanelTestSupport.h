// Shared set-up of the panel tests: a panel on a fake host, with desktop
// colours chosen so that every role is told apart by its pixels.
#pragma once

#include "field/FakeField.h"
#include "panels/PanelMineField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"

#include <QPalette>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace PanelColours {
inline const QColor Face(210, 205, 200);
inline const QColor Light(250, 250, 250);
inline const QColor Shadow(100, 100, 100);
inline const QColor Text(10, 20, 30);
inline const QColor Silver(192, 192, 192);
inline const QColor Grey(128, 128, 128);
inline const QColor Navy(0, 0, 128);
inline const QColor Red(255, 0, 0);
} // namespace PanelColours

inline QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, PanelColours::Face);
    palette.setColor(QPalette::Light, PanelColours::Light);
    palette.setColor(QPalette::Dark, PanelColours::Shadow);
    palette.setColor(QPalette::ButtonText, PanelColours::Text);
    return palette;
}

template <typename Panel>
struct PanelFixture : ::testing::Test {
    FakeHost host;
    FixedTime time;
    std::unique_ptr<Panel> panel = std::make_unique<Panel>(host, nullptr, time);

    PanelFixture() { panel->setPalette(TestPalette()); }

    void Layout(const std::vector<std::string>& rows)
    {
        ApplyLayout(*panel, rows);
        panel->Paint();
        panel->SetEnabled(true);
    }
    // A pixel of a cell, at an offset from its origin.
    QColor Px(int col, int row, int dx, int dy)
    {
        const TPoint o = panel->CellOrigin(col, row);
        return panel->Canvas().pixelColor(o.X + dx, o.Y + dy);
    }
    QPoint Centre(int col, int row) const
    {
        const TPoint o = panel->CellOrigin(col, row);
        return {o.X + 8, o.Y + 8};
    }
};

// How heavy the text in a cell is: over the pixels of the text's colour in the
// square from (1, 1) to (last, last), the median of the shorter of the
// horizontal and the vertical run through each. One-pixel strokes give 1.
inline int StrokeWidth(const std::function<QColor(int, int)>& pixel, const QColor& colour, int last = 14)
{
    const auto on = [&](int x, int y) {
        return x >= 1 && y >= 1 && x <= last && y <= last && pixel(x, y) == colour;
    };
    std::vector<int> widths;
    for (int y = 1; y <= last; ++y)
        for (int x = 1; x <= last; ++x) {
            if (!on(x, y))
                continue;
            int left = x, right = x, top = y, bottom = y;
            while (on(left - 1, y))
                --left;
            while (on(right + 1, y))
                ++right;
            while (on(x, top - 1))
                --top;
            while (on(x, bottom + 1))
                ++bottom;
            widths.push_back(std::min(right - left, bottom - top) + 1);
        }
    if (widths.empty())
        return 0;
    std::nth_element(widths.begin(), widths.begin() + widths.size() / 2, widths.end());
    return widths[widths.size() / 2];
}

// The flag picture of a 16-pixel cell: base in the right-edge colour, pole and
// the cloth's lower edge in button text, the cloth in red.
inline std::map<std::pair<int, int>, char> FlagPixels()
{
    std::map<std::pair<int, int>, char> pixels;
    for (int x = 5; x <= 11; ++x)
        pixels[{x, 12}] = 'b';
    for (int x = 6; x <= 10; ++x)
        pixels[{x, 11}] = 'b';
    for (int y = 3; y <= 11; ++y)
        pixels[{8, y}] = 't';
    pixels[{7, 5}] = pixels[{6, 6}] = pixels[{7, 6}] = 't';
    for (int x = 4; x <= 6; ++x)
        pixels[{x, 3}] = pixels[{x, 4}] = 'r';
    pixels[{4, 5}] = pixels[{5, 5}] = pixels[{4, 6}] = 'r';
    return pixels;
}
