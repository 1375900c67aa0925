#include "access/FieldAccessible.h"

#include "access/Accessibility.h"
#include "access/CellAccessible.h"

#include <QTimer>

namespace {

// More changed cells than this are told as one change of the whole table: a
// flood of thousands of events would hold up the desktop's bus.
constexpr qsizetype kCellEventLimit = 32;

} // namespace

TFieldAccessible::TFieldAccessible(TPanelMineField* panel) : QAccessibleWidget(panel, QAccessible::Table)
{
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

TFieldAccessible::~TFieldAccessible()
{
    QAccessible::removeActivationObserver(this);
    // The panel may be gone already: the interface goes with its widget.
    if (auto* panel = qobject_cast<TPanelMineField*>(object()))
        panel->SetListener(nullptr);
    ForgetCells();
}

void TFieldAccessible::accessibilityActiveChanged(bool active)
{
    // Without an assistive technology the panel tells nobody: its redraws
    // cost what they always did.
    Panel().SetListener(active ? this : nullptr);
    if (active)
        Remember();
}

TPanelMineField& TFieldAccessible::Panel() const { return *static_cast<TPanelMineField*>(widget()); }

void* TFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TFieldAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Description)
        return Ending();
    return QAccessibleWidget::text(type);
}

int TFieldAccessible::columnCount() const { return Panel().GridAcross(); }
int TFieldAccessible::rowCount() const { return Panel().GridDown(); }
int TFieldAccessible::childCount() const { return Panel().CellCount(); }

QAccessibleInterface* TFieldAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const int index = Panel().CellToIndex(column, row);
    if (const auto known = FCells.constFind(index); known != FCells.cend())
        return QAccessible::accessibleInterface(*known);
    auto* cell = new TCellAccessible(const_cast<TFieldAccessible*>(this), column, row);
    FCells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* TFieldAccessible::child(int index) const
{
    if (!Panel().ValidIndex(index))
        return nullptr;
    const TCellPos cell = Panel().IndexToCell(index);
    return cellAt(cell.Row, cell.Col);
}

int TFieldAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || cell->table() != this)
        return -1;
    return Panel().CellToIndex(cell->columnIndex(), cell->rowIndex());
}

QAccessibleInterface* TFieldAccessible::childAt(int x, int y) const
{
    const QPoint local = Panel().mapFromGlobal(QPoint(x, y));
    TCellPos cell;
    if (!Panel().rect().contains(local) || !Panel().CellAt(local.x(), local.y(), cell))
        return nullptr;
    return cellAt(cell.Row, cell.Col);
}

QAccessibleInterface* TFieldAccessible::focusChild() const { return child(Panel().CursorIndex); }

void TFieldAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    // Tell has already settled the cells of the change it sends.
}

void TFieldAccessible::ForgetCells()
{
    for (const QAccessible::Id id : std::as_const(FCells))
        QAccessible::deleteAccessibleInterface(id);
    FCells.clear();
}

QString TFieldAccessible::Ending() const
{
    const TPanelMineField& field = Panel();
    // A game ends with the panel switched off; a flood switches it off too,
    // but only while it runs.
    if (field.isEnabled() || field.CellCount() == 0)
        return {};
    for (int i = 0; i < field.CellCount(); ++i) {
        const TSlot& slot = field.CellAtIndex(i);
        if (slot.Shown && TMineField::IsBomb(slot))
            return tr("Lost");
    }
    if (field.Won())
        return tr("Won in %1 seconds").arg(ShownSeconds());
    return {};
}

void TFieldAccessible::Remember()
{
    const TPanelMineField& field = Panel();
    FAcross = field.GridAcross();
    FDown = field.GridDown();
    FLooks.resize(static_cast<std::size_t>(field.CellCount()));
    for (int i = 0; i < field.CellCount(); ++i)
        FLooks[static_cast<std::size_t>(i)] = LookOf(field, field.CellAtIndex(i));
    FFocus = field.CursorIndex;
    FEnding = Ending();
}

void TFieldAccessible::CellsChanged()
{
    // The cells are told once the action that changes them is over.
    if (FTellPending)
        return;
    FTellPending = true;
    QTimer::singleShot(0, widget(), [this] { Tell(); });
}

void TFieldAccessible::Tell()
{
    FTellPending = false;
    const TPanelMineField& field = Panel();
    if (field.GridAcross() != FAcross || field.GridDown() != FDown) {
        // A new grid: the cells asked for so far stand for places that may be gone.
        ForgetCells();
        Remember();
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    } else {
        QList<int> changed;
        for (int i = 0; i < field.CellCount(); ++i) {
            const TCellLook look = LookOf(field, field.CellAtIndex(i));
            if (look != FLooks[static_cast<std::size_t>(i)]) {
                FLooks[static_cast<std::size_t>(i)] = look;
                changed.append(i);
            }
        }
        if (changed.size() > kCellEventLimit) {
            QAccessibleTableModelChangeEvent data(this, QAccessibleTableModelChangeEvent::DataChanged);
            data.setFirstRow(0);
            data.setLastRow(FDown - 1);
            data.setFirstColumn(0);
            data.setLastColumn(FAcross - 1);
            QAccessible::updateAccessibility(&data);
        } else {
            for (const int i : std::as_const(changed)) {
                QAccessibleEvent name(child(i), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&name);
            }
        }
    }
    if (field.CursorIndex != FFocus) {
        FFocus = field.CursorIndex;
        if (QAccessibleInterface* cursor = child(FFocus)) {
            QAccessibleEvent focus(cursor, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
    if (const QString ending = Ending(); ending != FEnding) {
        FEnding = ending;
        QAccessibleEvent told(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&told);
    }
}

void TFieldAccessible::Act(int col, int row, const QString& action)
{
    QTimer::singleShot(0, widget(), [this, col, row, action] {
        TPanelMineField& field = Panel();
        // A game over, or a grid that changed meanwhile, takes no clicks.
        if (!field.isEnabled() || col >= field.GridAcross() || row >= field.GridDown())
            return;
        if (action == QAccessibleActionInterface::pressAction()) {
            if (field.Cell(col, row).Cleared)
                field.DualClickAt(col, row);
            else
                field.LeftClickAt(col, row);
        } else if (action == QAccessibleActionInterface::toggleAction()) {
            field.RightClickAt(col, row);
        }
    });
}
