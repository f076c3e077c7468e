// The floor the program is measured against: a bare OpenGL view of the program's size and surface
// format that only clears itself. With --animate it repaints every 30 ms, as the program does while
// something moves. By default it is a QOpenGLWidget, composited into its window on every frame; with
// --native it is a QOpenGLWindow drawing straight to its own surface, as the program's view does.
#include "platform/gl/SurfaceFormat.h"

#include <QApplication>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QOpenGLWindow>
#include <QTimer>

#include <cstring>

namespace {

template <typename Base>
class Clearing : public Base, protected QOpenGLFunctions {
protected:
    void initializeGL() override { initializeOpenGLFunctions(); }
    void paintGL() override
    {
        glClearColor(0.75f, 0.75f, 0.75f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

template <typename View>
int run(bool animate)
{
    View view;
    view.setTitle(QStringLiteral("Velmar floor"));
    view.resize(466, 351);
    QTimer repaint;
    if (animate) {
        QObject::connect(&repaint, &QTimer::timeout, &view, [&view] { view.update(); });
        repaint.start(30);
    }
    view.show();
    return QApplication::exec();
}

// QWidget names its title differently from QWindow.
class ClearingWidget : public Clearing<QOpenGLWidget> {
public:
    void setTitle(const QString& title) { setWindowTitle(title); }
};
using ClearingWindow = Clearing<QOpenGLWindow>;

} // namespace

int main(int argc, char** argv)
{
    bool animate = false, native = false;
    for (int i = 1; i < argc; ++i) {
        animate = animate || std::strcmp(argv[i], "--animate") == 0;
        native = native || std::strcmp(argv[i], "--native") == 0;
    }
    velmar::platform::installDefaultSurfaceFormat();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    return native ? run<ClearingWindow>(animate) : run<ClearingWidget>(animate);
}
