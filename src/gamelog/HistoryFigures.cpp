#include "gamelog/HistoryFigures.h"

#include "gamelog/Bbbv.h"

#include <algorithm>
#include <cstdio>
#include <map>

TGameKind KindOf(const TGameRow& row) { return {row.Height, row.Width, row.Bombs, row.Mode}; }

bool IsOfKind(const TGameRow& row, const TGameKind& kind)
{
    return row.Height == kind.Height && row.Width == kind.Width && row.Bombs == kind.Bombs && row.Mode == kind.Mode;
}

std::vector<TGameKind> KindsPlayed(const std::vector<TGameRow>& games)
{
    std::map<TGameKind, int> counts;
    // Games of one kind mostly follow each other: the last kind is tried first.
    const auto sameKind = [](const TGameRow& a, const TGameRow& b) {
        return a.Height == b.Height && a.Width == b.Width && a.Bombs == b.Bombs && a.Mode == b.Mode;
    };
    const TGameRow* last = nullptr;
    int* count = nullptr;
    for (const TGameRow& row : games) {
        if (!last || !sameKind(row, *last))
            count = &counts[KindOf(row)];
        ++*count;
        last = &row;
    }
    std::vector<std::pair<TGameKind, int>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<TGameKind> kinds;
    for (const auto& [kind, count] : sorted)
        kinds.push_back(kind);
    return kinds;
}

TFigures FiguresOf(const std::vector<const TGameRow*>& games)
{
    TFigures figures;
    double winMillis = 0;
    for (const TGameRow* row : games) {
        ++figures.Games;
        if (!row->Won()) {
            figures.CurrentStreak = 0;
            continue;
        }
        ++figures.Wins;
        winMillis += static_cast<double>(row->Millis);
        figures.LongestStreak = std::max(figures.LongestStreak, ++figures.CurrentStreak);
        figures.BestBbbvPerSecond = std::max(figures.BestBbbvPerSecond, row->BbbvPerSecond());
        if (row->Mode != GameModes::Code && (figures.BestMillis == 0 || row->Millis < figures.BestMillis))
            figures.BestMillis = row->Millis;
    }
    if (figures.Games > 0)
        figures.WinRate = 100.0 * figures.Wins / figures.Games;
    if (figures.Wins > 0)
        figures.AverageWinMillis = winMillis / figures.Wins;
    return figures;
}

std::string GamesCsv(const std::vector<const TGameRow*>& games)
{
    std::string csv = "id,ended_at,height,width,bombs,mode,result,millis,bbbv,bbbv_done,bbbv_per_second,"
                      "efficiency,left_clicks,right_clicks,chords\r\n";
    char line[400];
    for (const TGameRow* row : games) {
        // No field holds a comma, a quote or a line break: none needs quoting.
        std::snprintf(line, sizeof line, "%lld,%s,%d,%d,%d,%s,%s,%lld,%d,%d,%.3f,%.1f,%d,%d,%d\r\n",
                      static_cast<long long>(row->Id), row->EndedAt.c_str(), row->Height, row->Width, row->Bombs,
                      row->Mode.c_str(), row->Result.c_str(), static_cast<long long>(row->Millis), row->Bbbv,
                      row->BbbvDone, row->BbbvPerSecond(), Efficiency(row->BbbvDone, row->Clicks()),
                      row->LeftClicks, row->RightClicks, row->Chords);
        csv += line;
    }
    return csv;
}
