// The DTMF settings window: the signalling options and the sixteen DTMF codes.
#pragma once

#include <QWidget>

#include "settings/SettingsWindows.h"

namespace k7x {

class FrmDTMF : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmDTMF(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmDTMF() override;

private:
    const SettingsWindowServices& s_;
};

}  // namespace k7x
