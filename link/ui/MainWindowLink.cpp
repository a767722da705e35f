#include "link/ui/MainWindowLink.h"

#include <QStringList>
#include <QWidget>

#include "link/ui/FrmRadioInfo.h"
#include "link/ui/TransferController.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PendingEdits.h"

namespace k7x {

void RegisterRadioInfoWindow(ChildWindowFactory& children, DocumentState& doc, Prompts& prompts,
                             const AppSettings& settings) {
    children.add(kRadioInfoWindow, [&doc, &prompts, &settings]() -> QWidget* {
        return new FrmRadioInfo(doc.RadioInfo, prompts, settings.HelpEnabled);
    });
}

QStringList WindowsCommittingBefore(bool write) {
    if (!write) return {kChannelGridWindow};
    return {kChannelGridWindow, kChannelEditWindow, kOptionalFeaturesWindow, kDtmfWindow,
            kRadioInfoWindow};
}

void ConnectTransferController(TransferController& controller, frmMain& main) {
    controller.setDialogParent(&main);
    QObject::connect(&controller, &TransferController::busyChanged, &main,
                     [&main](bool busy) { main.setTransferRunning(busy); });
    QObject::connect(&controller, &TransferController::commitEditsRequested, &main,
                     [&main](bool write) {
                         for (const QString& name : WindowsCommittingBefore(write))
                             if (QWidget* window = main.childWindow(name)) CommitOpenEdit(*window);
                     });
    QObject::connect(&controller, &TransferController::closeChildWindowsRequested, &main,
                     [&main] { main.CloseCurAllWindows(); });
    QObject::connect(&controller, &TransferController::documentReplaced, &main, [&main] {
        main.history().reset();  // what the radio holds is a fresh start
        main.ShowMainTxt();
        main.Change_Language();
        main.ShowChildWindow(kChannelGridWindow);
        main.arrangeCascade();
    });
    QObject::connect(&controller, &TransferController::radioInformationReady, &main, [&main] {
        // A window already open shows the new data; a new one fills itself as it loads.
        const bool wasOpen = main.childWindow(kRadioInfoWindow) != nullptr;
        QWidget* window = main.ShowChildWindow(kRadioInfoWindow);
        if (auto* info = qobject_cast<FrmRadioInfo*>(window); info && wasOpen) info->ShowByData();
    });
    QObject::connect(&controller, &TransferController::programEndRequested, &main,
                     [&main] { main.endProgram(); });
}

}  // namespace k7x
