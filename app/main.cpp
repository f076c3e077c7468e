// VelmarCube: a 3x3x3 puzzle cube to turn on screen.
#include "Allocator.h"
#include "UMain.h"

#include "platform/gl/SurfaceFormat.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

int main(int, char** argv)
{
    velmar::app::settleAllocator();
    velmar::platform::installDefaultSurfaceFormat();
    // The program takes no command line: Qt sees only the program name.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("VelmarCube"));
    QApplication::setDesktopFileName(QStringLiteral("org.velmar.VelmarCube"));
    // Every size the build put in the resources (it leaves out the largest, which launchers take from the
    // installed icon). The files are read as PNG and nothing else: asked to guess, Qt would load every
    // image plugin to ask it first.
    QIcon icon;
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files)) {
        QImageReader png(QStringLiteral(":/icons/") + file, "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    QApplication::setWindowIcon(icon);
    TFormMain FormMain;
    FormMain.show();
    return QApplication::exec();
}
