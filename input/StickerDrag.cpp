#include "StickerDrag.h"

#include <QPointF>

#include <array>
#include <cmath>
#include <optional>
#include <ostream>

namespace velmar::input {
namespace {

using D = TDirection;

constexpr float kStickOffset = 1.51f;
constexpr float kTolerance = 0.1f;

// One face's parameters: which piece coordinates act as Pos1 and Pos2, which sticker offset component
// identifies the face, the four direction roles and the twelve letters.
struct FaceRow {
    int pieceAxis;     // the coordinate that is +-3 on this face
    float pieceValue;
    int pos1, pos2;
    std::array<D, 4> roles;
    const char* letters;
};

constexpr std::array<FaceRow, 6> kRows = {{
    {2, -3, 0, 1, {D::DiTop, D::DiBottom, D::DiRight, D::DiLeft}, "gGwWYyBbwWYy"}, // front
    {2, 3, 0, 1, {D::DiTop, D::DiBottom, D::DiRight, D::DiLeft}, "gGWwyYBbWwyY"},  // back
    {1, -3, 0, 2, {D::DiTop, D::DiBottom, D::DiRight, D::DiLeft}, "gGRroOBbRroO"}, // top
    {1, 3, 0, 2, {D::DiTop, D::DiBottom, D::DiRight, D::DiLeft}, "gGrROoBbrROo"},  // bottom
    {0, -3, 1, 2, {D::DiRight, D::DiLeft, D::DiBottom, D::DiTop}, "wWrROoYyrROo"}, // left
    {0, 3, 1, 2, {D::DiRight, D::DiLeft, D::DiBottom, D::DiTop}, "wWRroOYyRroO"},  // right
}};

// The ray's direction scaled to unit depth along the sticker's normal. Moving along the sticker's own X
// then changes only the X reading, however obliquely the sticker is seen (the components of the unit
// direction would both change, and the vertical test would win). The visible side faces the sticker's
// own -Z, so a ray that hits it has a positive Z; a grazing ray gives no reading.
std::optional<QPointF> planeReading(const QVector3D& rayDir)
{
    constexpr float kGrazing = 1e-4f;
    if (rayDir.z() <= kGrazing)
        return std::nullopt;
    return QPointF(rayDir.x() / rayDir.z(), rayDir.y() / rayDir.z());
}

} // namespace

const char* toString(TDirection direction)
{
    static constexpr const char* names[] = {"DiNone", "DiLeft", "DiRight", "DiTop", "DiBottom"};
    const auto i = std::size_t(direction);
    return i < std::size(names) ? names[i] : "TDirection(?)";
}

std::ostream& operator<<(std::ostream& out, TDirection direction)
{
    return out << toString(direction);
}

void TStickDrag::StickMouseDown(platform::SceneObject&, const platform::PointerEvent& event)
{
    const std::optional<QPointF> reading = planeReading(event.rayDir);
    if (m_host.mvtAuto() || !reading)
        return;
    ClickXR = float(reading->x());
    ClickYR = float(reading->y());
    MvtOn = true;
}

void TStickDrag::StickCornerMouseMove(platform::SceneObject& Sender, const platform::PointerEvent& event)
{
    const std::optional<QPointF> reading = planeReading(event.rayDir);
    if (!MvtOn || !event.buttons.testFlag(Qt::LeftButton) || !reading)
        return;
    const float rayX = float(reading->x());
    const float rayY = float(reading->y());
    Direction = D::DiNone;
    if (ClickXR - rayX > kThreshold)
        Direction = D::DiLeft;
    if (rayX - ClickXR > kThreshold)
        Direction = D::DiRight;
    if (ClickYR - rayY > kThreshold)
        Direction = D::DiTop;
    if (rayY - ClickYR > kThreshold)
        Direction = D::DiBottom;
    if (Direction == D::DiNone)
        return;

    m_host.clearPatternSelection();
    const platform::SceneObject* piece = Sender.parent();
    if (!piece)
        return;
    const QVector3D p = piece->position();
    const QVector3D rounded(std::round(p.x()), std::round(p.y()), std::round(p.z()));
    MvtOn = false;
    ClickXR = rayX;
    ClickYR = rayY;

    const QVector3D& offset = Sender.position();
    for (const FaceRow& row : kRows) {
        if (rounded[row.pieceAxis] != row.pieceValue ||
            std::abs(offset[row.pieceAxis] - row.pieceValue / 3 * kStickOffset) > kTolerance)
            continue;
        const char* l = row.letters;
        RotatePlan(rounded[row.pos1], rounded[row.pos2], Direction, row.roles[0], row.roles[1], row.roles[2],
                   row.roles[3], l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8], l[9], l[10], l[11]);
        return;
    }
}

void TStickDrag::StickCornerMouseUp(platform::SceneObject&, const platform::PointerEvent&)
{
    MvtOn = false;
}

void TStickDrag::RotatePlan(float Pos1, float Pos2, TDirection TheDirection, TDirection Di1, TDirection Di2,
                            TDirection Di3, TDirection Di4, char P1, char P2, char P3, char P4, char P5, char P6,
                            char P7, char P8, char P9, char P10, char P11, char P12)
{
    const bool first = Pos1 == -3.0f;
    const bool second = Pos2 == -3.0f;
    const char letters[4] = {first ? P1 : P7, first ? P2 : P8,
                             first ? (second ? P3 : P5) : (second ? P9 : P11),
                             first ? (second ? P4 : P6) : (second ? P10 : P12)};
    const TDirection roles[4] = {Di1, Di2, Di3, Di4};
    for (int i = 0; i < 4; ++i)
        if (TheDirection == roles[i]) {
            m_host.rotate(letters[i]);
            return;
        }
}

} // namespace velmar::input
