#include "history/HistoryTable.h"

#include "gamelog/Bbbv.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace {

double SortValue(const TGameRow& row, int column)
{
    switch (column) {
    case THistoryTable::Time: return static_cast<double>(row.Millis);
    case THistoryTable::Bbbv: return row.Bbbv;
    case THistoryTable::BbbvPerSecond: return row.BbbvPerSecond();
    case THistoryTable::Efficiency: return Efficiency(row.BbbvDone, row.Clicks());
    case THistoryTable::Result: // as the stored words sort: abandoned, lost, won
        return row.Won() ? 2 : row.Result == GameResults::Lost ? 1 : 0;
    default: return static_cast<double>(row.Id);
    }
}

} // namespace

QString THistoryTable::TimeText(std::int64_t millis, const QLocale& numbers)
{
    return numbers.toString(static_cast<double>(millis) / 1000.0, 'f', 3);
}

QString THistoryTable::ResultText(const std::string& result)
{
    if (result == GameResults::Won)
        return QCoreApplication::translate("THistoryTable", "won");
    if (result == GameResults::Lost)
        return QCoreApplication::translate("THistoryTable", "lost");
    return QCoreApplication::translate("THistoryTable", "abandoned");
}

void THistoryTable::SetGames(std::vector<const TGameRow*> games)
{
    beginResetModel();
    FGames = std::move(games);
    std::reverse(FGames.begin(), FGames.end());
    endResetModel();
}

const TGameRow* THistoryTable::GameAt(int row) const
{
    return row >= 0 && row < rowCount() ? FGames[static_cast<std::size_t>(row)] : nullptr;
}

int THistoryTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FGames.size());
}

int THistoryTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant THistoryTable::data(const QModelIndex& index, int role) const
{
    const TGameRow* row = GameAt(index.row());
    if (!row)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Ended || index.column() == Result ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Ended: return QString::fromStdString(row->EndedAt).replace('T', ' ');
    case Time: return TimeText(row->Millis, FNumbers);
    case Bbbv: return QStringLiteral("%1/%2").arg(row->BbbvDone).arg(row->Bbbv);
    case BbbvPerSecond: return FNumbers.toString(row->BbbvPerSecond(), 'f', 2);
    case Efficiency:
        return FNumbers.toString(::Efficiency(row->BbbvDone, row->Clicks()), 'f', 0) + QStringLiteral(" %");
    case Result: return ResultText(row->Result);
    default: return {};
    }
}

QVariant THistoryTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Ended: return QCoreApplication::translate("THistoryTable", "Ended");
    case Time: return QCoreApplication::translate("THistoryTable", "Time (s)");
    case Bbbv: return QCoreApplication::translate("THistoryTable", "3BV");
    case BbbvPerSecond: return QCoreApplication::translate("THistoryTable", "3BV/s");
    case Efficiency: return QCoreApplication::translate("THistoryTable", "Efficiency");
    case Result: return QCoreApplication::translate("THistoryTable", "Result");
    default: return {};
    }
}

void THistoryTable::sort(int column, Qt::SortOrder order)
{
    // Each game's key is worked out once, not at each of the 1.7 million
    // comparisons that 100,000 games take; equal keys go by the game's id.
    struct TKeyed {
        double Key;
        std::int64_t Id;
        const TGameRow* Row;
    };
    std::vector<TKeyed> keyed;
    keyed.reserve(FGames.size());
    for (const TGameRow* row : FGames)
        keyed.push_back({SortValue(*row, column), row->Id, row});
    const bool ascending = order == Qt::AscendingOrder;
    std::sort(keyed.begin(), keyed.end(), [ascending](const TKeyed& a, const TKeyed& b) {
        const auto x = std::tie(a.Key, a.Id);
        const auto y = std::tie(b.Key, b.Id);
        return ascending ? x < y : y < x;
    });
    beginResetModel();
    for (std::size_t i = 0; i < keyed.size(); ++i)
        FGames[i] = keyed[i].Row;
    endResetModel();
}
