// Text helpers shared by the whole program: the one case-insensitive compare,
// the number-text checks used by the settings reader and the size dialog, and
// the few UTF-8 and integer conversions the rules need.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Case-insensitive equality and order (ASCII letters fold; other bytes compare as is).
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);

// Orders keys of sorted lists and maps case-insensitively.
struct TTextLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

// True when every character is a digit, or also a "." when pointAllowed; the
// empty text passes. Signs and blanks never pass.
bool IsNumberText(std::string_view text, bool pointAllowed);

// An empty or non-number text (also "." or "1.2.3", which pass the character
// test but are no number) becomes the default; a number whose whole part is
// below min becomes min, above max becomes max; any other text is returned
// exactly as given (so "12.5" within bounds stays "12.5").
std::string ClampNumberText(std::string_view text, int min, int max, int def);

// The whole part (truncated toward zero) of a number text made of digits with at
// most one point and at least one digit. Runs of digits beyond any bound give a
// large value instead of overflowing. Empty for anything else.
std::optional<long long> WholePartOf(std::string_view text);

// ClampNumberText followed by its whole part: always a value within [min, max]
// or the default.
int ClampNumberValue(std::string_view text, int min, int max, int def);

// A signed 32-bit decimal integer: optional "+" or "-", then digits only.
std::optional<int> StrToIntOpt(std::string_view text);

// Number of UTF-8 characters, and the first character (as its bytes).
std::size_t Utf8Length(std::string_view text);
std::string Utf8First(std::string_view text);

// Replaces every line break (CR or LF) by a blank, so that a value never splits
// a line of an INI file.
std::string WithoutLineBreaks(std::string_view text);
