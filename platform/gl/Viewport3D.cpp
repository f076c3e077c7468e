#include "Viewport3D.h"

#include "platform/scene/Scene.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>

#include <cstdio>

namespace velmar::platform {

namespace {
void paintMessage(QWidget& widget, const QColor& background, const QString& problem)
{
    QPainter painter(&widget);
    painter.fillRect(widget.rect(), background);
    painter.setPen(Qt::black);
    painter.drawText(widget.rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     QObject::tr("The 3D view is not available: %1.").arg(problem));
}
} // namespace

Viewport3D::Viewport3D(Scene& scene, Camera& camera, QColor background, QWidget* parent)
    : QOpenGLWidget(parent), m_scene(scene), m_camera(camera), m_background(background), m_router(scene, camera)
{
    setMinimumSize(1, 1);
    connect(&m_scene, &Scene::changed, this, qOverload<>(&QWidget::update));
}

Viewport3D::~Viewport3D()
{
    // QOpenGLWidget destroys the context after this destructor: its signal must not reach us then.
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
    const qreal dpr = devicePixelRatioF();
    m_renderer.render(m_scene, m_camera, QSize(qRound(width() * dpr), qRound(height() * dpr)), m_background);
    ++m_frames;
}

void Viewport3D::paintProblem()
{
    paintMessage(*this, m_background, m_problem);
}

void Viewport3D::mousePressEvent(QMouseEvent* event)
{
    m_router.press(size(), event->position(), event->button(), event->buttons(), event->modifiers());
}

void Viewport3D::mouseMoveEvent(QMouseEvent* event)
{
    m_router.move(size(), event->position(), event->buttons(), event->modifiers());
}

void Viewport3D::mouseReleaseEvent(QMouseEvent* event)
{
    m_router.release(size(), event->position(), event->button(), event->buttons(), event->modifiers());
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
