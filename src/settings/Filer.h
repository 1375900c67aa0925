// Finding, creating and opening the program's INI files.
#pragma once

#include "settings/IniFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Shows a message to the player (the window uses message boxes with OK).
using TTellFunction = std::function<void(const std::string&)>;

// The current working directory of the process; empty when it is unknown
// (for example when it was removed).
std::string CurrentFolder();

// The folder, a "/" unless it already ends in one, and the name.
std::string JoinPath(std::string_view folder, std::string_view name);

// Creates a new empty file; for a link that names a missing file, that file
// where the link may be followed (see FindFilePlace), as a save would. Never
// opens anything that exists already (file, FIFO or device), so it fails for
// those as well as when the file cannot be created.
bool CreateEmptyFile(const std::string& path);

// Opens the INI file fileName in folder (empty: the current working
// directory), creating it empty when nothing is there (also behind a link that
// names a missing file). Tells "Could not create ini file" when it neither
// existed nor could be created, and "Could not open ini file." when something
// exists at the path but cannot be loaded: a directory, a FIFO, a device, an
// unreadable file or a link that may not be followed.
std::optional<TMemIniFile> OpenIniFile(const std::string& fileName, const std::string& folder,
                                       const TTellFunction& tell);
