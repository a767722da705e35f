// The mouse wheel changes a list or a spin box only while it has the keyboard focus. Over any
// other list or spin box the wheel scrolls what holds it (the window, the grid), so a user
// scrolling past a list never changes its value, nor gives it the focus on the way. One
// application-wide filter does this for every window, the grid's in-cell editors included.
#pragma once

#include <QObject>

namespace k7x {

class FocusedWheelFilter : public QObject {
public:
    // Filters the events of the running application for as long as it lives.
    explicit FocusedWheelFilter(QObject* parent = nullptr);
    ~FocusedWheelFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace k7x
