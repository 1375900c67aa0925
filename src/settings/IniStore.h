// What the window keeps of one opened INI file: the in-memory object, whether
// the file could be opened at all, and what this run changed in it since it
// was loaded or last saved. Nothing is read or written while the file is not
// open.
//
// Other runs of the game may save the same file meanwhile. A save therefore
// re-reads the file under its lock and applies only this run's changes, key
// by key in the order they were made, onto what the file holds now: keys
// this run never touched keep the other runs' values.
#pragma once

#include "settings/IniFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniStore {
public:
    // Takes the result of OpenIniFile: Open() tells whether it was a file.
    // Dirty() starts false either way.
    void Assign(std::optional<TMemIniFile> ini);

    bool Open() const { return FOpen; }
    bool Dirty() const { return !FChanges.empty(); }
    const TMemIniFile& Ini() const { return FIni; }

    // The default while the file is not open.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Nothing when the key is absent or the file is not open.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;
    // Only while open; a change marks the store dirty. Nothing reaches the
    // disk before UpdateFile or Transact.
    void WriteSetting(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);

    // Brings the object up to the file as it is now, with this run's unsaved
    // changes applied on top. A missing file counts as an empty one; false,
    // changing nothing, when the file cannot be read.
    bool Refresh();
    // Under the file's lock: Refresh, then the change (whose writes count as
    // this run's changes), then the save. A successful save clears Dirty();
    // after a failure the changes stay for the next save. When the file
    // cannot be read, the change is made in memory and nothing is saved.
    // False while not open, when the file cannot be read, or when the save
    // fails.
    bool Transact(const std::function<void(TIniStore&)>& change);
    // Saves this run's changes now: a Transact without further change.
    bool UpdateFile();

private:
    struct TChange {
        std::string Section;
        std::string Key;
        std::optional<std::string> Value; // nothing: the key was deleted
    };
    bool Rebase();

    TMemIniFile FIni;
    bool FOpen = false;
    std::vector<TChange> FChanges;
    // A digest of the file's bytes as this run last read or wrote them:
    // while the file still has them, the object is already up to date.
    std::optional<std::size_t> FDiskDigest;
    // The file the last re-read found: a save writes to nothing else.
    TFileIdentity FReadFile;
};
