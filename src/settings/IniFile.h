// The in-memory INI object: a whole file held as sections of lines, read and
// written in memory and saved back in the program's own layout.
//
// Layout rules. Text is UTF-8 bytes, split into lines at LF; trailing CRs are
// removed. Empty lines and lines beginning with ";" are skipped. A line is a
// section header when it begins with "[" and its first "]" is its last
// character, so "[0]=name]" is a key line. A header naming a section that
// already exists (letter case ignored) continues that section. Lines before
// the first header are dropped; every other line belongs to the current
// section exactly as it stands. A key is the text before the first "=" of a
// line, its value everything after it; lines without "=" are kept but never
// match a key. Names match without regard to letter case, and a read, write
// or delete uses the first matching line.
#pragma once

#include "settings/FilePlace.h"
#include "settings/KeyIndex.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The whole contents of a regular file, as its last save left them (see
// SavedContents); nothing for a missing file, a directory, a FIFO or a
// device, a link that may not be followed (see FindFilePlace), or when
// reading fails. The identity, when asked for, tells which file was read
// (the empty identity for a missing one), for a later save to check.
std::optional<std::string> ReadRegularFile(const std::string& path, TFileIdentity* identity = nullptr);

class TMemIniFile {
public:
    // An empty object; with a file name, UpdateFile saves to that file.
    explicit TMemIniFile(std::string fileName = {});

    // Takes the text over: loading lays the sections out inside it, so that a
    // file in the program's own layout costs little more than its bytes.
    static TMemIniFile FromText(std::string text, std::string fileName = {});
    // Loads a regular file; nothing for a missing file, a directory, a FIFO or
    // a device, or when reading fails.
    static std::optional<TMemIniFile> FromFile(std::string fileName);

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The value, or nothing when the key is absent.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    // Replaces the value of the key's line, or appends "key=value" at the end
    // of its section, creating the section at the end. Line breaks in the
    // names and the value become blanks. Returns false, changing nothing, when
    // the line could not be read back as that key: a key holding "=", a
    // section name holding "]", or a line that would read as a comment or a
    // section header.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first line of the key; false when there is none.
    bool DeleteKey(std::string_view section, std::string_view key);
    bool SectionExists(std::string_view section) const;

    // What a save writes: each section as its header, its lines and one empty
    // line, with "\n" line ends.
    std::string Text() const;
    // Saves Text() to FileName() with SaveWholeFile. Never throws.
    bool UpdateFile() const noexcept;

    // Same sections with the same names and lines in the same order; the file
    // name is not compared.
    friend bool operator==(const TMemIniFile& a, const TMemIniFile& b);

private:
    // A section's text is its header line and its lines, each ended by "\n".
    // As loaded, it lies in one piece of FLoaded, so that a section of a big
    // file costs a few bytes beside its text; once changed, or continued by a
    // later header of the same name, it moves to a text of its own. A section
    // longer than a few dozen lines has an index of its keys, which holds the
    // offset in the text of the first line of each key; a shorter one is
    // searched line by line. A section holds up to 4 GiB of text: offsets
    // take four bytes.
    struct TSection {
        std::uint64_t Begin; // in FLoaded, while the section has no text of its own
        std::uint32_t Size;
        std::uint32_t Body; // in FBodies, or TKeyIndex::npos
    };
    struct TBody {
        std::string Text; // empty while the text lies in FLoaded
        bool Indexed = false;
        TKeyIndex KeyIndex;
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t FindSection(std::string_view name) const;
    // Adds a section whose text is in place already.
    std::size_t AddSection(TSection section);
    std::string_view TextOf(std::size_t s) const;
    std::string_view NameOf(std::size_t s) const;
    TBody& BodyOf(std::size_t s);
    std::string& OwnText(std::size_t s);
    std::size_t FindKey(std::size_t s, std::string_view key) const;
    bool AppendLine(std::size_t s, std::string_view line);
    static void IndexLine(TBody& body, std::string_view text, std::uint32_t offset);
    void RebuildIndex(std::size_t s);

    std::string FFileName;
    std::string FLoaded;
    std::vector<TSection> FSections;
    std::vector<TBody> FBodies;
    TKeyIndex FSectionIndex; // by the names, letter case ignored
};
