// The list of games of one size and mode: time, 3BV, 3BV/s, efficiency and
// result, newest first, sortable by any column.
#pragma once

#include "gamelog/GameRow.h"
#include "i18n/Translations.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

class THistoryTable : public QAbstractTableModel {
public:
    enum TColumn { Ended, Time, Bbbv, BbbvPerSecond, Efficiency, Result, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // The games, oldest first; the list shows them newest first.
    void SetGames(std::vector<const TGameRow*> games);
    const TGameRow* GameAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Seconds to the millisecond, as numbers reads them.
    static QString TimeText(std::int64_t millis, const QLocale& numbers);
    static QString ResultText(const std::string& result);

private:
    std::vector<const TGameRow*> FGames;
    const QLocale FNumbers = CurrentNumberLocale(); // of the player's language
};
