// The cube as the compositor shows it: screenshots taken through weston-screenshooter (run this under
// scripts/with-weston.sh), the view found on them by its silver background, and the facelets read at
// their projected centres against the reference cube.
#include "../window/WindowFixture.h"

#include "support/ReferenceCube.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

using namespace velmar;
using testkit::Colour;
using testkit::ReferenceCube;

namespace {

const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);

// A sticker's colour as lit by the spot, by hue rather than by exact value.
std::optional<Colour> colourOf(QColor c)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    if (r > 110 && std::abs(r - g) < 16 && std::abs(r - b) < 16)
        return Colour::White;
    if (r > 110 && g > 110 && b < r / 3)
        return Colour::Yellow;
    if (r > 120 && g > r / 3 && g < r * 0.8 && b < 50)
        return Colour::Orange;
    if (r > 120 && g < 60 && b < 60)
        return Colour::Red;
    if (g > 90 && r < g / 2 && b < g / 2)
        return Colour::Green;
    if (b > 100 && r < 50 && g < 50)
        return Colour::Blue;
    return std::nullopt;
}

class ScreenPixels : public testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            << "run under scripts/with-weston.sh";
    }

    // What the compositor shows now, in output pixels.
    QImage screenshot()
    {
        QTest::qWait(150); // lets the last requested frame be drawn and committed
        QTemporaryDir dir(qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QDir::tempPath()) + "/shot-XXXXXX");
        QProcess shooter;
        shooter.setWorkingDirectory(dir.path());
        shooter.start(QStringLiteral("weston-screenshooter"), {});
        if (!shooter.waitForFinished(30000) || shooter.exitCode() != 0)
            return {};
        const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.png")});
        return files.isEmpty() ? QImage() : QImage(dir.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
    }

    // The view's top left corner on a screenshot: the first silver pixel with silver to its right and
    // below (the cube sits in the middle of the view), and none to its left or above.
    static std::optional<QPoint> viewCorner(const QImage& shot)
    {
        auto silver = [&](int x, int y) { return shot.valid(x, y) && shot.pixel(x, y) == kSilver; };
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                if (!silver(x, y) || silver(x - 1, y) || silver(x, y - 1))
                    continue;
                bool square = true;
                for (int i = 1; i < 24 && square; ++i)
                    square = silver(x + i, y) && silver(x, y + i) && silver(x + i, y + i);
                if (square)
                    return QPoint(x, y);
            }
        return std::nullopt;
    }

    // Each facelet that faces the camera, with its colour read from the screenshot; "" when they all
    // match the model, else the first difference. A busy compositor may show the frame late: look again
    // a few times before calling it a difference.
    std::string compareOnScreen(const ReferenceCube& model)
    {
        std::string difference;
        for (int look = 0; look < 20; ++look) {
            difference = compareOnceOnScreen(model);
            if (difference.empty())
                break;
        }
        return difference;
    }

    std::string compareOnceOnScreen(const ReferenceCube& model)
    {
        const QImage shot = screenshot();
        if (shot.isNull())
            return "no screenshot (is weston started with --debug?)";
        const auto corner = viewCorner(shot);
        if (!corner)
            return "the view's silver background is nowhere on the screen";
        const QVector3D eye = window.cube().Camera->worldTransform().map(QVector3D());
        int seen = 0;
        for (const auto& [f, colour] : model.facelets()) {
            // The scene's frame has +Y down and +Z away from the viewer; pieces are 3 apart and their
            // stickers lie 1.51 out from a piece's centre.
            const QVector3D normal(f.normal.x, -f.normal.y, -f.normal.z);
            const QVector3D centre = QVector3D(f.cell.x, -f.cell.y, -f.cell.z) * 3 + normal * 1.51f;
            if (QVector3D::dotProduct(normal, eye - centre) <= 0)
                continue;
            const QPointF p = pixelOf(centre) * dpr() + QPointF(*corner);
            const auto got = colourOf(shot.pixelColor(p.toPoint()));
            ++seen;
            if (got != colour) {
                std::ostringstream s;
                s << "facelet (" << f.cell.x << "," << f.cell.y << "," << f.cell.z << ") facing (" << f.normal.x << ","
                  << f.normal.y << "," << f.normal.z << ") at " << p.x() << "," << p.y() << ": screen "
                  << qPrintable(shot.pixelColor(p.toPoint()).name()) << ", model " << toString(colour);
                return s.str();
            }
        }
        return seen == 27 ? "" : "saw " + std::to_string(seen) + " facelets, not 27";
    }

    QImage viewOnScreen()
    {
        const QImage shot = screenshot();
        const auto corner = viewCorner(shot);
        return corner ? shot.copy(QRect(*corner, view().size() * dpr())) : QImage();
    }
};

TEST_F(ScreenPixels, TheFirstFrameShowsTheSolvedCube)
{
    EXPECT_EQ(compareOnScreen(ReferenceCube()), "");
}

TEST_F(ScreenPixels, TypedLettersTurnTheCubeOnScreen)
{
    QTest::keyClicks(&window, "RgWbyO");
    ReferenceCube model;
    model.play("RgWbyO");
    EXPECT_EQ(compareOnScreen(model), "");
}

TEST_F(ScreenPixels, AutoRotationMovesTheViewAndStopsWhenUnticked)
{
    QTest::mouseClick(window.panel().CbRotateY, Qt::LeftButton);
    const QImage first = viewOnScreen();
    QTest::qWait(100);
    const QImage second = viewOnScreen();
    ASSERT_FALSE(first.isNull());
    EXPECT_NE(first, second) << "auto-rotation changes the view between two frames";
    QTest::mouseClick(window.panel().CbRotateY, Qt::LeftButton);
    const QImage stopped = viewOnScreen();
    QTest::qWait(100);
    EXPECT_EQ(viewOnScreen(), stopped) << "and it is still once unticked";
}

TEST_F(ScreenPixels, IdleAfterTheLastMoveDrawsNothingAndSpendsNoCpu)
{
    QTest::keyClicks(&window, "Rr");
    platform::AnimationDriver& driver = platform::AnimationDriver::shared();
    ASSERT_TRUE(testkit::pumpUntil([&] { return !driver.isActive(); }));
    QTest::qWait(200);
    auto cpuMs = [] {
        rusage use{};
        getrusage(RUSAGE_SELF, &use);
        return (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1000.0 +
               (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1000.0;
    };
    const int frames = view().frameCount();
    const double cpu = cpuMs();
    QTest::qWait(1000);
    EXPECT_EQ(view().frameCount(), frames);
    EXPECT_LT(cpuMs() - cpu, 20.0) << "ms of CPU in an idle second";
}

} // namespace
