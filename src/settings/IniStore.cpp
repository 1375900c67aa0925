#include "settings/IniStore.h"

#include "settings/Filer.h"
#include "settings/SafeSave.h"

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace {

// A wait for the lock shorter than this is not worth a busy cursor.
constexpr std::chrono::milliseconds kMoment{200};

std::size_t Digest(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

bool Missing(const std::string& name)
{
    struct stat info {};
    return !name.empty() && stat(name.c_str(), &info) != 0 && errno == ENOENT;
}

bool LinkRefused(const std::string& name)
{
    bool refused = false;
    FindFilePlace(name, &refused);
    return refused;
}

} // namespace

void TIniStore::Assign(std::optional<TMemIniFile> ini)
{
    FOpen = ini.has_value();
    FIni = ini ? std::move(*ini) : TMemIniFile();
    FChanges.clear();
    FDiskDigest.reset();
}

std::string TIniStore::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    return ReadValue(section, key).value_or(std::string(def));
}

std::optional<std::string> TIniStore::ReadValue(std::string_view section, std::string_view key) const
{
    return FOpen ? FIni.ReadValue(section, key) : std::nullopt;
}

bool TIniStore::SectionExists(std::string_view section) const { return FOpen && FIni.SectionExists(section); }

void TIniStore::WriteSetting(std::string_view section, std::string_view key, std::string_view value)
{
    if (FOpen && FIni.WriteString(section, key, value))
        FChanges.push_back([section = std::string(section), key = std::string(key),
                            value = std::string(value)](TMemIniFile& ini) { ini.WriteString(section, key, value); });
}

void TIniStore::DeleteKey(std::string_view section, std::string_view key)
{
    if (FOpen && FIni.DeleteKey(section, key))
        FChanges.push_back([section = std::string(section), key = std::string(key)](TMemIniFile& ini) {
            ini.DeleteKey(section, key);
        });
}

void TIniStore::Change(TIniChange change)
{
    if (!FOpen || !change)
        return;
    change(FIni);
    FChanges.push_back(std::move(change));
}

void TIniStore::SetLockWait(std::chrono::milliseconds limit, std::function<void(bool)> waiting)
{
    FLockLimit = limit;
    FWaiting = std::move(waiting);
}

std::unique_ptr<TFileLock> TIniStore::Lock() const
{
    const std::string& name = FIni.FileName();
    auto lock = std::make_unique<TFileLock>(name, std::min(kMoment, FLockLimit));
    if (!lock->Locked() && FLockLimit > kMoment) {
        // Nothing that another run could be holding: no file, or one behind
        // a link that may not be followed.
        const auto place = FindFilePlace(name);
        struct stat info {};
        if (!place || fstatat(place->Folder.Get(), place->Name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode))
            return nullptr;
        if (FWaiting)
            FWaiting(true);
        lock = std::make_unique<TFileLock>(name, FLockLimit - kMoment);
        if (FWaiting)
            FWaiting(false);
    }
    return lock->Locked() ? std::move(lock) : nullptr;
}

bool TIniStore::Rebase()
{
    const std::string name = FIni.FileName();
    std::optional<std::string> bytes = ReadRegularFile(name, &FReadFile);
    if (!bytes) {
        if (!Missing(name))
            return false;
        bytes.emplace(); // removed meanwhile: the save makes it anew
    }
    const std::size_t digest = Digest(*bytes);
    if (digest == FDiskDigest)
        return true; // nobody saved since: the object is the file plus this run's changes
    // The old object goes before the new one is built, so that a big file is
    // not held twice; were building to fail, the next re-read would build it.
    FDiskDigest.reset();
    FIni = TMemIniFile(name);
    TMemIniFile disk = TMemIniFile::FromText(std::move(*bytes), name);
    for (const TIniChange& change : FChanges)
        change(disk);
    FIni = std::move(disk);
    FDiskDigest = digest;
    return true;
}

bool TIniStore::Refresh()
{
    if (!FOpen)
        return false;
    // The lock keeps out a save that writes the file in place: it is read
    // whole or not at all. A missing file has nothing to keep out.
    const auto lock = Lock();
    return (lock || Missing(FIni.FileName())) && Rebase();
}

bool TIniStore::Transact(TIniChange change)
{
    if (!FOpen)
        return false;
    // A file removed meanwhile is made anew, empty, so that it can be locked.
    if (Missing(FIni.FileName()))
        CreateEmptyFile(FIni.FileName());
    const auto lock = Lock();
    // Without the lock, or with a file that cannot be read, nothing is
    // written: the change waits in memory with the others.
    if (lock)
        RemoveLeftoverSaves(FIni.FileName());
    const bool current = lock && Rebase();
    Change(std::move(change));
    if (!current) {
        FRefused = LinkRefused(FIni.FileName());
        return false;
    }
    const std::string text = FIni.Text();
    const TSaveResult saved = SaveWholeFile(FIni.FileName(), text, FReadFile);
    FRefused = saved == TSaveResult::Refused;
    if (saved != TSaveResult::Saved)
        return false;
    FChanges.clear();
    FDiskDigest = Digest(text);
    return true;
}

bool TIniStore::UpdateFile() { return Transact({}); }
