// The transfer engine's one-shot timers on QTimer: precise, single-shot, one per timer name.
#pragma once

#include <QTimer>
#include <array>

#include "link/LinkInterfaces.h"

namespace k7x {

class QtLinkTimers : public LinkTimers {
public:
    QtLinkTimers();
    // Who hears the expiries; set before the first start().
    void setEvents(LinkEvents* events) { events_ = events; }

    void start(TimerId id, int milliseconds) override;
    void stop(TimerId id) override;
    bool isActive(TimerId id) const;

private:
    QTimer& timer(TimerId id) { return timers_[static_cast<std::size_t>(id)]; }
    const QTimer& timer(TimerId id) const { return timers_[static_cast<std::size_t>(id)]; }

    // One per TimerId, indexed by its value.
    std::array<QTimer, static_cast<std::size_t>(TimerId::WaitSaveDataTimer) + 1> timers_;
    LinkEvents* events_ = nullptr;
};

}  // namespace k7x
