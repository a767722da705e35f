// Checks the staged pictures as the program will use them: each one loads through Qt's image
// plugins, has its size, the splash pictures carry a design (not a flat or empty picture) and
// differ by language, and the backgrounds are light, quiet and tile without a visible seam
// when repeated the way the main window repeats them.
//
//   k7x_picture_check PROGRAM_FOLDER
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "data/tools/PictureLayout.h"

namespace k7x::pictures {
namespace {

int failures = 0;

void fail(const QString& picture, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(picture), what.c_str());
    ++failures;
}

double luminance(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

QImage load(const QString& folder, const QString& name, int width, int height) {
    QImage image(folder + '/' + name);
    if (image.isNull()) {
        fail(name, "does not load (missing, damaged, or no JPEG plugin)");
        return image;
    }
    if (image.width() != width || image.height() != height)
        fail(name, "is " + std::to_string(image.width()) + "x" + std::to_string(image.height()) +
                       ", expected " + std::to_string(width) + "x" + std::to_string(height));
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Spread {
    double mean = 0, deviation = 0, darkest = 255;
};

Spread spread(const QImage& image) {
    Spread s;
    double sum = 0, squares = 0;
    const double n = static_cast<double>(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double l = luminance(image.pixel(x, y));
            sum += l;
            squares += l * l;
            s.darkest = std::min(s.darkest, l);
        }
    s.mean = sum / n;
    s.deviation = std::sqrt(std::max(0.0, squares / n - s.mean * s.mean));
    return s;
}

// Repeats the picture as the main window does: columns 1 .. w and rows 1 .. h of the picture
// (w, h = size - 2) make one period. Returns the mean brightness step between neighbouring
// columns at the seams, and the same inside a period, for columns (or rows when `rows`).
std::pair<double, double> seamAndInterior(const QImage& picture, bool rows) {
    const int period = (rows ? picture.height() : picture.width()) - 2;
    auto sample = [&](int along, int across) {
        // `along` runs over the repeated output; the picture position is 1 + along mod period.
        const int inPicture = 1 + along % period;
        return luminance(rows ? picture.pixel(across, inPicture)
                              : picture.pixel(inPicture, across));
    };
    const int acrossCount = rows ? picture.width() : picture.height();
    double seam = 0, interior = 0;
    int interiorSteps = 0;
    for (int across = 0; across < acrossCount; ++across) {
        seam += std::abs(sample(period, across) - sample(period - 1, across));
        for (int along = 1; along < period; ++along, ++interiorSteps)
            interior += std::abs(sample(along, across) - sample(along - 1, across));
    }
    return {seam / acrossCount, interior / interiorSteps};
}

void checkBackground(const QString& folder, const QString& name) {
    const QImage image = load(folder, name, BackgroundSize, BackgroundSize);
    if (image.isNull()) return;
    const Spread s = spread(image);
    // Black window captions and icons must stay readable on it.
    if (s.darkest < 170) fail(name, "has dark areas (a background must stay light)");
    if (s.deviation > 12) fail(name, "is too busy for a background");
    if (s.deviation < 0.5) fail(name, "is a flat colour, not a texture");
    for (bool rows : {false, true}) {
        const auto [seam, interior] = seamAndInterior(image, rows);
        // JPEG rounding adds about a level at any edge; a real seam is far above that.
        if (seam > 2.0 * interior + 1.5)
            fail(name, std::string("shows a seam between ") + (rows ? "rows" : "columns") +
                           " when tiled (step " + std::to_string(seam) + ", inside " +
                           std::to_string(interior) + ")");
    }
}

QImage checkSplash(const QString& folder, const QString& name) {
    const QImage image = load(folder, name, SplashWidth, SplashHeight);
    if (image.isNull()) return image;
    const Spread s = spread(image);
    if (s.deviation < 15) fail(name, "has too little contrast to carry a design");
    // Bright text on the picture: the product name needs clearly light pixels.
    int bright = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) bright += luminance(image.pixel(x, y)) > 200;
    if (bright < 2000) fail(name, "shows no legible light lettering");
    return image;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(luminance(a.pixel(x, y)) - luminance(b.pixel(x, y)));
    return sum / (static_cast<double>(a.width()) * a.height());
}

}  // namespace
}  // namespace k7x::pictures

int main(int argc, char** argv) {
    using namespace k7x::pictures;
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: k7x_picture_check PROGRAM_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    checkBackground(folder, QStringLiteral("PIC/BK_1.jpg"));
    checkBackground(folder, QStringLiteral("PIC/BK_2.jpg"));
    const QImage english = checkSplash(folder, QStringLiteral("StartE.jpg"));
    const QImage chinese = checkSplash(folder, QStringLiteral("StartC.jpg"));
    if (!english.isNull() && !chinese.isNull() && english.size() == chinese.size() &&
        meanDifference(english, chinese) < 0.2)
        fail(QStringLiteral("StartC.jpg"), "is the same picture as StartE.jpg");
    const QImage bk1(folder + "/PIC/BK_1.jpg"), bk2(folder + "/PIC/BK_2.jpg");
    if (!bk1.isNull() && bk1 == bk2) fail(QStringLiteral("PIC/BK_2.jpg"), "equals BK_1.jpg");
    std::printf("%d problems\n", failures);
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
