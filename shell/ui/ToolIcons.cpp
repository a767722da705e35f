#include "shell/ui/ToolIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace k7x {

namespace {

// The drawings are made on a 16 x 16 grid, scaled to the size asked for.
constexpr qreal kGrid = 16.0;

// Accents that read on light and dark backgrounds alike.
const QColor kAddColour(0x2e, 0x9d, 0x3e);
const QColor kRemoveColour(0xd9, 0x45, 0x3b);
const QColor kRadioArrowColour(0x2f, 0x7f, 0xd8);

struct Pens {
    QColor ink;    // outlines
    QColor paper;  // the insides of sheets
    bool enabled = true;
    QColor accent(const QColor& c) const { return enabled ? c : ink; }
};

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const qreal dir = to.y() < from.y() ? 1.0 : -1.0;  // the head opens away from the tip
    p.drawPolyline(
        QPolygonF{{to.x() - 3.5, to.y() + dir * 3.5}, to, {to.x() + 3.5, to.y() + dir * 3.5}});
}

void radio(QPainter& p, const Pens& c) {
    p.setPen(QPen(c.ink, 1.2));
    p.setBrush(c.paper);
    p.drawRoundedRect(QRectF(1.5, 6.5, 8, 8), 1.2, 1.2);
    p.drawLine(QPointF(3.5, 6.5), QPointF(3.5, 1.5));  // the antenna
    p.setBrush(c.ink);
    p.drawEllipse(QPointF(5.5, 9.5), 1.3, 1.3);  // the knob
    p.drawLine(QPointF(3.5, 12.5), QPointF(7.5, 12.5));
}

void sheet(QPainter& p, const QRectF& r, const Pens& c) {
    p.setPen(QPen(c.ink, 1.2));
    p.setBrush(c.paper);
    p.drawRect(r);
}

// A channel row, as the grid shows one.
void row(QPainter& p, qreal y, const Pens& c) {
    p.setPen(QPen(c.ink, 1.2));
    p.setBrush(c.paper);
    p.drawRect(QRectF(1.5, y, 13, 4));
}

void draw(QPainter& p, ToolDrawing drawing, const Pens& c) {
    switch (drawing) {
        case ToolDrawing::ReadRadio:
            radio(p, c);
            arrow(p, {12.5, 2.5}, {12.5, 13.5}, c.accent(kRadioArrowColour));
            break;
        case ToolDrawing::WriteRadio:
            radio(p, c);
            arrow(p, {12.5, 13.5}, {12.5, 2.5}, c.accent(kRadioArrowColour));
            break;
        case ToolDrawing::Cut:
            p.setPen(QPen(c.ink, 1.3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5.5, 10.0), QPointF(11.5, 1.5));
            p.drawLine(QPointF(10.5, 10.0), QPointF(4.5, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(4.5, 12.0), 2.3, 2.3);
            p.drawEllipse(QPointF(11.5, 12.0), 2.3, 2.3);
            break;
        case ToolDrawing::Copy:
            sheet(p, QRectF(1.5, 1.5, 8, 10), c);
            sheet(p, QRectF(6.5, 4.5, 8, 10), c);
            break;
        case ToolDrawing::Paste:
            sheet(p, QRectF(2.5, 2.5, 11, 12.5), c);
            p.setBrush(c.ink);
            p.drawRoundedRect(QRectF(5.5, 1.0, 5, 3), 1, 1);  // the clip
            p.drawLine(QPointF(5, 8), QPointF(11, 8));
            p.drawLine(QPointF(5, 11), QPointF(11, 11));
            break;
        case ToolDrawing::Insert:
        case ToolDrawing::Delete: {
            row(p, 10.5, c);
            const bool add = drawing == ToolDrawing::Insert;
            p.setPen(
                QPen(c.accent(add ? kAddColour : kRemoveColour), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, 5), QPointF(12, 5));
            if (add) p.drawLine(QPointF(8, 1.5), QPointF(8, 8.5));
            break;
        }
        case ToolDrawing::MoveUp:
            row(p, 10.5, c);
            arrow(p, {8, 9}, {8, 1.5}, c.ink);
            break;
        case ToolDrawing::MoveDown:
            row(p, 1.5, c);
            arrow(p, {8, 7}, {8, 14.5}, c.ink);
            break;
    }
}

class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(ToolDrawing drawing) : drawing_(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const bool enabled = mode != QIcon::Disabled;
        const Pens pens{
            palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText),
            palette.color(QPalette::Base), enabled};
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kGrid, rect.height() / kGrid);
        draw(*painter, drawing_, pens);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIcon(drawing_); }
    QString key() const override { return QStringLiteral("k7x-drawn"); }

private:
    ToolDrawing drawing_;
};

}  // namespace

QIcon ToolIcon(ToolDrawing drawing, const QString& themeName) {
    if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName)) return QIcon::fromTheme(themeName);
    return QIcon(new DrawnIcon(drawing));
}

}  // namespace k7x
