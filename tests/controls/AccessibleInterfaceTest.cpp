// A control keeps one accessible interface from its making on: what a screen reader is told while the
// control is being made already names the interface the control keeps, not one made for its Qt base.
#include "platform/controls/LinkLabel.h"
#include "platform/controls/WrappingButton.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace velmar::platform;

namespace {

// Accessibility on, each event's interface asked for as the platform's bridge asks for it.
class Listening {
public:
    Listening() : m_wasActive(QAccessible::isActive()), m_previous(QAccessible::installUpdateHandler(&hear))
    {
        QAccessible::setActive(true);
    }
    ~Listening()
    {
        QAccessible::installUpdateHandler(m_previous);
        QAccessible::setActive(m_wasActive);
        told().clear();
    }

    // The ids each object's events were told under.
    static std::vector<std::pair<const QObject*, QAccessible::Id>>& told()
    {
        static std::vector<std::pair<const QObject*, QAccessible::Id>> events;
        return events;
    }

private:
    static void hear(QAccessibleEvent* event)
    {
        if (QAccessibleInterface* iface = event->accessibleInterface())
            told().emplace_back(event->object(), QAccessible::uniqueId(iface));
    }

    bool m_wasActive;
    QAccessible::UpdateHandler m_previous;
};

TEST(AccessibleInterface, WhatIsToldWhileAControlIsMadeNamesTheInterfaceItKeeps)
{
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        GTEST_SKIP() << "run with accessibility on from the start, as controls_accessible_making runs it";
    QWidget host;
    Listening listening;
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }));
    // Both take their text in their Qt base's constructor, which tells of it.
    QWidget* const controls[] = {
        new WrappingButton(QStringLiteral("Start position"), &host),
        new LinkLabel(QStringLiteral("https://velmar.example/cube"), {Qt::blue, 1, 45, 0.5, 1}, &host),
    };
    for (QWidget* control : controls) {
        const QAccessible::Id kept = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control));
        int heard = 0;
        for (const auto& [object, id] : Listening::told())
            if (object == control) {
                ++heard;
                EXPECT_EQ(id, kept) << control->metaObject()->className();
            }
        EXPECT_GT(heard, 0) << control->metaObject()->className();
    }
}

} // namespace
