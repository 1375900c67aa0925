#include "settings/IniStore.h"
#include "settings/SafeSave.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <sys/stat.h>
#include <sys/xattr.h>
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
        EXPECT_EQ(SaveWholeFile(path, kNew) == TSaveResult::Saved, c.saved) << int(c.step) << " " << c.error;
        EXPECT_EQ(ReadFileText(path), c.saved ? kNew : kOld) << int(c.step);
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Dravolt.ini"}) << int(c.step);
    }
}

TEST(SafeSaveTest, InPlaceSavesNeverLoseTheOldContentsBeforeTheNewAreWritten)
{
    // A failure before the copy of the new contents is flushed leaves the
    // file as it was; a failure after it leaves a file that reads as the new
    // one.
    struct Case {
        TSaveStep step;
        int error;
        bool oldKept;
    } cases[] = {{TSaveStep::Reserve, ENOSPC, true},    {TSaveStep::WriteCopy, ENOSPC, true},
                 {TSaveStep::SyncCopy, EIO, true},      {TSaveStep::WriteInPlace, EIO, false},
                 {TSaveStep::Truncate, EIO, false},     {TSaveStep::SyncInPlace, EIO, false}};
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, c.step == TSaveStep::Reserve ? "[s]\n" : kOld); // Reserve: the file grows
        const std::string before = ReadFileText(path);
        const TStepHook hook([&](TSaveStep step) {
            return step == TSaveStep::CreateNew ? EACCES : step == c.step ? c.error : 0;
        });
        EXPECT_EQ(SaveWholeFile(path, kNew), TSaveResult::Failed) << int(c.step);
        if (c.oldKept) {
            EXPECT_EQ(ReadFileText(path), before) << int(c.step);
        } else {
            const auto read = TMemIniFile::FromFile(path);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->ReadString("s", "k", "-1"), "2") << int(c.step);
        }
    }
}

// A section of numbered entries, the way best times are kept.
std::string EntriesText(int count, const std::string& value)
{
    std::string text = "[Best times]\n";
    for (int i = 0; i < count; ++i)
        text += "[" + std::to_string(i) + "]=" + value + "\n";
    return text + "\n";
}

bool HasEntries(const TMemIniFile& ini, int count)
{
    for (int i = 0; i < count; ++i)
        if (!ini.ReadValue("Best times", "[" + std::to_string(i) + "]"))
            return false;
    return true;
}

TEST(SafeSaveTest, AKillAnywhereInAnInPlaceSaveLeavesTheOldOrTheNewContentsWhole)
{
    // The save is killed before each step and each piece of 64 KiB in turn,
    // until it runs to its end.
    struct Case {
        const char* what;
        int oldCount;
        int newCount;
    } cases[] = {{"a file that grows", 2000, 10001}, {"a file that shrinks", 10001, 2000}};
    for (const Case& c : cases) {
        const std::string oldText = EntriesText(c.oldCount, "10.9.9,old");
        const std::string newText = EntriesText(c.newCount, "10.1.1,new");
        const TMemIniFile oldIni = TMemIniFile::FromText(oldText);
        const TMemIniFile newIni = TMemIniFile::FromText(newText);
        for (int killAt = 1;; ++killAt) {
            TTempFolder folder;
            const std::string path = folder.File("Dravolt.ini");
            WriteFileText(path, oldText);
            const bool finished = InChild(0, [&] {
                int calls = 0;
                SetSaveStepHookForTesting([&](TSaveStep step) {
                    if (++calls == killAt)
                        _exit(9);
                    return step == TSaveStep::CreateNew ? EACCES : 0; // the folder allows no new file
                });
                return SaveWholeFile(path, newText) == TSaveResult::Saved;
            });
            if (finished) {
                EXPECT_EQ(ReadFileText(path), newText) << c.what;
                break;
            }
            const auto read = TMemIniFile::FromFile(path);
            ASSERT_TRUE(read) << c.what;
            EXPECT_TRUE(*read == oldIni || *read == newIni) << c.what << ", killed at call " << killAt;
            // A loader that knows nothing of interrupted saves still finds
            // every entry of one of them.
            const TMemIniFile plain = TMemIniFile::FromText(ReadFileText(path));
            EXPECT_TRUE(HasEntries(plain, c.oldCount) || HasEntries(plain, c.newCount)) << c.what << ", " << killAt;
        }
    }
}

TEST(SafeSaveTest, AnInterruptedInPlaceSaveCountsOnlyWhenItsCopyIsWholeAndInItsPlace)
{
    TTempFolder folder;
    const std::string path = folder.File("Dravolt.ini");
    WriteFileText(path, kOld);
    InChild(0, [&] {
        SetSaveStepHookForTesting([](TSaveStep step) {
            if (step == TSaveStep::WriteInPlace)
                _exit(9); // the copy is flushed, the front not yet written
            return step == TSaveStep::CreateNew ? EACCES : 0;
        });
        return SaveWholeFile(path, kNew) == TSaveResult::Saved;
    });
    const std::string interrupted = ReadFileText(path);
    ASSERT_TRUE(interrupted.starts_with(kOld) && interrupted.ends_with(kNew));
    std::string altered = interrupted;
    altered[altered.size() - 3] = 'x';
    struct Case {
        const char* what;
        std::string bytes;
        std::string read;
    } cases[] = {
        {"as the save left it", interrupted, kNew},
        {"the copy cut short", interrupted.substr(0, interrupted.size() - 1), kOld},
        {"the copy altered", altered, kOld},
        {"moved by an edit", "[x]\n" + interrupted, "[x]\n" + interrupted},
    };
    for (const Case& c : cases) {
        WriteFileText(path, c.bytes);
        EXPECT_EQ(ReadRegularFile(path), c.read) << c.what;
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
            return SaveWholeFile(path, kNew) == TSaveResult::Saved;
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
        mode_t fileMode; // with an ACL, its group bits are the ACL's mask
        uid_t savedBy;
        bool attributes; // an ACL that lets nobody read and write, and a user attribute
    } cases[] = {
        {"a folder where the player cannot create files", 0555, 0, 0666, kNobody, false},
        {"root saving a player's file", 0755, kNobody, 0640, 0, false},
        {"a player saving a file another one owns", 0777, 0, 0666, kNobody, false},
        {"root's file shared with a player through an ACL", 0755, 0, 0660, 0, true},
        {"the player saving root's file shared through an ACL", 0755, 0, 0660, kNobody, true},
    };
    const std::vector<std::string> attributeNames = {"system.posix_acl_access", "user.note"};
    const auto attributesOf = [&](const std::string& path) {
        std::vector<std::string> values;
        for (const std::string& name : attributeNames) {
            std::string value(256, '\0');
            const ssize_t size = getxattr(path.c_str(), name.c_str(), value.data(), value.size());
            values.push_back(value.substr(0, static_cast<std::size_t>(std::max<ssize_t>(size, 0))));
        }
        return values;
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::string path = folder.File("Dravolt.ini");
        WriteFileText(path, kOld);
        ASSERT_EQ(chown(path.c_str(), c.fileOwner, c.fileOwner), 0);
        ASSERT_EQ(chmod(path.c_str(), c.fileMode), 0);
        if (c.attributes) {
            // The kernel's form of an ACL: owner rw, nobody rw, group none,
            // mask rw, others none.
            const std::uint32_t acl[] = {2, 0x0006'0001, ~0u, 0x0006'0002, kNobody, 0x0000'0004, ~0u,
                                         0x0006'0010, ~0u, 0x0000'0020, ~0u};
            if (setxattr(path.c_str(), "user.note", "kept", 4, 0) != 0 ||
                setxattr(path.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) != 0)
                GTEST_SKIP() << "the file system of " << folder.Path() << " keeps no ACLs or user attributes";
        }
        const auto attributes = attributesOf(path);
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
        EXPECT_EQ(attributesOf(path), attributes) << c.what;
        EXPECT_EQ(FolderEntries(folder.Path()).size(), 1u) << c.what;
        chmod(folder.Path().c_str(), 0700);
    }
}

TEST(SafeSaveTest, ALinkIsFollowedOnlyWhereTheKernelWouldAndOnlyToTheFileRead)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    // A shared folder (1777, root's) where the player nobody has a file:
    // root's run must never write root's own other file through a link.
    enum class TSetup {
        PlayersLink,        // nobody's link to root's file, there from the start
        RootsLink,          // a link of the folder's owner is followed
        LinkSwappedIn,      // nobody renames a link over the file after root read it
        FileSwappedIn,      // nobody renames another file of theirs over it
    };
    // A run's store re-reads the file under its lock before it saves, so the
    // file renamed in is the one it reads and writes; it never waits for the
    // lock of a file behind a refused link, and keeps its changes.
    struct Case {
        const char* what;
        TSetup setup;
        TSaveResult saved;
        TSaveResult storeSaved; // Failed: the store could not open the file
    } cases[] = {
        {"a link another user placed", TSetup::PlayersLink, TSaveResult::Refused, TSaveResult::Failed},
        {"a link of the folder's owner", TSetup::RootsLink, TSaveResult::Saved, TSaveResult::Saved},
        {"a link renamed over the file after it was read", TSetup::LinkSwappedIn, TSaveResult::Refused,
         TSaveResult::Refused},
        {"another file renamed over it after it was read", TSetup::FileSwappedIn, TSaveResult::Refused,
         TSaveResult::Saved},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        ASSERT_EQ(chmod(folder.Path().c_str(), 01777), 0);
        const std::string path = folder.File("Dravolt.ini");
        const std::string guarded = folder.File("guarded");
        WriteFileText(guarded, kOld);
        const auto asNobody = [&](const std::function<bool()>& action) { ASSERT_TRUE(InChild(kNobody, action)); };
        switch (c.setup) {
        case TSetup::PlayersLink: asNobody([&] { return symlink(guarded.c_str(), path.c_str()) == 0; }); break;
        case TSetup::RootsLink: ASSERT_EQ(symlink(guarded.c_str(), path.c_str()), 0); break;
        case TSetup::LinkSwappedIn:
        case TSetup::FileSwappedIn:
            asNobody([&] {
                WriteFileText(path, kOld);
                return true;
            });
            break;
        }
        TFileIdentity read;
        const bool readable = ReadRegularFile(path, &read).has_value();
        EXPECT_EQ(readable, c.setup != TSetup::PlayersLink) << c.what;
        TIniStore store;
        store.Assign(TMemIniFile::FromFile(path));
        store.WriteSetting("s", "mine", "1");
        if (c.setup == TSetup::LinkSwappedIn || c.setup == TSetup::FileSwappedIn)
            asNobody([&] {
                const std::string swapped = folder.File("swapped");
                if (c.setup == TSetup::LinkSwappedIn ? symlink(guarded.c_str(), swapped.c_str()) != 0
                                                     : (WriteFileText(swapped, "[other]\n"), false))
                    return false;
                return rename(swapped.c_str(), path.c_str()) == 0;
            });

        EXPECT_EQ(SaveWholeFile(path, kNew, read), c.saved) << c.what;
        EXPECT_EQ(ReadFileText(guarded), c.saved == TSaveResult::Saved ? kNew : kOld) << c.what;
        struct stat info {};
        ASSERT_EQ(lstat(path.c_str(), &info), 0) << c.what;
        EXPECT_EQ(S_ISLNK(info.st_mode), c.setup != TSetup::FileSwappedIn) << c.what;
        if (c.setup == TSetup::FileSwappedIn) {
            EXPECT_EQ(ReadFileText(path), "[other]\n");
        }

        std::vector<bool> waited;
        store.SetLockWait(TIniStore::kLockLimit, [&](bool waiting) { waited.push_back(waiting); });
        EXPECT_EQ(store.UpdateFile(), c.storeSaved == TSaveResult::Saved) << c.what;
        EXPECT_EQ(store.Refused(), c.storeSaved == TSaveResult::Refused) << c.what;
        EXPECT_EQ(store.Dirty(), c.storeSaved == TSaveResult::Refused) << c.what;
        EXPECT_TRUE(waited.empty()) << c.what;
        if (c.storeSaved != TSaveResult::Saved) {
            EXPECT_EQ(ReadFileText(guarded), kOld) << c.what;
        }
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
    ASSERT_EQ(SaveWholeFile(path, kNew), TSaveResult::Saved);
    held.reset();
    waiting.join();
    EXPECT_TRUE(waiterLocked);
    EXPECT_FALSE(TFileLock(path, std::chrono::milliseconds(20)).Locked());
}

} // namespace
