// What the interfaces of the controls Qt does not know share: placing themselves where the control is
// drawn, the value, and how each control registers its own interface.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

class QMetaObject;
class QObject;

namespace velmar::platform {

// A control's interface that tells screen readers where the control is drawn (see DrawnPlace.h).
class DrawnAccessibleWidget : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QRect rect() const override;
};

// A control with a value: role, value text in the user's locale, and setting the value.
class AccessibleValueWidget : public DrawnAccessibleWidget, public QAccessibleValueInterface {
public:
    using DrawnAccessibleWidget::DrawnAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override;
    // The value as the user's locale writes it, without trailing noise ("1.6", "39").
    QString text(QAccessible::Text type) const override;
    void setCurrentValue(const QVariant& value) override;

protected:
    virtual void setNumber(double value) = 0;
};

// Tells assistive technology that `control`'s value changed; nothing when none is listening.
void notifyValueChanged(QObject* control, double value);

// Whether a class of `object`'s gives its own interface, which then places itself where it is drawn.
bool hasOwnInterface(const QObject* object);
void markOwnInterface(const QMetaObject& control);

// Gives screen readers an `Interface` for every `Control`, and for every subclass without an interface
// of its own. Called first thing in the control's constructor, so it is in place before anything asks
// for the control's interface (which Qt then keeps); it registers once per process.
template <typename Control, typename Interface>
void registerAccessible()
{
    static const bool registered = [] {
        markOwnInterface(Control::staticMetaObject);
        // Qt asks with each class name up the object's class chain, most derived first.
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className != QLatin1String(Control::staticMetaObject.className()))
                return nullptr;
            return new Interface(static_cast<Control*>(object));
        });
        return true;
    }();
    (void)registered;
}

} // namespace velmar::platform
