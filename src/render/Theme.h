// The looks of the field and the window. Classic takes its cell colours from
// the desktop's palette; Light and Dark bring colours of their own, for the
// cells (drawn by the modern cell painter), the counters, "Go" and a palette
// for the whole window.
#pragma once

#include "render/CellPainter.h"
#include "settings/SettingsReader.h"

#include <QColor>
#include <QPalette>

#include <array>

struct TModernTheme {
    QRgb Background;  // the panel behind the cells
    QRgb BevelLight;  // the panel's lowered bevel
    QRgb BevelDark;
    QRgb Covered;     // a raised covered cell: its face,
    QRgb CoveredTop;  // the light rim at its top and left,
    QRgb CoveredEdge; // and the shadow at its bottom and right
    QRgb Open;        // a flat open cell
    QRgb OpenLine;    // the thin line between open cells
    QRgb Hit;         // the open face of the bomb that lost the game
    std::array<QRgb, 8> Numbers; // 1 .. 8, each at least 3:1 against Open
    QRgb Cursor;      // the keyboard cursor, at least 3:1 against Covered and Open
    QRgb Bomb;
    QRgb BombShine;
    QRgb FlagCloth;
    QRgb FlagPole;
    QRgb Mark;        // "?" and any other marker on a covered cell
    QRgb Wrong;       // the cross over a wrong flag
    QRgb CounterBack; // the two counters
    QRgb CounterText;
    QRgb GoFace;      // the "Go" button
    QRgb GoText;
    QPalette Window;  // the whole window's palette, with Qt's Fusion style
};

// The theme's colours, or null for Classic.
const TModernTheme* ModernTheme(TTheme theme);

// The colours the field's cells and frame are drawn with in a theme: for
// Classic the desktop palette's; for the others the theme's own.
TDesktopColors CellColours(TTheme theme, const QPalette& palette);
