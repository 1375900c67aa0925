#include "settings/SafeSave.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The same limit the kernel puts on nested links.
constexpr int kMaxLinkDepth = 40;

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

mode_t DefaultFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
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

bool SaveToTarget(const fs::path& target, std::string_view contents)
{
    mode_t mode = 0;
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || access(target.c_str(), W_OK) != 0 ||
            (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return false;
        mode = info.st_mode & 07777;
    } else if (errno == ENOENT) {
        mode = DefaultFileMode();
    } else {
        return false;
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> tempName(pattern.begin(), pattern.end());
    tempName.push_back('\0');
    const int fd = mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0)
        return false;

    bool ok = WriteAll(fd, contents) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(tempName.data(), target.c_str()) == 0;
    if (!ok) {
        unlink(tempName.data());
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace

bool SaveReplacing(const std::string& path, std::string_view contents) noexcept
{
    try {
        const auto target = FollowLinks(path);
        return target && SaveToTarget(*target, contents);
    } catch (...) {
        return false; // a path conversion ran out of memory
    }
}
