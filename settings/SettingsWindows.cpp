#include "settings/SettingsWindows.h"

#include "settings/FrmDTMF.h"
#include "settings/FrmKey.h"
#include "settings/FrmOptFeatures.h"
#include "settings/FrmToneTips.h"
#include "shell/ui/ChildWindows.h"

namespace k7x {

void RegisterSettingsWindows(ChildWindowFactory& factory, const SettingsWindowServices& services) {
    factory.add(kOptionalFeaturesWindow,
                [&services]() -> QWidget* { return new FrmOptFeatures(services); });
    factory.add(kDtmfWindow, [&services]() -> QWidget* { return new FrmDTMF(services); });
    factory.add(kKeyWindow, [&services]() -> QWidget* { return new FrmKey(services); });
    factory.add(kToneTipsWindow, [&services]() -> QWidget* { return new FrmToneTips(services); });
}

}  // namespace k7x
