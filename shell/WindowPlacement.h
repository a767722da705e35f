// The per-user store of the main window's position and size, in twips. Organisation and
// application name are the application title, the group is "Settings".
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace k7x {

struct WindowPlacement {
    float MainLeft = 1000;
    float MainTop = 1000;
    float MainWidth = 12500;
    float MainHeight = 9500;
};

class WindowPlacementStore {
public:
    // The user's native store for the application title (an empty title uses "korvan7x").
    explicit WindowPlacementStore(const QString& appTitle);
    // A store kept in the INI file at iniPath instead.
    static WindowPlacementStore inFile(const QString& iniPath);

    WindowPlacementStore(WindowPlacementStore&&) noexcept;
    WindowPlacementStore& operator=(WindowPlacementStore&&) noexcept;
    ~WindowPlacementStore();

    // Each key that is absent or not a finite number keeps its default.
    WindowPlacement load() const;
    // Writes the four keys as decimal text of single-precision numbers.
    void save(const WindowPlacement& placement);

private:
    explicit WindowPlacementStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> settings_;
};

}  // namespace k7x
