// The handlers the panel's controls are wired to, as the window provides them.
#pragma once

class QObject;

namespace velmar::panel {

class PanelHandlers {
public:
    virtual ~PanelHandlers() = default;

    virtual void ArcDialXChange(QObject* Sender) = 0;
    virtual void CbRotateXChange(QObject* Sender) = 0;
    virtual void CbRotateYChange(QObject* Sender) = 0;
    virtual void CbRotateZChange(QObject* Sender) = 0;
    virtual void TbSpeedRotationChange(QObject* Sender) = 0;
    virtual void ColorBtnClick(QObject* Sender) = 0;
    virtual void cbFunChange(QObject* Sender) = 0;
    virtual void TbSizeChange(QObject* Sender) = 0;
    virtual void BtnStartClick(QObject* Sender) = 0;
    virtual void CbAnimationChange(QObject* Sender) = 0;
    virtual void tbSpeedAnimChange(QObject* Sender) = 0;
    virtual void LbInfoLinkClick(QObject* Sender) = 0;
    virtual void RbAmbianceChange(QObject* Sender) = 0;
    virtual void BwTbLightChange(QObject* Sender) = 0;
};

using Handler = void (PanelHandlers::*)(QObject* Sender);

} // namespace velmar::panel
