#include "output/chart_scene.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QRadialGradient>
#include <QValueAxis>
#include <cmath>

#include "core/credits.h"
#include "output/chart_legend.h"
#include "output/chart_texts.h"
#include "output/pie_marks.h"
#include "ui/shared_look.h"

namespace lt {
namespace {

constexpr qreal kShadowOffset = 6;  // pixels, right and down
constexpr qreal kRimShare = 0.88;   // of the radius: the face's own colour out to here
const char* const kLabelProperty = "pointLabel";
const char* const kColorProperty = "pointColor";
const char* const kValueProperty = "pointValue";

}  // namespace

QFont chartFaceFont(ChartFace face, int pixels) {
    switch (face) {
        case ChartFace::Title:
            return pixelFont(QStringLiteral("Times New Roman"), pixels, true);
        case ChartFace::Footer:
            return pixelFont(QStringLiteral("Arial"), pixels, false, true);
        case ChartFace::Label:
            break;
    }
    return pixelFont(QStringLiteral("Arial"), pixels);
}

double FontTextMetrics::width(ChartFace face, int pixels, const QString& text) const {
    // A pixel more than measured: antialiased glyphs reach a little past their advance.
    return QFontMetricsF(chartFaceFont(face, pixels)).horizontalAdvance(text) + 1;
}

double FontTextMetrics::height(ChartFace face, int pixels) const {
    return QFontMetricsF(chartFaceFont(face, pixels)).height();
}

ChartScene::ChartScene(QObject* parent) : QObject(parent), scene_(new QGraphicsScene) {
    chart_ = new QChart;
    scene_->addItem(chart_);
    chart_->setTheme(QChart::ChartThemeLight);
    chart_->setBackgroundRoundness(0);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setBackgroundBrush(Qt::white);
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);

    pie_ = new QPieSeries;
    chart_->addSeries(pie_);

    // One bar set per point, each holding its value in its own category only, so that
    // every bar has its point's colour and a whole row of the plot.
    bars_ = new QHorizontalStackedBarSeries;
    bars_->setLabelsVisible(false);
    bars_->setBarWidth(0.8);
    chart_->addSeries(bars_);
    valueAxis_ = new QValueAxis;
    valueAxis_->setVisible(false);
    categories_ = new QBarCategoryAxis;
    categories_->setVisible(false);
    chart_->addAxis(valueAxis_, Qt::AlignBottom);
    chart_->addAxis(categories_, Qt::AlignLeft);
    bars_->attachAxis(valueAxis_);
    bars_->attachAxis(categories_);

    pieShadow_ = new QGraphicsEllipseItem(chart_);
    pieShadow_->setPen(Qt::NoPen);
    pieShadow_->setBrush(QColor(0, 0, 0, 90));
    pieShadow_->setZValue(0.5);  // above the plot area, below the series

    titleTexts_ = new ChartTexts(chart_);
    titleTexts_->setZValue(10);
    pieMarks_ = new PieMarks(chart_);
    pieMarks_->setZValue(10);
    barTexts_ = new ChartTexts(chart_);
    barTexts_->setZValue(10);
    legend_ = new ChartLegend(chart_);
    legend_->setZValue(10);
    footer_ = new QGraphicsSimpleTextItem(creditLine(), chart_);
    footer_->setFont(chartFaceFont(ChartFace::Footer, kLabelPixels));
    footer_->setBrush(Qt::red);
    footer_->setZValue(10);

    connect(chart_, &QGraphicsWidget::geometryChanged, this, &ChartScene::relayout);
    setPieActive(true);
}

// The chart belongs to whichever scene holds it last: this one, or a view's.
ChartScene::~ChartScene() = default;

void ChartScene::setTitle(const QString& title) {
    title_ = title;
    relayout();
}

void ChartScene::clearPoints() {
    pie_->clear();
    bars_->clear();
    categories_->clear();
    points_.clear();
    refreshPercentages();
}

void ChartScene::addPoint(const ChartPoint& point) {
    auto* slice = new QPieSlice(QString(), point.value);
    slice->setProperty(kLabelProperty, point.label);
    slice->setProperty(kColorProperty, point.color);
    pie_->append(slice);
    slice->setBrush(point.color);
    // The chart's theme restyles every slice whose pen still equals the default one;
    // the round join keeps this outline our own.
    slice->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The marks are drawn where the layout puts them, apart from each other.
    slice->setLabelVisible(false);

    // Earlier sets gain a zero in the new category, the new set is zero in the others.
    const int index = int(points_.size());
    categories_->append(QString::number(index));
    for (QBarSet* s : bars_->barSets()) s->append(0);
    auto* set = new QBarSet(point.label);
    for (int i = 0; i < index; ++i) set->append(0);
    set->append(point.value);
    set->setProperty(kValueProperty, point.value);
    bars_->append(set);
    set->setBrush(point.color);
    set->setPen(QPen(Qt::black, 1));

    points_.push_back(point);
    refreshPercentages();
}

void ChartScene::setPoints(const std::vector<ChartPoint>& points) {
    clearPoints();
    for (const ChartPoint& p : points) addPoint(p);
}

void ChartScene::deletePoint(int index) {
    if (index < 0 || index >= int(points_.size())) return;
    pie_->remove(pie_->slices().at(index));
    bars_->remove(bars_->barSets().at(index));
    for (QBarSet* s : bars_->barSets()) s->remove(index);
    categories_->remove(categories_->categories().constLast());
    points_.erase(points_.begin() + index);
    refreshPercentages();
}

std::vector<ChartPoint> ChartScene::shownPoints() const {
    return pieActive() ? seriesPoints(*pie_) : seriesPoints(*bars_);
}

bool ChartScene::pieActive() const { return pie_->isVisible(); }

void ChartScene::setPieActive(bool active) {
    pie_->setVisible(active);
    bars_->setVisible(!active);
    pieMarks_->setVisible(active);
    barTexts_->setVisible(!active);
    legend_->setPoints(shownPoints());
    relayout();
}

void ChartScene::rotatePie(double degrees) {
    const qreal start = std::fmod(pie_->pieStartAngle() + degrees, 360.0);
    pie_->setPieStartAngle(start);
    pie_->setPieEndAngle(start + 360);
    relayout();
}

qreal ChartScene::pieAngle() const { return pie_->pieStartAngle(); }

// Percentages change whenever a point comes or goes.
void ChartScene::refreshPercentages() {
    for (QPieSlice* s : pie_->slices()) s->setLabel(percentMark(s->percentage() * 100));
    legend_->setPoints(shownPoints());
    relayout();
    emit pointsChanged();
}

void ChartScene::relayout() {
    if (layingOut_) return;
    layingOut_ = true;
    ChartLayoutInput in;
    in.size = chart_->size();
    in.title = title_;
    in.footer = footer_->text();
    in.kind = pieActive() ? ChartKind::Pie : ChartKind::Bars;
    in.pieStart = pie_->pieStartAngle();
    const QList<QPieSlice*> slices = pie_->slices();
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const ChartPoint& p = points_[i];
        in.values.push_back(p.value);
        in.labels << p.label;
        in.legendValues << legendValue(p.value);
        in.marks << (in.kind == ChartKind::Pie ? slices.at(qsizetype(i))->label() : barMark(p));
    }
    layout_ = layoutChart(in, FontTextMetrics());

    QList<ChartTexts::Text> lines;
    for (qsizetype i = 0; i < layout_.titleLines.size(); ++i)
        lines.append({layout_.titleLines[i], layout_.titleRects[i], Qt::AlignCenter});
    titleTexts_->setTexts(lines, chartFaceFont(ChartFace::Title, kTitlePixels), navy());
    footer_->setPos(layout_.footer.topLeft());
    legend_->apply(layout_.legend);
    chart_->setPlotArea(layout_.plot);
    if (in.kind == ChartKind::Pie)
        applyPie();
    else
        applyBars();
    layingOut_ = false;
}

void ChartScene::applyPie() {
    const QRectF plot = layout_.plot;
    const qreal side = std::min(plot.width(), plot.height());
    const QList<QPieSlice*> slices = pie_->slices();
    pieShadow_->setVisible(pieActive() && !slices.isEmpty() && side > 0);
    if (slices.isEmpty() || side <= 0) {
        pieMarks_->setMarks({}, QFont());
        return;
    }
    const qreal radius = layout_.radius;
    const QPointF centre = layout_.centre;
    pie_->setPieSize(std::min<qreal>(1, 2 * radius / side));
    pie_->setHorizontalPosition((centre.x() - plot.left()) / plot.width());
    pie_->setVerticalPosition((centre.y() - plot.top()) / plot.height());
    pieShadow_->setRect(QRectF(centre.x() - radius + kShadowOffset,
                               centre.y() - radius + kShadowOffset, 2 * radius, 2 * radius));
    // The slices are drawn in the plot area's coordinates. The face keeps the point's
    // colour; only the rim darkens.
    const QPointF local = centre - plot.topLeft();
    for (QPieSlice* s : slices) {
        const QColor c = s->property(kColorProperty).value<QColor>();
        QRadialGradient g(local, radius);
        g.setColorAt(0, c);
        g.setColorAt(kRimShare, c);
        g.setColorAt(1, c.darker(125));
        s->setBrush(g);
    }
    std::vector<PieMarks::Mark> marks;
    for (std::size_t i = 0; i < layout_.marks.size(); ++i)
        marks.push_back(
            {layout_.markTexts[qsizetype(i)], layout_.marks[i].rect, layout_.marks[i].arm});
    pieMarks_->setMarks(marks, chartFaceFont(ChartFace::Label, layout_.markPixels));
}

void ChartScene::applyBars() {
    pieShadow_->setVisible(false);
    if (layout_.ticks.empty()) {
        barTexts_->setTexts({}, QFont(), Qt::black);
        return;
    }
    valueAxis_->setRange(0, layout_.ticks.back());
    // A bar too short to see is drawn a few pixels long; its label keeps its value.
    const QList<QBarSet*> sets = bars_->barSets();
    for (int i = 0; i < sets.size() && i < int(points_.size()); ++i) {
        const double value = points_[i].value;
        const double drawn = value > 0 ? std::max(value, layout_.barMinimum) : value;
        if (sets[i]->at(i) != drawn) sets[i]->replace(i, drawn);
    }
    QList<ChartTexts::Text> texts;
    for (qsizetype i = 0; i < layout_.barLabels.size(); ++i)
        texts.append(
            {barMark(points_[i]), layout_.barLabels[i], Qt::AlignRight | Qt::AlignVCenter});
    const QRectF plot = layout_.plot;
    QList<QPolygonF> lines{QPolygonF{plot.topLeft(), plot.bottomLeft(), plot.bottomRight()}};
    for (qsizetype k = 0; k < layout_.tickLabels.size(); ++k) {
        texts.append({layout_.tickTexts[k], layout_.tickLabels[k], Qt::AlignCenter});
        const double x = layout_.tickLabels[k].center().x();
        lines.append(QPolygonF{QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3)});
    }
    barTexts_->setTexts(texts, chartFaceFont(ChartFace::Label, layout_.barLabelPixels), Qt::black,
                        lines);
}

void ChartScene::settle() {
    relayout();
    for (int i = 0; i < 3 && chart_->layout(); ++i) chart_->layout()->activate();
}

void ChartScene::draw(QPainter& painter, const QRectF& target, const QSizeF& size) {
    const QSizeF before = chart_->size();
    chart_->resize(size);
    settle();
    chart_->scene()->render(&painter, target, QRectF(chart_->pos(), size), Qt::IgnoreAspectRatio);
    chart_->resize(before);
    settle();
}

std::vector<ChartPoint> seriesPoints(const QPieSeries& series) {
    std::vector<ChartPoint> out;
    for (const QPieSlice* s : series.slices())
        out.push_back({s->value(), s->property(kLabelProperty).toString(),
                       s->property(kColorProperty).value<QColor>()});
    return out;
}

std::vector<ChartPoint> seriesPoints(const QAbstractBarSeries& series) {
    std::vector<ChartPoint> out;
    for (const QBarSet* s : series.barSets())
        out.push_back({s->property(kValueProperty).toDouble(), s->label(), s->brush().color()});
    return out;
}

}  // namespace lt
