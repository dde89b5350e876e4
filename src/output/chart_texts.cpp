#include "output/chart_texts.h"

#include <QPainter>

namespace lt {

ChartTexts::ChartTexts(QGraphicsItem* parent) : QGraphicsItem(parent) {}

void ChartTexts::setTexts(const QList<Text>& texts, const QFont& font, const QColor& color,
                          const QList<QPolygonF>& lines) {
    prepareGeometryChange();
    texts_ = texts;
    lines_ = lines;
    font_ = font;
    color_ = color;
    bounds_ = QRectF();
    for (const Text& t : texts_) bounds_ |= t.rect;
    for (const QPolygonF& l : lines_) bounds_ |= l.boundingRect();
    bounds_.adjust(-1, -1, 1, 1);
    update();
}

QRectF ChartTexts::boundingRect() const { return bounds_; }

void ChartTexts::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    for (const QPolygonF& l : lines_) painter->drawPolyline(l);
    painter->setFont(font_);
    painter->setPen(color_);
    for (const Text& t : texts_) painter->drawText(t.rect, int(t.alignment), t.text);
    painter->restore();
}

}  // namespace lt
