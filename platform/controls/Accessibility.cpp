#include "Accessibility.h"

#include "ArcDial.h"
#include "CalloutPanel.h"
#include "ChoiceList.h"
#include "FloatSlider.h"
#include "LinkLabel.h"

#include <QAccessible>
#include <QLocale>

namespace velmar::platform {
namespace {

// Qt asks with each class name up the object's class chain, so subclasses are covered too.
QAccessibleInterface* controlFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(FloatSlider::staticMetaObject.className()))
        return accessibleFloatSlider(static_cast<FloatSlider*>(object));
    if (className == QLatin1String(ArcDial::staticMetaObject.className()))
        return accessibleArcDial(static_cast<ArcDial*>(object));
    if (className == QLatin1String(CalloutPanel::staticMetaObject.className()))
        return accessibleCallout(static_cast<CalloutPanel*>(object));
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return accessibleLinkLabel(static_cast<LinkLabel*>(object));
    if (className == QLatin1String(ChoiceList::staticMetaObject.className()))
        return accessibleChoiceList(static_cast<ChoiceList*>(object));
    return nullptr;
}

} // namespace

void* AccessibleValueWidget::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleValueWidget::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return QLocale().toString(currentValue().toDouble(), 'g', 6);
    return QAccessibleWidget::text(type);
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

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    (void)installed;
}

} // namespace velmar::platform
