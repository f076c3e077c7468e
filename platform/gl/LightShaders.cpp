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
uniform mat4 uViewProj;
out vec3 vWorldPos;
out vec3 vNormal;
out vec3 vUvLayer;
flat out vec3 vBase;
flat out vec3 vDiffuse;
flat out vec3 vSpecular;
void main() {
    vWorldPos = aPos;
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

const char* const kFlatFragmentShader = R"(#version 330 core
in vec3 vUvLayer;
flat in vec3 vBase;
out vec4 fragColor;
uniform sampler2DArray uTexture;
void main() {
    fragColor = vec4(texture(uTexture, vUvLayer).rgb * vBase, 1.0);
}
)";

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
void main() {
    // Only sides facing the eye are drawn (back faces are culled), so the normal needs no flip.
    vec3 n = normalize(vNormal);
    vec3 l = normalize(uLightPos - vWorldPos);
    float cosAxis = dot(-l, uLightDir);
    float spot = spotPower(max(cosAxis, 0.0));
#ifdef CONE
    spot *= step(uCosCutOff, cosAxis);
#endif
    vec3 h = normalize(l + normalize(uEyePos - vWorldPos));
    float s = max(dot(n, h), 0.0);
    s *= s; s *= s; s *= s; s *= s; s *= s; // ^32
    vec3 light = clamp(vBase + vDiffuse * (max(dot(n, l), 0.0) * spot), 0.0, 1.0);
    fragColor = vec4(clamp(texture(uTexture, vUvLayer).rgb * light + vSpecular * (s * spot), 0.0, 1.0), 1.0);
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
    source += kSpotFragmentMain;
    return source;
}

} // namespace velmar::platform
