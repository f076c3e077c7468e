#include "SceneReading.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace velmar::testkit {
namespace {

Colour colourOfLetter(QChar letter)
{
    switch (letter.toLatin1()) {
    case 'R':
        return Colour::Red;
    case 'O':
        return Colour::Orange;
    case 'W':
        return Colour::White;
    case 'J':
        return Colour::Yellow;
    case 'V':
        return Colour::Green;
    default:
        return Colour::Blue;
    }
}

// Scene frame (+Y down, +Z away from the viewer) to the model's (+y up, +z towards the viewer).
IVec toModel(const QVector3D& v, float unit)
{
    return {int(std::lround(v.x() / unit)), -int(std::lround(v.y() / unit)), -int(std::lround(v.z() / unit))};
}

} // namespace

std::map<Facelet, Colour> readScene(const cube::TCubeScene& cube, std::string* problem)
{
    std::map<Facelet, Colour> out;
    for (const platform::Plane* stick : cube.stickers) {
        const platform::SceneObject* piece = stick->parent();
        const QVector3D outward = stick->worldRotation().rotatedVector({0, 0, -1});
        const Facelet f{toModel(piece->absolutePosition(), 3.0f), toModel(outward, 1.0f)};
        if (out.count(f) && problem)
            *problem = "two stickers on one facelet: " + stick->name().toStdString();
        out[f] = colourOfLetter(stick->name().back());
    }
    return out;
}

std::string compareWithModel(const cube::TCubeScene& cube, const ReferenceCube& model)
{
    std::string problem;
    const auto scene = readScene(cube, &problem);
    if (!problem.empty())
        return problem;
    for (const auto& [f, colour] : model.facelets()) {
        const bool centre = std::abs(f.cell.x) + std::abs(f.cell.y) + std::abs(f.cell.z) == 1;
        if (centre)
            continue;
        auto it = scene.find(f);
        std::ostringstream s;
        s << "facelet cell (" << f.cell.x << "," << f.cell.y << "," << f.cell.z << ") normal (" << f.normal.x << ","
          << f.normal.y << "," << f.normal.z << "): ";
        if (it == scene.end())
            return s.str() + "no sticker";
        if (it->second != colour)
            return s.str() + "scene " + toString(it->second) + ", model " + toString(colour);
    }
    return {};
}

std::string checkAtRest(const cube::TCubeScene& cube)
{
    for (const platform::Box* piece : cube.pieces) {
        const std::string name = piece->name().toStdString();
        if (piece->parent() != &cube.CubeCentral)
            return name + " is not under CubeCentral";
        if (!(piece->orientation() == QQuaternion()) || piece->rotationAngle() != QVector3D())
            return name + " is rotated";
        const QVector3D p = piece->position();
        for (int i = 0; i < 3; ++i)
            if (std::abs(p[i] - std::round(p[i] / 3) * 3) > 1e-3f)
                return name + " is off the grid";
    }
    return {};
}

QPointF projectToView(const platform::Camera& camera, QSizeF view, const QVector3D& world)
{
    const QVector3D p = camera.worldTransform().inverted().map(world);
    const double t = std::tan(22.5 * std::numbers::pi / 180.0);
    const double h = view.height();
    return {view.width() / 2 + p.x() / (p.z() * t) * h / 2, h / 2 + p.y() / (p.z() * t) * h / 2};
}

} // namespace velmar::testkit
