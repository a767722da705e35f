#include "settings/FrmOptFeatures.h"

namespace k7x {

FrmOptFeatures::FrmOptFeatures(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    s_.doc.subscribe(this);
}

FrmOptFeatures::~FrmOptFeatures() {
    s_.doc.unsubscribe(this);
}

}  // namespace k7x
