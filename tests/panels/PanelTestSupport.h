// Shared set-up of the panel tests: a panel on a fake host, with desktop
// colours chosen so that every role is told apart by its pixels.
#pragma once

#include "field/FakeField.h"
#include "panels/PanelMineField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"

#include <QPalette>
#include <gtest/gtest.h>

#include <memory>

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
