// What the channel grid and the channel edit window share: the group and position they edit
// together, and which of the two is open. The application owns one and hands it to both windows.
#pragma once

#include <QPointer>

namespace k7x {

class frmCommChInfo;
class FrmCHInfoEdit;

struct ChannelWindowState {
    int EditGroup = 0;     // group index the grid and the edit window edit together
    int EditPosition = 1;  // 1-based position within EditGroup of the channel being edited
    int EditColumn = 0;    // grid column (1..6) of the in-cell editor opened last
    int GridRow = 1;       // grid row shown in the grid window's caption
    bool GridOpen = false;
    bool EditOpen = false;

    // The open windows, for the calls one makes on the other (null while closed).
    QPointer<frmCommChInfo> grid;
    QPointer<FrmCHInfoEdit> edit;
};

}  // namespace k7x
