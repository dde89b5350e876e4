#pragma once
#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <QList>
#include <QPolygonF>

namespace lt {

// Texts a chart draws where its layout put them (the title's lines, the bars' labels,
// the value axis), with the lines that go with them.
class ChartTexts : public QGraphicsItem {
public:
    struct Text {
        QString text;
        QRectF rect;  // in the parent's coordinates
        Qt::Alignment alignment = Qt::AlignCenter;
    };

    explicit ChartTexts(QGraphicsItem* parent = nullptr);

    void setTexts(const QList<Text>& texts, const QFont& font, const QColor& color,
                  const QList<QPolygonF>& lines = {});
    const QList<Text>& texts() const { return texts_; }
    const QFont& font() const { return font_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QList<Text> texts_;
    QList<QPolygonF> lines_;
    QFont font_;
    QColor color_;
    QRectF bounds_;
};

}  // namespace lt
