#include "DrawnPlace.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace velmar::platform {
namespace {

// A pop-up is a window of its own, placed where it is seen: the search ends at the window.
const QWidget* drawingAncestor(const QWidget* widget)
{
    for (const QWidget* w = widget; !w->isWindow();) {
        w = w->parentWidget();
        if (!w)
            break;
        if (dynamic_cast<const DrawsDescendantsElsewhere*>(w))
            return w;
    }
    return nullptr;
}

// The interface Qt gives one of its own widgets, by its id (it stays registered as long as the widget
// lives), with the drawn rectangle. Qt's interfaces for its widgets are not public to derive from, so
// this one answers for the widget and hands everything else on. It is made once, the first time the
// widget's interface is asked for; Qt keeps both under the widget and returns the later one, this.
class DrawnQtInterface : public QAccessibleInterface {
public:
    DrawnQtInterface(QWidget* widget, QAccessible::Id inner) : m_widget(widget), m_inner(inner) {}

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
    // What Qt reports (for a check box, its indicator), moved and stretched to where it is drawn.
    QRect rect() const override { return drawnOnScreen(m_widget, inner()->rect()); }
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

// The widgets whose interface Qt is making right now for this factory to wrap: for those alone it
// stands aside meanwhile, so Qt's own factory answers.
std::vector<const QObject*>& beingWrapped()
{
    static std::vector<const QObject*> widgets;
    return widgets;
}

QAccessibleInterface* wrapQtInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || hasOwnInterface(object) ||
        std::ranges::find(beingWrapped(), object) != beingWrapped().end())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!drawingAncestor(widget))
        return nullptr;
    beingWrapped().push_back(object);
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
    beingWrapped().pop_back();
    return inner ? new DrawnQtInterface(widget, QAccessible::uniqueId(inner)) : nullptr;
}

} // namespace

DrawsDescendantsElsewhere::DrawsDescendantsElsewhere()
{
    // Before any descendant is made, so that the first interface asked for one is the wrapped one.
    static const bool installed = [] {
        QAccessible::installFactory(wrapQtInterface);
        return true;
    }();
    (void)installed;
}

QRect drawnOnScreen(const QWidget* widget, const QRect& laidOut)
{
    const QWidget* ancestor = widget ? drawingAncestor(widget) : nullptr;
    if (!ancestor || laidOut.isNull())
        return laidOut;
    const QTransform drawing = dynamic_cast<const DrawsDescendantsElsewhere*>(ancestor)->drawing();
    const QRect drawn =
        drawing.mapRect(QRectF(ancestor->mapFromGlobal(laidOut.topLeft()), laidOut.size())).toAlignedRect();
    return QRect(ancestor->mapToGlobal(drawn.topLeft()), drawn.size());
}

} // namespace velmar::platform
