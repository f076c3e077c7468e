#include "Accessibility.h"

#include "DrawnPlace.h"

#include <QLocale>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace velmar::platform {
namespace {

std::vector<const QMetaObject*>& ownInterfaces()
{
    static std::vector<const QMetaObject*> classes;
    return classes;
}

} // namespace

QRect DrawnAccessibleWidget::rect() const
{
    return drawnOnScreen(widget(), QAccessibleWidget::rect());
}

void* AccessibleValueWidget::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return DrawnAccessibleWidget::interface_cast(type);
}

QString AccessibleValueWidget::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return QLocale().toString(currentValue().toDouble(), 'g', 6);
    return DrawnAccessibleWidget::text(type);
}

void AccessibleValueWidget::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    // Disabled (or inside a disabled panel), the control takes no value from a screen reader either.
    if (ok && widget()->isEnabled())
        setNumber(number);
}

void notifyValueChanged(QObject* control, double value)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent changed(control, value);
    QAccessible::updateAccessibility(&changed);
}

bool hasOwnInterface(const QObject* object)
{
    for (const QMetaObject* mo = object->metaObject(); mo; mo = mo->superClass())
        if (std::ranges::find(ownInterfaces(), mo) != ownInterfaces().end())
            return true;
    return false;
}

void markOwnInterface(const QMetaObject& control)
{
    ownInterfaces().push_back(&control);
}

} // namespace velmar::platform
