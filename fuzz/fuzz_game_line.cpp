// Parses arbitrary bytes as a saved game line "bombsLeft|average|time" and
// checks the documented results: the defaults without enough "|", the three
// fields otherwise (joined again they give back the line), an average that is
// the middle field as a 32-bit integer or -1, and nothing from the file in the
// in-memory-only fields. A parsed game written back the way a session is
// saved must parse to the same game.
#include "FuzzCheck.h"

#include "records/SessionStats.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// The middle field as the integer a saved average should be, or -1: an
// optional sign, then only digits, within 32 bits.
std::int32_t ExpectedAverage(std::string_view text)
{
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-'))
        return -1;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

bool SameGame(const TGameStat& a, const TGameStat& b)
{
    return a.Time == b.Time && a.BombsLeftText == b.BombsLeftText && a.Average == b.Average &&
           a.BombsLeft == b.BombsLeft;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const TGameStat stat = ParseGameLine(line);
    Require(stat.BombsLeft == 0);
    Require(stat.Stamp.Year == 0 && stat.Stamp.Month == 0 && stat.Stamp.Day == 0 && stat.Stamp.Hour == 0 &&
            stat.Stamp.Minute == 0 && stat.Stamp.Second == 0 && stat.Stamp.Millisecond == 0);

    const auto first = line.find('|');
    const auto second = first == std::string_view::npos ? first : line.find('|', first + 1);
    if (first == std::string_view::npos) {
        Require(stat.BombsLeftText == "0" && stat.Average == 0 && stat.Time == "0");
    } else if (second == std::string_view::npos) {
        Require(stat.BombsLeftText == line.substr(0, first) && stat.Average == 0 && stat.Time == "0");
    } else {
        const std::string_view middle = line.substr(first + 1, second - first - 1);
        Require(stat.BombsLeftText + "|" + std::string(middle) + "|" + stat.Time == line);
        Require(stat.Average == ExpectedAverage(middle));
    }

    const std::string saved = stat.BombsLeftText + "|" + std::to_string(stat.Average) + "|" + stat.Time;
    Require(SameGame(ParseGameLine(saved), stat));
    return 0;
}
