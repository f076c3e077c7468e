#include "PanelTheme.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace velmar::panel {
namespace {

// The light palette the panel was designed against: Qt's own Fusion colours, as Qt uses them where the
// desktop gives none (a style asked for its palette would hand back the desktop's again).
QPalette lightPalette()
{
    const QColor back(239, 239, 239);
    const QColor dark = back.darker(150);
    const QColor mid = back.darker(130);
    const QColor shadow = dark.darker(135);
    QPalette p(Qt::black, back, back.lighter(150), dark, mid, Qt::black, Qt::white);
    p.setBrush(QPalette::Midlight, mid.lighter(110));
    p.setBrush(QPalette::Button, back);
    p.setBrush(QPalette::Shadow, shadow);
    p.setBrush(QPalette::HighlightedText, Qt::white);
    const QColor disabledText(190, 190, 190);
    p.setBrush(QPalette::Disabled, QPalette::Text, disabledText);
    p.setBrush(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setBrush(QPalette::Disabled, QPalette::ButtonText, disabledText);
    p.setBrush(QPalette::Disabled, QPalette::Base, back);
    p.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    p.setBrush(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    p.setBrush(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    p.setBrush(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    p.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    p.setBrush(QPalette::PlaceholderText, placeholder);
    return p;
}

} // namespace

void keepPanelTheme(QWidget* panel)
{
    // A theme may give each kind of control its own palette and font, which beat what a parent passes
    // down: so each control gets them, not only the panel. Always, since a desktop may hand its dark
    // scheme over only after the window is built.
    const QPalette light = lightPalette();
    QList<QWidget*> widgets = panel->findChildren<QWidget*>();
    widgets.prepend(panel);
    for (QWidget* w : widgets) {
        if (!w->testAttribute(Qt::WA_SetPalette))
            w->setPalette(light);
        // The declared boxes hold their captions at this size; a desktop's larger text would cut them short.
        if (!w->testAttribute(Qt::WA_SetFont)) {
            QFont font = w->font();
            font.setPointSize(9);
            w->setFont(font);
        }
    }
}

} // namespace velmar::panel
