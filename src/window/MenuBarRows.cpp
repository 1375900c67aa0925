#include "window/MenuBarRows.h"

#include <QAction>
#include <QActionEvent>
#include <QEvent>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionMenuItem>

TMenuBarRows::TMenuBarRows(QWidget* parent) : QMenuBar(parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

std::vector<int> TMenuBarRows::RowsAt(int width) const
{
    // The measures QMenuBar lays its items out with.
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    const int margin = style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    const int spacing = style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    const int room = width - 2 * (frame + margin);
    std::vector<int> rows;
    int row = 0;
    int used = 0;
    for (QAction* action : FItems) {
        QStyleOptionMenuItem option;
        initStyleOption(&option, action);
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, action->text());
        const int item = style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, this).width() + spacing;
        if (used > 0 && used + item > room) {
            ++row;
            used = 0;
        }
        used += item;
        rows.push_back(row);
    }
    return rows;
}

int TMenuBarRows::RowHeight() const { return QMenuBar::heightForWidth(QWIDGETSIZE_MAX); }

int TMenuBarRows::heightForWidth(int width) const
{
    const std::vector<int> rows = RowsAt(width);
    return RowHeight() * (rows.empty() ? 1 : rows.back() + 1);
}

QSize TMenuBarRows::sizeHint() const
{
    const QSize one = QMenuBar::sizeHint();
    return {one.width(), heightForWidth(width())};
}

QSize TMenuBarRows::minimumSizeHint() const
{
    const QSize one = QMenuBar::minimumSizeHint();
    return {one.width(), heightForWidth(width())};
}

void TMenuBarRows::resizeEvent(QResizeEvent* event)
{
    QMenuBar::resizeEvent(event);
    Arrange();
}

void TMenuBarRows::changeEvent(QEvent* event)
{
    QMenuBar::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Arrange();
}

void TMenuBarRows::actionEvent(QActionEvent* event)
{
    if (!FArranging) {
        if (event->type() == QEvent::ActionAdded) {
            const qsizetype before = FItems.indexOf(event->before());
            FItems.insert(before < 0 ? FItems.size() : before, event->action());
            FRows.clear();
        } else if (event->type() == QEvent::ActionRemoved) {
            FItems.removeAll(event->action());
            FRows.clear();
        }
    }
    QMenuBar::actionEvent(event);
}

void TMenuBarRows::Arrange()
{
    if (FArranging)
        return;
    FArranging = true;
    const std::vector<int> rows = RowsAt(width());
    const int count = rows.empty() ? 0 : rows.back();
    while (int(FMoreRows.size()) < count) {
        auto* more = new QMenuBar(this);
        more->setNativeMenuBar(false);
        FMoreRows.push_back(more);
    }
    if (rows != FRows) {
        // Each item lives in one bar only, so that its accelerator is taken
        // once: two bars with the same one would make it ambiguous.
        for (QAction* item : FItems)
            removeAction(item);
        for (QMenuBar* more : FMoreRows)
            more->clear();
        for (int i = 0; i < FItems.size(); ++i)
            (rows[i] == 0 ? static_cast<QMenuBar*>(this) : FMoreRows[rows[i] - 1])->addAction(FItems[i]);
        FRows = rows;
    }
    const int height = RowHeight();
    for (int i = 0; i < int(FMoreRows.size()); ++i) {
        FMoreRows[i]->setGeometry(0, height * (i + 1), width(), height);
        FMoreRows[i]->setVisible(i < count);
    }
    updateGeometry();
    FArranging = false;
}
