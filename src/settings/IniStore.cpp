#include "settings/IniStore.h"

#include "settings/SafeSave.h"

#include <cerrno>
#include <functional>
#include <sys/stat.h>

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
        FChanges.push_back({std::string(section), std::string(key), std::string(value)});
}

void TIniStore::DeleteKey(std::string_view section, std::string_view key)
{
    if (FOpen && FIni.DeleteKey(section, key))
        FChanges.push_back({std::string(section), std::string(key), std::nullopt});
}

namespace {

std::size_t Digest(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

} // namespace

bool TIniStore::Rebase()
{
    const std::string& name = FIni.FileName();
    std::optional<std::string> bytes = ReadRegularFile(name, &FReadFile);
    if (!bytes) {
        struct stat info {};
        if (name.empty() || stat(name.c_str(), &info) == 0 || errno != ENOENT)
            return false;
        bytes.emplace(); // removed meanwhile: the save makes it anew
    }
    const std::size_t digest = Digest(*bytes);
    if (digest == FDiskDigest)
        return true; // nobody saved since: the object is the file plus this run's changes
    TMemIniFile disk = TMemIniFile::FromText(*bytes, name);
    for (const TChange& change : FChanges) {
        if (change.Value)
            disk.WriteString(change.Section, change.Key, *change.Value);
        else
            disk.DeleteKey(change.Section, change.Key);
    }
    FIni = std::move(disk);
    FDiskDigest = digest;
    return true;
}

bool TIniStore::Refresh()
{
    if (!FOpen)
        return false;
    const TFileLock lock(FIni.FileName()); // a file written in place is read whole
    return Rebase();
}

bool TIniStore::Transact(const std::function<void(TIniStore&)>& change)
{
    if (!FOpen)
        return false;
    // Without the lock within its time the save goes ahead all the same: a
    // run that hangs must not keep the others from saving.
    const TFileLock lock(FIni.FileName());
    if (lock.Locked())
        RemoveLeftoverSaves(FIni.FileName());
    // A file that cannot be read is not written over: the change is kept
    // in memory for a later save.
    const bool current = Rebase();
    if (change)
        change(*this);
    if (!current)
        return false;
    const std::string text = FIni.Text();
    if (!SaveWholeFile(FIni.FileName(), text, FReadFile))
        return false;
    FChanges.clear();
    FDiskDigest = Digest(text);
    return true;
}

bool TIniStore::UpdateFile() { return Transact({}); }
