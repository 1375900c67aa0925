// What the window keeps of one opened INI file: the in-memory object, whether
// the file could be opened at all, and whether something was written since
// the last save. Nothing is read or written while the file is not open.
#pragma once

#include "settings/IniFile.h"

#include <optional>
#include <string>
#include <string_view>

class TIniStore {
public:
    // Takes the result of OpenIniFile: Open() tells whether it was a file.
    // Dirty() starts false either way.
    void Assign(std::optional<TMemIniFile> ini);

    bool Open() const { return FOpen; }
    bool Dirty() const { return FDirty; }
    const TMemIniFile& Ini() const { return FIni; }

    // The default while the file is not open.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    bool SectionExists(std::string_view section) const;
    // Only while open; a change marks the store dirty. Nothing reaches the
    // disk before UpdateFile.
    void WriteSetting(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    // Saves now (false while not open); a successful save clears Dirty().
    bool UpdateFile();

private:
    TMemIniFile FIni;
    bool FOpen = false;
    bool FDirty = false;
};
