// What screen readers learn of the controls Qt does not know: their role, state, value and range.
#pragma once

#include <QAccessibleWidget>

class QObject;

namespace velmar::platform {

// A control with a value: role, value text in the user's locale, and setting the value.
class AccessibleValueWidget : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override;
    // The value as the user's locale writes it, without trailing noise ("1.6", "39").
    QString text(QAccessible::Text type) const override;
    void setCurrentValue(const QVariant& value) override;

protected:
    virtual void setNumber(double value) = 0;
};

// Tells assistive technology that `control`'s value changed; nothing when none is listening.
void notifyValueChanged(QObject* control, double value);

class FloatSlider;
class ArcDial;
class CalloutPanel;
class LinkLabel;
class ChoiceList;

// Each defined beside its control.
QAccessibleInterface* accessibleFloatSlider(FloatSlider* slider);
QAccessibleInterface* accessibleArcDial(ArcDial* dial);
QAccessibleInterface* accessibleCallout(CalloutPanel* panel);
QAccessibleInterface* accessibleLinkLabel(LinkLabel* link);
QAccessibleInterface* accessibleChoiceList(ChoiceList* list);

// Registers the interfaces above with Qt's accessibility, once per process; each control calls it
// before its interface can be asked for.
void installControlAccessibility();

} // namespace velmar::platform
