#include "settings/FrmToneTips.h"

namespace k7x {

FrmToneTips::FrmToneTips(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    s_.doc.subscribe(this);
}

FrmToneTips::~FrmToneTips() {
    s_.doc.unsubscribe(this);
}

}  // namespace k7x
