// A main window whose factory makes the real settings windows.
#pragma once

#include "ShellTestRig.h"
#include "settings/SettingsWindows.h"

namespace k7x::test {

class SettingsTestRig : public ShellTestRig {
public:
    explicit SettingsTestRig(int countryMode = 1, bool withLanguageFiles = false)
        : ShellTestRig(withLanguageFiles), services{doc, prompts(), settings} {
        doc.CurrentCountryMode = countryMode;
        RegisterSettingsWindows(children, services);
    }
    // The windows use the services while they close, so the main window goes first.
    ~SettingsTestRig() { window.reset(); }

    // Opens (or brings forward) a settings window of the main window.
    template <typename T>
    T* open(const QString& name) {
        return qobject_cast<T*>(main().ShowChildWindow(name));
    }

    SettingsWindowServices services;
};

}  // namespace k7x::test
