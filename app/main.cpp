// VelmarCube: a 3x3x3 puzzle cube to turn on screen.
#include "UMain.h"

#include "platform/gl/SurfaceFormat.h"

#include <QApplication>
#include <QIcon>

int main(int, char** argv)
{
    velmar::platform::installDefaultSurfaceFormat();
    // The program takes no command line: Qt sees only the program name.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("VelmarCube"));
    QApplication::setDesktopFileName(QStringLiteral("org.velmar.VelmarCube"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    TFormMain FormMain;
    FormMain.show();
    return QApplication::exec();
}
