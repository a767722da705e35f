#include "shell/ui/QtDialogLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace k7x {

QtDialogLanguage::QtDialogLanguage(QString folder)
    : folder_(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                               : std::move(folder)) {}

QtDialogLanguage::~QtDialogLanguage() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void QtDialogLanguage::follow(Int langIndex) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    // Loading an empty translator clears what it held.
    (void)translator_.load(QString());
    if (langIndex != kChinese) return;
    if (translator_.load(QStringLiteral("qtbase_zh_CN"), folder_))
        installed_ = QCoreApplication::installTranslator(&translator_);
}

QString QtDialogLanguage::loadedFile() const {
    return installed_ ? translator_.filePath() : QString();
}

}  // namespace k7x
