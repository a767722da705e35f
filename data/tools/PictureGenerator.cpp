// Draws the pictures that ship with the program: the tiled window backgrounds PIC/BK_1.jpg
// (English) and PIC/BK_2.jpg (Chinese) and the splash pictures StartE.jpg and StartC.jpg.
//
//   korvan7x-picture-generator OUTPUT_DIR [--preview DIR]
//
// The pictures are committed; run this (target k7x_regenerate_pictures) after changing the
// drawing. The Chinese splash needs a font with Simplified Chinese glyphs (Debian:
// fonts-noto-cjk); without one the generator stops rather than draw empty boxes. Everything is
// computed, nothing is random, so a rerun with the same fonts gives the same pictures.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <utility>

#include "data/tools/PictureLayout.h"

namespace k7x::pictures {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// A repeatable pseudo-random value in [-1, 1] for a lattice point.
double latticeValue(int i, int j, std::uint32_t seed) {
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(i) * 0x8da6b343u) ^
                      (static_cast<std::uint32_t>(j) * 0xd8163841u);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffff) / 32767.5 - 1.0;
}

// Smooth value noise that repeats after TilePeriod pixels in both directions: the lattice of
// `cells` x `cells` points wraps around.
double periodicNoise(double x, double y, int cells, std::uint32_t seed) {
    const double scale = static_cast<double>(cells) / TilePeriod;
    const double fx = x * scale, fy = y * scale;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) {
        return latticeValue(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Distance of t to the nearest multiple of `spacing`.
double distanceToLine(double t, double spacing) {
    const double r = std::fmod(std::fmod(t, spacing) + spacing, spacing);
    return std::min(r, spacing - r);
}

QRgb shade(QColor base, double delta) {
    auto c = [&](int v) { return std::clamp(static_cast<int>(std::lround(v + delta)), 0, 255); };
    return qRgb(c(base.red()), c(base.green()), c(base.blue()));
}

// Paints one period of a pattern, given as a brightness change per tile position, into a
// picture with the wrapped border the main window's tiling expects.
QImage backgroundTile(QColor base, const std::function<double(double, double)>& pattern) {
    QImage image(BackgroundSize, BackgroundSize, QImage::Format_RGB32);
    for (int py = 0; py < BackgroundSize; ++py) {
        const int ty = (py - 1 + TilePeriod) % TilePeriod;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < BackgroundSize; ++px) {
            const int tx = (px - 1 + TilePeriod) % TilePeriod;
            line[px] = shade(base, pattern(tx, ty));
        }
    }
    return image;
}

// English: cool steel blue, a faint brushed diagonal grain and slow long waves.
QImage englishBackground() {
    return backgroundTile(QColor(224, 231, 239), [](double x, double y) {
        const double cloud = 0.65 * periodicNoise(x, y, 4, 11) + 0.35 * periodicNoise(x, y, 16, 12);
        const double grain = periodicNoise(x, y, 64, 13);
        const double wave =
            std::sin(TwoPi * (2 * x + y) / TilePeriod + 1.4 * std::sin(TwoPi * y / TilePeriod));
        const double hairline = std::sin(TwoPi * 32 * (x + y) / TilePeriod);
        return 5.0 * cloud + 1.5 * grain + 2.2 * wave + 0.8 * hairline;
    });
}

// Chinese: warm ivory with a faint lattice of diamonds, like a paper window screen.
QImage chineseBackground() {
    return backgroundTile(QColor(241, 236, 226), [](double x, double y) {
        constexpr double spacing = TilePeriod / 4.0 * std::numbers::sqrt2;
        const double u = (x + y) / std::numbers::sqrt2, v = (x - y) / std::numbers::sqrt2;
        const double d = std::min(distanceToLine(u, spacing / 2), distanceToLine(v, spacing / 2));
        const double line = std::clamp(1.4 - d, 0.0, 1.0);  // about two pixels, antialiased
        const double cloud = 0.7 * periodicNoise(x, y, 4, 21) + 0.3 * periodicNoise(x, y, 32, 22);
        return -7.0 * line + 4.5 * cloud + 1.2 * periodicNoise(x, y, 64, 23);
    });
}

struct SplashTexts {
    QString tagLine;
    QString subtitle;
    QString version;
    QString fontFamily;  // for the texts other than the product name
    int subtitleSize;
};

void drawDisplayPanel(QPainter& p, const QRectF& box, const QFont& digitFont) {
    QLinearGradient bezel(box.topLeft(), box.bottomLeft());
    bezel.setColorAt(0, QColor(70, 82, 98));
    bezel.setColorAt(1, QColor(20, 26, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawRoundedRect(box, 8, 8);
    const QRectF glass = box.adjusted(5, 5, -5, -5);
    QLinearGradient lcd(glass.topLeft(), glass.bottomLeft());
    lcd.setColorAt(0, QColor(24, 18, 8));
    lcd.setColorAt(1, QColor(10, 8, 4));
    p.setBrush(lcd);
    p.drawRoundedRect(glass, 5, 5);

    p.setFont(digitFont);
    const QRectF digits = glass.adjusted(12, 4, -42, -14);
    p.setPen(QColor(255, 170, 40, 28));
    p.drawText(digits, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("88.88888"));
    p.setPen(QColor(255, 178, 56));
    p.drawText(digits, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("28.85000"));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    p.drawText(glass.adjusted(0, 0, -8, -18), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("MHz"));
    p.setPen(QColor(255, 178, 56, 200));
    p.drawText(glass.adjusted(12, 0, 0, -5), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("HAM   CH 01   FM"));
}

// A carrier with a slowly changing envelope, drawn with a soft glow.
void drawSignal(QPainter& p, double baseline, double width) {
    QPainterPath path;
    for (int x = 0; x <= static_cast<int>(width); x += 2) {
        const double envelope = 0.55 + 0.45 * std::sin(TwoPi * x / 360.0 + 0.8);
        const double y = baseline - 22.0 * envelope * std::sin(TwoPi * x / 26.0);
        if (x == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    for (auto [penWidth, alpha] : {std::pair{9.0, 18}, std::pair{5.0, 40}, std::pair{1.6, 230}}) {
        p.setPen(QPen(QColor(70, 170, 255, alpha), penWidth, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

QImage splash(const SplashTexts& texts) {
    QImage image(SplashWidth, SplashHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, SplashHeight);
    sky.setColorAt(0, QColor(22, 42, 68));
    sky.setColorAt(1, QColor(6, 12, 22));
    p.fillRect(image.rect(), sky);
    QRadialGradient glow(QPointF(440, 120), 320);
    glow.setColorAt(0, QColor(60, 130, 210, 80));
    glow.setColorAt(1, QColor(60, 130, 210, 0));
    p.fillRect(image.rect(), glow);

    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    for (int x = 12; x < SplashWidth; x += 24) p.drawLine(x, 0, x, SplashHeight - 44);
    for (int y = 12; y < SplashHeight - 44; y += 24) p.drawLine(0, y, SplashWidth, y);

    drawSignal(p, 268, SplashWidth);

    QFont tag(texts.fontFamily);
    tag.setPixelSize(13);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(tag);
    p.setPen(QColor(126, 178, 230));
    p.drawText(QPointF(42, 74), texts.tagLine);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(58);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QPointF(42, 139), QStringLiteral("KORVAN 7X"));
    p.setPen(QColor(246, 249, 252));
    p.drawText(QPointF(40, 136), QStringLiteral("KORVAN 7X"));

    p.fillRect(QRectF(42, 152, 72, 4), QColor(240, 160, 48));

    QFont subtitle(texts.fontFamily);
    subtitle.setPixelSize(texts.subtitleSize);
    p.setFont(subtitle);
    p.setPen(QColor(220, 230, 240));
    p.drawText(QPointF(42, 196), texts.subtitle);

    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(26);
    digits.setBold(true);
    drawDisplayPanel(p, QRectF(372, 160, 200, 74), digits);

    const QRectF footer(0, SplashHeight - 44, SplashWidth, 44);
    p.fillRect(footer, QColor(4, 8, 14));
    p.fillRect(QRectF(0, footer.top(), SplashWidth, 1), QColor(255, 255, 255, 28));
    QFont small(texts.fontFamily);
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(160, 180, 200));
    p.drawText(footer.adjusted(42, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, texts.version);
    p.drawText(footer.adjusted(0, 0, -32, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("CB  \u00b7  HF  \u00b7  HAM     25.615 - 30.105 MHz"));
    p.end();
    return image;
}

QString chineseFontFamily() {
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& preferred :
         {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")}) {
        if (families.contains(preferred)) return preferred;
    }
    return families.isEmpty() ? QString() : families.first();
}

bool save(const QImage& image, const QString& path, const QString& previewDir) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "JPG", JpegQuality)) {
        std::fprintf(stderr, "cannot write %s (is Qt's JPEG plugin installed?)\n",
                     qPrintable(path));
        return false;
    }
    if (!previewDir.isEmpty()) {
        QDir().mkpath(previewDir);
        image.save(previewDir + '/' + QFileInfo(path).completeBaseName() + ".png", "PNG");
    }
    return true;
}

}  // namespace
}  // namespace k7x::pictures

int main(int argc, char** argv) {
    using namespace k7x::pictures;
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QString previewDir;
    if (const qsizetype at = args.indexOf(QStringLiteral("--preview")); at >= 0) {
        if (at + 1 >= args.size()) {
            std::fprintf(stderr, "--preview needs a folder\n");
            return 2;
        }
        previewDir = args.takeAt(at + 1);
        args.removeAt(at);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: korvan7x-picture-generator OUTPUT_DIR [--preview DIR]\n");
        return 2;
    }
    const QString out = args.first();
    const QString chinese = chineseFontFamily();
    if (chinese.isEmpty()) {
        std::fprintf(stderr,
                     "no font with Simplified Chinese glyphs found; install one (Debian: "
                     "fonts-noto-cjk) and run again\n");
        return 1;
    }

    const SplashTexts english{QStringLiteral("HF / CB TRANSCEIVER"),
                              QStringLiteral("Programming Software"),
                              QStringLiteral("Version V1.00"), QStringLiteral("DejaVu Sans"), 26};
    const SplashTexts chineseTexts{QStringLiteral("短波 / CB 电台"), QStringLiteral("写频软件"),
                                   QStringLiteral("版本 V1.00"), chinese, 30};

    const bool ok = save(englishBackground(), out + "/PIC/BK_1.jpg", previewDir) &&
                    save(chineseBackground(), out + "/PIC/BK_2.jpg", previewDir) &&
                    save(splash(english), out + "/StartE.jpg", previewDir) &&
                    save(splash(chineseTexts), out + "/StartC.jpg", previewDir);
    return ok ? 0 : 1;
}
