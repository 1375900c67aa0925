#include "tools/BoardsCommand.h"

#include "field/NoGuessDealer.h"
#include "gamelog/BoardCode.h"

#include <algorithm>

#include <charconv>
#include <ostream>

const char* const kBoardsUsage = "usage: dravolt-boards ROWS COLUMNS BOMBS COUNT [--seed S] [--start INDEX] [--codes]";

namespace {

// A decimal number of digits only, within [min, max].
std::optional<long long> NumberIn(const std::string& text, long long min, long long max)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<TBoardsRequest> ParseBoardsArguments(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 4)
        return std::nullopt;
    const auto rows = NumberIn(arguments[0], 1, 60);
    const auto columns = NumberIn(arguments[1], 10, 100);
    const auto bombs = NumberIn(arguments[2], 0, 10000);
    const auto count = NumberIn(arguments[3], 1, 1'000'000);
    if (!rows || !columns || !bombs || !count)
        return std::nullopt;
    TBoardsRequest request{static_cast<int>(*rows), static_cast<int>(*columns), static_cast<int>(*bombs),
                           static_cast<int>(*count), std::nullopt, std::nullopt};
    for (std::size_t a = 4; a < arguments.size(); a += 2) {
        if (arguments[a] == "--codes" && !request.Codes) {
            request.Codes = true;
            --a; // a flag without a value
            continue;
        }
        if (a + 1 == arguments.size())
            return std::nullopt; // an option without its value
        const std::string& value = arguments[a + 1];
        if (arguments[a] == "--seed" && !request.Seed) {
            const auto seed = NumberIn(value, 0, 0xFFFF'FFFFLL);
            if (!seed)
                return std::nullopt;
            request.Seed = static_cast<std::uint32_t>(*seed);
        } else if (arguments[a] == "--start" && !request.Start) {
            const auto start = NumberIn(value, 0, *rows * *columns - 1);
            if (!start)
                return std::nullopt;
            request.Start = static_cast<int>(*start);
        } else {
            return std::nullopt;
        }
    }
    return request;
}

void WriteBoards(const TBoardsRequest& request, std::uint32_t seed, std::ostream& out)
{
    const int start = request.Start.value_or(request.Columns / 2 + request.Rows / 2 * request.Columns);
    TRandomGenerator random;
    for (int k = 0; k < request.Count; ++k) {
        random.Reseed(seed + static_cast<std::uint32_t>(k));
        const TNoGuessBoard board =
            TNoGuessDealer(random).Deal({request.Columns, request.Rows, request.Bombs, start});
        if (request.Codes) {
            std::vector<int> mines = board.Bombs;
            std::sort(mines.begin(), mines.end());
            out << BoardToCode({request.Rows, request.Columns, start, mines}) << '\n';
            continue;
        }
        out << request.Rows << ' ' << request.Columns << ' ' << start << ' ' << (board.Solved ? 1 : 0);
        for (std::size_t b = 0; b < board.Bombs.size(); ++b)
            out << (b == 0 ? ' ' : ',') << board.Bombs[b];
        out << '\n';
    }
}

int RunBoardsCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                     TimeSource& time)
{
    const std::optional<TBoardsRequest> request = ParseBoardsArguments(arguments);
    if (!request) {
        err << kBoardsUsage << '\n';
        return 2;
    }
    WriteBoards(*request, request->Seed.value_or(time.MillisecondsSinceMidnightUtc()), out);
    out.flush();
    return out ? 0 : 1;
}
