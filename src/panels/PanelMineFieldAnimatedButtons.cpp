#include "panels/PanelMineFieldAnimatedButtons.h"

#include <QMouseEvent>

TPanelMineFieldAnimatedButtons::TPanelMineFieldAnimatedButtons(FieldHost& host, QWidget* parent,
                                                               TimeSource& time)
    : TPanelMineField(host, parent, time)
{
}

void TPanelMineFieldAnimatedButtons::PressNeighbours(int i)
{
    for (int k = 0; k < kNeighbourCount; ++k)
        PressIndex(Neighbour(i, k));
}

void TPanelMineFieldAnimatedButtons::RedrawNeighbours(int i)
{
    for (int k = 0; k < kNeighbourCount; ++k)
        RedrawIndex(Neighbour(i, k));
}

void TPanelMineFieldAnimatedButtons::LeftDown(int x, int y, bool rightHeld)
{
    TCellPos cell;
    if (!CellAt(x, y, cell))
        return;
    MoveCursorTo(cell.Col, cell.Row);
    PressedCell = cell;
    const TSlot& slot = Cell(cell.Col, cell.Row);
    if (IsFlagged(slot) || slot.Cleared) {
        RedrawForCursor(cell.Col, cell.Row);
    } else {
        DrawPressed(cell.Col, cell.Row, Host.UndecidedChecked() ? "?" : "");
    }
    if (rightHeld) {
        PressNeighbours(CellToIndex(cell.Col, cell.Row));
        BlockPressed = true;
    } else {
        LeftArmed = true;
    }
}

void TPanelMineFieldAnimatedButtons::RightDown(int x, int y, bool leftHeld)
{
    TCellPos cell;
    if (!CellAt(x, y, cell))
        return;
    if (leftHeld) {
        LeftArmed = false;
        PressNeighbours(CellToIndex(cell.Col, cell.Row));
        BlockPressed = true;
    } else {
        TellAction(Host.UndecidedChecked() ? TFieldAction::Mark : TFieldAction::Right, cell.Col, cell.Row);
        CycleMarker(cell.Col, cell.Row);
    }
}

void TPanelMineFieldAnimatedButtons::LeftUp(int x, int y, bool rightHeld)
{
    TCellPos cell;
    if (!CellAt(x, y, cell))
        return;
    PressedCell = {-1, -1};
    BlockPressed = false;
    const int i = CellToIndex(cell.Col, cell.Row);
    const TSlot& slot = Cell(cell.Col, cell.Row);
    if (rightHeld) {
        TellAction(TFieldAction::Chord, cell.Col, cell.Row);
        RedrawCell(cell.Col, cell.Row);
        RedrawNeighbours(i);
        if (slot.Cleared && !slot.Content.empty())
            Chord(i);
        return;
    }
    if (LeftArmed)
        TellAction(TFieldAction::Left, cell.Col, cell.Row);
    if (ClickRefused(cell.Col, cell.Row) || !LeftArmed)
        return;
    LeftArmed = false;
    UncoverCell(cell.Col, cell.Row);
}

void TPanelMineFieldAnimatedButtons::RightUp(int x, int y, bool leftHeld)
{
    TCellPos cell;
    if (!CellAt(x, y, cell))
        return;
    BlockPressed = false;
    if (!leftHeld)
        return;
    TellAction(TFieldAction::Chord, cell.Col, cell.Row);
    const int i = CellToIndex(cell.Col, cell.Row);
    const TSlot& slot = Cell(cell.Col, cell.Row);
    if (slot.Marker.empty())
        RedrawCell(cell.Col, cell.Row);
    RedrawNeighbours(i);
    if (slot.Cleared && !slot.Content.empty())
        Chord(i);
}

void TPanelMineFieldAnimatedButtons::MoveWithLeftHeld(int x, int y, bool rightHeld)
{
    TCellPos cell;
    if (!CellAt(x, y, cell) || cell == PressedCell)
        return;
    if (PressedCell.Col != -1) {
        const TSlot& pressed = Cell(PressedCell.Col, PressedCell.Row);
        if (Host.KeyboardNavigationChecked()) {
            TakeCursorOff();
        } else if (!pressed.Cleared && pressed.Marker.empty()) {
            RedrawCell(PressedCell.Col, PressedCell.Row);
        }
        if (rightHeld)
            RedrawNeighbours(CellToIndex(PressedCell.Col, PressedCell.Row));
    }
    MoveCursorTo(cell.Col, cell.Row);
    if (!DrawPressed(cell.Col, cell.Row, std::string()))
        RedrawForCursor(cell.Col, cell.Row);
    if (rightHeld)
        PressNeighbours(CellToIndex(cell.Col, cell.Row));
    PressedCell = cell;
}

void TPanelMineFieldAnimatedButtons::PointerLeft()
{
    if (PressedCell.Col != -1) {
        RedrawCell(PressedCell.Col, PressedCell.Row);
        RedrawNeighbours(CellToIndex(PressedCell.Col, PressedCell.Row));
    }
    PressedCell = {-1, -1};
    LeftArmed = false;
    BlockPressed = false;
}

void TPanelMineFieldAnimatedButtons::SimulateLeftClick(int x, int y)
{
    LeftArmed = true;
    LeftUp(x, y, false);
}

void TPanelMineFieldAnimatedButtons::LeftClickAt(int col, int row)
{
    const TPoint p = CellOrigin(col, row);
    LeftDown(p.X, p.Y, false);
    LeftUp(p.X, p.Y, false);
}

void TPanelMineFieldAnimatedButtons::RightClickAt(int col, int row)
{
    const TPoint p = CellOrigin(col, row);
    RightDown(p.X, p.Y, false);
    RightUp(p.X, p.Y, false);
}

void TPanelMineFieldAnimatedButtons::DualClickAt(int col, int row)
{
    const TPoint p = CellOrigin(col, row);
    LeftDown(p.X, p.Y, false);
    RightDown(p.X, p.Y, true);
    LeftUp(p.X, p.Y, true);
    RightUp(p.X, p.Y, false);
}

// --- Qt events --------------------------------------------------------------

void TPanelMineFieldAnimatedButtons::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    FPointerOutside = false;
    if (event->button() == Qt::LeftButton)
        LeftDown(p.x(), p.y(), event->buttons().testFlag(Qt::RightButton));
    else if (event->button() == Qt::RightButton)
        RightDown(p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton));
}

void TPanelMineFieldAnimatedButtons::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    // A release outside the panel comes after the pointer left it, even when
    // no move outside was reported first; just above or left of the panel the
    // point still maps to row or column 0.
    if (!rect().contains(p))
        PointerWentOutside();
    if (event->button() == Qt::LeftButton)
        LeftUp(p.x(), p.y(), event->buttons().testFlag(Qt::RightButton));
    else if (event->button() == Qt::RightButton)
        RightUp(p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton));
}

void TPanelMineFieldAnimatedButtons::mouseMoveEvent(QMouseEvent* event)
{
    if (!event->buttons().testFlag(Qt::LeftButton))
        return;
    const QPoint p = event->position().toPoint();
    // While a button is held the panel keeps the pointer; crossing its edge
    // cancels the press just as leaving it does, each time it is crossed.
    if (!rect().contains(p)) {
        PointerWentOutside();
        return;
    }
    FPointerOutside = false;
    MoveWithLeftHeld(p.x(), p.y(), event->buttons().testFlag(Qt::RightButton));
}

void TPanelMineFieldAnimatedButtons::PointerWentOutside()
{
    if (FPointerOutside)
        return;
    FPointerOutside = true;
    PointerLeft();
}

void TPanelMineFieldAnimatedButtons::leaveEvent(QEvent* event)
{
    PointerLeft();
    QWidget::leaveEvent(event);
}

// --- Keyboard ---------------------------------------------------------------

bool TPanelMineFieldAnimatedButtons::HandleNavigationKey(int key, bool down)
{
    if (!ValidIndex(CursorIndex))
        return false;
    const TCellPos cursor = IndexToCell(CursorIndex);
    const TPoint p = CellOrigin(cursor.Col, cursor.Row);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const int from = CursorIndex;
        const int target = ArrowTarget(*this, key, from);
        if (target == -1)
            return true;
        if (BlockPressed) {
            // The three cells that leave the 3 x 3 block get their own look back.
            int leaving[3] = {-1, -1, -1};
            switch (key) {
            case Qt::Key_Left: leaving[0] = UpRightOf(from), leaving[1] = RightOf(from), leaving[2] = DownRightOf(from); break;
            case Qt::Key_Up: leaving[0] = DownLeftOf(from), leaving[1] = DownOf(from), leaving[2] = DownRightOf(from); break;
            case Qt::Key_Right: leaving[0] = UpLeftOf(from), leaving[1] = LeftOf(from), leaving[2] = DownLeftOf(from); break;
            default: leaving[0] = UpLeftOf(from), leaving[1] = UpOf(from), leaving[2] = UpRightOf(from); break;
            }
            for (int i : leaving)
                RedrawIndex(i);
        }
        if (BlockPressed)
            CellAtIndex(from).HasCursor = false; // still inside the pressed block
        else
            TakeCursorOff();
        CellAtIndex(target).HasCursor = true;
        CursorIndex = target;
        if (BlockPressed) {
            PressIndex(target);
            PressNeighbours(target);
        } else {
            RedrawIndex(target);
        }
        return true;
    }
    case Qt::Key_D:
        if (down)
            LeftDown(p.X, p.Y, true);
        else
            LeftUp(p.X, p.Y, true);
        return false;
    case Qt::Key_F:
        RightDown(p.X, p.Y, false);
        return false;
    case Qt::Key_S:
        if (down)
            LeftDown(p.X, p.Y, false);
        else
            LeftUp(p.X, p.Y, false);
        return false;
    default:
        return false;
    }
}
