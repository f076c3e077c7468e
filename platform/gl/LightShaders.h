// The shader programs' sources, one variant per light mode: every per-object and per-light constant is
// worked out on the CPU, so a pixel pays only for what varies across the surface. Vertices come in world
// space with their material's lit colours and their layer of the scene's texture array.
#pragma once

#include <QByteArray>

namespace velmar::platform {

// What the spot variant is built for; a light whose cone or exponent changes needs a new program.
struct SpotShape {
    float exponent = 0;
    bool cone = false; // the cut-off limits the light to a cone
    bool operator==(const SpotShape&) const = default;
};

// Lit by the spot light: texel * clamp(base + diffuse * max(N.L, 0) * spot) + specular * (N.H)^32 * spot.
extern const char* const kSpotVertexShader;
QByteArray spotFragmentShader(const SpotShape& shape);

// Light off: texel * base, where base is the material's own clamped emission.
extern const char* const kFlatVertexShader;
QByteArray flatFragmentShader();

} // namespace velmar::platform
