#include "field/CellText.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <stdexcept>

namespace {

// Longer texts are kept in blocks that never move, so that reading one takes
// no lock. Four million of them is far beyond what a run can set: the markers
// are one character, the fonts a few names.
constexpr std::uint32_t kBlockSize = 1024;
constexpr std::uint32_t kBlocks = 4096;
using TBlock = std::array<std::string, kBlockSize>;
std::atomic<TBlock*> gBlocks[kBlocks];

} // namespace

const std::array<std::string, TCellText::kShortTexts> TCellText::FShort = [] {
    std::array<std::string, kShortTexts> texts;
    for (int c = 0; c < 256; ++c)
        texts[static_cast<std::size_t>(c) + 1] = std::string(1, static_cast<char>(c));
    return texts;
}();

std::uint32_t TCellText::Keep(std::string_view text)
{
    if (text.size() <= 1)
        return text.empty() ? 0 : static_cast<unsigned char>(text[0]) + std::uint32_t{1};

    static std::mutex guard;
    static std::map<std::string, std::uint32_t, std::less<>> numbers;
    const std::lock_guard lock(guard);
    if (const auto found = numbers.find(text); found != numbers.end())
        return kShortTexts + found->second;
    const auto next = static_cast<std::uint32_t>(numbers.size());
    if (next >= kBlocks * kBlockSize)
        throw std::length_error("too many distinct cell texts");
    TBlock* block = gBlocks[next / kBlockSize].load(std::memory_order_acquire);
    if (!block) {
        block = new TBlock; // kept for the run, as its texts are
        gBlocks[next / kBlockSize].store(block, std::memory_order_release);
    }
    (*block)[next % kBlockSize] = text;
    numbers.emplace(text, next);
    return kShortTexts + next;
}

const std::string& TCellText::Kept(std::uint32_t index)
{
    const std::uint32_t n = index - kShortTexts;
    return (*gBlocks[n / kBlockSize].load(std::memory_order_acquire))[n % kBlockSize];
}

std::ostream& operator<<(std::ostream& out, const TCellText& text) { return out << text.str(); }
