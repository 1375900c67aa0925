// Reads arbitrary text as Dravolt.ini, once with the size-for-XP item hidden
// and once shown, and checks what the window would apply: every number within
// its bounds, a flag marker that is "Flag" or a single character other than
// "?", a known play mode, a zoom of the menu's, and a one-time setup that
// points into the working folder. Showing the size-for-XP item may change
// nothing else.
#include "FuzzCheck.h"

#include "settings/SettingsReader.h"
#include "settings/zorvUtil.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kWorkingFolder = "/home/player/games";

void RequireWithin(const std::optional<int>& number, int min, int max)
{
    Require(!number || (*number >= min && *number <= max));
}

void CheckSettings(const TIniSettings& s)
{
    RequireWithin(s.SlotsDown, 1, 60);
    RequireWithin(s.SlotsAcross, 10, 100);
    RequireWithin(s.BombTotal, 0, 10000);

    if (s.FlagItem == TFlagItem::Flag)
        Require(s.PreferredMarker == "Flag");
    else
        Require(Utf8Length(s.PreferredMarker) == 1 && s.PreferredMarker != "?" &&
                (s.FlagItem == TFlagItem::At) == (s.PreferredMarker == "@"));

    Require(s.PlayMode.empty() || s.PlayMode == "cornerToCorner");
    Require(std::find(kZoomPercents.begin(), kZoomPercents.end(), s.Zoom) != kZoomPercents.end());
    if (s.OnetimeSetup)
        Require(s.BackgroundChoice == "backgroundCustom" &&
                std::string_view(s.BackgroundFile).substr(0, kWorkingFolder.size() + 1) ==
                    std::string(kWorkingFolder) + "/");
}

bool SameExceptSizeForXP(const TIniSettings& a, const TIniSettings& b)
{
    return a.Debug == b.Debug && a.AnimatedButtons == b.AnimatedButtons && a.SlotsDown == b.SlotsDown &&
           a.SlotsAcross == b.SlotsAcross && a.BombTotal == b.BombTotal && a.BackgroundChoice == b.BackgroundChoice &&
           a.BackgroundFile == b.BackgroundFile && a.OnetimeSetup == b.OnetimeSetup &&
           a.StretchBackground == b.StretchBackground && a.FreeClick == b.FreeClick &&
           a.AccentClearedAreaUponLoss == b.AccentClearedAreaUponLoss &&
           a.KeyboardNavigation == b.KeyboardNavigation && a.AutoSaveSessionStats == b.AutoSaveSessionStats &&
           a.PlayMode == b.PlayMode && a.OptimizeStatsStart == b.OptimizeStatsStart &&
           a.PreferredMarker == b.PreferredMarker && a.FlagItem == b.FlagItem && a.UseUndecided == b.UseUndecided &&
           a.Zoom == b.Zoom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto ini = TMemIniFile::FromText(std::string(reinterpret_cast<const char*>(data), size));
    const TIniSettings hidden = ReadIniSettings(ini, kWorkingFolder, false);
    const TIniSettings shown = ReadIniSettings(ini, kWorkingFolder, true);
    CheckSettings(hidden);
    CheckSettings(shown);
    Require(!hidden.SizeForXP);
    Require(SameExceptSizeForXP(hidden, shown));
    return 0;
}
