#include "Viewport3D.h"

#include "SurfaceFormat.h"
#include "ViewWidget.h"
#include "ViewWindow.h"

#include "platform/scene/Scene.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPainter>

namespace velmar::platform {

Viewport3D::Form Viewport3D::formForPlatform()
{
    const QByteArray forced = qgetenv("VELMAR_VIEW");
    if (forced == "widget")
        return Form::Widget;
    if (forced == "window")
        return Form::NativeWindow;
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? Form::Widget : Form::NativeWindow;
}

Viewport3D::Viewport3D(Scene& scene, Camera& camera, QColor background, Form form, QWidget* parent)
    : m_scene(scene), m_camera(camera), m_background(background), m_form(form), m_router(scene, camera)
{
    if (form == Form::Widget) {
        auto* widget = new ViewWidget(*this, parent);
        m_widget = widget;
        m_surface = widget;
        m_surfaceObject = widget;
    } else {
        auto* window = new ViewWindow(*this);
        m_surface = window;
        m_surfaceObject = window;
        // The container owns the view's window from now on.
        m_widget = QWidget::createWindowContainer(window, parent);
    }
    setParent(m_widget);
    connect(&m_scene, &Scene::changed, this, [this] { m_surface->requestFrame(); });
}

bool Viewport3D::initializeOn(QOpenGLContext* context)
{
    m_tried = true;
    m_problem = problemWith(context);
    if (m_problem.isEmpty() && !m_renderer.initialize(m_scene))
        m_problem = m_renderer.error();
    if (!m_problem.isEmpty()) {
        emit unavailable(m_problem);
        return false;
    }
    return true;
}

QSize Viewport3D::devicePixels() const
{
    const qreal dpr = devicePixelRatio();
    return {qRound(width() * dpr), qRound(height() * dpr)};
}

void Viewport3D::drawFrame()
{
    m_renderer.render(m_scene, m_camera, devicePixels(), m_background);
    ++m_frames;
}

QImage Viewport3D::grabFrame()
{
    if (!m_tried || !m_problem.isEmpty() || !m_surface->makeContextCurrent())
        return {};
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    format.setSamples(m_surface->samples());
    QOpenGLFramebufferObject target(devicePixels(), format);
    target.bind();
    m_renderer.render(m_scene, m_camera, devicePixels(), m_background);
    QImage image = target.toImage();
    target.release();
    m_surface->doneContext();
    return image;
}

void Viewport3D::releaseGl()
{
    if (!m_renderer.isReady() || !m_surface->makeContextCurrent())
        return;
    m_renderer.release();
    m_surface->doneContext();
}

bool Viewport3D::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mousePressed(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        mouseMoved(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseReleased(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return QObject::event(event);
    }
}

void Viewport3D::pointerFromSurface(QMouseEvent* event)
{
    QCoreApplication::sendEvent(this, event);
}

void Viewport3D::mousePressed(QMouseEvent* event)
{
    if (m_keyReceiver && !m_keyReceiver->isActiveWindow())
        m_keyReceiver->activateWindow();
    m_router.press(QSizeF(size()), event->position(), event->button(), event->buttons(), event->modifiers());
}

void Viewport3D::mouseMoved(QMouseEvent* event)
{
    m_router.move(QSizeF(size()), event->position(), event->buttons(), event->modifiers());
}

void Viewport3D::mouseReleased(QMouseEvent* event)
{
    m_router.release(QSizeF(size()), event->position(), event->button(), event->buttons(), event->modifiers());
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
