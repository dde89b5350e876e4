#pragma once
#include <QFont>
#include <QGraphicsItem>
#include <QPolygonF>
#include <vector>

namespace lt {

// The pie's slice marks, drawn by the chart window where it placed them rather than by
// the pie itself, which lets neighbouring marks of small slices print over each other.
class PieMarks : public QGraphicsItem {
public:
    struct Mark {
        QString text;
        QRectF rect;  // in the parent's coordinates
        QPolygonF arm;
    };

    explicit PieMarks(QGraphicsItem* parent = nullptr);

    void setMarks(const std::vector<Mark>& marks, const QFont& font);
    const std::vector<Mark>& marks() const { return marks_; }
    const QFont& font() const { return font_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    std::vector<Mark> marks_;
    QFont font_;
    QRectF bounds_;
};

}  // namespace lt
