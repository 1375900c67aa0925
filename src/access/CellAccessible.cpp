#include "access/CellAccessible.h"

#include "access/CellLook.h"
#include "access/FieldAccessible.h"

TCellAccessible::TCellAccessible(TFieldAccessible* table, int col, int row) : FTable(table), FCol(col), FRow(row) {}

bool TCellAccessible::isValid() const
{
    return FTable->isValid() && FCol < FTable->columnCount() && FRow < FTable->rowCount();
}

QAccessibleInterface* TCellAccessible::parent() const { return FTable; }

QAccessibleInterface* TCellAccessible::table() const { return FTable; }

QString TCellAccessible::text(QAccessible::Text type) const
{
    const TPanelMineField& field = FTable->Panel();
    switch (type) {
    case QAccessible::Name: return TCellWords::Name(LookOf(field, field.Cell(FCol, FRow)));
    case QAccessible::Description: return TCellWords::Place(FCol, FRow);
    default: return {};
    }
}

QRect TCellAccessible::rect() const
{
    const TPanelMineField& field = FTable->Panel();
    const TPoint origin = field.CellOrigin(FCol, FRow);
    return {field.mapToGlobal(QPoint(origin.X, origin.Y)), QSize(field.CellWidth(), field.CellHeight())};
}

QAccessible::State TCellAccessible::state() const
{
    const TPanelMineField& field = FTable->Panel();
    QAccessible::State state;
    state.focusable = true;
    state.focused = field.CursorIndex == field.CellToIndex(FCol, FRow);
    state.disabled = !field.isEnabled();
    state.invisible = !field.isVisible();
    return state;
}

void* TCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::TableCellInterface: return static_cast<QAccessibleTableCellInterface*>(this);
    case QAccessible::ActionInterface: return static_cast<QAccessibleActionInterface*>(this);
    default: return nullptr;
    }
}

QStringList TCellAccessible::actionNames() const { return {pressAction(), toggleAction()}; }

void TCellAccessible::doAction(const QString& actionName) { FTable->Act(FCol, FRow, actionName); }
