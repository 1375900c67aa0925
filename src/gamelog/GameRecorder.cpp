#include "gamelog/GameRecorder.h"

#include "field/MineField.h"
#include "gamelog/Bbbv.h"
#include "gamelog/BoardCode.h"
#include "settings/zorvUtil.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace {

TMoveKind KindOf(TFieldAction action)
{
    switch (action) {
    case TFieldAction::Left: return TMoveKind::Left;
    case TFieldAction::Right: return TMoveKind::Right;
    case TFieldAction::Chord: return TMoveKind::Chord;
    case TFieldAction::Mark: return TMoveKind::Mark;
    case TFieldAction::Auto: break;
    }
    return TMoveKind::Auto;
}

} // namespace

const char* GameModeOf(const TMineField& field)
{
    const std::string mode = field.GamePlayMode();
    if (SameText(mode, GameModes::CornerToCorner))
        return GameModes::CornerToCorner;
    if (SameText(mode, GameModes::Code))
        return GameModes::Code;
    return field.GameNoGuess() ? GameModes::NoGuess : GameModes::Normal;
}

std::string LocalTimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string stamp(text);
    stamp.insert(stamp.size() - 2, ":"); // +0100 becomes +01:00
    return stamp;
}

std::int64_t TGameRecorder::SteadyMillis()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TGameRecorder::TGameRecorder(TSink sink, TClock clock) : FSink(std::move(sink)), FClock(std::move(clock)) {}

void TGameRecorder::BoardReplaced(const TMineField& field)
{
    if (FState == TState::Playing)
        Finish(field, GameResults::Abandoned);
    else if (FState == TState::LossPending)
        Finish(field, GameResults::Lost);
    FState = TState::Idle;
    FMoves.clear();
    FRow = TGameRow{};
}

void TGameRecorder::ActionTaken(const TMineField&, TFieldAction action, int cell)
{
    // An action after a loss comes after an undo: the game goes on.
    if (FState == TState::LossPending)
        FState = TState::Playing;
    const std::int64_t at = FState == TState::Playing ? FClock() - FStartedAt : 0;
    FMoves.push_back({KindOf(action), cell, at});
    switch (action) {
    case TFieldAction::Left: ++FRow.LeftClicks; break;
    case TFieldAction::Right:
    case TFieldAction::Mark: ++FRow.RightClicks; break;
    case TFieldAction::Chord: ++FRow.Chords; break;
    case TFieldAction::Auto: break;
    }
}

void TGameRecorder::FirstUncovering(const TMineField& field, int cell)
{
    if (FState != TState::Idle)
        return;
    FState = TState::Playing;
    FStartedAt = FClock();
    FRow.Height = field.GridDown();
    FRow.Width = field.GridAcross();
    FRow.Bombs = field.BombTotal();
    FRow.Mode = GameModeOf(field);
    FRow.Start = cell;
    FMines.clear();
    for (int i = 0; i < field.CellCount(); ++i)
        if (TMineField::IsBomb(field.CellAtIndex(i)))
            FMines.push_back(i);
    FRow.Bombs = static_cast<int>(FMines.size());
    FRow.Mines = MinesText(FMines);
    FBoardKnown = true;
}

void TGameRecorder::GameEnded(const TMineField& field, bool won)
{
    if (FState != TState::Playing)
        return;
    if (won)
        Finish(field, GameResults::Won);
    else
        FState = TState::LossPending;
}

void TGameRecorder::Close(const TMineField& field) { BoardReplaced(field); }

void TGameRecorder::Finish(const TMineField& field, std::string_view result)
{
    FState = TState::Idle;
    const int n = field.CellCount();
    std::vector<bool> bombs(static_cast<std::size_t>(n));
    std::vector<bool> cleared(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        bombs[static_cast<std::size_t>(i)] = TMineField::IsBomb(field.CellAtIndex(i));
        cleared[static_cast<std::size_t>(i)] = field.CellAtIndex(i).Cleared;
    }
    const TBbbv bbbv = CountBbbv(field.GridAcross(), field.GridDown(), bombs, cleared);
    FRow.Bbbv = bbbv.Total;
    FRow.BbbvDone = result == GameResults::Won ? bbbv.Total : bbbv.Done;
    FRow.Result = std::string(result);
    FRow.Millis = FMoves.empty() ? 0 : FMoves.back().Millis;
    FRow.EndedAt = LocalTimeStamp();
    FRow.Moves = PackMoves(FMoves);
    FSink(std::move(FRow));
    FRow = TGameRow{};
    FMoves.clear();
}
