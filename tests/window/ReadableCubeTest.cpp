// The cube made readable: letters on the stickers that stand out from them in the pixels drawn, that
// turn with them and leave no trace when off; and the cube in words, against the reference cube.
#include "WindowFixture.h"

#include "support/Contrast.h"

#include "platform/controls/FloatSlider.h"
#include "platform/controls/WrappingButton.h"

#include "support/ReferenceCube.h"

#include <QAction>
#include <QRadioButton>

#include <cmath>

using namespace velmar;
using app::PuzzleCommand;
using testkit::Colour;
using testkit::contrast;
using testkit::IVec;
using testkit::luminance;
using testkit::ReferenceCube;

namespace {

class ReadableCube : public testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.panel().tbSpeedAnim->setValue(2.0); // 0.1 s turns
    }
    void toggleLetters() { window.menu().action(PuzzleCommand::StickerLetters).trigger(); }
    QImage frame() { return view().grabFrame().convertToFormat(QImage::Format_RGB32); }

    // For every sticker and centre facing the camera: the pixels the letters changed near its middle,
    // and how many of them stand out from the sticker's own colour at that pixel (the frame without
    // letters) by 4.5 : 1 or more.
    void expectLegibleLetters(const char* when)
    {
        ASSERT_FALSE(window.stickerLettersShown());
        const QImage plain = frame();
        toggleLetters();
        const QImage lettered = frame();
        toggleLetters();
        if (qEnvironmentVariableIsSet("VELMAR_SAVE_LETTERS")) {
            plain.save(QStringLiteral("/tmp/plain-%1.png").arg(QLatin1String(when)));
            lettered.save(QStringLiteral("/tmp/lettered-%1.png").arg(QLatin1String(when)));
        }
        const QVector3D eye = window.cube().Camera->absolutePosition();
        std::vector<const platform::MeshObject*> faces(window.cube().stickers.begin(), window.cube().stickers.end());
        for (const platform::Box* pivot : window.cube().pivots)
            faces.push_back(pivot);
        int checked = 0;
        for (const platform::MeshObject* face : faces) {
            // A sticker faces outwards from the cube's centre: seen when the eye is on that side.
            const QVector3D centre = face->absolutePosition();
            const QVector3D outward = face->kind() == platform::ObjectKind::Plane
                                          ? (centre - face->parent()->absolutePosition()).normalized()
                                          : centre.normalized();
            const QVector3D onSurface = centre + outward * (face->kind() == platform::ObjectKind::Plane ? 0 : 1.5f);
            if (QVector3D::dotProduct(eye - onSurface, outward) < 2)
                continue;
            const QPointF middle = pixelOf(onSurface) * dpr();
            int changed = 0, standingOut = 0;
            for (int dy = -9; dy <= 9; ++dy)
                for (int dx = -9; dx <= 9; ++dx) {
                    const QPoint p(int(middle.x()) + dx, int(middle.y()) + dy);
                    const QRgb before = plain.pixel(p), after = lettered.pixel(p);
                    if (before == after)
                        continue;
                    ++changed;
                    standingOut += contrast(before, after) >= 4.5;
                }
            ++checked;
            EXPECT_GE(standingOut, 25) << when << ": " << face->name().toStdString() << ", " << changed
                                       << " pixels changed";
        }
        EXPECT_EQ(checked, 27) << "three faces in view";
    }
};

TEST_F(ReadableCube, LettersStandOutFromEveryStickerInViewUnderBothLights)
{
    expectLegibleLetters("spot light");
    QTest::mouseClick(window.panel().RbAmbiance, Qt::LeftButton);
    ASSERT_FALSE(window.panel().RbSpotLight->isChecked());
    expectLegibleLetters("ambiance");
}

TEST_F(ReadableCube, LettersTurnWithTheirStickersAndLeaveNoTraceWhenOff)
{
    const QImage before = frame();
    toggleLetters();
    toggleLetters();
    EXPECT_TRUE(frame() == before) << "off again, the view is exactly as it was";
    toggleLetters();
    QTest::keyClicks(&window, "R");
    ReferenceCube model;
    model.play("R");
    ASSERT_EQ(testkit::compareWithModel(window.cube(), model), "");
    // Each sticker carries the letter of its own colour wherever the turns took it.
    for (platform::Plane* sticker : window.cube().stickers) {
        const cube::TStickPosition colour = cube::homeFaceOfLetter(sticker->name().back().toLatin1());
        EXPECT_EQ(sticker->material().texture, &window.cube().letteredTile(colour)) << sticker->name().toStdString();
    }
    toggleLetters();
    QTest::keyClicks(&window, "r");
    ASSERT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
}

// The words for the reference cube, built here: each face seen from outside, rows top to bottom; the
// top face with its front edge at the bottom, the bottom face with its front edge at the top.
QString referenceWords(const ReferenceCube& model)
{
    if (model.isSolved())
        return QStringLiteral("Solved");
    const auto name = [](Colour c) {
        constexpr const char* names[] = {"white", "yellow", "red", "orange", "blue", "green"};
        return QString::fromLatin1(names[int(c)]);
    };
    struct Side {
        const char* title;
        IVec normal;
        IVec right; // along a row
        IVec down;  // from one row to the next
    };
    const Side sides[] = {
        {"Front", {0, 0, 1}, {1, 0, 0}, {0, -1, 0}},  {"Right", {1, 0, 0}, {0, 0, -1}, {0, -1, 0}},
        {"Back", {0, 0, -1}, {-1, 0, 0}, {0, -1, 0}}, {"Left", {-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
        {"Top", {0, 1, 0}, {1, 0, 0}, {0, 0, 1}},     {"Bottom", {0, -1, 0}, {1, 0, 0}, {0, 0, -1}},
    };
    QStringList faces;
    for (const Side& s : sides) {
        QStringList rows;
        for (int r = -1; r <= 1; ++r) {
            QStringList row;
            for (int c = -1; c <= 1; ++c) {
                const IVec cell{s.normal.x + c * s.right.x + r * s.down.x, s.normal.y + c * s.right.y + r * s.down.y,
                                s.normal.z + c * s.right.z + r * s.down.z};
                row << name(model.colourAt({cell, s.normal}));
            }
            rows << row.join(QStringLiteral(", "));
        }
        faces << QStringLiteral("%1: %2.").arg(QLatin1String(s.title), rows.join(QStringLiteral("; ")));
    }
    return faces.join(u' ');
}

TEST_F(ReadableCube, TheViewDescribesTheCubeInWords)
{
    EXPECT_EQ(window.viewWidget()->accessibleDescription(), QStringLiteral("Solved"));
    QTest::keyClicks(&window, "RgWbyO");
    ReferenceCube model;
    model.play("RgWbyO");
    const QString words = window.viewWidget()->accessibleDescription();
    const QStringList faces = words.split(QStringLiteral(". "));
    const QStringList expected = referenceWords(model).split(QStringLiteral(". "));
    ASSERT_EQ(faces.size(), 6) << words.toStdString();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(faces[i], expected[i]);

    window.askRestore = [] { return TAnswer::Yes; };
    QTest::mouseClick(window.panel().BtnStart, Qt::LeftButton);
    EXPECT_EQ(window.viewWidget()->accessibleDescription(), QStringLiteral("Solved"));
}

TEST_F(ReadableCube, AskedDuringATurnTheWordsAreThoseOfTheCubeAtRest)
{
    QString spoken;
    bool asked = false;
    auto during =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (asked || !window.puzzle().isTurning())
                return;
            asked = true;
            window.menu().action(PuzzleCommand::CubeInWords).trigger();
            spoken = window.findChild<QWidget*>(QStringLiteral("SpokenNotice"))->accessibleName();
        });
    QTest::keyClicks(&window, "R");
    QObject::disconnect(during);
    ASSERT_TRUE(asked);
    EXPECT_EQ(spoken, QStringLiteral("Solved")) << "a layer under its pivot is not read";
    ReferenceCube model;
    model.play("R");
    EXPECT_EQ(window.viewWidget()->accessibleDescription(), referenceWords(model));
}

} // namespace
