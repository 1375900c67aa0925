#include "access/CellLook.h"

#include "field/MineField.h"

TCellLook LookOf(const TMineField& field, const TSlot& slot)
{
    if (!slot.Shown) {
        if (slot.Marker.empty())
            return TCellLook::Covered;
        return field.IsFlagged(slot) ? TCellLook::Flagged : TCellLook::Undecided;
    }
    // A loss opens a wrong flag with a cross on its face.
    if (slot.FaceText == "X")
        return TCellLook::WrongFlag;
    if (TMineField::IsBomb(slot))
        return TCellLook::Bomb;
    if (slot.Content.empty())
        return TCellLook::Empty;
    return static_cast<TCellLook>(static_cast<int>(TCellLook::One) + (slot.Content[0] - '1'));
}

QString TCellWords::Name(TCellLook look)
{
    switch (look) {
    case TCellLook::Covered: return tr("covered");
    case TCellLook::Flagged: return tr("flagged");
    case TCellLook::Undecided: return tr("?");
    case TCellLook::Empty: return tr("empty");
    case TCellLook::Bomb: return tr("bomb");
    case TCellLook::WrongFlag: return tr("wrong flag");
    default: return QString::number(static_cast<int>(look) - static_cast<int>(TCellLook::One) + 1);
    }
}

QString TCellWords::Place(int col, int row) { return tr("row %1, column %2").arg(row + 1).arg(col + 1); }
