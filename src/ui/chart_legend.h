#pragma once
#include <QFont>
#include <QGraphicsObject>
#include <QList>
#include <vector>

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

    // Width needed by the widest entry, frame included.
    qreal preferredWidth() const;
    // Places the legend with its top-left corner at `topLeft`, at most `maxHeight` high.
    void place(const QPointF& topLeft, qreal maxHeight);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    qreal rowHeight() const;
    qreal valueColumnWidth() const;

    QList<Entry> entries_;
    QFont font_;
    QSizeF size_;
};

}  // namespace lt
