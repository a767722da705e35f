#include "settings/ToneChart.h"

#include <QPainter>

#include "settings/ToneBars.h"
#include "shell/ui/ReadableColour.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kChartWidthTwips = 6600;
constexpr int kChartHeightTwips = 1800;

}  // namespace

void DrawToneTip(QPainter& painter, const ToneTipRecord& tip, QSize twips,
                 const QColor& background) {
    // Odd steps red, even steps blue, each standing out from the background.
    const QColor odd = ReadableColour(QColor(255, 0, 0), background, kGraphicContrast);
    const QColor even = ReadableColour(QColor(0, 0, 255), background, kGraphicContrast);
    for (const ToneBar& bar : ToneTipBars(tip, twips.width(), twips.height())) {
        if (bar.width <= 0 || bar.height <= 0) continue;
        const QColor& colour = bar.step % 2 == 1 ? odd : even;
        painter.fillRect(QRect(bar.left, bar.bottom - bar.height, bar.width, bar.height), colour);
    }
}

ToneChart::ToneChart(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The chart is drawn on the palette's base: white on a light palette, dark on a dark one.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ToneChart::showTip(const ToneTipRecord& tip) {
    tip_ = tip;
    update();
}

QSize ToneChart::sizeHint() const {
    return {TwipsToPixels(kChartWidthTwips), TwipsToPixels(kChartHeightTwips)};
}

void ToneChart::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    DrawToneTip(painter, tip_, {PixelsToTwips(area.width()), PixelsToTwips(area.height())},
                palette().color(QPalette::Base));
}

}  // namespace k7x
