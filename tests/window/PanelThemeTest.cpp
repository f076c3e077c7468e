// The panel's captions in pixels, under whatever theme the environment gives (CTest runs this under the
// light default and under GTK's dark Adwaita): each reaches 4.5 : 1 against what is behind it, is drawn
// in the light theme's black, and is not cut short at its right edge.
#include "WindowFixture.h"

#include "support/Contrast.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <cmath>

using namespace velmar;
using testkit::contrast;
using testkit::luminance;

namespace {

class PanelTheme : public testkit::ShownWindow {
protected:
    // The caption's background is the colour most of the area holds; its text, the pixel that stands
    // out from it the most.
    static std::pair<QRgb, QRgb> backgroundAndText(const QImage& area)
    {
        std::map<QRgb, int> counts;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                ++counts[area.pixel(x, y)];
        const QRgb back =
            std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
        QRgb text = back;
        for (const auto& [colour, n] : counts)
            if (contrast(colour, back) > contrast(text, back))
                text = colour;
        return {back, text};
    }
};

TEST_F(PanelTheme, EveryCaptionIsLegibleAndWhole)
{
    if (qEnvironmentVariableIsSet("VELMAR_EXPECT_DARK")) {
        ASSERT_LT(luminance(QApplication::palette().color(QPalette::Window).rgb()), 0.2)
            << "the desktop theme is not dark here: is qt6-gtk-platformtheme installed?";
    }
    const QImage panel = window.panel().sclytCommand->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double scale = panel.devicePixelRatio();
    int captions = 0;
    for (QWidget* w : window.panel().sclytCommand->findChildren<QWidget*>()) {
        QRect area;
        if (auto* box = qobject_cast<QGroupBox*>(w))
            area = QRect(0, 0, box->width(), box->contentsRect().top() > 4 ? box->contentsRect().top() : 14);
        else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            area = w->rect();
        else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            area = w->rect();
        if (area.isEmpty() || !w->isVisible() || w->inherits("velmar::platform::StyledButton") ||
            w->inherits("velmar::platform::WrappingButton"))
            continue;
        const QRect pixels(QPointF(w->mapTo(window.panel().sclytCommand, area.topLeft()) * scale).toPoint(),
                           area.size() * scale);
        const QImage caption = panel.copy(pixels);
        const auto [back, text] = backgroundAndText(caption);
        const std::string name =
            w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
        EXPECT_GE(contrast(back, text), 4.5)
            << name << ": " << qPrintable(QColor(text).name()) << " on " << qPrintable(QColor(back).name());
        ++captions;
    }
    EXPECT_GE(captions, 12) << "group titles, labels, boxes, radio buttons and the link";

    // The light theme's black captions, on the panel's lilac.
    auto* ambiance = window.findChild<QAbstractButton*>(QStringLiteral("RbAmbiance"));
    ASSERT_TRUE(ambiance);
    const QImage radio = ambiance->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(backgroundAndText(radio).second, qRgb(0, 0, 0)) << "captions are drawn black";
    // "Ambiance" ends before its box does.
    const QRgb back = backgroundAndText(radio).first;
    for (int x = radio.width() - 2; x < radio.width(); ++x)
        for (int y = 0; y < radio.height(); ++y)
            ASSERT_EQ(radio.pixel(x, y), back) << "ink at the right edge, column " << x;
}

} // namespace
