#include "shell/ui/PrintedDocument.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace k7x {

namespace {

constexpr qreal kMarginMm = 10.0;
constexpr qreal kHeadingPoints = 9.0;
constexpr qreal kTitlePoints = 9.0;
constexpr qreal kCellPoints = 7.0;
constexpr qreal kRowSpacing = 1.3;  // row height per line of cell text
constexpr qreal kLineMm = 0.2;      // width of the table rules

QFont MakeFont(qreal points, bool bold) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: the text of the PDF is searched and copied as it was written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace

// Walks the tables over the pages. Without a painter it only counts the pages, so the page
// numbers at the foot can name the total on the painting walk that follows.
class PrintedDocument::Layout {
public:
    Layout(const PrintedDocument& doc, QPagedPaintDevice& device, QPainter* painter, int total)
        : doc_(doc),
          device_(device),
          painter_(painter),
          total_(total),
          headingFont_(MakeFont(kHeadingPoints, true)),
          titleFont_(MakeFont(kTitlePoints, true)),
          cellFont_(MakeFont(kCellPoints, false)),
          headerFont_(MakeFont(kCellPoints, true)),
          heading_(headingFont_, &device),
          cell_(cellFont_, &device),
          header_(headerFont_, &device),
          title_(titleFont_, &device) {
        width_ = device.width();
        mm_ = device.logicalDpiY() / 25.4;
        rowHeight_ = cell_.height() * kRowSpacing;
        pad_ = cell_.height() * 0.3;
        bodyTop_ = heading_.height() * 1.6;
        bodyBottom_ = device.height() - cell_.height() * 1.8;
    }

    int run() {
        startPage();
        for (const PrintTable& table : doc_.tables_) placeTable(table);
        return page_;
    }

private:
    void startPage() {
        if (page_ > 0 && painter_) device_.newPage();
        ++page_;
        y_ = bodyTop_;
        if (!painter_) return;
        QPainter& p = *painter_;
        p.setPen(QPen(Qt::black, kLineMm * mm_));
        p.setFont(headingFont_);
        const QRectF head(0, 0, width_, heading_.height());
        p.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, doc_.heading_.title);
        p.setFont(cellFont_);
        p.drawText(head, Qt::AlignRight | Qt::AlignVCenter,
                   doc_.heading_.details.join(QStringLiteral("    ")));
        const qreal rule = heading_.height() * 1.2;
        p.drawLine(QPointF(0, rule), QPointF(width_, rule));
        const QString number = doc_.heading_.pageNumber.arg(page_).arg(total_);
        p.drawText(QRectF(0, device_.height() - cell_.height(), width_, cell_.height()),
                   Qt::AlignHCenter | Qt::AlignBottom, number);
    }

    QList<qreal> columnWidths(const PrintTable& table) const {
        QList<qreal> widths;
        for (const QString& c : table.columns) widths.append(header_.horizontalAdvance(c));
        for (const QStringList& row : table.rows)
            for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i)
                widths[i] = std::max(widths[i], cell_.horizontalAdvance(row[i]));
        qreal sum = 0;
        // A little more than the text, so that rounding never elides a text that fits.
        for (qreal& w : widths) sum += (w += 2.2 * pad_);
        // Too wide a table shares the page width out; the texts that no longer fit are elided.
        if (sum > width_)
            for (qreal& w : widths) w *= width_ / sum;
        return widths;
    }

    void placeTable(const PrintTable& table) {
        const QList<qreal> widths = columnWidths(table);
        const qreal titleHeight = table.title.isEmpty() ? 0 : title_.height() * 1.4;
        const qreal notesHeight = cell_.height() * 1.2 * static_cast<qreal>(table.notes.size());
        const qreal start = titleHeight + notesHeight + (widths.isEmpty() ? 0 : 2 * rowHeight_);
        const qreal whole =
            start + rowHeight_ * static_cast<qreal>(std::max<qsizetype>(table.rows.size() - 1, 0));
        // A table that fits on a page starts on the next one rather than break.
        const bool breaks = y_ + whole > bodyBottom_ && whole <= bodyBottom_ - bodyTop_;
        if ((table.startsPage || breaks || y_ + start > bodyBottom_) && y_ > bodyTop_) startPage();
        drawTitle(table.title, titleHeight);
        for (const QString& note : table.notes) {
            if (painter_) {
                painter_->setFont(cellFont_);
                painter_->drawText(QRectF(0, y_, width_, cell_.height()),
                                   Qt::AlignLeft | Qt::AlignVCenter, note);
            }
            y_ += cell_.height() * 1.2;
        }
        if (widths.isEmpty()) return;
        drawRow(table.columns, widths, true);
        for (const QStringList& row : table.rows) {
            if (y_ + rowHeight_ > bodyBottom_) {
                startPage();
                drawTitle(table.title, titleHeight);
                drawRow(table.columns, widths, true);
            }
            drawRow(row, widths, false);
        }
        y_ += rowHeight_;
    }

    void drawTitle(const QString& title, qreal height) {
        if (painter_ && !title.isEmpty()) {
            painter_->setFont(titleFont_);
            painter_->drawText(QRectF(0, y_, width_, title_.height()),
                               Qt::AlignLeft | Qt::AlignVCenter, title);
        }
        y_ += height;
    }

    void drawRow(const QStringList& texts, const QList<qreal>& widths, bool header) {
        if (painter_) {
            QPainter& p = *painter_;
            p.setFont(header ? headerFont_ : cellFont_);
            const QFontMetricsF& metrics = header ? header_ : cell_;
            qreal x = 0;
            for (qsizetype i = 0; i < widths.size(); ++i) {
                const QRectF box(x, y_, widths[i], rowHeight_);
                if (header) p.fillRect(box, QColor(225, 225, 225));
                p.drawRect(box);
                const QString text = i < texts.size() ? texts[i] : QString();
                const QRectF inner = box.adjusted(pad_, 0, -pad_, 0);
                p.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(text, Qt::ElideRight, inner.width()));
                x += widths[i];
            }
        }
        y_ += rowHeight_;
    }

    const PrintedDocument& doc_;
    QPagedPaintDevice& device_;
    QPainter* painter_;
    int total_;
    QFont headingFont_, titleFont_, cellFont_, headerFont_;
    QFontMetricsF heading_, cell_, header_, title_;
    qreal width_ = 0, mm_ = 1, rowHeight_ = 0, pad_ = 0, bodyTop_ = 0, bodyBottom_ = 0, y_ = 0;
    int page_ = 0;
};

PrintedDocument::PrintedDocument(PageHeading heading, QList<PrintTable> tables)
    : heading_(std::move(heading)), tables_(std::move(tables)) {}

void PrintedDocument::usePageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
}

int PrintedDocument::paint(QPagedPaintDevice& device) const {
    const int pages = Layout(*this, device, nullptr, 0).run();
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    Layout(*this, device, &painter, pages).run();
    return painter.end() ? pages : 0;
}

}  // namespace k7x
