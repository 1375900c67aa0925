// The bomb counter and the clock: a label named for what it counts, whose
// number is its value.
#pragma once

#include <QAccessibleWidget>

class QLabel;

class TNumberDisplayAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TNumberDisplayAccessible(QLabel* display);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    QLabel& Display() const;
};
