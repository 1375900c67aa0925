#include "history/HistoryRoom.h"

#include "gamelog/SqliteLibrary.h"

#include <QDate>

#include <filesystem>

THistoryRoom::THistoryRoom(std::string folder, TTell tell)
    : FPath(std::move(folder) + "/" + kFileName), FTell(std::move(tell)),
      FRecorder([this](TGameRow&& row) { Record(std::move(row)); })
{
}

bool THistoryRoom::Ready(bool create)
{
    if (!FEnabled || FGivenUp)
        return false;
    if (FDatabase.IsOpen())
        return true;
    std::error_code error;
    if (!create && !std::filesystem::exists(FPath, error))
        return false;
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    switch (FDatabase.Open(FPath, today)) {
    case TDatabaseOpen::Ready: return true;
    case TDatabaseOpen::Renamed:
        FTell(tr("The game history %1 was damaged, so it has been renamed %2 and a new one started.")
                  .arg(QString::fromLatin1(kFileName),
                       QString::fromStdString(std::filesystem::path(FDatabase.RenamedTo()).filename().string())));
        return true;
    case TDatabaseOpen::Newer:
        FTell(tr("The game history %1 was written by a newer version of Dravolt, so this one neither shows nor "
                 "records games in it.")
                  .arg(QString::fromLatin1(kFileName)));
        break;
    case TDatabaseOpen::Unwritable:
        FTell(tr("The game history %1 cannot be written in this folder, so no games are recorded until Dravolt "
                 "starts again.")
                  .arg(QString::fromLatin1(kFileName)));
        break;
    case TDatabaseOpen::NoLibrary:
        FTell(tr("No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.")
                  .arg(QString::fromLatin1(kFileName), QString::fromLatin1(kSqliteLibrary)));
        break;
    }
    FGivenUp = true;
    return false;
}

std::vector<TGameRow> THistoryRoom::Games() { return Ready(false) ? FDatabase.Games() : std::vector<TGameRow>{}; }

std::optional<TGameRow> THistoryRoom::Game(std::int64_t id)
{
    return Ready(false) ? FDatabase.Game(id) : std::nullopt;
}

void THistoryRoom::Record(TGameRow&& row)
{
    if (!Ready(true) || FDatabase.Record(row))
        return;
    FGivenUp = true;
    FTell(tr("This game could not be written to the game history %1, so no more games are recorded until Dravolt "
             "starts again.")
              .arg(QString::fromLatin1(kFileName)));
}
