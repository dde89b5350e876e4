#include "core/report_lines.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include "core/bidi_text.h"
#include "core/credits.h"
#include "core/locale_format.h"

namespace lt {

QString reportTitleLine() {
    //: The printed report's first line, as it has always read: two blanks before the dash.
    return QCoreApplication::translate("Report", "Lifetally  - version 1.0");
}

// Each part isolated: a right-to-left name or date keeps its place in the line.
QString personLine(const QString& name, const QString& dobText, const QString& ageCaption) {
    return isolated(name) + QLatin1Char(' ') + isolated(dobText) + QLatin1Char(' ') +
           isolated(ageCaption);
}

QString printedLine(const QDateTime& when) {
    //: The report's heading: %1 is the date and %2 the time it was printed.
    return QCoreApplication::translate("Report", "Printed : %1  %2")
        .arg(isolated(loc::formatDate(when.date())), isolated(loc::formatLongTime(when.time())));
}

QStringList reportHeadingLines(const QString& personLine, const QString& incomeLine,
                               const QDateTime& when) {
    return {reportTitleLine(), personLine, incomeLine, printedLine(when), creditLine()};
}

int fieldWidth(int pixels) { return std::max(pixels, 0) / 6; }

QString cellField(const QString& text, int pixels) {
    // The blanks stand outside the isolate, so that a right-to-left text starts where its
    // field starts and its padding follows it, as a left-to-right text does. Marks that
    // take no room of their own (the right-to-left marks of a date) are not counted.
    const int pad = std::max(0, fieldWidth(pixels) - textCells(text));
    return isolated(text) + QString(pad + 1, QLatin1Char(' '));
}

QString cellOf(const QStringList& row, int col) {
    return col >= 0 && col < row.size() ? row.at(col) : QString();
}

QString tableLine(const QStringList& row, const ColumnWidths& pixels) {
    QString line;
    for (int c = 0; c < kTableCols; ++c) line += cellField(cellOf(row, c), pixels[c]);
    return line;
}

int printedRowCount(const TableTexts& table) {
    const int last = std::min(static_cast<int>(table.size()), kTableRows);
    int count = 0;
    while (count < last && !isBlankActivity(cellOf(table[count], 0))) ++count;
    return count;
}

QStringList tableLines(const TableTexts& table, const ColumnWidths& pixels) {
    // A column is at least as wide as its heading, so that a longer language's headings
    // stand over their columns; a cell longer than its field still pushes only its line.
    ColumnWidths widths = pixels;
    if (!table.empty())
        for (int c = 0; c < kTableCols; ++c)
            widths[c] = std::max(widths[c], int(cellOf(table[0], c).size()) * 6);
    QStringList lines;
    const int rows = printedRowCount(table);
    for (int r = 0; r < rows; ++r) lines << tableLine(table[r], widths);
    return lines;
}

QPageSize::PageSizeId localePaper(const QLocale& locale) {
    using T = QLocale::Territory;
    static constexpr T letter[] = {T::UnitedStates, T::Canada,     T::Mexico,     T::Chile,
                                   T::Colombia,     T::CostaRica,  T::Guatemala,  T::Nicaragua,
                                   T::Panama,       T::PuertoRico, T::ElSalvador, T::Venezuela,
                                   T::Bolivia,      T::Philippines};
    return std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter)
               ? QPageSize::Letter
               : QPageSize::A4;
}

PaperSources systemPaperSources() {
    PaperSources s;
    s.paperLocale = qEnvironmentVariable("LC_ALL");
    if (s.paperLocale.isEmpty()) s.paperLocale = qEnvironmentVariable("LC_PAPER");
    QFile file(QStringLiteral("/etc/papersize"));
    if (file.open(QIODevice::ReadOnly)) s.paperFile = file.read(4096);
    s.locale = QLocale();
    return s;
}

QPageSize::PageSizeId reportPaper(const PaperSources& sources) {
    // "C" and "POSIX" name no country.
    const QString name = sources.paperLocale.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.contains(u'_')) return localePaper(QLocale(name));
    // The first word that is not a comment, as libpaper reads it: "a4", "letter".
    for (const QByteArray& line : sources.paperFile.split('\n')) {
        const QByteArray word = line.simplified().split(' ').value(0);
        if (word.isEmpty() || word.startsWith('#')) continue;
        for (int id = 0; id < int(QPageSize::LastPageSize); ++id) {
            const auto size = QPageSize::PageSizeId(id);
            if (QPageSize::key(size).compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                return size;
        }
        break;
    }
    return localePaper(sources.locale);
}

QStringList reportLines(const ReportInput& input, const QDateTime& when) {
    QStringList lines = reportHeadingLines(input.personLine, input.incomeLine, when);
    for (const TableTexts& table : input.tables)
        lines << QString() << QString() << tableLines(table, input.columnWidths);
    return lines;
}

}  // namespace lt
