// Loads arbitrary bytes as an INI object and checks that a save loses
// nothing: the saved text loads into an equal object (every section, key and
// value kept, in order), and that object saves to the same text again.
//
// The bytes after the first NUL are also an edit script of NUL-separated
// fields, three per edit: "<op><section>", key, value, where op "W" writes,
// "D" deletes and anything else reads. After every edit the object must still
// survive a save, and reads must agree with a freshly loaded copy, whose key
// index is built from scratch rather than kept up to date edit by edit.
#include "FuzzCheck.h"

#include "settings/IniFile.h"
#include "settings/zorvUtil.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kAbsent = "\x01<absent>";
constexpr int kMaxEdits = 64;

TMemIniFile Reloaded(const TMemIniFile& ini) { return TMemIniFile::FromText(ini.Text()); }

void RequireRoundTrip(const TMemIniFile& ini)
{
    const std::string text = ini.Text();
    const TMemIniFile reloaded = TMemIniFile::FromText(text);
    Require(reloaded == ini);
    Require(reloaded.Text() == text);
}

void RequireSameRead(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    Require(ini.ReadString(section, key, kAbsent) == Reloaded(ini).ReadString(section, key, kAbsent));
}

// Cuts the next field off the script: up to the next NUL, or all that is left.
std::string_view NextField(std::string_view& script)
{
    const auto end = script.find('\0');
    const std::string_view field = script.substr(0, end);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    return field;
}

void Edit(TMemIniFile& ini, char op, std::string_view section, std::string_view key, std::string_view value)
{
    const TMemIniFile before = ini;
    if (op == 'W') {
        if (ini.WriteString(section, key, value)) {
            const std::string cleanSection = WithoutLineBreaks(section);
            const std::string cleanKey = WithoutLineBreaks(key);
            Require(ini.SectionExists(cleanSection));
            Require(ini.ReadString(cleanSection, cleanKey, kAbsent) == WithoutLineBreaks(value));
            RequireSameRead(ini, cleanSection, cleanKey);
        } else {
            Require(ini == before); // a refused write changes nothing
        }
    } else if (op == 'D') {
        const bool deleted = ini.DeleteKey(section, key);
        Require(deleted != (ini == before));
        RequireSameRead(ini, section, key);
    } else {
        RequireSameRead(ini, section, key);
    }
    RequireRoundTrip(ini);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TMemIniFile ini = TMemIniFile::FromText(std::string(bytes));
    RequireRoundTrip(ini);

    const auto nul = bytes.find('\0');
    std::string_view script = nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1);
    for (int edits = 0; !script.empty() && edits < kMaxEdits; ++edits) {
        const std::string_view head = NextField(script);
        const std::string_view key = NextField(script);
        const std::string_view value = NextField(script);
        if (head.empty())
            continue;
        Edit(ini, head.front(), head.substr(1), key, value);
    }
    return 0;
}
