#include "output/chart_legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "ui/shared_look.h"

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

void ChartLegend::apply(const ChartLegendLayout& layout) {
    prepareGeometryChange();
    font_ = pixelFont(QStringLiteral("Arial"), layout.pixels);
    columns_ = layout.columns;
    valueWidth_ = layout.valueWidth;
    setPos(layout.frame.topLeft());
    size_ = entries_.isEmpty() ? QSizeF() : layout.frame.size();
    rects_.clear();
    for (const QRectF& r : layout.entries) rects_ << r.translated(-layout.frame.topLeft());
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
    const qreal values = valueWidth_;
    const QList<QRectF>& rects = rects_;
    for (int i = 0; i < entries_.size() && i < rects.size(); ++i) {
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
