#include "settings/FrmKey.h"

namespace k7x {

FrmKey::FrmKey(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    s_.doc.subscribe(this);
}

FrmKey::~FrmKey() {
    s_.doc.unsubscribe(this);
}

}  // namespace k7x
