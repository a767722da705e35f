// What the radio-wide settings windows work with, and their registration into the main
// window's factory.
#pragma once

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/AppSettings.h"

namespace k7x {

class ChildWindowFactory;

struct SettingsWindowServices {
    DocumentState& doc;
    Prompts& prompts;
    const AppSettings& settings;
};

// The four settings windows open through the factory; services must outlive them.
void RegisterSettingsWindows(ChildWindowFactory& factory, const SettingsWindowServices& services);

}  // namespace k7x
