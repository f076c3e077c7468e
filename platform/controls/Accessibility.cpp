#include "Accessibility.h"

#include "ArcDial.h"
#include "CalloutPanel.h"
#include "FloatSlider.h"
#include "LinkLabel.h"

#include <QAccessible>

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
    return nullptr;
}

} // namespace

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    (void)installed;
}

} // namespace velmar::platform
