#include "shell/ui/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace k7x {

namespace {

// The extension of the filter's first pattern ("Channel tables (*.csv)" gives "csv"); "dat"
// when it names none.
QString DefaultSuffix(const QString& filter) {
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0) return QStringLiteral("dat");
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber()) ++end;
    return end > star + 2 ? filter.mid(star + 2, end - star - 2) : QStringLiteral("dat");
}

// The filter among ";;"-separated ones whose pattern fits the file name; the first when none.
QString FilterOfFile(const QStringList& filters, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const QString& filter : filters)
        if (!suffix.isEmpty() && filter.contains(QLatin1String("*.") + suffix + QLatin1Char(')')))
            return filter;
    return filters.value(0);
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
    // A name typed without extension gets the one of the filter chosen; a document opened from
    // a text starts on the text's filter.
    const QStringList filters = QString::fromStdString(filter).split(QStringLiteral(";;"));
    const QFileInfo preset(QString::fromStdString(presetPath));
    const QString chosenFilter = FilterOfFile(filters, preset.fileName());
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(chosenFilter);
    dialog.setDefaultSuffix(DefaultSuffix(chosenFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(DefaultSuffix(f)); });
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
