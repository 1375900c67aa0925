#include "settings/Filer.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

std::string CurrentFolder()
{
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    return path.append(name);
}

bool CreateEmptyFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return false;
    return close(fd) == 0;
}

std::optional<TMemIniFile> OpenIniFile(const std::string& fileName, const std::string& folder,
                                       const TTellFunction& tell)
{
    const std::string base = folder.empty() ? CurrentFolder() : folder;
    const std::string path = base.empty() ? std::string() : JoinPath(base, fileName);

    const auto say = [&](const std::string& message) {
        if (tell)
            tell(message);
    };
    struct stat info {};
    const bool exists = !path.empty() && stat(path.c_str(), &info) == 0;
    if (!exists && (path.empty() || !CreateEmptyFile(path))) {
        say("Could not create ini file");
        return std::nullopt;
    }
    auto ini = TMemIniFile::FromFile(path);
    if (!ini)
        say("Could not open ini file.");
    return ini;
}
