// A colour animation on the shared driver: writes its start colour when it starts, moves each channel
// linearly to the stop colour over its duration, writing only colours that differ from the last, and
// keeps the stop colour at the end.
#pragma once

#include "FloatAnimation.h"

#include <QColor>

#include <functional>

namespace velmar::platform {

class ColourAnimation {
public:
    using Apply = std::function<void(const QColor&)>;

    ColourAnimation(QString name, Apply apply);

    QColor startColour() const { return m_start; }
    void setStartColour(const QColor& colour) { m_start = colour; }
    QColor stopColour() const { return m_stop; }
    void setStopColour(const QColor& colour) { m_stop = colour; }
    float duration() const { return m_progress.duration(); }
    void setDuration(float seconds) { m_progress.setDuration(seconds); }

    bool running() const { return m_progress.running(); }
    // Writes the start colour at once, even when it is the colour last written.
    void start();
    // When running: lands on the stop colour. Otherwise nothing.
    void stop() { m_progress.stop(); }

    // Each channel (alpha included) linearly from `from` to `to`, rounded to the nearest integer.
    static QColor mix(const QColor& from, const QColor& to, float t);

private:
    void write(const QColor& colour);

    FloatAnimation m_progress; // 0 to 1, linear
    Apply m_apply;
    QColor m_start;
    QColor m_stop;
    QColor m_written; // the last colour handed to m_apply in this run
    bool m_startPending = false;
};

} // namespace velmar::platform
