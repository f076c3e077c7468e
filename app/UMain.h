// The program's one window, TFormMain: it holds the scene, the panel and the modules that own the
// behaviour, and binds them: the controls' handlers forward what the user asks, and what the puzzle
// publishes (busy, progress, solves, refusals) goes to the widgets that show it.
//
// The window, its controls and its handlers keep the names by which the rest of the design refers to
// them (TFormMain, FormKeyDown, recCommand, ColorBtnClick, ...), hence the unusual casing; below the
// window, ordinary C++ naming applies.
#pragma once

#include "HelpWindow.h"
#include "MovesWindow.h"
#include "PuzzleMenu.h"
#include "RestoreBox.h"
#include "ViewCallout.h"

#include "cube/CubeScene.h"
#include "engine/Puzzle.h"
#include "input/ViewPress.h"
#include "panel/CommandPanel.h"
#include "panel/PanelHandlers.h"
#include "panel/ViewControls.h"
#include "platform/scene/Scene.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace velmar::platform {
class SpokenNotice;
class Viewport3D;
} // namespace velmar::platform

class TFormMain : public QWidget, private velmar::panel::PanelHandlers {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 466;
    static constexpr int kClientHeight = 567;

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Asks before the start position throws the cube's state away; tests answer it instead.
    std::function<TAnswer()> askRestore = askRestoreInitialCube;

    // What tests drive and read beyond the window's widgets: the puzzle that owns the cube's activity,
    // the scene it turns, and the modules behind the view and the panel.
    velmar::engine::Puzzle& puzzle() { return m_puzzle; }
    velmar::cube::TCubeScene& cube() { return Cube; }
    velmar::platform::Scene& scene() { return Scene3D; }
    velmar::panel::TCommandPanel& panel() { return Panel; }
    velmar::panel::TViewControls& view() { return View; }
    velmar::input::ViewPress& press() { return Press; }
    velmar::app::PuzzleMenu& menu() { return Menu; }
    velmar::app::ViewCallout& callout() { return Callout; }
    velmar::app::HelpWindow* helpWindow() const { return m_help; }
    velmar::app::MovesWindow* movesWindow() const { return m_moves; }
    // The 3D view when OpenGL works, otherwise null.
    velmar::platform::Viewport3D* glViewport() const { return m_glView; }
    // The widget in the view's place: the view's, or one that says why there is no view.
    QWidget* viewWidget() const { return Viewport3D2; }
    bool stickerLettersShown() const { return m_stickerLetters; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Start-up and the window's own handlers.
    void FormCreate();
    void FormKeyDown(int Key, char16_t KeyChar, Qt::KeyboardModifiers Shift);

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
    void SetLight();

    // A turn asked by hand (a colour button, a sticker drag): it clears the pattern choice.
    void turnByHand(char letter);
    void runCommand(velmar::app::PuzzleCommand command);
    bool canRun(velmar::app::PuzzleCommand command) const;
    void showProgress(int value, int maximum);
    void say(const QString& text);
    void showHelp();
    void showMoves();
    void showStickerLetters(bool on);
    void speakCubeInWords();
    // The view's accessible description: the cube in words, as it is now. Only called at rest.
    void describeCube();

    void buildViewport();
    void nameView();
    void showViewUnavailable(const QString& problem);
    void layOut();
    void wire();

    // The scene and its declared content; Scene3D comes first so it outlives what refers to it.
    velmar::platform::Scene Scene3D;
    velmar::cube::TCubeScene Cube;
    velmar::panel::TCommandPanel Panel;
    velmar::engine::Puzzle m_puzzle;
    velmar::input::ViewPress Press;
    velmar::panel::TViewControls View;
    velmar::app::PuzzleMenu Menu;
    velmar::app::ViewCallout Callout;
    QPointer<velmar::app::HelpWindow> m_help;
    QPointer<velmar::app::MovesWindow> m_moves;
    velmar::platform::SpokenNotice* m_notice;

    // The 3D view: the widget a Viewport3D lives in when OpenGL works, otherwise a widget that says why not.
    QWidget* Viewport3D2 = nullptr;
    velmar::platform::Viewport3D* m_glView = nullptr;
    bool m_centred = false;
    bool m_stickerLetters = false;
    // Only read at rest: the view's accessible description, and what the command speaks.
    QString m_cubeInWords;
};
