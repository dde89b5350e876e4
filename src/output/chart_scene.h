#pragma once
#include <QFont>
#include <QObject>
#include <QSizeF>
#include <memory>
#include <vector>

#include "core/chart_layout.h"
#include "core/chart_points.h"

class QAbstractBarSeries;
class QBarCategoryAxis;
class QChart;
class QGraphicsEllipseItem;
class QGraphicsScene;
class QGraphicsSimpleTextItem;
class QHorizontalStackedBarSeries;
class QPainter;
class QPieSeries;
class QValueAxis;

namespace lt {

class ChartLegend;
class ChartTexts;
class PieMarks;

// The charts' type: the font of a face at a pixel size.
QFont chartFaceFont(ChartFace face, int pixels);
// The chart's type as the fonts on this system measure it.
class FontTextMetrics : public ChartTextMetrics {
public:
    double width(ChartFace face, int pixels, const QString& text) const override;
    double height(ChartFace face, int pixels) const override;
};

// The points a series holds, in order, read back from the series.
std::vector<ChartPoint> seriesPoints(const QPieSeries& series);
std::vector<ChartPoint> seriesPoints(const QAbstractBarSeries& series);

// One table's chart, as a pie or as horizontal bars, with its title, marks, legend and
// footer placed by the chart layout at whatever size it is drawn. The chart window
// shows it; printing and the picture files draw it without a window.
class ChartScene : public QObject {
    Q_OBJECT
public:
    explicit ChartScene(QObject* parent = nullptr);
    ~ChartScene() override;

    void setTitle(const QString& title);
    QString title() const { return title_; }
    void clearPoints();
    void addPoint(const ChartPoint& point);
    void setPoints(const std::vector<ChartPoint>& points);
    void deletePoint(int index);  // later points move down
    int pointCount() const { return int(points_.size()); }
    // The points of the series shown.
    std::vector<ChartPoint> shownPoints() const;

    void setPieActive(bool active);
    bool pieActive() const;
    // The start angle becomes (angle + degrees) mod 360.
    void rotatePie(double degrees);
    qreal pieAngle() const;

    // Lays the chart out at its present size now, rather than on the next turn of the
    // event loop.
    void settle();
    // Draws the chart laid out at `size` (its own pixels) into `target` of `painter`, then
    // lays it out again at the size it had.
    void draw(QPainter& painter, const QRectF& target, const QSizeF& size);
    const ChartLayout& layout() const { return layout_; }

    QChart* chart() const { return chart_; }
    QPieSeries* pieSeries() const { return pie_; }
    QHorizontalStackedBarSeries* barSeries() const { return bars_; }
    ChartLegend* legend() const { return legend_; }
    QGraphicsSimpleTextItem* footer() const { return footer_; }
    ChartTexts* titleTexts() const { return titleTexts_; }
    PieMarks* pieMarks() const { return pieMarks_; }
    ChartTexts* barTexts() const { return barTexts_; }

signals:
    // The points or their percentages changed.
    void pointsChanged();

private:
    void relayout();
    void applyPie();
    void applyBars();
    void refreshPercentages();

    // The chart sits in this scene until a view takes it into its own.
    std::unique_ptr<QGraphicsScene> scene_;
    QChart* chart_ = nullptr;
    QPieSeries* pie_ = nullptr;
    QHorizontalStackedBarSeries* bars_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    ChartLegend* legend_ = nullptr;
    QGraphicsSimpleTextItem* footer_ = nullptr;
    QGraphicsEllipseItem* pieShadow_ = nullptr;
    ChartTexts* titleTexts_ = nullptr;
    PieMarks* pieMarks_ = nullptr;
    ChartTexts* barTexts_ = nullptr;
    std::vector<ChartPoint> points_;
    QString title_;
    ChartLayout layout_;
    bool layingOut_ = false;
};

}  // namespace lt
