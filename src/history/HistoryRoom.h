// The game history of this run: the recorder that follows the field, and the
// database, opened (and made) when the first game ends. Whatever keeps it from
// recording is told once, and the game plays on.
#pragma once

#include "gamelog/GameDatabase.h"
#include "gamelog/GameRecorder.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class THistoryRoom {
    Q_DECLARE_TR_FUNCTIONS(THistoryRoom)

public:
    static constexpr const char* kFileName = "DravoltGames.sqlite";
    using TTell = std::function<void(const QString&)>;

    // The file in the given folder; tell shows a message to the player.
    THistoryRoom(std::string folder, TTell tell);

    // Off: no game is recorded, and the file is neither made, read nor written.
    void SetEnabled(bool on) { FEnabled = on; }
    bool Enabled() const { return FEnabled; }
    TGameRecorder& Recorder() { return FRecorder; }

    // Every game, oldest first, without moves; none while the file is not
    // there yet.
    std::vector<TGameRow> Games();
    std::optional<TGameRow> Game(std::int64_t id);
    // Records one game: what the benchmarks measure.
    void Record(TGameRow&& row);

private:
    bool Ready(bool create);

    std::string FPath;
    TTell FTell;
    TGameRecorder FRecorder;
    TGameDatabase FDatabase;
    bool FEnabled = true;
    bool FGivenUp = false; // told why; nothing more this run
};
