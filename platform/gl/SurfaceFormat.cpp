#include "SurfaceFormat.h"

#include <QOpenGLContext>
#include <QSurfaceFormat>

namespace velmar::platform {

void installDefaultSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    format.setSamples(4);
    QSurfaceFormat::setDefaultFormat(format);
}

QString problemWith(const QOpenGLContext* context)
{
    if (!context || !context->isValid())
        return QStringLiteral("no OpenGL context can be created on this display");
    if (QOpenGLContext::currentContext() != context)
        return QStringLiteral("the OpenGL context cannot be made current");
    const QSurfaceFormat got = context->format();
    if (got.version() < qMakePair(3, 3) || got.renderableType() != QSurfaceFormat::OpenGL)
        return QStringLiteral("OpenGL 3.3 is needed, this display offers %1.%2")
            .arg(got.majorVersion())
            .arg(got.minorVersion());
    return {};
}

} // namespace velmar::platform
