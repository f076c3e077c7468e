#include "Viewport3D.h"

#include "SurfaceFormat.h"

#include "platform/scene/Scene.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPainter>

namespace velmar::platform {

Viewport3D::Viewport3D(Scene& scene, Camera& camera, QColor background)
    : m_scene(scene), m_camera(camera), m_background(background), m_router(scene, camera)
{
    setSurfaceType(QSurface::OpenGLSurface);
    // Typed letters are the window's, not the view's: the view never takes the keyboard focus.
    setFlag(Qt::WindowDoesNotAcceptFocus);
    connect(&m_scene, &Scene::changed, this, &QWindow::requestUpdate);
}

Viewport3D::~Viewport3D()
{
    releaseGl();
}

bool Viewport3D::ready()
{
    if (m_context)
        return m_problem.isEmpty();
    // The view finds out itself whether OpenGL 3.3 works here: a context made only to ask would cost the
    // start-up a second driver set-up.
    m_context = std::make_unique<QOpenGLContext>();
    m_context->setFormat(requestedFormat());
    const bool current = m_context->create() && m_context->makeCurrent(this);
    m_problem = problemWith(current ? m_context.get() : nullptr);
    if (m_problem.isEmpty() && !m_renderer.initialize(m_scene))
        m_problem = m_renderer.error();
    if (!m_problem.isEmpty()) {
        emit unavailable(m_problem);
        return false;
    }
    // GL objects die with the context, which may go before the view (a screen change).
    connect(m_context.get(), &QOpenGLContext::aboutToBeDestroyed, this, &Viewport3D::releaseGl);
    return true;
}

QSize Viewport3D::devicePixels() const
{
    const qreal dpr = devicePixelRatio();
    return {qRound(width() * dpr), qRound(height() * dpr)};
}

void Viewport3D::paint()
{
    if (!isExposed() || !ready() || !m_context->makeCurrent(this))
        return;
    m_renderer.render(m_scene, m_camera, devicePixels(), m_background);
    m_context->swapBuffers(this);
    ++m_frames;
}

bool Viewport3D::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest) {
        paint();
        return true;
    }
    return QWindow::event(event);
}

void Viewport3D::exposeEvent(QExposeEvent*)
{
    paint();
}

QImage Viewport3D::grabFrame()
{
    if (!m_context || !m_problem.isEmpty() || !m_context->makeCurrent(this))
        return {};
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    format.setSamples(m_context->format().samples());
    QOpenGLFramebufferObject target(devicePixels(), format);
    target.bind();
    m_renderer.render(m_scene, m_camera, devicePixels(), m_background);
    QImage image = target.toImage();
    target.release();
    m_context->doneCurrent();
    return image;
}

void Viewport3D::releaseGl()
{
    if (!m_renderer.isReady() || !m_context || !m_context->makeCurrent(this))
        return;
    m_renderer.release();
    m_context->doneCurrent();
}

void Viewport3D::mousePressEvent(QMouseEvent* event)
{
    if (m_keyReceiver && !m_keyReceiver->isActiveWindow())
        m_keyReceiver->activateWindow();
    m_router.press(QSizeF(size()), event->position(), event->button(), event->buttons(), event->modifiers());
}

void Viewport3D::mouseMoveEvent(QMouseEvent* event)
{
    m_router.move(QSizeF(size()), event->position(), event->buttons(), event->modifiers());
}

void Viewport3D::mouseReleaseEvent(QMouseEvent* event)
{
    m_router.release(QSizeF(size()), event->position(), event->button(), event->buttons(), event->modifiers());
}

void Viewport3D::keyPressEvent(QKeyEvent* event)
{
    passOn(event);
}

void Viewport3D::keyReleaseEvent(QKeyEvent* event)
{
    passOn(event);
}

void Viewport3D::passOn(QKeyEvent* event)
{
    if (!m_keyReceiver) {
        event->ignore();
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && focus->window() == m_keyReceiver->window() ? focus : m_keyReceiver.data();
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                   ushort(event->count()));
    QCoreApplication::sendEvent(target, &copy);
}

ViewportUnavailable::ViewportUnavailable(QColor background, QString problem, QWidget* parent)
    : QWidget(parent), m_background(background), m_problem(std::move(problem))
{
}

void ViewportUnavailable::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("The 3D view is not available: %1.").arg(m_problem));
}

} // namespace velmar::platform
