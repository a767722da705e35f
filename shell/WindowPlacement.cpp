#include "shell/WindowPlacement.h"

#include <QSettings>
#include <cmath>

namespace k7x {

namespace {

const char* const kGroup = "Settings";

float readLength(const QSettings& s, const char* key, float def) {
    const QVariant v = s.value(QString::fromLatin1(kGroup) + '/' + QLatin1String(key));
    if (!v.isValid()) return def;
    bool ok = false;
    const float f = v.toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(f) ? f : def;
}

void writeLength(QSettings& s, const char* key, float value) {
    // Up to seven significant digits, the precision of a single-precision number.
    s.setValue(QString::fromLatin1(kGroup) + '/' + QLatin1String(key),
               QString::number(static_cast<double>(value), 'g', 7));
}

QString storeName(const QString& appTitle) {
    QString name = appTitle.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));  // keeps the store in one folder
    return name.isEmpty() ? QStringLiteral("korvan7x") : name;
}

}  // namespace

WindowPlacementStore::WindowPlacementStore(const QString& appTitle)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            storeName(appTitle), storeName(appTitle))) {}

WindowPlacementStore::WindowPlacementStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

WindowPlacementStore WindowPlacementStore::inFile(const QString& iniPath) {
    return WindowPlacementStore(std::make_unique<QSettings>(iniPath, QSettings::IniFormat));
}

WindowPlacementStore::WindowPlacementStore(WindowPlacementStore&&) noexcept = default;
WindowPlacementStore& WindowPlacementStore::operator=(WindowPlacementStore&&) noexcept = default;
WindowPlacementStore::~WindowPlacementStore() = default;

WindowPlacement WindowPlacementStore::load() const {
    const WindowPlacement def;
    WindowPlacement p;
    p.MainLeft = readLength(*settings_, "MainLeft", def.MainLeft);
    p.MainTop = readLength(*settings_, "MainTop", def.MainTop);
    p.MainWidth = readLength(*settings_, "MainWidth", def.MainWidth);
    p.MainHeight = readLength(*settings_, "MainHeight", def.MainHeight);
    return p;
}

void WindowPlacementStore::save(const WindowPlacement& p) {
    writeLength(*settings_, "MainLeft", p.MainLeft);
    writeLength(*settings_, "MainTop", p.MainTop);
    writeLength(*settings_, "MainWidth", p.MainWidth);
    writeLength(*settings_, "MainHeight", p.MainHeight);
    settings_->sync();
}

}  // namespace k7x
