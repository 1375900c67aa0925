#include "settings/IniFile.h"

#include "settings/SafeSave.h"
#include "settings/zorvUtil.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The same folding as SameText, so equal names give equal index keys.
std::string Folded(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// FNV-1a over the folded bytes: loading hashes every key line, and this
// needs no copy of the key.
std::size_t KeyHash(std::string_view key)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : key) {
        hash ^= static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

std::optional<std::string_view> KeyOf(std::string_view line)
{
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, eq);
}

bool IsHeaderLine(std::string_view line)
{
    return !line.empty() && line.front() == '[' && line.find(']') == line.size() - 1;
}

} // namespace

TMemIniFile::TMemIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

TMemIniFile TMemIniFile::FromText(std::string_view text, std::string fileName)
{
    TMemIniFile ini(std::move(fileName));
    std::size_t current = npos;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        ini.AddLoadedLine(std::string(text.substr(0, lf)), current);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    }
    return ini;
}

std::optional<std::string> ReadRegularFile(const std::string& path, TFileIdentity* identity)
{
    const auto place = FindFilePlace(path);
    if (!place)
        return std::nullopt;
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the type
    // test below then refuses it.
    const TFd file(openat(place->Folder.Get(), place->Name.c_str(),
                          O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
    if (!file && errno == ENOENT && identity)
        *identity = {};
    struct stat info {};
    if (!file || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    if (identity)
        *identity = IdentityOf(info);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const ssize_t got = read(file.Get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    const std::string_view saved = SavedContents(bytes);
    if (saved.size() != bytes.size())
        return std::string(saved);
    return bytes;
}

std::optional<TMemIniFile> TMemIniFile::FromFile(std::string fileName)
{
    const auto bytes = ReadRegularFile(fileName);
    if (!bytes)
        return std::nullopt;
    return FromText(*bytes, std::move(fileName));
}

void TMemIniFile::AddLoadedLine(std::string line, std::size_t& current)
{
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    // Editors that write a byte-order mark put it before the first header,
    // which would otherwise hide that section and everything in it.
    if (current == npos && line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    if (line.empty() || line.front() == ';')
        return;
    if (IsHeaderLine(line)) {
        std::string name = line.substr(1, line.size() - 2);
        current = FindSection(name);
        if (current == npos)
            current = AddSection(std::move(name));
        return;
    }
    if (current == npos)
        return;
    TSection& section = FSections[current];
    section.Lines.push_back(std::move(line));
    IndexLine(section, section.Lines.size() - 1);
}

std::size_t TMemIniFile::FindSection(std::string_view name) const
{
    const auto found = FSectionIndex.find(Folded(name));
    return found == FSectionIndex.end() ? npos : found->second;
}

std::size_t TMemIniFile::AddSection(std::string name)
{
    FSectionIndex.emplace(Folded(name), FSections.size());
    FSections.push_back(TSection{std::move(name), {}, {}});
    return FSections.size() - 1;
}

std::size_t TMemIniFile::FindKey(const TSection& section, std::string_view key)
{
    const auto matches = [&](std::size_t line) {
        const auto lineKey = KeyOf(section.Lines[line]);
        return lineKey && SameText(*lineKey, key);
    };
    const std::size_t indexed = section.KeyIndex.Find(KeyHash(key));
    if (indexed == npos || matches(indexed))
        return indexed;
    // Another key with the same hash holds the slot: look line by line.
    for (std::size_t line = 0; line < section.Lines.size(); ++line)
        if (matches(line))
            return line;
    return npos;
}

void TMemIniFile::IndexLine(TSection& section, std::size_t lineIndex)
{
    if (const auto key = KeyOf(section.Lines[lineIndex]))
        section.KeyIndex.Insert(KeyHash(*key), lineIndex);
}

void TMemIniFile::RebuildIndex(TSection& section)
{
    section.KeyIndex.Clear();
    for (std::size_t i = 0; i < section.Lines.size(); ++i)
        IndexLine(section, i);
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    return ReadValue(section, key).value_or(std::string(def));
}

std::optional<std::string> TMemIniFile::ReadValue(std::string_view section, std::string_view key) const
{
    const auto s = FindSection(section);
    if (s == npos)
        return std::nullopt;
    const TSection& sec = FSections[s];
    const auto line = FindKey(sec, key);
    if (line == npos)
        return std::nullopt;
    const std::string& text = sec.Lines[line];
    return text.substr(text.find('=') + 1);
}

bool TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string sectionName = WithoutLineBreaks(section);
    const std::string keyName = WithoutLineBreaks(key);
    const std::string valueText = WithoutLineBreaks(value);
    if (sectionName.find(']') != std::string::npos || keyName.find('=') != std::string::npos)
        return false;

    const auto s = FindSection(sectionName);
    const auto existing = s == npos ? npos : FindKey(FSections[s], keyName);
    // An existing line keeps the spelling of its key; only the value changes.
    std::string line = existing == npos
                           ? keyName + '=' + valueText
                           : FSections[s].Lines[existing].substr(0, FSections[s].Lines[existing].find('=') + 1) +
                                 valueText;
    if (line.front() == ';' || IsHeaderLine(line))
        return false;

    if (existing != npos) {
        FSections[s].Lines[existing] = std::move(line);
        return true;
    }
    TSection& sec = FSections[s == npos ? AddSection(sectionName) : s];
    sec.Lines.push_back(std::move(line));
    IndexLine(sec, sec.Lines.size() - 1);
    return true;
}

bool TMemIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    const auto s = FindSection(section);
    if (s == npos)
        return false;
    TSection& sec = FSections[s];
    const auto line = FindKey(sec, key);
    if (line == npos)
        return false;
    sec.Lines.erase(sec.Lines.begin() + static_cast<std::ptrdiff_t>(line));
    RebuildIndex(sec);
    return true;
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != npos; }

std::string TMemIniFile::Text() const
{
    std::size_t size = 0;
    for (const TSection& sec : FSections) {
        size += sec.Name.size() + 4;
        for (const std::string& line : sec.Lines)
            size += line.size() + 1;
    }
    std::string text;
    text.reserve(size);
    for (const TSection& sec : FSections) {
        text.append("[").append(sec.Name).append("]\n");
        for (const std::string& line : sec.Lines)
            text.append(line).append("\n");
        text.append("\n");
    }
    return text;
}

bool TMemIniFile::UpdateFile() const noexcept
{
    try {
        return !FFileName.empty() && SaveWholeFile(FFileName, Text());
    } catch (...) {
        return false; // out of memory while building the text
    }
}

bool operator==(const TMemIniFile& a, const TMemIniFile& b)
{
    return std::equal(a.FSections.begin(), a.FSections.end(), b.FSections.begin(), b.FSections.end(),
                      [](const TMemIniFile::TSection& x, const TMemIniFile::TSection& y) {
                          return x.Name == y.Name && x.Lines == y.Lines;
                      });
}
