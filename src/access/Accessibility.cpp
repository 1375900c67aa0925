#include "access/Accessibility.h"

#include "access/FieldAccessible.h"
#include "access/NumberDisplayAccessible.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace {

// Marks the labels that show a number, for the factory.
constexpr char kNumberDisplay[] = "dravoltNumberDisplay";

struct TAccessTexts {
    Q_DECLARE_TR_FUNCTIONS(TAccessTexts)
};

QPointer<QLabel>& Clock()
{
    static QPointer<QLabel> clock;
    return clock;
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* panel = qobject_cast<TPanelMineField*>(object))
        return new TFieldAccessible(panel);
    if (auto* label = qobject_cast<QLabel*>(object); label && label->property(kNumberDisplay).toBool())
        return new TNumberDisplayAccessible(label);
    return nullptr;
}

} // namespace

void InstallAccessibility(QLabel* counter, QLabel* clock)
{
    QAccessible::installFactory(Factory);
    for (QLabel* display : {counter, clock}) {
        display->setProperty(kNumberDisplay, true);
        // Qt builds a label's plain interface as soon as its text is set:
        // dropped, the next query builds the one with the value.
        QAccessibleInterface* built = QAccessible::queryAccessibleInterface(display);
        if (!built->valueInterface())
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
    counter->setAccessibleName(TAccessTexts::tr("Bombs left"));
    clock->setAccessibleName(TAccessTexts::tr("Time"));
    Clock() = clock;
}

void SetDisplayedNumber(QLabel* display, const QString& text)
{
    if (display->text() == text)
        return;
    display->setText(text);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(display, text.toInt());
        QAccessible::updateAccessibility(&changed);
    }
}

int ShownSeconds() { return Clock() ? Clock()->text().toInt() : 0; }
