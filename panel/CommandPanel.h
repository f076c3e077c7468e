// The command panel: the scaled layout, the panel rectangle and every control in it, each declared by
// one row below, with declared values applied before anything is wired to a handler.
#pragma once

#include "PanelDecl.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace velmar::platform {
class ArcDial;
class ChoiceList;
class FloatSlider;
class GreyRampSlider;
class LinkLabel;
class ProgressBar;
class StyledButton;
class WrappingButton;
} // namespace velmar::platform

// One row of the panel's table: the member `name` of type `Handle`, made from the row's columns, whose
// object name is `name`.
#define VELMAR_PANEL_ROW(Handle, name, ...) Handle name = Handle(m_build, #name, ControlDecl{__VA_ARGS__})

namespace velmar::panel {

class ScaledLayout;
class CommandRect;

class TCommandPanel {
public:
    static constexpr int kDesignWidth = 466;
    static constexpr int kDesignHeight = 216;

    // Builds the panel as a child of `window`; the window places sclytCommand in its own layout.
    explicit TCommandPanel(QWidget* window);
    ~TCommandPanel();
    TCommandPanel(const TCommandPanel&) = delete;
    TCommandPanel& operator=(const TCommandPanel&) = delete;

    // Connects each control's change (or click) signal to its declared handler.
    void wire(PanelHandlers& handlers);

private:
    using K = ControlKind;
    using H = PanelHandlers;
    template <typename T>
    using C = Control<T>;
    using Hint = HintControl;
    PanelBuild m_build;

public:
    // Drawing order; a row's parent is an earlier row.
    // clang-format off
    //               handle                          name                kind               parent            x    y    w    h    tab text              min  max  step value handler                    accessible name           style       hint text element     hint fade
    VELMAR_PANEL_ROW(C<ScaledLayout>,                sclytCommand,       K::Root,           nullptr,          {0,   0,   466, 216}, 0, "",               0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<CommandRect>,                 recCommand,         K::Rect,           &sclytCommand,    {0,   0,   466, 216}, 0, "",               0,   0,   0,   0,   nullptr,                   "Command panel",          nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::ProgressBar>,       pbFun,              K::ProgressBar,    &sclytCommand,    {140, 128, 153, 17},  1, "",               0,   100, 0,   0,   nullptr,                   "Pattern progress",       nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QGroupBox>,                   GbRotation,         K::GroupBox,       &recCommand,      {8,   16,  121, 193}, 0, "Rotation",       0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::ArcDial>,           ArcDialX,           K::Dial,           &GbRotation,      {16,  18,  40,  40},  0, "",               0,   0,   0,   -35, &H::ArcDialXChange,        "X rotation",             nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QLabel>,                      LabelX,             K::DialLabel,      &ArcDialX,        {0,   0,   40,  40},  0, "X",              0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::ArcDial>,           ArcDialY,           K::Dial,           &GbRotation,      {16,  62,  40,  40},  1, "",               0,   0,   0,   -45, &H::ArcDialXChange,        "Y rotation",             nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QLabel>,                      LabelY,             K::DialLabel,      &ArcDialY,        {0,   0,   40,  40},  0, "Y",              0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::ArcDial>,           ArcDialZ,           K::Dial,           &GbRotation,      {16,  110, 40,  40},  2, "",               0,   0,   0,   -18, &H::ArcDialXChange,        "Z rotation",             nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QLabel>,                      LabelZ,             K::DialLabel,      &ArcDialZ,        {0,   0,   40,  40},  0, "Z",              0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QCheckBox>,                   CbRotateX,          K::CheckBox,       &GbRotation,      {70,  29,  20,  19},  3, "",               0,   0,   0,   0,   &H::CbRotateXChange,       "Rotate X automatically", nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QCheckBox>,                   CbRotateY,          K::CheckBox,       &GbRotation,      {70,  73,  20,  19},  4, "",               0,   0,   0,   0,   &H::CbRotateYChange,       "Rotate Y automatically", nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QCheckBox>,                   CbRotateZ,          K::CheckBox,       &GbRotation,      {70,  120, 20,  19},  5, "",               0,   0,   0,   0,   &H::CbRotateZChange,       "Rotate Z automatically", nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::FloatSlider>,       TbSpeedRotation,    K::Slider,         &GbRotation,      {8,   168, 65,  15},  6, "",               3,   20,  0,   10,  &H::TbSpeedRotationChange, "Rotation speed",         nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(Hint,                           CPnlSpeedRotatHint, K::Callout,        &GbRotation,      {76,  166, 37,  20},  7, "10s",            0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    "TxtSpeedRotateHint", "FaSpeedRotateHint");
    VELMAR_PANEL_ROW(C<QLabel>,                      LbSpeedRotate,      K::Label,          &GbRotation,      {10,  155, 48,  15},  8, "Speed",          0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnRedLeft,         K::ColourButton,   &recCommand,      {136, 16,  25,  25},  1, "r",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "btnRouge", nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnRedRight,        K::ColourButton,   &recCommand,      {168, 16,  25,  25},  2, "R",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "btnRouge", nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnGreenLeft,       K::ColourButton,   &recCommand,      {200, 16,  25,  25},  3, "g",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnVert",  nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnGreenRight,      K::ColourButton,   &recCommand,      {232, 16,  25,  25},  4, "G",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnVert",  nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnWhiteLeft,       K::ColourButton,   &recCommand,      {264, 16,  25,  25},  5, "w",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBlanc", nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnWhiteRight,      K::ColourButton,   &recCommand,      {296, 16,  25,  25},  6, "W",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBlanc", nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnOrangeLeft,      K::ColourButton,   &recCommand,      {136, 48,  25,  25},  7, "o",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnOrange", nullptr,             nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnOrangeRight,     K::ColourButton,   &recCommand,      {168, 48,  25,  25},  8, "O",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnOrange", nullptr,             nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnBlueLeft,        K::ColourButton,   &recCommand,      {200, 48,  25,  25},  9, "b",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBleu",  nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnBlueRight,       K::ColourButton,   &recCommand,      {232, 48,  25,  25}, 10, "B",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBleu",  nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnYellowLeft,      K::ColourButton,   &recCommand,      {264, 48,  25,  25}, 11, "y",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnJaune", nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::StyledButton>,      BtnYellowRight,     K::ColourButton,   &recCommand,      {296, 48,  25,  25}, 12, "Y",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnJaune", nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QGroupBox>,                   GBFun,              K::GroupBox,       &recCommand,      {132, 76,  173, 77}, 13, "Fun",            0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::ChoiceList>,        cbFun,              K::List,           &GBFun,           {8,   24,  153, 22},  0, "",               0,   0,   0,   0,   &H::cbFunChange,           "Patterns",               nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QGroupBox>,                   GbSize,             K::GroupBox,       &recCommand,      {132, 150, 173, 41}, 14, "Cube's size",    0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::FloatSlider>,       TbSize,             K::Slider,         &GbSize,          {4,   16,  125, 18},  0, "",               0,   50,  0,   40,  &H::TbSizeChange,          "Cube's size",            nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(Hint,                           CpnlCubeSize,       K::Callout,        &GbSize,          {130, 15,  33,  20},  1, "40",             0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    "TxtCubeSize",        "FaCubeSize");
    VELMAR_PANEL_ROW(C<platform::WrappingButton>,    BtnStart,           K::Button,         &recCommand,      {328, 176, 121, 36}, 15, "Start position", 0,   0,   0,   0,   &H::BtnStartClick,         nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QGroupBox>,                   GbAnimation,        K::GroupBox,       &recCommand,      {328, 5,   121, 84}, 16, "Animation",      0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::ChoiceList>,        CbAnimation,        K::List,           &GbAnimation,     {8,   24,  100, 22},  0, "",               0,   0,   0,   0,   &H::CbAnimationChange,     "Easing",                 nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(Hint,                           CPnlSpeedAnimHint,  K::Callout,        &GbAnimation,     {83,  58,  33,  20},  1, "2s",             0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    "txtSpeedAnimHint",   "FaSpeedAnimHint");
    VELMAR_PANEL_ROW(C<platform::FloatSlider>,       tbSpeedAnim,        K::Slider,         &GbAnimation,     {7,   60,  77,  17},  2, "",               0.1, 2.0, 0.1, 2.0, &H::tbSpeedAnimChange,     "Animation speed",        nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QLabel>,                      LbSpeedAnimation,   K::Label,          &GbAnimation,     {10,  49,  48,  15},  3, "Speed",          0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::LinkLabel>,         LbInfoLink,         K::Link,           &recCommand,      {122, 192, 209, 24}, 17, kInfoAddress,     0,   0,   0,   0,   &H::LbInfoLinkClick,       nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QGroupBox>,                   GbLight,            K::GroupBox,       &recCommand,      {328, 88,  120, 84}, 18, "Lights",         0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QRadioButton>,                RbAmbiance,         K::RadioButton,    &GbLight,         {16,  16,  81,  19},  0, "Ambiance",       0,   0,   0,   0,   &H::RbAmbianceChange,      nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<QRadioButton>,                RbSpotLight,        K::RadioButton,    &GbLight,         {16,  40,  89,  19},  1, "Spot Light",     0,   0,   0,   1,   &H::RbAmbianceChange,      nullptr,                  nullptr,    nullptr,              nullptr);
    VELMAR_PANEL_ROW(C<platform::GreyRampSlider>,    BwTbLight,          K::GreyRampSlider, &GbLight,         {10,  64,  100, 15},  2, "",               0,   1,   0,   1,   &H::BwTbLightChange,       "Light",                  nullptr,    nullptr,              nullptr);
    // clang-format on

    // The twelve colour buttons in their declared order.
    std::array<platform::StyledButton*, 12> colourButtons{};

private:
    void setTabOrder() const;
};

} // namespace velmar::panel

#undef VELMAR_PANEL_ROW
