#include "dialogs/DialogTools.h"

#include "i18n/Translations.h"
#include "render/Fonts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

class TEnterExitFilter : public QObject {
public:
    TEnterExitFilter(QObject* parent, std::function<void()> onEnter, std::function<void()> onExit)
        : QObject(parent), FOnEnter(std::move(onEnter)), FOnExit(std::move(onExit))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto type = event->type();
        if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A control disabled while it has the focus hands the focus on
            // without being left: nothing of it was confirmed by the player.
            const bool disabled = type == QEvent::FocusOut && !static_cast<QWidget*>(watched)->isEnabled();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !disabled) {
                const auto& handler = type == QEvent::FocusIn ? FOnEnter : FOnExit;
                if (handler)
                    handler();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> FOnEnter;
    std::function<void()> FOnExit;
};

bool IsTextControl(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget);
}

// Groups and bare panels hold controls placed by hand; any other widget lays
// out its own insides.
bool IsContainer(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) || widget->metaObject() == &QWidget::staticMetaObject;
}

int RightEdge(const QList<QWidget*>& widgets)
{
    int right = 0;
    for (const QWidget* widget : widgets)
        right = std::max(right, widget->x() + widget->width());
    return right;
}

// Widens the too narrow text controls among parent's children, and those
// within its containers; returns how much further right its content reaches.
int WidenChildren(QWidget* parent)
{
    const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const int oldRight = RightEdge(children);
    for (QWidget* child : children) {
        int grow = 0;
        if (IsTextControl(child))
            grow = std::max(0, TextWidth(child) - child->width());
        else if (IsContainer(child))
            grow = WidenChildren(child);
        if (grow == 0)
            continue;
        // What stands to its right on the same row makes room.
        const QRect row = child->geometry();
        for (QWidget* other : children) {
            const QRect place = other->geometry();
            if (other != child && place.x() > row.x() && place.top() <= row.bottom() && place.bottom() >= row.top())
                other->move(place.x() + grow, place.y());
        }
        child->resize(child->width() + grow, child->height());
    }
    return std::max(0, RightEdge(children) - oldRight);
}

} // namespace

int TextWidth(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        // A push button's text only needs its frame around it, not the
        // padding of its size hint.
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + button->width() -
               contents.width();
    }
    return control->sizeHint().width();
}

void FitTexts(QWidget* form)
{
    // The English forms were laid out by hand, to the pixel, and stay so.
    if (CurrentLanguage().isEmpty())
        return;
    const int grow = WidenChildren(form);
    if (grow == 0)
        return;
    const QSize size(form->width() + grow, form->height());
    if (form->minimumSize() == form->maximumSize())
        form->setFixedSize(size);
    else
        form->resize(size);
}

void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height)
{
    dialog->setWindowTitle(caption);
    dialog->setFont(WindowFont());
    dialog->setFixedSize(width, height);
}

void WatchEnterExit(QWidget* widget, std::function<void()> onEnter, std::function<void()> onExit)
{
    widget->installEventFilter(new TEnterExitFilter(widget, std::move(onEnter), std::move(onExit)));
}
