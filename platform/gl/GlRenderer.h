// Draws the scene's boxes and planes with per-pixel spot lighting through OpenGL 3.3 core.
#pragma once

#include <QColor>
#include <QImage>
#include <QMatrix4x4>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class QOpenGLFunctions_3_3_Core;

namespace velmar::platform {

class Scene;
class Camera;
class SceneObject;
class SpotLight;

class GlRenderer {
public:
    // Needs a current context. Builds buffers, shaders and the textures of every image the scene uses;
    // false with `error()` set when any of it fails.
    bool initialize(const Scene& scene);
    void render(const Scene& scene, const Camera& camera, QSize devicePixels, const QColor& background);
    // Frees GL objects; the context must be current.
    void release();

    bool isReady() const { return m_ready; }
    const QString& error() const { return m_error; }

private:
    struct Uniforms {
        int model = -1, viewProj = -1, normalMat = -1;
        int diffuse = -1, ambient = -1, emissive = -1, specular = -1, textured = -1, texture = -1;
        int lightOn = -1, lightPos = -1, lightDir = -1, lightAmbient = -1, lightDiffuse = -1, lightSpecular = -1;
        int attenuation = -1, cutOff = -1, exponent = -1, eyePos = -1;
    };
    struct Mesh {
        unsigned vao = 0, vbo = 0, ibo = 0;
        int indexCount = 0;
    };
    struct GlObjects {
        unsigned program = 0;
        Mesh box;
        Mesh plane;
        std::vector<std::pair<const QImage*, unsigned>> textures;
    };

    // One box or plane to draw this frame, with its world transform and its distance from the eye.
    struct Drawable {
        const SceneObject* object;
        QMatrix4x4 world;
        float depth;
    };

    bool buildProgram();
    void buildMesh(Mesh& mesh, const std::vector<float>& vertices, const std::vector<unsigned short>& indices);
    unsigned textureFor(const QImage* image) const;
    void collect(const SceneObject& object, const QMatrix4x4& parentWorld, const QVector3D& eye);
    void draw(const Drawable& drawable);
    void applyLight(const Scene& scene);

    QOpenGLFunctions_3_3_Core* m_gl = nullptr;
    GlObjects m_objects;
    Uniforms m_u;
    // Reused every frame, so drawing allocates nothing once it has grown to the scene's size.
    std::vector<Drawable> m_drawables;
    bool m_ready = false;
    QString m_error;
};

} // namespace velmar::platform
