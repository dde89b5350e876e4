#include "output/report_print.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>
#include <functional>

#include "core/clock.h"
#include "output/printer_stream.h"
#include "support/report_examples.h"
#include "support/test_env.h"
#include "support/ui_seams.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
using namespace lt;

using test::kFreqTitle;
using test::kHoursTitle;
using test::kMoneyTitle;
using test::kReportIncome;
using test::kReportPerson;
using test::kReportWidths;
const QString kPrintError = QStringLiteral("Error printing report ... quitting");

QStringList row(const QString& activity, const QString& amount, const QString& total) {
    return {activity,
            amount,
            QStringLiteral("Week"),
            QStringLiteral("1/15/2000"),
            QStringLiteral("Now"),
            total};
}

ReportInput sampleInput() {
    ReportInput in = test::emptyReportInput();
    in.tables[0][1] = row(QStringLiteral("Alpha walking"), QStringLiteral("2 Hrs 30 Mins"),
                          QStringLiteral("1,305 (0.40%)"));
    in.tables[0][2] = row(QStringLiteral("Practising the piano at nights"), QStringLiteral("1 Hr"),
                          QStringLiteral("131 (0.04%)"));
    in.tables[0][3] = row(QStringLiteral("Bravo reading"), QStringLiteral("45 Mins"),
                          QStringLiteral("600 (0.19%)"));
    in.tables[1][1] = row(QStringLiteral("Charlie coffee"), QStringLiteral("$3.50"),
                          QStringLiteral("$4,563 (1.83%)"));
    in.tables[2][1] =
        row(QStringLiteral("Delta swims"), QStringLiteral("2"), QStringLiteral("2,608"));
    return in;
}

ReportInput fullInput() {
    ReportInput in = sampleInput();
    const char* names[] = {"Hours", "Money", "Freq"};
    for (int t = 0; t < 3; ++t)
        for (int r = 1; r <= 50; ++r)
            in.tables[t][r] =
                row(QStringLiteral("%1 activity %2").arg(QLatin1String(names[t])).arg(r),
                    QString::number(r), QString::number(r * 7));
    return in;
}

// A stream that keeps what it is given, can be told to fail, and notes the cursor.
class FakeStream : public LineStream {
public:
    // Returns true for the operation that is to fail: ("open"|"write"|"writeLine"|"close", text).
    std::function<bool(const QString&, const QString&)> fails;
    QStringList lines;
    QString current;
    QStringList ops;
    QFont fontAtOpen;
    QFont font;
    bool closed = false;
    QList<bool> waitWhileWriting;  // one entry per write()

    void setFont(const QFont& f) override { font = f; }
    bool open() override {
        fontAtOpen = font;
        return step(QStringLiteral("open"), QString());
    }
    bool write(const QString& text) override {
        waitWhileWriting << (QApplication::overrideCursor() &&
                             QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        if (!step(QStringLiteral("write"), text)) return false;
        current += text;
        return true;
    }
    bool writeLine(const QString& text) override {
        if (!step(QStringLiteral("writeLine"), text)) return false;
        lines << current + text;
        current.clear();
        return true;
    }
    bool close() override {
        if (!step(QStringLiteral("close"), QString())) return false;
        closed = true;
        return true;
    }
    QString errorString() const override { return QStringLiteral("printer on fire"); }

private:
    bool step(const QString& op, const QString& text) {
        ops << op;
        return !(fails && fails(op, text));
    }
};

TEST(ReportWriter, WritesTheHeadingAndTheTablesInFixedFields) {
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    FakeStream stream;
    writeReport(stream, sampleInput(), now());
    const QStringList expected{
        QStringLiteral("Lifetally  - version 1.0"), kReportPerson, kReportIncome,
        QStringLiteral("Printed : 12/6/2026  10:00:00 AM"),
        QStringLiteral("Lifetally from Tallyhouse Software - https://tallyhouse.example"),
        QString(), QString(), kHoursTitle,
        QStringLiteral("Alpha walking                2 Hrs 30 Mins  Week   1/15/2000   Now         "
                       "1,305 (0.40%)       "),
        // 30 characters in a field of 28: the rest of the line moves 2 to the right.
        QStringLiteral(
            "Practising the piano at nights 1 Hr           Week   1/15/2000   Now         "
            "131 (0.04%)         "),
        QStringLiteral("Bravo reading                45 Mins        Week   1/15/2000   Now         "
                       "600 (0.19%)         "),
        QString(), QString(), kMoneyTitle,
        QStringLiteral("Charlie coffee               $3.50          Week   1/15/2000   Now         "
                       "$4,563 (1.83%)      "),
        QString(), QString(), kFreqTitle,
        QStringLiteral("Delta swims                  2              Week   1/15/2000   Now         "
                       "2,608               ")};
    EXPECT_EQ(stream.lines, expected);
    EXPECT_TRUE(stream.closed);
    EXPECT_EQ(stream.ops.first(), QStringLiteral("open"));
    EXPECT_EQ(stream.ops.last(), QStringLiteral("close"));
    EXPECT_EQ(stream.fontAtOpen.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(stream.fontAtOpen.pointSize(), 9);
    EXPECT_TRUE(boxes.quietErrors.isEmpty());
    EXPECT_TRUE(boxes.reports.isEmpty());
}

TEST(ReportWriter, WaitCursorOnlyWhileRowsAreWritten) {
    test::ScriptedBoxes boxes;
    FakeStream stream;
    writeReport(stream, sampleInput(), now());
    ASSERT_FALSE(stream.waitWhileWriting.isEmpty());
    EXPECT_FALSE(stream.waitWhileWriting.contains(false));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A failure in any step of the heading ends the report at once.
class HeadingFailureTest : public ::testing::TestWithParam<int> {};

TEST_P(HeadingFailureTest, EndsTheReport) {
    test::ScriptedBoxes boxes;
    FakeStream stream;
    const int failing = GetParam();  // 0 open, 1..5 the heading lines
    int count = 0;
    stream.fails = [&](const QString&, const QString&) { return count++ == failing; };
    writeReport(stream, sampleInput(), now());
    EXPECT_EQ(boxes.quietErrors, QStringList{kPrintError});
    EXPECT_TRUE(boxes.reports.isEmpty());
    EXPECT_EQ(stream.ops.size(), failing + 1);  // nothing after the failure, no close
    EXPECT_FALSE(stream.closed);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Steps, HeadingFailureTest, ::testing::Range(0, 6));

TEST(ReportWriter, RowFailureSkipsTheRestOfThatTableOnly) {
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    FakeStream stream;
    stream.fails = [](const QString& op, const QString& text) {
        return op == QStringLiteral("write") && text.startsWith(QStringLiteral("Practising"));
    };
    writeReport(stream, sampleInput(), now());
    EXPECT_EQ(boxes.quietErrors, QStringList{kPrintError});
    EXPECT_TRUE(boxes.reports.isEmpty());
    EXPECT_TRUE(stream.closed);
    const QString all = stream.lines.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Alpha walking")));
    EXPECT_FALSE(all.contains(QStringLiteral("Bravo reading")));  // after the failed row
    EXPECT_TRUE(all.contains(QStringLiteral("Charlie coffee")));  // money table goes on
    EXPECT_TRUE(all.contains(QStringLiteral("Delta swims")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ReportWriter, RowFailureInLastTableStillCloses) {
    test::ScriptedBoxes boxes;
    FakeStream stream;
    stream.fails = [](const QString& op, const QString& text) {
        return op == QStringLiteral("write") && text.startsWith(QStringLiteral("Delta"));
    };
    writeReport(stream, sampleInput(), now());
    EXPECT_EQ(boxes.quietErrors, QStringList{kPrintError});
    EXPECT_TRUE(stream.closed);
}

TEST(ReportWriter, LeadingEmptyLineFailureGoesToTheDefaultReport) {
    test::ScriptedBoxes boxes;
    FakeStream stream;
    int emptyLines = 0;
    // The money table's first leading empty line (the hours table's are the first two).
    stream.fails = [&](const QString& op, const QString& text) {
        if (op != QStringLiteral("writeLine") || !text.isEmpty()) return false;
        return ++emptyLines == 3 + 4;  // hours: 2 leading + 4 row ends, then money's first
    };
    writeReport(stream, sampleInput(), now());
    EXPECT_TRUE(boxes.quietErrors.isEmpty());
    EXPECT_EQ(boxes.reports, QStringList{QStringLiteral("printer on fire")});
    EXPECT_FALSE(stream.closed);
    EXPECT_FALSE(stream.lines.join(QLatin1Char('\n')).contains(QStringLiteral("Charlie")));
    EXPECT_EQ(stream.ops.last(), QStringLiteral("writeLine"));
}

TEST(ReportWriter, CloseFailureGoesToTheDefaultReport) {
    test::ScriptedBoxes boxes;
    FakeStream stream;
    stream.fails = [](const QString& op, const QString&) { return op == QStringLiteral("close"); };
    writeReport(stream, sampleInput(), now());
    EXPECT_TRUE(boxes.quietErrors.isEmpty());
    EXPECT_EQ(boxes.reports, QStringList{QStringLiteral("printer on fire")});
}

TEST(ReportWriter, ShowPrintErrorIsTheQuietBox) {
    test::ScriptedBoxes boxes;
    showPrintError();
    EXPECT_EQ(boxes.quietErrors, QStringList{kPrintError});
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// --- Right-to-left text in its column ---------------------------------------------------

// A row laid out as the printer draws a line (the direction from the text): every
// character of every field lands within the cells of that field's own column, whatever
// the direction of the name, the amounts and the dates.
struct DirectionRowCase {
    const char* name;
    QStringList cells;
};
class ReportRowDirection : public ::testing::TestWithParam<DirectionRowCase> {};
TEST_P(ReportRowDirection, EachFieldStaysInItsColumn) {
    const QStringList& cells = GetParam().cells;
    const QString line = tableLine(cells, kReportWidths);
    QTextLayout layout(line, reportFont());
    layout.setTextOption(QTextOption(Qt::AlignLeft));
    layout.beginLayout();
    QTextLine shown = layout.createLine();
    layout.endLayout();
    const double cell = QFontMetricsF(reportFont()).horizontalAdvance(QLatin1Char('0'));
    qsizetype at = 0;
    int column = 0;  // the field's first cell
    for (int f = 0; f < kTableCols; ++f) {
        const QString& text = cells[f];
        at = line.indexOf(text, at);
        ASSERT_GE(at, 0) << f;
        // Every edge of every character, within the field's cells (a fallback font for
        // Arabic may be a little narrower or wider than the grid).
        for (qsizetype i = at; i <= at + text.size(); ++i) {
            const double x = shown.cursorToX(int(i)) / cell;
            EXPECT_GE(x, column - 0.5) << "field " << f << " char " << i - at;
            EXPECT_LE(x, column + text.size() + 0.5) << "field " << f << " char " << i - at;
        }
        at += text.size();
        column += fieldWidth(kReportWidths[f]) + 1;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Names, ReportRowDirection,
    ::testing::Values(DirectionRowCase{"Latin", row("Reading books", "5 Hrs", "3,114 (0.97%)")},
                      DirectionRowCase{"Hebrew", row("שלום עולם", "5 Hrs", "3,114 (0.97%)")},
                      DirectionRowCase{"Arabic", row("قراءة الكتب", "5 Hrs", "3,114 (0.97%)")},
                      // As in ar_EG: Arabic-Indic digits, dates with right-to-left marks, the
                      // currency in Arabic letters.
                      DirectionRowCase{"ArabicLocale",
                                       {"Reading", "\u200f٣٬٥٠ ج.م.\u200f", "Week",
                                        "١٥\u200f/١\u200f/٢٠٠٠", "Now", "٣٬١١٤ (٠٫٩٧٪)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Real printing to a PDF file -------------------------------------------------------

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfFonts(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdffonts"), {pdf});
    if (!p.waitForFinished(30000)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Whether every expected line turns up, in order, among the text's lines (runs of
// blanks compared as one).
::testing::AssertionResult linesInOrder(const QString& text, const QStringList& expected) {
    QStringList got;
    for (const QString& l : text.split(QRegularExpression(QStringLiteral("[\n\f]"))))
        if (!l.simplified().isEmpty()) got << l.simplified();
    qsizetype at = 0;
    for (const QString& e : expected) {
        if (e.simplified().isEmpty()) continue;
        while (at < got.size() && got[at] != e.simplified()) ++at;
        if (at == got.size())
            return ::testing::AssertionFailure()
                   << "missing or out of order: \"" << e.toStdString() << "\"\nin:\n"
                   << text.toStdString();
        ++at;
    }
    return ::testing::AssertionSuccess();
}

class PdfReport : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer{QPrinter::HighResolution};
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    int dialogs = 0;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        boxes.onPrintDialog = [this](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
    }
    void print(const ReportInput& in) { printReport(nullptr, printer, in, now()); }
};

// Three full tables and a person line too wide for the page, printed once.
TEST_F(PdfReport, PrintsLinesInOrderOverSeveralPagesInTheMonospaceStandIn) {
    ReportInput in = fullInput();
    const QString name(150, QLatin1Char('X'));
    in.personLine = personLine(name, QStringLiteral("3/1/1990"), QStringLiteral("Age: 36"));
    print(in);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(boxes.quietErrors.isEmpty());
    EXPECT_TRUE(boxes.reports.isEmpty());
    const QString text = pdfText(pdf);
    ASSERT_FALSE(text.isEmpty());
    // Runs of blanks are compared as one: the extractor does not keep them.
    EXPECT_TRUE(linesInOrder(
        text, {QStringLiteral("Lifetally - version 1.0"), kReportIncome,
               QStringLiteral("Printed : 12/6/2026 10:00:00 AM"),
               QStringLiteral("Lifetally from Tallyhouse Software - https://tallyhouse.example"),
               QStringLiteral("Activity Time Per Start date End date Total Hrs"),
               QStringLiteral("Hours activity 1 1 Week 1/15/2000 Now 7"),
               QStringLiteral("Hours activity 50 50 Week 1/15/2000 Now 350"),
               QStringLiteral("Activity Amount Per Start date End date Total Amt"),
               QStringLiteral("Money activity 1 1 Week 1/15/2000 Now 7"),
               QStringLiteral("Money activity 50 50 Week 1/15/2000 Now 350"),
               QStringLiteral("Activity Frequency Per Start date End date Total Freq"),
               QStringLiteral("Freq activity 1 1 Week 1/15/2000 Now 7"),
               QStringLiteral("Freq activity 50 50 Week 1/15/2000 Now 350")}));

    // The too wide line breaks where the page ends and goes on at the start of the next.
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qsizetype first = lines.indexOf(QRegularExpression(QStringLiteral("^\\s*X+\\s*$")));
    ASSERT_GE(first, 0);
    const QString head = lines[first].trimmed();
    EXPECT_LT(head.size(), 150);
    EXPECT_GE(head.size(), 95);  // a full report line still fits on one
    EXPECT_EQ(lines[first + 1].simplified(),
              QString(150 - head.size(), QLatin1Char('X')) + QStringLiteral(" 3/1/1990 Age: 36"));
    EXPECT_EQ(lines[first + 2].simplified(), kReportIncome);

    // 159 table lines take several pages, none of them blank.
    QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_TRUE(pages.last().trimmed().isEmpty());  // after the last page's form feed
    pages.removeLast();
    EXPECT_GE(pages.size(), 3);
    for (const QString& page : pages) EXPECT_FALSE(page.trimmed().isEmpty());

    EXPECT_TRUE(pdfFonts(pdf).contains(QStringLiteral("LiberationMono")))
        << pdfFonts(pdf).toStdString();
}

// 150 rows over several pages: each page that goes on with a table starts with its column
// titles, titles never end a page, and every page is numbered.
TEST_F(PdfReport, ContinuedTablesRepeatTheirHeadingsAndPagesAreNumbered) {
    print(fullInput());
    QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    pages.removeLast();  // after the last page's form feed
    ASSERT_GE(pages.size(), 3);
    const QRegularExpression heading(QStringLiteral("^Activity (Time|Amount|Frequency) Per"));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList lines;
        for (const QString& l : pages[p].split(QLatin1Char('\n')))
            if (!l.simplified().isEmpty()) lines << l.simplified();
        ASSERT_GE(lines.size(), 3) << p;
        EXPECT_EQ(lines.last(), QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()));
        if (p > 0) {
            EXPECT_TRUE(heading.match(lines.first()).hasMatch()) << lines.first().toStdString();
        }
        // The line after a heading is a row of the same table, on the same page.
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            if (heading.match(lines[i]).hasMatch()) {
                EXPECT_TRUE(lines[i + 1].contains(QStringLiteral(" activity "))) << p << ": " << i;
            }
    }
}

TEST_F(PdfReport, CancelPrintsNothing) {
    boxes.onPrintDialog = [this](QPrinter& printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    print(sampleInput());
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(boxes.quietErrors.isEmpty());
}

TEST_F(PdfReport, JobThatCannotStartShowsThePrintError) {
    boxes.onPrintDialog = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/report.pdf")));
        return true;
    };
    print(sampleInput());
    EXPECT_EQ(boxes.quietErrors, QStringList{kPrintError});
    EXPECT_TRUE(boxes.reports.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(PrinterTextStream, RefusesToWriteBeforeOpenOrTwice) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("x.pdf")));
    PrinterTextStream stream(printer);
    EXPECT_FALSE(stream.write(QStringLiteral("early")));
    EXPECT_FALSE(stream.errorString().isEmpty());
    EXPECT_FALSE(stream.close());
    ASSERT_TRUE(stream.open());
    EXPECT_FALSE(stream.open());
    EXPECT_TRUE(stream.writeLine(QStringLiteral("hello")));
    EXPECT_TRUE(stream.close());
    EXPECT_FALSE(stream.writeLine(QStringLiteral("late")));
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("x.pdf"))).size(), 0);
}

}  // namespace
