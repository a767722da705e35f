// The open and save dialogs of the document commands, behind an interface so tests can
// answer them without a real file dialog.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace k7x {

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // filter is the dialog's filter in Qt form, e.g. "Codeplug files (*.dat)". The open
    // dialog starts in startFolder when one is given. Both return nullopt when the user cancels.
    virtual std::optional<std::string> chooseOpenFile(QWidget* parent, const std::string& filter,
                                                      const std::string& startFolder) = 0;
    virtual std::optional<std::string> chooseSaveFile(QWidget* parent, const std::string& filter,
                                                      const std::string& presetPath) = 0;
};

// The desktop implementation with QFileDialog; a name typed without extension gets the
// extension of the filter (".dat" for the codeplug files).
// Each dialog starts in the folder the last one ended in, unless it is given one.
class DialogFileChooser : public FileChooser {
public:
    std::optional<std::string> chooseOpenFile(QWidget* parent, const std::string& filter,
                                              const std::string& startFolder) override;
    std::optional<std::string> chooseSaveFile(QWidget* parent, const std::string& filter,
                                              const std::string& presetPath) override;

private:
    std::string lastFolder_;
};

}  // namespace k7x
