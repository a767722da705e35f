#include "shell/ui/Background.h"

namespace k7x {

QString BackgroundPicturePath(const QString& programFolder, int langIndex) {
    return programFolder + QStringLiteral("/PIC/BK_") + QString::number(langIndex) +
           QStringLiteral(".jpg");
}

QImage BackgroundTile(const QString& picturePath) {
    QImage picture;
    if (!picture.load(picturePath)) return {};
    const int w = picture.width() - 2;
    const int h = picture.height() - 2;
    if (w < 1 || h < 1) return {};
    return picture.copy(1, 1, w, h);
}

}  // namespace k7x
