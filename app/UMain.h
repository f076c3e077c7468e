// The program's one window, TFormMain: it holds the scene, the panel and the shared interaction state,
// and its handlers are a switchboard that delegates to the modules owning the behaviour.
//
// The window, its controls and its handlers keep the names by which the rest of the design refers to
// them (TFormMain, FormKeyDown, RotationFinish, recCommand, MvtAuto, ...), hence the unusual casing;
// below the window, ordinary C++ naming applies.
#pragma once

#include "PuzzleActions.h"
#include "RestoreBox.h"

#include "cube/CubeScene.h"
#include "engine/FaceTurns.h"
#include "engine/Patterns.h"
#include "input/StickerDrag.h"
#include "panel/CommandPanel.h"
#include "panel/PanelHandlers.h"
#include "panel/ViewControls.h"
#include "platform/scene/Scene.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace velmar::platform {
class Viewport3D;
}
namespace velmar::input {
class TypedKeys;
}

class TFormMain : public QWidget,
                  public velmar::panel::PanelHandlers,
                  private velmar::engine::TurnHost,
                  private velmar::input::DragHost,
                  private velmar::engine::PatternHost,
                  private velmar::app::PuzzleHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 466;
    static constexpr int kClientHeight = 567;

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Start-up and the window's own handlers.
    void FormCreate();
    void FormKeyDown(int Key, char16_t KeyChar, Qt::KeyboardModifiers Shift);
    void RotationFinish(velmar::platform::FloatAnimation& Sender);
    void Viewport3D2MouseDown(const velmar::platform::PointerEvent& event);
    void Viewport3D2MouseMove(const velmar::platform::PointerEvent& event);
    void Viewport3D2MouseUp(const velmar::platform::PointerEvent& event);

    // The panel's handlers.
    void ArcDialXChange(QObject* Sender) override;
    void CbRotateXChange(QObject* Sender) override;
    void CbRotateYChange(QObject* Sender) override;
    void CbRotateZChange(QObject* Sender) override;
    void TbSpeedRotationChange(QObject* Sender) override;
    void ColorBtnClick(QObject* Sender) override;
    void cbFunChange(QObject* Sender) override;
    void TbSizeChange(QObject* Sender) override;
    void BtnStartClick(QObject* Sender) override;
    void CbAnimationChange(QObject* Sender) override;
    void tbSpeedAnimChange(QObject* Sender) override;
    void LbInfoLinkClick(QObject* Sender) override;
    void RbAmbianceChange(QObject* Sender) override;
    void BwTbLightChange(QObject* Sender) override;

    void Rotate(char Value) { Turns.Rotate(Value); }
    void SetLight();
    void SortVelmar() override;
    void PlayMvt(const QByteArray& TheMvts) { Patterns.PlayMvt(TheMvts); }

    // Asks before the start position throws the cube's state away; tests answer it instead.
    std::function<TAnswer()> askRestore = askRestoreInitialCube;
    // Test seams: each turn as it lands, and each return to the solved cube.
    std::function<void(char letter)> onMovePlayed;
    std::function<void()> onCubeSolved;

    // The scene and its declared content; Scene3D comes first so it outlives what refers to it.
    velmar::platform::Scene Scene3D;
    velmar::cube::TCubeScene Cube;

    // The 3D view: the widget a Viewport3D lives in when OpenGL works, otherwise a widget that
    // says why not.
    QWidget* Viewport3D2 = nullptr;
    velmar::platform::Viewport3D* glViewport() const { return m_glView; }

    velmar::panel::TCommandPanel Panel;

    // A pattern is playing.
    bool MvtAuto = false;

    velmar::engine::TFaceTurns Turns;
    velmar::input::TStickDrag Drag;
    velmar::engine::TPatternPlayer Patterns;
    velmar::panel::TViewControls View;
    // Undo and redo, scramble, solve, help: the context menu and the shortcuts.
    velmar::app::TPuzzleActions Puzzle;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // TurnHost, PatternHost
    void setCommandEnabled(bool enabled) override;
    bool mvtAuto() const override { return MvtAuto; }
    // DragHost
    void clearPatternSelection() override;
    void rotate(char letter) override { Turns.Rotate(letter); }
    // PatternHost
    void setMvtAuto(bool playing) override { MvtAuto = playing; }
    void setProgressValue(int value) override;
    int progressValue() const override;
    void setProgressMaximum(int maximum) override;
    void setProgressVisible(bool visible) override;
    // PuzzleHost
    bool playbackRunning() const override { return MvtAuto; }
    float turnSecondsSetting() const override;
    QWidget* viewWidget() const override { return Viewport3D2; }

    void buildViewport();
    void nameView();
    void showViewUnavailable(const QString& problem);
    void layOut();
    void wire();

    velmar::platform::Viewport3D* m_glView = nullptr;
    velmar::input::TypedKeys* m_keys = nullptr;
    // The panel control that had the focus when a turn disabled the panel; it gets it back after.
    QPointer<QWidget> m_focusBeforeTurn;
    bool m_centred = false;
};
