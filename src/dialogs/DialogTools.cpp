#include "dialogs/DialogTools.h"

#include "render/Fonts.h"

#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QWidget>
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

} // namespace

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
