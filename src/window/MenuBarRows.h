// A menu bar that shows every menu at every width: the menus that do not fit
// its row go on to further rows below it, and the bar grows by those rows,
// instead of hiding behind an extension button. A menu moves to a lower row
// with its item (and the item's accelerator), so actions() holds the items of
// the first row only.
#pragma once

#include <QMenuBar>
#include <vector>

class TMenuBarRows : public QMenuBar {
public:
    explicit TMenuBarRows(QWidget* parent);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // The row of each item at `width`.
    std::vector<int> RowsAt(int width) const;
    int RowHeight() const;
    void Arrange();

    QList<QAction*> FItems;           // every menu's item, in order, whichever row shows it
    std::vector<int> FRows;           // the row each item is on
    std::vector<QMenuBar*> FMoreRows; // the rows below the bar's own, made as needed
    bool FArranging = false;
};
