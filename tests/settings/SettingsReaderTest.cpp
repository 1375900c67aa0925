#include "settings/SettingsReader.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TIniSettings ReadLines(const std::string& lines, bool sizeForXPVisible = false)
{
    return ReadIniSettings(TMemIniFile::FromText("[settings]\n" + lines), "/work", sizeForXPVisible);
}

TEST(SettingsReaderTest, NumbersAreClampedOrLeftToTheField)
{
    using Member = std::optional<int> TIniSettings::*;
    struct Case {
        const char* line;
        Member member;
        std::optional<int> expected;
    } cases[] = {
        {"slotsDown=0", &TIniSettings::SlotsDown, 1},
        {"slotsDown=61", &TIniSettings::SlotsDown, 60},
        {"slotsDown=abc", &TIniSettings::SlotsDown, 5},
        {"slotsDown=-4", &TIniSettings::SlotsDown, 5},
        {"slotsDown=", &TIniSettings::SlotsDown, 5},
        {"slotsDown=-1", &TIniSettings::SlotsDown, std::nullopt},
        {"", &TIniSettings::SlotsDown, std::nullopt},
        {"slotsDown=12.5", &TIniSettings::SlotsDown, 12},
        {"slotsDown=1.2.3", &TIniSettings::SlotsDown, 5},
        {"slotsAcross=9", &TIniSettings::SlotsAcross, 10},
        {"slotsAcross=250", &TIniSettings::SlotsAcross, 100},
        {"slotsAcross=x", &TIniSettings::SlotsAcross, 20},
        {"bombTotal=20000", &TIniSettings::BombTotal, 10000},
        {"bombTotal=0", &TIniSettings::BombTotal, 0},
        {"", &TIniSettings::BombTotal, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadLines(c.line).*(c.member), c.expected) << c.line;

    // The zoom is one of the menu's four, written exactly; anything else is 100.
    const std::pair<const char*, int> zooms[] = {{"zoom=150", 150}, {"zoom=200", 200}, {"zoom=300", 300},
                                                 {"zoom=100", 100}, {"zoom=125", 100}, {"zoom=0150", 100},
                                                 {"zoom=150%", 100}, {"zoom=-1", 100}, {"", 100}};
    for (const auto& [line, zoom] : zooms)
        EXPECT_EQ(ReadLines(line).Zoom, zoom) << line;

    // The theme by its keyword, written exactly; anything else is classic.
    const std::pair<const char*, TTheme> themes[] = {
        {"theme=light", TTheme::Light},     {"theme=dark", TTheme::Dark},      {"theme=classic", TTheme::Classic},
        {"theme=Dark", TTheme::Classic},    {"theme=-1", TTheme::Classic},
        {"", TTheme::Classic}};
    for (const auto& [line, theme] : themes)
        EXPECT_EQ(ReadLines(line).Theme, theme) << line;
}

TEST(SettingsReaderTest, OnlyTheExactValueSwitchesAnOptionOn)
{
    using Member = bool TIniSettings::*;
    struct Case {
        const char* line;
        Member member;
        bool expected;
    } cases[] = {
        {"freeClick=1", &TIniSettings::FreeClick, true},
        {"freeClick=true", &TIniSettings::FreeClick, false},
        {"freeClick=yes", &TIniSettings::FreeClick, false},
        {"freeClick= 1", &TIniSettings::FreeClick, false},
        {"noGuess=1", &TIniSettings::NoGuess, true},
        {"noGuess=-1", &TIniSettings::NoGuess, false},
        {"", &TIniSettings::NoGuess, false},
        {"inanimateButtons=1", &TIniSettings::AnimatedButtons, false},
        {"inanimateButtons=0", &TIniSettings::AnimatedButtons, true},
        {"inanimateButtons=true", &TIniSettings::AnimatedButtons, true},
        {"", &TIniSettings::AnimatedButtons, true},
        {"debug=7", &TIniSettings::Debug, true},
        {"debug=07", &TIniSettings::Debug, false},
        {"accentClearedAreaUponLoss=1", &TIniSettings::AccentClearedAreaUponLoss, true},
        {"keyboardNavigation=1", &TIniSettings::KeyboardNavigation, true},
        {"autoSaveSessionStats=1", &TIniSettings::AutoSaveSessionStats, true},
        {"backgroundStretch=1", &TIniSettings::StretchBackground, true},
        {"optimizeStatsStart=1", &TIniSettings::OptimizeStatsStart, true},
        {"useUndecided=1", &TIniSettings::UseUndecided, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadLines(c.line).*(c.member), c.expected) << c.line;

    EXPECT_EQ(ReadLines("cornerToCorner=1").PlayMode, "cornerToCorner");
    EXPECT_EQ(ReadLines("cornerToCorner=yes").PlayMode, "");
    EXPECT_TRUE(ReadLines("sizeForXP=1", true).SizeForXP);
    EXPECT_FALSE(ReadLines("sizeForXP=1", false).SizeForXP);
}

TEST(SettingsReaderTest, PreferredFlagChoosesMarkerAndItem)
{
    struct Case {
        const char* line;
        const char* marker;
        TFlagItem item;
    } cases[] = {
        {"preferredFlag=flag", "Flag", TFlagItem::Flag},
        {"preferredFlag=Flag", "Flag", TFlagItem::Flag},
        {"preferredFlag=?", "Flag", TFlagItem::Flag},
        {"preferredFlag=", "Flag", TFlagItem::Flag},
        {"preferredFlag=ab", "Flag", TFlagItem::Flag},
        {"", "Flag", TFlagItem::Flag},
        {"preferredFlag=@", "@", TFlagItem::At},
        {"preferredFlag=#", "#", TFlagItem::None},
        {"preferredFlag=\xc3\xa9", "\xc3\xa9", TFlagItem::None},
    };
    for (const Case& c : cases) {
        const auto read = ReadLines(c.line);
        EXPECT_EQ(read.PreferredMarker, c.marker) << c.line;
        EXPECT_EQ(read.FlagItem, c.item) << c.line;
    }
}

TEST(SettingsReaderTest, BackgroundChoiceAndFile)
{
    struct Case {
        const char* lines;
        const char* choice;
        const char* file;
        bool onetime;
    } cases[] = {
        {"", "backgroundDefault", "", false},
        {"backgroundFile=a.jpg", "backgroundDefault", "", false},
        {"background=backgroundNone\nbackgroundFile=a.jpg", "backgroundNone", "", false},
        {"background=backgroundCustom\nbackgroundFile=a.jpg", "backgroundCustom", "a.jpg", false},
        {"background=backgroundCustom", "backgroundCustom", "", false},
        {"backgroundOnetimeSetup=1\nbackground=backgroundNone\nbackgroundFile=pic.jpg", "backgroundCustom",
         "/work/pic.jpg", true},
        {"backgroundOnetimeSetup=1", "backgroundCustom", "/work/", true},
        {"backgroundOnetimeSetup=yes\nbackgroundFile=pic.jpg", "backgroundDefault", "", false},
    };
    for (const Case& c : cases) {
        const auto read = ReadLines(c.lines);
        EXPECT_EQ(read.BackgroundChoice, c.choice) << c.lines;
        EXPECT_EQ(read.BackgroundFile, c.file) << c.lines;
        EXPECT_EQ(read.OnetimeSetup, c.onetime) << c.lines;
    }
}

TEST(SettingsReaderTest, OnetimeSetupStoresTheFullPathOnce)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    WriteFileText(path, "[settings]\nbackgroundOnetimeSetup=1\nbackgroundFile=pic.jpg\n");
    TIniStore settings;
    settings.Assign(TMemIniFile::FromFile(path));

    const auto first = ReadIniSettings(settings.Ini(), folder.Path(), false);
    ASSERT_TRUE(FinishOnetimeSetup(settings, first));
    EXPECT_EQ(ReadFileText(path), "[settings]\nbackgroundFile=" + folder.File("pic.jpg") + "\n\n");

    const auto later = ReadIniSettings(*TMemIniFile::FromFile(path), "/elsewhere", false);
    EXPECT_FALSE(later.OnetimeSetup);
    EXPECT_EQ(later.BackgroundChoice, "backgroundDefault");
    EXPECT_FALSE(FinishOnetimeSetup(settings, later));
}

} // namespace
