// The keys of the section "settings" of Dravolt.ini and how each is read.
// Reading is a pure function; the window applies the result to its check
// marks, the field and the win picture in its own order.
#pragma once

#include "settings/IniFile.h"
#include "settings/IniStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace SettingsKeys {
inline constexpr std::string_view Section = "settings";
inline constexpr std::string_view Debug = "debug";
inline constexpr std::string_view InanimateButtons = "inanimateButtons";
inline constexpr std::string_view SlotsDown = "slotsDown";
inline constexpr std::string_view SlotsAcross = "slotsAcross";
inline constexpr std::string_view BombTotal = "bombTotal";
inline constexpr std::string_view BackgroundOnetimeSetup = "backgroundOnetimeSetup";
inline constexpr std::string_view Background = "background";
inline constexpr std::string_view BackgroundFile = "backgroundFile";
inline constexpr std::string_view BackgroundStretch = "backgroundStretch";
inline constexpr std::string_view FreeClick = "freeClick";
inline constexpr std::string_view NoGuess = "noGuess";
inline constexpr std::string_view AccentClearedAreaUponLoss = "accentClearedAreaUponLoss";
inline constexpr std::string_view KeyboardNavigation = "keyboardNavigation";
inline constexpr std::string_view AutoSaveSessionStats = "autoSaveSessionStats";
inline constexpr std::string_view CornerToCorner = "cornerToCorner";
inline constexpr std::string_view OptimizeStatsStart = "optimizeStatsStart";
inline constexpr std::string_view PreferredFlag = "preferredFlag";
inline constexpr std::string_view UseUndecided = "useUndecided";
inline constexpr std::string_view SizeForXP = "sizeForXP";
inline constexpr std::string_view Zoom = "zoom";
inline constexpr std::string_view Theme = "theme";
// Written only once the player turns the option off or on: "0" is off.
inline constexpr std::string_view GameHistory = "gameHistory";

// The value every key is read with; a stored "-1" counts as an absent key.
inline constexpr std::string_view Absent = "-1";
// The value of "debug" that turns debug mode on (compared exactly).
inline constexpr std::string_view DebugCode = "7";
} // namespace SettingsKeys

// The zooms of the field that the menu offers, in percent, smallest first;
// "zoom" stores one of them in decimal.
inline constexpr std::array<int, 4> kZoomPercents{100, 150, 200, 300};

// The look of the field and the window, stored as "theme" by its keyword.
enum class TTheme { Classic, Light, Dark };
inline constexpr std::array<std::string_view, 3> kThemeKeywords{"classic", "light", "dark"};
inline std::string_view ThemeKeyword(TTheme theme) { return kThemeKeywords[static_cast<std::size_t>(theme)]; }

// Which radio item of the flag-marker menu carries the check mark.
enum class TFlagItem { Flag, At, None };

struct TIniSettings {
    bool Debug = false;
    bool AnimatedButtons = true; // the check mark of miAnimatedButtons

    // Absent (or "-1"): the field keeps its own default. Otherwise clamped to
    // 1..60 / 10..100 / 0..10000; a non-number gives 5 / 20 / 20, and a
    // number with a point its whole part.
    std::optional<int> SlotsDown;
    std::optional<int> SlotsAcross;
    std::optional<int> BombTotal;

    std::string BackgroundChoice = "backgroundDefault";
    std::string BackgroundFile;
    // The one-time setup ran: BackgroundFile is the full path to store as
    // "backgroundFile"; then "backgroundOnetimeSetup" is deleted and the file
    // saved at once (FinishOnetimeSetup).
    bool OnetimeSetup = false;
    bool StretchBackground = false;

    bool FreeClick = false;
    bool NoGuess = false; // boards dealt to be cleared without guessing
    bool AccentClearedAreaUponLoss = false;
    bool KeyboardNavigation = false;
    bool AutoSaveSessionStats = false;

    std::string PlayMode; // "cornerToCorner" or empty
    bool OptimizeStatsStart = false;

    std::string PreferredMarker = "Flag";
    TFlagItem FlagItem = TFlagItem::Flag;

    bool UseUndecided = false;
    bool SizeForXP = false; // only read when the menu item is visible

    int Zoom = 100; // one of kZoomPercents; any other value reads as 100
    TTheme Theme = TTheme::Classic; // a keyword of kThemeKeywords; anything else reads as classic
};

// Reads every key of the section "settings". workingFolder is the folder the
// one-time setup puts in front of a stored picture name.
TIniSettings ReadIniSettings(const TMemIniFile& ini, std::string_view workingFolder, bool sizeForXPVisible);

// After a one-time setup: stores the full picture path, deletes
// "backgroundOnetimeSetup" and saves the file at once. Returns whether the
// save succeeded; does nothing (false) when read.OnetimeSetup is off.
bool FinishOnetimeSetup(TIniStore& settings, const TIniSettings& read);
