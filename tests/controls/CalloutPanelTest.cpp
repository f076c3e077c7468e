// The callout hint: its text, its opacity, what it draws, and what screen readers learn of it.
#include "platform/controls/CalloutPanel.h"

#include <QAccessible>
#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>

using namespace velmar::platform;

namespace {

// The hint colours of the test window's palette; the callout takes its fill from there.
const QColor kHintFill(0xF4, 0xF0, 0xD8);
const QColor kHintText(0x20, 0x20, 0x20);
const QColor kWindow(0xE0, 0xE0, 0xE0);

bool nearColour(QRgb actual, const QColor& expected, int tolerance)
{
    return std::abs(qRed(actual) - expected.red()) <= tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

class CalloutPanelTest : public testing::Test {
protected:
    CalloutPanel* show(QSize size, const QString& text)
    {
        host = std::make_unique<QWidget>();
        host->setGeometry(40, 40, 120, 60);
        QPalette palette = host->palette();
        palette.setColor(QPalette::ToolTipBase, kHintFill);
        palette.setColor(QPalette::ToolTipText, kHintText);
        palette.setColor(QPalette::Window, kWindow);
        host->setPalette(palette);
        panel = new CalloutPanel(host.get());
        panel->textElement()->setObjectName(QStringLiteral("TxtSpeedRotateHint"));
        panel->setGeometry(QRect(QPoint(30, 20), size));
        panel->setText(text);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        return panel;
    }
    const QGraphicsOpacityEffect* fade() const
    {
        return qobject_cast<const QGraphicsOpacityEffect*>(panel->graphicsEffect());
    }
    QImage image() const { return panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<QWidget> host;
    CalloutPanel* panel = nullptr;
};

TEST_F(CalloutPanelTest, TextPassesThroughToTheTextElement)
{
    show({37, 20}, QStringLiteral("11.0 s"));
    EXPECT_EQ(panel->text(), QStringLiteral("11.0 s"));
    EXPECT_EQ(panel->textElement()->text(), QStringLiteral("11.0 s"));
    panel->setText(QStringLiteral("0.5 s"));
    EXPECT_EQ(panel->textElement()->text(), QStringLiteral("0.5 s"));
    EXPECT_EQ(panel->textElement()->geometry(), panel->rect()) << "the text element fills the panel";
}

TEST_F(CalloutPanelTest, OpacityClampsAndTheEffectRunsOnlyBelowOne)
{
    show({33, 20}, QStringLiteral("49"));
    ASSERT_NE(fade(), nullptr);
    EXPECT_EQ(panel->opacity(), 1.0);
    EXPECT_FALSE(fade()->isEnabled()) << "no offscreen pass at full opacity";
    panel->setOpacity(0.25);
    EXPECT_EQ(panel->opacity(), 0.25);
    EXPECT_TRUE(fade()->isEnabled());
    EXPECT_EQ(fade()->opacity(), 0.25);
    panel->setOpacity(1.5);
    EXPECT_EQ(panel->opacity(), 1.0);
    EXPECT_FALSE(fade()->isEnabled());
    panel->setOpacity(-0.5);
    EXPECT_EQ(panel->opacity(), 0.0);
    EXPECT_TRUE(fade()->isEnabled());
    EXPECT_EQ(fade()->opacity(), 0.0);
}

TEST_F(CalloutPanelTest, FullyTransparentStaysInPlace)
{
    show({33, 20}, QStringLiteral("0.5 s"));
    const QRect before = panel->geometry();
    panel->setOpacity(0);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), before);
    // The window beneath shows through where the panel is.
    const QImage window = host->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor background = kWindow;
    EXPECT_TRUE(nearColour(window.pixel(before.center()), background, 0));
    EXPECT_TRUE(nearColour(window.pixel(before.left() + 2, before.center().y()), background, 0));
}

TEST_F(CalloutPanelTest, SettingTheSameOpacityRepaintsNothing)
{
    show({33, 20}, QStringLiteral("49"));
    panel->setOpacity(0.5);
    QCoreApplication::processEvents();
    struct Counter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    panel->installEventFilter(&counter);
    panel->setOpacity(0.5);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    panel->setOpacity(0.4);
    QCoreApplication::processEvents();
    EXPECT_GE(counter.paints, 1) << "a new opacity is drawn";
}

TEST_F(CalloutPanelTest, DrawsTheBodyAndThePointerInTheHintFill)
{
    show({37, 20}, QString());
    const QImage img = image();
    const QColor fill = kHintFill;
    EXPECT_TRUE(nearColour(img.pixel(15, 10), fill, 0)) << "the body, left of the middle";
    EXPECT_TRUE(nearColour(img.pixel(30, 10), fill, 0)) << "the body, right of the middle";
    EXPECT_TRUE(nearColour(img.pixel(6, 10), fill, 0)) << "the pointer, on its axis";
    // The pointer narrows to its tip: near the tip, away from the axis, the window shows.
    const QColor background = kWindow;
    const QImage window = host->grab(panel->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(nearColour(window.pixel(2, 2), background, 0));
    EXPECT_TRUE(nearColour(window.pixel(2, 17), background, 0));
    // The border, 0.45 of the way from the fill to the text colour: (244 - 0.45 × 212, 240 - 0.45 × 208,
    // 216 - 0.45 × 184) = (148.6, 146.4, 133.2).
    EXPECT_TRUE(nearColour(img.pixel(36, 10), QColor(149, 146, 133), 2)) << "the body's right border";
}

// The text's ink: the pixels that differ between the panel with its text and without.
struct Ink {
    int left = INT_MAX, right = -1, count = 0;
    bool allOnFill = true;
};

Ink inkOf(CalloutPanel& panel, const QString& text)
{
    panel.setText(QString());
    const QImage bare = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    panel.setText(text);
    const QImage written = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Ink ink;
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x)
            if (written.pixel(x, y) != bare.pixel(x, y)) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ++ink.count;
                ink.allOnFill = ink.allOnFill && nearColour(bare.pixel(x, y), kHintFill, 0);
            }
    return ink;
}

TEST_F(CalloutPanelTest, ValuesAreDrawnWholeOnTheFill)
{
    struct Row {
        QSize size;
        QString text;
    };
    const Row rows[] = {{{37, 20}, QStringLiteral("11.0 s")},
                        {{37, 20}, QStringLiteral("11,0 s")},
                        {{33, 20}, QStringLiteral("0.5 s")},
                        {{33, 20}, QStringLiteral("49")}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        show(row.size, QString());
        EXPECT_GE(panel->textElement()->font().pointSizeF(), 7.0);
        const Ink ink = inkOf(*panel, row.text);
        ASSERT_GT(ink.count, 0) << "the text is drawn";
        EXPECT_TRUE(ink.allOnFill) << "no letter touches the border or leaves the callout's shape";
        // Clipping would shorten the ink: it spans the text's own tight width.
        const QRect tight = QFontMetrics(panel->textElement()->font()).tightBoundingRect(row.text);
        EXPECT_GE(ink.right - ink.left + 1, tight.width() - 1) << "no part is cut off";
        EXPECT_LE(ink.right, row.size.width() - 3);
    }
}

TEST_F(CalloutPanelTest, ShortTextStartsTheInsetIntoTheBody)
{
    show({33, 20}, QString());
    const Ink ink = inkOf(*panel, QStringLiteral("49"));
    const int textLeft = CalloutPanel::kPointerLength + CalloutPanel::kTextInset;
    EXPECT_GE(ink.left, textLeft);
    EXPECT_LE(ink.left, textLeft + 2) << "a digit's ink starts within a pixel or two of its origin";
}

TEST_F(CalloutPanelTest, ClicksGoToWhatLiesBeneath)
{
    host = std::make_unique<QWidget>();
    host->setGeometry(40, 40, 120, 60);
    auto* beneath = new QPushButton(host.get());
    beneath->setGeometry(20, 10, 60, 40);
    panel = new CalloutPanel(host.get());
    panel->setGeometry(30, 20, 37, 20);
    panel->setText(QStringLiteral("11.0 s"));
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    QSignalSpy clicked(beneath, &QPushButton::clicked);
    // Through the window, so Qt picks the receiver under the point as it does for the platform's clicks.
    QTest::mouseClick(host->windowHandle(), Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(panel->focusPolicy(), Qt::NoFocus);
}

TEST_F(CalloutPanelTest, ScreenReadersReadTheHint)
{
    show({37, 20}, QStringLiteral("11.0 s"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("11.0 s"));
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("11.0 s"));
    EXPECT_FALSE(iface->state().focusable);
    panel->setText(QStringLiteral("10,5 s"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("10,5 s"));
}

} // namespace
