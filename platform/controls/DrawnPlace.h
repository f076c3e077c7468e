// Where a widget is seen when an ancestor in its window draws its descendants elsewhere than where they
// lie (a panel drawn scaled): screen readers are told that place, so they point where the user sees it.
#pragma once

#include <QRect>
#include <QTransform>

class QWidget;

namespace velmar::platform {

// Implemented by a widget that draws its descendants transformed. Making one lets the interfaces that
// Qt gives its own widgets inside it report where they are drawn; ours do so themselves.
class DrawsDescendantsElsewhere {
public:
    DrawsDescendantsElsewhere();

    // From this widget's coordinates, where its descendants lie, to where it draws them.
    virtual QTransform drawing() const = 0;

protected:
    ~DrawsDescendantsElsewhere() = default;
};

// `laidOut`, a rectangle on screen where `widget` lies, moved and stretched to where the nearest
// ancestor in its window that draws its descendants elsewhere shows it; as it is without one.
QRect drawnOnScreen(const QWidget* widget, const QRect& laidOut);

} // namespace velmar::platform
