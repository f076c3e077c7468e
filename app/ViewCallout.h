// A message over the top of the 3D view, in the look of the panel's hints, that fades a few seconds
// after it appears (the solved cube, a solver's error). It is hidden, not only transparent, once faded,
// so the view has nothing over it at rest.
#pragma once

#include "panel/CalloutHint.h"
#include "platform/controls/CalloutPanel.h"

#include <QWidget>

namespace velmar::app {

class ViewCallout {
public:
    static constexpr float kFadeDelay = 4.0f;
    static constexpr float kFadeSeconds = 1.0f;

    // `background` is the view's own colour.
    ViewCallout(QWidget& window, const QColor& background);

    // Over the top middle of `view`, at full opacity, then the fade.
    void show(const QString& text, const QWidget& view);
    bool isShown() const;
    QString text() const { return m_panel->text(); }
    platform::FloatAnimation& fade() { return m_hint.fade(); }

private:
    // The view draws on a native window of its own: the callout needs one too to be seen over it,
    // and a background of the view's colour to fade into.
    QWidget* m_holder;
    platform::CalloutPanel* m_panel;
    panel::CalloutHint m_hint;
};

} // namespace velmar::app
