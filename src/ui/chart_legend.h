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

    // Picks the type size and the number of columns that show every entry within
    // `maxHeight`: one column in a smaller type if that is enough, else more columns,
    // as many as `maxWidth` holds.
    void fit(qreal maxHeight, qreal maxWidth);
    int columns() const { return columns_; }
    int fontPixelSize() const { return font_.pixelSize(); }
    // Width of the fitted legend, frame included.
    qreal preferredWidth() const;
    // Places the fitted legend with its top-left corner at `topLeft`.
    void place(const QPointF& topLeft);
    // Where each entry is drawn, in the legend's coordinates, top to bottom and column
    // by column.
    QList<QRectF> entryRects() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    qreal rowHeight() const;
    qreal valueColumnWidth() const;
    qreal columnWidth() const;
    int rows() const;

    QList<Entry> entries_;
    QFont font_;
    QSizeF size_;
    int columns_ = 1;
};

}  // namespace lt
