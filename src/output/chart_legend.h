#pragma once
#include <QFont>
#include <QGraphicsObject>
#include <QList>
#include <vector>

#include "core/chart_layout.h"
#include "core/chart_points.h"

namespace lt {

// The legend at the right of a chart: one entry per point of the shown series, last
// point first, each a colour box, the value ("#,##0.###") and the label. Qt's own
// legend cannot both reverse its entries and sit at a chosen height.
class ChartLegend : public QGraphicsObject {
    Q_OBJECT
public:
    struct Entry {
        QColor color;
        QString value;
        QString label;
    };

    explicit ChartLegend(QGraphicsItem* parent = nullptr);

    // Shows `points` in reverse order.
    void setPoints(const std::vector<ChartPoint>& points);
    const QList<Entry>& entries() const { return entries_; }
    // "value  label" of each entry, top to bottom.
    QStringList texts() const;

    // Takes the type, columns and places the chart's layout gave it.
    void apply(const ChartLegendLayout& layout);
    int columns() const { return columns_; }
    int fontPixelSize() const { return font_.pixelSize(); }
    // Where each entry is drawn, in the legend's coordinates, top to bottom and column
    // by column.
    QList<QRectF> entryRects() const { return rects_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QList<Entry> entries_;
    QList<QRectF> rects_;
    QFont font_;
    QSizeF size_;
    qreal valueWidth_ = 0;
    int columns_ = 1;
};

}  // namespace lt
