#include "CommandPanel.h"

#include "ButtonStyles.h"
#include "ColourButtonNames.h"
#include "CommandRect.h"
#include "PanelDecl.h"
#include "ScaledLayout.h"

#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/GreyRampSlider.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/RadioGroupFocus.h"
#include "platform/controls/StyledButton.h"
#include "platform/controls/WrappingButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace velmar::panel {
namespace {

using K = ControlKind;

const QColor kThistle = QColor::fromRgba(0xFFD8BFD8);
const platform::LinkLabel::Shadow kLinkShadow = {QColor::fromRgba(0xFF0000FF), 1, 45, 0.5, 1};
constexpr int kDialLabelPixels = 12;
constexpr int kLinkPixels = 13;

QWidget* create(const ControlDecl& decl, QWidget* parent)
{
    const QString text = QString::fromUtf8(decl.text);
    switch (decl.kind) {
    case K::Root:
        return nullptr; // made by the panel control itself
    case K::Rect:
        return new CommandRect(kThistle, parent);
    case K::ProgressBar: {
        auto* bar = new platform::ProgressBar(parent);
        bar->setRange(int(decl.minimum), int(decl.maximum));
        bar->setTextVisible(false);
        bar->setValue(int(decl.minimum));
        bar->hide();
        return bar;
    }
    case K::GroupBox:
        return new QGroupBox(text, parent);
    case K::Dial: {
        auto* dial = new platform::ArcDial(parent);
        dial->setValue(float(decl.value));
        return dial;
    }
    case K::DialLabel: {
        auto* label = new QLabel(text, parent);
        QFont font = label->font();
        font.setBold(true);
        font.setPixelSize(kDialLabelPixels);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(false);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    }
    case K::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(decl.value != 0);
        return box;
    }
    case K::Slider:
    case K::GreyRampSlider: {
        platform::FloatSlider* slider =
            decl.kind == K::Slider ? new platform::FloatSlider(parent) : new platform::GreyRampSlider(parent);
        slider->setRange(decl.minimum, decl.maximum);
        slider->setStep(decl.step);
        slider->setValue(decl.value);
        return slider;
    }
    case K::Callout: {
        auto* callout = new platform::CalloutPanel(parent);
        callout->setText(text);
        return callout;
    }
    case K::ColourButton: {
        const platform::ButtonStyle* style = platform::findStyle(StyleBook1(), QString::fromUtf8(decl.style));
        Q_ASSERT(style);
        auto* button = new platform::StyledButton(*style, parent);
        button->setText(text);
        return button;
    }
    case K::List:
        return new platform::ChoiceList(parent);
    case K::Button:
        return new platform::WrappingButton(text, parent);
    case K::Link: {
        auto* link = new platform::LinkLabel(text, kLinkShadow, parent);
        QFont font = link->font();
        font.setPixelSize(kLinkPixels);
        font.setUnderline(true);
        link->setFont(font);
        link->setAlignment(Qt::AlignCenter);
        return link;
    }
    case K::Label:
        return new QLabel(text, parent);
    case K::RadioButton: {
        auto* radio = new QRadioButton(text, parent);
        radio->setChecked(decl.value != 0);
        return radio;
    }
    }
    return nullptr;
}

void connectHandler(const ControlDecl& decl, QWidget* control, PanelHandlers& handlers)
{
    const Handler handler = decl.handler;
    auto run = [control, &handlers, handler] { (handlers.*handler)(control); };
    switch (decl.kind) {
    case K::Dial:
        QObject::connect(static_cast<platform::ArcDial*>(control), &platform::ArcDial::valueChanged, control, run);
        return;
    case K::CheckBox:
    case K::RadioButton:
        QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::toggled, control, run);
        return;
    case K::Slider:
    case K::GreyRampSlider:
        QObject::connect(static_cast<platform::FloatSlider*>(control), &platform::FloatSlider::valueChanged, control,
                         run);
        return;
    case K::ColourButton:
    case K::Button:
        QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked, control, run);
        return;
    case K::List:
        QObject::connect(static_cast<platform::ChoiceList*>(control), &platform::ChoiceList::changed, control, run);
        return;
    case K::Link:
        QObject::connect(static_cast<platform::LinkLabel*>(control), &platform::LinkLabel::clicked, control, run);
        return;
    default:
        return;
    }
}

} // namespace

PanelControl::PanelControl(PanelBuild& build, const char* name, const ControlDecl& decl)
{
    if (decl.kind == K::Root) {
        auto* root = new ScaledLayout(decl.geometry.size().toSize(), build.window);
        root->setFixedHeight(root->designSize().height());
        m_widget = root;
    } else {
        m_widget = create(decl, decl.parent->widget());
        if (decl.accessibleName)
            m_widget->setAccessibleName(QString::fromUtf8(decl.accessibleName));
        static_cast<ScaledLayout*>(build.controls.front().widget)->place(m_widget, decl.geometry);
    }
    m_widget->setObjectName(QString::fromUtf8(name));
    build.controls.push_back({m_widget, decl});
}

HintControl::HintControl(PanelBuild& build, const char* name, const ControlDecl& decl) : PanelControl(build, name, decl)
{
    auto& callout = static_cast<platform::CalloutPanel&>(*widget());
    callout.textElement()->setObjectName(QString::fromUtf8(decl.hintText));
    m_hint = std::make_unique<CalloutHint>(callout, QString::fromUtf8(decl.hintFade));
}

TCommandPanel::TCommandPanel(QWidget* window) : m_build{window, {}}
{
    std::size_t button = 0;
    for (const PanelBuild::Built& built : m_build.controls)
        if (built.decl.kind == K::ColourButton)
            colourButtons.at(button++) = static_cast<platform::StyledButton*>(built.widget);

    // Scrolling past the pattern list must not reset the cube and start a pattern.
    cbFun->setWheelChangesChoice(false);
    setTabOrder();
    nameColourButtons(std::vector<QAbstractButton*>(colourButtons.begin(), colourButtons.end()));
    platform::keepTabStopOnCheckedRadio(GbLight);
}

TCommandPanel::~TCommandPanel() = default;

void TCommandPanel::wire(PanelHandlers& handlers)
{
    for (const PanelBuild::Built& built : m_build.controls)
        if (built.decl.handler)
            connectHandler(built.decl, built.widget, handlers);
}

void TCommandPanel::setTabOrder() const
{
    // Depth first through the declared tree, siblings by their tab column: a group's controls follow
    // the group's own place among its siblings.
    std::vector<QWidget*> chain;
    auto visit = [&](auto&& self, const QWidget* parent) -> void {
        std::vector<const PanelBuild::Built*> children;
        for (const PanelBuild::Built& built : m_build.controls)
            if (built.decl.parent && built.decl.parent->widget() == parent)
                children.push_back(&built);
        std::stable_sort(children.begin(), children.end(),
                         [](const auto* a, const auto* b) { return a->decl.tab < b->decl.tab; });
        for (const PanelBuild::Built* child : children) {
            if (child->widget->focusPolicy() & Qt::TabFocus)
                chain.push_back(child->widget);
            self(self, child->widget);
        }
    };
    visit(visit, sclytCommand);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace velmar::panel
