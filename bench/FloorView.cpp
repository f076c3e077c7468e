// The floor the program is measured against: a bare OpenGL view of the program's size and surface
// format that only clears itself. With --animate it repaints every 30 ms, as the program does while
// something moves.
#include "platform/gl/SurfaceFormat.h"

#include <QApplication>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QTimer>

#include <cstring>

namespace {

class ClearingView : public QOpenGLWidget, protected QOpenGLFunctions {
protected:
    void initializeGL() override { initializeOpenGLFunctions(); }
    void paintGL() override
    {
        glClearColor(0.75f, 0.75f, 0.75f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const bool animate = argc > 1 && std::strcmp(argv[1], "--animate") == 0;
    velmar::platform::installDefaultSurfaceFormat();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    ClearingView view;
    view.setWindowTitle(QStringLiteral("Velmar floor"));
    view.resize(466, 351);
    QTimer repaint;
    if (animate) {
        QObject::connect(&repaint, &QTimer::timeout, &view, qOverload<>(&QWidget::update));
        repaint.start(30);
    }
    view.show();
    return QApplication::exec();
}
