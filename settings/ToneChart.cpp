#include "settings/ToneChart.h"

#include <QPainter>

#include "settings/ToneBars.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kChartWidthTwips = 6600;
constexpr int kChartHeightTwips = 1800;

}  // namespace

void DrawToneTip(QPainter& painter, const ToneTipRecord& tip, QSize twips) {
    for (const ToneBar& bar : ToneTipBars(tip, twips.width(), twips.height())) {
        if (bar.width <= 0 || bar.height <= 0) continue;
        const QColor colour = bar.step % 2 == 1 ? QColor(255, 0, 0) : QColor(0, 0, 255);
        painter.fillRect(QRect(bar.left, bar.bottom - bar.height, bar.width, bar.height), colour);
    }
}

ToneChart::ToneChart(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
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
    DrawToneTip(painter, tip_, {PixelsToTwips(area.width()), PixelsToTwips(area.height())});
}

}  // namespace k7x
