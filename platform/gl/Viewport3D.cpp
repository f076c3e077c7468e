#include "Viewport3D.h"

#include "platform/scene/Scene.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPainter>

#include <cstdio>

namespace velmar::platform {

namespace {
void paintMessage(QPaintDevice& device, const QColor& background, const QString& problem)
{
    QPainter painter(&device);
    const QRect all(0, 0, device.width(), device.height());
    painter.fillRect(all, background);
    painter.setPen(Qt::black);
    painter.drawText(all.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     QObject::tr("The 3D view is not available: %1.").arg(problem));
}
} // namespace

Viewport3D::Viewport3D(Scene& scene, Camera& camera, QColor background)
    : QOpenGLWindow(NoPartialUpdate), m_scene(scene), m_camera(camera), m_background(background),
      m_router(scene, camera)
{
    // Typed letters are the window's, not the view's: the view never takes the keyboard focus.
    setFlag(Qt::WindowDoesNotAcceptFocus);
    connect(&m_scene, &Scene::changed, this, qOverload<>(&QPaintDeviceWindow::update));
}

Viewport3D::~Viewport3D()
{
    // QOpenGLWindow destroys the context after this destructor: its signal must not reach us then.
    QObject::disconnect(m_contextGone);
    if (m_renderer.isReady() && context())
        releaseGl();
}

void Viewport3D::initializeGL()
{
    // GL objects die with the context, which may go before the widget (re-parenting, screen change).
    QObject::disconnect(m_contextGone);
    m_contextGone = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { releaseGl(); });
    if (!m_renderer.initialize(m_scene)) {
        m_problem = m_renderer.error();
        std::fprintf(stderr, "VelmarCube: cannot draw the cube: %s\n", qPrintable(m_problem));
    }
}

QImage Viewport3D::grabFrame()
{
    if (!context() || !m_renderer.isReady())
        return {};
    makeCurrent();
    const qreal dpr = devicePixelRatio();
    const QSize pixels(qRound(width() * dpr), qRound(height() * dpr));
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    format.setSamples(context()->format().samples());
    QOpenGLFramebufferObject target(pixels, format);
    target.bind();
    m_renderer.render(m_scene, m_camera, pixels, m_background);
    QImage image = target.toImage();
    target.release();
    doneCurrent();
    return image;
}

void Viewport3D::releaseGl()
{
    makeCurrent();
    m_renderer.release();
    doneCurrent();
}

void Viewport3D::paintGL()
{
    if (!m_problem.isEmpty()) {
        paintProblem();
        return;
    }
    const qreal dpr = devicePixelRatio();
    m_renderer.render(m_scene, m_camera, QSize(qRound(width() * dpr), qRound(height() * dpr)), m_background);
    ++m_frames;
}

void Viewport3D::paintProblem()
{
    paintMessage(*this, m_background, m_problem);
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
    paintMessage(*this, m_background, m_problem);
}

} // namespace velmar::platform
