#include "DrawnAccessibility.h"

#include "ScaledLayout.h"

#include "platform/controls/Accessibility.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>

namespace velmar::panel {
namespace {

const ScaledLayout* layoutAround(const QWidget* widget)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (auto* layout = qobject_cast<const ScaledLayout*>(w))
            return layout;
    return nullptr;
}

// The interface Qt would give the control, by its id (it stays registered), with the drawn rectangle.
class DrawnInterface : public QAccessibleInterface {
public:
    DrawnInterface(QWidget* widget, QAccessible::Id inner) : m_widget(widget), m_inner(inner) {}

    bool isValid() const override { return m_widget && inner() && inner()->isValid(); }
    QObject* object() const override { return m_widget; }
    QWindow* window() const override { return inner()->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return inner()->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return inner()->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }
    QAccessibleInterface* parent() const override { return inner()->parent(); }
    QAccessibleInterface* child(int index) const override { return inner()->child(index); }
    int childCount() const override { return inner()->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return inner()->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return inner()->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { inner()->setText(t, text); }
    QRect rect() const override
    {
        // What Qt reports (for a check box, its indicator), moved and stretched to where it is drawn.
        const QRect design = inner()->rect();
        const ScaledLayout* layout = m_widget ? layoutAround(m_widget) : nullptr;
        if (!layout || design.isNull())
            return design;
        const QRect drawn =
            layout->drawing().mapRect(QRectF(layout->mapFromGlobal(design.topLeft()), design.size())).toAlignedRect();
        return QRect(layout->mapToGlobal(drawn.topLeft()), drawn.size());
    }
    QAccessible::Role role() const override { return inner()->role(); }
    QAccessible::State state() const override { return inner()->state(); }
    QColor foregroundColor() const override { return inner()->foregroundColor(); }
    QColor backgroundColor() const override { return inner()->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return inner()->interface_cast(type); }
    void virtual_hook(int id, void* data) override { inner()->virtual_hook(id, data); }

private:
    QAccessibleInterface* inner() const { return QAccessible::accessibleInterface(m_inner); }

    QPointer<QWidget> m_widget;
    QAccessible::Id m_inner;
};

bool g_askingInner = false;

QAccessibleInterface* drawnFactory(const QString&, QObject* object)
{
    if (g_askingInner || !object || !object->isWidgetType() || !layoutAround(static_cast<QWidget*>(object)))
        return nullptr;
    // The interface the other factories make; it stays registered under its own id, and this one takes
    // the object's place in the register.
    g_askingInner = true;
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
    g_askingInner = false;
    return inner ? new DrawnInterface(static_cast<QWidget*>(object), QAccessible::uniqueId(inner)) : nullptr;
}

} // namespace

void reportDrawnRectangles()
{
    static const bool installed = [] {
        // After the controls' own factories, so that this one is asked first.
        platform::installControlAccessibility();
        QAccessible::installFactory(drawnFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace velmar::panel
