#include "settings/Filer.h"
#include "settings/IniStore.h"
#include "settings/SafeSave.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

struct TToldMessages {
    std::vector<std::string> Lines;
    TTellFunction Tell()
    {
        return [this](const std::string& message) { Lines.push_back(message); };
    }
};

TEST(FilerTest, AnEmptyFolderMeansTheWorkingDirectory)
{
    TTempFolder folder;
    TWorkingFolder inside(folder.Path());
    TToldMessages told;
    const auto ini = OpenIniFile("Dravolt.ini", "", told.Tell());
    ASSERT_TRUE(ini);
    EXPECT_TRUE(told.Lines.empty());
    EXPECT_EQ(ini->FileName(), std::filesystem::current_path() / "Dravolt.ini");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.File("Dravolt.ini")));
    EXPECT_EQ(ini->Text(), "");
}

TEST(FilerTest, OpeningTellsWhatWentWrong)
{
    TTempFolder folder;
    WriteFileText(folder.File("there.ini"), "[s]\nk=v\n");
    std::filesystem::create_directory(folder.File("dir.ini"));
    ASSERT_EQ(mkfifo(folder.File("fifo.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("made-by-link.ini", folder.File("dangling.ini"));

    struct Case {
        std::string name;
        std::string folder;
        const char* message; // nullptr: opened without a message
    } cases[] = {
        {"there.ini", folder.Path(), nullptr},
        {"there.ini", folder.Path() + "/", nullptr},
        {"new.ini", folder.Path(), nullptr},
        {"dangling.ini", folder.Path(), nullptr}, // the file the link names is made
        {"dir.ini", folder.Path(), "Could not open ini file."},
        {"fifo.ini", folder.Path(), "Could not open ini file."},
        {"x.ini", folder.File("missing"), "Could not create ini file"},
    };
    for (const Case& c : cases) {
        TToldMessages told;
        const auto ini = OpenIniFile(c.name, c.folder, told.Tell());
        EXPECT_EQ(ini.has_value(), c.message == nullptr) << c.name;
        EXPECT_EQ(told.Lines, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.name;
    }
    EXPECT_EQ(OpenIniFile("there.ini", folder.Path(), {})->ReadString("s", "k", ""), "v");
    EXPECT_EQ(OpenIniFile("there.ini", folder.Path() + "/", {})->FileName(), folder.File("there.ini"));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.File("new.ini")));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.File("made-by-link.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("dangling.ini")));
}

TEST(FilerTest, CreateEmptyFileNeverOpensWhatExists)
{
    TTempFolder folder;
    WriteFileText(folder.File("kept"), "content");
    ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);

    EXPECT_TRUE(CreateEmptyFile(folder.File("new")));
    EXPECT_EQ(std::filesystem::file_size(folder.File("new")), 0u);
    EXPECT_FALSE(CreateEmptyFile(folder.File("kept")));
    EXPECT_EQ(ReadFileText(folder.File("kept")), "content");
    EXPECT_FALSE(CreateEmptyFile(folder.File("fifo")));
    EXPECT_FALSE(CreateEmptyFile(folder.File("missing/new")));
}

TEST(IniStoreTest, TracksOpenAndDirty)
{
    TTempFolder folder;
    TIniStore store;
    store.WriteSetting("s", "k", "v");
    EXPECT_EQ(store.ReadString("s", "k", "-1"), "-1");
    EXPECT_FALSE(store.UpdateFile());

    WriteFileText(folder.File("a.ini"), "[s]\nold=1\n");
    store.Assign(TMemIniFile::FromFile(folder.File("a.ini")));
    ASSERT_TRUE(store.Open());
    EXPECT_FALSE(store.Dirty());
    store.WriteSetting("s", "bad=key", "v");
    store.DeleteKey("s", "missing");
    EXPECT_FALSE(store.Dirty());
    store.WriteSetting("s", "k", "v");
    EXPECT_TRUE(store.Dirty());
    EXPECT_TRUE(store.UpdateFile());
    EXPECT_FALSE(store.Dirty());
    store.DeleteKey("S", "OLD");
    EXPECT_TRUE(store.Dirty());
    EXPECT_EQ(ReadFileText(folder.File("a.ini")), "[s]\nold=1\nk=v\n\n");

    store.Assign(TMemIniFile::FromText("[s]\n", folder.File("missing/a.ini")));
    store.WriteSetting("s", "k", "v");
    EXPECT_FALSE(store.UpdateFile());
    EXPECT_TRUE(store.Dirty());

    store.Assign(std::nullopt);
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.ReadString("s", "k", "-1"), "-1");
}

// Two runs that loaded the same file each change their own keys; whichever
// saves last, the file ends up with both runs' changes.
TEST(IniStoreTest, SavesMergeWithWhatOtherRunsSaved)
{
    for (const bool firstSavesFirst : {true, false}) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, "[settings]\nfreeClick=0\nslotsDown=9\ndebug=7\n[names]\n[0]=Bo\n");
        TIniStore first, second;
        first.Assign(TMemIniFile::FromFile(path));
        second.Assign(TMemIniFile::FromFile(path));

        first.WriteSetting("settings", "freeClick", "1");
        first.DeleteKey("settings", "debug");
        first.WriteSetting("names", "[1]", "Ann");
        second.WriteSetting("settings", "slotsDown", "16");
        second.WriteSetting("settings", "freeClick", "0");
        second.WriteSetting("settings", "freeClick", "1"); // the same in the end

        TIniStore& early = firstSavesFirst ? first : second;
        TIniStore& late = firstSavesFirst ? second : first;
        ASSERT_TRUE(early.UpdateFile());
        ASSERT_TRUE(late.UpdateFile());
        EXPECT_EQ(ReadFileText(path), "[settings]\nfreeClick=1\nslotsDown=16\n\n[names]\n[0]=Bo\n[1]=Ann\n\n")
            << firstSavesFirst;
        EXPECT_EQ(late.Ini(), *TMemIniFile::FromFile(path)) << "the saving run sees what it saved";

        // A key the later run deleted after the other changed it is gone,
        // and a save without changes of its own keeps it so.
        early.WriteSetting("settings", "slotsDown", "20");
        ASSERT_TRUE(early.UpdateFile());
        late.DeleteKey("settings", "slotsDown");
        ASSERT_TRUE(late.UpdateFile());
        ASSERT_TRUE(early.UpdateFile());
        EXPECT_EQ(ReadFileText(path), "[settings]\nfreeClick=1\n\n[names]\n[0]=Bo\n[1]=Ann\n\n") << firstSavesFirst;
    }
}

TEST(IniStoreTest, ChangesOfAFileThatCannotBeReadWaitInMemory)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    WriteFileText(path, "[s]\nk=1\n");
    TIniStore store;
    store.Assign(TMemIniFile::FromFile(path));
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // replaced by a folder

    EXPECT_FALSE(store.Refresh());
    EXPECT_FALSE(store.Transact([](TMemIniFile& s) { s.WriteString("s", "n", "2"); }));
    EXPECT_EQ(store.ReadString("s", "n", "-1"), "2");
    EXPECT_EQ(store.ReadString("s", "k", "-1"), "1");
    EXPECT_TRUE(store.Dirty());

    std::filesystem::remove(path); // gone: saved anew with this run's changes only
    EXPECT_TRUE(store.UpdateFile());
    EXPECT_EQ(ReadFileText(path), "[s]\nn=2\n\n");
}

// Another run holds the lock through its save, which read the file before
// and writes it after: a save waits for it rather than go ahead without it,
// however long that run takes within the limit, and when the lock cannot be
// had within the limit nothing is written and the changes wait.
TEST(IniStoreTest, ASaveNeverGoesAheadWithoutTheLock)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    WriteFileText(path, "[s]\nk=1\n");
    TIniStore store;
    store.Assign(TMemIniFile::FromFile(path));
    store.WriteSetting("s", "mine", "1");
    auto other = std::make_unique<TFileLock>(path);
    ASSERT_TRUE(other->Locked());

    store.SetLockWait(std::chrono::milliseconds(50));
    EXPECT_FALSE(store.UpdateFile());
    EXPECT_FALSE(store.Refresh());
    EXPECT_TRUE(store.Dirty());
    EXPECT_EQ(ReadFileText(path), "[s]\nk=1\n");

    std::vector<bool> told;
    store.SetLockWait(TIniStore::kLockLimit, [&](bool waiting) { told.push_back(waiting); });
    bool saved = false;
    std::thread saving([&] { saved = store.UpdateFile(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_EQ(SaveWholeFile(path, "[s]\nk=1\nother=1\n"), TSaveResult::Saved);
    other.reset();
    saving.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadFileText(path), "[s]\nk=1\nother=1\nmine=1\n\n");
    EXPECT_EQ(told, (std::vector<bool>{true, false})) << "a busy cursor while it waits";
}

} // namespace
