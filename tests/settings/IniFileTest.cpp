#include "settings/IniFile.h"
#include "settings/zorvUtil.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sys/stat.h>

namespace {

constexpr const char* kNone = "<default>";

TEST(IniFileTest, ReadsFollowTheLoadRules)
{
    struct Case {
        const char* text;
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"[s]\nk=v\n", "s", "k", "v"},
        {"[Settings]\nSlotsDown=7", "settings", "SLOTSDOWN", "7"},
        {"[s]\nk=a=b", "s", "k", "a=b"},
        {"[s]\nk=", "s", "k", ""},
        {"[s]\nk=1\nK=2", "s", "k", "1"},
        {"[s]\nk=1\nK=2\nk=3\nk=4", "s", "K", "1"},
        {"[a]\nx=1\n[b]\ny=2\n[A]\nz=3", "a", "z", "3"},
        {"; c\n\n[a]\r\nx=1\r\n\r\n[b]\ny=2", "B", "y", "2"},
        {"k=v\n[s]\n", "s", "k", kNone},
        {"[s]\r\nk=v\r\n", "s", "k", "v"},
        {"[s]\r\r\nk=v\r\r", "s", "k", "v"},
        {"[s]\n;k=v\n", "s", "k", kNone},
        {"[s]\n;k=v\n", "s", ";k", kNone},
        {"[names]\n[0]=x]\n", "names", "[0]", "x]"},
        {"[s]\n[a]b]\nk=v", "s", "k", "v"},
        {"[s]\n[a=1", "s", "[a", "1"},
        {"[ s ]\nk=v", " s ", "k", "v"},
        {"[ s ]\nk=v", "s", "k", kNone},
        {"[s]\n k = v", "s", " k ", " v"},
        {"[s]\n k = v", "s", "k", kNone},
        {"[s]\nk\n", "s", "k", kNone},
        {"[]\nk=v", "", "k", "v"},
        {"[s]\nk=v\n[t]", "t", "k", kNone},
        {"[s]\n=v", "s", "", "v"},
        // A byte-order mark before the first section, as some editors write.
        {"\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
        {"[s]\n\xEF\xBB\xBFk=v\n", "s", "\xEF\xBB\xBFk", "v"},
    };
    for (const Case& c : cases) {
        const auto ini = TMemIniFile::FromText(c.text);
        EXPECT_EQ(ini.ReadString(c.section, c.key, kNone), c.expected) << c.text;
    }
}

TEST(IniFileTest, SavedTextFollowsTheLayoutRules)
{
    using Edit = std::function<void(TMemIniFile&)>;
    const Edit none = [](TMemIniFile&) {};
    struct Case {
        const char* text;
        Edit edit;
        const char* expected;
    } cases[] = {
        {"; c\n\n[b]\nx=1\n\n[a]\ny=2\n", none, "[b]\nx=1\n\n[a]\ny=2\n\n"},
        {"[a]\nx=1\n[b]\ny=2", [](TMemIniFile& i) { i.WriteString("A", "z", "3"); }, "[a]\nx=1\nz=3\n\n[b]\ny=2\n\n"},
        {"[a]\nx=1", [](TMemIniFile& i) { i.WriteString("new", "k", "v"); }, "[a]\nx=1\n\n[new]\nk=v\n\n"},
        {"[a]\nKey=1\nother=2", [](TMemIniFile& i) { i.WriteString("a", "KEY", "9"); }, "[a]\nKey=9\nother=2\n\n"},
        {"[a]\nloose line\n", none, "[a]\nloose line\n\n"},
        {"[a]\nx=1\n[b]\n[A]\ny=2", none, "[a]\nx=1\ny=2\n\n[b]\n\n"},
        {"", [](TMemIniFile& i) { i.WriteString("a\nb", "k\r", "one\ntwo\r"); }, "[a b]\nk =one two \n\n"},
        {"[a]\nx=1\ny=2\nx=3", [](TMemIniFile& i) { i.DeleteKey("a", "X"); }, "[a]\ny=2\nx=3\n\n"},
        {"[ Mixed ]\n", none, "[ Mixed ]\n\n"},
        {"[a]\n[a=x", [](TMemIniFile& i) { i.WriteString("a", "[a", "]"); }, "[a]\n[a=x\n\n"},
    };
    for (const Case& c : cases) {
        auto ini = TMemIniFile::FromText(c.text);
        c.edit(ini);
        EXPECT_EQ(ini.Text(), c.expected) << c.text;
    }
}

TEST(IniFileTest, WritesThatCouldNotBeReadBackAreRefused)
{
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        bool accepted;
    } cases[] = {
        {"s", "a=b", "v", false}, {"x]y", "k", "v", false}, {"s", ";c", "v", false}, {"s", "[a", "b]", false},
        {"s", "[a", "b", true},   {"[x", "k", "v", true},   {"s", "[0]", "me]", true}, {"s", "", "v", true},
    };
    for (const Case& c : cases) {
        TMemIniFile ini;
        EXPECT_EQ(ini.WriteString(c.section, c.key, c.value), c.accepted) << c.key;
        EXPECT_EQ(ini.Text().empty(), !c.accepted) << c.key;
    }
}

TEST(IniFileTest, AnyNameSurvivesSaveAndReloadExactly)
{
    for (const char* name : {"me]", "a=b", "[x]", "x]y]", "", " spaced ", ";semi", "[", "\xc3\xa9t\xc3\xa9"}) {
        TMemIniFile ini;
        ASSERT_TRUE(ini.WriteString("names", "[0]", name));
        const auto reloaded = TMemIniFile::FromText(ini.Text());
        EXPECT_EQ(reloaded.ReadString("names", "[0]", kNone), name);
        EXPECT_EQ(reloaded, ini);
    }
}

// Random texts and random edits drawn from the characters that matter to the
// layout: every successful write reads back, and a save reloads equal.
TEST(IniFileTest, SaveAndReloadGivesAnEqualObject)
{
    std::mt19937 random(20240601);
    const std::string alphabet = "[]=;\r\n aAbB\x01\xc3";
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), ' ');
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        auto ini = TMemIniFile::FromText(randomText(80));
        for (int edit = 0; edit < 4; ++edit) {
            const std::string section = randomText(3), key = randomText(3), value = randomText(5);
            if (edit == 3) {
                ini.DeleteKey(section, key);
            } else if (ini.WriteString(section, key, value)) {
                ASSERT_EQ(ini.ReadString(WithoutLineBreaks(section), WithoutLineBreaks(key), kNone),
                          WithoutLineBreaks(value));
            }
        }
        const auto reloaded = TMemIniFile::FromText(ini.Text());
        ASSERT_EQ(reloaded, ini) << ini.Text();
        ASSERT_EQ(reloaded.Text(), ini.Text());
    }
}

TEST(IniFileTest, BigSectionsKeepEveryKeyThroughWritesAndDeletes)
{
    TMemIniFile ini;
    constexpr int count = 10000;
    for (int i = 0; i < count; ++i)
        ini.WriteString("big", "Key" + std::to_string(i), std::to_string(i));
    for (int i = 0; i < count; i += 2)
        ASSERT_TRUE(ini.DeleteKey("BIG", "key" + std::to_string(i)));
    // Loaded, the section is found again, also when a later header continues it.
    const auto loaded = TMemIniFile::FromText("; c\n\n" + ini.Text() + "[other]\n[BIG]\nkey0=again\n");
    const TMemIniFile& edited = ini;
    for (const TMemIniFile* big : {&edited, &loaded})
        for (int i = 1; i < count; ++i)
            ASSERT_EQ(big->ReadString("big", "KEY" + std::to_string(i), kNone), i % 2 ? std::to_string(i) : kNone);
    EXPECT_EQ(loaded.ReadString("big", "key0", kNone), "again");
    EXPECT_EQ(ini.ReadString("big", "key0", kNone), kNone);
}

TEST(IniFileTest, BinaryGarbageLoadsAndRoundTrips)
{
    TTempFolder folder;
    std::mt19937 random(7);
    std::string garbage(8 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    garbage += "\n[tail]\nk=v\n";
    WriteFileText(folder.File("garbage.ini"), garbage);

    const auto ini = TMemIniFile::FromFile(folder.File("garbage.ini"));
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->ReadString("tail", "k", kNone), "v");
    EXPECT_EQ(TMemIniFile::FromText(ini->Text()), *ini);
}

TEST(IniFileTest, OnlyRegularFilesLoad)
{
    TTempFolder folder;
    ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(TMemIniFile::FromFile(folder.File("fifo")));
    EXPECT_FALSE(TMemIniFile::FromFile(folder.Path()));
    EXPECT_FALSE(TMemIniFile::FromFile(folder.File("missing")));
    EXPECT_FALSE(TMemIniFile::FromFile("/dev/null"));
}

TEST(IniFileTest, UpdateFileWritesTheTextAndKeepsPermissions)
{
    TTempFolder folder;
    const std::string path = folder.File("a.ini");
    WriteFileText(path, "; old\n[s]\nk=1\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);

    auto ini = TMemIniFile::FromFile(path);
    ASSERT_TRUE(ini);
    ini->WriteString("s", "k", "2");
    ASSERT_TRUE(ini->UpdateFile());
    EXPECT_EQ(ReadFileText(path), "[s]\nk=2\n\n");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1); // no temp file left
    EXPECT_EQ(*TMemIniFile::FromFile(path), *ini);
}

TEST(IniFileTest, UpdateFileSavesThroughALink)
{
    TTempFolder folder;
    WriteFileText(folder.File("real.ini"), "[s]\n");
    ASSERT_EQ(symlink("real.ini", folder.File("link.ini").c_str()), 0);
    auto ini = TMemIniFile::FromFile(folder.File("link.ini"));
    ASSERT_TRUE(ini);
    ini->WriteString("s", "k", "v");
    ASSERT_TRUE(ini->UpdateFile());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.ini")));
    EXPECT_EQ(ReadFileText(folder.File("real.ini")), "[s]\nk=v\n\n");
}

TEST(IniFileTest, AFailedSaveLeavesTheOldFileWhole)
{
    TTempFolder folder;
    const std::string readOnly = folder.File("ro.ini");
    WriteFileText(readOnly, "[s]\nold=1\n");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    std::filesystem::create_directory(folder.File("dir.ini"));

    for (const std::string& path : {readOnly, folder.File("missing/x.ini"), folder.File("dir.ini"), std::string()}) {
        auto ini = TMemIniFile::FromText("[s]\nnew=1\n", path);
        EXPECT_FALSE(ini.UpdateFile()) << path;
    }
    EXPECT_EQ(ReadFileText(readOnly), "[s]\nold=1\n");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir.ini")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

} // namespace
