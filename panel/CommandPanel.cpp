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
        platform::FloatSlider* slider = decl.kind == K::Slider ? new platform::FloatSlider(parent)
                                                               : new platform::GreyRampSlider(parent);
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

TCommandPanel::TCommandPanel(QWidget* window)
{
    sclytCommand = new ScaledLayout(QSize(kDesignWidth, kDesignHeight), window);
    sclytCommand->setObjectName(QStringLiteral("sclytCommand"));
    sclytCommand->setFixedHeight(kDesignHeight);
    m_controls[QStringLiteral("sclytCommand")] = sclytCommand;

    for (const ControlDecl& decl : panelControls()) {
        QWidget* parent = m_controls.at(QString::fromUtf8(decl.parent));
        QWidget* control = create(decl, parent);
        control->setObjectName(QString::fromUtf8(decl.name));
        if (decl.accessibleName)
            control->setAccessibleName(QString::fromUtf8(decl.accessibleName));
        sclytCommand->place(control, decl.geometry);
        m_controls[control->objectName()] = control;
    }

    recCommand = get<CommandRect>("recCommand");
    pbFun = get<platform::ProgressBar>("pbFun");
    ArcDialX = get<platform::ArcDial>("ArcDialX");
    ArcDialY = get<platform::ArcDial>("ArcDialY");
    ArcDialZ = get<platform::ArcDial>("ArcDialZ");
    CbRotateX = get<QCheckBox>("CbRotateX");
    CbRotateY = get<QCheckBox>("CbRotateY");
    CbRotateZ = get<QCheckBox>("CbRotateZ");
    TbSpeedRotation = get<platform::FloatSlider>("TbSpeedRotation");
    TbSize = get<platform::FloatSlider>("TbSize");
    tbSpeedAnim = get<platform::FloatSlider>("tbSpeedAnim");
    BwTbLight = get<platform::GreyRampSlider>("BwTbLight");
    cbFun = get<platform::ChoiceList>("cbFun");
    CbAnimation = get<platform::ChoiceList>("CbAnimation");
    BtnStart = get<platform::WrappingButton>("BtnStart");
    LbInfoLink = get<platform::LinkLabel>("LbInfoLink");
    RbAmbiance = get<QRadioButton>("RbAmbiance");
    RbSpotLight = get<QRadioButton>("RbSpotLight");
    std::size_t button = 0;
    for (const ControlDecl& decl : panelControls())
        if (decl.kind == K::ColourButton)
            colourButtons.at(button++) = get<platform::StyledButton>(decl.name);

    // Scrolling past the pattern list must not reset the cube and start a pattern.
    cbFun->setWheelChangesChoice(false);

    for (const HintDecl& hint : panelHints()) {
        auto* callout = get<platform::CalloutPanel>(hint.panel);
        callout->textElement()->setObjectName(QString::fromUtf8(hint.textElement));
        auto made = std::make_unique<CalloutHint>(*callout, QString::fromUtf8(hint.fade));
        const QString slider = QString::fromUtf8(hint.slider);
        if (slider == QLatin1String("TbSpeedRotation"))
            speedRotateHint = std::move(made);
        else if (slider == QLatin1String("TbSize"))
            cubeSizeHint = std::move(made);
        else
            speedAnimHint = std::move(made);
    }
    setTabOrder();
    nameColourButtons(std::vector<QAbstractButton*>(colourButtons.begin(), colourButtons.end()));
    platform::keepTabStopOnCheckedRadio(find(QStringLiteral("GbLight")));
}

TCommandPanel::~TCommandPanel() = default;

template <typename T>
T* TCommandPanel::get(const char* name) const
{
    T* control = qobject_cast<T*>(find(QString::fromUtf8(name)));
    Q_ASSERT_X(control, "TCommandPanel", name);
    return control;
}

QWidget* TCommandPanel::find(const QString& name) const
{
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

void TCommandPanel::wire(PanelHandlers& handlers)
{
    for (const ControlDecl& decl : panelControls())
        if (decl.handler)
            connectHandler(decl, find(QString::fromUtf8(decl.name)), handlers);
}

void TCommandPanel::setTabOrder() const
{
    // Depth first through the declared tree, siblings by their tab column: a group's controls follow
    // the group's own place among its siblings.
    std::vector<QWidget*> chain;
    auto visit = [&](auto&& self, const QString& parent) -> void {
        std::vector<const ControlDecl*> children;
        for (const ControlDecl& decl : panelControls())
            if (QString::fromUtf8(decl.parent) == parent)
                children.push_back(&decl);
        std::stable_sort(children.begin(), children.end(),
                         [](const ControlDecl* a, const ControlDecl* b) { return a->tab < b->tab; });
        for (const ControlDecl* decl : children) {
            QWidget* control = find(QString::fromUtf8(decl->name));
            if (control->focusPolicy() & Qt::TabFocus)
                chain.push_back(control);
            self(self, QString::fromUtf8(decl->name));
        }
    };
    visit(visit, QStringLiteral("sclytCommand"));
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace velmar::panel
