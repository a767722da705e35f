#include "shell/ui/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace k7x {

namespace {

// A transceiver front: dark rounded body, a display window and a tuning knob.
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QLinearGradient body(0, 0, 0, s);
    body.setColorAt(0, QColor(70, 78, 92));
    body.setColorAt(1, QColor(28, 32, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.18, s * 0.92, s * 0.64), s * 0.1, s * 0.1);

    p.setBrush(QColor(120, 220, 255));
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.3, s * 0.46, s * 0.22), s * 0.04, s * 0.04);
    p.setBrush(QColor(255, 170, 40));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QRectF(s * (0.13 + 0.15 * i), s * 0.6, s * 0.1, s * 0.1));

    p.setBrush(QColor(200, 205, 215));
    p.drawEllipse(QRectF(s * 0.64, s * 0.32, s * 0.26, s * 0.26));
    p.setBrush(QColor(60, 66, 78));
    p.drawEllipse(QRectF(s * 0.72, s * 0.4, s * 0.1, s * 0.1));
    return pixmap;
}

}  // namespace

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace k7x
