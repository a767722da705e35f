// The key assignments window: the key mode and the function of every programmable key.
#pragma once

#include <QWidget>

#include "settings/SettingsWindows.h"

namespace k7x {

class FrmKey : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmKey(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmKey() override;

private:
    const SettingsWindowServices& s_;
};

}  // namespace k7x
