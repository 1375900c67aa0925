// Saving a whole file so that a failure never leaves a truncated one behind,
// and keeping other runs of the game out while one of them saves.
#pragma once

#include "settings/FilePlace.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Saves the contents to the file at path. The file is reached through its
// folder as FindFilePlace does: a link is followed where the kernel would
// follow it, so the file it names is written (made when missing) and the
// link stays; a link another user may have placed is refused.
//
// wasRead is the identity of the file the contents were made from (what
// ReadRegularFile told); when given, the save goes ahead only while the name
// still leads to that very file (or, for the empty identity, to nothing).
//
// Where the folder lets it, a new file is written beside the target, flushed,
// given the old file's owner, group, permission bits and every extended
// attribute (its ACL among them), and renamed over the target, so that a
// failure or a crash leaves the old file whole. Where no new file can be made
// there, or the old owner or an attribute cannot be given to it (a run of
// someone else than the owner), the target itself is rewritten in place: the
// new contents are first written after the old ones with a record of the save
// in progress and flushed, then copied to the front and the rest cut off. A
// crash at any moment leaves a file that ReadRegularFile reads as the old or
// the new contents (and that older programs read with every line of both).
//
// An existing target that is not a regular file, or is not writable
// (access() refuses it, or none of its write bits is set, which keeps a file
// made read-only untouched even for root), fails without being touched.
// Never throws.
enum class TSaveResult {
    Saved,
    Failed,
    // Nothing was written: the name leads through a link that another user
    // may have placed, or to another file than the one that was read.
    Refused,
};
TSaveResult SaveWholeFile(const std::string& path, std::string_view contents,
                          const std::optional<TFileIdentity>& wasRead = std::nullopt) noexcept;

// What a file holds as its last save left it: the bytes themselves, or,
// after an in-place save that was cut short, the new contents when their
// copy after the old ones was complete and the old contents otherwise.
std::string_view SavedContents(std::string_view bytes);

// Removes what a save that was cut short (a crash, a kill) left beside the
// file at path. Only for the holder of the file's lock: another run's save
// in progress would lose its new file.
void RemoveLeftoverSaves(const std::string& path) noexcept;

// An exclusive advisory lock (flock) on the file at path, held for the
// lifetime of the object. A save replaces the file, so the lock is taken
// again on the new file when the one locked was replaced meanwhile. Waits up
// to the timeout; Locked() is false when the lock could not be had (a file
// that is missing, reached through a refused link or not a regular file, or
// another run holding it too long).
class TFileLock {
public:
    explicit TFileLock(const std::string& path,
                       std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) noexcept;
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool Locked() const { return static_cast<bool>(FFile); }

private:
    TFd FFile; // closing the last descriptor releases the lock
};

// The steps of a save, for tests that need a failure or a crash the system
// will not make on demand (a full disk, a kill between two steps). The
// writing steps are called again before each piece of 64 KiB.
enum class TSaveStep {
    CreateNew,      // the new file beside the target
    WriteNew,       // its contents
    OwnNew,         // its owner, group and permission bits
    CopyAttributes, // its extended attributes
    SyncNew,        // flushing it
    NameNew,        // giving it a name in the folder
    Replace,        // renaming it over the target
    Reserve,        // in place: reserving the space after the old contents
    WriteCopy,      // the record of the save and the new contents there
    SyncCopy,
    WriteInPlace,   // the new contents at the front
    Truncate,
    SyncInPlace,
};
// Called before each step; a result other than 0 makes the step fail with
// that error number. An empty function (the default) lets every step run.
void SetSaveStepHookForTesting(std::function<int(TSaveStep)> hook);
