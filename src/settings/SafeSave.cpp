#include "settings/SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// What a new file is named while it is being saved: ".Dravolt.ini.saving-"
// and six characters. Nothing else in the folder may look like it.
constexpr std::string_view kSavingInfix = ".saving-";
constexpr std::size_t kSuffixLength = 6;
// Writes go in pieces of this size, so that a test can stop a save between
// any two of them.
constexpr std::size_t kPieceSize = 64 * 1024;

// The record of an in-place save in progress, written after the old contents
// and followed by the new ones: a comment line, which loaders skip, holding
// where it stands, the length of the old contents and the length and digest
// of the new. The \x01 keeps the search for it as fast as memchr.
constexpr std::string_view kRecordStart = "\n;\x01saving at=";
constexpr int kHexDigits = 16;
constexpr std::size_t kRecordSize = kRecordStart.size() + kHexDigits + 5 + kHexDigits + 6 + kHexDigits + 5 +
                                    kHexDigits + 1; // " old=", " size=", " sum=", "\n"

struct TSaveRecord {
    std::uint64_t At = 0;
    std::uint64_t OldSize = 0;
    std::uint64_t Size = 0;
    std::uint64_t Sum = 0;
};

std::uint64_t Digest(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

std::string RecordText(const TSaveRecord& record)
{
    char text[kRecordSize + 1];
    std::snprintf(text, sizeof text, "%.*s%016" PRIx64 " old=%016" PRIx64 " size=%016" PRIx64 " sum=%016" PRIx64 "\n",
                  static_cast<int>(kRecordStart.size()), kRecordStart.data(), record.At, record.OldSize, record.Size,
                  record.Sum);
    return std::string(text, kRecordSize);
}

// The record that stands at pos, if its text is whole and names that place.
std::optional<TSaveRecord> RecordAt(std::string_view bytes, std::size_t pos)
{
    if (bytes.size() - pos < kRecordSize)
        return std::nullopt;
    const std::string_view text = bytes.substr(pos, kRecordSize);
    if (!text.starts_with(kRecordStart))
        return std::nullopt;
    TSaveRecord record;
    std::size_t field = kRecordStart.size();
    for (std::uint64_t* value : {&record.At, &record.OldSize, &record.Size, &record.Sum}) {
        const char* begin = text.data() + field;
        const auto [end, error] = std::from_chars(begin, begin + kHexDigits, *value, 16);
        if (error != std::errc() || end != begin + kHexDigits)
            return std::nullopt;
        field = text.find('=', field + kHexDigits) + 1;
    }
    if (RecordText(record) != text || record.At != pos || record.OldSize > pos)
        return std::nullopt;
    return record;
}

// The last record of a save in progress in the bytes.
std::optional<TSaveRecord> LastRecord(std::string_view bytes)
{
    // memchr, as string_view::find compares byte by byte here.
    std::optional<TSaveRecord> last;
    const char mark = kRecordStart[2];
    for (const char* found = bytes.data() + 1; bytes.size() > 2;) { // a record starts two bytes before its mark
        found = static_cast<const char*>(std::memchr(found + 1, mark, bytes.size() - (found + 1 - bytes.data())));
        if (!found)
            break;
        if (const auto record = RecordAt(bytes, static_cast<std::size_t>(found - bytes.data()) - 2))
            last = record;
    }
    return last;
}

std::function<int(TSaveStep)>& StepHook()
{
    static std::function<int(TSaveStep)> hook;
    return hook;
}

// Runs the step unless the hook fails it; false with errno set on failure.
template <typename Step>
bool Run(TSaveStep step, Step&& action)
{
    const auto& hook = StepHook();
    if (const int error = hook ? hook(step) : 0) {
        errno = error;
        return false;
    }
    return action();
}

std::string SavingPrefix(const std::string& name) { return "." + name + std::string(kSavingInfix); }

mode_t DefaultFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes piece by piece, each one a step of its own for the hook.
bool WriteAllAt(TSaveStep step, int fd, std::string_view contents, off_t offset)
{
    do {
        std::string_view piece = contents.substr(0, kPieceSize);
        if (!Run(step, [] { return true; }))
            return false;
        while (!piece.empty()) {
            const ssize_t written = pwrite(fd, piece.data(), piece.size(), offset);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            piece.remove_prefix(static_cast<std::size_t>(written));
            contents.remove_prefix(static_cast<std::size_t>(written));
            offset += written;
        }
    } while (!contents.empty());
    return true;
}

// Errors that mean "not allowed here", after which the file is written in
// place instead of being replaced.
bool IsRefusal(int error) { return error == EACCES || error == EPERM || error == EROFS; }

enum class TOutcome { Saved, Failed, NotAllowed };

// The names of a file's extended attributes; nothing when they cannot be read.
std::optional<std::vector<std::string>> AttributeNames(int fd)
{
    const ssize_t size = flistxattr(fd, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? std::optional(std::vector<std::string>()) : std::nullopt;
    std::string list(static_cast<std::size_t>(size), '\0');
    const ssize_t got = flistxattr(fd, list.data(), list.size());
    if (got < 0)
        return std::nullopt;
    std::vector<std::string> names;
    for (std::size_t begin = 0; begin < static_cast<std::size_t>(got);) {
        const std::size_t end = list.find('\0', begin);
        names.push_back(list.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

// Gives the new file exactly the old one's extended attributes, the ACL
// among them; it may have inherited others from the folder.
bool CopyAttributes(int from, int to)
{
    const auto names = AttributeNames(from);
    const auto inherited = AttributeNames(to);
    if (!names || !inherited)
        return false;
    for (const std::string& name : *inherited)
        if (std::find(names->begin(), names->end(), name) == names->end() && fremovexattr(to, name.c_str()) != 0)
            return false;
    for (const std::string& name : *names) {
        const ssize_t size = fgetxattr(from, name.c_str(), nullptr, 0);
        std::string value(static_cast<std::size_t>(std::max<ssize_t>(size, 0)), '\0');
        if (size < 0 || fgetxattr(from, name.c_str(), value.data(), value.size()) != size ||
            fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

// The new file of a replacing save. It has no name in the folder while the
// file system can make such files, so a crash before the rename leaves
// nothing behind.
class TNewFile {
public:
    TNewFile(int folder, std::string prefix) : FFolder(folder), FPrefix(std::move(prefix)) {}
    ~TNewFile()
    {
        FFile.Close();
        if (!FName.empty())
            unlinkat(FFolder, FName.c_str(), 0);
    }
    TNewFile(const TNewFile&) = delete;
    TNewFile& operator=(const TNewFile&) = delete;

    int Fd() const { return FFile.Get(); }

    bool Create(mode_t mode)
    {
        // An unnamed file is named later through /proc.
        if (access("/proc/self/fd", X_OK) == 0) {
            FFile = TFd(openat(FFolder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
            if (FFile || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
                return static_cast<bool>(FFile);
        }
        // A file system without unnamed files: the file gets its name now.
        return WithFreeName([&](const std::string& name) {
            FFile = TFd(openat(FFolder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
            return static_cast<bool>(FFile);
        });
    }

    // Gives the flushed file a name beside the target, unless it has one.
    bool Name()
    {
        if (!FName.empty())
            return true;
        const std::string descriptor = "/proc/self/fd/" + std::to_string(FFile.Get());
        return WithFreeName([&](const std::string& name) {
            return linkat(AT_FDCWD, descriptor.c_str(), FFolder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
    }

    bool RenameOver(const std::string& target)
    {
        if (renameat(FFolder, FName.c_str(), FFolder, target.c_str()) != 0)
            return false;
        FName.clear();
        return true;
    }

    bool Close() { return FFile.Close(); }

private:
    // Tries names until one is free; the one that worked is kept.
    template <typename Use>
    bool WithFreeName(Use&& use)
    {
        std::random_device seed;
        std::mt19937 random(seed());
        constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = FPrefix;
            for (std::size_t i = 0; i < kSuffixLength; ++i)
                name += letters[random() % letters.size()];
            if (use(name)) {
                FName = std::move(name);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    int FFolder;
    std::string FPrefix;
    TFd FFile;
    std::string FName;
};

// The old file as it stands in the folder, opened without following a link.
struct TOldFile {
    TFd File;
    struct stat Info {};
};

TOutcome Replace(const TFilePlace& place, std::string_view contents, const TOldFile* old)
{
    const int folder = place.Folder.Get();
    const mode_t mode = old ? (old->Info.st_mode & 07777) : DefaultFileMode();
    TNewFile file(folder, SavingPrefix(place.Name));
    const auto failed = [] { return IsRefusal(errno) ? TOutcome::NotAllowed : TOutcome::Failed; };

    if (!Run(TSaveStep::CreateNew, [&] { return file.Create(mode); }))
        return failed();
    if (!WriteAllAt(TSaveStep::WriteNew, file.Fd(), contents, 0))
        return TOutcome::Failed;
    // The owner first: a change of owner clears the set-id bits. The ACL
    // after the bits, as it sets the group bits itself.
    if (!Run(TSaveStep::OwnNew, [&] {
            return (!old || fchown(file.Fd(), old->Info.st_uid, old->Info.st_gid) == 0) && fchmod(file.Fd(), mode) == 0;
        }))
        return failed();
    // Attributes that cannot be carried stay with the old file, saved in place.
    if (!Run(TSaveStep::CopyAttributes, [&] { return !old || CopyAttributes(old->File.Get(), file.Fd()); }))
        return TOutcome::NotAllowed;
    if (!Run(TSaveStep::SyncNew, [&] { return fsync(file.Fd()) == 0; }))
        return TOutcome::Failed;
    if (!Run(TSaveStep::NameNew, [&] { return file.Name(); }))
        return failed();
    if (!file.Close())
        return TOutcome::Failed;
    if (!Run(TSaveStep::Replace, [&] { return file.RenameOver(place.Name); }))
        return failed();
    fsync(folder); // the rename is done; a failure here cannot be undone
    return TOutcome::Saved;
}

// Rewrites the old file itself. The new contents and a record of the save go
// after the old contents first, into space reserved beforehand, and reach
// the disk before the front is touched: until then a crash leaves the old
// contents, afterwards the new ones (see SavedContents).
bool WriteInPlace(const TFilePlace& place, std::string_view contents, const struct stat& old)
{
    const TFd fd(
        openat(place.Folder.Get(), place.Name.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
    struct stat info {};
    if (!fd || fstat(fd.Get(), &info) != 0 || IdentityOf(info) != IdentityOf(old))
        return false;
    const off_t oldSize = info.st_size;
    const auto size = static_cast<off_t>(contents.size());
    // The copy stands beyond where the front copy will end.
    const off_t at = std::max(oldSize, size);
    const TSaveRecord record{static_cast<std::uint64_t>(at), static_cast<std::uint64_t>(oldSize),
                             static_cast<std::uint64_t>(size), Digest(contents)};
    const std::string head = std::string(static_cast<std::size_t>(at - oldSize), '\n') + RecordText(record);

    if (!Run(TSaveStep::Reserve, [&] {
            return fallocate(fd.Get(), FALLOC_FL_KEEP_SIZE, oldSize, static_cast<off_t>(head.size()) + size) == 0 ||
                   errno == EOPNOTSUPP;
        }))
        return false;
    if (!WriteAllAt(TSaveStep::WriteCopy, fd.Get(), head, oldSize) ||
        !WriteAllAt(TSaveStep::WriteCopy, fd.Get(), contents, at + static_cast<off_t>(kRecordSize)) ||
        !Run(TSaveStep::SyncCopy, [&] { return fsync(fd.Get()) == 0; })) {
        const int error = errno;
        if (ftruncate(fd.Get(), oldSize) == 0) // the copy is incomplete: the old contents still count
            fsync(fd.Get());
        errno = error;
        return false;
    }
    return WriteAllAt(TSaveStep::WriteInPlace, fd.Get(), contents, 0) &&
           Run(TSaveStep::Truncate, [&] { return ftruncate(fd.Get(), size) == 0; }) &&
           Run(TSaveStep::SyncInPlace, [&] { return fsync(fd.Get()) == 0; });
}

TSaveResult SaveToPlace(const TFilePlace& place, std::string_view contents,
                        const std::optional<TFileIdentity>& wasRead)
{
    const int folder = place.Folder.Get();
    TOldFile old{TFd(openat(folder, place.Name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW))};
    if (!old.File && errno == ELOOP)
        return TSaveResult::Refused; // a link that appeared since the place was found
    if (!old.File && errno != ENOENT && errno != EACCES)
        return TSaveResult::Failed;
    if (old.File && fstat(old.File.Get(), &old.Info) != 0)
        return TSaveResult::Failed;
    const auto now = IdentityAt(place);
    if (!now)
        return TSaveResult::Failed;
    if ((old.File && *now != IdentityOf(old.Info)) || (wasRead && *now != *wasRead))
        return TSaveResult::Refused; // no longer the file that was read
    const bool exists = *now != TFileIdentity{};
    if (exists && !old.File) {
        // A file this run may write but not read: its bits, for the checks.
        if (fstatat(folder, place.Name.c_str(), &old.Info, AT_SYMLINK_NOFOLLOW) != 0)
            return TSaveResult::Failed;
        if (IdentityOf(old.Info) != *now)
            return TSaveResult::Refused;
    }
    if (exists && (!S_ISREG(old.Info.st_mode) || faccessat(folder, place.Name.c_str(), W_OK, 0) != 0 ||
                   (old.Info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
        return TSaveResult::Failed;
    // Without a descriptor to read the attributes from, only an in-place save
    // keeps them.
    const TOutcome outcome = exists && !old.File ? TOutcome::NotAllowed
                                                 : Replace(place, contents, exists ? &old : nullptr);
    const bool saved = outcome == TOutcome::Saved ||
                       (outcome == TOutcome::NotAllowed && exists && WriteInPlace(place, contents, old.Info));
    return saved ? TSaveResult::Saved : TSaveResult::Failed;
}

} // namespace

TSaveResult SaveWholeFile(const std::string& path, std::string_view contents,
                          const std::optional<TFileIdentity>& wasRead) noexcept
{
    try {
        bool refused = false;
        const auto place = FindFilePlace(path, &refused);
        if (!place)
            return refused ? TSaveResult::Refused : TSaveResult::Failed;
        return SaveToPlace(*place, contents, wasRead);
    } catch (...) {
        return TSaveResult::Failed; // out of memory for a name or the record
    }
}

std::string_view SavedContents(std::string_view bytes)
{
    while (const auto record = LastRecord(bytes)) {
        const std::string_view copy = bytes.substr(record->At + kRecordSize);
        if (copy.size() == record->Size && Digest(copy) == record->Sum)
            return copy;
        bytes = bytes.substr(0, record->OldSize);
    }
    return bytes;
}

void RemoveLeftoverSaves(const std::string& path) noexcept
{
    try {
        const auto place = FindFilePlace(path);
        if (!place)
            return;
        const int listed = openat(place->Folder.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR* folder = listed >= 0 ? fdopendir(listed) : nullptr;
        if (!folder) {
            if (listed >= 0)
                close(listed);
            return;
        }
        const std::string prefix = SavingPrefix(place->Name);
        std::vector<std::string> leftovers;
        while (const dirent* entry = readdir(folder)) {
            const std::string_view name = entry->d_name;
            struct stat info {};
            if (name.size() == prefix.size() + kSuffixLength && name.starts_with(prefix) &&
                fstatat(place->Folder.Get(), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
                leftovers.emplace_back(name);
        }
        closedir(folder);
        for (const std::string& leftover : leftovers)
            unlinkat(place->Folder.Get(), leftover.c_str(), 0);
    } catch (...) {
        // Out of memory while listing: the leftovers wait for the next save.
    }
}

TFileLock::TFileLock(const std::string& path, std::chrono::milliseconds timeout) noexcept
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto place = FindFilePlace(path);
        if (!place)
            return;
        const auto open = [&](int access) {
            return TFd(openat(place->Folder.Get(), place->Name.c_str(),
                              access | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
        };
        TFd file = open(O_RDONLY);
        if (!file && errno == EACCES)
            file = open(O_WRONLY);
        struct stat locked {};
        if (!file || fstat(file.Get(), &locked) != 0 || !S_ISREG(locked.st_mode))
            return;
        while (flock(file.Get(), LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        // A save of another run may have replaced the file while this one
        // waited: its lock then guards nothing.
        if (IdentityAt(*place) == IdentityOf(locked)) {
            FFile = std::move(file);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return;
    }
}

void SetSaveStepHookForTesting(std::function<int(TSaveStep)> hook) { StepHook() = std::move(hook); }
