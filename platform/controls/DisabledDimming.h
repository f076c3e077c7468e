// The disabled look of the panel: every widget disabled in its own right draws at 0.8 opacity, so the
// levels multiply (a disabled control inside a disabled panel draws at 0.64). Pointer input is already
// refused by Qt for a disabled widget and everything inside it.
#pragma once

#include <QObject>

class QWidget;

namespace velmar::platform {

class DisabledDimming : public QObject {
    Q_OBJECT
public:
    static constexpr qreal kOpacity = 0.8;

    // Watches `root` and every widget inside it now; the dimming lives as long as `root`.
    static void install(QWidget* root);
    // The opacity `widget` is drawn at: the product of the dimming of it and of its ancestors.
    static qreal drawnOpacity(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DisabledDimming(QObject* parent) : QObject(parent) {}
    static void update(QWidget* widget);
};

} // namespace velmar::platform
