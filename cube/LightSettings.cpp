#include "LightSettings.h"

#include <algorithm>
#include <cmath>

namespace velmar::cube {

std::uint8_t lightGrey(double sliderValue)
{
    const double scaled = std::clamp(sliderValue, 0.0, 1.0) * 255.0;
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<std::uint8_t>(std::nearbyint(scaled));
}

void SetLight(cube::TCubeScene& cube, double sliderValue)
{
    const int g = lightGrey(sliderValue);
    cube.MainLight->setDiffuse(QColor(g, g, g, 255));
}

void applyLightMode(platform::Scene& scene, cube::TCubeScene& cube, bool spot)
{
    cube.MainLight->setEnabled(spot);
    const QColor emissive = spot ? QColor(0, 0, 0, 0) : QColor(255, 255, 255, 255);
    for (platform::SceneObject* object : scene.components()) {
        const bool plane = object->kind() == platform::ObjectKind::Plane;
        const bool pivot = object->kind() == platform::ObjectKind::Box && object->tag() == cube::kTagPivot;
        if (plane || pivot)
            static_cast<platform::MeshObject*>(object)->setEmissive(emissive);
    }
}

} // namespace velmar::cube
