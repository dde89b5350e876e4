#include "output/pie_marks.h"

#include <QPainter>

namespace lt {

PieMarks::PieMarks(QGraphicsItem* parent) : QGraphicsItem(parent) {}

void PieMarks::setMarks(const std::vector<Mark>& marks, const QFont& font) {
    prepareGeometryChange();
    marks_ = marks;
    font_ = font;
    bounds_ = QRectF();
    for (const Mark& m : marks_) bounds_ |= m.rect | m.arm.boundingRect();
    bounds_.adjust(-1, -1, 1, 1);
    update();
}

QRectF PieMarks::boundingRect() const { return bounds_; }

void PieMarks::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->save();
    painter->setFont(font_);
    painter->setBrush(Qt::NoBrush);
    for (const Mark& m : marks_) {
        painter->setPen(QPen(Qt::black, 1));
        painter->drawPolyline(m.arm);
        painter->drawText(m.rect, Qt::AlignCenter, m.text);
    }
    painter->restore();
}

}  // namespace lt
