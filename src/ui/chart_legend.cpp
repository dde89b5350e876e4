#include "ui/chart_legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "ui/look.h"

namespace lt {

ChartLegend::ChartLegend(QGraphicsItem* parent)
    : QGraphicsObject(parent), font_(pixelFont(QStringLiteral("Arial"), 11)) {}

void ChartLegend::setPoints(const std::vector<ChartPoint>& points) {
    prepareGeometryChange();
    entries_.clear();
    for (auto it = points.rbegin(); it != points.rend(); ++it)
        entries_.append({it->color, legendValue(it->value), it->label});
    update();
}

QStringList ChartLegend::texts() const {
    QStringList out;
    for (const Entry& e : entries_) out << e.value + QStringLiteral("  ") + e.label;
    return out;
}

qreal ChartLegend::rowHeight() const { return QFontMetricsF(font_).height() + 4; }

qreal ChartLegend::valueColumnWidth() const {
    const QFontMetricsF fm(font_);
    qreal w = 0;
    for (const Entry& e : entries_) w = std::max(w, fm.horizontalAdvance(e.value));
    return w;
}

qreal ChartLegend::preferredWidth() const {
    if (entries_.isEmpty()) return 0;
    const QFontMetricsF fm(font_);
    qreal labels = 0;
    for (const Entry& e : entries_) labels = std::max(labels, fm.horizontalAdvance(e.label));
    const qreal box = fm.height();
    // frame, box, gap, values, gap, labels, frame
    return 6 + box + 6 + valueColumnWidth() + 8 + labels + 6;
}

void ChartLegend::place(const QPointF& topLeft, qreal maxHeight) {
    prepareGeometryChange();
    setPos(topLeft);
    const qreal wanted = entries_.size() * rowHeight() + 6;
    size_ = entries_.isEmpty() ? QSizeF() : QSizeF(preferredWidth(), std::min(wanted, maxHeight));
    update();
}

QRectF ChartLegend::boundingRect() const { return QRectF(QPointF(0, 0), size_); }

void ChartLegend::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (entries_.isEmpty() || size_.isEmpty()) return;
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::white);
    painter->drawRect(boundingRect().adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setFont(font_);
    const QFontMetricsF fm(font_);
    const qreal box = fm.height() - 2;
    const qreal valuesRight = 6 + box + 6 + valueColumnWidth();
    qreal y = 3;
    for (const Entry& e : entries_) {
        // Entries that do not fit are left out rather than drawn over the frame.
        if (y + rowHeight() > size_.height()) break;
        const qreal mid = y + rowHeight() / 2;
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(e.color);
        painter->drawRect(QRectF(6, mid - box / 2, box, box));
        painter->setPen(Qt::black);
        const QRectF row(0, y, size_.width(), rowHeight());
        painter->drawText(QRectF(6 + box + 6, y, valuesRight - (6 + box + 6), rowHeight()),
                          Qt::AlignRight | Qt::AlignVCenter, e.value);
        painter->drawText(QRectF(valuesRight + 8, y, row.width() - valuesRight - 8, rowHeight()),
                          Qt::AlignLeft | Qt::AlignVCenter, e.label);
        y += rowHeight();
    }
    painter->restore();
}

}  // namespace lt
