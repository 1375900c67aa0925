#include "settings/SafeSave.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The same limit the kernel puts on nested links.
constexpr int kMaxLinkDepth = 40;
// What a new file is named while it is being saved: ".Dravolt.ini.saving-"
// and six characters. Nothing else in the folder may look like it.
constexpr std::string_view kSavingInfix = ".saving-";
constexpr std::size_t kSuffixLength = 6;

std::function<int(TSaveStep)>& StepHook()
{
    static std::function<int(TSaveStep)> hook;
    return hook;
}

// 0 when the step may run; otherwise the error number it fails with.
int Injected(TSaveStep step)
{
    const auto& hook = StepHook();
    return hook ? hook(step) : 0;
}

// Runs the step unless the hook fails it; false with errno set on failure.
template <typename Step>
bool Run(TSaveStep step, Step&& action)
{
    if (const int error = Injected(step)) {
        errno = error;
        return false;
    }
    return action();
}

// The path with every symbolic link at its end followed, or nothing for a
// loop or a link that cannot be read. A dangling link gives its target.
std::optional<fs::path> FollowLinks(fs::path path)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::error_code error;
        fs::path target = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

fs::path FolderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

std::string SavingPrefix(const fs::path& target) { return "." + target.filename().string() + std::string(kSavingInfix); }

mode_t DefaultFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAllAt(int fd, std::string_view contents, off_t offset)
{
    while (!contents.empty()) {
        const ssize_t written = pwrite(fd, contents.data(), contents.size(), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

void SyncFolder(const fs::path& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd); // the rename is done; a failure here cannot be undone
        close(fd);
    }
}

// Errors that mean "not allowed here", after which the file is written in
// place instead of being replaced.
bool IsRefusal(int error) { return error == EACCES || error == EPERM || error == EROFS; }

enum class TOutcome { Saved, Failed, NotAllowed };

// The new file of a replacing save. It has no name in the folder while the
// file system can make such files, so a crash before the rename leaves
// nothing behind.
class TNewFile {
public:
    TNewFile(fs::path folder, std::string prefix) : FFolder(std::move(folder)), FPrefix(std::move(prefix)) {}
    ~TNewFile()
    {
        if (FFd >= 0)
            close(FFd);
        if (!FName.empty())
            unlink(FName.c_str());
    }
    TNewFile(const TNewFile&) = delete;
    TNewFile& operator=(const TNewFile&) = delete;

    int Fd() const { return FFd; }

    bool Create(mode_t mode)
    {
        // An unnamed file is named later through /proc.
        if (access("/proc/self/fd", X_OK) == 0) {
            FFd = open(FFolder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            if (FFd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
                return FFd >= 0;
        }
        // A file system without unnamed files: the file gets its name now.
        std::string pattern = (FFolder / (FPrefix + std::string(kSuffixLength, 'X'))).string();
        FFd = mkostemp(pattern.data(), O_CLOEXEC);
        if (FFd >= 0)
            FName = std::move(pattern);
        return FFd >= 0;
    }

    // Gives the flushed file a name beside the target, unless it has one.
    bool Name()
    {
        if (!FName.empty())
            return true;
        const std::string descriptor = "/proc/self/fd/" + std::to_string(FFd);
        std::random_device seed;
        std::mt19937 random(seed());
        constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string suffix(kSuffixLength, 'a');
            for (char& c : suffix)
                c = letters[random() % letters.size()];
            const std::string name = (FFolder / (FPrefix + suffix)).string();
            if (linkat(AT_FDCWD, descriptor.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                FName = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    bool RenameOver(const fs::path& target)
    {
        if (rename(FName.c_str(), target.c_str()) != 0)
            return false;
        FName.clear();
        return true;
    }

    bool Close()
    {
        const int fd = FFd;
        FFd = -1;
        return close(fd) == 0;
    }

private:
    fs::path FFolder;
    std::string FPrefix;
    int FFd = -1;
    std::string FName;
};

TOutcome Replace(const fs::path& target, std::string_view contents, const struct stat* old)
{
    const fs::path folder = FolderOf(target);
    const mode_t mode = old ? (old->st_mode & 07777) : DefaultFileMode();
    TNewFile file(folder, SavingPrefix(target));
    const auto failed = [] { return IsRefusal(errno) ? TOutcome::NotAllowed : TOutcome::Failed; };

    if (!Run(TSaveStep::CreateNew, [&] { return file.Create(mode); }))
        return failed();
    if (!Run(TSaveStep::WriteNew, [&] { return WriteAllAt(file.Fd(), contents, 0); }))
        return TOutcome::Failed;
    // The owner first: a change of owner clears the set-id bits.
    if (!Run(TSaveStep::OwnNew, [&] {
            return (!old || fchown(file.Fd(), old->st_uid, old->st_gid) == 0) && fchmod(file.Fd(), mode) == 0;
        }))
        return failed();
    if (!Run(TSaveStep::SyncNew, [&] { return fsync(file.Fd()) == 0; }))
        return TOutcome::Failed;
    if (!Run(TSaveStep::NameNew, [&] { return file.Name(); }))
        return failed();
    if (!file.Close())
        return TOutcome::Failed;
    if (!Run(TSaveStep::Replace, [&] { return file.RenameOver(target); }))
        return failed();
    SyncFolder(folder);
    return TOutcome::Saved;
}

// Rewrites the target itself. The space is reserved before anything is
// written, so a full disk fails with the old contents untouched; a crash
// while writing leaves the new contents followed by the old ones' tail.
bool WriteInPlace(const fs::path& target, std::string_view contents, off_t oldSize)
{
    const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    const auto size = static_cast<off_t>(contents.size());
    bool ok = size <= oldSize || Run(TSaveStep::Reserve, [&] {
                  return fallocate(fd, 0, oldSize, size - oldSize) == 0 || errno == EOPNOTSUPP;
              });
    ok = ok && Run(TSaveStep::WriteInPlace, [&] { return WriteAllAt(fd, contents, 0); });
    ok = ok && Run(TSaveStep::Truncate, [&] { return ftruncate(fd, size) == 0; });
    ok = ok && Run(TSaveStep::SyncInPlace, [&] { return fsync(fd) == 0; });
    return (close(fd) == 0) && ok;
}

bool SaveToTarget(const fs::path& target, std::string_view contents)
{
    struct stat info {};
    const bool exists = stat(target.c_str(), &info) == 0;
    if (exists) {
        if (!S_ISREG(info.st_mode) || access(target.c_str(), W_OK) != 0 ||
            (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    switch (Replace(target, contents, exists ? &info : nullptr)) {
    case TOutcome::Saved: return true;
    case TOutcome::NotAllowed: return exists && WriteInPlace(target, contents, info.st_size);
    case TOutcome::Failed: break;
    }
    return false;
}

} // namespace

bool SaveWholeFile(const std::string& path, std::string_view contents) noexcept
{
    try {
        const auto target = FollowLinks(path);
        return target && SaveToTarget(*target, contents);
    } catch (...) {
        return false; // a path conversion ran out of memory
    }
}

void RemoveLeftoverSaves(const std::string& path) noexcept
{
    try {
        const auto target = FollowLinks(path);
        if (!target)
            return;
        const std::string prefix = SavingPrefix(*target);
        std::error_code error;
        std::vector<fs::path> leftovers;
        for (const auto& entry : fs::directory_iterator(FolderOf(*target), error)) {
            const std::string name = entry.path().filename().string();
            if (name.size() == prefix.size() + kSuffixLength && name.starts_with(prefix) &&
                entry.is_regular_file(error))
                leftovers.push_back(entry.path());
        }
        for (const auto& leftover : leftovers)
            fs::remove(leftover, error);
    } catch (...) {
        // Out of memory while listing: the leftovers wait for the next save.
    }
}

TFileLock::TFileLock(const std::string& path, std::chrono::milliseconds timeout) noexcept
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 && errno == EACCES)
            fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        struct stat locked {};
        if (fd < 0)
            return;
        if (fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            close(fd);
            return;
        }
        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
                close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        // A save of another run may have replaced the file while this one
        // waited: its lock then guards nothing.
        struct stat current {};
        if (stat(path.c_str(), &current) == 0 && current.st_dev == locked.st_dev && current.st_ino == locked.st_ino) {
            FFd = fd;
            return;
        }
        close(fd);
        if (std::chrono::steady_clock::now() >= deadline)
            return;
    }
}

TFileLock::~TFileLock()
{
    if (FFd >= 0)
        close(FFd); // closing the last descriptor releases the lock
}

void SetSaveStepHookForTesting(std::function<int(TSaveStep)> hook) { StepHook() = std::move(hook); }
