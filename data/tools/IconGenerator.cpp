// Draws the program's icon, a radio mast sending waves, from one table of shapes: the scalable
// SVG and the hicolor PNGs (48, 128 and 256 pixels) are both made from it, so they cannot drift
// apart.
//
//   korvan7x-icon-generator OUTPUT_DIR
//
// writes OUTPUT_DIR/io.github.korvan7x.korvan7x.svg and OUTPUT_DIR/<size>x<size>.png. The
// files are committed; run this (target k7x_regenerate_icons) after changing the table.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace k7x::icons {
namespace {

// Coordinates are in a 256 x 256 canvas, y downwards; angles in degrees, clockwise from the
// positive x axis (the SVG convention).
constexpr double Canvas = 256;

struct Shape {
    enum class Kind { RoundedSquare, Line, Arc, Dot } kind;
    double a, b, c, d;  // square: inset, corner radius; line: x1 y1 x2 y2;
                        // arc: cx cy radius half-span (around `e`); dot: cx cy radius
    double e = 0;       // arc: the direction its middle points to
    const char* colour;
    double width = 0;  // stroke width of lines and arcs
};

constexpr const char* Background = "#1d4f7c";
constexpr const char* Mast = "#ffffff";
constexpr const char* Wave = "#f6a623";

// The mast stands in the middle with its feet on a base; the waves leave its tip both ways.
const std::vector<Shape> kShapes{
    {Shape::Kind::RoundedSquare, 8, 44, 0, 0, 0, Background},
    {Shape::Kind::Line, 128, 96, 128, 206, 0, Mast, 16},
    {Shape::Kind::Line, 128, 128, 96, 206, 0, Mast, 12},
    {Shape::Kind::Line, 128, 128, 160, 206, 0, Mast, 12},
    {Shape::Kind::Line, 84, 208, 172, 208, 0, Mast, 14},
    {Shape::Kind::Dot, 128, 88, 15, 0, 0, Wave},
    {Shape::Kind::Arc, 128, 88, 38, 38, 0, Wave, 12},
    {Shape::Kind::Arc, 128, 88, 38, 38, 180, Wave, 12},
    {Shape::Kind::Arc, 128, 88, 70, 34, 0, Wave, 12},
    {Shape::Kind::Arc, 128, 88, 70, 34, 180, Wave, 12},
};

struct Point {
    double x, y;
};

Point onCircle(double cx, double cy, double r, double degrees) {
    const double t = degrees * std::numbers::pi / 180;
    return {cx + r * std::cos(t), cy + r * std::sin(t)};
}

QString num(double v) {
    return QString::number(std::round(v * 100) / 100, 'g', 8);
}

QString svgOf(const Shape& s) {
    const QString stroke = QStringLiteral(
                               " fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" "
                               "stroke-linecap=\"round\"")
                               .arg(s.colour, num(s.width));
    switch (s.kind) {
        case Shape::Kind::RoundedSquare:
            return QStringLiteral(
                       "<rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" "
                       "fill=\"%4\"/>")
                .arg(num(s.a), num(Canvas - 2 * s.a), num(s.b), s.colour);
        case Shape::Kind::Line:
            return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>")
                .arg(num(s.a), num(s.b), num(s.c), num(s.d), stroke);
        case Shape::Kind::Arc: {
            const Point from = onCircle(s.a, s.b, s.c, s.e - s.d);
            const Point to = onCircle(s.a, s.b, s.c, s.e + s.d);
            return QStringLiteral("<path d=\"M %1 %2 A %3 %3 0 0 1 %4 %5\"%6/>")
                .arg(num(from.x), num(from.y), num(s.c), num(to.x), num(to.y), stroke);
        }
        case Shape::Kind::Dot:
            return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>")
                .arg(num(s.a), num(s.b), num(s.c), s.colour);
    }
    return {};
}

void paint(QPainter& p, const Shape& s) {
    const QColor colour(QString::fromLatin1(s.colour));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    QPen pen(colour, s.width, Qt::SolidLine, Qt::RoundCap);
    switch (s.kind) {
        case Shape::Kind::RoundedSquare:
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(s.a, s.a, Canvas - 2 * s.a, Canvas - 2 * s.a), s.b, s.b);
            break;
        case Shape::Kind::Line:
            p.setPen(pen);
            p.drawLine(QPointF(s.a, s.b), QPointF(s.c, s.d));
            break;
        case Shape::Kind::Arc: {
            // Qt counts angles anticlockwise: the clockwise span of the table, negated.
            const Point from = onCircle(s.a, s.b, s.c, s.e - s.d);
            QPainterPath path(QPointF(from.x, from.y));
            path.arcTo(QRectF(s.a - s.c, s.b - s.c, 2 * s.c, 2 * s.c), -(s.e - s.d), -2 * s.d);
            p.setPen(pen);
            p.drawPath(path);
            break;
        }
        case Shape::Kind::Dot:
            p.setBrush(colour);
            p.drawEllipse(QPointF(s.a, s.b), s.c, s.c);
            break;
    }
}

QString svgDocument() {
    QString svg = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(num(Canvas));
    for (const Shape& s : kShapes) svg += "  " + svgOf(s) + '\n';
    return svg + "</svg>\n";
}

QImage picture(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Canvas, size / Canvas);
    for (const Shape& s : kShapes) paint(p, s);
    return image;
}

}  // namespace
}  // namespace k7x::icons

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvan7x-icon-generator OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QFile svg(out + "/io.github.korvan7x.korvan7x.svg");
    bool ok = QDir().mkpath(out) && svg.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              svg.write(k7x::icons::svgDocument().toUtf8()) > 0;
    svg.close();
    for (int size : {48, 128, 256}) {
        ok = ok &&
             k7x::icons::picture(size).save(out + QStringLiteral("/%1x%1.png").arg(size), "PNG");
    }
    if (!ok) std::fprintf(stderr, "korvan7x-icon-generator: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
