#include "settings/FilePlace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The same limit the kernel puts on nested links.
constexpr int kMaxLinkDepth = 40;

// A folder that cannot be listed can still hold the file: it is then opened
// only as a place to work in.
TFd OpenFolder(int at, const std::string& path)
{
    const char* name = path.empty() ? "." : path.c_str();
    int fd = openat(at, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = openat(at, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
    return TFd(fd);
}

// Splits "a/b/name" into "a/b/" and "name" ("/" stays the folder of "/x").
std::pair<std::string, std::string> SplitPath(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The kernel's rule for protected links: in a sticky folder that everyone may
// write to, another user may have placed the link.
bool MayFollow(const struct stat& folder, const struct stat& link)
{
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == folder.st_uid || link.st_uid == geteuid();
}

} // namespace

TFd::~TFd()
{
    if (FFd >= 0)
        close(FFd);
}

bool TFd::Close() { return close(std::exchange(FFd, -1)) == 0; }

std::optional<TFilePlace> FindFilePlace(const std::string& path, bool* refused)
{
    auto [folderPath, name] = SplitPath(path);
    TFilePlace place{OpenFolder(AT_FDCWD, folderPath), std::move(name)};
    for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
        if (!place.Folder)
            return std::nullopt;
        if (place.Name.empty()) {
            errno = EISDIR;
            return std::nullopt;
        }
        struct stat link {};
        if (fstatat(place.Folder.Get(), place.Name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? std::optional(std::move(place)) : std::nullopt;
        if (!S_ISLNK(link.st_mode))
            return place;
        struct stat folder {};
        if (fstat(place.Folder.Get(), &folder) != 0)
            return std::nullopt;
        if (!MayFollow(folder, link)) {
            if (refused)
                *refused = true;
            errno = EACCES;
            return std::nullopt;
        }
        std::vector<char> target(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 255) + 1);
        const ssize_t length = readlinkat(place.Folder.Get(), place.Name.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            errno = length < 0 ? errno : EAGAIN; // a link replaced meanwhile by a longer one
            return std::nullopt;
        }
        auto [linkFolder, linkName] = SplitPath(std::string(target.data(), static_cast<std::size_t>(length)));
        if (!linkFolder.empty())
            place.Folder = OpenFolder(place.Folder.Get(), linkFolder);
        place.Name = std::move(linkName);
    }
    errno = ELOOP;
    return std::nullopt;
}

TFileIdentity IdentityOf(const struct stat& info) { return {info.st_dev, info.st_ino}; }

std::optional<TFileIdentity> IdentityAt(const TFilePlace& place)
{
    struct stat info {};
    if (fstatat(place.Folder.Get(), place.Name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return IdentityOf(info);
    if (errno == ENOENT)
        return TFileIdentity{};
    return std::nullopt;
}
