#include "settings/FrmDTMF.h"

namespace k7x {

FrmDTMF::FrmDTMF(const SettingsWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    s_.doc.subscribe(this);
}

FrmDTMF::~FrmDTMF() {
    s_.doc.unsubscribe(this);
}

}  // namespace k7x
