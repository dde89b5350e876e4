#include <QDialog>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>

#include "app/window_journey_util.h"
#include "core/command_line.h"
#include "support/ui_seams.h"
#include "ui/activity_grid.h"
#include "ui/command_exports.h"
#include "ui/save_dialog.h"

namespace lt {
namespace {
using test::readFile;
using test::writeFile;

// Ann, born 1 March 1990, income 50,000, and a row or two a table; dates in `d`'s
// order ("%1" day, "%2" month, "%3" year), money as `m`.
QString iniText(const QString& d, const QString& books) {
    auto date = [&](int day, int month, int year) {
        return d.arg(day, 2, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0')).arg(year);
    };
    return QStringLiteral(
               "[DOB]\nDate=%1\n[Name]\nname=Ann\n[Income]\nincome=50000\n"
               "[Hours]\nCount=2\n"
               "[Hour1]\nDesc=Reading\nHrMin=2 Hrs 30 Mins\nPer=Week\nStart=%2\nEnd=%3\n"
               "[Hour2]\nDesc=Sleep, mostly\nHrMin=8 Hrs\nPer=Day\nStart=%4\nEnd=Now\n"
               "[Money]\nCount=1\n"
               "[Money1]\nDesc=Books\nAmount=%5\nPer=Month\nStart=%6\nEnd=%7\n"
               "[Freq]\nCount=1\n"
               "[Freq1]\nDesc==cmd\nAmount=3\nPer=Once\nStart=%8\nEnd=Now\n")
        .arg(date(1, 3, 1990), date(1, 1, 2020), date(1, 1, 2021), date(1, 12, 2026), books,
             date(15, 1, 2020), date(15, 3, 2020), date(1, 1, 2000));
}

// A reader of RFC 4180 records that shares nothing with the writer.
QList<QStringList> readCsv(const QByteArray& bytes) {
    const QString t = QString::fromUtf8(bytes);
    QList<QStringList> records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'"' && quoted && t.mid(i + 1, 1) == u"\"") {
            field += t[++i];
        } else if (t[i] == u'"') {
            quoted = !quoted;
        } else if (!quoted && t[i] == u',') {
            records.last() << std::exchange(field, QString());
        } else if (!quoted && t.mid(i, 2) == u"\r\n") {
            records.last() << std::exchange(field, QString());
            records.append(QStringList());
            ++i;
        } else {
            field += t[i];
        }
    }
    records.removeLast();  // after the last CRLF
    return records;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct LocaleCase {
    const char* name;
    QLocale locale;
    const char* dateFormat;
    const char* books;
    const char* currency;
};
void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

class ExportTables : public ::testing::TestWithParam<LocaleCase>, public test::WizardHarness {
protected:
    ExportTables() : test::WizardHarness(GetParam().locale) {
        writeIni(
            iniText(QLatin1String(GetParam().dateFormat), QString::fromUtf8(GetParam().books)));
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

// 150 minutes a week over 366 days: 130.71 hours, 0.04% of 322,306; 8 hours a day over 5
// days: 40 hours, 0.01%; 12.50 for 2 months: 25, 0.05%; 3 once.
TEST_P(ExportTables, CsvFromTheWindowAndTheCommandLineReadsBackAsTheTablesShow) {
    auto w = start();
    test::ScriptedBoxes boxes;
    boxes.saveAnswer = path("window.csv");
    w->btCsv->click();
    EXPECT_EQ(boxes.saveCaptions, QStringList{QStringLiteral("Export tables as CSV")});
    const QByteArray bytes = fileBytes(path("window.csv"));
    const QString cur = QLatin1String(GetParam().currency);
    const QList<QStringList> expected = {
        {"Table", "Activity", "Amount", "Unit", "Per", "Start", "End", "Total", "Share %"},
        {"hours", "Reading", "2.5", "hours", "Week", "2020-01-01", "2021-01-01", "130.71", "0.04"},
        {"hours", "Sleep, mostly", "8", "hours", "Day", "2026-12-01", "Now", "40.00", "0.01"},
        {"money", "Books", "12.50", cur, "Month", "2020-01-15", "2020-03-15", "25.00", "0.05"},
        {"frequency", "'=cmd", "3", "times", "Once", "2000-01-01", "Now", "3", ""}};
    const QList<QStringList> records = readCsv(bytes);
    EXPECT_EQ(records, expected);
    // The tables keep their whole numbers; the file's exact totals round to them.
    const ActivityGrid* grids[] = {w->gridHours, w->gridHours, w->gridMoney, w->gridFreq};
    const int rows[] = {1, 2, 1, 1};
    for (int i = 0; i < 4 && i + 1 < records.size(); ++i)
        EXPECT_EQ(std::round(records[i + 1][7].toDouble()),
                  totalCellValue(grids[i]->cell(5, rows[i])));

    // The command line writes the same file and leaves the settings file alone.
    const QByteArray ini = iniBytes();
    CommandLine line;
    line.exports = {{ExportRequest::Kind::Csv, path("command.csv")}};
    QStringList messages;
    EXPECT_EQ(runExports(line, iniPath(), messages), 0);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(fileBytes(path("command.csv")), bytes);
    EXPECT_EQ(iniBytes(), ini);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Locales, ExportTables, ::testing::Values(
    LocaleCase{"en_US", QLocale(QLocale::English, QLocale::UnitedStates), "%2/%1/%3", "$12.50", "USD"},
    LocaleCase{"de_DE", QLocale(QLocale::German, QLocale::Germany), "%1.%2.%3", "12,50 €", "EUR"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class ExportReport : public ::testing::Test, public test::WizardHarness {
protected:
    ExportReport() { writeIni(iniText(QStringLiteral("%2/%1/%3"), QStringLiteral("$12.50"))); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    const QStringList lines = {
        QStringLiteral("Ann 03/01/1990 Age: 36 years 9 months 5 days  Hours: 322,306"),
        QStringLiteral("Lifetime income: $50,000"),
        QStringLiteral("Activity Time Per Start date End date Total Hrs"),
        QStringLiteral("Reading 2 Hrs 30 Mins Week 01/01/2020 01/01/2021 131 (0.04%)"),
        QStringLiteral("Sleep, mostly 8 Hrs Day 12/01/2026 Now 40 (0.01%)"),
        QStringLiteral("Books $12.50 Month 01/15/2020 03/15/2020 $25 (0.05%)"),
        QStringLiteral("=cmd 3 Once 01/01/2000 Now 3")};
};

TEST_F(ExportReport, PdfAndPreviewFromTheWindowAndTheCommandLineHoldTheReportsLines) {
    auto w = start();
    test::ScriptedBoxes boxes;
    boxes.saveAnswer = path("window.pdf");
    w->btPdf->click();
    EXPECT_EQ(boxes.saveCaptions, QStringList{QStringLiteral("Save report as PDF")});
    EXPECT_TRUE(test::linesInOrder(test::pdfText(path("window.pdf")), lines));
    CommandLine line;
    line.exports = {{ExportRequest::Kind::Report, path("command.pdf")}};
    QStringList messages;
    EXPECT_EQ(runExports(line, iniPath(), messages), 0);
    EXPECT_TRUE(test::linesInOrder(test::pdfText(path("command.pdf")), lines));

    int pages = -1;
    boxes.onDialog = [&](QDialog& d) {
        EXPECT_TRUE(qobject_cast<QPrintPreviewDialog*>(&d));
        if (auto* preview = d.findChild<QPrintPreviewWidget*>()) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        return int(QDialog::Rejected);
    };
    w->btPreview->click();
    EXPECT_EQ(pages, 1);

    for (const char* name : {"none/t.csv", "none/r.pdf"}) {
        boxes.saveAnswer = path(name);
        (boxes.saveAnswer.endsWith(u"csv") ? w->btCsv : w->btPdf)->click();
        EXPECT_EQ(boxes.errors.value(0), QStringLiteral("Unable to write to ") + path(name));
        boxes.errors.clear();
    }
}

// Every save dialog suggests what it saves, adds the suffix of its filter, refuses an
// ending it cannot write and opens where the last export went (the documents folder at
// first).
TEST_F(ExportReport, SaveDialogsSuggestAddTheSuffixRefuseAndRememberTheFolder) {
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
        forgetExportFolder();
    });
    qputenv("HOME", QFile::encodeName(dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Documents")) &&
                QDir(dir.path()).mkpath(QStringLiteral("out")));
    forgetExportFolder();
    auto w = start();
    test::ScriptedBoxes boxes;
    boxes.saveAnswer = path("out/myreport");  // as a dialog that leaves the suffix to us
    w->btPdf->click();
    ASSERT_EQ(boxes.saveDialogs.size(), 1);
    EXPECT_EQ(boxes.saveDialogs[0].folder, path("Documents"));
    EXPECT_EQ(boxes.saveDialogs[0].fileName, QStringLiteral("lifetally-report.pdf"));
    EXPECT_EQ(boxes.saveDialogs[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(readFile(path("out/myreport.pdf")).startsWith("%PDF"));

    boxes.saveAnswer = path("out/tables.xlsx");
    w->btCsv->click();
    ASSERT_EQ(boxes.saveDialogs.size(), 2);
    EXPECT_EQ(boxes.saveDialogs[1].folder, path("out"));
    EXPECT_EQ(boxes.saveDialogs[1].fileName, QStringLiteral("lifetally-tables.csv"));
    EXPECT_EQ(boxes.saveDialogs[1].defaultSuffix, QStringLiteral("csv"));
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("The file name must end in .csv.")});
    EXPECT_FALSE(QFile::exists(path("out/tables.xlsx")));
}

// The program itself, with its own locale pinned and no session of its own.
struct ProgramRun {
    int code;
    QString out, err;
};
ProgramRun runProgram(const QStringList& args, const QStringList& unset = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    // As under cron or ssh: Qt would note the missing runtime folder.
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    for (const QString& name : unset) env.remove(name);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LT_PROGRAM), args);
    if (!p.waitForFinished(30000)) return {-1, {}, {}};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Exit codes and standard error; nothing said when all went well; no settings written.
TEST(ExportProgram, ExitCodes) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    writeFile(at("bad.ini"), "[DOB]\nDate=31/31/1990\n");
    writeFile(at("s.ini"), iniText(QStringLiteral("%2/%1/%3"), QStringLiteral("$12.50")).toUtf8());
    writeFile(at("empty.ini"), "[DOB]\nDate=3/1/1990\n");
    const QByteArray settings = readFile(at("s.ini"));
    const QString tryHelp = QStringLiteral("\nTry 'lifetally --help' for more information.\n");
    const struct {
        QStringList args;
        int code;
        QString error;  // all of standard error
    } rows[] = {
        {{"--export-csv", at("t.csv")}, 0, ""},
        {{"--export-csv", at("none/t.csv")},
         1,
         "lifetally: Unable to write to " + at("none/t.csv")},
        {{"--export-csv", at("b.csv"), "--settings", at("bad.ini")},
         1,
         "lifetally: Your birthdate: '31/31/1990' is not a valid date\n"},
        {{"--export-chart", at("c.png")}, 0, ""},
        {{"--export-chart", at("c.svg"), "--table", "money", "--bar"}, 0, ""},
        // A failure leaves the files after it to be written.
        {{"--export-report", at("none/r.pdf"), "--export-csv", at("after.csv")},
         1,
         "lifetally: Unable to write to " + at("none/r.pdf")},
        {{"--export-chart", at("f.png"), "--table", "frequency", "--settings", at("empty.ini")},
         1,
         "lifetally: The frequency table has no rows to chart.\n"},
        {{"--export-csv"}, 2, "lifetally: Missing value after '--export-csv'." + tryHelp},
        {{"--export-everything"}, 2, "lifetally: Unknown option 'export-everything'." + tryHelp},
        {{"--export-csv", at("1.csv"), "--export-csv", at("2.csv")},
         2,
         "lifetally: The option '--export-csv' is given more than once." + tryHelp},
    };
    for (const auto& r : rows) {
        const QStringList args =
            r.args.contains(QStringLiteral("--settings"))
                ? r.args
                : QStringList{QStringLiteral("--settings"), at("s.ini")} + r.args;
        const ProgramRun run = runProgram(args);
        EXPECT_EQ(run.code, r.code) << r.args.join(u' ').toStdString();
        // Nothing at all is said when every file was written.
        if (r.code == 0)
            EXPECT_EQ(run.err + run.out, QString());
        else
            EXPECT_TRUE(run.err.startsWith(r.error)) << run.err.toStdString();
    }
    EXPECT_EQ(readFile(at("s.ini")), settings);
    EXPECT_FALSE(QFile::exists(at("b.csv")) || QFile::exists(at("f.png")) ||
                 QFile::exists(at("1.csv")));
    EXPECT_TRUE(readFile(at("after.csv")).startsWith("Table,Activity"));
    EXPECT_EQ(QImage(at("c.png")).size(), QSize(1600, 1000));
    EXPECT_TRUE(fileBytes(at("c.svg")).contains("Money spent for Ann"));
}

TEST(ExportProgram, WithoutADisplayTheWindowSaysSoInOneLine) {
    const ProgramRun run = runProgram({}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.count(u'\n'), 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("graphical session")) &&
                run.err.contains(QStringLiteral("--export-*")))
        << run.err.toStdString();
}

TEST(ExportProgram, HelpEndsWithTheManualPageAndTheHomePage) {
    const ProgramRun run = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.endsWith(QStringLiteral(
        "More in the manual page (man lifetally) and at https://tallyhouse.example\n")));
}

}  // namespace
}  // namespace lt
