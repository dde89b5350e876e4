#include <unistd.h>

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <csignal>

#include "app/command_exports.h"
#include "app/window_journey_util.h"
#include "core/command_line.h"
#include "core/file_io.h"
#include "support/svg_texts.h"
#include "support/ui_seams.h"
#include "ui/activity_grid.h"
#include "ui/outputs.h"
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
        EXPECT_EQ(
            std::round(records[i + 1][7].toDouble()),
            shownWholeTotal(grids[i]->activity(rows[i]).total.value_or(RowTotal{-1, 0}).total));

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
        EXPECT_EQ(boxes.errors.value(0),
                  "Unable to write to " + path(name) + ": No such file or directory");
        boxes.errors.clear();
    }
}

// The window's exports refuse the settings file it has open, here through a hard link.
TEST_F(ExportReport, TheWindowDoesNotExportOverItsSettingsFile) {
    auto w = start();
    const QByteArray ini = iniBytes();
    ASSERT_EQ(::link(QFile::encodeName(iniPath()).constData(),
                     QFile::encodeName(path("h.csv")).constData()),
              0);
    test::ScriptedBoxes boxes;
    boxes.saveAnswer = path("h.csv");
    w->btCsv->click();
    EXPECT_EQ(boxes.errors, QStringList{"Unable to write to " + path("h.csv") +
                                        ": It is the settings file, which an export never writes"});
    EXPECT_EQ(iniBytes(), ini);
}

// The PDF is drawn where no name shows: a run killed while drawing leaves no draft.
TEST_F(ExportReport, ThePdfDraftHasNoName) {
    QStringList whileWriting;
    setFileFault([&](FileStep s) {
        if (s == FileStep::Open)
            whileWriting = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        return 0;
    });
    const auto reset = qScopeGuard([] { setFileFault({}); });
    CommandLine line;
    line.exports = {{ExportRequest::Kind::Report, dir.filePath("r.pdf")}};
    QStringList messages;
    EXPECT_EQ(runExports(line, iniPath(), messages), 0) << messages.join(u'\n').toStdString();
    EXPECT_EQ(whileWriting, QStringList{"lifetally.ini"});
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
            using Kind = ExportRequest::Kind;
            const Kind kind = name.endsWith(u"pdf")   ? Kind::Report
                              : name.endsWith(u"csv") ? Kind::Csv
                                                      : Kind::Chart;
            CommandLine line;
            line.exports = {{kind, file}};
            QStringList messages;
            EXPECT_EQ(runExports(line, iniPath(), messages), 1);
            EXPECT_EQ(messages, QStringList{why});
            if (kind != Kind::Chart) {
                boxes.saveAnswer = file;
                (kind == Kind::Report ? w->btPdf : w->btCsv)->click();
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
// year for 20 years; 3 moves once.
TEST(ExportProgram, LookAheadInEveryLocaleAndItsRefusals) {
    QTemporaryDir dir;
    const std::array<const char*, 4> locales[] = {
        {"en_US.UTF-8", "1/1/2000 1/1/2020 1/1/2021 1/15/2020 3/15/2020 1/1/2020", "$12.50", "USD"},
        {"de_DE.UTF-8", "01.01.2000 1.1.2020 1.1.2021 15.1.2020 15.3.2020 1.1.2020", "12,50 €",
         "EUR"},
        {"ar_EG.UTF-8", "١/١/٢٠٠٠ 1/1/2020 1/1/2021 15/1/2020 15/3/2020 1/1/2020", "١٢٫٥٠", "EGP"}};
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
                             "money,Books,CUR,25.00,25.00,0.00,\r\nmoney,Saving,CUR,2000.00,"
                             "2000.00,0.00,\r\nfrequency,'=cmd,times,3.00,3.00,0.00,\r\n")
                      .replace("CUR", currency));
        if (QByteArray(currency) != "USD") continue;
        run({"--export-look-ahead", dir.filePath("r.csv"), "--age", "20"}, 1,
            "You reached the age of 20 on 1/1/2020: choose an age from ");
        run({"--export-look-ahead", dir.filePath("none/r.csv")}, 1, "Unable to write to ");
        run({"--export-look-ahead", "r.csv", "--age", "121"}, 2,
            "The age after '--age' must be a whole number from 1 to 120.");
        run({"--age", "90"}, 2, "'--age' goes with '--export-look-ahead' or '--export-timeline'.");
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
ProgramRun runProgram(const QStringList& args, const QStringList& unset = {},
                      const QString& program = QStringLiteral(LT_PROGRAM)) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    // As under cron or ssh: Qt would note the missing runtime folder.
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    // No temporary folder: a PDF is drawn beside the file it goes to.
    env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/nonexistent/lifetally-tmp"));
    for (const QString& name : unset) env.remove(name);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(30000)) return {-1, {}, {}};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// 50 rows a table, of every kind of span, for Ann born 1 March 1990.
QByteArray fiftyRows() {
    QByteArray ini = "[DOB]\nDate=3/1/1990\n[Name]\nname=Ann\n[Income]\nincome=50000\n";
    const char* tables[][3] = {
        {"Hours", "Hour", "HrMin"}, {"Money", "Money", "Amount"}, {"Freq", "Freq", "Amount"}};
    const char* amounts[] = {"1 Hr", "$2.50", "3"};
    const char* periods[] = {"Day", "Week", "Month", "Once"};
    for (int t = 0; t < 3; ++t) {
        ini += QStringLiteral("[%1]\nCount=50\n").arg(tables[t][0]).toUtf8();
        for (int r = 1; r <= 50; ++r) {
            const int year = 1990 + (r * 7) % 40;
            ini +=
                QStringLiteral(
                    "[%1%2]\nDesc=Activity number %2 of table %3\n%4=%5\nPer=%6\n"
                    "Start=3/1/%7\nEnd=%8\n")
                    .arg(tables[t][1])
                    .arg(r)
                    .arg(t)
                    .arg(tables[t][2], amounts[t], periods[t == 0 ? r % 3 : (r + t) % 4])
                    .arg(year)
                    .arg(r % 2 ? QStringLiteral("Now") : QStringLiteral("6/1/%1").arg(year + r % 9))
                    .toUtf8();
        }
    }
    return ini;
}

// The timeline from the program: the same bytes from two runs, its texts inside the
// picture and apart, every band named in its description; with 50 rows a table it grows
// tall enough to hold them.
TEST(ExportProgram, TimelineFilesComeOutTheSameAndReadable) {
    QTemporaryDir dir;
    const QString sample = dir.filePath("sample.ini");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LT_SAMPLE_SETTINGS), sample));
    writeFile(dir.filePath("fifty.ini"), fiftyRows());
    const auto run = [&](const QString& settings, const QString& file) {
        return runProgram({"--settings", settings, "--export-timeline", file, "--age", "90"});
    };
    for (const char* name : {"a.png", "a.svg"}) {
        ASSERT_EQ(run(sample, dir.filePath(name)).code, 0);
        ASSERT_EQ(run(sample, dir.filePath(QStringLiteral("again-") + name)).code, 0);
        EXPECT_EQ(fileBytes(dir.filePath(name)),
                  fileBytes(dir.filePath(QStringLiteral("again-") + name)));
    }
    const QImage png(dir.filePath("a.png"));
    EXPECT_EQ(png.width(), 1600);
    for (const char* settings : {"sample.ini", "fifty.ini"}) {
        const QString svgPath = dir.filePath(QLatin1String(settings) + ".svg");
        ASSERT_EQ(run(dir.filePath(settings), svgPath).code, 0);
        const QByteArray svg = fileBytes(svgPath);
        EXPECT_EQ(test::svgTextProblems(svg), "") << settings;
        QString title, desc;
        EXPECT_EQ(test::svgXmlError(svg, &title, &desc), "");
        EXPECT_TRUE(title.endsWith(" to age 90")) << title.toStdString();
        const int bands = settings[0] == 's' ? 6 : 150;
        EXPECT_EQ(desc.split(u'\n').size(), bands);
        QStringList texts;
        for (const test::SvgText& t : test::svgTexts(svg)) texts << t.text;
        EXPECT_TRUE(texts.contains("Today"));
        if (bands == 6) {
            EXPECT_TRUE(texts.contains(QString::fromUtf8("Sleeping — 8 Hrs a day")));
            EXPECT_TRUE(texts.contains(QString::fromUtf8("Moved house — 3 once")));
        } else {
            // Each band at least as thick as the least, with its label line above it.
            EXPECT_GT(test::svgViewSize(svg).height(), 150 * 2 * 12);
        }
    }
    EXPECT_EQ(runProgram({"--export-timeline", dir.filePath("t.jpg")}).err,
              "lifetally: The timeline file name must end in .png or .svg.\n"
              "Try 'lifetally --help' for more information.\n");
    EXPECT_TRUE(runProgram({"--settings", sample, "--export-timeline", dir.filePath("o.png"),
                            "--age", "20"})
                    .err.contains("You reached the age of 20 on 3/1/2010"));
    EXPECT_FALSE(QFile::exists(dir.filePath("o.png")));
}

// Exit codes and standard error; nothing said when all went well; no settings written.
TEST(ExportProgram, ExitCodes) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    writeFile(at("bad.ini"), "[DOB]\nDate=31/31/1990\n");
    writeFile(at("s.ini"), iniText(QStringLiteral("%2/%1/%3"), QStringLiteral("$12.50")).toUtf8());
    writeFile(at("empty.ini"), "[DOB]\nDate=3/1/1990\n");
    writeFile(at("blank.ini"), "");
    writeFile(at("other.ini"), "[Other]\nfoo=1\n");
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
         "lifetally: Unable to write to " + at("none/t.csv") + ": No such file or directory\n"},
        {{"--export-csv", at("b.csv"), "--settings", at("none.ini")},
         1,
         "lifetally: Cannot read " + at("none.ini") + ": No such file or directory.\n"},
        {{"--export-report", at("r.pdf")}, 0, ""},
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
        {{"--export-csv", at("s.ini")},
         1,
         "lifetally: Unable to write to " + at("s.ini") +
             ": It is the settings file, which an export never writes\n"},
        {{"--export-csv", at("b.csv"), "--settings", at("blank.ini")},
         1,
         "lifetally: Cannot read " + at("blank.ini") + ": It holds no Lifetally settings.\n"},
        {{"--export-csv", at("b.csv"), "--settings", at("other.ini")},
         1,
         "lifetally: Cannot read " + at("other.ini") + ": It holds no Lifetally settings.\n"},
        {{"--export-chart", "-"}, 2, "lifetally: '--export-chart' does not write to standard"},
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
    EXPECT_TRUE(readFile(at("r.pdf")).trimmed().endsWith("%%EOF"));
    EXPECT_FALSE(QFile::exists(at("none.ini")));
    // Standard output, by name or as "-", is written as it stands.
    for (const char* target : {"-", "/dev/stdout"}) {
        const ProgramRun run = runProgram({"--settings", at("s.ini"), "--export-csv", target});
        EXPECT_EQ(run.code, 0) << target;
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Table,Activity,Amount"))) << target;
    }
    EXPECT_EQ(QImage(at("c.png")).size(), QSize(1600, 1000));
    EXPECT_TRUE(fileBytes(at("c.svg")).contains("Money spent for Ann"));
}

// The report's library writes the date it was printed in the program's formats, not in
// formats of its own.
TEST(ExportProgram, ReportPrintedInTheProgramsDateFormat) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("sample.ini");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LT_SAMPLE_SETTINGS), settings));
    const std::array<const char*, 2> cases[] = {{"de_DE.UTF-8", "dd.MM.yyyy"},
                                                {"en_GB.UTF-8", "dd/MM/yyyy"}};
    for (const auto& [lang, format] : cases) {
        const QDate before = QDate::currentDate();
        QProcess p;
        p.setEnvironment({QStringLiteral("LC_ALL=") + lang, QStringLiteral("LANGUAGE=en"),
                          "PATH=" + qEnvironmentVariable("PATH")});
        p.start(QStringLiteral(LT_PROGRAM),
                {"--settings", settings, "--export-report", dir.filePath("r.pdf")});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << lang;
        const QString text = test::pdfText(dir.filePath("r.pdf"));
        // Past midnight while it ran, either day will do.
        const QString f = QLatin1String(format);
        EXPECT_TRUE(text.contains("Printed : " + before.toString(f)) ||
                    text.contains("Printed : " + QDate::currentDate().toString(f)))
            << lang << '\n'
            << text.toStdString();
    }
}

// The sample, recorded in en_US, exported under other locale variables: its dollars and
// dates read as written, whatever LC_NUMERIC, LC_TIME, LANG or LANGUAGE say.
TEST(ExportProgram, TheSampleReadsInTheFormatsItRecords) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("sample.ini");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LT_SAMPLE_SETTINGS), settings));
    const QList<QStringList> environments = {
        {"LANG=en_US.UTF-8", "LC_NUMERIC=de_DE.UTF-8"},  {"LANG=en_US.UTF-8", "LANGUAGE=de"},
        {"LANG=en_US.UTF-8", "LC_TIME=en_GB.UTF-8"},     {"LANG=ja_JP.UTF-8"},
        {"LANG=de_DE.UTF-8", "LC_MONETARY=ja_JP.UTF-8"},
    };
    for (const QStringList& environment : environments) {
        QProcess p;
        p.setEnvironment(environment + QStringList{"PATH=" + qEnvironmentVariable("PATH")});
        p.start(QStringLiteral(LT_PROGRAM), {"--settings", settings, "--export-csv", "-"});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString where = environment.join(u' ');
        EXPECT_EQ(p.exitCode(), 0) << where.toStdString();
        const QList<QStringList> csv = readCsv(p.readAllStandardOutput());
        ASSERT_EQ(csv.size(), 7) << where.toStdString();
        // Books: $12.50 a month from 15 January to 15 March 2020.
        EXPECT_EQ(csv[4], (QStringList{"money", "Books", "12.50", "USD", "Month", "2020-01-15",
                                       "2020-03-15", "25.00", "0.00"}))
            << where.toStdString();
        EXPECT_EQ(csv[5].mid(0, 6),
                  (QStringList{"money", "Coffee", "3.75", "USD", "Day", "2010-06-01"}))
            << where.toStdString();
    }
    EXPECT_EQ(fileBytes(settings), fileBytes(QStringLiteral(LT_SAMPLE_SETTINGS)));
}

// Names that are markup in XML are written into the SVG as text, so the file parses.
TEST(ExportProgram, ChartSvgIsXmlWhateverTheNames) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("s.ini");
    writeFile(
        settings,
        "[DOB]\nDate=3/1/1990\n[Name]\nname=Rock & <b>Ada</b>\n[Income]\nincome=50000\n"
        "[Money]\nCount=2\n"
        "[Money1]\nDesc=\"Quoted\" & 'single'\nAmount=$12.50\nPer=Month\nStart=1/1/2020\nEnd=Now\n"
        "[Money2]\nDesc=a < b > c\nAmount=$3.75\nPer=Day\nStart=1/1/2020\nEnd=Now\n");
    for (const char* bars : {"", "--bar"}) {
        const QString svgPath = dir.filePath(*bars ? "bars.svg" : "pie.svg");
        QStringList args{"--settings", settings, "--export-chart", svgPath, "--table", "money"};
        if (*bars) args << bars;
        ASSERT_EQ(runProgram(args).code, 0) << bars;
        QString title, desc;
        EXPECT_EQ(test::svgXmlError(fileBytes(svgPath), &title, &desc), "") << bars;
        EXPECT_TRUE(title.startsWith("Money spent for Rock & <b>Ada</b>")) << title.toStdString();
        EXPECT_TRUE(desc.contains("\"Quoted\" & 'single': ")) << desc.toStdString();
        EXPECT_TRUE(desc.contains("a < b > c: ")) << desc.toStdString();
    }
}

// Standard output as the shell left it: ">>" stays an append, two exports through one
// redirection both land, and a reader gone away fails that export alone.
TEST(ExportProgram, StandardOutputIsWrittenAsTheShellOpenedIt) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    writeFile(at("s.ini"), iniText(QStringLiteral("%2/%1/%3"), QStringLiteral("$12.50")).toUtf8());
    writeFile(at("log.txt"), "line1\nline2\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(at("log.txt"), QIODevice::Append);
    p.start(QStringLiteral(LT_PROGRAM), {"--settings", at("s.ini"), "--export-csv", "/dev/stdout",
                                         "--export-look-ahead", "/proc/self/fd/1"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QByteArray log = readFile(at("log.txt"));
    EXPECT_TRUE(log.startsWith("line1\nline2\nTable,Activity,Amount")) << log.toStdString();
    EXPECT_TRUE(log.contains("\r\nTable,Activity,Unit,So far,By age 80"));

    // As `lifetally --export-csv - --export-report r.pdf | true`: the pipe has no reader.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    QProcess closed;
    closed.setProcessEnvironment(env);
    closed.setChildProcessModifier([&pipeEnds] {
        ::signal(SIGPIPE, SIG_DFL);
        ::dup2(pipeEnds[1], STDOUT_FILENO);
    });
    closed.start(QStringLiteral(LT_PROGRAM),
                 {"--settings", at("s.ini"), "--export-csv", "-", "--export-report", at("r.pdf")});
    ASSERT_TRUE(closed.waitForFinished(30000));
    ::close(pipeEnds[1]);
    EXPECT_EQ(closed.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(closed.exitCode(), 1);
    EXPECT_EQ(closed.readAllStandardError(),
              "lifetally: Unable to write to standard output: Broken pipe\n");
    EXPECT_TRUE(readFile(at("r.pdf")).trimmed().endsWith("%%EOF"));
}

// The program carried alone writes its tables and look ahead; the report and the chart
// say which library is missing or which version it is, and write nothing, until the
// library of this very build is where an installation puts it.
TEST(ExportProgram, OutputsLibraryFromTheInstalledFolderOrRefused) {
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("usr/bin"));
    ASSERT_TRUE(QDir().mkpath(bin) && QFile::copy(QStringLiteral(LT_PROGRAM), bin + "/lifetally"));
    writeFile(dir.filePath("s.ini"), iniText(QStringLiteral("%2/%1/%3"), "$12.50").toUtf8());
    const QString installed = outputsLibraryPaths(bin).constLast();
    EXPECT_TRUE(installed.startsWith(dir.filePath(QStringLiteral("usr/lib/"))))
        << installed.toStdString();
    const auto run = [&](const QStringList& exports) {
        return runProgram(QStringList{"--settings", dir.filePath("s.ini")} + exports, {},
                          bin + "/lifetally");
    };
    ProgramRun alone =
        run({"--export-csv", dir.filePath("t.csv"), "--export-look-ahead", dir.filePath("l.csv")});
    EXPECT_EQ(alone.code, 0) << alone.err.toStdString();
    EXPECT_TRUE(readFile(dir.filePath("t.csv")).startsWith("Table,Activity"));
    EXPECT_FALSE(readFile(dir.filePath("l.csv")).isEmpty());

    const QString thisBuild =
        QStringLiteral("Lifetally " LT_VERSION " (build " LT_OUTPUTS_BUILD ")");
    const QString built =
        QFileInfo(QStringLiteral(LT_PROGRAM)).dir().filePath("lifetally-outputs.so");
    const struct {
        const char* library;  // copied to the installed place; empty for none
        QString error;
    } cases[] = {
        {"", "lifetally: Cannot load " + installed + ": No such file.\n"},
        {LT_FOREIGN_OUTPUTS, "lifetally: Cannot load " + installed +
                                 ": It is the library of Lifetally 0.9 (build 0123456789ab), "
                                 "and this program is " +
                                 thisBuild + ".\n"},
        {"built", ""},
    };
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
    for (const auto& c : cases) {
        QFile::remove(installed);
        const QString library =
            QLatin1String(c.library) == u"built" ? built : QString::fromUtf8(c.library);
        if (!library.isEmpty()) {
            ASSERT_TRUE(QFile::copy(library, installed)) << c.library;
        }
        QFile::remove(dir.filePath("r.pdf"));
        const ProgramRun r = run({"--export-report", dir.filePath("r.pdf")});
        EXPECT_EQ(r.code, c.error.isEmpty() ? 0 : 1) << c.library;
        EXPECT_EQ(r.err, c.error) << c.library;
        EXPECT_EQ(QFile::exists(dir.filePath("r.pdf")), c.error.isEmpty()) << c.library;
    }
}

// The library gets from the program only the interface it is handed: the program exports
// no symbol of its own, and the library only what the plugin loader looks up.
TEST(ExportProgram, TheDoorIsAllEachSideExports) {
    const QString library =
        QFileInfo(QStringLiteral(LT_PROGRAM)).dir().filePath("lifetally-outputs.so");
    const struct {
        QString file;
        QStringList symbols;
    } sides[] = {
        {QStringLiteral(LT_PROGRAM), {}},
        {library, {"qt_plugin_instance", "qt_plugin_query_metadata_v2"}},
    };
    for (const auto& side : sides) {
        QProcess nm;
        nm.start(QStringLiteral("nm"),
                 {"-D", "--defined-only", "--format=just-symbols", side.file});
        ASSERT_TRUE(nm.waitForFinished(30000));
        ASSERT_EQ(nm.exitCode(), 0) << nm.readAllStandardError().toStdString();
        QStringList symbols = QString::fromUtf8(nm.readAllStandardOutput()).split(u'\n');
        symbols.removeAll(QString());
        symbols.sort();
        EXPECT_EQ(symbols, side.symbols) << side.file.toStdString();
    }
}

TEST(ExportProgram, WithoutADisplayTheWindowSaysSoInOneLine) {
    const ProgramRun run = runProgram({}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.count(u'\n'), 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("graphical session")) &&
                run.err.contains(QStringLiteral("--export-*")))
        << run.err.toStdString();
}

// The words follow LANGUAGE, else LC_ALL, LC_MESSAGES or LANG; a language not shipped
// falls back to English. Qt's own words (here its command-line parser's) come along,
// both before a display is opened and after.
TEST(ExportProgram, TheLanguageIsTheUsersFirstShippedOne) {
    const struct {
        QStringList environment;
        const char* said;
    } rows[] = {
        {{"LANGUAGE=de", "LANG=en_US.UTF-8"}, "Unbekannte Option 'x'."},
        {{"LANG=de_DE.UTF-8"}, "Unbekannte Option 'x'."},
        {{"LANG=de_DE.UTF-8", "LANGUAGE=en"}, "Unknown option 'x'."},
        {{"LANG=en_US.UTF-8", "LC_MESSAGES=es_ES.UTF-8"}, "Opción desconocida «x»."},
        {{"LC_ALL=fr_FR.UTF-8", "LANG=de_DE.UTF-8"}, "Option inconnue \"x\"."},
        {{"LANGUAGE=pt_BR:fr", "LANG=de_DE.UTF-8"}, "Option inconnue \"x\"."},
        {{"LANGUAGE=ar", "LANG=ar_EG.UTF-8"}, "Unknown option 'x'."},
    };
    for (const auto& r : rows) {
        for (const QStringList& args : {QStringList{"--x"}, {"-platform", "offscreen", "--x"}}) {
            QProcess p;
            p.setEnvironment(r.environment + QStringList{"PATH=" + qEnvironmentVariable("PATH")});
            p.start(QStringLiteral(LT_PROGRAM), args);
            ASSERT_TRUE(p.waitForFinished(30000));
            EXPECT_EQ(p.exitCode(), 2);
            // Qt may first note the session's missing runtime folder.
            const QStringList lines = QString::fromUtf8(p.readAllStandardError()).split(u'\n');
            EXPECT_TRUE(lines.contains(QStringLiteral("lifetally: ") + QString::fromUtf8(r.said)))
                << (r.environment + args).join(u' ').toStdString() << ": "
                << lines.join(u'\n').toStdString();
        }
    }
}

TEST(ExportProgram, HelpEndsWithTheManualPageAndTheHomePage) {
    const ProgramRun run = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.endsWith(QStringLiteral(
        "More in the manual page (man lifetally) and at https://tallyhouse.example\n")));
}

}  // namespace
}  // namespace lt
