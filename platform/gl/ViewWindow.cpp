#include "ViewWindow.h"

#include <QOpenGLContext>

namespace velmar::platform {

ViewWindow::ViewWindow(Viewport3D& view) : m_view(view)
{
    setSurfaceType(QSurface::OpenGLSurface);
    // Typed letters are the window's, not the view's: the view never takes the keyboard focus.
    setFlag(Qt::WindowDoesNotAcceptFocus);
}

ViewWindow::~ViewWindow()
{
    m_view.releaseGl();
}

bool ViewWindow::ready()
{
    if (m_context)
        return m_ready;
    // The view finds out itself whether OpenGL 3.3 works here: a context made only to ask would cost the
    // start-up a second driver set-up.
    m_context = std::make_unique<QOpenGLContext>();
    m_context->setFormat(requestedFormat());
    const bool current = m_context->create() && m_context->makeCurrent(this);
    m_ready = m_view.initializeOn(current ? m_context.get() : nullptr);
    // GL objects die with the context, which may go before the view (a screen change).
    if (m_ready)
        connect(m_context.get(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { m_view.releaseGl(); });
    return m_ready;
}

bool ViewWindow::makeContextCurrent()
{
    return m_context && m_context->makeCurrent(this);
}

void ViewWindow::doneContext()
{
    m_context->doneCurrent();
}

int ViewWindow::samples() const
{
    return m_context ? m_context->format().samples() : 0;
}

void ViewWindow::paint()
{
    if (!isExposed() || !ready() || !m_context->makeCurrent(this))
        return;
    m_view.drawFrame();
    m_context->swapBuffers(this);
}

bool ViewWindow::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest) {
        paint();
        return true;
    }
    return QWindow::event(event);
}

void ViewWindow::exposeEvent(QExposeEvent*)
{
    paint();
}

} // namespace velmar::platform
