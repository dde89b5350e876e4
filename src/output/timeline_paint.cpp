#include "output/timeline_paint.h"

#include <QPainter>
#include <QPolygonF>

#include "output/chart_scene.h"
#include "ui/shared_look.h"

namespace lt {
namespace {
const QColor kTodayColor(192, 0, 0);
const QColor kGridColor(225, 225, 225);
const QColor kAxisColor(96, 96, 96);

void drawText(QPainter& p, const TimelineText& t, const QColor& color, bool backed = false) {
    if (t.text.isEmpty()) return;
    // Lines behind a text stop short of it.
    if (backed) p.fillRect(t.rect, Qt::white);
    p.setFont(chartFaceFont(t.face, t.pixels));
    p.setPen(color);
    p.drawText(t.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, t.text);
}

// Lighter and hatched: what would come if the row goes on.
QBrush aheadBrush(const QColor& color) { return QBrush(color, Qt::BDiagPattern); }
QColor aheadFill(const QColor& color) {
    QColor light = color;
    light.setAlpha(70);
    return light;
}

// Black or white, whichever reads better on `background`.
QColor textOn(const QColor& background) {
    const double luma =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return luma < 0.5 ? Qt::white : Qt::black;
}

void drawBand(QPainter& p, const TimelineBand& b) {
    const QPen edge(b.color.darker(140), 1);
    p.setPen(edge);
    if (!b.mark.isEmpty()) {
        const QRectF& m = b.mark;
        const QPolygonF diamond{{m.center().x(), m.top()},
                                {m.right(), m.center().y()},
                                {m.center().x(), m.bottom()},
                                {m.left(), m.center().y()}};
        p.setBrush(b.color);
        p.drawPolygon(diamond);
    }
    if (!b.solid.isEmpty()) {
        p.setBrush(b.color);
        p.drawRect(b.solid);
    }
    if (!b.ahead.isEmpty()) {
        p.fillRect(b.ahead, aheadFill(b.color));
        p.setBrush(aheadBrush(b.color));
        p.drawRect(b.ahead);
    }
    p.setBrush(Qt::NoBrush);
    for (const TimelineText& t : b.label) drawText(p, t, Qt::black, true);
    QColor totalColor(64, 64, 64);
    // Over the band, in what reads on the part it starts on.
    if (b.totalOnBand)
        totalColor = b.solid.contains(b.total.rect.center()) ? textOn(b.color) : Qt::black;
    drawText(p, b.total, totalColor, !b.totalOnBand);
}

void drawTicks(QPainter& p, const std::vector<TimelineTick>& ticks, double axis, double towards) {
    p.setPen(QPen(kAxisColor, 1));
    for (const TimelineTick& t : ticks) {
        p.drawLine(QPointF(t.x, axis), QPointF(t.x, axis + towards));
        drawText(p, t.text, kAxisColor);
    }
}
}  // namespace

double timelinePageHeight(const TimelineLayout& l, double from, double to) {
    return l.lanesTop + (to - from) + (l.size.height() - l.lanesBottom);
}

void paintTimeline(QPainter& p, const TimelineLayout& l, double from, double to) {
    p.save();
    const double bodyBottom = l.lanesTop + (to - from);
    p.fillRect(QRectF(0, 0, l.size.width(), timelinePageHeight(l, from, to)), Qt::white);

    for (const TimelineText& t : l.title) drawText(p, t, navy());
    drawText(p, l.today, kTodayColor);
    // Year lines run down through the lanes.
    p.setPen(QPen(kGridColor, 1));
    for (const TimelineTick& t : l.years)
        p.drawLine(QPointF(t.x, l.lanesTop), QPointF(t.x, bodyBottom));
    drawTicks(p, l.years, l.lanesTop, -4);
    p.setPen(QPen(kAxisColor, 1));
    p.drawLine(QPointF(l.left, l.lanesTop), QPointF(l.right, l.lanesTop));

    // Under the bands and their texts.
    p.setPen(QPen(kTodayColor, 1.5));
    p.drawLine(QPointF(l.todayX, l.today.rect.bottom()), QPointF(l.todayX, bodyBottom));

    p.save();
    p.setClipRect(QRectF(0, l.lanesTop, l.size.width(), to - from));
    p.translate(0, l.lanesTop - from);
    for (const TimelineText& t : l.headings)
        if (t.rect.bottom() > from && t.rect.top() < to) drawText(p, t, navy());
    for (const TimelineBand& b : l.bands)
        if (b.lane.bottom() > from && b.lane.top() < to) drawBand(p, b);
    p.restore();

    p.translate(0, bodyBottom - l.lanesBottom);
    p.setPen(QPen(kAxisColor, 1));
    p.drawLine(QPointF(l.left, l.lanesBottom), QPointF(l.right, l.lanesBottom));
    drawTicks(p, l.ages, l.lanesBottom, 4);
    p.setPen(QPen(kAxisColor, 1));
    p.setBrush(QColor(96, 96, 96));
    p.drawRect(l.keySolid);
    p.fillRect(l.keyAhead, aheadFill(QColor(96, 96, 96)));
    p.setBrush(aheadBrush(QColor(96, 96, 96)));
    p.drawRect(l.keyAhead);
    drawText(p, l.keySolidText, Qt::black);
    drawText(p, l.keyAheadText, Qt::black);
    p.restore();
}

void paintTimeline(QPainter& painter, const TimelineLayout& layout) {
    paintTimeline(painter, layout, layout.lanesTop, layout.lanesBottom);
}

TimelineLayout timelineLayout(const TimelineInput& input, const QSizeF& size) {
    return layoutTimeline(input, size, FontTextMetrics());
}

QString timelineDescription(const TimelineInput& input) {
    QStringList lines;
    for (const TimelineGroup& g : input.groups)
        for (const TimelineRow& r : g.rows) lines << r.spoken;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace lt
