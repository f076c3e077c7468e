#include "CalloutHint.h"

#include <QLocale>

namespace velmar::panel {

CalloutHint::CalloutHint(platform::CalloutPanel& panel, QString fadeName, float fadeDelay, float fadeSeconds)
    : m_panel(panel), m_fade(std::move(fadeName), [this](float opacity) { m_panel.setOpacity(opacity); })
{
    m_fade.setStartValue(1);
    m_fade.setStopValue(0);
    m_fade.setDelay(fadeDelay);
    m_fade.setDuration(fadeSeconds);
    m_fade.setInterpolation(platform::Interpolation::Linear);
}

void CalloutHint::show(const QString& text)
{
    m_fade.stop();
    m_panel.setOpacity(1);
    m_panel.setText(text);
}

QString fixedText(double value, int decimals, int width)
{
    return QStringLiteral("%1").arg(QLocale().toString(value, 'f', decimals), width);
}

} // namespace velmar::panel
