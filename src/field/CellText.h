// A text of the cell record (its content, face text, marker and font names)
// in 32 bits. A field holds up to 6,000 records of five texts each, and they
// take only a handful of distinct values ("", "1".."8", "M", "X", "?", the
// marker, the font names), so each distinct text is kept once for the whole
// run and a record holds its number: a record takes 60 bytes instead of 208
// with five strings, and a copy of the grid copies numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

class TCellText {
public:
    TCellText() = default;
    explicit TCellText(std::string_view text) : FIndex(Keep(text)) {}

    TCellText& operator=(std::string_view text)
    {
        FIndex = Keep(text);
        return *this;
    }
    void clear() { FIndex = 0; }

    const std::string& str() const { return FIndex < kShortTexts ? FShort[FIndex] : Kept(FIndex); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    bool empty() const { return FIndex == 0; }
    std::size_t size() const { return str().size(); }
    char operator[](std::size_t i) const { return str()[i]; }

    // Equal texts are the same kept text.
    friend bool operator==(const TCellText& a, const TCellText& b) { return a.FIndex == b.FIndex; }
    friend bool operator==(const TCellText& a, std::string_view b) { return a.str() == b; }
    friend std::ostream& operator<<(std::ostream& out, const TCellText& text);

private:
    // The empty text, then every single byte: numbered without a look-up.
    static constexpr std::uint32_t kShortTexts = 257;
    static const std::array<std::string, kShortTexts> FShort;

    // The number of text, kept from now on; safe from any thread.
    static std::uint32_t Keep(std::string_view text);
    static const std::string& Kept(std::uint32_t index);

    std::uint32_t FIndex = 0;
};
