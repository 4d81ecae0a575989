#include "graphics/delay.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace vexo {

void Delay(unsigned msecs, bool processMessages) {
    if (!processMessages || QCoreApplication::instance() == nullptr) {
        QThread::msleep(msecs);
        return;
    }
    // A local loop ended by a precise timer: it waits for events instead of spinning, and the
    // timer's event comes round however busy the queue is.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(int(std::min<unsigned>(msecs, unsigned(std::numeric_limits<int>::max()))));
    loop.exec();
}

} // namespace vexo
