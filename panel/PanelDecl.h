// The command panel as declared data: what one row of the panel's table says about a control, and the
// typed handle by which the rest of the program reaches the control that row made.
#pragma once

#include "CalloutHint.h"
#include "PanelHandlers.h"

#include <QRectF>

#include <memory>
#include <vector>

class QWidget;

namespace velmar::panel {

enum class ControlKind {
    Root, // the scaled layout itself
    Rect, // the panel rectangle
    ProgressBar,
    GroupBox,
    Dial,
    DialLabel, // the letter over a dial, transparent to the pointer
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

class PanelControl;

struct ControlDecl {
    ControlKind kind;
    const PanelControl* parent; // an earlier row; none for the root
    QRectF geometry;            // design units, relative to the parent
    int tab;                    // order among its siblings
    const char* text;
    double minimum, maximum, step; // sliders; step 0 is continuous
    double value;                  // sliders and dials; 1 checks a box or a radio button
    Handler handler;               // the change (or click) handler, or none
    const char* accessibleName;    // for controls without a caption
    const char* style;             // colour buttons: the style they ask for
    const char* hintText;          // callouts: the text element
    const char* hintFade;          // callouts: the fade animation
};

// The controls made so far, in drawing order, each with the row that made it; the root goes into
// `window`.
struct PanelBuild {
    struct Built {
        QWidget* widget;
        ControlDecl decl;
    };
    QWidget* window;
    std::vector<Built> controls;
};

// Makes the control of one row, named `name`, under the row's parent; the panel's table is a list of
// these, so a control is declared by its one row and reached by its member's name.
class PanelControl {
public:
    PanelControl(PanelBuild& build, const char* name, const ControlDecl& decl);
    QWidget* widget() const { return m_widget; }

private:
    QWidget* m_widget;
};

template <typename T>
class Control : public PanelControl {
public:
    using PanelControl::PanelControl;
    T* get() const { return static_cast<T*>(widget()); }
    T* operator->() const { return get(); }
    operator T*() const { return get(); }
};

// A callout with its hint protocol: the handle reaches the protocol; the panel is `panel()`.
class HintControl : public PanelControl {
public:
    HintControl(PanelBuild& build, const char* name, const ControlDecl& decl);
    CalloutHint* operator->() const { return m_hint.get(); }

private:
    std::unique_ptr<CalloutHint> m_hint;
};

// The program's web address, shown and opened by the link.
extern const char* const kInfoAddress;

} // namespace velmar::panel
