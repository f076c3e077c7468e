// The view as a native OpenGL window of its own, with its own context; a window container places it.
#pragma once

#include "Viewport3D.h"

#include <QWindow>

#include <memory>

namespace velmar::platform {

class ViewWindow : public QWindow, public ViewSurface {
public:
    explicit ViewWindow(Viewport3D& view);
    ~ViewWindow() override;

    bool makeContextCurrent() override;
    void doneContext() override;
    int samples() const override;
    void requestFrame() override { requestUpdate(); }

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { m_view.pointerFromSurface(event); }
    void mouseMoveEvent(QMouseEvent* event) override { m_view.pointerFromSurface(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_view.pointerFromSurface(event); }
    void keyPressEvent(QKeyEvent* event) override { m_view.passOn(event); }
    void keyReleaseEvent(QKeyEvent* event) override { m_view.passOn(event); }

private:
    // Makes the context on first use; false when OpenGL 3.3 cannot be had.
    bool ready();
    void paint();

    Viewport3D& m_view;
    std::unique_ptr<QOpenGLContext> m_context;
    bool m_ready = false;
};

} // namespace velmar::platform
