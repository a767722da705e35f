// A main window whose factory makes the real channel windows, on a document of a chosen
// country mode.
#pragma once

#include <QAction>
#include <string>
#include <vector>

#include "ShellTestRig.h"
#include "channels/ChannelWindows.h"
#include "channels/FrmCHInfoEdit.h"
#include "channels/frmCommChInfo.h"
#include "codeplug/ChannelList.h"

namespace k7x::test {

class ChannelTestRig : public ShellTestRig {
public:
    explicit ChannelTestRig(int countryMode = 1, bool withLanguageFiles = false)
        : ShellTestRig(withLanguageFiles), services{doc, prompts(), settings, state,
                                                    {},  {},        {},       {}} {
        doc.CurrentCountryMode = countryMode;
        services.showWindow = [this](const QString& name) { return main().ShowChildWindow(name); };
        services.showChannelCommands = [this](bool show) {
            ++channelCommandCalls;
            channelCommandsShown = show;
        };
        services.mainAction = [this](const QString& name) {
            return window ? window->findChild<QAction*>(name) : nullptr;
        };
        services.changeMade = [this](const std::string& label) {
            changes.push_back(label);
            if (window) window->history().record(QString::fromStdString(label));
        };
        RegisterChannelWindows(children, services);
    }
    // The windows use the services while they close, so the main window goes first.
    ~ChannelTestRig() { window.reset(); }

    frmCommChInfo* grid() {
        return qobject_cast<frmCommChInfo*>(main().ShowChildWindow(kChannelGridWindow));
    }
    FrmCHInfoEdit* edit() {
        return qobject_cast<FrmCHInfoEdit*>(main().ShowChildWindow(kChannelEditWindow));
    }

    ChannelWindowState state;
    ChannelWindowServices services;
    int channelCommandCalls = 0;
    bool channelCommandsShown = false;
    std::vector<std::string> changes;  // the labels of changeMade, in order
};

}  // namespace k7x::test
