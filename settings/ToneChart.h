// The picture of the tone tips window: the shown tip as a bar chart, scaled to the widget.
#pragma once

#include <QColor>
#include <QFrame>

#include "codeplug/Records.h"

class QPainter;

namespace k7x {

// Draws the bars of a tip on a picture of the given size in twips, painter in twips, in colours
// that stand out from the background.
void DrawToneTip(QPainter& painter, const ToneTipRecord& tip, QSize twips,
                 const QColor& background = Qt::white);

class ToneChart : public QFrame {
    Q_OBJECT
public:
    explicit ToneChart(QWidget* parent = nullptr);

    // The tip to draw; the chart repaints.
    void showTip(const ToneTipRecord& tip);
    const ToneTipRecord& tip() const { return tip_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ToneTipRecord tip_;
};

}  // namespace k7x
