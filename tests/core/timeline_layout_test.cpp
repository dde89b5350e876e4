#include "core/timeline_layout.h"

#include <gtest/gtest.h>

#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;
using K = TableKind;

const DateTime kNow = toDateTime(PinnedEnv::defaultNow());  // Sunday 6 Dec 2026 10:00
const QDate kToday(2026, 12, 6);
const QDate kBirth(1990, 3, 1);

class FakeMetrics : public ChartTextMetrics {
public:
    double width(ChartFace face, int pixels, const QString& text) const override {
        return text.size() * pixels * (face == ChartFace::Title ? 0.6 : 0.55);
    }
    double height(ChartFace, int pixels) const override { return pixels * 1.15; }
};

std::array<ActivityTable, 3> typed(const std::array<TableTexts, 3>& t) {
    return {activitiesOf(K::Hours, t[0]), activitiesOf(K::Money, t[1]),
            activitiesOf(K::Freq, t[2])};
}

std::array<TableTexts, 3> emptyTables() {
    return {emptyTable(K::Hours), emptyTable(K::Money), emptyTable(K::Freq)};
}

TEST(TimelineRows, LabelsSpansAndTotalsAsTheLookAheadCountsThem) {
    PinnedEnv env;
    auto t = emptyTables();
    // Age 37 is 1 March 2027. Sleep, 8 hours a day from 1 December 2026: 40 h so far,
    // 720 by then; books 12.50 a month from 15 January to 15 March 2020: 25, ended.
    t[0][1] = QStringList{"Sleeping", "8 Hrs", "Day", "12/1/2026", "Now", ""};
    t[0][2] = QStringList{"Reading", "2 Hrs", "Week", "3/1/2021", "1/1/2020", ""};
    t[1][1] = QStringList{"Books", "$12.50", "Month", "1/15/2020", "3/15/2020", ""};
    t[2][1] = QStringList{"Moved house", "2", "Once", "1/1/2000", "Now", ""};
    const TimelineInput in = timelineOf("Ada", typed(t), kBirth, 37, kNow);
    EXPECT_EQ(in.title, "The life of Ada to age 37");
    EXPECT_EQ(in.last, QDate(2027, 3, 1));
    EXPECT_EQ(in.today, kToday);
    ASSERT_EQ(in.groups.size(), 3u);
    EXPECT_EQ(in.groups[0].title, "Hours spent on activities");
    const TimelineRow& sleep = in.groups[0].rows.at(0);
    EXPECT_EQ(sleep.label, "Sleeping — 8 Hrs a day");
    EXPECT_EQ(sleep.span, TimelineSpan::GoesOn);
    EXPECT_EQ(sleep.end, QDate(2027, 3, 1));
    EXPECT_EQ(sleep.total, "40 hrs so far, 720 hrs by 37");
    EXPECT_EQ(sleep.spoken.toStdString(),
              "Sleeping — 8 Hrs a day, from 12/1/2026 to today, and on to age 37 "
              "on 3/1/2027 if it goes on: 40 hrs so far, 720 hrs by 37");
    // Swapped dates run the right way round.
    const TimelineRow& reading = in.groups[0].rows.at(1);
    EXPECT_EQ(reading.start, QDate(2020, 1, 1));
    EXPECT_EQ(reading.end, QDate(2021, 3, 1));
    const TimelineRow& books = in.groups[1].rows.at(0);
    EXPECT_EQ(books.label, "Books — $12.50 a month");
    EXPECT_EQ(books.total, "$25 so far");
    const TimelineRow& moved = in.groups[2].rows.at(0);
    EXPECT_EQ(moved.span, TimelineSpan::Once);
    EXPECT_EQ(moved.label, "Moved house — 2 once");
    EXPECT_EQ(moved.total, "2 times so far");
    // The same rows give the same colours; rows of a table get different ones.
    EXPECT_EQ(timelineOf("Ada", typed(t), kBirth, 37, kNow).groups[0].rows[0].color, sleep.color);
    EXPECT_NE(reading.color, sleep.color);
}

// `perTable` rows in each table: every kind of span, some starting before the birth.
TimelineInput manyRows(int perTable) {
    auto t = emptyTables();
    const char* periods[] = {"Day", "Week", "Once", "Month"};
    for (int r = 1; r <= perTable; ++r) {
        const int year = 1985 + ((r - 1) * 7) % 45;  // 1985 to 2029
        const QString start = QStringLiteral("3/1/%1").arg(year);
        const QString end =
            r % 3 == 0 ? QStringLiteral("Now") : QStringLiteral("6/1/%1").arg(year + r % 5);
        const QString name = QStringLiteral("Activity %1 with a longer name").arg(r);
        t[0][size_t(r)] =
            QStringList{name, "1 Hr", r % 4 == 2 ? "Day" : periods[r % 2], start, end, ""};
        t[1][size_t(r)] = QStringList{name, "$3.75", periods[r % 4], start, end, ""};
        t[2][size_t(r)] = QStringList{name, "2", periods[(r + 1) % 4], start, end, ""};
    }
    return timelineOf("Ada Lovelace", typed(t), kBirth, 80, kNow);
}

bool inside(const QRectF& inner, const QRectF& outer) {
    return inner.left() >= outer.left() - 1e-6 && inner.right() <= outer.right() + 1e-6 &&
           inner.top() >= outer.top() - 1e-6 && inner.bottom() <= outer.bottom() + 1e-6;
}

TEST(TimelineLayout, BandsSitAtTheirDatesAndNothingOverlapsAtEverySize) {
    PinnedEnv env;
    const FakeMetrics metrics;
    const QSizeF sizes[] = {{648, 445}, {800, 600}, {1280, 1024}, {1920, 1080}};
    for (int perTable : {1, 2, 7, 20, 50}) {
        const TimelineInput in = manyRows(perTable);
        for (const QSizeF& size : sizes) {
            SCOPED_TRACE(QStringLiteral("%1 rows at %2x%3")
                             .arg(perTable)
                             .arg(size.width())
                             .arg(size.height())
                             .toStdString());
            const TimelineLayout l = layoutTimeline(in, size, metrics);
            EXPECT_EQ(l.size.width(), size.width());
            EXPECT_GE(l.size.height(), size.height());
            // A taller picture only once the bands are as thin as they go.
            if (l.size.height() > size.height()) {
                EXPECT_EQ(l.band, kTimelineBandLeast);
            }
            // The axis runs from the birth (before every start here but the earliest) to age 80.
            EXPECT_EQ(l.first, QDate(1985, 3, 1));
            EXPECT_EQ(l.last, QDate(2070, 3, 1));
            // Today by hand: the days from the axis' start over all its days.
            const double share = double(QDate(1985, 3, 1).daysTo(kToday)) /
                                 QDate(1985, 3, 1).daysTo(QDate(2070, 3, 1));
            EXPECT_NEAR(l.todayX, l.left + share * (l.right - l.left), 1e-6);
            EXPECT_LE(l.today.rect.left(), l.todayX);
            EXPECT_GE(l.today.rect.right(), l.todayX);

            ASSERT_EQ(l.bands.size(), size_t(3 * perTable));
            EXPECT_EQ(l.headings.size(), 3u);
            int marks = 0;
            const QRectF picture(QPointF(0, 0), l.size);
            for (const TimelineBand& b : l.bands) {
                const TimelineRow& row = in.groups[size_t(b.group)].rows[size_t(b.row)];
                const QRectF shape = b.mark.isEmpty() ? b.solid.united(b.ahead) : b.mark;
                EXPECT_TRUE(inside(shape, b.lane));
                EXPECT_GE(shape.height(), kTimelineBandLeast);
                if (row.span == TimelineSpan::Once) {
                    ++marks;
                    EXPECT_NEAR(b.mark.center().x(), l.xOf(row.start), 1e-6);
                    EXPECT_TRUE(b.solid.isEmpty() && b.ahead.isEmpty());
                    continue;
                }
                EXPECT_GE(shape.left(), l.left - 1e-6);
                EXPECT_LE(shape.right(), l.right + 3);
                EXPECT_NEAR(shape.left(), l.xOf(row.start), 1e-6);
                EXPECT_NEAR(shape.right(), std::max(l.xOf(row.end), l.xOf(row.start) + 2), 1e-6);
                // Done up to today, lighter after it.
                if (!b.solid.isEmpty()) {
                    EXPECT_LE(b.solid.right(), l.todayX + 1e-6);
                }
                if (!b.ahead.isEmpty()) {
                    EXPECT_GE(b.ahead.left(), l.todayX - 1e-6);
                }
                if (row.span == TimelineSpan::GoesOn) {
                    EXPECT_NEAR(b.ahead.right(), l.right, 1e-6);
                }
                for (const TimelineText& t : b.label) EXPECT_TRUE(inside(t.rect, b.lane));
                EXPECT_TRUE(inside(b.total.rect, b.lane));
                if (b.totalOnBand) {
                    EXPECT_TRUE(inside(b.total.rect, b.solid) || inside(b.total.rect, b.ahead));
                }
            }
            // Money rows 2, 6, 10, ... and frequency rows 1, 5, 9, ... happen once.
            int once = 0;
            for (int r = 1; r <= perTable; ++r) once += r % 4 == 1 || r % 4 == 2;
            EXPECT_EQ(marks, once);
            for (size_t i = 1; i < l.bands.size(); ++i)
                EXPECT_LE(l.bands[i - 1].lane.bottom(), l.bands[i].lane.top() + 1e-6);

            const std::vector<TimelineText> texts = timelineTexts(l);
            for (size_t i = 0; i < texts.size(); ++i) {
                EXPECT_TRUE(inside(texts[i].rect, picture)) << texts[i].text.toStdString();
                EXPECT_GE(texts[i].pixels, kLeastLabelPixels);
                for (size_t j = i + 1; j < texts.size(); ++j)
                    EXPECT_FALSE(texts[i].rect.intersects(texts[j].rect))
                        << texts[i].text.toStdString() << " / " << texts[j].text.toStdString();
            }
            for (size_t i = 1; i < l.years.size(); ++i)
                EXPECT_EQ(l.years[i].text.text.toInt() - l.years[i - 1].text.text.toInt(),
                          l.years[1].text.text.toInt() - l.years[0].text.text.toInt());
            ASSERT_FALSE(l.ages.empty());
            EXPECT_EQ(l.ages.front().text.text, "Age 10");
        }
    }
}

TEST(TimelineLayout, PagesEndBetweenLanesAndCoverThemAll) {
    PinnedEnv env;
    const FakeMetrics metrics;
    const TimelineLayout l = layoutTimeline(manyRows(50), {1000, 700}, metrics);
    for (double room : {200.0, 500.0, 5000.0}) {
        const auto pages = timelinePages(l, room);
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(pages.front().first, l.lanesTop);
        EXPECT_EQ(pages.back().second, l.lanesBottom);
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_LE(pages[i].second - pages[i].first, room);
            if (i > 0) {
                EXPECT_EQ(pages[i].first, pages[i - 1].second);
            }
            // No lane is cut across two pages.
            for (const TimelineBand& b : l.bands)
                EXPECT_FALSE(b.lane.top() < pages[i].second - 1e-6 &&
                             b.lane.bottom() > pages[i].second + 1e-6);
        }
        if (room >= l.lanesBottom - l.lanesTop) {
            EXPECT_EQ(pages.size(), 1u);
        }
    }
}

TEST(TimelineLayout, YearsInTheLocalesDigits) {
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(loc::formatYear(2026), QString::fromUtf8("٢٠٢٦"));
    TimelineInput in;
    in.birth = kBirth;
    in.today = kToday;
    in.last = QDate(2070, 3, 1);
    const TimelineLayout l = layoutTimeline(in, {648, 445}, FakeMetrics());
    ASSERT_FALSE(l.years.empty());
    for (const TimelineTick& t : l.years) {
        EXPECT_EQ(t.text.text.size(), 4);
        for (QChar c : t.text.text) EXPECT_TRUE(c >= QChar(0x660) && c <= QChar(0x669));
    }
}

}  // namespace
}  // namespace lt
