#include "shell/LanguageTextSource.h"

#include <QFileInfo>

#include "shell/LangTexts.h"

namespace k7x {

std::string LanguageTextSource::text(int number) const {
    return GetLangText(settings_, number);
}

bool LanguageTextSource::available() const {
    return QFileInfo(QString::fromStdString(LangFilePath(settings_))).isFile();
}

}  // namespace k7x
