// The command panel as declared data: one row per control, in drawing order.
#pragma once

#include "PanelHandlers.h"

#include <QRectF>

#include <span>

namespace velmar::panel {

enum class ControlKind {
    Rect,           // the panel rectangle
    ProgressBar,
    GroupBox,
    Dial,
    DialLabel,      // the letter over a dial, transparent to the pointer
    CheckBox,
    Slider,
    GreyRampSlider,
    Callout,
    ColourButton,
    List,
    Button,
    Link,
    Label,
    RadioButton,
};

struct ControlDecl {
    const char* name;
    ControlKind kind;
    const char* parent;
    QRectF geometry; // design units, relative to the parent
    int tab;         // order among its siblings
    const char* text;
    double minimum, maximum, step; // sliders; step 0 is continuous
    double value;                  // sliders and dials; 1 checks a box or a radio button
    Handler handler;               // the change (or click) handler, or none
    const char* accessibleName;    // for controls without a caption
    const char* style;             // colour buttons: the style they ask for
};

std::span<const ControlDecl> panelControls();

// The callout hints: each panel, its text element, its fade animation and the slider it reports.
struct HintDecl {
    const char* panel;
    const char* textElement;
    const char* fade;
    const char* slider;
};
std::span<const HintDecl, 3> panelHints();

// The program's web address, shown and opened by the link.
extern const char* const kInfoAddress;

} // namespace velmar::panel
