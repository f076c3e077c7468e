// VelmarCube: a 3x3x3 puzzle cube to turn on screen.
#include "UMain.h"

#include "platform/gl/SurfaceFormat.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

int main(int, char** argv)
{
    velmar::platform::installDefaultSurfaceFormat();
    // The program takes no command line: Qt sees only the program name.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("VelmarCube"));
    QApplication::setDesktopFileName(QStringLiteral("org.velmar.VelmarCube"));
    // Sizes for title bars, task bars and window switchers; launchers take the installed icon. Each size
    // is decoded at start-up and sent to the X server, so the 256-pixel one is left out. The files are
    // read as PNG and nothing else: asked to guess, Qt would load every image plugin to ask it first.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QImageReader png(QStringLiteral(":/icons/%1.png").arg(size), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    QApplication::setWindowIcon(icon);
    TFormMain FormMain;
    FormMain.show();
    return QApplication::exec();
}
