// The optional features window: the radio-wide settings, the common channel and, in country mode 0,
// the country the radio starts in.
#pragma once

#include <QWidget>

#include "settings/SettingsWindows.h"

namespace k7x {

class FrmOptFeatures : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmOptFeatures(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmOptFeatures() override;

private:
    const SettingsWindowServices& s_;
};

}  // namespace k7x
