#include "settings/IniStore.h"
#include "settings/SafeSave.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* kOld = "[s]\nold=1\nlonger=than the new contents\n";
constexpr const char* kNew = "[s]\nk=2\n\n";
constexpr uid_t kNobody = 65534;

struct TStepHook {
    explicit TStepHook(std::function<int(TSaveStep)> hook) { SetSaveStepHookForTesting(std::move(hook)); }
    ~TStepHook() { SetSaveStepHookForTesting({}); }
};

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Runs the action in a child process, as the given user when it is not
// root; true when the child ended by returning true.
bool InChild(uid_t user, const std::function<bool()>& action)
{
    const pid_t child = fork();
    if (child == 0) {
        if (user != 0 && (setgid(user) != 0 || setuid(user) != 0))
            _exit(3);
        _exit(action() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SafeSaveTest, AFailedStepLeavesTheOldFileWholeAndNothingBeside)
{
    struct Case {
        TSaveStep step;
        int error;
        bool saved; // the in-place save takes over from a replace that is not allowed
    } cases[] = {
        {TSaveStep::CreateNew, EIO, false},   {TSaveStep::WriteNew, ENOSPC, false}, {TSaveStep::OwnNew, EIO, false},
        {TSaveStep::SyncNew, EIO, false},     {TSaveStep::NameNew, EIO, false},     {TSaveStep::Replace, EIO, false},
        {TSaveStep::CreateNew, EACCES, true}, {TSaveStep::OwnNew, EPERM, true},     {TSaveStep::Replace, EPERM, true},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, kOld);
        const TStepHook hook([&](TSaveStep step) { return step == c.step ? c.error : 0; });
        EXPECT_EQ(SaveWholeFile(path, kNew), c.saved) << int(c.step) << " " << c.error;
        EXPECT_EQ(ReadFileText(path), c.saved ? kNew : kOld) << int(c.step);
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Dravolt.ini"}) << int(c.step);
    }
}

TEST(SafeSaveTest, InPlaceSavesNeverLoseTheOldContentsBeforeTheNewAreWritten)
{
    // A full disk fails before anything is written; a failure after the
    // contents are written leaves a file that reads as the new one.
    struct Case {
        TSaveStep step;
        int error;
        bool oldKept;
    } cases[] = {{TSaveStep::Reserve, ENOSPC, true},
                 {TSaveStep::WriteInPlace, ENOSPC, true},
                 {TSaveStep::Truncate, EIO, false},
                 {TSaveStep::SyncInPlace, EIO, false}};
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, c.step == TSaveStep::Reserve ? "[s]\n" : kOld); // Reserve: the file grows
        const std::string before = ReadFileText(path);
        const TStepHook hook([&](TSaveStep step) {
            return step == TSaveStep::CreateNew ? EACCES : step == c.step ? c.error : 0;
        });
        EXPECT_FALSE(SaveWholeFile(path, kNew)) << int(c.step);
        if (c.oldKept) {
            EXPECT_EQ(ReadFileText(path), before) << int(c.step);
        } else {
            const auto read = TMemIniFile::FromFile(path);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->ReadString("s", "k", "-1"), "2") << int(c.step);
        }
    }
}

TEST(SafeSaveTest, ACrashAtAnyStepLeavesTheOldOrTheNewFileAndTheNextSaveTidiesUp)
{
    for (const TSaveStep crashAt : {TSaveStep::CreateNew, TSaveStep::WriteNew, TSaveStep::OwnNew, TSaveStep::SyncNew,
                                    TSaveStep::NameNew, TSaveStep::Replace}) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, kOld);
        InChild(0, [&] {
            SetSaveStepHookForTesting([&](TSaveStep step) {
                if (step == crashAt)
                    _exit(9); // killed between two steps
                return 0;
            });
            return SaveWholeFile(path, kNew);
        });
        EXPECT_EQ(ReadFileText(path), kOld) << int(crashAt);
        // Only a file that had been given its name can be left over.
        EXPECT_EQ(FolderEntries(folder.Path()).size(), crashAt == TSaveStep::Replace ? 2u : 1u) << int(crashAt);

        TIniStore store;
        store.Assign(TMemIniFile::FromFile(path));
        store.WriteSetting("s", "k", "2");
        EXPECT_TRUE(store.UpdateFile());
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Dravolt.ini"}) << int(crashAt);
    }
}

TEST(SafeSaveTest, OwnerAndPermissionsOfTheFileAreKept)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t fileOwner;
        mode_t fileMode;
        uid_t savedBy;
    } cases[] = {
        {"a folder where the player cannot create files", 0555, 0, 0666, kNobody},
        {"root saving a player's file", 0755, kNobody, 0640, 0},
        {"a player saving a file another one owns", 0777, 0, 0666, kNobody},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, kOld);
        ASSERT_EQ(chown(path.c_str(), c.fileOwner, c.fileOwner), 0);
        ASSERT_EQ(chmod(path.c_str(), c.fileMode), 0);
        ASSERT_EQ(chmod(folder.Path().c_str(), c.folderMode), 0);

        EXPECT_TRUE(InChild(c.savedBy, [&] {
            TIniStore store;
            store.Assign(TMemIniFile::FromFile(path));
            store.WriteSetting("s", "k", "2");
            return store.UpdateFile();
        })) << c.what;
        const auto saved = TMemIniFile::FromFile(path);
        ASSERT_TRUE(saved) << c.what;
        EXPECT_EQ(saved->ReadString("s", "k", "-1"), "2") << c.what;
        EXPECT_EQ(saved->ReadString("s", "old", "-1"), "1") << c.what;
        struct stat info {};
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, c.fileOwner) << c.what;
        EXPECT_EQ(info.st_gid, c.fileOwner) << c.what;
        EXPECT_EQ(info.st_mode & 07777, c.fileMode) << c.what;
        EXPECT_EQ(FolderEntries(folder.Path()).size(), 1u) << c.what;
        chmod(folder.Path().c_str(), 0700);
    }
}

// Runs that read, change and save the file at the same moment take turns:
// a count that each of them raises loses no step.
TEST(SafeSaveTest, RunsSavingAtTheSameMomentTakeTurns)
{
    TTempFolder folder;
    const std::string path = folder.File("DravoltHistory.ini");
    WriteFileText(path, "[count]\nn=0\n");
    constexpr int kRuns = 4;
    constexpr int kSaves = 25;
    std::vector<pid_t> children;
    for (int run = 0; run < kRuns; ++run) {
        const pid_t child = fork();
        if (child == 0) {
            TIniStore store;
            store.Assign(TMemIniFile::FromFile(path));
            bool ok = true;
            for (int save = 0; save < kSaves; ++save)
                ok = store.Transact([&](TMemIniFile& current) {
                    const int n = std::stoi(current.ReadString("count", "n", "0"));
                    current.WriteString("count", "n", std::to_string(n + 1));
                    current.WriteString("runs", std::to_string(run) + "." + std::to_string(save), "1");
                }) && ok;
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto saved = TMemIniFile::FromFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->ReadString("count", "n", ""), std::to_string(kRuns * kSaves));
    for (int run = 0; run < kRuns; ++run)
        for (int save = 0; save < kSaves; ++save)
            EXPECT_EQ(saved->ReadString("runs", std::to_string(run) + "." + std::to_string(save), ""), "1");
}

TEST(SafeSaveTest, TheLockKeepsOtherRunsOutAndFollowsAReplacedFile)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    WriteFileText(path, kOld);
    EXPECT_FALSE(TFileLock(folder.File("missing")).Locked());
    EXPECT_FALSE(TFileLock(folder.Path()).Locked());

    auto held = std::make_unique<TFileLock>(path);
    ASSERT_TRUE(held->Locked());
    EXPECT_FALSE(TFileLock(path, std::chrono::milliseconds(20)).Locked());

    // A run waiting for the lock while the holder replaces the file ends up
    // holding the new file, not the replaced one.
    bool waiterLocked = false;
    std::unique_ptr<TFileLock> waiter;
    std::thread waiting([&] {
        waiter = std::make_unique<TFileLock>(path, std::chrono::milliseconds(5000));
        waiterLocked = waiter->Locked();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(SaveWholeFile(path, kNew));
    held.reset();
    waiting.join();
    EXPECT_TRUE(waiterLocked);
    EXPECT_FALSE(TFileLock(path, std::chrono::milliseconds(20)).Locked());
}

} // namespace
