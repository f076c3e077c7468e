// The command panel built from its declared table: the scaled layout, the panel rectangle and every
// control in it, with declared values applied before anything is wired to a handler.
#pragma once

#include "CalloutHint.h"
#include "PanelHandlers.h"

#include <QString>

#include <array>
#include <map>
#include <memory>

class QCheckBox;
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

    // The control declared as `name`, or nullptr.
    QWidget* find(const QString& name) const;

    ScaledLayout* sclytCommand = nullptr;
    CommandRect* recCommand = nullptr;
    platform::ProgressBar* pbFun = nullptr;
    platform::ArcDial* ArcDialX = nullptr;
    platform::ArcDial* ArcDialY = nullptr;
    platform::ArcDial* ArcDialZ = nullptr;
    QCheckBox* CbRotateX = nullptr;
    QCheckBox* CbRotateY = nullptr;
    QCheckBox* CbRotateZ = nullptr;
    platform::FloatSlider* TbSpeedRotation = nullptr;
    platform::FloatSlider* TbSize = nullptr;
    platform::FloatSlider* tbSpeedAnim = nullptr;
    platform::GreyRampSlider* BwTbLight = nullptr;
    platform::ChoiceList* cbFun = nullptr;
    platform::ChoiceList* CbAnimation = nullptr;
    platform::WrappingButton* BtnStart = nullptr;
    platform::LinkLabel* LbInfoLink = nullptr;
    QRadioButton* RbAmbiance = nullptr;
    QRadioButton* RbSpotLight = nullptr;
    std::array<platform::StyledButton*, 12> colourButtons{};

    // The three callout hints with their fades, by the slider they report.
    std::unique_ptr<CalloutHint> speedRotateHint;
    std::unique_ptr<CalloutHint> cubeSizeHint;
    std::unique_ptr<CalloutHint> speedAnimHint;

private:
    template <typename T>
    T* get(const char* name) const;
    void setTabOrder() const;

    std::map<QString, QWidget*> m_controls;
};

} // namespace velmar::panel
