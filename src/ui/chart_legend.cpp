#include "ui/chart_legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "core/chart_layout.h"
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

qreal ChartLegend::columnWidth() const {
    const QFontMetricsF fm(font_);
    qreal labels = 0;
    for (const Entry& e : entries_) labels = std::max(labels, fm.horizontalAdvance(e.label));
    // box, gap, values, gap, labels, gap
    return fm.height() + 6 + valueColumnWidth() + 8 + labels + 6;
}

int ChartLegend::rows() const { return (int(entries_.size()) + columns_ - 1) / columns_; }

void ChartLegend::fit(qreal maxHeight, qreal maxWidth) {
    prepareGeometryChange();
    const qreal usable = maxHeight - 6;  // less the frame
    // The design's type, then one or two pixels smaller; below that more columns read
    // better than smaller type.
    for (const int pixels : {11, 10, 9}) {
        font_ = pixelFont(QStringLiteral("Arial"), pixels);
        columns_ = legendColumns(int(entries_.size()), rowHeight(), usable);
        if (columns_ == 1) return;
    }
    font_ = pixelFont(QStringLiteral("Arial"), 10);
    columns_ = legendColumns(int(entries_.size()), rowHeight(), usable);
    // A window too small for them all lets the columns run long rather than wide.
    const int widest = std::max(1, int((maxWidth - 6) / columnWidth()));
    columns_ = std::min(columns_, widest);
}

qreal ChartLegend::preferredWidth() const {
    if (entries_.isEmpty()) return 0;
    return 6 + columns_ * columnWidth();
}

void ChartLegend::place(const QPointF& topLeft) {
    prepareGeometryChange();
    setPos(topLeft);
    size_ = entries_.isEmpty() ? QSizeF() : QSizeF(preferredWidth(), rows() * rowHeight() + 6);
    update();
}

QRectF ChartLegend::boundingRect() const { return QRectF(QPointF(0, 0), size_); }

QList<QRectF> ChartLegend::entryRects() const {
    QList<QRectF> out;
    const int perColumn = std::max(1, rows());
    for (int i = 0; i < entries_.size(); ++i)
        out << QRectF(6 + (i / perColumn) * columnWidth(), 3 + (i % perColumn) * rowHeight(),
                      columnWidth(), rowHeight());
    return out;
}

void ChartLegend::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (entries_.isEmpty() || size_.isEmpty()) return;
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::white);
    painter->drawRect(boundingRect().adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setFont(font_);
    const QFontMetricsF fm(font_);
    const qreal box = fm.height() - 2;
    const qreal values = valueColumnWidth();
    const QList<QRectF> rects = entryRects();
    for (int i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        const QRectF row = rects[i];
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(e.color);
        painter->drawRect(QRectF(row.left(), row.center().y() - box / 2, box, box));
        painter->setPen(Qt::black);
        const qreal valuesLeft = row.left() + box + 6;
        painter->drawText(QRectF(valuesLeft, row.top(), values, row.height()),
                          Qt::AlignRight | Qt::AlignVCenter, e.value);
        const qreal labelsLeft = valuesLeft + values + 8;
        painter->drawText(QRectF(labelsLeft, row.top(), row.right() - labelsLeft, row.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, e.label);
    }
    painter->restore();
}

}  // namespace lt
