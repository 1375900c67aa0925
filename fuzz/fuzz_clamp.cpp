// The number-text helpers on arbitrary text and bounds. The last bytes of the
// input pick the bounds: one of the three the settings use (rows, columns,
// bombs) or min, max and default taken from the input; the rest is the text.
// Checked: the character test, the whole part against a plain conversion,
// and that a clamp gives the default, min, max or the unchanged text exactly
// as documented, with a value within the bounds or the default. Any overflow
// on the way is a sanitizer report.
#include "FuzzCheck.h"

#include "settings/zorvUtil.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

struct TBounds {
    int Min, Max, Def;
};
constexpr TBounds kSettingsBounds[] = {{1, 60, 5}, {10, 100, 20}, {0, 10000, 20}};

void CheckCharacterTest(std::string_view text)
{
    const bool digitsOnly = text.find_first_not_of("0123456789") == std::string_view::npos;
    const bool digitsAndPoints = text.find_first_not_of("0123456789.") == std::string_view::npos;
    Require(IsNumberText(text, false) == digitsOnly);
    Require(IsNumberText(text, true) == digitsAndPoints);
}

void CheckWholePart(std::string_view text)
{
    const auto whole = WholePartOf(text);
    const bool number = IsNumberText(text, true) && std::count(text.begin(), text.end(), '.') <= 1 &&
                        text.find_first_of("0123456789") != std::string_view::npos;
    Require(whole.has_value() == number);
    if (!whole)
        return;
    std::string_view digits = text.substr(0, text.find('.'));
    digits.remove_prefix(std::min(digits.size(), digits.find_first_not_of('0')));
    // Up to 15 digits the exact value; longer runs may saturate but must stay
    // beyond every bound.
    if (digits.size() <= 15) {
        long long expected = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), expected);
        Require(*whole == expected);
    } else {
        Require(*whole > INT_MAX);
    }
}

void CheckClamp(std::string_view text, const TBounds& b)
{
    const std::string clamped = ClampNumberText(text, b.Min, b.Max, b.Def);
    const int value = ClampNumberValue(text, b.Min, b.Max, b.Def);
    const auto whole = WholePartOf(text);
    if (!whole) {
        Require(clamped == std::to_string(b.Def));
        Require(value == b.Def);
        return;
    }
    if (*whole < b.Min)
        Require(clamped == std::to_string(b.Min));
    else if (*whole > b.Max)
        Require(clamped == std::to_string(b.Max));
    else
        Require(clamped == text);

    if (b.Min <= b.Max)
        Require((value >= b.Min && value <= b.Max) || value == b.Def);
    // Bounds that are not negative are number texts themselves, so the value
    // is the whole part pulled into the bounds.
    if (b.Min >= 0 && b.Min <= b.Max)
        Require(value == std::clamp<long long>(*whole, b.Min, b.Max));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto pick = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kSettingsBounds));
    TBounds bounds{};
    if (pick < std::size(kSettingsBounds)) {
        bounds = kSettingsBounds[pick];
    } else {
        bounds.Min = input.ConsumeIntegral<int>();
        bounds.Max = input.ConsumeIntegral<int>();
        bounds.Def = input.ConsumeIntegral<int>();
    }
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckCharacterTest(text);
    CheckWholePart(text);
    CheckClamp(text, bounds);
    return 0;
}
