#include "DisabledDimming.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QWidget>

namespace velmar::platform {
namespace {
// Marks the effects this mechanism owns; a widget with an effect of its own keeps it undimmed.
const char* const kEffectName = "disabledDimming";

QGraphicsOpacityEffect* dimmingOf(const QWidget* widget)
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
    return effect && effect->objectName() == QLatin1String(kEffectName) ? effect : nullptr;
}
} // namespace

void DisabledDimming::install(QWidget* root)
{
    auto* dimming = new DisabledDimming(root);
    root->installEventFilter(dimming);
    update(root);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        widget->installEventFilter(dimming);
        update(widget);
    }
}

qreal DisabledDimming::drawnOpacity(const QWidget* widget)
{
    qreal opacity = 1;
    for (; widget; widget = widget->parentWidget())
        if (const QGraphicsOpacityEffect* effect = dimmingOf(widget); effect && effect->isEnabled())
            opacity *= effect->opacity();
    return opacity;
}

bool DisabledDimming::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && watched->isWidgetType())
        update(static_cast<QWidget*>(watched));
    return false;
}

void DisabledDimming::update(QWidget* widget)
{
    // Only a widget disabled in its own right adds a level; one disabled through its parent is drawn
    // inside the parent's dimming already.
    const bool ownLevel = widget->testAttribute(Qt::WA_ForceDisabled);
    QGraphicsOpacityEffect* effect = dimmingOf(widget);
    if (!effect) {
        if (!ownLevel || widget->graphicsEffect())
            return;
        effect = new QGraphicsOpacityEffect(widget);
        effect->setObjectName(QLatin1String(kEffectName));
        effect->setOpacity(kOpacity);
        widget->setGraphicsEffect(effect);
    }
    effect->setEnabled(ownLevel);
}

} // namespace velmar::platform
