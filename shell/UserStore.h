// The user's native settings store of the program (the recent files, the choices around a
// write), named "korvan7x" whatever the language.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace k7x {

inline constexpr const char* kUserStoreName = "korvan7x";

// The native store of that name in the user's scope; earlier versions used other names.
inline std::unique_ptr<QSettings> NativeUserStore(
    const QString& name = QLatin1String(kUserStoreName)) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

}  // namespace k7x
