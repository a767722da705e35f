// Qt's own texts (file dialogs, print preview, the text boxes' context menus, the standard
// buttons) in the program's language: with the Chinese texts in force, Qt's Chinese
// translation is installed; with English, Qt's built-in English is left as it is.
#pragma once

#include <QString>
#include <QTranslator>

#include "shell/AppSettings.h"

namespace k7x {

class QtDialogLanguage {
public:
    // folder holds Qt's translations; by default Qt's own translations folder.
    explicit QtDialogLanguage(QString folder = {});
    ~QtDialogLanguage();
    QtDialogLanguage(const QtDialogLanguage&) = delete;
    QtDialogLanguage& operator=(const QtDialogLanguage&) = delete;

    // Installs the translation of langIndex in the application, replacing the one before.
    // A translation that is not there leaves Qt's English.
    void follow(Int langIndex);
    // The translation file in force; empty when Qt speaks its built-in English.
    QString loadedFile() const;

private:
    QString folder_;
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace k7x
