// What the channel windows work with, and their registration into the main window's factory.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "channels/ChannelWindowState.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/AppSettings.h"

class QAction;
class QWidget;

namespace k7x {

class ChildWindowFactory;

struct ChannelWindowServices {
    DocumentState& doc;
    Prompts& prompts;
    const AppSettings& settings;
    ChannelWindowState& state;
    // Opens the editing window of a name, or brings it to the front when it is open.
    std::function<QWidget*(const QString& name)> showWindow;
    // Shows or hides the main window's channel edit commands.
    std::function<void(bool show)> showChannelCommands;
    // The main window's action of an object name, or null: the grid runs its row commands from
    // the channel edit entries (MnuCHCut...) and their toolbar buttons (BtnCHCut...).
    std::function<QAction*(const QString& name)> mainAction;
    // Called once after each channel command that changed the document, with what it did in
    // the user's language ("paste of 6 channels").
    std::function<void(const std::string& label)> changeMade;
};

// The grid and the edit window open through the factory; services must outlive both.
void RegisterChannelWindows(ChildWindowFactory& factory, const ChannelWindowServices& services);

}  // namespace k7x
