#include "settings/IniFile.h"

#include "settings/SafeSave.h"
#include "settings/zorvUtil.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Offsets in a section's text take four bytes.
constexpr std::size_t kMaxSectionText = TKeyIndex::npos - 1;
// Up to this size a section is searched line by line: a few dozen lines take
// no longer than a hash, and a file of many small sections needs no index.
constexpr std::size_t kIndexedText = 1024;

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

// Calls onLine(offset) for the offset of each line after the header.
template <typename OnLine>
void ForEachLine(std::string_view sectionText, OnLine&& onLine)
{
    for (std::size_t offset = sectionText.find('\n') + 1; offset < sectionText.size();
         offset = sectionText.find('\n', offset) + 1)
        onLine(offset);
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

TMemIniFile TMemIniFile::FromText(std::string text, std::string fileName)
{
    TMemIniFile ini(std::move(fileName));
    // The sections are laid out at the front of the text itself, each line
    // moved down to where its section ends. Nothing laid there ever reaches
    // the line being read, which needs its "\n" to be there.
    if (!text.empty() && text.back() != '\n')
        text.push_back('\n');
    ini.FLoaded = std::move(text);
    const auto hashOf = [&ini](std::uint32_t s) { return KeyHash(ini.NameOf(s)); };
    std::size_t headers = 0;
    WalkLines(ini.FLoaded, [&](std::string_view) { ++headers; }, [](std::string_view) {});
    ini.FSections.reserve(headers);
    ini.FSectionIndex.Reserve(headers, hashOf);

    char* const bytes = ini.FLoaded.data();
    std::size_t end = 0; // of what is laid out
    std::size_t current = npos;
    const auto lay = [&](std::string_view line) {
        std::memmove(bytes + end, line.data(), line.size());
        bytes[end + line.size()] = '\n';
        end += line.size() + 1;
    };
    // Whether the section's text lies in the loaded text and ends where the
    // next line would be laid.
    const auto laidLast = [&](std::size_t s) {
        const TSection& section = ini.FSections[s];
        return section.Body == TKeyIndex::npos && section.Begin + section.Size == end;
    };
    const auto toSection = [&](std::string_view name) {
        current = ini.FindSection(name);
        if (current == npos) {
            const std::size_t begin = end;
            lay(std::string_view(name.data() - 1, name.size() + 2));
            current = ini.AddSection({begin, static_cast<std::uint32_t>(end - begin), TKeyIndex::npos});
        } else if (!laidLast(current)) {
            ini.OwnText(current); // continued further down: it goes on in a text of its own
        }
    };
    const auto toLine = [&](std::string_view line) {
        if (!laidLast(current)) {
            ini.AppendLine(current, line);
        } else if (ini.FSections[current].Size + line.size() + 1 <= kMaxSectionText) {
            lay(line);
            ini.FSections[current].Size += static_cast<std::uint32_t>(line.size() + 1);
        }
    };
    WalkLines(ini.FLoaded, toSection, toLine);
    ini.FLoaded.resize(end);
    if (2 * end < ini.FLoaded.capacity())
        ini.FLoaded.shrink_to_fit(); // mostly comments, or sections continued elsewhere
    for (std::size_t s = 0; s < ini.FSections.size(); ++s)
        if (ini.FSections[s].Body == TKeyIndex::npos && ini.FSections[s].Size > kIndexedText)
            ini.RebuildIndex(s);
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
    // One more byte for the "\n" that loading adds after a last line without one.
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
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
    const auto front = static_cast<std::size_t>(saved.data() - bytes.data());
    bytes.resize(front + saved.size());
    bytes.erase(0, front);
    return bytes;
}

std::optional<TMemIniFile> TMemIniFile::FromFile(std::string fileName)
{
    auto bytes = ReadRegularFile(fileName);
    if (!bytes)
        return std::nullopt;
    return FromText(std::move(*bytes), std::move(fileName));
}

std::size_t TMemIniFile::FindSection(std::string_view name) const
{
    const std::uint32_t found =
        FSectionIndex.Find(KeyHash(name), [&](std::uint32_t s) { return SameText(NameOf(s), name); });
    return found == TKeyIndex::npos ? npos : found;
}

std::size_t TMemIniFile::AddSection(TSection section)
{
    FSections.push_back(section);
    const auto added = static_cast<std::uint32_t>(FSections.size() - 1);
    FSectionIndex.Insert(
        KeyHash(NameOf(added)), added, [](std::uint32_t) { return false; },
        [this](std::uint32_t s) { return KeyHash(NameOf(s)); });
    return FSections.size() - 1;
}

std::string_view TMemIniFile::TextOf(std::size_t s) const
{
    const TSection& section = FSections[s];
    if (section.Body != TKeyIndex::npos && !FBodies[section.Body].Text.empty())
        return FBodies[section.Body].Text;
    return std::string_view(FLoaded).substr(section.Begin, section.Size);
}

std::string_view TMemIniFile::NameOf(std::size_t s) const
{
    // A name holds no "]": the first one closes the header.
    const std::string_view text = TextOf(s);
    return text.substr(1, text.find(']') - 1);
}

TMemIniFile::TBody& TMemIniFile::BodyOf(std::size_t s)
{
    TSection& section = FSections[s];
    if (section.Body == TKeyIndex::npos) {
        section.Body = static_cast<std::uint32_t>(FBodies.size());
        FBodies.emplace_back();
    }
    return FBodies[section.Body];
}

std::string& TMemIniFile::OwnText(std::size_t s)
{
    TBody& body = BodyOf(s);
    if (body.Text.empty())
        body.Text.assign(FLoaded, FSections[s].Begin, FSections[s].Size);
    return body.Text;
}

std::size_t TMemIniFile::FindKey(std::size_t s, std::string_view key) const
{
    if (key.find('=') != std::string_view::npos || key.find('\n') != std::string_view::npos)
        return npos; // no line's key holds either
    const std::string_view text = TextOf(s);
    const std::uint32_t body = FSections[s].Body;
    if (body != TKeyIndex::npos && FBodies[body].Indexed) {
        const std::uint32_t found = FBodies[body].KeyIndex.Find(
            KeyHash(key), [&](std::uint32_t offset) { return HasKeyAt(text, offset, key); });
        return found == TKeyIndex::npos ? npos : found;
    }
    std::size_t found = npos;
    ForEachLine(text, [&](std::size_t offset) {
        if (found == npos && HasKeyAt(text, offset, key))
            found = offset;
    });
    return found;
}

bool TMemIniFile::AppendLine(std::size_t s, std::string_view line)
{
    std::string& text = OwnText(s);
    if (text.size() + line.size() + 1 > kMaxSectionText)
        return false;
    const auto offset = static_cast<std::uint32_t>(text.size());
    text.append(line).push_back('\n');
    TBody& body = FBodies[FSections[s].Body];
    if (body.Indexed)
        IndexLine(body, text, offset);
    else if (text.size() > kIndexedText)
        RebuildIndex(s);
    return true;
}

void TMemIniFile::IndexLine(TBody& body, std::string_view text, std::uint32_t offset)
{
    const auto key = KeyOf(LineAt(text, offset));
    if (!key)
        return;
    body.KeyIndex.Insert(
        KeyHash(*key), offset, [&](std::uint32_t line) { return HasKeyAt(text, line, *key); },
        [&](std::uint32_t line) { return KeyHash(*KeyOf(LineAt(text, line))); });
}

void TMemIniFile::RebuildIndex(std::size_t s)
{
    TBody& body = BodyOf(s);
    const std::string_view text = TextOf(s);
    std::size_t keys = 0;
    ForEachLine(text, [&](std::size_t offset) { keys += KeyOf(LineAt(text, offset)).has_value(); });
    body.KeyIndex.Clear();
    body.KeyIndex.Reserve(keys, [&](std::uint32_t line) { return KeyHash(*KeyOf(LineAt(text, line))); });
    body.Indexed = true;
    ForEachLine(text, [&](std::size_t offset) { IndexLine(body, text, static_cast<std::uint32_t>(offset)); });
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
    const auto offset = FindKey(s, key);
    if (offset == npos)
        return std::nullopt;
    const std::string_view line = LineAt(TextOf(s), offset);
    return std::string(line.substr(line.find('=') + 1));
}

bool TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string sectionName = WithoutLineBreaks(section);
    const std::string keyName = WithoutLineBreaks(key);
    const std::string valueText = WithoutLineBreaks(value);
    if (sectionName.find(']') != std::string::npos || keyName.find('=') != std::string::npos)
        return false;

    auto s = FindSection(sectionName);
    const auto existing = s == npos ? npos : FindKey(s, keyName);
    // An existing line keeps the spelling of its key; only the value changes.
    std::string line;
    if (existing == npos) {
        line = keyName + '=' + valueText;
    } else {
        const std::string_view old = LineAt(TextOf(s), existing);
        line = std::string(old.substr(0, old.find('=') + 1)) + valueText;
    }
    if (line.front() == ';' || IsHeaderLine(line))
        return false;

    if (existing != npos) {
        std::string& text = OwnText(s);
        const std::size_t oldSize = LineAt(text, existing).size();
        if (text.size() - oldSize + line.size() > kMaxSectionText)
            return false;
        text.replace(existing, oldSize, line);
        TBody& body = FBodies[FSections[s].Body];
        if (body.Indexed)
            body.KeyIndex.Shift(static_cast<std::uint32_t>(existing),
                                static_cast<std::int64_t>(line.size()) - static_cast<std::int64_t>(oldSize));
        return true;
    }
    if (s == npos) {
        FBodies.emplace_back().Text = "[" + sectionName + "]\n";
        s = AddSection({0, 0, static_cast<std::uint32_t>(FBodies.size() - 1)});
    }
    return AppendLine(s, line);
}

bool TMemIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    const auto s = FindSection(section);
    if (s == npos)
        return false;
    const auto offset = FindKey(s, key);
    if (offset == npos)
        return false;
    std::string& text = OwnText(s);
    text.erase(offset, LineAt(text, offset).size() + 1);
    if (FBodies[FSections[s].Body].Indexed)
        RebuildIndex(s); // a later line of the same key may be the first now
    return true;
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != npos; }

std::string TMemIniFile::Text() const
{
    std::size_t size = 0;
    for (std::size_t s = 0; s < FSections.size(); ++s)
        size += TextOf(s).size() + 1;
    std::string text;
    text.reserve(size);
    for (std::size_t s = 0; s < FSections.size(); ++s)
        text.append(TextOf(s)).append("\n");
    return text;
}

bool TMemIniFile::UpdateFile() const noexcept
{
    try {
        return !FFileName.empty() && SaveWholeFile(FFileName, Text()) == TSaveResult::Saved;
    } catch (...) {
        return false; // out of memory while building the text
    }
}

bool operator==(const TMemIniFile& a, const TMemIniFile& b)
{
    if (a.FSections.size() != b.FSections.size())
        return false;
    for (std::size_t s = 0; s < a.FSections.size(); ++s)
        if (a.TextOf(s) != b.TextOf(s))
            return false;
    return true;
}
