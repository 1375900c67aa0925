// Follows a field's play and makes the row of each game that ends: won at
// once; lost once the loss stands (the next game or the close, since an undo
// takes it back); abandoned when a new board replaces a game that had begun.
// A game begins with its first uncovering; before it nothing is recorded.
#pragma once

#include "field/FieldObserver.h"
#include "gamelog/GameRow.h"
#include "gamelog/MoveRecord.h"

#include <functional>
#include <string_view>
#include <vector>

class TGameRecorder : public FieldObserver {
public:
    using TClock = std::function<std::int64_t()>; // milliseconds, steadily rising
    using TSink = std::function<void(TGameRow&&)>;

    explicit TGameRecorder(TSink sink, TClock clock = SteadyMillis);

    void BoardReplaced(const TMineField& field) override;
    void ActionTaken(const TMineField& field, TFieldAction action, int cell) override;
    void FirstUncovering(const TMineField& field, int cell) override;
    void GameEnded(const TMineField& field, bool won) override;

    // The program closes: a loss stands, a game in progress is abandoned.
    void Close(const TMineField& field);
    // The board of the game in progress or the last one; false before any.
    bool HasBoard() const { return FBoardKnown; }
    int Height() const { return FRow.Height; }
    int Width() const { return FRow.Width; }
    int Start() const { return FRow.Start; }
    const std::vector<int>& Mines() const { return FMines; }

    static std::int64_t SteadyMillis();

private:
    enum class TState { Idle, Playing, LossPending };
    void Finish(const TMineField& field, std::string_view result);

    TSink FSink;
    TClock FClock;
    TState FState = TState::Idle;
    std::int64_t FStartedAt = 0;
    TGameRow FRow;
    std::vector<TMove> FMoves;
    std::vector<int> FMines;
    bool FBoardKnown = false;
};

// The mode a field's current game is recorded under.
const char* GameModeOf(const TMineField& field);
// The local date and time now, ISO 8601 with the offset ("2026-12-08T12:00:00+01:00").
std::string LocalTimeStamp();
