#include "EventPump.h"

#include "AnimationDriver.h"
#include "FloatAnimation.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace velmar::platform {

void pumpEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool waitUntil(const std::function<bool()>& done)
{
    if (done())
        return true;
    AnimationDriver& driver = AnimationDriver::shared();
    if (!driver.isActive())
        return false;
    // A nested loop rather than a polling processEvents(): it returns at once when the application
    // quits, so closing the window during a turn cannot hang the program.
    QEventLoop loop;
    auto check = [&] {
        if (done() || !driver.isActive())
            loop.quit();
    };
    const auto onStep = QObject::connect(&driver, &AnimationDriver::stepped, &loop, check);
    const auto onIdle = QObject::connect(&driver, &AnimationDriver::idle, &loop, check);
    loop.exec();
    QObject::disconnect(onStep);
    QObject::disconnect(onIdle);
    return done();
}

bool waitWhileRunning(const FloatAnimation& animation)
{
    return waitUntil([&animation] { return !animation.running(); });
}

} // namespace velmar::platform
