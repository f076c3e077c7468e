// The look of the view, pinned: the default view, a frame in the middle of a turn and the ambiance
// mode must match the reference images within a small tolerance, whatever the renderer does to
// draw less. VELMAR_WRITE_GOLDEN=1 writes the references instead (then look at them before committing).
#include "WindowFixture.h"

#include <QDir>
#include <QRadioButton>

using namespace velmar;

namespace {

const QString kGolden = QStringLiteral(VELMAR_GOLDEN_DIR);

class Look : public velmar::testkit::ShownWindow {
protected:
    // Mean difference per channel, and the share of pixels off by more than 24 in any channel
    // (antialiased edges may move a little; faces and colours may not).
    void matches(const QImage& shot, const QString& name)
    {
        if (view().devicePixelRatio() != 1)
            GTEST_SKIP() << "the reference images are at one device pixel per pixel";
        const QString path = kGolden + QLatin1Char('/') + name + QStringLiteral(".png");
        const QImage frame = shot.convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("VELMAR_WRITE_GOLDEN")) {
            QDir().mkpath(kGolden);
            ASSERT_TRUE(frame.save(path));
            return;
        }
        const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(golden.isNull()) << path.toStdString();
        ASSERT_EQ(frame.size(), golden.size());
        double total = 0;
        long off = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb a = frame.pixel(x, y), b = golden.pixel(x, y);
                const int dr = std::abs(qRed(a) - qRed(b)), dg = std::abs(qGreen(a) - qGreen(b)),
                          db = std::abs(qBlue(a) - qBlue(b));
                total += dr + dg + db;
                off += std::max({dr, dg, db}) > 24;
            }
        const double pixels = double(frame.width()) * frame.height();
        EXPECT_LT(total / (3 * pixels), 1.0) << name.toStdString() << ": mean difference per channel";
        EXPECT_LT(off / pixels, 0.005) << name.toStdString() << ": share of pixels visibly off";
    }
    QImage frame() { return view().grabFrame(); }
};

TEST_F(Look, DefaultView)
{
    matches(frame(), QStringLiteral("default-view"));
}

TEST_F(Look, MiddleOfATurn)
{
    QImage mid;
    platform::Box& pivot = *window.cube().pivots[size_t(cube::TStickPosition::PoFront)];
    auto grab =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            const float z = pivot.rotationAngle().z();
            if (mid.isNull() && z > 40 && z < 50)
                mid = frame();
        });
    QTest::keyClick(&window, 'R');
    QObject::disconnect(grab);
    ASSERT_FALSE(mid.isNull());
    matches(mid, QStringLiteral("middle-of-a-turn"));
}

// Summed brightness of a frame: a narrower spot leaves more of the cube in the ambient light only.
double brightness(const QImage& image)
{
    double sum = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            sum += qGray(rgb.pixel(x, y));
    return sum;
}

TEST_F(Look, TheSpotsShapeIsTheLightsOwn)
{
    platform::SpotLight& light = *window.cube().MainLight;
    const platform::SpotLight::Params declared = light.params();
    const double wide = brightness(frame());
    platform::SpotLight::Params p = declared;
    p.spotExponent = 40;
    light.setParams(p);
    const double sharp = brightness(frame());
    p.spotCutOff = 5;
    light.setParams(p);
    const double cone = brightness(frame());
    EXPECT_LT(sharp, wide);
    EXPECT_LT(cone, sharp);
    light.setParams(declared);
    matches(frame(), QStringLiteral("default-view"));
}

TEST_F(Look, Ambiance)
{
    QTest::mouseClick(window.findChild<QRadioButton*>(QStringLiteral("RbAmbiance")), Qt::LeftButton);
    matches(frame(), QStringLiteral("ambiance"));
}

} // namespace
