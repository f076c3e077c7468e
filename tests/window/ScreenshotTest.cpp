// What the default view shows: silver background, red, white and blue faces, no other face colour.
#include "WindowFixture.h"

#include <QImage>

using namespace velmar;
using P = cube::TStickPosition;

namespace {

bool isRed(QColor c)
{
    return c.red() > 120 && c.green() < 60 && c.blue() < 60;
}
bool isBlue(QColor c)
{
    return c.blue() > 100 && c.red() < 50 && c.green() < 50;
}
bool isWhite(QColor c)
{
    return c.red() > 110 && std::abs(c.red() - c.green()) < 12 && std::abs(c.red() - c.blue()) < 12;
}
bool isGreen(QColor c)
{
    return c.green() > 90 && c.red() < c.green() / 2 && c.blue() < c.green() / 2;
}
bool isOrange(QColor c)
{
    return c.red() > 120 && c.green() > c.red() / 3 && c.green() < c.red() * 0.8 && c.blue() < 50;
}
bool isYellow(QColor c)
{
    return c.red() > 110 && c.green() > 110 && c.blue() < c.red() / 3;
}

class Screenshot : public velmar::testkit::ShownWindow {};

TEST_F(Screenshot, DefaultView)
{
    QTest::qWait(50);
    const QImage shot = view().grabFrame();
    ASSERT_FALSE(shot.isNull());
    const double dpr = view().devicePixelRatio();
    auto at = [&](QPointF logical) { return shot.pixelColor(QPoint(int(logical.x() * dpr), int(logical.y() * dpr))); };

    EXPECT_EQ(at({3, 3}), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(at({view().width() - 3.0, view().height() - 3.0}), QColor(0xC0, 0xC0, 0xC0));

    auto faceCentre = [&](P face) {
        const cube::FaceDecl& d = cube::faceTable()[size_t(face)];
        return pixelOf(d.pivotPosition * (4.51f / 3.0f));
    };
    const QColor front = at(faceCentre(P::PoFront));
    const QColor top = at(faceCentre(P::PoTop));
    const QColor right = at(faceCentre(P::PoRight));
    EXPECT_TRUE(isRed(front)) << front.name().toStdString();
    EXPECT_TRUE(isWhite(top)) << top.name().toStdString();
    EXPECT_TRUE(isBlue(right)) << right.name().toStdString();

    int green = 0, orange = 0, yellow = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            green += isGreen(c);
            orange += isOrange(c);
            yellow += isYellow(c);
        }
    EXPECT_EQ(green, 0);
    EXPECT_EQ(orange, 0);
    EXPECT_EQ(yellow, 0);
}

TEST_F(Screenshot, TurnedTopLayerShowsTheNextFacesColours)
{
    QTest::keyClick(&window, 'W'); // front's top row now shows the right face's blue
    QTest::qWait(50);
    const QImage shot = view().grabFrame();
    const double dpr = view().devicePixelRatio();
    const QPointF p = pixelOf({0, -3, -4.51f});
    EXPECT_TRUE(isBlue(shot.pixelColor(QPoint(int(p.x() * dpr), int(p.y() * dpr)))));
}

} // namespace
