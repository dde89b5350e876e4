#include "core/activity_words.h"

#include <QCoreApplication>
#include <array>

#include "core/cell_text.h"
#include "core/input_masks.h"
#include "core/locale_format.h"
#include "core/totals.h"

namespace lt {
namespace {
// The period words the settings file stores.
QString storedPeriod(Period period) {
    switch (period) {
        case Period::Day:
            return periodFromIndex(0);
        case Period::Week:
            return periodFromIndex(1);
        case Period::Month:
            return periodFromIndex(2);
        case Period::Year:
            return periodFromIndex(3);
        case Period::Once:
            return periodFromIndex(4);
        case Period::None:
            break;
    }
    return {};
}

// The period words in the order of Period, Day first; the last is the list's fifth entry.
//: How often an activity's amount comes back: per day, week, month or year, or once.
constexpr std::array kPeriodWords{
    QT_TRANSLATE_NOOP("ActivityWords", "Day"), QT_TRANSLATE_NOOP("ActivityWords", "Week"),
    QT_TRANSLATE_NOOP("ActivityWords", "Month"), QT_TRANSLATE_NOOP("ActivityWords", "Year"),
    QT_TRANSLATE_NOOP("ActivityWords", "Once")};

struct ActivityWords {
    Q_DECLARE_TR_FUNCTIONS(ActivityWords)
};

// English says "1 Hr" and "2 Hrs"; each language gives its own forms for every count.
QString hoursWord(int n) {
    //: Hours in the table's time column, short; %Ln is 1 here.
    if (n == 1) return ActivityWords::tr("%Ln Hr", nullptr, n);
    //: Hours in the table's time column, short ("8 Hrs").
    return ActivityWords::tr("%Ln Hrs", nullptr, n);
}

QString minutesWord(int n) {
    //: Minutes in the table's time column, short; %Ln is 1 here.
    if (n == 1) return ActivityWords::tr("%Ln Min", nullptr, n);
    //: Minutes in the table's time column, short ("30 Mins").
    return ActivityWords::tr("%Ln Mins", nullptr, n);
}

// The amount from its value, where the stored text is what the dialog writes of it.
QString shownAmount(const Activity& a, double value) {
    const QString& stored = a.texts[1];
    if (a.kind == TableKind::Hours) {
        // The dialog writes whole hours and minutes from 0 up; a hand-edited "-2 Hrs"
        // stays as it stands.
        const bool written =
            a.hours >= 0 && a.minutes >= 0 && stored == timeText(a.hours, a.minutes);
        return written ? shownTime(a.hours, a.minutes) : stored;
    }
    const QString mask = amountMask(tableDescription(a.kind).amount);
    return stored == loc::maskedNumber(value, mask) ? loc::shownNumber(value, mask) : stored;
}
}  // namespace

QString shownWords(const char* text) { return ActivityWords::tr(text); }

QString shownTime(int hours, int minutes) {
    if (hours == 0 && minutes == 0) {
        const QString zero = loc::formatNumber(0, 0);
        //: No time at all in the table's time column ("0 Hr 0 Min"): zero hours, zero minutes.
        return ActivityWords::tr("%1 Hr %2 Min").arg(zero, zero);
    }
    if (minutes == 0) return hoursWord(hours);
    if (hours == 0) return minutesWord(minutes);
    //: A time in the table: its hours ("2 Hrs"), then its minutes ("30 Mins").
    return ActivityWords::tr("%1 %2", "hours and minutes")
        .arg(hoursWord(hours), minutesWord(minutes));
}

QString shownPeriod(Period period) {
    return period == Period::None ? QString() : ActivityWords::tr(kPeriodWords[size_t(period) - 1]);
}

QString shownUntilToday() {
    //: The end date of an activity that goes on until today.
    return ActivityWords::tr("Now", "end date");
}

QStringList periodChoices() {
    QStringList out;
    for (size_t i = 0; i + 1 < kPeriodWords.size(); ++i) out << ActivityWords::tr(kPeriodWords[i]);
    //: The money dialog's fifth period: the amount is spent once, not again.
    return out << ActivityWords::tr("Once only");
}

int periodListIndex(const Activity& a) {
    const QString word = storedPeriod(a.period);
    return word.isEmpty() || a.texts[2] != word ? 4 : int(a.period) - int(Period::Day);
}

QString shownCell(const Activity& a, int col) {
    const QString& stored = a.texts[size_t(std::min(col, 4))];
    switch (col) {
        case 1:
            return a.amount.value ? shownAmount(a, *a.amount.value) : stored;
        case 2:
            return a.period != Period::None && stored == storedPeriod(a.period)
                       ? shownPeriod(a.period)
                       : stored;
        case 4:
            return a.untilToday ? shownUntilToday() : stored;
        case 5:
            return a.total ? totalText(a.kind, *a.total) : QString();
        default:
            return stored;
    }
}

TableTexts shownTexts(TableKind kind, const ActivityTable& table) {
    TableTexts texts = emptyTable(kind);
    for (size_t r = 0; r < table.size() && r + 1 < texts.size(); ++r) {
        QStringList& cells = texts[r + 1];
        cells.clear();
        for (int c = 0; c < kTableCols; ++c) cells << shownCell(table[r], c);
    }
    return texts;
}

QString shownRate(const Activity& a) {
    const QString amount = shownCell(a, 1);
    switch (a.period) {
        case Period::Day:
            //: An activity's rate: its amount ("8 Hrs", "$12.50", "3") each day.
            return ActivityWords::tr("%1 a day").arg(amount);
        case Period::Week:
            return ActivityWords::tr("%1 a week").arg(amount);
        case Period::Month:
            return ActivityWords::tr("%1 a month").arg(amount);
        case Period::Year:
            return ActivityWords::tr("%1 a year").arg(amount);
        case Period::Once:
            //: An activity's rate: its amount, spent or done once.
            return ActivityWords::tr("%1 once").arg(amount);
        case Period::None:
            break;
    }
    //: An activity's rate with a period word the program does not know (a hand-edited file).
    return ActivityWords::tr("%1 a %2").arg(amount, a.texts[2].toLower());
}

}  // namespace lt
