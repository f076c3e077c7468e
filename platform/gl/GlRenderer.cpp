#include "GlRenderer.h"

#include "platform/scene/Picking.h"
#include "platform/scene/Scene.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_3_3_Core>
#include <QOpenGLVersionFunctionsFactory>

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace velmar::platform {
namespace {

// Per vertex: world position, normal, texture u, v and layer, then the material's base, diffuse and
// specular colours as the light meets them, then the middle of its quad (where ink takes its colour).
constexpr int kVertexFloats = 21;
constexpr int kCornerFloats = 8; // position, normal, uv of a corner of the unit cube

// Unit cube centred on the origin: position, normal, uv for each of 4 corners of 6 sides, the sides in
// the order of Box::sideOf's bits: -Z, +Z, -Y, +Y, -X, +X. A plane is the -Z side moved to z = 0.
std::array<float, 6 * 4 * kCornerFloats> unitCube()
{
    struct Side {
        float n[3], u[3], v[3];
    };
    static const Side sides[6] = {
        {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}},  {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},  {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    };
    static const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    std::array<float, 6 * 4 * kCornerFloats> out{};
    float* o = out.data();
    for (const Side& s : sides)
        for (const auto& c : corners) {
            for (int i = 0; i < 3; ++i)
                *o++ = 0.5f * (s.n[i] + c[0] * s.u[i] + c[1] * s.v[i]);
            for (float f : {s.n[0], s.n[1], s.n[2], (c[0] + 1) / 2, (c[1] + 1) / 2})
                *o++ = f;
        }
    return out;
}
const std::array<float, 6 * 4 * kCornerFloats> kUnitCube = unitCube();

// A colour with its alpha applied, as the lighting adds colours up.
QVector3D premultiplied(const QColor& c)
{
    const float a = float(c.alphaF());
    return {float(c.redF()) * a, float(c.greenF()) * a, float(c.blueF()) * a};
}

const SpotLight* lightOf(const Scene& scene)
{
    for (const SceneObject* object : scene.components())
        if (object->kind() == ObjectKind::Light)
            return static_cast<const SpotLight*>(object);
    return nullptr;
}

SpotShape shapeOf(const SpotLight* light)
{
    if (!light)
        return {};
    return {light->params().spotExponent, light->params().spotCutOff < 180.0f};
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
    m_objects = {};
    m_spotShape = shapeOf(lightOf(scene));
    // The light-off program waits until the light first goes off: most runs never need it.
    if (!buildProgram(m_objects.spot, kSpotVertexShader, spotFragmentShader(m_spotShape).constData()))
        return false;

    m_gl->glGenVertexArrays(1, &m_objects.vao);
    m_gl->glBindVertexArray(m_objects.vao);
    m_gl->glGenBuffers(1, &m_objects.vbo);
    m_gl->glBindBuffer(GL_ARRAY_BUFFER, m_objects.vbo);
    m_gl->glGenBuffers(1, &m_objects.ibo);
    m_gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_objects.ibo);
    const int stride = kVertexFloats * sizeof(float);
    const int sizes[] = {3, 3, 3, 3, 3, 3, 3}; // position, normal, uv+layer, base, diffuse, specular, middle
    int offset = 0;
    for (unsigned i = 0; i < std::size(sizes); ++i) {
        m_gl->glEnableVertexAttribArray(i);
        m_gl->glVertexAttribPointer(i, sizes[i], GL_FLOAT, GL_FALSE, stride,
                                    reinterpret_cast<void*>(std::uintptr_t(offset * sizeof(float))));
        offset += sizes[i];
    }
    int quads = 0;
    for (const SceneObject* object : scene.components())
        quads += object->kind() == ObjectKind::Box ? 6 : object->kind() == ObjectKind::Plane ? 1 : 0;
    reserveQuads(quads);
    m_gl->glBindVertexArray(0);
    collectImages(scene);
    buildTextures();

    m_drawables.reserve(scene.components().size());
    m_vertices.reserve(std::size_t(quads) * 4 * kVertexFloats);
    m_ready = true;
    return true;
}

bool GlRenderer::collectImages(const Scene& scene)
{
    m_objects.imageChanges = scene.imageChanges();
    bool added = false;
    for (const SceneObject* object : scene.components()) {
        if (object->kind() != ObjectKind::Box && object->kind() != ObjectKind::Plane)
            continue;
        const QImage* image = static_cast<const MeshObject*>(object)->material().texture;
        if (!image || std::find(m_objects.layers.begin(), m_objects.layers.end(), image) != m_objects.layers.end())
            continue;
        m_objects.layers.push_back(image);
        added = true;
    }
    return added;
}

// One array texture for every image the scene has shown, so that a frame binds nothing between its
// objects. Its layers take the size of the largest image; the cube's tiles all have one size. Images
// are added, never dropped: a scene that shows an image once may show it again.
void GlRenderer::buildTextures()
{
    QSize size(1, 1);
    for (const QImage* image : m_objects.layers)
        size = size.expandedTo(image->size());
    const auto rgbaAt = [](const QImage& image, QSize at) {
        return (image.size() == at ? image : image.scaled(at, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            .convertToFormat(QImage::Format_RGBA8888);
    };
    // Layer 0 is plain white, for what has no picture.
    std::vector<QImage> images;
    images.reserve(m_objects.layers.size() + 1);
    images.emplace_back(size, QImage::Format_RGBA8888).fill(Qt::white);
    for (const QImage* image : m_objects.layers)
        images.push_back(rgbaAt(*image, size));
    if (!m_objects.textures)
        m_gl->glGenTextures(1, &m_objects.textures);
    m_gl->glBindTexture(GL_TEXTURE_2D_ARRAY, m_objects.textures);
    // The smaller levels are made here, each by halving the one before, rather than by glGenerateMipmap:
    // for that one blit llvmpipe would compile three shaders of its own before the first frame.
    for (int level = 0;; ++level) {
        const QSize at = images.front().size();
        m_gl->glTexImage3D(GL_TEXTURE_2D_ARRAY, level, GL_RGBA8, at.width(), at.height(), GLsizei(images.size()), 0,
                           GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        for (std::size_t i = 0; i < images.size(); ++i)
            m_gl->glTexSubImage3D(GL_TEXTURE_2D_ARRAY, level, 0, 0, GLint(i), at.width(), at.height(), 1, GL_RGBA,
                                  GL_UNSIGNED_BYTE, images[i].constBits());
        if (at == QSize(1, 1))
            break;
        const QSize half(std::max(1, at.width() / 2), std::max(1, at.height() / 2));
        for (QImage& image : images)
            image = rgbaAt(image, half);
    }
    m_gl->glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    m_gl->glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    m_gl->glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    m_gl->glTexParameteri(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

float GlRenderer::layerOf(const QImage* image) const
{
    if (!image)
        return 0;
    const auto it = std::find(m_objects.layers.begin(), m_objects.layers.end(), image);
    return it == m_objects.layers.end() ? 0.0f : float(it - m_objects.layers.begin() + 1);
}

// The index buffer holds two triangles for each quad the vertex buffer may hold; it grows, never shrinks.
void GlRenderer::reserveQuads(int quads)
{
    if (quads <= m_objects.quadCapacity)
        return;
    std::vector<unsigned short> indices;
    indices.reserve(std::size_t(quads) * 6);
    for (int q = 0; q < quads; ++q) {
        const auto b = static_cast<unsigned short>(4 * q);
        indices.insert(indices.end(), {b, static_cast<unsigned short>(b + 1), static_cast<unsigned short>(b + 2), b,
                                       static_cast<unsigned short>(b + 2), static_cast<unsigned short>(b + 3)});
    }
    m_gl->glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(unsigned short)), indices.data(),
                       GL_STATIC_DRAW);
    m_objects.quadCapacity = quads;
}

bool GlRenderer::buildProgram(Program& program, const char* vertexSource, const char* fragmentSource)
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
    const unsigned vs = compile(GL_VERTEX_SHADER, vertexSource);
    const unsigned fs = vs ? compile(GL_FRAGMENT_SHADER, fragmentSource) : 0;
    if (!vs || !fs) {
        if (vs)
            m_gl->glDeleteShader(vs);
        return false;
    }
    const unsigned id = m_gl->glCreateProgram();
    m_gl->glAttachShader(id, vs);
    m_gl->glAttachShader(id, fs);
    m_gl->glLinkProgram(id);
    // Detached, the shaders are deleted at once: an attached shader keeps its compiled form alive
    // for as long as the program lives.
    m_gl->glDetachShader(id, vs);
    m_gl->glDetachShader(id, fs);
    m_gl->glDeleteShader(vs);
    m_gl->glDeleteShader(fs);
    int ok = 0;
    m_gl->glGetProgramiv(id, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        m_gl->glGetProgramInfoLog(id, sizeof log, nullptr, log);
        m_error = QStringLiteral("shader link failed: ") + QString::fromUtf8(log);
        m_gl->glDeleteProgram(id);
        return false;
    }
    auto loc = [&](const char* name) { return m_gl->glGetUniformLocation(id, name); };
    program = {
        id, loc("uViewProj"), loc("uTexture"), loc("uLightPos"), loc("uLightDir"), loc("uEyePos"), loc("uCosCutOff")};
    return true;
}

// A light whose exponent or cone changes gets its own program; that is rare, never per frame.
bool GlRenderer::useSpotShape(const SpotShape& shape)
{
    if (shape == m_spotShape && m_objects.spot.id)
        return true;
    Program built;
    if (!buildProgram(built, kSpotVertexShader, spotFragmentShader(shape).constData())) {
        qWarning("%s", qPrintable(m_error));
        return false;
    }
    if (m_objects.spot.id)
        m_gl->glDeleteProgram(m_objects.spot.id);
    m_objects.spot = built;
    m_spotShape = shape;
    return true;
}

const GlRenderer::Program* GlRenderer::applyLight(const Scene& scene, const QVector3D& eye)
{
    const SpotLight* light = lightOf(scene);
    m_light.on = light && light->isEnabled() && light->isVisible();
    if (m_light.on && !useSpotShape(shapeOf(light)))
        return nullptr;
    if (!m_light.on) {
        if (!m_objects.flat.id && !buildProgram(m_objects.flat, kFlatVertexShader, flatFragmentShader().constData())) {
            qWarning("%s", qPrintable(m_error));
            return nullptr;
        }
        m_gl->glUseProgram(m_objects.flat.id);
        return &m_objects.flat;
    }
    const Program& program = m_objects.spot;
    m_gl->glUseProgram(program.id);
    const SpotLight::Params& p = light->params();
    const float attenuation = 1.0f / std::max(p.constantAttenuation, 1e-4f);
    m_light.ambient = premultiplied(p.ambient);
    m_light.diffuse = premultiplied(p.diffuse) * attenuation;
    m_light.specular = premultiplied(p.specular) * attenuation;
    const QVector3D pos = light->absolutePosition();
    const QVector3D dir = light->worldRotation().rotatedVector({0, 0, 1}).normalized();
    m_gl->glUniform3f(program.lightPos, pos.x(), pos.y(), pos.z());
    m_gl->glUniform3f(program.lightDir, dir.x(), dir.y(), dir.z());
    m_gl->glUniform3f(program.eyePos, eye.x(), eye.y(), eye.z());
    m_gl->glUniform1f(program.cosCutOff, std::cos(qDegreesToRadians(p.spotCutOff)));
    return &program;
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
    // A picture shown for the first time (the stickers' letters) joins the texture once, not per frame.
    if (scene.imageChanges() != m_objects.imageChanges && collectImages(scene))
        buildTextures();
    const QVector3D eye = camera.absolutePosition();
    const Program* lit = applyLight(scene, eye);
    if (!lit)
        return;
    const Program& program = *lit;
    m_gl->glActiveTexture(GL_TEXTURE0);
    m_gl->glBindTexture(GL_TEXTURE_2D_ARRAY, m_objects.textures);
    m_gl->glUniform1i(program.texture, 0);
    const float aspect = float(devicePixels.width()) / float(devicePixels.height());
    const QMatrix4x4 viewProj = projectionMatrix(aspect) * viewMatrix(camera);
    m_gl->glUniformMatrix4fv(program.viewProj, 1, GL_FALSE, viewProj.constData());

    // Nearest first: what lies behind fails the depth test before it is shaded.
    m_drawables.clear();
    const QMatrix4x4 identity;
    for (const SceneObject* object : scene.components())
        if (!object->parent())
            collect(*object, identity, eye);
    std::sort(m_drawables.begin(), m_drawables.end(),
              [](const Drawable& a, const Drawable& b) { return a.depth < b.depth; });
    m_vertices.clear();
    for (const Drawable& drawable : m_drawables)
        appendQuads(drawable);
    const int quads = int(m_vertices.size() / (4 * kVertexFloats));
    m_gl->glBindVertexArray(m_objects.vao);
    reserveQuads(quads);
    // A fresh store each frame: the driver need not wait for the last frame's draw to finish with it.
    m_gl->glBindBuffer(GL_ARRAY_BUFFER, m_objects.vbo);
    m_gl->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(m_vertices.size() * sizeof(float)), m_vertices.data(),
                       GL_STREAM_DRAW);
    m_gl->glDrawElements(GL_TRIANGLES, quads * 6, GL_UNSIGNED_SHORT, nullptr);
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

void GlRenderer::appendQuads(const Drawable& drawable)
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
    const QVector3D emissive = premultiplied(m.emissive);
    QVector3D base, diffuse, specular;
    if (m_light.on) {
        base = emissive + premultiplied(m.ambient) * m_light.ambient;
        diffuse = premultiplied(m.diffuse) * m_light.diffuse;
        specular = premultiplied(m.specular) * m_light.specular;
    } else {
        base = {std::clamp(emissive.x(), 0.0f, 1.0f), std::clamp(emissive.y(), 0.0f, 1.0f),
                std::clamp(emissive.z(), 0.0f, 1.0f)};
    }
    const float layer = layerOf(m.texture);
    const Box::Sides hidden = isBox ? static_cast<const Box&>(object).hiddenSides() : Box::Sides(~1u);
    for (int side = 0; side < 6; ++side) {
        if (hidden & (1u << side))
            continue;
        const float* n0 = &kUnitCube[std::size_t(side * 4 * kCornerFloats + 3)];
        const QVector3D middle = model.map(isBox ? QVector3D(n0[0], n0[1], n0[2]) * 0.5f : QVector3D());
        for (int corner = 0; corner < 4; ++corner) {
            const float* c = &kUnitCube[std::size_t((side * 4 + corner) * kCornerFloats)];
            const QVector3D p = model.map(QVector3D(c[0], c[1], isBox ? c[2] : 0.0f));
            const float* nm = normalMat.constData(); // column-major
            const QVector3D n(nm[0] * c[3] + nm[3] * c[4] + nm[6] * c[5], nm[1] * c[3] + nm[4] * c[4] + nm[7] * c[5],
                              nm[2] * c[3] + nm[5] * c[4] + nm[8] * c[5]);
            for (float f : {p.x(),       p.y(),        p.z(),        n.x(),        n.y(),      n.z(),       c[6],
                            c[7],        layer,        base.x(),     base.y(),     base.z(),   diffuse.x(), diffuse.y(),
                            diffuse.z(), specular.x(), specular.y(), specular.z(), middle.x(), middle.y(),  middle.z()})
                m_vertices.push_back(f);
        }
    }
}

void GlRenderer::release()
{
    if (!m_gl)
        return;
    m_gl->glDeleteVertexArrays(1, &m_objects.vao);
    m_gl->glDeleteBuffers(1, &m_objects.vbo);
    m_gl->glDeleteBuffers(1, &m_objects.ibo);
    m_gl->glDeleteTextures(1, &m_objects.textures);
    for (Program* program : {&m_objects.spot, &m_objects.flat})
        if (program->id)
            m_gl->glDeleteProgram(program->id);
    m_objects = {};
    m_ready = false;
    m_gl = nullptr;
}

} // namespace velmar::platform
