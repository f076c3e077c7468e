// VelmarCube: a 3x3x3 puzzle cube to turn on screen.
#include "UMain.h"

#include "platform/gl/SurfaceFormat.h"

#include <QApplication>

int main(int, char** argv)
{
    velmar::platform::installDefaultSurfaceFormat();
    // The program takes no command line: Qt sees only the program name.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("VelmarCube"));
    TFormMain FormMain;
    FormMain.show();
    return QApplication::exec();
}
