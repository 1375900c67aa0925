#include "settings/Filer.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>

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
    const auto place = FindFilePlace(path);
    if (!place)
        return false;
    TFd file(openat(place->Folder.Get(), place->Name.c_str(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0666));
    return file && file.Close();
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
    const auto place = path.empty() ? std::optional<TFilePlace>() : FindFilePlace(path);
    if (!place && (errno == EACCES || errno == ELOOP)) {
        say("Could not open ini file."); // a link that may not be followed
        return std::nullopt;
    }
    const auto identity = place ? IdentityAt(*place) : std::nullopt;
    if (!place || (identity == TFileIdentity{} && !CreateEmptyFile(path))) {
        say("Could not create ini file");
        return std::nullopt;
    }
    auto ini = TMemIniFile::FromFile(path);
    if (!ini)
        say("Could not open ini file.");
    return ini;
}
