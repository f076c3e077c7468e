#include "RestoreBox.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

// Qt centres a box before the window manager has framed it, so the frame pushes it off centre; once the
// real frame is known (the first move, paint or activation that shows one) the box is centred again,
// frame and all.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget* box) : QObject(box), m_box(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Paint && type != QEvent::WindowActivate)
            return false;
        const QRect frame = m_box->frameGeometry();
        if (frame == m_box->geometry() || !m_box->screen())
            return false;
        m_box->removeEventFilter(this);
        m_box->move(m_box->pos() + m_box->screen()->availableGeometry().center() - frame.center());
        return false;
    }

private:
    QWidget* m_box;
};

} // namespace

TAnswer askRestoreInitialCube()
{
    // No parent: the box is centred on the screen rather than on the window, and modal to the whole
    // application.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Informations"), QStringLiteral("Restore initial cube?"));
    box.setObjectName(QStringLiteral("RestoreBox"));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    new CentreWhenFramed(&box);
    box.exec();
    if (box.clickedButton() == yes)
        return TAnswer::Yes;
    if (box.clickedButton() == no)
        return TAnswer::No;
    return TAnswer::Cancel;
}
