// Keeps the OpenGL driver mapped until the process ends, for the leak check.
#pragma once

namespace velmar::testkit {

// When the display closes, the GL loader unloads the driver; what the driver's globals still held would
// then read as leaks at exit. Call before the application is destroyed; a no-op without a driver.
void keepGlDriverLoaded();

} // namespace velmar::testkit
