#include "channels/ChannelWindows.h"

#include "channels/FrmCHInfoEdit.h"
#include "channels/frmCommChInfo.h"
#include "shell/ui/ChildWindows.h"

namespace k7x {

void RegisterChannelWindows(ChildWindowFactory& factory, const ChannelWindowServices& services) {
    factory.add(kChannelGridWindow,
                [&services]() -> QWidget* { return new frmCommChInfo(services); });
    factory.add(kChannelEditWindow,
                [&services]() -> QWidget* { return new FrmCHInfoEdit(services); });
}

}  // namespace k7x
