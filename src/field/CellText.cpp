#include "field/CellText.h"

#include <array>
#include <mutex>
#include <ostream>
#include <set>

const std::string* TCellText::Keep(std::string_view text)
{
    // The empty text and single characters (numbers, "M", "X", "?") are set
    // for thousands of cells at a deal: they come from a table, without a lock.
    static const auto* const shortTexts = [] {
        auto* table = new std::array<std::string, 257>;
        for (int c = 0; c < 256; ++c)
            (*table)[static_cast<std::size_t>(c) + 1] = std::string(1, static_cast<char>(c));
        return table;
    }();
    if (text.size() <= 1)
        return &(*shortTexts)[text.empty() ? 0 : static_cast<unsigned char>(text[0]) + std::size_t{1}];

    // Kept for the run (never freed, so a record outliving the others at
    // exit still points at a text).
    static auto* const kept = new std::set<std::string, std::less<>>;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    auto found = kept->find(text);
    if (found == kept->end())
        found = kept->emplace(text).first;
    return &*found;
}

std::ostream& operator<<(std::ostream& out, const TCellText& text) { return out << text.str(); }
