// The view as an OpenGL widget: Qt draws it into a framebuffer of its own and composites that with the
// rest of the window, so it shows wherever the window does.
#pragma once

#include "Viewport3D.h"

#include <QOpenGLWidget>

namespace velmar::platform {

class ViewWidget : public QOpenGLWidget, public ViewSurface {
public:
    ViewWidget(Viewport3D& view, QWidget* parent);
    ~ViewWidget() override;

    bool makeContextCurrent() override;
    void doneContext() override { QOpenGLWidget::doneCurrent(); }
    // The widget's framebuffer has the samples asked for; its context reports none of its own.
    int samples() const override { return m_samples; }
    void requestFrame() override { update(); }

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override { m_view.pointerFromSurface(event); }
    void mouseMoveEvent(QMouseEvent* event) override { m_view.pointerFromSurface(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_view.pointerFromSurface(event); }

private:
    Viewport3D& m_view;
    bool m_ready = false;
    int m_samples = 0;
    QMetaObject::Connection m_contextGone;
};

} // namespace velmar::platform
