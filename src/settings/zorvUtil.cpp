#include "settings/zorvUtil.h"

#include <algorithm>
#include <limits>

namespace {

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Saturation point for digit runs: far above every bound the program uses.
constexpr long long kHugeNumber = 1'000'000'000'000'000LL;

} // namespace

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int CompareText(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(FoldCase(a[i]));
        const auto cb = static_cast<unsigned char>(FoldCase(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool IsNumberText(std::string_view text, bool pointAllowed)
{
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return IsDigit(c) || (pointAllowed && c == '.'); });
}

std::optional<long long> WholePartOf(std::string_view text)
{
    long long value = 0;
    int digits = 0;
    int points = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == '.') {
            if (++points > 1)
                return std::nullopt;
            inFraction = true;
        } else if (IsDigit(c)) {
            ++digits;
            if (!inFraction)
                value = std::min(kHugeNumber, value * 10 + (c - '0'));
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

std::string ClampNumberText(std::string_view text, int min, int max, int def)
{
    if (text.empty() || !IsNumberText(text, true))
        return std::to_string(def);
    const auto value = WholePartOf(text);
    if (!value)
        return std::to_string(def);
    if (*value < min)
        return std::to_string(min);
    if (*value > max)
        return std::to_string(max);
    return std::string(text);
}

int ClampNumberValue(std::string_view text, int min, int max, int def)
{
    const auto value = WholePartOf(ClampNumberText(text, min, max, def));
    return value ? static_cast<int>(*value) : def;
}

std::optional<int> StrToIntOpt(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::size_t Utf8Length(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Utf8First(std::string_view text)
{
    if (text.empty())
        return {};
    std::size_t end = 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return std::string(text.substr(0, end));
}

std::string WithoutLineBreaks(std::string_view text)
{
    std::string result(text);
    std::replace_if(result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}
