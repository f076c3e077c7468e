// The program's one window, TFormMain: it holds the scene, the panel and the shared interaction state,
// and its handlers delegate to the modules that own the behaviour.
//
// The window, its controls and its handlers keep the names by which the rest of the design refers to
// them (TFormMain, FormKeyDown, RotationFinish, recCommand, MvtAuto, ...), hence the unusual casing;
// below the window, ordinary C++ naming applies.
#pragma once

#include "cube/CubeScene.h"
#include "engine/FaceTurns.h"
#include "input/StickerDrag.h"
#include "platform/scene/Scene.h"

#include <QWidget>

namespace velmar::platform {
class Viewport3D;
}
namespace velmar::panel {
class ScaledLayout;
class CommandRect;
} // namespace velmar::panel

class TFormMain : public QWidget, private velmar::engine::TurnHost, private velmar::input::DragHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 466;
    static constexpr int kClientHeight = 567;
    static constexpr int kPanelHeight = 216;

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Handlers.
    void FormCreate();
    void FormKeyDown(int Key, char16_t KeyChar, Qt::KeyboardModifiers Shift);
    void RotationFinish(velmar::platform::FloatAnimation& Sender);
    void Viewport3D2MouseUp(const velmar::platform::PointerEvent& event);
    void Rotate(char Value) { Turns.Rotate(Value); }

    // The scene and its declared content; Scene3D comes first so it outlives what refers to it.
    velmar::platform::Scene Scene3D;
    velmar::cube::TCubeScene Cube;

    // The 3D view: a Viewport3D when OpenGL works, otherwise a widget that says why not.
    QWidget* Viewport3D2 = nullptr;
    velmar::platform::Viewport3D* glViewport() const { return m_glView; }

    velmar::panel::ScaledLayout* sclytCommand = nullptr;
    velmar::panel::CommandRect* recCommand = nullptr;

    // A pattern is playing.
    bool MvtAuto = false;

    velmar::engine::TFaceTurns Turns;
    velmar::input::TStickDrag Drag;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // TurnHost
    void setCommandEnabled(bool enabled) override;
    bool mvtAuto() const override { return MvtAuto; }
    // DragHost
    void clearPatternSelection() override;
    void rotate(char letter) override { Turns.Rotate(letter); }

    void buildViewport();
    void buildPanel();
    void wire();

    velmar::platform::Viewport3D* m_glView = nullptr;
    bool m_centred = false;
};
