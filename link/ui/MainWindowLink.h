// Joins the transfer controller and the radio information window to the main window: the
// window factory learns to make FrmRadioInfo, and the controller's reports become the main
// window's operations (commands disabled while a transfer runs, windows closed before a read
// replaces the document, the grid reopened after it, the radio information shown).
#pragma once

#include <QStringList>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/AppSettings.h"
#include "shell/ui/ChildWindows.h"

class QWidget;

namespace k7x {

class TransferController;
class frmMain;

// FrmRadioInfo shows doc.RadioInfo; doc, prompts and settings must outlive the windows.
void RegisterRadioInfoWindow(ChildWindowFactory& children, DocumentState& doc, Prompts& prompts,
                             const AppSettings& settings);

// The editing windows that commit their open edits before a read (the grid) or a write.
QStringList WindowsCommittingBefore(bool write);

void ConnectTransferController(TransferController& controller, frmMain& main);

}  // namespace k7x
