// The 3D view: draws the scene through its camera and routes pointer events into it. It takes one of
// two forms, chosen at run time. Where the window system shows native child windows (X11) it is a
// native OpenGL window placed among the widgets by a window container: a frame goes straight to its own
// surface and spares the whole top-level window a composition pass. Where it does not (Wayland, whose
// compositors leave such a child blank) it is an OpenGL widget composited with the rest of the window.
#pragma once

#include "GlRenderer.h"

#include "platform/scene/PointerRouter.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
class QOpenGLContext;

namespace velmar::platform {

class Scene;
class Camera;

// What a form of the view does for it: the OpenGL context it draws with, and asking for a frame.
class ViewSurface {
public:
    virtual ~ViewSurface() = default;
    virtual bool makeContextCurrent() = 0;
    virtual void doneContext() = 0;
    virtual int samples() const = 0;
    virtual void requestFrame() = 0;
};

class Viewport3D : public QObject {
    Q_OBJECT
public:
    enum class Form { NativeWindow, Widget };
    // The form that draws on the running platform; VELMAR_VIEW=window or =widget forces one.
    static Form formForPlatform();

    // The view lives in widget(), which owns it: delete that widget to be rid of both.
    Viewport3D(Scene& scene, Camera& camera, QColor background, Form form, QWidget* parent);

    QWidget* widget() const { return m_widget; }
    // What the window system delivers the view's pointer events to: the native window or the widget.
    QObject& surfaceObject() const { return *m_surfaceObject; }
    Form form() const { return m_form; }
    QSize size() const { return m_widget->size(); }
    int width() const { return m_widget->width(); }
    int height() const { return m_widget->height(); }
    qreal devicePixelRatio() const { return m_widget->devicePixelRatioF(); }
    QPointF mapToGlobal(QPointF pos) const { return m_widget->mapToGlobal(pos); }

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

    // For the forms: set up on a context made current (false with problem() set, and unavailable()
    // sent, when it will not do), draw one frame into the bound framebuffer, let go of the GL objects.
    bool initializeOn(QOpenGLContext* context);
    void drawFrame();
    void releaseGl();
    // A pointer event on the surface goes through the view as an event of its own, so that filters
    // installed on the view (the context menu's right click) see it.
    void pointerFromSurface(QMouseEvent* event);
    void passOn(QKeyEvent* event);

signals:
    // The view cannot draw; it stays blank and whoever placed it should put something else there.
    void unavailable(const QString& problem);

protected:
    bool event(QEvent* event) override;

private:
    QSize devicePixels() const;
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

    Scene& m_scene;
    Camera& m_camera;
    QColor m_background;
    Form m_form;
    QString m_problem;
    GlRenderer m_renderer;
    PointerRouter m_router;
    int m_frames = 0;
    bool m_tried = false;
    QPointer<QWidget> m_keyReceiver;
    QWidget* m_widget = nullptr;
    ViewSurface* m_surface = nullptr;
    QObject* m_surfaceObject = nullptr;
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
