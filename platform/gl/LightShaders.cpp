#include "LightShaders.h"

#include <cmath>

namespace velmar::platform {

// Every vertex comes in world space with its object's material already lit: a frame is one draw.
const char* const kSpotVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec3 aUvLayer;
layout(location = 3) in vec3 aBase;
layout(location = 4) in vec3 aDiffuse;
layout(location = 5) in vec3 aSpecular;
layout(location = 6) in vec3 aMiddle;
uniform mat4 uViewProj;
out vec3 vWorldPos;
out vec3 vNormal;
out vec3 vUvLayer;
flat out vec3 vMiddle;
flat out vec3 vBase;
flat out vec3 vDiffuse;
flat out vec3 vSpecular;
void main() {
    vWorldPos = aPos;
    vMiddle = aMiddle;
    vNormal = aNormal;
    vUvLayer = aUvLayer;
    vBase = aBase;
    vDiffuse = aDiffuse;
    vSpecular = aSpecular;
    gl_Position = uViewProj * vec4(aPos, 1.0);
}
)";

const char* const kFlatVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 2) in vec3 aUvLayer;
layout(location = 3) in vec3 aBase;
uniform mat4 uViewProj;
out vec3 vUvLayer;
flat out vec3 vBase;
void main() {
    vUvLayer = aUvLayer;
    vBase = aBase;
    gl_Position = uViewProj * vec4(aPos, 1.0);
}
)";

namespace {

// Ink: a texel whose alpha is below 1 carries a marking, full where the alpha is 0.5 or less, drawn
// black or white, whichever stands out more from `under`, the surface's colour as lit in the middle of
// the quad (one colour for a whole marking: chosen pixel by pixel, a letter across a gradient of light
// would come out in two). An opaque texel is left exactly as lit.
const char* const kInkFunction = R"(
float luminance(vec3 c) {
    vec3 linear = mix(c / 12.92, pow((c + 0.055) / 1.055, vec3(2.4)), step(0.04045, c));
    return dot(linear, vec3(0.2126, 0.7152, 0.0722));
}
vec3 inked(vec3 lit, float alpha, vec3 under) {
    float ink = clamp((1.0 - alpha) * 2.0, 0.0, 1.0);
    if (ink > 0.0) {
        // From this luminance on, black contrasts more than white.
        vec3 colour = vec3(luminance(under) < 0.17913 ? 1.0 : 0.0);
        lit = lit * (1.0 - ink) + colour * ink;
    }
    return lit;
}
)";

const char* const kFlatFragmentMain = R"(
void main() {
    vec4 texel = texture(uTexture, vUvLayer);
    vec3 lit = texel.rgb * vBase;
    fragColor = vec4(inked(lit, texel.a, lit), 1.0);
}
)";

} // namespace

QByteArray flatFragmentShader()
{
    return QByteArray(R"(#version 330 core
in vec3 vUvLayer;
flat in vec3 vBase;
out vec4 fragColor;
uniform sampler2DArray uTexture;
)") + kInkFunction +
           kFlatFragmentMain;
}

namespace {

// x^exponent: squarings and products for a small whole exponent (as the light's usually is), else pow.
QByteArray spotPowerFunction(float exponent)
{
    QByteArray body;
    const float whole = std::round(exponent);
    if (exponent >= 0 && exponent <= 64 && whole == exponent) {
        body = "    float r = 1.0;\n";
        for (int e = int(whole); e > 0; e >>= 1) {
            if (e & 1)
                body += "    r *= x;\n";
            if (e > 1)
                body += "    x *= x;\n";
        }
        body += "    return r;\n";
    } else {
        body = "    return pow(x, " + QByteArray::number(exponent, 'g', 9) + ");\n";
    }
    return "float spotPower(float x) {\n" + body + "}\n";
}

const char* const kSpotFragmentMain = R"(
// The colour `texel` takes at `pos` on a side facing `n`.
vec3 litAt(vec3 pos, vec3 n, vec3 texel) {
    vec3 l = normalize(uLightPos - pos);
    float cosAxis = dot(-l, uLightDir);
    float spot = spotPower(max(cosAxis, 0.0));
#ifdef CONE
    spot *= step(uCosCutOff, cosAxis);
#endif
    vec3 h = normalize(l + normalize(uEyePos - pos));
    float s = max(dot(n, h), 0.0);
    s *= s; s *= s; s *= s; s *= s; s *= s; // ^32
    vec3 light = clamp(vBase + vDiffuse * (max(dot(n, l), 0.0) * spot), 0.0, 1.0);
    return clamp(texel * light + vSpecular * (s * spot), 0.0, 1.0);
}
void main() {
    // Only sides facing the eye are drawn (back faces are culled), so the normal needs no flip.
    vec3 n = normalize(vNormal);
    vec4 texel = texture(uTexture, vUvLayer);
    vec3 lit = litAt(vWorldPos, n, texel.rgb);
    fragColor = vec4(texel.a < 1.0 ? inked(lit, texel.a, litAt(vMiddle, n, texel.rgb)) : lit, 1.0);
}
)";

} // namespace

QByteArray spotFragmentShader(const SpotShape& shape)
{
    QByteArray source = "#version 330 core\n";
    if (shape.cone)
        source += "#define CONE\n";
    source += R"(in vec3 vWorldPos;
in vec3 vNormal;
in vec3 vUvLayer;
flat in vec3 vMiddle;
flat in vec3 vBase;
flat in vec3 vDiffuse;
flat in vec3 vSpecular;
out vec4 fragColor;
uniform sampler2DArray uTexture;
uniform vec3 uLightPos;
uniform vec3 uLightDir;
uniform vec3 uEyePos;
uniform float uCosCutOff;
)";
    source += spotPowerFunction(shape.exponent);
    source += kInkFunction;
    source += kSpotFragmentMain;
    return source;
}

} // namespace velmar::platform
