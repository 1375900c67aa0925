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

// Offsets in a section's text take four bytes.
constexpr std::size_t kMaxSectionText = TKeyIndex::npos - 1;

// FNV-1a over the bytes folded as SameText folds them, so that names equal
// to it hash equally; loading hashes every key line, and this needs no copy.
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

// The line that starts at offset, without its "\n".
std::string_view LineAt(std::string_view text, std::size_t offset)
{
    const auto lf = text.find('\n', offset);
    return text.substr(offset, (lf == std::string_view::npos ? text.size() : lf) - offset);
}

// Whether the line at offset has the key, which holds no "=": the key's
// bytes there, then "=". Neither the line's end nor its value is looked for.
bool HasKeyAt(std::string_view text, std::size_t offset, std::string_view key)
{
    return text.size() - offset > key.size() && text[offset + key.size()] == '=' &&
           SameText(text.substr(offset, key.size()), key);
}

// Calls onHeader(name) for each section header of the text and onLine(line)
// for each line that loading keeps in a section, trailing CRs removed.
template <typename OnHeader, typename OnLine>
void WalkLines(std::string_view text, OnHeader&& onHeader, OnLine&& onLine)
{
    bool inSection = false;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // Editors that write a byte-order mark put it before the first header,
        // which would otherwise hide that section and everything in it.
        if (!inSection && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        if (line.empty() || line.front() == ';')
            continue;
        if (IsHeaderLine(line)) {
            onHeader(line.substr(1, line.size() - 2));
            inSection = true;
        } else if (inSection) {
            onLine(line);
        }
    }
}

} // namespace

TMemIniFile::TMemIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

TMemIniFile TMemIniFile::FromText(std::string_view text, std::string fileName)
{
    TMemIniFile ini(std::move(fileName));
    // Two walks: the first measures each section, so that the second fills
    // texts of their final sizes; grown line by line, they would at times
    // take twice that.
    std::vector<std::size_t> sizes;
    std::size_t current = npos;
    const auto toSection = [&](std::string_view name) {
        current = ini.FindSection(name);
        if (current == npos)
            current = ini.AddSection(name);
        sizes.resize(ini.FSections.size());
    };
    WalkLines(text, toSection, [&](std::string_view line) { sizes[current] += line.size() + 1; });
    for (std::size_t s = 0; s < sizes.size(); ++s) {
        std::string& sectionText = ini.FSections[s].Text;
        sectionText.reserve(std::min(sectionText.size() + sizes[s], kMaxSectionText));
    }
    WalkLines(text, toSection, [&](std::string_view line) { AppendLine(ini.FSections[current], line); });
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

std::size_t TMemIniFile::FindSection(std::string_view name) const
{
    const std::uint32_t found = FSectionIndex.Find(
        KeyHash(name), [&](std::uint32_t s) { return SameText(NameOf(FSections[s]), name); });
    return found == TKeyIndex::npos ? npos : found;
}

std::size_t TMemIniFile::AddSection(std::string_view name)
{
    std::string header = "[";
    FSections.push_back(TSection{header.append(name).append("]\n"), {}});
    FSectionIndex.Insert(
        KeyHash(name), static_cast<std::uint32_t>(FSections.size() - 1), [](std::uint32_t) { return false; },
        [this](std::uint32_t s) { return KeyHash(NameOf(FSections[s])); });
    return FSections.size() - 1;
}

std::string_view TMemIniFile::NameOf(const TSection& section)
{
    // A name holds no "]": the first one closes the header.
    return std::string_view(section.Text).substr(1, section.Text.find(']') - 1);
}

std::size_t TMemIniFile::FindKey(const TSection& section, std::string_view key)
{
    if (key.find('=') != std::string_view::npos)
        return npos; // no line's key holds one
    const std::uint32_t found = section.KeyIndex.Find(
        KeyHash(key), [&](std::uint32_t offset) { return HasKeyAt(section.Text, offset, key); });
    return found == TKeyIndex::npos ? npos : found;
}

bool TMemIniFile::AppendLine(TSection& section, std::string_view line)
{
    if (section.Text.size() + line.size() + 1 > kMaxSectionText)
        return false;
    const auto offset = static_cast<std::uint32_t>(section.Text.size());
    section.Text.append(line).push_back('\n');
    IndexLine(section, offset);
    return true;
}

void TMemIniFile::IndexLine(TSection& section, std::uint32_t offset)
{
    const auto key = KeyOf(LineAt(section.Text, offset));
    if (!key)
        return;
    section.KeyIndex.Insert(
        KeyHash(*key), offset, [&](std::uint32_t line) { return HasKeyAt(section.Text, line, *key); },
        [&](std::uint32_t line) { return KeyHash(*KeyOf(LineAt(section.Text, line))); });
}

void TMemIniFile::RebuildIndex(TSection& section)
{
    section.KeyIndex.Clear();
    for (std::size_t offset = section.Text.find('\n') + 1; offset < section.Text.size();
         offset = section.Text.find('\n', offset) + 1)
        IndexLine(section, static_cast<std::uint32_t>(offset));
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
    const auto offset = FindKey(sec, key);
    if (offset == npos)
        return std::nullopt;
    const std::string_view line = LineAt(sec.Text, offset);
    return std::string(line.substr(line.find('=') + 1));
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
    std::string line;
    if (existing == npos) {
        line = keyName + '=' + valueText;
    } else {
        const std::string_view old = LineAt(FSections[s].Text, existing);
        line = std::string(old.substr(0, old.find('=') + 1)) + valueText;
    }
    if (line.front() == ';' || IsHeaderLine(line))
        return false;

    if (existing != npos) {
        TSection& sec = FSections[s];
        const std::size_t oldSize = LineAt(sec.Text, existing).size();
        if (sec.Text.size() - oldSize + line.size() > kMaxSectionText)
            return false;
        sec.Text.replace(existing, oldSize, line);
        sec.KeyIndex.Shift(static_cast<std::uint32_t>(existing),
                           static_cast<std::int64_t>(line.size()) - static_cast<std::int64_t>(oldSize));
        return true;
    }
    return AppendLine(FSections[s == npos ? AddSection(sectionName) : s], line);
}

bool TMemIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    const auto s = FindSection(section);
    if (s == npos)
        return false;
    TSection& sec = FSections[s];
    const auto offset = FindKey(sec, key);
    if (offset == npos)
        return false;
    sec.Text.erase(offset, LineAt(sec.Text, offset).size() + 1);
    RebuildIndex(sec); // a later line of the same key may be the first now
    return true;
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != npos; }

std::string TMemIniFile::Text() const
{
    std::size_t size = 0;
    for (const TSection& sec : FSections)
        size += sec.Text.size() + 1;
    std::string text;
    text.reserve(size);
    for (const TSection& sec : FSections)
        text.append(sec.Text).append("\n");
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
                      [](const TMemIniFile::TSection& x, const TMemIniFile::TSection& y) { return x.Text == y.Text; });
}
