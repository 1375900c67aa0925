// The largest chord: a 100 x 60 field whose only bomb sits flagged in the
// top-left corner, with the "1" beside it already open. A dual click on that
// "1" opens the 5,998 cells still covered and wins the game.
#pragma once

#include "field/MineField.h"

#include <initializer_list>
#include <utility>

// Deals a new game on field (any bomb total is replaced) and leaves
// ClickPoint on the open "1"; the caller then calls DualClick().
inline void SetUpCornerChord(TMineField& field)
{
    field.SetSlotsAcross(100);
    field.SetSlotsDown(60);
    field.SetBombTotal(0);
    field.NewGame(false);
    field.SetBombTotal(1);
    field.SetSafeCellTotal(field.CellCount() - 1);
    field.SetBombsLeft(1);

    // The bomb stays covered under its flag, so its face is never drawn.
    TSlot& bomb = field.Cell(0, 0);
    bomb.Content = bomb.FaceText = "M";
    for (const auto& [col, row] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
        TSlot& number = field.Cell(col, row);
        number.Content = number.FaceText = "1";
        number.BaseTextColor = number.TextColor = NumberColor("1");
    }
    field.ToggleFlag(0, 0);
    field.OpenCell(1, 0, true);
    field.RedrawCell(1, 0);
    field.ClearedCount = 1;
    field.ClickPoint = field.CellOrigin(1, 0);
}
