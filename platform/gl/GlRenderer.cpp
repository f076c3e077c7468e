#include "GlRenderer.h"

#include "platform/scene/Picking.h"
#include "platform/scene/Scene.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_3_3_Core>
#include <QOpenGLVersionFunctionsFactory>

#include <algorithm>
#include <cstdint>

namespace velmar::platform {
namespace {

const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
uniform mat4 uModel;
uniform mat4 uViewProj;
uniform mat3 uNormalMat;
out vec3 vWorldPos;
out vec3 vNormal;
out vec2 vUv;
void main() {
    vec4 world = uModel * vec4(aPos, 1.0);
    vWorldPos = world.xyz;
    vNormal = uNormalMat * aNormal;
    vUv = aUv;
    gl_Position = uViewProj * world;
}
)";

// texel * (emissive + ambient + diffuse * max(N.L, 0) * spot) + specular, everything clamped.
const char* const kFragmentShader = R"(#version 330 core
in vec3 vWorldPos;
in vec3 vNormal;
in vec2 vUv;
out vec4 fragColor;
uniform vec4 uDiffuse;
uniform vec4 uAmbient;
uniform vec4 uEmissive;
uniform vec4 uSpecular;
uniform bool uTextured;
uniform sampler2D uTexture;
uniform bool uLightOn;
uniform vec3 uLightPos;
uniform vec3 uLightDir;
uniform vec4 uLightAmbient;
uniform vec4 uLightDiffuse;
uniform vec4 uLightSpecular;
uniform float uAttenuation;
uniform float uCutOff;
uniform float uExponent;
uniform vec3 uEyePos;
void main() {
    // Only sides facing the eye are drawn (back faces are culled), so the normal needs no flip.
    vec3 toEye = uEyePos - vWorldPos;
    vec3 n = normalize(vNormal);
    vec4 texel = uTextured ? texture(uTexture, vUv) : vec4(1.0);
    vec3 light = uEmissive.rgb * uEmissive.a;
    vec3 highlight = vec3(0.0);
    if (uLightOn) {
        vec3 toLight = uLightPos - vWorldPos;
        vec3 l = normalize(toLight);
        float cosAxis = dot(-l, normalize(uLightDir));
        float spot = pow(max(cosAxis, 0.0), uExponent);
        if (uCutOff < 180.0 && cosAxis < cos(radians(uCutOff))) spot = 0.0;
        float att = 1.0 / max(uAttenuation, 1e-4);
        light += uAmbient.rgb * uAmbient.a * uLightAmbient.rgb;
        light += uDiffuse.rgb * uDiffuse.a * uLightDiffuse.rgb * max(dot(n, l), 0.0) * spot * att;
        vec3 h = normalize(l + normalize(toEye));
        highlight = uSpecular.rgb * uSpecular.a * uLightSpecular.rgb * pow(max(dot(n, h), 0.0), 32.0) * spot * att;
    }
    fragColor = vec4(clamp(texel.rgb * clamp(light, 0.0, 1.0) + highlight, 0.0, 1.0), 1.0);
}
)";

// Unit cube centred on the origin: position, normal, uv for each of 4 corners of 6 sides, the sides in
// the order of Box::sideOf's bits: -Z, +Z, -Y, +Y, -X, +X.
std::vector<float> cubeVertices()
{
    struct Side {
        float n[3], u[3], v[3];
    };
    static const Side sides[6] = {
        {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},   {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    };
    static const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    std::vector<float> out;
    for (const Side& s : sides)
        for (const auto& c : corners) {
            for (int i = 0; i < 3; ++i)
                out.push_back(0.5f * (s.n[i] + c[0] * s.u[i] + c[1] * s.v[i]));
            out.insert(out.end(), {s.n[0], s.n[1], s.n[2], (c[0] + 1) / 2, (c[1] + 1) / 2});
        }
    return out;
}

std::vector<unsigned short> quadIndices(int quads)
{
    std::vector<unsigned short> out;
    for (int q = 0; q < quads; ++q) {
        const auto b = static_cast<unsigned short>(4 * q);
        out.insert(out.end(), {b, static_cast<unsigned short>(b + 1), static_cast<unsigned short>(b + 2), b,
                               static_cast<unsigned short>(b + 2), static_cast<unsigned short>(b + 3)});
    }
    return out;
}

void setColour(QOpenGLFunctions_3_3_Core* gl, int location, const QColor& c)
{
    gl->glUniform4f(location, float(c.redF()), float(c.greenF()), float(c.blueF()), float(c.alphaF()));
}

} // namespace

bool GlRenderer::initialize(const Scene& scene)
{
    m_ready = false;
    m_gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_3_3_Core>(QOpenGLContext::currentContext());
    if (!m_gl) {
        m_error = QStringLiteral("OpenGL 3.3 core functions are not available");
        return false;
    }
    if (!buildProgram())
        return false;

    buildMesh(m_objects.box, cubeVertices(), quadIndices(6));
    // The plane faces its own -Z: same layout as the cube's front side, at z = 0.
    std::vector<float> quad = cubeVertices();
    quad.resize(4 * 8);
    for (int i = 0; i < 4; ++i)
        quad[i * 8 + 2] = 0.0f;
    buildMesh(m_objects.plane, quad, quadIndices(1));

    for (const SceneObject* object : scene.components()) {
        if (object->kind() != ObjectKind::Box && object->kind() != ObjectKind::Plane)
            continue;
        const QImage* image = static_cast<const MeshObject*>(object)->material().texture;
        if (!image || textureFor(image))
            continue;
        const QImage rgba = image->convertToFormat(QImage::Format_RGBA8888);
        unsigned id = 0;
        m_gl->glGenTextures(1, &id);
        m_gl->glBindTexture(GL_TEXTURE_2D, id);
        m_gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, rgba.width(), rgba.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                           rgba.constBits());
        m_gl->glGenerateMipmap(GL_TEXTURE_2D);
        m_gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        m_gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        m_gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        m_gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        m_objects.textures.emplace_back(image, id);
    }
    m_drawables.reserve(scene.components().size());
    m_ready = true;
    return true;
}

bool GlRenderer::buildProgram()
{
    auto compile = [this](unsigned type, const char* source) -> unsigned {
        const unsigned shader = m_gl->glCreateShader(type);
        m_gl->glShaderSource(shader, 1, &source, nullptr);
        m_gl->glCompileShader(shader);
        int ok = 0;
        m_gl->glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
        if (!ok) {
            char log[1024] = {};
            m_gl->glGetShaderInfoLog(shader, sizeof log, nullptr, log);
            m_error = QStringLiteral("shader compilation failed: ") + QString::fromUtf8(log);
            m_gl->glDeleteShader(shader);
            return 0;
        }
        return shader;
    };
    const unsigned vs = compile(GL_VERTEX_SHADER, kVertexShader);
    const unsigned fs = vs ? compile(GL_FRAGMENT_SHADER, kFragmentShader) : 0;
    if (!vs || !fs) {
        if (vs)
            m_gl->glDeleteShader(vs);
        return false;
    }
    const unsigned program = m_gl->glCreateProgram();
    m_gl->glAttachShader(program, vs);
    m_gl->glAttachShader(program, fs);
    m_gl->glLinkProgram(program);
    m_gl->glDeleteShader(vs);
    m_gl->glDeleteShader(fs);
    int ok = 0;
    m_gl->glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        m_gl->glGetProgramInfoLog(program, sizeof log, nullptr, log);
        m_error = QStringLiteral("shader link failed: ") + QString::fromUtf8(log);
        m_gl->glDeleteProgram(program);
        return false;
    }
    m_objects.program = program;
    auto loc = [&](const char* name) { return m_gl->glGetUniformLocation(program, name); };
    m_u = {loc("uModel"),        loc("uViewProj"),     loc("uNormalMat"),   loc("uDiffuse"),   loc("uAmbient"),
           loc("uEmissive"),     loc("uSpecular"),     loc("uTextured"),    loc("uTexture"),   loc("uLightOn"),
           loc("uLightPos"),     loc("uLightDir"),     loc("uLightAmbient"), loc("uLightDiffuse"),
           loc("uLightSpecular"), loc("uAttenuation"), loc("uCutOff"),      loc("uExponent"),  loc("uEyePos")};
    return true;
}

void GlRenderer::buildMesh(Mesh& mesh, const std::vector<float>& vertices, const std::vector<unsigned short>& indices)
{
    m_gl->glGenVertexArrays(1, &mesh.vao);
    m_gl->glBindVertexArray(mesh.vao);
    m_gl->glGenBuffers(1, &mesh.vbo);
    m_gl->glBindBuffer(GL_ARRAY_BUFFER, mesh.vbo);
    m_gl->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(), GL_STATIC_DRAW);
    m_gl->glGenBuffers(1, &mesh.ibo);
    m_gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.ibo);
    m_gl->glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(unsigned short)), indices.data(),
                       GL_STATIC_DRAW);
    const int stride = 8 * sizeof(float);
    m_gl->glEnableVertexAttribArray(0);
    m_gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    m_gl->glEnableVertexAttribArray(1);
    m_gl->glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(3 * sizeof(float)));
    m_gl->glEnableVertexAttribArray(2);
    m_gl->glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(6 * sizeof(float)));
    m_gl->glBindVertexArray(0);
    mesh.indexCount = int(indices.size());
}

unsigned GlRenderer::textureFor(const QImage* image) const
{
    for (const auto& [key, id] : m_objects.textures)
        if (key == image)
            return id;
    return 0;
}

void GlRenderer::applyLight(const Scene& scene)
{
    const SpotLight* light = nullptr;
    for (const SceneObject* object : scene.components())
        if (object->kind() == ObjectKind::Light) {
            light = static_cast<const SpotLight*>(object);
            break;
        }
    const bool on = light && light->isEnabled() && light->isVisible();
    m_gl->glUniform1i(m_u.lightOn, on ? 1 : 0);
    if (!on)
        return;
    const SpotLight::Params& p = light->params();
    const QVector3D pos = light->absolutePosition();
    const QVector3D dir = light->worldRotation().rotatedVector({0, 0, 1});
    m_gl->glUniform3f(m_u.lightPos, pos.x(), pos.y(), pos.z());
    m_gl->glUniform3f(m_u.lightDir, dir.x(), dir.y(), dir.z());
    setColour(m_gl, m_u.lightAmbient, p.ambient);
    setColour(m_gl, m_u.lightDiffuse, p.diffuse);
    setColour(m_gl, m_u.lightSpecular, p.specular);
    m_gl->glUniform1f(m_u.attenuation, p.constantAttenuation);
    m_gl->glUniform1f(m_u.cutOff, p.spotCutOff);
    m_gl->glUniform1f(m_u.exponent, p.spotExponent);
}

void GlRenderer::render(const Scene& scene, const Camera& camera, QSize devicePixels, const QColor& background)
{
    // After a release, or a failed initialisation, there are no functions to call.
    if (!m_ready)
        return;
    m_gl->glViewport(0, 0, devicePixels.width(), devicePixels.height());
    m_gl->glClearColor(float(background.redF()), float(background.greenF()), float(background.blueF()), 1.0f);
    m_gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (devicePixels.isEmpty())
        return;
    m_gl->glEnable(GL_DEPTH_TEST);
    m_gl->glEnable(GL_MULTISAMPLE);
    // Every box side and every sticker is seen from outside only; the sides face outwards clockwise
    // once the view's Y flip has turned them over.
    m_gl->glEnable(GL_CULL_FACE);
    m_gl->glCullFace(GL_BACK);
    m_gl->glFrontFace(GL_CW);
    m_gl->glUseProgram(m_objects.program);
    m_gl->glActiveTexture(GL_TEXTURE0);
    m_gl->glUniform1i(m_u.texture, 0);

    const float aspect = float(devicePixels.width()) / float(devicePixels.height());
    const QMatrix4x4 viewProj = projectionMatrix(aspect) * viewMatrix(camera);
    m_gl->glUniformMatrix4fv(m_u.viewProj, 1, GL_FALSE, viewProj.constData());
    const QVector3D eye = camera.absolutePosition();
    m_gl->glUniform3f(m_u.eyePos, eye.x(), eye.y(), eye.z());
    applyLight(scene);


    // Nearest first: what lies behind fails the depth test before it is shaded.
    m_drawables.clear();
    const QMatrix4x4 identity;
    for (const SceneObject* object : scene.components())
        if (!object->parent())
            collect(*object, identity, eye);
    std::sort(m_drawables.begin(), m_drawables.end(),
              [](const Drawable& a, const Drawable& b) { return a.depth < b.depth; });
    for (const Drawable& drawable : m_drawables)
        draw(drawable);
    m_gl->glBindVertexArray(0);
}

void GlRenderer::collect(const SceneObject& object, const QMatrix4x4& parentWorld, const QVector3D& eye)
{
    if (!object.isVisible())
        return;
    const QMatrix4x4 world = parentWorld * object.localTransform();
    const bool allHidden =
        object.kind() == ObjectKind::Box && static_cast<const Box&>(object).hiddenSides() == Box::kAllSides;
    if ((object.kind() == ObjectKind::Box || object.kind() == ObjectKind::Plane) && !allHidden &&
        !static_cast<const MeshObject&>(object).material().isInvisible())
        m_drawables.push_back({&object, world, (world.column(3).toVector3D() - eye).lengthSquared()});
    for (const SceneObject* child : object.children())
        collect(*child, world, eye);
}

void GlRenderer::draw(const Drawable& drawable)
{
    const SceneObject& object = *drawable.object;
    const bool isBox = object.kind() == ObjectKind::Box;
    const Material& m = static_cast<const MeshObject&>(object).material();
    QMatrix4x4 model = drawable.world;
    if (isBox)
        model.scale(static_cast<const Box&>(object).size());
    else
        model.scale(float(static_cast<const Plane&>(object).size().width()),
                    float(static_cast<const Plane&>(object).size().height()), 1.0f);
    const QMatrix3x3 normalMat = drawable.world.normalMatrix();
    m_gl->glUniformMatrix4fv(m_u.model, 1, GL_FALSE, model.constData());
    m_gl->glUniformMatrix3fv(m_u.normalMat, 1, GL_FALSE, normalMat.constData());
    setColour(m_gl, m_u.diffuse, m.diffuse);
    setColour(m_gl, m_u.ambient, m.ambient);
    setColour(m_gl, m_u.emissive, m.emissive);
    setColour(m_gl, m_u.specular, m.specular);
    const unsigned texture = textureFor(m.texture);
    m_gl->glUniform1i(m_u.textured, texture ? 1 : 0);
    m_gl->glBindTexture(GL_TEXTURE_2D, texture);
    const Mesh& mesh = isBox ? m_objects.box : m_objects.plane;
    m_gl->glBindVertexArray(mesh.vao);
    const Box::Sides hidden = isBox ? static_cast<const Box&>(object).hiddenSides() : 0;
    if (hidden == 0) {
        m_gl->glDrawElements(GL_TRIANGLES, mesh.indexCount, GL_UNSIGNED_SHORT, nullptr);
        return;
    }
    // The box mesh holds its sides in the order of their bits, six indices each.
    constexpr int kIndicesPerSide = 6;
    for (int side = 0; side < 6; ++side)
        if (!(hidden & (1u << side)))
            m_gl->glDrawElements(GL_TRIANGLES, kIndicesPerSide, GL_UNSIGNED_SHORT,
                                 reinterpret_cast<const void*>(std::uintptr_t(side * kIndicesPerSide * sizeof(unsigned short))));
}

void GlRenderer::release()
{
    if (!m_gl)
        return;
    for (Mesh* mesh : {&m_objects.box, &m_objects.plane}) {
        m_gl->glDeleteVertexArrays(1, &mesh->vao);
        m_gl->glDeleteBuffers(1, &mesh->vbo);
        m_gl->glDeleteBuffers(1, &mesh->ibo);
        *mesh = {};
    }
    for (const auto& [image, id] : m_objects.textures)
        m_gl->glDeleteTextures(1, &id);
    m_objects.textures.clear();
    if (m_objects.program)
        m_gl->glDeleteProgram(m_objects.program);
    m_objects.program = 0;
    m_ready = false;
    m_gl = nullptr;
}

} // namespace velmar::platform
