// The field panel as an assistive technology reads it: a table of the grid's
// rows and columns whose cells are named after what they show. Qt builds it
// when the panel first shows, but only while an assistive technology is
// active does it listen to the panel: once the action that changed the cells
// is over, it tells what changed: each cell whose name changed, or the whole
// table at once when a flood opened many; the keyboard cursor as the focus;
// the game's end as the table's description.
#pragma once

#include "access/CellLook.h"
#include "panels/PanelMineField.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>

#include <vector>

class TFieldAccessible : public QAccessibleWidget,
                         public QAccessibleTableInterface,
                         private TFieldListener,
                         private QAccessible::ActivationObserver {
    Q_DECLARE_TR_FUNCTIONS(TFieldAccessible)

public:
    explicit TFieldAccessible(TPanelMineField* panel);
    ~TFieldAccessible() override;

    TPanelMineField& Panel() const;
    // Plays an action of the cell's, after the caller has returned: a win's
    // name prompt must not hold up the assistive technology's call.
    void Act(int col, int row, const QString& action);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // --- QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    void CellsChanged() override;
    void accessibilityActiveChanged(bool active) override;
    // Tells what changed since the last time.
    void Tell();
    // "Won in 97 seconds", "Lost", or nothing while a game goes on.
    QString Ending() const;
    void Remember();
    void ForgetCells();

    bool FTellPending = false;
    int FAcross = 0;
    int FDown = 0;
    std::vector<TCellLook> FLooks; // as last told, by linear index
    int FFocus = -1;
    QString FEnding;
    mutable QHash<int, QAccessible::Id> FCells; // the cells asked for so far
};
