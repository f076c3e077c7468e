// GoogleTest entry for suites that need a Qt application (widgets, event loops, OpenGL).
#include "platform/gl/SurfaceFormat.h"

#include "KeepGlDriver.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    velmar::platform::installDefaultSurfaceFormat();
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    velmar::testkit::keepGlDriverLoaded();
    return result;
}
