#include "settings/SettingsReader.h"

#include "settings/Filer.h"
#include "settings/zorvUtil.h"

namespace {

namespace K = SettingsKeys;

bool IsAbsent(const std::string& value) { return value == K::Absent; }

class TSettingsSection {
public:
    explicit TSettingsSection(const TMemIniFile& ini) : FIni(ini) {}

    std::string Read(std::string_view key) const { return FIni.ReadString(K::Section, key, K::Absent); }
    // The value, or empty for an absent key.
    std::string Text(std::string_view key) const
    {
        std::string value = Read(key);
        return IsAbsent(value) ? std::string() : value;
    }
    bool IsExactlyOne(std::string_view key) const { return Read(key) == "1"; }
    bool IsOneIgnoringCase(std::string_view key) const { return SameText(Read(key), "1"); }

    std::optional<int> Number(std::string_view key, int min, int max, int def) const
    {
        const std::string value = Read(key);
        if (IsAbsent(value))
            return std::nullopt;
        return ClampNumberValue(value, min, max, def);
    }

private:
    const TMemIniFile& FIni;
};

void ReadBackground(const TSettingsSection& settings, std::string_view workingFolder, TIniSettings& result)
{
    if (settings.IsExactlyOne(K::BackgroundOnetimeSetup)) {
        result.OnetimeSetup = true;
        result.BackgroundChoice = "backgroundCustom";
        result.BackgroundFile = JoinPath(workingFolder, settings.Text(K::BackgroundFile));
        return;
    }
    const std::string choice = settings.Read(K::Background);
    if (IsAbsent(choice))
        return;
    result.BackgroundChoice = choice;
    if (choice != "backgroundNone")
        result.BackgroundFile = settings.Text(K::BackgroundFile);
}

void ReadPreferredFlag(const TSettingsSection& settings, TIniSettings& result)
{
    const std::string flag = settings.Read(K::PreferredFlag);
    if (SameText(flag, "Flag") || Utf8Length(flag) != 1 || flag == "?")
        return; // the defaults: "Flag" with its item checked
    result.PreferredMarker = flag;
    result.FlagItem = flag == "@" ? TFlagItem::At : TFlagItem::None;
}

int ReadZoom(const TSettingsSection& settings)
{
    const std::string value = settings.Read(K::Zoom);
    for (int zoom : kZoomPercents)
        if (value == std::to_string(zoom))
            return zoom;
    return 100;
}

TTheme ReadTheme(const TSettingsSection& settings)
{
    const std::string value = settings.Read(K::Theme);
    for (std::size_t i = 0; i < kThemeKeywords.size(); ++i)
        if (value == kThemeKeywords[i])
            return static_cast<TTheme>(i);
    return TTheme::Classic;
}

} // namespace

TIniSettings ReadIniSettings(const TMemIniFile& ini, std::string_view workingFolder, bool sizeForXPVisible)
{
    const TSettingsSection settings(ini);
    TIniSettings result;
    result.Debug = settings.Read(K::Debug) == K::DebugCode;
    result.AnimatedButtons = !settings.IsExactlyOne(K::InanimateButtons);
    result.SlotsDown = settings.Number(K::SlotsDown, 1, 60, 5);
    result.SlotsAcross = settings.Number(K::SlotsAcross, 10, 100, 20);
    result.BombTotal = settings.Number(K::BombTotal, 0, 10000, 20);
    ReadBackground(settings, workingFolder, result);
    result.StretchBackground = settings.IsExactlyOne(K::BackgroundStretch);
    result.FreeClick = settings.IsExactlyOne(K::FreeClick);
    result.NoGuess = settings.IsExactlyOne(K::NoGuess);
    result.AccentClearedAreaUponLoss = settings.IsExactlyOne(K::AccentClearedAreaUponLoss);
    result.KeyboardNavigation = settings.IsExactlyOne(K::KeyboardNavigation);
    result.AutoSaveSessionStats = settings.IsExactlyOne(K::AutoSaveSessionStats);
    if (settings.IsExactlyOne(K::CornerToCorner))
        result.PlayMode = "cornerToCorner";
    result.OptimizeStatsStart = settings.IsOneIgnoringCase(K::OptimizeStatsStart);
    ReadPreferredFlag(settings, result);
    result.UseUndecided = settings.IsOneIgnoringCase(K::UseUndecided);
    result.SizeForXP = sizeForXPVisible && settings.IsOneIgnoringCase(K::SizeForXP);
    result.Zoom = ReadZoom(settings);
    result.Theme = ReadTheme(settings);
    return result;
}

bool FinishOnetimeSetup(TIniStore& settings, const TIniSettings& read)
{
    if (!read.OnetimeSetup)
        return false;
    settings.WriteSetting(K::Section, K::BackgroundFile, read.BackgroundFile);
    settings.DeleteKey(K::Section, K::BackgroundOnetimeSetup);
    return settings.UpdateFile();
}
