#include "shell/ui/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace k7x {

namespace {

// The extension of the filter's first pattern ("dat" for "Files (*.dat)"), given to a name
// typed without one.
QString SuffixOfFilter(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const qsizetype star = text.indexOf(QLatin1String("*."));
    if (star < 0) return QStringLiteral("dat");
    qsizetype end = star + 2;
    while (end < text.size() && text.at(end).isLetterOrNumber()) ++end;
    return text.mid(star + 2, end - star - 2);
}

}  // namespace

std::optional<std::string> DialogFileChooser::chooseOpenFile(QWidget* parent,
                                                             const std::string& filter,
                                                             const std::string& startFolder) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromStdString(filter));
    const std::string& folder = startFolder.empty() ? lastFolder_ : startFolder;
    if (!folder.empty()) dialog.setDirectory(QString::fromStdString(folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath().toStdString();
    return chosen.toStdString();
}

std::optional<std::string> DialogFileChooser::chooseSaveFile(QWidget* parent,
                                                             const std::string& filter,
                                                             const std::string& presetPath) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromStdString(filter));
    dialog.setDefaultSuffix(SuffixOfFilter(filter));
    const QFileInfo preset(QString::fromStdString(presetPath));
    if (preset.isAbsolute())
        dialog.setDirectory(preset.absolutePath());
    else if (!lastFolder_.empty())
        dialog.setDirectory(QString::fromStdString(lastFolder_));
    dialog.selectFile(preset.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath().toStdString();
    return chosen.toStdString();
}

}  // namespace k7x
