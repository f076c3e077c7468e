// Finds out, before any window is shown, whether an OpenGL 3.3 core context can be had.
#pragma once

#include <QString>

namespace velmar::platform {

// The surface format every view asks for: OpenGL 3.3 core, depth buffer, 4x multisampling.
void installDefaultSurfaceFormat();

// Empty when OpenGL 3.3 core works here; otherwise why it does not, in one line.
QString openGlProblem();

} // namespace velmar::platform
