#include <QDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

#include "app/window_journey_util.h"
#include "core/command_line.h"
#include "core/file_io.h"
#include "support/svg_texts.h"
#include "support/ui_seams.h"
#include "ui/activity_grid.h"
#include "ui/command_exports.h"

namespace lt {
namespace {

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

// 150 minutes a week over 366 days: 131 hours, 0.04% of 322,306; 8 hours a day over 5
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
        {"hours", "Reading", "2.5", "hours", "Week", "2020-01-01", "2021-01-01", "131", "0.04"},
        {"hours", "Sleep, mostly", "8", "hours", "Day", "2026-12-01", "Now", "40", "0.01"},
        {"money", "Books", "12.50", cur, "Month", "2020-01-15", "2020-03-15", "25", "0.05"},
        {"frequency", "'=cmd", "3", "times", "Once", "2000-01-01", "Now", "3", ""}};
    const QList<QStringList> records = readCsv(bytes);
    EXPECT_EQ(records, expected);
    // The totals are the numbers the tables show.
    const ActivityGrid* grids[] = {w->gridHours, w->gridHours, w->gridMoney, w->gridFreq};
    const int rows[] = {1, 2, 1, 1};
    for (int i = 0; i < 4 && i + 1 < records.size(); ++i)
        EXPECT_EQ(records[i + 1][7].toDouble(), totalCellValue(grids[i]->cell(5, rows[i])));

    // The command line writes the same file and leaves the settings file alone.
    const QByteArray ini = iniBytes();
    CommandLine line;
    line.csvFile = path("command.csv");
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
    line.reportFile = path("command.pdf");
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
        EXPECT_EQ(boxes.errors.value(0),
                  "Unable to write to " + path(name) + ": No such file or directory");
        boxes.errors.clear();
    }
}

// The program itself: exit codes, standard error, the chart files; no settings written.
TEST(ExportProgram, ExitCodes) {
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.ini"), ini = dir.filePath("s.ini");
    test::writeFile(bad, "[DOB]\nDate=31/31/1990\n");
    test::writeFile(ini, "; the defaults\n");
    const QString none = dir.filePath("none.ini"), nowhere = dir.filePath("none/t.csv");
    const QString csv = QStringLiteral("Table,Activity,Amount"),
                  gone = ": No such file or directory";
    // clang-format off
    const struct {
        QStringList args;
        int code;
        QString error;
        QString out;
    } rows[] = {{{"--export-csv", dir.filePath("t.csv")}, 0, "", ""},
                {{"--export-csv", nowhere}, 1, "Unable to write to " + nowhere + gone, ""},
                {{"--export-csv", dir.filePath("b.csv"), "--settings", bad}, 1, "'31/31/1990' is not a valid date", ""},
                {{"--export-csv", dir.filePath("b.csv"), "--settings", none}, 1, "Cannot read " + none + gone + ".", ""},
                {{"--export-csv", "-"}, 0, "", csv},
                {{"--export-csv", "/dev/stdout"}, 0, "", csv},
                {{"--export-chart", dir.filePath("c.png")}, 0, "", ""},
                {{"--export-chart", dir.filePath("c.svg"), "--table", "money", "--bar"}, 0, "", ""},
                {{"--export-report", dir.filePath("r.pdf")}, 0, "", ""},
                {{"--export-csv"}, 2, "Missing value after '--export-csv'.", ""},
                {{"--export-everything"}, 2, "Unknown option 'export-everything'.", ""}};
    // clang-format on
    // The program's own locale is pinned; nothing checked here depends on its clock. The
    // temporary folder is unusable: a PDF is drawn beside the file it goes to.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("TMPDIR"), dir.filePath("no-such-folder"));
    for (const auto& r : rows) {
        QProcess p;
        p.setProcessEnvironment(env);
        const QStringList args = r.args.contains(QStringLiteral("--settings"))
                                     ? r.args
                                     : QStringList{QStringLiteral("--settings"), ini} + r.args;
        p.start(QStringLiteral(LT_PROGRAM), args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), r.code) << r.args.join(u' ').toStdString();
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(r.error)) << err.toStdString();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_TRUE(r.out.isEmpty() ? out.isEmpty() : out.startsWith(r.out)) << out.toStdString();
    }
    EXPECT_EQ(fileBytes(ini), QByteArray("; the defaults\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath("b.csv")) || QFile::exists(none));
    EXPECT_EQ(QImage(dir.filePath("c.png")).size(), QSize(1600, 1000));
    EXPECT_TRUE(fileBytes(dir.filePath("c.svg")).contains("Money spent for Your name"));
    EXPECT_TRUE(fileBytes(dir.filePath("r.pdf")).trimmed().endsWith("%%EOF"));
}

// A full disk: every export says so, keeps the old file whole and leaves nothing behind.
TEST_F(ExportReport, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    const QStringList names = {"r.pdf", "t.csv", "c.png", "c.svg"};
    for (const QString& name : names) test::writeFile(dir.filePath(name), "old " + name.toUtf8());
    auto w = start();
    test::ScriptedBoxes boxes;
    for (FileStep step : {FileStep::Write, FileStep::Replace}) {
        setFileFault([step](FileStep s) { return s == step ? ENOSPC : 0; });
        for (const QString& name : names) {
            const QString file = dir.filePath(name);
            const QString why = "Unable to write to " + file + ": No space left on device";
            CommandLine line;
            (name.endsWith(u"pdf")   ? line.reportFile
             : name.endsWith(u"csv") ? line.csvFile
                                     : line.chartFile) = file;
            QStringList messages;
            EXPECT_EQ(runExports(line, iniPath(), messages), 1);
            EXPECT_EQ(messages, QStringList{why});
            if (line.chartFile.isEmpty()) {
                boxes.saveAnswer = file;
                (line.csvFile.isEmpty() ? w->btPdf : w->btCsv)->click();
                EXPECT_EQ(boxes.errors, QStringList{why});
                boxes.errors.clear();
            }
        }
    }
    setFileFault({});
    for (const QString& name : names)
        EXPECT_EQ(fileBytes(dir.filePath(name)), "old " + name.toUtf8());
    w.reset();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"c.png", "c.svg", "lifetally.ini", "r.pdf", "t.csv"}));
}

// Born 1 January 2000, 120 on 1 January 2120: 43,829 days (29 leap days), 1,051,896 hours.
// Rows that have ended, end before then or count once leave the clock out: reading 150
// minutes a week for 366 days, 130.71 hours (0.01 %); 12.50 a month for 2 months; 100 a
// year for 100 years; 3 moves once.
TEST(ExportProgram, LookAheadInEveryLocaleAndItsRefusals) {
    QTemporaryDir dir;
    const std::array<const char*, 4> locales[] = {
        {"en_US.UTF-8", "1/1/2000 1/1/2020 1/1/2021 1/15/2020 3/15/2020 1/1/2100", "$12.50", "USD"},
        {"de_DE.UTF-8", "01.01.2000 1.1.2020 1.1.2021 15.1.2020 15.3.2020 1.1.2100", "12,50 €",
         "EUR"},
        {"ar_EG.UTF-8", "١/١/٢٠٠٠ 1/1/2020 1/1/2021 15/1/2020 15/3/2020 1/1/2100", "١٢٫٥٠", "EGP"}};
    for (const auto& [lang, dates, books, currency] : locales) {
        const QStringList d = QString::fromUtf8(dates).split(u' ');
        test::writeFile(
            dir.filePath("s.ini"),
            QStringLiteral("[DOB]\nDate=%1\n[Hours]\nCount=1\n[Hour1]\nDesc=Reading\nHrMin=2 "
                           "Hrs 30 Mins\nPer=Week\nStart=%2\nEnd=%3\n[Money]\nCount=2\n"
                           "[Money1]\nDesc=Books\nAmount=%7\nPer=Month\nStart=%4\nEnd=%5\n"
                           "[Money2]\nDesc=Saving\nAmount=100\nPer=Year\nStart=%1\nEnd=%6\n"
                           "[Freq]\nCount=1\n[Freq1]\nDesc==cmd\nAmount=3\nPer=Once\n"
                           "Start=%1\nEnd=Now\n")
                .arg(d[0], d[1], d[2], d[3], d[4], d[5], QString::fromUtf8(books))
                .toUtf8());
        const auto run = [&](QStringList args, int code, const char* error) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LC_ALL"), QLatin1String(lang));
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(LT_PROGRAM), args << "--settings" << dir.filePath("s.ini"));
            ASSERT_TRUE(p.waitForFinished(30000));
            EXPECT_EQ(p.exitCode(), code) << lang << ' ' << args.join(u' ').toStdString();
            EXPECT_TRUE(p.readAllStandardError().contains(error)) << lang << ' ' << error;
        };
        run({"--export-look-ahead", dir.filePath(currency), "--age", "120"}, 0, "");
        EXPECT_EQ(fileBytes(dir.filePath(currency)),
                  QByteArray("Table,Activity,Unit,So far,By age 120,Still to come,Share of life by "
                             "120 %\r\nhours,Reading,hours,130.71,130.71,0.00,0.01\r\n"
                             "money,Books,CUR,25.00,25.00,0.00,\r\nmoney,Saving,CUR,10000.00,"
                             "10000.00,0.00,\r\nfrequency,'=cmd,times,3.00,3.00,0.00,\r\n")
                      .replace("CUR", currency));
        if (QByteArray(currency) != "USD") continue;
        run({"--export-look-ahead", dir.filePath("r.csv"), "--age", "20"}, 1,
            "You reached the age of 20 on 1/1/2020: choose an age from ");
        run({"--export-look-ahead", dir.filePath("none/r.csv")}, 1, "Unable to write to ");
        run({"--export-look-ahead", "r.csv", "--age", "121"}, 2,
            "The age after '--age' must be a whole number from 1 to 120.");
        run({"--age", "90"}, 2, "'--age' goes with '--export-look-ahead'.");
        EXPECT_FALSE(QFile::exists(dir.filePath("r.csv")));
    }
}

// Chart files of the sample data from the program: the same bytes from two runs, and
// every text of the SVG inside the picture, apart from the others, every point named.
TEST(ExportProgram, ChartFilesComeOutTheSameAndReadable) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("sample.ini");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LT_SAMPLE_SETTINGS), settings));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    auto run = [&](const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(LT_PROGRAM), QStringList{"--settings", settings} + args);
        return p.waitForFinished(30000) && p.exitCode() == 0;
    };
    for (const char* name : {"a.png", "a.svg", "b.svg"}) {
        const QString file = dir.filePath(name);
        const QStringList table =
            name[0] == 'b' ? QStringList{"--table", "money", "--bar"} : QStringList{};
        // The title carries the hours lived, which could turn over between two runs.
        ASSERT_TRUE(run(QStringList{"--export-chart", file} + table));
        const QString again = dir.filePath(QStringLiteral("again-") + QLatin1String(name));
        ASSERT_TRUE(run(QStringList{"--export-chart", again} + table));
        EXPECT_EQ(fileBytes(file), fileBytes(again)) << name;
    }
    for (const char* name : {"a.svg", "b.svg"}) {
        const QByteArray svg = fileBytes(dir.filePath(name));
        EXPECT_EQ(test::svgTextProblems(svg), "") << name;
        EXPECT_TRUE(svg.contains("width=\"1600px\" height=\"1000px\"")) << name;
        EXPECT_TRUE(svg.contains("viewBox=\"0 0 1600 1000\"")) << name;
        QStringList texts;
        for (const test::SvgText& t : test::svgTexts(svg)) texts << t.text;
        const QStringList labels = name[0] == 'a'
                                       ? QStringList{"Other", "Sleeping", "Reading", "Commuting"}
                                       : QStringList{"Other", "Books"};
        for (const QString& l : labels)
            EXPECT_TRUE(texts.contains(l)) << name << " " << l.toStdString();
    }
}

}  // namespace
}  // namespace lt
