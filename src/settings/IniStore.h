// What the window keeps of one opened INI file: the in-memory object, whether
// the file could be opened at all, and what the player did in this run that
// the file does not hold yet. Nothing is read or written while the file is
// not open.
//
// Other runs of the game may save the same file meanwhile. What this run
// keeps for its next save is therefore what the player did (an option set to
// a value, a best time achieved, a session played), never the keys it was
// written to: a save takes the file's lock, re-reads the file and applies
// each of these changes, in the order they were made, to what the file holds
// then. A best time finds its size's entry in the current file, a session
// the next free key. A save never goes ahead without the lock.
#pragma once

#include "settings/IniFile.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TFileLock;

// One thing the player did, as it goes into a file's contents: applied to
// the object at once and to the file as it is at each later save, until a
// save succeeds.
using TIniChange = std::function<void(TMemIniFile&)>;

class TIniStore {
public:
    // How long a save or a refresh waits for another run's lock before it
    // gives up, keeping everything for the next save.
    static constexpr std::chrono::milliseconds kLockLimit{30000};

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
    // An option set to a value, or removed. Only while open; a change marks
    // the store dirty. Nothing reaches the disk before UpdateFile or Transact.
    void WriteSetting(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    // Any other change: applied now and kept for the next save. Only while
    // open.
    void Change(TIniChange change);

    // Brings the object up to the file as it is now, with this run's unsaved
    // changes applied on top. A missing file counts as an empty one; false,
    // changing nothing, when the file cannot be read or its lock not had.
    bool Refresh();
    // Under the file's lock: Refresh, then the change, then the save. A
    // successful save clears Dirty(); otherwise (the file unreadable, its
    // lock not had within the limit, the save failed) the change is made in
    // memory and kept with the others for the next save, and the result is
    // false. A file removed meanwhile is made anew. False while not open.
    bool Transact(TIniChange change);
    // Saves this run's changes now: a Transact without further change.
    bool UpdateFile();
    // Whether the last save that did not succeed was refused: the file's name
    // now leads through a link that another user may have placed, or to
    // another file than the one read (see SaveWholeFile). The changes wait
    // in memory as after any other failure.
    bool Refused() const { return FRefused; }

    // The limit for the lock (kLockLimit unless changed), and whom to tell
    // when a wait for it begins (true) and ends (false): a wait shorter than
    // a moment is not told.
    void SetLockWait(std::chrono::milliseconds limit, std::function<void(bool)> waiting = {});

private:
    bool Rebase();
    std::unique_ptr<TFileLock> Lock() const;

    TMemIniFile FIni;
    bool FOpen = false;
    std::vector<TIniChange> FChanges;
    // A digest of the file's bytes as this run last read or wrote them:
    // while the file still has them, the object is already up to date.
    std::optional<std::size_t> FDiskDigest;
    // The file the last re-read found: a save writes to nothing else.
    TFileIdentity FReadFile;
    bool FRefused = false;
    std::chrono::milliseconds FLockLimit = kLockLimit;
    std::function<void(bool)> FWaiting;
};
