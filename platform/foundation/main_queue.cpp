#include "platform/foundation/main_queue.h"

#include <QCoreApplication>
#include <QTimer>
#include <climits>
#include <cmath>

namespace lanterncrest {

namespace {
int delayInMilliseconds(double seconds)
{
    if (!(seconds > 0)) // also NaN
        return 0;
    const double ms = std::ceil(seconds * 1000.0);
    return ms >= INT_MAX ? INT_MAX : static_cast<int>(ms);
}
} // namespace

void MainQueue::asyncAfter(double seconds, std::function<void()> block)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || !block)
        return;
    QTimer::singleShot(delayInMilliseconds(seconds), Qt::PreciseTimer, app, std::move(block));
}

} // namespace lanterncrest
