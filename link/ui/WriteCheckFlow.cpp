// The transfers around a write and the comparison with the radio: before a write the radio is
// read and what the write will change is shown; after it the radio is read back and compared
// with what was written. Each step is an ordinary transfer; the next starts once the engine has
// finished the one before.
#include <QTimer>

#include "codeplug/FillText.h"
#include "link/LinkTexts.h"
#include "link/RadioDifferences.h"
#include "link/ui/FrmRadioDiff.h"
#include "link/ui/TransferController.h"

namespace k7x {
namespace {

// The most lines a message lists; the rest are counted.
constexpr std::size_t kListedInMessage = 20;

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < kListedInMessage; ++i) text += lines[i] + "\n";
    if (lines.size() > kListedInMessage)
        text += "… (+" + std::to_string(lines.size() - kListedInMessage) + ")\n";
    return text;
}

}  // namespace

WriteChecks TransferController::writeChecks() const {
    return s_.writeChecks ? s_.writeChecks->load() : WriteChecks{false, false};
}

void TransferController::setWriteChecks(const WriteChecks& checks) {
    if (s_.writeChecks) s_.writeChecks->save(checks);
}

bool TransferController::startCompare() {
    if (!beginStage(Stage::Comparing)) return false;
    startStageRead(ReadUse::Compare);
    return true;
}

bool TransferController::beginStage(Stage stage) {
    if (busy()) return false;
    // The document as the user sees it, typed values included, is what is compared and written.
    emit commitEditsRequested(true);
    versionStarted_ = false;
    stage_ = stage;
    lastBusy_ = true;
    emit busyChanged(true);
    return true;
}

void TransferController::startStageRead(ReadUse use) {
    traceTransfer(Operation::ImageRead);
    if (engine_->startComparisonRead(use)) return;
    stage_ = Stage::None;
    updateBusy();
}

void TransferController::startWriteStage(bool confirm) {
    stage_ = Stage::Writing;
    traceTransfer(Operation::ImageWrite);
    if (engine_->start(Operation::ImageWrite, confirm)) return;
    stage_ = Stage::None;
    updateBusy();
}

void TransferController::afterTransfer(const TransferOutcome& outcome) {
    const Stage stage = stage_;
    stage_ = Stage::None;
    if (outcome.completed) {
        switch (stage) {
            case Stage::Comparing:
                showComparison();
                break;
            case Stage::Previewing:
                if (previewAllowsWrite()) startWriteStage(false);
                break;
            case Stage::Writing:
                if (writeChecks().checkAfterWrite) {
                    // The write leaves the image it sent in the document's image.
                    written_ = s_.doc.MemImage;
                    stage_ = Stage::Checking;
                    startStageRead(ReadUse::Compare);
                }
                break;
            case Stage::Checking:
                reportCheck();
                break;
            case Stage::None:
                break;
        }
    }
    updateBusy();
}

ImageComparison TransferController::radioAgainstDocument() const {
    // The read left the radio's image in the document's image; the document itself is as it was.
    return CompareWithRadio(s_.doc, ImageToWrite(s_.doc), s_.doc.MemImage, s_.doc.RadioCountryMode);
}

void TransferController::showComparison() {
    const ImageComparison c = radioAgainstDocument();
    FrmRadioDiff dialog(RadioDifferenceLines(c.differences, s_.prompts, s_.settingName),
                        FrmRadioDiff::Purpose::Compare, s_.prompts, dialogParent());
    dialog.exec();
}

bool TransferController::previewAllowsWrite() {
    const ImageComparison c = radioAgainstDocument();
    if (c.same()) {
        const std::string text =
            s_.prompts.text(kTextRadioHoldsDocument) + "\n" + s_.prompts.text(kTextWriteAnyway);
        return s_.prompts.message(text, Buttons::YesNo, Icon::Question) == Answer::Yes;
    }
    FrmRadioDiff dialog(RadioDifferenceLines(c.differences, s_.prompts, s_.settingName),
                        FrmRadioDiff::Purpose::BeforeWrite, s_.prompts, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void TransferController::reportCheck() {
    const ImageComparison c =
        CompareWithRadio(s_.doc, written_, s_.doc.MemImage, s_.doc.RadioCountryMode);
    if (c.same()) {
        s_.prompts.message(kTextWrittenAndChecked, Buttons::Ok, Icon::Information);
        return;
    }
    const std::string text =
        FillText(s_.prompts.text(kTextWriteDidNotTake), {BlockAddressesText(c.blocks)}) + "\n\n" +
        JoinLines(RadioDifferenceLines(c.differences, s_.prompts, s_.settingName)) + "\n" +
        s_.prompts.text(kTextWriteAgain);
    if (s_.prompts.message(text, Buttons::YesNo, Icon::Warning) != Answer::Yes) return;
    lastBusy_ = true;
    emit busyChanged(true);
    startWriteStage(false);
}

}  // namespace k7x
