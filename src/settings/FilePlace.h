// Reaching a settings file through its folder, held open, so that a read, a
// lock and a save all work on the same folder, and no link that another user
// placed there leads them to a file of someone else.
#pragma once

#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <utility>

// Which file was read, so that a save goes ahead only while the name still
// leads to that file. The empty identity (inode 0) stands for a missing file.
struct TFileIdentity {
    dev_t Device = 0;
    ino_t Inode = 0;
    friend bool operator==(const TFileIdentity&, const TFileIdentity&) = default;
};

// An open file descriptor, closed with the object.
class TFd {
public:
    explicit TFd(int fd = -1) : FFd(fd) {}
    ~TFd();
    TFd(TFd&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
    TFd& operator=(TFd&& other) noexcept
    {
        std::swap(FFd, other.FFd);
        return *this;
    }

    int Get() const { return FFd; }
    explicit operator bool() const { return FFd >= 0; }
    // Closes now, telling whether the close succeeded.
    bool Close();

private:
    int FFd;
};

// A folder, open, and the name of the file in it (which may be missing).
struct TFilePlace {
    TFd Folder;
    std::string Name;
};

// Follows the links at the end of path the way the kernel does when it
// protects links, whatever the system's own setting: in a folder that
// everyone may write to and that has the sticky bit, only a link owned by
// the folder's owner or by this run is followed. The place the last link
// names is returned even when nothing is there (a dangling link). Nothing,
// with errno set, for a refused link (EACCES), too many links (ELOOP) or a
// folder that cannot be opened; refused, when given, tells the first apart.
std::optional<TFilePlace> FindFilePlace(const std::string& path, bool* refused = nullptr);

// What the name in the place is now: the empty identity when it is missing,
// nothing (errno set) when that cannot be told. A link counts as itself.
std::optional<TFileIdentity> IdentityAt(const TFilePlace& place);

// The identity of the file a stat() or fstat() described.
TFileIdentity IdentityOf(const struct stat& info);
