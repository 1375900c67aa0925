#include "settings/IniStore.h"

void TIniStore::Assign(std::optional<TMemIniFile> ini)
{
    FOpen = ini.has_value();
    FIni = ini ? std::move(*ini) : TMemIniFile();
    FDirty = false;
}

std::string TIniStore::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    return FOpen ? FIni.ReadString(section, key, def) : std::string(def);
}

bool TIniStore::SectionExists(std::string_view section) const { return FOpen && FIni.SectionExists(section); }

void TIniStore::WriteSetting(std::string_view section, std::string_view key, std::string_view value)
{
    if (FOpen && FIni.WriteString(section, key, value))
        FDirty = true;
}

void TIniStore::DeleteKey(std::string_view section, std::string_view key)
{
    if (FOpen && FIni.DeleteKey(section, key))
        FDirty = true;
}

bool TIniStore::UpdateFile()
{
    if (!FOpen || !FIni.UpdateFile())
        return false;
    FDirty = false;
    return true;
}
