// Saving a whole file so that a failure never leaves a truncated one behind,
// and keeping other runs of the game out while one of them saves.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

// Saves the contents to the file at path; a symbolic link is followed, so
// the file it points to is written and the link stays.
//
// Where the folder lets it, a new file is written beside the target, flushed,
// given the old file's owner, group and permission bits, and renamed over
// the target, so that a failure or a crash leaves the old file whole. Where
// no new file can be made there, or the old owner cannot be given to it (a
// run of someone else than the owner), the target itself is rewritten in
// place: the space is reserved first, the contents written from the start,
// the rest cut off and the file flushed.
//
// An existing target that is not a regular file, or is not writable
// (access() refuses it, or none of its write bits is set, which keeps a file
// made read-only untouched even for root), fails without being touched.
// Returns false on any failure; never throws.
bool SaveWholeFile(const std::string& path, std::string_view contents) noexcept;

// Removes what a save that was cut short (a crash, a kill) left beside the
// file at path. Only for the holder of the file's lock: another run's save
// in progress would lose its new file.
void RemoveLeftoverSaves(const std::string& path) noexcept;

// An exclusive advisory lock (flock) on the file at path, held for the
// lifetime of the object. A save replaces the file, so the lock is taken
// again on the new file when the one locked was replaced meanwhile. Waits up
// to the timeout; Locked() is false when the lock could not be had (a file
// that is missing or not a regular file, or another run holding it too long).
class TFileLock {
public:
    explicit TFileLock(const std::string& path,
                       std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) noexcept;
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool Locked() const { return FFd >= 0; }

private:
    int FFd = -1;
};

// The steps of a save, for tests that need a failure or a crash the system
// will not make on demand (a full disk, a kill between two steps).
enum class TSaveStep {
    CreateNew,   // the new file beside the target
    WriteNew,    // its contents
    OwnNew,      // its owner, group and permission bits
    SyncNew,     // flushing it
    NameNew,     // giving it a name in the folder
    Replace,     // renaming it over the target
    Reserve,     // in place: reserving the space
    WriteInPlace,
    Truncate,
    SyncInPlace,
};
// Called before each step; a result other than 0 makes the step fail with
// that error number. An empty function (the default) lets every step run.
void SetSaveStepHookForTesting(std::function<int(TSaveStep)> hook);
