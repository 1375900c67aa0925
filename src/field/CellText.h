// A text of the cell record (its content, face text, marker and font names)
// in one pointer. A field holds up to 6,000 records of five texts each, and
// they take only a handful of distinct values ("", "1".."8", "M", "X", "?",
// the marker, the font names), so each distinct text is kept once for the
// whole run and every record points at it: a record takes 88 bytes instead of
// 208 with five strings, and a copy of the grid copies pointers.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

class TCellText {
public:
    TCellText() = default;
    explicit TCellText(std::string_view text) : FText(Keep(text)) {}

    TCellText& operator=(std::string_view text)
    {
        FText = Keep(text);
        return *this;
    }
    void clear() { FText = Keep({}); }

    const std::string& str() const { return *FText; }
    operator const std::string&() const { return *FText; }
    operator std::string_view() const { return *FText; }
    bool empty() const { return FText->empty(); }
    std::size_t size() const { return FText->size(); }
    char operator[](std::size_t i) const { return (*FText)[i]; }

    // Equal texts are the same kept text.
    friend bool operator==(const TCellText& a, const TCellText& b) { return a.FText == b.FText; }
    friend bool operator==(const TCellText& a, std::string_view b) { return *a.FText == b; }
    friend std::ostream& operator<<(std::ostream& out, const TCellText& text);

private:
    // The one kept copy of text; safe from any thread.
    static const std::string* Keep(std::string_view text);

    const std::string* FText = Keep({});
};
