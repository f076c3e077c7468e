#include "ViewWidget.h"

#include <QOpenGLContext>

namespace velmar::platform {

ViewWidget::ViewWidget(Viewport3D& view, QWidget* parent) : QOpenGLWidget(parent), m_view(view)
{
    // Typed letters are the window's, not the view's: the view never takes the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
    m_samples = format().samples();
}

ViewWidget::~ViewWidget()
{
    // The base class destroys the context after this part of the object is gone: no call back into it.
    disconnect(m_contextGone);
    m_view.releaseGl();
}

bool ViewWidget::makeContextCurrent()
{
    if (!context() || !context()->isValid())
        return false;
    QOpenGLWidget::makeCurrent();
    return true;
}

void ViewWidget::initializeGL()
{
    // Moving the widget to another window gives it a new context: the GL objects go with the old one.
    m_contextGone = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { m_view.releaseGl(); });
    m_ready = m_view.initializeOn(context());
}

void ViewWidget::paintGL()
{
    if (m_ready)
        m_view.drawFrame();
}

} // namespace velmar::platform
