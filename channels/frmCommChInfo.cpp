#include "channels/frmCommChInfo.h"

namespace k7x {

frmCommChInfo::frmCommChInfo(const ChannelWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    s_.state.grid = this;
    s_.state.GridOpen = true;
    s_.doc.subscribe(this);
}

frmCommChInfo::~frmCommChInfo() {
    s_.doc.unsubscribe(this);
    s_.state.GridOpen = false;
}

void frmCommChInfo::reShowGrid(int) {}
void frmCommChInfo::ReshowByCh() {}
void frmCommChInfo::SetEditDisable() {}
void frmCommChInfo::ChangeGroup() {}
void frmCommChInfo::EnterGridEdit() {}
void frmCommChInfo::ValidateControls() {}

}  // namespace k7x
