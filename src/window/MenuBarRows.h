// A menu bar that shows every menu at every width: the menus that do not fit
// its row go on to further rows below it, and the bar grows by those rows,
// instead of hiding behind an extension button.
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

private:
    // The row of each of the bar's own actions (in order) at `width`.
    std::vector<int> RowsAt(int width) const;
    int RowHeight() const;
    void Arrange();

    std::vector<QMenuBar*> FMoreRows; // the rows below the bar's own, made as needed
    bool FArranging = false;
};
