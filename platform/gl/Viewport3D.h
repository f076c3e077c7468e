// The 3D view: draws the scene through its camera and routes pointer events into it. It is a native
// OpenGL window of its own, placed among the widgets by a window container: drawing straight to its own
// surface spares the whole top-level window a composition pass on every frame.
#pragma once

#include "GlRenderer.h"

#include "platform/scene/PointerRouter.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <memory>

class QOpenGLContext;

namespace velmar::platform {

class Scene;
class Camera;

class Viewport3D : public QWindow {
    Q_OBJECT
public:
    Viewport3D(Scene& scene, Camera& camera, QColor background);
    ~Viewport3D() override;

    PointerRouter& router() { return m_router; }
    // The widget whose window the view lives in: keys that reach the view (the pointer over it, where
    // the keyboard follows the pointer) go on to that window's focused control or to it, and a press on
    // the view activates that window.
    void setKeyReceiver(QWidget* receiver) { m_keyReceiver = receiver; }

    // Set when there is no OpenGL 3.3 here, or the renderer could not be built on the context it got.
    const QString& problem() const { return m_problem; }
    const QColor& background() const { return m_background; }
    int frameCount() const { return m_frames; }
    // The scene as the view draws it now, at the view's device pixels and sample count, rendered
    // afresh into an image (what the window last presented may be older). Null before the view has
    // been shown.
    QImage grabFrame();

signals:
    // The view cannot draw; it stays blank and whoever placed it should put something else there.
    void unavailable(const QString& problem);

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Makes the context on first use; false (with problem() set) when OpenGL 3.3 cannot be had.
    bool ready();
    void paint();
    QSize devicePixels() const;
    void releaseGl();
    void passOn(QKeyEvent* event);

    Scene& m_scene;
    Camera& m_camera;
    QColor m_background;
    QString m_problem;
    std::unique_ptr<QOpenGLContext> m_context;
    GlRenderer m_renderer;
    PointerRouter m_router;
    int m_frames = 0;
    QPointer<QWidget> m_keyReceiver;
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
