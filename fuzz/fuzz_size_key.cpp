// Splits arbitrary bytes as a best-time "sizes" value. It must succeed exactly
// when the text holds at least two "."; then height and width hold no ".",
// the three parts joined with "." give back the value, and the text the
// program would store for those parts splits into the same parts again.
#include "FuzzCheck.h"

#include "records/BestTimes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    const auto parts = SplitSizeKey(value);
    Require(parts.has_value() == (std::count(value.begin(), value.end(), '.') >= 2));
    if (!parts)
        return 0;

    Require(parts->Height.find('.') == std::string::npos && parts->Width.find('.') == std::string::npos);
    Require(parts->Height + "." + parts->Width + "." + parts->Bombs == value);

    const auto again = SplitSizeKey(SizeText(parts->Height, parts->Width, parts->Bombs));
    Require(again && again->Height == parts->Height && again->Width == parts->Width &&
            again->Bombs == parts->Bombs);
    return 0;
}
