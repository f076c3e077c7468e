#include "ViewControls.h"

#include "platform/controls/ArcDial.h"

namespace velmar::panel {
namespace {
const char* const kAutoRotateNames[3] = {"FaAutoRotateX", "FaAutoRotateY", "FaAutoRotateZ"};
}

TViewControls::TViewControls(platform::SceneObject& rig, platform::Camera& camera,
                             std::array<platform::ArcDial*, 3> dials)
    : m_rig(rig), m_camera(camera), m_dials(dials)
{
    for (std::size_t i = 0; i < m_autoRotate.size(); ++i) {
        platform::ArcDial* dial = m_dials[i];
        auto animation = std::make_unique<platform::FloatAnimation>(QString::fromLatin1(kAutoRotateNames[i]),
                                                                    [dial](float v) { dial->setValue(v); });
        // From 360 down to 0, then again: the jump back to 360 is a whole turn, so the view keeps going.
        animation->setStartValue(0);
        animation->setStopValue(360);
        animation->setInverse(true);
        animation->setLoop(true);
        animation->setInterpolation(platform::Interpolation::Linear);
        animation->setDuration(kDeclaredPeriod);
        m_autoRotate[i] = std::move(animation);
    }
}

void TViewControls::applyDialsToRig()
{
    m_rig.setRotationAngleX(m_dials[0]->value());
    m_rig.setRotationAngleY(m_dials[1]->value());
    m_rig.setRotationAngleZ(m_dials[2]->value());
}

void TViewControls::setAutoRotation(platform::Axis axis, bool ticked)
{
    platform::FloatAnimation& animation = autoRotation(axis);
    animation.stop();
    if (ticked)
        animation.start();
}

void TViewControls::setAutoRotationPeriod(float seconds)
{
    for (auto& animation : m_autoRotate)
        animation->setDuration(seconds);
}

void TViewControls::setCameraDistance(double sliderValue)
{
    m_camera.setPositionZ(float(sliderValue + kFarthestCamera));
}

void TViewControls::orbit(input::TDirection direction)
{
    using D = input::TDirection;
    platform::ArcDial& x = *m_dials[0];
    platform::ArcDial& y = *m_dials[1];
    switch (direction) {
    case D::DiBottom:
        x.setValue(x.value() - kOrbitStep);
        break;
    case D::DiTop:
        x.setValue(x.value() + kOrbitStep);
        break;
    case D::DiLeft:
        y.setValue(y.value() - kOrbitStep);
        break;
    case D::DiRight:
        y.setValue(y.value() + kOrbitStep);
        break;
    case D::DiNone:
        break;
    }
    applyDialsToRig();
}

} // namespace velmar::panel
