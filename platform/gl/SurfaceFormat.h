// The OpenGL the view asks for, and whether a context it got will do.
#pragma once

#include <QString>

class QOpenGLContext;

namespace velmar::platform {

// The surface format every view asks for: OpenGL 3.3 core, 24-bit depth, 4x multisampling.
void installDefaultSurfaceFormat();

// Empty when `context` (current, or null when none could be made) offers OpenGL 3.3 core; otherwise
// why it does not, in one line.
QString problemWith(const QOpenGLContext* context);

} // namespace velmar::platform
