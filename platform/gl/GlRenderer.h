// Draws the scene's boxes and planes with per-pixel spot lighting through OpenGL 3.3 core.
#pragma once

#include "LightShaders.h"

#include <QColor>
#include <QImage>
#include <QMatrix4x4>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
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
    // A linked program and its uniforms' locations (-1 for those its variant does without).
    struct Program {
        unsigned id = 0;
        int viewProj = -1, texture = -1, lightPos = -1, lightDir = -1, eyePos = -1, cosCutOff = -1;
    };
    // The light's colours as this frame's materials meet them; off when the light is.
    struct FrameLight {
        bool on = false;
        QVector3D ambient, diffuse, specular; // diffuse and specular already attenuated
    };
    struct GlObjects {
        Program spot;
        Program flat;
        unsigned vao = 0, vbo = 0, ibo = 0;
        int quadCapacity = 0;              // quads the index buffer covers
        unsigned textures = 0;             // a 2D array: layer 0 is white, for materials without an image
        std::vector<const QImage*> layers; // the image of each layer from 1 on
        std::uint64_t imageChanges = 0;    // the scene's count when the layers were last checked
    };

    // One box or plane to draw this frame, with its world transform and its distance from the eye.
    struct Drawable {
        const SceneObject* object;
        QMatrix4x4 world;
        float depth;
    };

    bool buildProgram(Program& program, const char* vertexSource, const char* fragmentSource);
    bool useSpotShape(const SpotShape& shape);
    // Adds the images of the scene the texture lacks; true when there were any.
    bool collectImages(const Scene& scene);
    void buildTextures();
    void reserveQuads(int quads);
    float layerOf(const QImage* image) const;
    void collect(const SceneObject& object, const QMatrix4x4& parentWorld, const QVector3D& eye);
    void appendQuads(const Drawable& drawable);
    // Uses the program for the light's mode and sets the frame's light; null when it cannot be built.
    const Program* applyLight(const Scene& scene, const QVector3D& eye);

    QOpenGLFunctions_3_3_Core* m_gl = nullptr;
    GlObjects m_objects;
    SpotShape m_spotShape;
    FrameLight m_light;
    // Reused every frame, so drawing allocates nothing once they have grown to the scene's size.
    std::vector<Drawable> m_drawables;
    std::vector<float> m_vertices;
    bool m_ready = false;
    QString m_error;
};

} // namespace velmar::platform
