// The cell record and the plain drawing data it carries: colours as RGB values
// (or the desktop's button-text colour, resolved by the drawing), font names,
// sizes and styles.
#pragma once

#include "field/CellText.h"

#include <cstdint>
#include <string>

struct TColor {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool ButtonText = false; // the desktop's colour for text on buttons

    friend bool operator==(const TColor&, const TColor&) = default;
};

constexpr TColor clBlack{0, 0, 0};
constexpr TColor clSilver{192, 192, 192};
constexpr TColor clGray{128, 128, 128};
constexpr TColor clRed{255, 0, 0};
constexpr TColor clNavy{0, 0, 128};
constexpr TColor clBlue{0, 0, 255};
constexpr TColor clGreen{0, 128, 0};
constexpr TColor clMaroon{128, 0, 0};
constexpr TColor clTeal{0, 128, 128};
constexpr TColor clPurple{128, 0, 128};
constexpr TColor clBtnText{0, 0, 0, true};

using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

struct TSlot {
    TCellText Marker;   // empty, the preferred marker (flagged) or "?"
    TCellText Content;  // empty, "1".."8" or "M" (a bomb)
    TCellText FaceText; // drawn on an open face: Content, or "X" on a wrong flag
    bool Cleared = false; // uncovered by the player; never a bomb
    bool Shown = false;   // drawn open
    TCellText MarkerFontName;
    int MarkerFontSize = 0;
    TFontStyles MarkerFontStyle = 0;
    TColor BaseColor;
    TColor BackColor;
    TColor EdgeColor;
    TColor BaseTextColor;
    TColor TextColor;
    TCellText FaceFontName;
    int FaceFontSize = 0;
    TFontStyles FaceFontStyle = 0;
    bool HasCursor = false;
    bool SeeThrough = false; // open face drawn without background over the win picture

    friend bool operator==(const TSlot&, const TSlot&) = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TCellPos {
    int Col = -1;
    int Row = -1;
    friend bool operator==(const TCellPos&, const TCellPos&) = default;
};

// The colour of a number on an open face.
TColor NumberColor(const std::string& content);
