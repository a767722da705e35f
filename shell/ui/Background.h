// The tiled background picture of the main window's client area.
#pragma once

#include <QImage>
#include <QString>

namespace k7x {

// "<folder>/PIC/BK_<langIndex>.jpg".
QString BackgroundPicturePath(const QString& programFolder, int langIndex);

// The tile of a background picture: the picture without its one-pixel frame, so the copies
// join without seams. A null image when the picture is missing or too small to tile.
QImage BackgroundTile(const QString& picturePath);

}  // namespace k7x
