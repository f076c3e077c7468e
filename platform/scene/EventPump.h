// Event pumping for operations that must return only once an animation has played out.
#pragma once

#include <functional>

namespace velmar::platform {

class FloatAnimation;

// Dispatches all pending input, animation steps and painting, then returns.
void pumpEvents();

// Processes events until `done` holds after an animation step, the driver falls idle, or the
// application quits; returns true when `done` holds.
bool waitUntil(const std::function<bool()>& done);

// Waits until the animation no longer runs; false when the wait was cut short by the application quitting.
bool waitWhileRunning(const FloatAnimation& animation);

} // namespace velmar::platform
