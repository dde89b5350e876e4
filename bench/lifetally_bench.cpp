// Timings of the work a user waits for: start-up totals, saving and loading the
// settings file, sorting, the report and the chart points.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "core/cell_text.h"
#include "core/chart_points.h"
#include "core/clock.h"
#include "core/locale_format.h"
#include "core/report_lines.h"
#include "core/settings_file.h"
#include "core/table_sort.h"
#include "core/totals.h"

namespace {
using namespace lt;

void pin() {
    loc::setProgramLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDateTime fixed(QDate(2026, 12, 6), QTime(10, 0));
    setClock([fixed] { return fixed; });
}

// A full table: 50 filled rows with varied periods, dates and totals.
TableTexts fullTable(TableKind kind) {
    TableTexts t = emptyTable(kind);
    static const char* const periods[] = {"Day", "Week", "Month", "Year", "Once"};
    for (int r = 1; r < kTableRows; ++r) {
        const QDate start = QDate(1995, 1, 1).addDays(r * 97);
        t[r][0] = QStringLiteral("Activity number %1").arg(r);
        t[r][1] = kind == TableKind::Hours
                      ? timeText(r % 24, r % 60)
                      : loc::formatNumber(r * 13.25, kind == TableKind::Money ? 2 : 0);
        t[r][2] = QString::fromLatin1(periods[r % (kind == TableKind::Hours ? 3 : 5)]);
        t[r][3] = loc::formatDate(start);
        t[r][4] = r % 3 ? QStringLiteral("Now") : loc::formatDate(start.addDays(400 + r));
        t[r][5] = kind == TableKind::Hours
                      ? hourTotalText({t[r][0], t[r][1], t[r][2], t[r][3], t[r][4]}, 322306,
                                      nowDateTime())
                      : moneyTotalText({t[r][0], t[r][1], t[r][2], t[r][3], t[r][4]},
                                       kind == TableKind::Money, 250000, nowDateTime());
    }
    return t;
}

ActivityRow rowOf(const QStringList& r) { return {r[0], r[1], r[2], r[3], r[4]}; }

void BM_ComputeTotals150Rows(benchmark::State& state) {
    pin();
    const TableTexts tables[3] = {fullTable(TableKind::Hours), fullTable(TableKind::Money),
                                  fullTable(TableKind::Freq)};
    for (auto _ : state) {
        const DateTime now = nowDateTime();
        benchmark::DoNotOptimize(ageLine(QStringLiteral("3/1/1990"), now));
        for (int r = 1; r < kTableRows; ++r) {
            benchmark::DoNotOptimize(hourTotalText(rowOf(tables[0][r]), 322306, now));
            benchmark::DoNotOptimize(moneyTotalText(rowOf(tables[1][r]), true, 250000, now));
            benchmark::DoNotOptimize(moneyTotalText(rowOf(tables[2][r]), false, 250000, now));
        }
    }
}
BENCHMARK(BM_ComputeTotals150Rows)->Unit(benchmark::kMicrosecond);

StoredSettings fullSettings() {
    StoredSettings s;
    s.name = QStringLiteral("Ada Lovelace");
    s.birthDateText = QStringLiteral("3/1/1990");
    s.income = 250000;
    const TableTexts tables[3] = {fullTable(TableKind::Hours), fullTable(TableKind::Money),
                                  fullTable(TableKind::Freq)};
    for (int t = 0; t < 3; ++t)
        for (int r = 1; r < kTableRows; ++r)
            s.tables[t].push_back({tables[t][r][0], tables[t][r][1], tables[t][r][2],
                                   tables[t][r][3], tables[t][r][4]});
    return s;
}

void BM_WriteFullSettings(benchmark::State& state) {
    pin();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lifetally.ini"));
    const StoredSettings s = fullSettings();
    writeSettingsFile(path, s);  // rewriting an existing file is the usual case
    for (auto _ : state) writeSettingsFile(path, s);
}
BENCHMARK(BM_WriteFullSettings)->Unit(benchmark::kMicrosecond);

void BM_ReadFullSettings(benchmark::State& state) {
    pin();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lifetally.ini"));
    writeSettingsFile(path, fullSettings());
    for (auto _ : state) benchmark::DoNotOptimize(readSettingsFile(path));
}
BENCHMARK(BM_ReadFullSettings)->Unit(benchmark::kMicrosecond);

template <void (*Sort)(TableTexts&, int, int, int, bool), int Column, bool Descending>
void BM_Sort49Rows(benchmark::State& state) {
    pin();
    TableTexts t = fullTable(TableKind::Money);
    for (int c = 0; c < kTableCols; ++c) t[50][c].clear();
    for (auto _ : state) {
        state.PauseTiming();
        TableTexts copy = t;
        state.ResumeTiming();
        Sort(copy, 1, 49, Column, Descending);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_Sort49Rows<sortByText, 0, false>)
    ->Name("BM_SortByActivity49Rows")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sort49Rows<sortByDate, 3, false>)
    ->Name("BM_SortByStartDate49Rows")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sort49Rows<sortByNumber, 5, true>)
    ->Name("BM_SortByTotal49Rows")
    ->Unit(benchmark::kMicrosecond);

void BM_ReportLinesThreeFullTables(benchmark::State& state) {
    pin();
    ReportInput in;
    in.personLine = personLine(QStringLiteral("Ada"), QStringLiteral("3/1/1990"),
                               QStringLiteral("Age: 36 years"));
    in.incomeLine = QStringLiteral("Lifetime income: $250,000");
    in.tables = {fullTable(TableKind::Hours), fullTable(TableKind::Money),
                 fullTable(TableKind::Freq)};
    in.columnWidths = {171, 87, 41, 66, 67, 119};
    for (auto _ : state) benchmark::DoNotOptimize(reportLines(in, now()));
}
BENCHMARK(BM_ReportLinesThreeFullTables)->Unit(benchmark::kMicrosecond);

void BM_ChartPoints(benchmark::State& state) {
    pin();
    const TableTexts t = fullTable(TableKind::Money);
    initAColors(true, 0xFF0000);
    for (auto _ : state) {
        const auto rows = chartRows(t, numNonBlankRows(t));
        // The subtotal as the main window sums it.
        double subTotal = 0;
        for (const ChartRow& row : rows) subTotal += totalCellValue(row.total);
        benchmark::DoNotOptimize(chartPoints(rows, 250000, subTotal, aColors()));
    }
}
BENCHMARK(BM_ChartPoints)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
