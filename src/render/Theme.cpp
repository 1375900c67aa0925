#include "render/Theme.h"

namespace {

// The window's palette from a few colours; disabled text is the window text
// half-way to the window.
QPalette WindowPalette(QColor window, QColor text, QColor base, QColor button, QColor light, QColor dark,
                       QColor highlight, QColor highlightedText)
{
    QPalette palette(button, window);
    const QColor faded = QColor::fromRgb((text.red() + window.red()) / 2, (text.green() + window.green()) / 2,
                                         (text.blue() + window.blue()) / 2);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, disabled ? faded : text);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::AlternateBase, window);
        palette.setColor(group, QPalette::Text, disabled ? faded : text);
        palette.setColor(group, QPalette::PlaceholderText, faded);
        palette.setColor(group, QPalette::Button, button);
        palette.setColor(group, QPalette::ButtonText, disabled ? faded : text);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Light, light);
        palette.setColor(group, QPalette::Midlight, button.lighter(110));
        palette.setColor(group, QPalette::Mid, dark.lighter(120));
        palette.setColor(group, QPalette::Dark, dark);
        palette.setColor(group, QPalette::Shadow, dark.darker(150));
        palette.setColor(group, QPalette::Highlight, disabled ? dark : highlight);
        palette.setColor(group, QPalette::HighlightedText, highlightedText);
        palette.setColor(group, QPalette::ToolTipBase, base);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::Link, highlight);
        palette.setColor(group, QPalette::LinkVisited, highlight.darker(120));
    }
    return palette;
}

const TModernTheme& Light()
{
    static const TModernTheme theme{
        .Background = qRgb(214, 220, 228),
        .BevelLight = qRgb(248, 250, 252),
        .BevelDark = qRgb(150, 160, 175),
        .Covered = qRgb(184, 194, 208),
        .CoveredTop = qRgb(226, 232, 240),
        .CoveredEdge = qRgb(128, 140, 158),
        .Open = qRgb(238, 241, 245),
        .OpenLine = qRgb(206, 212, 220),
        .Hit = qRgb(240, 120, 112),
        .Numbers = {qRgb(25, 95, 210), qRgb(27, 125, 52), qRgb(205, 40, 40), qRgb(48, 44, 160), qRgb(150, 62, 10),
                    qRgb(0, 118, 128), qRgb(120, 40, 150), qRgb(80, 86, 96)},
        .Cursor = qRgb(0, 84, 196),
        .Bomb = qRgb(32, 34, 40),
        .BombShine = qRgb(235, 238, 242),
        .FlagCloth = qRgb(215, 38, 38),
        .FlagPole = qRgb(40, 44, 52),
        .Mark = qRgb(30, 60, 140),
        .Wrong = qRgb(215, 38, 38),
        .CounterBack = qRgb(252, 253, 254),
        .CounterText = qRgb(200, 36, 36),
        .GoFace = qRgb(0, 96, 200),
        .GoText = qRgb(255, 255, 255),
        .Window = WindowPalette(QColor(232, 236, 241), QColor(28, 32, 38), QColor(255, 255, 255),
                                QColor(222, 227, 234), QColor(255, 255, 255), QColor(150, 160, 175),
                                QColor(0, 96, 200), QColor(255, 255, 255)),
    };
    return theme;
}

const TModernTheme& Dark()
{
    static const TModernTheme theme{
        .Background = qRgb(26, 29, 35),
        .BevelLight = qRgb(70, 78, 92),
        .BevelDark = qRgb(10, 11, 14),
        .Covered = qRgb(84, 94, 112),
        .CoveredTop = qRgb(118, 130, 150),
        .CoveredEdge = qRgb(48, 54, 66),
        .Open = qRgb(36, 40, 48),
        .OpenLine = qRgb(52, 58, 68),
        .Hit = qRgb(150, 44, 44),
        .Numbers = {qRgb(110, 170, 255), qRgb(110, 205, 120), qRgb(255, 115, 110), qRgb(185, 155, 255),
                    qRgb(255, 170, 80), qRgb(80, 210, 210), qRgb(245, 130, 215), qRgb(200, 204, 212)},
        .Cursor = qRgb(255, 200, 40),
        .Bomb = qRgb(218, 222, 230),
        .BombShine = qRgb(255, 255, 255),
        .FlagCloth = qRgb(255, 92, 84),
        .FlagPole = qRgb(218, 222, 230),
        .Mark = qRgb(170, 200, 255),
        .Wrong = qRgb(255, 92, 84),
        .CounterBack = qRgb(14, 16, 20),
        .CounterText = qRgb(255, 115, 110),
        .GoFace = qRgb(54, 118, 220),
        .GoText = qRgb(255, 255, 255),
        .Window = WindowPalette(QColor(40, 44, 52), QColor(226, 229, 234), QColor(30, 33, 40), QColor(56, 62, 72),
                                QColor(84, 92, 106), QColor(18, 20, 24), QColor(54, 118, 220),
                                QColor(255, 255, 255)),
    };
    return theme;
}

} // namespace

const TModernTheme* ModernTheme(TTheme theme)
{
    switch (theme) {
    case TTheme::Light: return &Light();
    case TTheme::Dark: return &Dark();
    case TTheme::Classic: break;
    }
    return nullptr;
}

TDesktopColors CellColours(TTheme theme, const QPalette& palette)
{
    const TModernTheme* modern = ModernTheme(theme);
    if (!modern)
        return TDesktopColors::From(palette);
    TDesktopColors colours{modern->Background, modern->BevelLight, modern->BevelDark, modern->Mark};
    colours.Modern = modern;
    return colours;
}
