#include "records/uBombLib.h"

#include <algorithm>

std::size_t TSessionList::IndexOf(std::string_view name) const
{
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [&](const TSession& s) { return SameText(s.Name, name); });
    return found == FItems.end() ? npos : static_cast<std::size_t>(found - FItems.begin());
}

TSession* TSessionList::Find(std::string_view name)
{
    const auto index = IndexOf(name);
    return index == npos ? nullptr : &FItems[index];
}

const TSession* TSessionList::Find(std::string_view name) const
{
    const auto index = IndexOf(name);
    return index == npos ? nullptr : &FItems[index];
}

TSession& TSessionList::Append(std::string name, std::optional<TGameList> games)
{
    return FItems.emplace_back(TSession{std::move(name), std::move(games)});
}

bool TSessionList::Remove(std::string_view name)
{
    const auto index = IndexOf(name);
    if (index == npos)
        return false;
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}
