#include "records/BestTimes.h"
#include "settings/SafeSave.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

struct TStepHook {
    explicit TStepHook(std::function<int(TSaveStep)> hook) { SetSaveStepHookForTesting(std::move(hook)); }
    ~TStepHook() { SetSaveStepHookForTesting({}); }
};

TIniStore StoreOf(const std::string& text, const std::string& fileName = {})
{
    TIniStore store;
    store.Assign(TMemIniFile::FromText(text, fileName));
    return store;
}

TIniStore StoreOfFile(const std::string& path)
{
    TIniStore store;
    store.Assign(TMemIniFile::FromFile(path));
    return store;
}

// Entries as "sizes", "times" and "names" lines, "[n]" keys.
std::string Entries(const std::vector<std::pair<int, std::string>>& sizes)
{
    std::string s = "[sizes]\n", t = "[times]\n", n = "[names]\n";
    for (const auto& [index, size] : sizes) {
        const std::string key = "[" + std::to_string(index) + "]=";
        s += key + size + "\n";
        t += key + std::to_string(100 + index) + "\n";
        n += key + "p" + std::to_string(index) + "\n";
    }
    return s + t + n;
}

// The tree flattened in its order: "height.width.bombs time name".
std::vector<std::string> Rows(const TBestTimes& tree)
{
    std::vector<std::string> rows;
    for (const auto& [kH, tall] : tree)
        for (const auto& [kW, wide] : tall.WideList)
            for (const auto& [kB, record] : wide.BombList)
                rows.push_back(SizeText(tall.Tall, wide.Wide, record.Bomb) + " " + record.Time + " " + record.Name);
    return rows;
}

TEST(BestTimesTest, LookupsWalkTheListUpToTheFirstGap)
{
    struct Case {
        std::string text;
        int found9x9;   // FindSizeIndex("9", "9", "10")
        int firstFree;
        std::vector<std::string> loaded;
    } cases[] = {
        {"", -1, 0, {}},
        {Entries({{0, "8.10.10"}, {1, "9.9.10"}, {3, "7.10.10"}}), 1, 2, {"8.10.10 100 p0", "9.9.10 101 p1"}},
        {Entries({{0, "8.10.10"}, {3, "9.9.10"}}), -1, 1, {"8.10.10 100 p0"}},
        {Entries({{0, "x"}, {1, "1.2"}, {2, "9.9.10"}}), 2, 3, {"9.9.10 102 p2"}},
        // Only a missing key ends the list: "-1" is a value like any other.
        {"[sizes]\n[0]=9.9.10\n[1]=8.10.10\n[2]=-1\n[times]\n[0]=100\n[1]=-1\n[2]=3\n[names]\n[0]=-1\n[1]=p1\n"
         "[2]=p2\n",
         0, 3, {"8.10.10 -1 p1", "9.9.10 100 -1"}},
        {Entries({{0, "9.9.10"}}) + "[sizes]\n[1]=8.10.10\n[times]\n[1]=5\n", 0, 2, {"9.9.10 100 p0"}},
    };
    for (auto& c : cases) {
        const TMemIniFile ini = TMemIniFile::FromText(c.text);
        EXPECT_EQ(FindSizeIndex(ini, "9", "9", "10"), c.found9x9) << c.text;
        EXPECT_EQ(FirstFreeSizeIndex(ini), c.firstFree) << c.text;
        EXPECT_EQ(Rows(LoadBestTimes(ini)), c.loaded) << c.text;
    }
}

// Showing the view writes nothing: with two entries of one size it shows
// the later one, and a better time that another run stores meanwhile in the
// first one stays when this run saves.
TEST(BestTimesTest, LaterDuplicateWinsInTheViewAndLoadingWritesNothing)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    WriteFileText(path, Entries({{0, "9.9.10"}, {1, "1.10.1"}, {2, "9.9.10"}}) + "[dates]\n[2]=2004 03 15, 21:07\n");
    TIniStore viewer = StoreOfFile(path);
    TIniStore other = StoreOfFile(path);
    EXPECT_EQ(Rows(LoadBestTimes(viewer.Ini())), (std::vector<std::string>{"1.10.1 101 p1", "9.9.10 102 p2"}));
    EXPECT_FALSE(viewer.Dirty());

    ASSERT_EQ(SaveBestTime(other, {"9", "9", "10", "7", "Cy", "d"}, 7), TBestTimeSave::Stored);
    viewer.WriteSetting("settings", "freeClick", "1");
    ASSERT_TRUE(viewer.UpdateFile());
    const TMemIniFile saved = StoreOfFile(path).Ini();
    EXPECT_EQ(ReadBestTimeEntry(saved, 0), (TBestTimeEntry{"9", "9", "10", "7", "Cy", "d"}));
    EXPECT_EQ(ReadBestTimeEntry(saved, 2), (TBestTimeEntry{"9", "9", "10", "102", "p2", "2004 03 15, 21:07"}));
}

TEST(BestTimesTest, TheTreeSortsByPaddedText)
{
    TBestTimes tree;
    for (const char* size : {"9.11.10", "9.100.10", "9.10.10", "10.9.1001", "10.9.10000", "10.9.1000", "9.10.5"}) {
        const auto parts = SplitSizeKey(size);
        ASSERT_TRUE(parts);
        EXPECT_FALSE(StoreBestTime(tree, {parts->Height, parts->Width, parts->Bombs, "1", "n", ""}));
    }
    EXPECT_EQ(Rows(tree), (std::vector<std::string>{"9.10.5 1 n", "9.10.10 1 n", "9.100.10 1 n", "9.11.10 1 n",
                                                     "10.9.1000 1 n", "10.9.10000 1 n", "10.9.1001 1 n"}));

    // Same node under another spelling: the record is replaced, the node texts stay.
    EXPECT_TRUE(StoreBestTime(tree, {"09", "10", "0005", "2", "m", "d"}));
    EXPECT_EQ(Rows(tree).front(), "9.10.0005 2 m");
}

TEST(BestTimesTest, TextHelpers)
{
    // "height|width|bombs", or empty when the split fails.
    const std::pair<const char*, const char*> splits[] = {
        {"16.30.99", "16|30|99"}, {"1.2.3.4", "1|2|3.4"}, {"..", "||"}, {"a.b.c", "a|b|c"}, {"1.2", ""}, {"12", ""},
    };
    for (const auto& [value, expected] : splits) {
        const auto parts = SplitSizeKey(value);
        EXPECT_EQ(parts ? parts->Height + "|" + parts->Width + "|" + parts->Bombs : "", expected) << value;
    }

    struct Pad {
        const char* text;
        const char* fill;
        std::size_t length;
        const char* padded;
    } pads[] = {{"9", "0", 2, "09"}, {"10", "0", 2, "10"}, {"100", "0", 2, "100"},
                {"5", "0", 4, "0005"}, {"x", "", 3, "x"}, {"1", "ab", 4, "abab1"}};
    for (const Pad& p : pads)
        EXPECT_EQ(PadLeft(p.text, p.fill, p.length), p.padded) << p.text;

    EXPECT_EQ(BestTimeDateText({2004, 3, 15, 21, 7, 59, 999}), "2004 03 15, 21:07");
}

TEST(BestTimesTest, WinsAreJudgedAgainstTheEntryOfTheirSize)
{
    const std::string stored = "[sizes]\n[0]=9.9.10\n[1]=3.10.1\n[times]\n[0]=50\n[1]=%T\n[names]\n[0]=Bo\n%N";
    struct Case {
        const char* time;  // stored for 3.10.1
        const char* names; // the "names" line of entry 1
        int seconds;
        TBestTimeVerdict verdict;
        const char* prompt;
    } cases[] = {
        {"30", "[1]=Cy\n", 29, TBestTimeVerdict::NewBest, "Cy"},
        {"30", "[1]=Cy\n", 30, TBestTimeVerdict::NotBetter, "Cy"},
        {"30", "[1]=-1\n", 31, TBestTimeVerdict::NotBetter, "-1"},
        {"-1", "[1]=\n", 31, TBestTimeVerdict::NewBest, ""},
        {"fast", "[1]=Cy\n", 1, TBestTimeVerdict::Unreadable, "Cy"},
        {"30", "", 1, TBestTimeVerdict::NewBest, "me"}, // no name stored
    };
    for (const Case& c : cases) {
        std::string text = stored;
        text.replace(text.find("%T"), 2, c.time);
        text.replace(text.find("%N"), 2, c.names);
        const TBestTimeJudgement judged = JudgeBestTime(TMemIniFile::FromText(text), {"3", "10", "1"}, c.seconds);
        EXPECT_EQ(judged.Verdict, c.verdict) << c.time << " " << c.seconds;
        EXPECT_EQ(judged.PromptName, c.prompt) << c.time << " " << c.names;
        EXPECT_EQ(judged.Index, 1);
    }
    EXPECT_EQ(JudgeBestTime(TMemIniFile(), {"3", "10", "1"}, 9999).PromptName, "me");
}

// Two runs win; the early one saves first, the late one after, and the
// early one saves once more at its close. A save that failed (a full disk)
// is done again at the next save against the file as it is then: its time
// goes to its size's entry there, or to the first free one, and only when it
// is better. An option toggled meanwhile is saved with the best time.
TEST(BestTimesTest, EveryBestTimeIsJudgedAgainstTheFileAsItIsWhenSaved)
{
    const TBestTimeEntry fast{"3", "10", "1", "20", "Ann", "d1"};
    const TBestTimeEntry slow{"3", "10", "1", "25", "Bea", "d2"};
    const TBestTimeEntry narrow{"1", "10", "0", "10", "Cy", "d3"};
    const TBestTimeEntry wide{"1", "11", "0", "11", "Di", "d4"};
    struct Case {
        const char* what;
        TBestTimeEntry early, late;
        bool earlyFails;
        TBestTimeSave earlyResult, lateResult;
        std::vector<std::string> rows; // the file at the end
        const char* followed;          // the late run's view of its size then
    } cases[] = {
        {"the faster saves first", fast, slow, false, TBestTimeSave::Stored, TBestTimeSave::Beaten,
         {"3.10.1 20 Ann", "9.9.10 50 Bo"}, "3.10.1 20 Ann"},
        {"the slower saves first", slow, fast, false, TBestTimeSave::Stored, TBestTimeSave::Stored,
         {"3.10.1 20 Ann", "9.9.10 50 Bo"}, "3.10.1 20 Ann"},
        {"a failed save of another size", narrow, wide, true, TBestTimeSave::Failed, TBestTimeSave::Stored,
         {"1.10.0 10 Cy", "1.11.0 11 Di", "9.9.10 50 Bo"}, "1.11.0 11 Di"},
        {"a failed save beaten meanwhile", slow, fast, true, TBestTimeSave::Failed, TBestTimeSave::Stored,
         {"3.10.1 20 Ann", "9.9.10 50 Bo"}, "3.10.1 20 Ann"},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, "[sizes]\n[0]=9.9.10\n[times]\n[0]=50\n[names]\n[0]=Bo\n[settings]\nfreeClick=0\n");
        TIniStore early = StoreOfFile(path);
        TIniStore late = StoreOfFile(path);
        early.WriteSetting("settings", "freeClick", "1");
        {
            const TStepHook full([&](TSaveStep step) { return c.earlyFails && step == TSaveStep::WriteNew ? ENOSPC : 0; });
            EXPECT_EQ(SaveBestTime(early, c.early, std::stoi(c.early.Time)), c.earlyResult) << c.what;
        }
        EXPECT_EQ(SaveBestTime(late, c.late, std::stoi(c.late.Time)), c.lateResult) << c.what;
        ASSERT_TRUE(early.UpdateFile()) << c.what;

        const TMemIniFile saved = StoreOfFile(path).Ini();
        EXPECT_EQ(Rows(LoadBestTimes(saved)), c.rows) << c.what;
        EXPECT_EQ(saved.ReadString("settings", "freeClick", ""), "1") << c.what;
        EXPECT_EQ(early.Ini(), saved) << c.what << ": the saving run sees what it saved";
        ASSERT_TRUE(late.Refresh());
        TBestTimes tree;
        FollowBestTime(tree, late.Ini(), {c.late.Height, c.late.Width, c.late.Bombs});
        EXPECT_EQ(Rows(tree), std::vector<std::string>{c.followed}) << c.what << ": the view follows the file";
    }

    TTempFolder folder;
    TIniStore unsaveable = StoreOf("", folder.File("missing/Dravolt.ini"));
    EXPECT_EQ(SaveBestTime(unsaveable, {"3", "10", "1", "20", "Ann", "d"}, 20), TBestTimeSave::Failed);
    EXPECT_EQ(unsaveable.ReadString("times", "[0]", ""), "20") << "kept for the save at close";
}

TEST(BestTimesTest, NamesOfAnyKindComeBackAfterARestart)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    const std::string names[] = {"-1", "", "=", "[x]", "a]b", std::string(200, 'n'), "Zoë 名前", ";x", "[y"};
    TIniStore store = StoreOf("", path);
    int height = 1;
    for (const std::string& name : names)
        ASSERT_EQ(SaveBestTime(store, {std::to_string(height++), "10", "1", "5", name, "d"}, 5), TBestTimeSave::Stored);

    TIniStore reloaded;
    reloaded.Assign(TMemIniFile::FromFile(path));
    const TBestTimes tree = LoadBestTimes(reloaded.Ini());
    ASSERT_EQ(tree.size(), std::size(names));
    height = 1;
    for (const std::string& name : names) {
        const std::string h = std::to_string(height++);
        EXPECT_EQ(tree.at(PadLeft(h, "0", 2)).WideList.at("10").BombList.at("0001").Name, name);
        EXPECT_EQ(JudgeBestTime(reloaded.Ini(), {h, "10", "1"}, 4).PromptName, name);
    }
}

} // namespace
