// The hint protocol of the panel's sliders: a callout shows the new value at full opacity, stays for a
// second after the last change, then fades out in half a second and stays, transparent, in place.
#pragma once

#include "platform/controls/CalloutPanel.h"
#include "platform/scene/FloatAnimation.h"

#include <QString>

namespace velmar::panel {

class CalloutHint {
public:
    static constexpr float kFadeDelay = 1.0f;
    static constexpr float kFadeSeconds = 0.5f;

    // The panel's sliders use the default timing; other callouts may hold longer.
    CalloutHint(platform::CalloutPanel& panel, QString fadeName, float fadeDelay = kFadeDelay,
                float fadeSeconds = kFadeSeconds);

    // Stop the fade, opacity 1, the new text, `apply` (the slider's effect), then start the fade.
    template <typename Apply>
    void report(const QString& text, Apply&& apply)
    {
        show(text);
        apply();
        m_fade.start();
    }

    platform::CalloutPanel& panel() const { return m_panel; }
    platform::FloatAnimation& fade() { return m_fade; }

private:
    void show(const QString& text);

    platform::CalloutPanel& m_panel;
    platform::FloatAnimation m_fade;
};

// The value as "%W.Df" would print it, with the user's locale decimal separator.
QString fixedText(double value, int decimals, int width);

} // namespace velmar::panel
