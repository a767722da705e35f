// The tone tips window: the eight melodies, their steps, a chart of them, and playing them.
#pragma once

#include <QWidget>

#include "settings/SettingsWindows.h"

namespace k7x {

class FrmToneTips : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmToneTips(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmToneTips() override;

private:
    const SettingsWindowServices& s_;
};

}  // namespace k7x
