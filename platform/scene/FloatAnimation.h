// A float animation of one property, stepped by the shared animation driver.
#pragma once

#include "Easing.h"

#include <QString>

#include <functional>

namespace velmar::platform {

class FloatAnimation {
public:
    using Apply = std::function<void(float)>;
    using FinishHandler = std::function<void(FloatAnimation&)>;

    FloatAnimation(QString name, Apply apply);
    ~FloatAnimation();
    FloatAnimation(const FloatAnimation&) = delete;
    FloatAnimation& operator=(const FloatAnimation&) = delete;

    const QString& name() const { return m_name; }

    float startValue() const { return m_startValue; }
    void setStartValue(float v) { m_startValue = v; }
    float stopValue() const { return m_stopValue; }
    void setStopValue(float v) { m_stopValue = v; }
    float duration() const { return m_duration; } // seconds
    void setDuration(float seconds) { m_duration = seconds; }
    float delay() const { return m_delay; } // seconds
    void setDelay(float seconds) { m_delay = seconds; }
    bool loop() const { return m_loop; }
    void setLoop(bool loop) { m_loop = loop; }
    // An inverse run goes from the stop value to the start value.
    bool inverse() const { return m_inverse; }
    void setInverse(bool inverse) { m_inverse = inverse; }
    AnimationType animationType() const { return m_type; }
    void setAnimationType(AnimationType type) { m_type = type; }
    Interpolation interpolation() const { return m_interpolation; }
    void setInterpolation(Interpolation interpolation) { m_interpolation = interpolation; }

    bool running() const { return m_running; }
    FinishHandler onFinish;

    // (Re)starts the run; unless delayed, writes the first value at once.
    void start();
    // When running: end value written, running off, finish handler. Otherwise nothing.
    void stop();

    // Driver only: step to the driver's time `now` (seconds).
    void advanceTo(double now);

    float valueAt(double progress) const;
    float endValue() const { return m_inverse ? m_startValue : m_stopValue; }

private:
    void applyValue(float value);
    void finish();

    QString m_name;
    Apply m_apply;
    float m_startValue = 0;
    float m_stopValue = 0;
    float m_duration = 0.2f;
    float m_delay = 0;
    bool m_loop = false;
    bool m_inverse = false;
    AnimationType m_type = AnimationType::In;
    Interpolation m_interpolation = Interpolation::Linear;
    bool m_running = false;
    // Inside this animation's own step: a nested driver step leaves it alone.
    bool m_inStep = false;
    double m_startTime = 0;
};

} // namespace velmar::platform
