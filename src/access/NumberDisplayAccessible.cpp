#include "access/NumberDisplayAccessible.h"

#include <QLabel>

TNumberDisplayAccessible::TNumberDisplayAccessible(QLabel* display)
    : QAccessibleWidget(display, QAccessible::StaticText)
{
}

QLabel& TNumberDisplayAccessible::Display() const { return *static_cast<QLabel*>(widget()); }

void* TNumberDisplayAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TNumberDisplayAccessible::text(QAccessible::Text type) const
{
    // The clock shows its leading zeros; the value is the number.
    if (type == QAccessible::Value)
        return QString::number(currentValue().toInt());
    return QAccessibleWidget::text(type);
}

QVariant TNumberDisplayAccessible::currentValue() const { return Display().text().toInt(); }
