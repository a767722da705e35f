// The progress window of an image read or write: caption by direction, a bar 0..100 and the
// percentage beside its label. The user cannot close it; only the end of the transfer does.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "codeplug/Prompts.h"
#include "link/LinkInterfaces.h"
#include "link/LinkTexts.h"

class QLabel;
class QProgressBar;

namespace k7x {

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    FrmProgress(Prompts& prompts, Operation operation, QWidget* parent = nullptr);

    // Sets the bar; a value outside 0..100 is refused with its error text.
    void SetProgressValue(std::int32_t value);
    // The bar and the percentage label together, as the transfer reports progress.
    void showPercent(int percent);
    // Closes the window for good; the only way it closes.
    void finish();

    // Escape does not close the window.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Prompts& prompts_;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    bool finishing_ = false;
};

// The engine's progress display on FrmProgress: the window is made on show and destroyed on
// close, and is modal for the user while the engine goes on receiving events.
class ProgressWindowDisplay : public ProgressDisplay {
public:
    // parent: the window the progress window stands over (may change between transfers).
    ProgressWindowDisplay(Prompts& prompts, std::function<QWidget*()> parent)
        : prompts_(prompts), parent_(std::move(parent)) {}
    ~ProgressWindowDisplay() override;

    void show(Operation operation) override;
    void setValue(int percent) override;
    void close() override;

    FrmProgress* window() const { return window_; }

private:
    Prompts& prompts_;
    std::function<QWidget*()> parent_;
    FrmProgress* window_ = nullptr;
};

}  // namespace k7x
