#include "core/timeline_layout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "core/locale_format.h"
#include "core/look_ahead.h"

namespace lt {
namespace {
constexpr double kMargin = 10;
constexpr double kGap = 4;
constexpr int kHeadingPixels = 13;
constexpr double kMarkLeast = 8;        // a "Once" mark stays this wide
constexpr double kBandLeastLength = 2;  // a band of a day or two stays visible
constexpr double kDaysPerYear = 365.2425;
constexpr int kYearSteps[] = {1, 2, 5, 10, 20, 25, 50, 100};
constexpr int kAgeSteps[] = {10, 20, 50};

class Placer {
public:
    Placer(const ChartTextMetrics& m, double width) : m_(m), width_(width) {}

    double width(const QString& text, ChartFace face, int pixels) const {
        return m_.width(face, pixels, text);
    }
    double height(ChartFace face, int pixels) const { return m_.height(face, pixels); }
    // The largest size from `pixels` down to the least at which `text` fits the picture's
    // width; the least when none does.
    int fittingPixels(const QString& text, ChartFace face, int pixels) const {
        while (pixels > kLeastLabelPixels && width(text, face, pixels) > room()) --pixels;
        return pixels;
    }
    double room() const { return width_ - 2 * kMargin; }
    // `text` at `x` (kept inside the picture) and `top`.
    TimelineText at(const QString& text, ChartFace face, int pixels, double x, double top) const {
        const double w = std::min(width(text, face, pixels), room());
        x = std::clamp(x, kMargin, width_ - kMargin - w);
        return {QRectF(x, top, w, height(face, pixels)), text, face, pixels};
    }
    TimelineText centredAt(const QString& text, double x, double top) const {
        return at(text, ChartFace::Label, kLabelPixels,
                  x - width(text, ChartFace::Label, kLabelPixels) / 2, top);
    }

private:
    const ChartTextMetrics& m_;
    double width_;
};

// The axis' dates: from the birth, or an earlier start, to the chosen birthday, or a later
// end, and never before today.
void axisDates(const TimelineInput& in, TimelineLayout& out) {
    out.first = in.birth;
    out.last = std::max(in.last, in.today);
    for (const TimelineGroup& g : in.groups) {
        for (const TimelineRow& r : g.rows) {
            out.first = std::min(out.first, r.start);
            out.last = std::max(out.last, r.end);
        }
    }
    if (out.last <= out.first) out.last = out.first.addDays(1);
}

// The smallest step in `steps` whose ticks are `least` pixels apart at `perYear`.
int tickStep(const int* steps, size_t count, double perYear, double least) {
    for (size_t i = 0; i < count; ++i)
        if (steps[i] * perYear >= least) return steps[i];
    return steps[count - 1];
}

void placeTotal(const Placer& p, const TimelineRow& row, double lineHeight, double band,
                TimelineBand& b) {
    const int pixels = p.fittingPixels(row.total, ChartFace::Label, kLabelPixels);
    const double w = p.width(row.total, ChartFace::Label, pixels);
    const double h = p.height(ChartFace::Label, pixels);
    const QRectF shape = b.mark.isEmpty() ? b.solid.united(b.ahead) : b.mark;
    const double centre = shape.center().y();
    const double right = p.room() + kMargin;
    auto put = [&](double x, double top) {
        b.total = {QRectF(x, top, w, h), row.total, ChartFace::Label, pixels};
    };
    // On the band: within its part up to today, or within the part after it, so that it
    // reads on one shade.
    const bool onSolid = b.solid.width() >= w + 2 * kGap;
    const bool onAhead = b.ahead.width() >= w + 2 * kGap;
    if (b.mark.isEmpty() && band >= h + 2 && (onSolid || onAhead)) {
        put((onSolid ? b.solid : b.ahead).left() + kGap, centre - h / 2);
        b.totalOnBand = true;
    } else if (band >= h && shape.right() + 1.5 * kGap + w <= right) {
        put(shape.right() + 1.5 * kGap, centre - h / 2);
    } else if (band >= h && shape.left() - 1.5 * kGap - w >= kMargin) {
        put(shape.left() - 1.5 * kGap - w, centre - h / 2);
    } else if (const QRectF& last = b.label.back().rect; last.right() + 4 * kGap + w <= right) {
        put(last.right() + 4 * kGap, last.top() + (lineHeight - h) / 2);
    } else {
        // A line of its own under the band.
        b.total = p.at(row.total, ChartFace::Label, pixels, shape.left(), shape.bottom() + 2);
    }
}

TimelineLayout layoutAt(const TimelineInput& in, const QSizeF& size, const ChartTextMetrics& m,
                        double band) {
    TimelineLayout out;
    out.band = band;
    const double width = size.width();
    const Placer p(m, width);
    const double line = p.height(ChartFace::Label, kLabelPixels);
    double y = kMargin;

    for (const QString& t : wrapText(in.title, p.room(), m, ChartFace::Title, kTitlePixels)) {
        const double w = p.width(t, ChartFace::Title, kTitlePixels);
        out.title.push_back(p.at(t, ChartFace::Title, kTitlePixels, (width - w) / 2, y));
        y += p.height(ChartFace::Title, kTitlePixels);
    }
    y += kGap;

    axisDates(in, out);
    //: The first age under the timeline's axis: "Age 10"; the later ones are numbers.
    const QString ageCaption = QCoreApplication::translate("Timeline", "Age %1");
    //: Above the timeline's axis, where today is.
    const QString todayText = QCoreApplication::translate("Timeline", "Today");
    double labelWidth = p.width(todayText, ChartFace::Label, kLabelPixels);
    for (const QDate& d : {out.first, out.last})
        labelWidth = std::max(labelWidth,
                              p.width(loc::formatYear(d.year()), ChartFace::Label, kLabelPixels));
    const double ageWidth = p.width(ageCaption.arg(loc::formatNumber(kLookAheadOldestAge, 0)),
                                    ChartFace::Label, kLabelPixels);
    const double pad = std::max(labelWidth, ageWidth) / 2 + kMargin;
    out.left = pad;
    out.right = std::max(width - pad, pad + 1);
    const double perYear = (out.right - out.left) * kDaysPerYear / out.first.daysTo(out.last);

    out.todayX = out.xOf(in.today);
    out.today = p.centredAt(todayText, out.todayX, y);
    y += line;

    const int yearStep = tickStep(kYearSteps, std::size(kYearSteps), perYear, labelWidth + 8);
    for (int year = out.first.year(); year <= out.last.year(); ++year) {
        const QDate jan1(year, 1, 1);
        if (year % yearStep != 0 || jan1 < out.first) continue;
        const double x = out.xOf(jan1);
        out.years.push_back({x, p.centredAt(loc::formatYear(year), x, y)});
    }
    y += line + kGap;
    out.lanesTop = y;
    y += kGap;

    for (int g = 0; g < int(in.groups.size()); ++g) {
        const TimelineGroup& group = in.groups[size_t(g)];
        if (group.rows.empty()) continue;
        out.breaks.push_back(y);
        const int hp = p.fittingPixels(group.title, ChartFace::Title, kHeadingPixels);
        out.headings.push_back(p.at(group.title, ChartFace::Title, hp, kMargin, y));
        y += p.height(ChartFace::Title, hp) + 2;
        for (int r = 0; r < int(group.rows.size()); ++r) {
            const TimelineRow& row = group.rows[size_t(r)];
            if (r > 0) out.breaks.push_back(y);
            TimelineBand b;
            b.group = g;
            b.row = r;
            b.color = row.color;
            const double top = y;
            const double xs = out.xOf(row.start);
            const double xe = std::max(out.xOf(row.end), xs + kBandLeastLength);

            const int lp = p.fittingPixels(row.label, ChartFace::Label, kLabelPixels);
            const QStringList lines = p.width(row.label, ChartFace::Label, lp) <= p.room()
                                          ? QStringList{row.label}
                                          : wrapText(row.label, p.room(), m, ChartFace::Label, lp);
            double widest = 0;
            for (const QString& t : lines)
                widest = std::max(widest, p.width(t, ChartFace::Label, lp));
            for (const QString& t : lines) {
                b.label.push_back(p.at(t, ChartFace::Label, lp, std::min(xs, width - widest), y));
                y += p.height(ChartFace::Label, lp);
            }
            y += 1;
            if (row.span == TimelineSpan::Once) {
                const double w = std::max(band, kMarkLeast);
                b.mark = QRectF(xs - w / 2, y, w, band);
            } else {
                if (xs < out.todayX)
                    b.solid = QRectF(QPointF(xs, y), QPointF(std::min(xe, out.todayX), y + band));
                if (xe > out.todayX)
                    b.ahead = QRectF(QPointF(std::max(xs, out.todayX), y), QPointF(xe, y + band));
            }
            placeTotal(p, row, line, band, b);
            y = std::max(y + band, b.total.rect.bottom()) + 1.5 * kGap;
            b.lane = QRectF(0, top, width, y - top);
            out.bands.push_back(std::move(b));
        }
        y += kGap;
    }
    out.lanesBottom = y;
    out.breaks.push_back(y);
    y += kGap;

    const int ageStep = tickStep(kAgeSteps, std::size(kAgeSteps), perYear, ageWidth + 8);
    for (int age = ageStep; nthBirthday(in.birth, age) <= out.last; age += ageStep) {
        const double x = out.xOf(nthBirthday(in.birth, age));
        const QString n = loc::formatNumber(age, 0);
        out.ages.push_back({x, p.centredAt(out.ages.empty() ? ageCaption.arg(n) : n, x, y)});
    }
    y += line + kGap;

    const double swatch = std::min(line, 12.0);
    out.keySolid = QRectF(kMargin, y + (line - swatch) / 2, 2 * swatch, swatch);
    //: The timeline's key: the solid part of a band, up to today.
    out.keySolidText = p.at(QCoreApplication::translate("Timeline", "So far"), ChartFace::Label,
                            kLabelPixels, out.keySolid.right() + kGap, y);
    out.keyAhead =
        QRectF(out.keySolidText.rect.right() + 4 * kGap, out.keySolid.top(), 2 * swatch, swatch);
    //: The timeline's key: the lighter part of a band, from today to the chosen age.
    out.keyAheadText = p.at(QCoreApplication::translate("Timeline", "If it goes on"),
                            ChartFace::Label, kLabelPixels, out.keyAhead.right() + kGap, y);
    y += line + kMargin;
    out.size = QSizeF(width, y);
    out.contentHeight = y;
    return out;
}
}  // namespace

double TimelineLayout::xOf(const QDate& date) const {
    const double days = double(first.daysTo(last));
    return left + (right - left) * double(first.daysTo(date)) / days;
}

TimelineLayout layoutTimeline(const TimelineInput& in, const QSizeF& size,
                              const ChartTextMetrics& metrics) {
    // Thinner bands before a taller picture.
    for (double band = kTimelineBandMost;; band -= 1) {
        TimelineLayout out = layoutAt(in, size, metrics, band);
        if (out.size.height() <= size.height() || band <= kTimelineBandLeast) {
            out.size.setHeight(std::max(out.size.height(), size.height()));
            return out;
        }
    }
}

std::vector<TimelineText> timelineTexts(const TimelineLayout& l) {
    std::vector<TimelineText> all = l.title;
    all.push_back(l.today);
    for (const auto* ticks : {&l.years, &l.ages})
        for (const TimelineTick& t : *ticks) all.push_back(t.text);
    all.insert(all.end(), l.headings.begin(), l.headings.end());
    for (const TimelineBand& b : l.bands) {
        all.insert(all.end(), b.label.begin(), b.label.end());
        all.push_back(b.total);
    }
    all.push_back(l.keySolidText);
    all.push_back(l.keyAheadText);
    return all;
}

std::vector<std::pair<double, double>> timelinePages(const TimelineLayout& l, double laneRoom) {
    std::vector<std::pair<double, double>> pages;
    double from = l.lanesTop;
    while (from < l.lanesBottom) {
        double to = from;
        for (double b : l.breaks)
            if (b > from && b - from <= laneRoom) to = b;
        // A lane taller than a page is cut where the page ends.
        if (to <= from) to = std::min(from + laneRoom, l.lanesBottom);
        pages.emplace_back(from, to);
        from = to;
    }
    if (pages.empty()) pages.emplace_back(l.lanesTop, l.lanesBottom);
    return pages;
}

}  // namespace lt
