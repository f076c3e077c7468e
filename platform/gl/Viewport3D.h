// The 3D view widget: draws the scene through its camera and routes pointer events into it.
#pragma once

#include "GlRenderer.h"
#include "platform/scene/PointerRouter.h"

#include <QColor>
#include <QOpenGLWidget>

namespace velmar::platform {

class Scene;
class Camera;

class Viewport3D : public QOpenGLWidget {
    Q_OBJECT
public:
    Viewport3D(Scene& scene, Camera& camera, QColor background, QWidget* parent = nullptr);
    ~Viewport3D() override;

    PointerRouter& router() { return m_router; }
    // Set when the renderer could not be built on the context it got.
    const QString& problem() const { return m_problem; }
    const QColor& background() const { return m_background; }
    int frameCount() const { return m_frames; }

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void releaseGl();
    void paintProblem();

    Scene& m_scene;
    Camera& m_camera;
    QColor m_background;
    QString m_problem;
    GlRenderer m_renderer;
    PointerRouter m_router;
    int m_frames = 0;
    QMetaObject::Connection m_contextGone;
};

// Stands in for the 3D view where no OpenGL 3.3 context can be had: says why, on the view's background.
class ViewportUnavailable : public QWidget {
    Q_OBJECT
public:
    ViewportUnavailable(QColor background, QString problem, QWidget* parent = nullptr);
    const QString& problem() const { return m_problem; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    QString m_problem;
};

} // namespace velmar::platform
