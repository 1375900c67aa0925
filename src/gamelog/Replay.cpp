#include "gamelog/Replay.h"

#include "gamelog/BoardCode.h"

#include <variant>

std::optional<TReplayGame> ReplayGameOf(const TGameRow& row)
{
    auto mines = MinesFromText(row.Mines);
    auto moves = UnpackMoves(row.Moves);
    if (!std::holds_alternative<std::vector<int>>(mines) || !moves)
        return std::nullopt;
    return TReplayGame{row, std::get<std::vector<int>>(std::move(mines)), std::move(*moves)};
}

void DealReplay(TMineField& field, const TReplayGame& game)
{
    // A corner-to-corner game refuses the same clicks again; any other plays
    // by the plain rules.
    const std::string& mode = game.Row.Mode;
    field.NewBoard(game.Row.Width, game.Row.Height, game.Mines,
                   mode == GameModes::CornerToCorner || mode == GameModes::Code ? mode : std::string());
}

void ApplyMove(TMineField& field, const TMove& move)
{
    if (!field.ValidIndex(move.Cell))
        return;
    const TCellPos cell = field.IndexToCell(move.Cell);
    const TSlot& slot = field.Cell(cell.Col, cell.Row);
    switch (move.Kind) {
    case TMoveKind::Left:
        field.ClickCell(cell.Col, cell.Row);
        break;
    case TMoveKind::Auto:
        if (!slot.Cleared)
            field.UncoverCell(cell.Col, cell.Row);
        break;
    case TMoveKind::Right:
        field.ToggleFlag(cell.Col, cell.Row);
        break;
    case TMoveKind::Mark:
        field.CycleMarker(cell.Col, cell.Row); // the replay's field offers "?"
        break;
    case TMoveKind::Chord:
        if (slot.Cleared && !slot.Content.empty())
            field.Chord(move.Cell);
        break;
    }
}
