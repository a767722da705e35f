#include "link/serial/QtLinkTimers.h"

namespace k7x {

QtLinkTimers::QtLinkTimers() {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        QTimer& t = timers_[i];
        t.setSingleShot(true);
        t.setTimerType(Qt::PreciseTimer);
        const auto id = static_cast<TimerId>(i);
        QObject::connect(&t, &QTimer::timeout, [this, id] {
            if (events_ != nullptr) events_->onTimer(id);
        });
    }
}

void QtLinkTimers::start(TimerId id, int milliseconds) {
    timer(id).start(milliseconds);
}

void QtLinkTimers::stop(TimerId id) {
    timer(id).stop();
}

bool QtLinkTimers::isActive(TimerId id) const {
    return timer(id).isActive();
}

}  // namespace k7x
