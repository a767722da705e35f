#include "channels/FrmCHInfoEdit.h"

namespace k7x {

FrmCHInfoEdit::FrmCHInfoEdit(const ChannelWindowServices& services, QWidget* parent)
    : QWidget(parent), s_(services) {
    s_.state.edit = this;
    s_.state.EditOpen = true;
    s_.doc.subscribe(this);
}

FrmCHInfoEdit::~FrmCHInfoEdit() {
    s_.doc.unsubscribe(this);
    s_.state.EditOpen = false;
}

void FrmCHInfoEdit::SetGridEditData(bool) {}
void FrmCHInfoEdit::ChangShowCHs(int) {}
void FrmCHInfoEdit::EnablePub(bool) {}
void FrmCHInfoEdit::ShowRB() {}
bool FrmCHInfoEdit::IsFixFM(int position, int group, int countryMode) {
    return countryMode == 0 && (group == 1 || group == 3 || (group == 6 && position >= 41));
}
void FrmCHInfoEdit::ValidateControls() {}

}  // namespace k7x
