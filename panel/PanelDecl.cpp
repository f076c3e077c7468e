#include "PanelDecl.h"

#include <array>

namespace velmar::panel {

const char* const kInfoAddress = VELMAR_HOMEPAGE;

namespace {

using K = ControlKind;
using H = PanelHandlers;

// clang-format off
const ControlDecl kControls[] = {
//   name                  kind               parent          x    y    w    h    tab text              min  max  step value handler                    accessible name           style
    {"recCommand",         K::Rect,           "sclytCommand", {0,   0,   466, 216}, 0, "",               0,   0,   0,   0,   nullptr,                   "Command panel",          nullptr},
    {"pbFun",              K::ProgressBar,    "sclytCommand", {140, 128, 153, 17},  1, "",               0,   100, 0,   0,   nullptr,                   "Pattern progress",       nullptr},
    {"GbRotation",         K::GroupBox,       "recCommand",   {8,   16,  121, 193}, 0, "Rotation",       0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"ArcDialX",           K::Dial,           "GbRotation",   {16,  18,  40,  40},  0, "",               0,   0,   0,   -35, &H::ArcDialXChange,        "X rotation",             nullptr},
    {"LabelX",             K::DialLabel,      "ArcDialX",     {0,   0,   40,  40},  0, "X",              0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"ArcDialY",           K::Dial,           "GbRotation",   {16,  62,  40,  40},  1, "",               0,   0,   0,   -45, &H::ArcDialXChange,        "Y rotation",             nullptr},
    {"LabelY",             K::DialLabel,      "ArcDialY",     {0,   0,   40,  40},  0, "Y",              0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"ArcDialZ",           K::Dial,           "GbRotation",   {16,  110, 40,  40},  2, "",               0,   0,   0,   -18, &H::ArcDialXChange,        "Z rotation",             nullptr},
    {"LabelZ",             K::DialLabel,      "ArcDialZ",     {0,   0,   40,  40},  0, "Z",              0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"CbRotateX",          K::CheckBox,       "GbRotation",   {70,  29,  20,  19},  3, "",               0,   0,   0,   0,   &H::CbRotateXChange,       "Rotate X automatically", nullptr},
    {"CbRotateY",          K::CheckBox,       "GbRotation",   {70,  73,  20,  19},  4, "",               0,   0,   0,   0,   &H::CbRotateYChange,       "Rotate Y automatically", nullptr},
    {"CbRotateZ",          K::CheckBox,       "GbRotation",   {70,  120, 20,  19},  5, "",               0,   0,   0,   0,   &H::CbRotateZChange,       "Rotate Z automatically", nullptr},
    {"TbSpeedRotation",    K::Slider,         "GbRotation",   {8,   168, 65,  15},  6, "",               3,   20,  0,   10,  &H::TbSpeedRotationChange, "Rotation speed",         nullptr},
    {"CPnlSpeedRotatHint", K::Callout,        "GbRotation",   {76,  166, 37,  20},  7, "10s",            0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"LbSpeedRotate",      K::Label,          "GbRotation",   {10,  155, 48,  15},  8, "Speed",          0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"BtnRedLeft",         K::ColourButton,   "recCommand",   {136, 16,  25,  25},  1, "r",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "btnRouge"},
    {"BtnRedRight",        K::ColourButton,   "recCommand",   {168, 16,  25,  25},  2, "R",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "btnRouge"},
    {"BtnGreenLeft",       K::ColourButton,   "recCommand",   {200, 16,  25,  25},  3, "g",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnVert"},
    {"BtnGreenRight",      K::ColourButton,   "recCommand",   {232, 16,  25,  25},  4, "G",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnVert"},
    {"BtnWhiteLeft",       K::ColourButton,   "recCommand",   {264, 16,  25,  25},  5, "w",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBlanc"},
    {"BtnWhiteRight",      K::ColourButton,   "recCommand",   {296, 16,  25,  25},  6, "W",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBlanc"},
    {"BtnOrangeLeft",      K::ColourButton,   "recCommand",   {136, 48,  25,  25},  7, "o",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnOrange"},
    {"BtnOrangeRight",     K::ColourButton,   "recCommand",   {168, 48,  25,  25},  8, "O",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnOrange"},
    {"BtnBlueLeft",        K::ColourButton,   "recCommand",   {200, 48,  25,  25},  9, "b",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBleu"},
    {"BtnBlueRight",       K::ColourButton,   "recCommand",   {232, 48,  25,  25}, 10, "B",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnBleu"},
    {"BtnYellowLeft",      K::ColourButton,   "recCommand",   {264, 48,  25,  25}, 11, "y",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnJaune"},
    {"BtnYellowRight",     K::ColourButton,   "recCommand",   {296, 48,  25,  25}, 12, "Y",              0,   0,   0,   0,   &H::ColorBtnClick,         nullptr,                  "BtnJaune"},
    {"GBFun",              K::GroupBox,       "recCommand",   {132, 76,  173, 77}, 13, "Fun",            0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"cbFun",              K::List,           "GBFun",        {8,   24,  153, 22},  0, "",               0,   0,   0,   0,   &H::cbFunChange,           "Patterns",               nullptr},
    {"GbSize",             K::GroupBox,       "recCommand",   {132, 150, 173, 41}, 14, "Cube's size",    0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"TbSize",             K::Slider,         "GbSize",       {4,   16,  125, 18},  0, "",               0,   50,  0,   40,  &H::TbSizeChange,          "Cube's size",            nullptr},
    {"CpnlCubeSize",       K::Callout,        "GbSize",       {130, 15,  33,  20},  1, "40",             0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"BtnStart",           K::Button,         "recCommand",   {328, 176, 121, 36}, 15, "Start position", 0,   0,   0,   0,   &H::BtnStartClick,         nullptr,                  nullptr},
    {"GbAnimation",        K::GroupBox,       "recCommand",   {328, 5,   121, 84}, 16, "Animation",      0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"CbAnimation",        K::List,           "GbAnimation",  {8,   24,  100, 22},  0, "",               0,   0,   0,   0,   &H::CbAnimationChange,     "Easing",                 nullptr},
    {"CPnlSpeedAnimHint",  K::Callout,        "GbAnimation",  {83,  58,  33,  20},  1, "2s",             0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"tbSpeedAnim",        K::Slider,         "GbAnimation",  {7,   60,  77,  17},  2, "",               0.1, 2.0, 0.1, 2.0, &H::tbSpeedAnimChange,     "Animation speed",        nullptr},
    {"LbSpeedAnimation",   K::Label,          "GbAnimation",  {10,  49,  48,  15},  3, "Speed",          0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"LbInfoLink",         K::Link,           "recCommand",   {122, 192, 209, 24}, 17, kInfoAddress,     0,   0,   0,   0,   &H::LbInfoLinkClick,       nullptr,                  nullptr},
    {"GbLight",            K::GroupBox,       "recCommand",   {328, 88,  120, 84}, 18, "Lights",         0,   0,   0,   0,   nullptr,                   nullptr,                  nullptr},
    {"RbAmbiance",         K::RadioButton,    "GbLight",      {16,  16,  81,  19},  0, "Ambiance",       0,   0,   0,   0,   &H::RbAmbianceChange,      nullptr,                  nullptr},
    {"RbSpotLight",        K::RadioButton,    "GbLight",      {16,  40,  89,  19},  1, "Spot Light",     0,   0,   0,   1,   &H::RbAmbianceChange,      nullptr,                  nullptr},
    {"BwTbLight",          K::GreyRampSlider, "GbLight",      {10,  64,  100, 15},  2, "",               0,   1,   0,   1,   &H::BwTbLightChange,       "Light",                  nullptr},
};
// clang-format on

const std::array<HintDecl, 3> kHints = {{
    {"CPnlSpeedRotatHint", "TxtSpeedRotateHint", "FaSpeedRotateHint", "TbSpeedRotation"},
    {"CpnlCubeSize", "TxtCubeSize", "FaCubeSize", "TbSize"},
    {"CPnlSpeedAnimHint", "txtSpeedAnimHint", "FaSpeedAnimHint", "tbSpeedAnim"},
}};

} // namespace

std::span<const ControlDecl> panelControls()
{
    return kControls;
}

std::span<const HintDecl, 3> panelHints()
{
    return kHints;
}

} // namespace velmar::panel
