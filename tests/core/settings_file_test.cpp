#include "core/settings_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>

#include "core/table_description.h"
#include "support/test_env.h"

namespace lt {
namespace {

using Row = std::array<QString, 5>;

// The formats an en_US run writes with: numbers, dates and the dollar.
const QByteArray kUsRecord =
    "[Locale]\nName=en_US\nNumbers=en_US\nDates=en_US\nCurrency=USD\nCurrencySymbol=$\n";

unsigned modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// What the main window hands over: every table with its 50 data rows.
StoredSettings emptySession() {
    StoredSettings s;
    s.name = "Ann";
    s.birthDateText = "1/2/1990";
    s.income = 123;
    for (auto& t : s.tables) t.assign(50, Row{});
    return s;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("lifetally.ini");
    }
    StoredSettings readBack(const QByteArray& content) {
        test::writeFile(path_, content);
        return readSettingsFile(path_);
    }

    test::PinnedEnv env_;
    QTemporaryDir dir_;
    QString path_;
};

// ---- Reading ----

TEST_F(SettingsFileTest, MissingFileGivesTheDefaults) {
    const StoredSettings s = readSettingsFile(path_);
    EXPECT_EQ(s.name, "Your name");
    EXPECT_EQ(s.birthDateText, "12/6/2026");  // the pinned today in en_US
    EXPECT_EQ(s.income, 250000);
    for (const auto& t : s.tables) {
        ASSERT_EQ(t.size(), 5u);
        for (const Row& r : t)
            for (const QString& cell : r) EXPECT_TRUE(cell.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(path_));  // reading creates nothing
}

TEST_F(SettingsFileTest, TodayFollowsTheLocale) {
    test::PinnedEnv german(test::PinnedEnv::defaultNow(),
                           QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(readSettingsFile(path_).birthDateText, "06.12.2026");
}

TEST_F(SettingsFileTest, MissingKeysTakeTheirDefaultsOthersAreRead) {
    const StoredSettings s = readBack("[Name]\nname=Bob\n[Money]\nCount=1\n[Money1]\nDesc=Rent\n");
    EXPECT_EQ(s.name, "Bob");
    EXPECT_EQ(s.birthDateText, "12/6/2026");
    EXPECT_EQ(s.income, 250000);
    EXPECT_EQ(s.tables[tableIndex(TableKind::Hours)].size(), 5u);
    ASSERT_EQ(s.tables[tableIndex(TableKind::Money)].size(), 1u);
    EXPECT_EQ(s.tables[tableIndex(TableKind::Money)][0], (Row{"Rent", "", "", "", ""}));
    EXPECT_EQ(s.tables[tableIndex(TableKind::Freq)].size(), 5u);
}

TEST_F(SettingsFileTest, EmptyNameStaysEmptyEmptyDateBecomesToday) {
    const StoredSettings s = readBack("[DOB]\nDate=\n[Name]\nname=\n");
    EXPECT_EQ(s.name, "");
    EXPECT_EQ(s.birthDateText, "12/6/2026");
}

TEST_F(SettingsFileTest, DateIsLoadedAsItStands) {
    // Not a date in this locale: loaded as is, the windows report it when they parse it.
    EXPECT_EQ(readBack("[DOB]\nDate=31.12.1980\n").birthDateText, "31.12.1980");
    EXPECT_EQ(readBack("[DOB]\nDate=not a date\n").birthDateText, "not a date");
}

TEST_F(SettingsFileTest, LookupsIgnoreCase) {
    const StoredSettings s = readBack(
        "[dob]\ndate=3/4/1975\n[NAME]\nNAME=Eve\n[income]\nINCOME=77\n"
        "[HOURS]\ncount=1\n[hour1]\ndesc=Sleep\nhrmin=8 Hrs 0 Mins\nPER=Day\nstart=1/1/2000\n"
        "END=Now\n");
    EXPECT_EQ(s.birthDateText, "3/4/1975");
    EXPECT_EQ(s.name, "Eve");
    EXPECT_EQ(s.income, 77);
    ASSERT_EQ(s.tables[tableIndex(TableKind::Hours)].size(), 1u);
    EXPECT_EQ(s.tables[tableIndex(TableKind::Hours)][0],
              (Row{"Sleep", "8 Hrs 0 Mins", "Day", "1/1/2000", "Now"}));
}

struct CountCase {
    const char* stored;
    size_t rows;
};

class SettingsCountTest : public SettingsFileTest,
                          public ::testing::WithParamInterface<CountCase> {};

TEST_P(SettingsCountTest, CountDecidesHowManyRowsAreRead) {
    QByteArray content = QByteArray("[Freq]\nCount=") + GetParam().stored + "\n";
    for (int n = 1; n <= 51; ++n)
        content += "[Freq" + QByteArray::number(n) + "]\nDesc=F" + QByteArray::number(n) +
                   "\nAmount=" + QByteArray::number(n * 10) + "\n";
    const StoredSettings s = readBack(content);
    const auto& t = s.tables[tableIndex(TableKind::Freq)];
    ASSERT_EQ(t.size(), GetParam().rows);
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i][0], QStringLiteral("F%1").arg(i + 1));
        EXPECT_EQ(t[i][1], QString::number((i + 1) * 10));
        EXPECT_EQ(t[i][2], "");
    }
    // The other tables keep their default count.
    EXPECT_EQ(s.tables[tableIndex(TableKind::Hours)].size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SettingsCountTest,
    ::testing::Values(CountCase{"2", 2},    // later sections ignored
                      CountCase{"51", 50},  // section 51 ignored
                      CountCase{"50", 50}, CountCase{"1000", 50}, CountCase{"0", 0},
                      CountCase{"-3", 0}, CountCase{"0x3", 3},        // hexadecimal
                      CountCase{"0X0A", 10}, CountCase{"", 5},        // empty: default
                      CountCase{"two", 5},                            // not a number: default
                      CountCase{"2 rows", 5}, CountCase{" 7 ", 7}));  // trimmed

struct IncomeCase {
    const char* stored;
    qint64 income;
};

class SettingsIncomeTest : public SettingsFileTest,
                           public ::testing::WithParamInterface<IncomeCase> {};

TEST_P(SettingsIncomeTest, IncomeIsReadAsStored) {
    const StoredSettings s = readBack(QByteArray("[Income]\nincome=") + GetParam().stored + "\n");
    EXPECT_EQ(s.income, GetParam().income);
}

INSTANTIATE_TEST_SUITE_P(
    Incomes, SettingsIncomeTest,
    ::testing::Values(IncomeCase{"0", 0}, IncomeCase{"1234567", 1234567},
                      IncomeCase{"99999999", 99999999},
                      IncomeCase{"100000000", 100000000},  // more than the field holds
                      IncomeCase{"999999999999", 999999999999}, IncomeCase{"-1", -1},
                      IncomeCase{"0x1E240", 123456}, IncomeCase{"0xFFFFFFFF", 4294967295},
                      IncomeCase{"", 250000}, IncomeCase{"$250,000", 250000},
                      IncomeCase{"12.5", 250000}, IncomeCase{"99999999999999999999", 250000}));

TEST_F(SettingsFileTest, LongValuesAreCutAt1023Characters) {
    const QByteArray longName(1500, 'n');
    const QByteArray longDesc = QByteArray(1023, 'd') + "tail";
    const StoredSettings s = readBack("[Name]\nname=" + longName +
                                      "\n[Hours]\nCount=1\n[Hour1]\nDesc=" + longDesc + "\n");
    EXPECT_EQ(s.name, QString(1023, u'n'));
    EXPECT_EQ(s.tables[tableIndex(TableKind::Hours)][0][0], QString(1023, u'd'));
}

TEST_F(SettingsFileTest, FilledRowsMoveUpOverBlankRows) {
    const StoredSettings s = readBack(
        "[Freq1]\nAmount=1\n[Freq2]\nDesc=   \n[Freq3]\nDesc=A\n"
        "[Freq4]\nDesc=''\n[Freq5]\nDesc=B\n");
    EXPECT_EQ(s.tables[tableIndex(TableKind::Freq)],
              (std::vector<Row>{{"A"}, {"B"}, {"", "1"}, {}, {}}));
}

// ---- Writing ----

TEST_F(SettingsFileTest, FreshFileHasExactlyTheSectionsKeysAndOrder) {
    StoredSettings s = emptySession();
    s.tables[tableIndex(TableKind::Hours)][0] =
        Row{"Sleep", "8 Hrs 0 Mins", "Day", "1/2/1990", "Now"};
    writeSettingsFile(path_, s);
    const QByteArray bytes = test::readFile(path_);

    EXPECT_TRUE(
        bytes.startsWith("[DOB]\n"
                         "Date=1/2/1990\n"
                         "[Name]\n"
                         "name=Ann\n"
                         "[Income]\n"
                         "income=123\n"
                         "[Hours]\n"
                         "Count=51\n"
                         "[Hour1]\n"
                         "Desc=Sleep\n"
                         "HrMin=8 Hrs 0 Mins\n"
                         "Per=Day\n"
                         "Start=1/2/1990\n"
                         "End=Now\n"
                         "[Hour2]\n"
                         "Desc=\n"
                         "HrMin=\n"
                         "Per=\n"
                         "Start=\n"
                         "End=\n"
                         "[Hour3]\n"))
        << bytes.left(400).constData();
    EXPECT_TRUE(
        bytes.contains("[Hour51]\nDesc=\nHrMin=\nPer=\nStart=\nEnd=\n"
                       "[Money]\nCount=51\n"
                       "[Money1]\nDesc=\nAmount=\nPer=\nStart=\nEnd=\n"));
    EXPECT_TRUE(
        bytes.contains("[Money51]\nDesc=\nAmount=\nPer=\nStart=\nEnd=\n"
                       "[Freq]\nCount=51\n"
                       "[Freq1]\nDesc=\nAmount=\nPer=\nStart=\nEnd=\n"));
    // The locale that wrote the dates and amounts follows the last row section.
    EXPECT_TRUE(bytes.endsWith("[Freq51]\nDesc=\nAmount=\nPer=\nStart=\nEnd=\n" + kUsRecord));
    EXPECT_FALSE(bytes.contains('\r'));

    // 6 lines for the six single sections, 6 per row section, 6 for the locale.
    QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray());  // the last line ends too
    ASSERT_EQ(lines.size(), 936);

    // Every section in order, each followed by exactly its keys.
    QList<QByteArray> expectedHeaders = {"[DOB]", "[Name]", "[Income]"};
    const struct {
        const char* count;
        const char* row;
    } tables[] = {{"[Hours]", "[Hour%1]"}, {"[Money]", "[Money%1]"}, {"[Freq]", "[Freq%1]"}};
    for (const auto& t : tables) {
        expectedHeaders << t.count;
        for (int n = 1; n <= 51; ++n) expectedHeaders << QString(t.row).arg(n).toUtf8();
    }
    expectedHeaders << "[Locale]";
    QList<QByteArray> headers;
    for (const QByteArray& l : lines)
        if (l.startsWith('[')) headers << l;
    EXPECT_EQ(headers, expectedHeaders);
    EXPECT_EQ(headers.size(), 6 + 3 * 51 + 1);
    EXPECT_EQ(lines.count("Count=51"), 3);
    EXPECT_EQ(lines.count("Desc="), 3 * 51 - 1);
    EXPECT_EQ(lines.count("HrMin="), 50);
    EXPECT_EQ(lines.count("Amount="), 2 * 51);
    EXPECT_EQ(lines.count("End="), 3 * 51 - 1);
}

TEST_F(SettingsFileTest, WritingTwiceGivesTheSameFile) {
    StoredSettings s = emptySession();
    s.tables[tableIndex(TableKind::Money)][0] = Row{"Rent", "$800", "Month", "1/1/2010", "Now"};
    writeSettingsFile(path_, s);
    const QByteArray first = test::readFile(path_);
    writeSettingsFile(path_, s);
    EXPECT_EQ(test::readFile(path_), first);
}

TEST_F(SettingsFileTest, MissingFoldersAreMadeOnTheFirstSave) {
    const QString path = dir_.filePath("config/lifetally/lifetally.ini");
    StoredSettings s = emptySession();
    s.name = "Ada";
    writeSettingsFile(path, s);
    EXPECT_EQ(readSettingsFile(path).name, QString("Ada"));
    // A name, a birth date and an income: the user's alone.
    for (const char* made : {"config", "config/lifetally"})
        EXPECT_EQ(modeOf(dir_.filePath(made)), 0700u) << made;
    EXPECT_EQ(modeOf(path), 0600u);
}

TEST_F(SettingsFileTest, ShortTablesAreWrittenWithEmptyRows) {
    StoredSettings s = emptySession();
    for (auto& t : s.tables) t.clear();
    s.tables[tableIndex(TableKind::Freq)] = {Row{"Run", "3", "Week", "1/1/2020", "Now"}};
    writeSettingsFile(path_, s);
    const QByteArray bytes = test::readFile(path_);
    EXPECT_TRUE(
        bytes.contains("[Freq1]\nDesc=Run\nAmount=3\nPer=Week\nStart=1/1/2020\nEnd=Now\n"
                       "[Freq2]\nDesc=\nAmount=\n"));
    EXPECT_EQ(bytes.split('\n').size() - 1, 936);
}

TEST_F(SettingsFileTest, RowsPastFiftyAreNotWritten) {
    StoredSettings s = emptySession();
    s.tables[tableIndex(TableKind::Hours)].resize(
        52, Row{"Extra", "1 Hrs 0 Mins", "Day", "1/1/2000", "Now"});
    writeSettingsFile(path_, s);
    const QByteArray bytes = test::readFile(path_);
    EXPECT_TRUE(bytes.contains("[Hour51]\nDesc=\nHrMin=\nPer=\nStart=\nEnd=\n[Money]\n"));
    EXPECT_FALSE(bytes.contains("Extra"));
}

TEST_F(SettingsFileTest, FullSessionRoundTrip) {
    StoredSettings s = emptySession();
    s.name = "  Jo = Smith ";  // leading blanks and an equals sign
    s.birthDateText = "7/15/1961";
    s.income = 99999999;
    for (int i = 0; i < 49; ++i)
        s.tables[tableIndex(TableKind::Hours)][i] =
            Row{QStringLiteral("Activity %1").arg(i + 1),
                QStringLiteral("%1 Hrs %2 Mins").arg(i % 24).arg(i), i % 2 ? "Week" : "Day",
                "1/1/2000", i % 3 ? "Now" : "12/31/2020"};
    s.tables[tableIndex(TableKind::Money)][0] =
        Row{"a=b", "$1,200.50", "Once", "3/3/2003", "3/3/2003"};
    s.tables[tableIndex(TableKind::Money)][1] = Row{"\"Quoted\"", "$5", "Year", "1/1/1990", "Now"};
    s.tables[tableIndex(TableKind::Money)][2] =
        Row{QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"), "$3", "Day", "1/1/2001", "Now"};
    s.tables[tableIndex(TableKind::Freq)][0] = Row{"Haircut", "1", "Month", "6/1/1970", "Now"};
    writeSettingsFile(path_, s);

    const StoredSettings r = readSettingsFile(path_);
    // Blanks and quotes come back as typed; the equals sign stays in the value.
    EXPECT_EQ(r.name, "  Jo = Smith ");
    EXPECT_EQ(r.birthDateText, "7/15/1961");
    EXPECT_EQ(r.income, 99999999);
    ASSERT_EQ(r.tables[tableIndex(TableKind::Hours)].size(), 50u);  // Count 51 loads rows 1 to 50
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(r.tables[tableIndex(TableKind::Hours)][i],
                  s.tables[tableIndex(TableKind::Hours)][i]);
    EXPECT_EQ(r.tables[tableIndex(TableKind::Hours)][49], Row{});
    EXPECT_EQ(r.tables[tableIndex(TableKind::Hours)][48][1], "0 Hrs 48 Mins");  // 48 % 24, 48
    ASSERT_EQ(r.tables[tableIndex(TableKind::Money)].size(), 50u);
    EXPECT_EQ(r.tables[tableIndex(TableKind::Money)][0], s.tables[tableIndex(TableKind::Money)][0]);
    EXPECT_EQ(r.tables[tableIndex(TableKind::Money)][1], s.tables[tableIndex(TableKind::Money)][1]);
    EXPECT_EQ(r.tables[tableIndex(TableKind::Money)][2], s.tables[tableIndex(TableKind::Money)][2]);
    for (int i = 3; i < 50; ++i) EXPECT_EQ(r.tables[tableIndex(TableKind::Money)][i], Row{});
    EXPECT_EQ(r.tables[tableIndex(TableKind::Freq)][0], s.tables[tableIndex(TableKind::Freq)][0]);
    EXPECT_EQ(r.tables[tableIndex(TableKind::Freq)][1], Row{});

    // Stored inside one more pair of quotes, which every reader of the format takes off.
    EXPECT_TRUE(test::readFile(path_).contains("\n[Name]\nname=\"  Jo = Smith \"\n"));
    EXPECT_TRUE(test::readFile(path_).contains("\nDesc=\"\"Quoted\"\"\n"));
}

TEST_F(SettingsFileTest, CommentsAndUnknownSectionsAreKeptThroughASave) {
    const QByteArray before =
        "; written by hand\r\n"
        "[Window]\r\n"
        "Left=10\r\n"
        "\r\n"
        "[name]\r\n"
        "NAME=Old\r\n"
        "; keep me\r\n"
        "Nick=Al\r\n"
        "[hours]\r\n"
        "Count=2\r\n"
        "[HOUR1]\r\n"
        "Desc=Old row\r\n"
        "Note=mine\r\n";
    test::writeFile(path_, before);
    StoredSettings s = emptySession();
    s.tables[tableIndex(TableKind::Hours)][0] =
        Row{"Sleep", "8 Hrs 0 Mins", "Day", "1/2/1990", "Now"};
    writeSettingsFile(path_, s);
    const QByteArray after = test::readFile(path_);

    EXPECT_TRUE(
        after.startsWith("; written by hand\r\n"
                         "[Window]\r\n"
                         "Left=10\r\n"
                         "\r\n"
                         "[name]\r\n"
                         "NAME=Ann\r\n"  // replaced in place, stored case kept
                         "; keep me\r\n"
                         "Nick=Al\r\n"
                         "[hours]\r\n"
                         "Count=51\r\n"
                         "[HOUR1]\r\n"
                         "Desc=Sleep\r\n"
                         "Note=mine\r\n"  // new keys go after the section's last key
                         "HrMin=8 Hrs 0 Mins\r\n"
                         "Per=Day\r\n"
                         "Start=1/2/1990\r\n"
                         "End=Now\r\n"
                         "[DOB]\r\n"  // missing sections follow at the end, in write order
                         "Date=1/2/1990\r\n"
                         "[Income]\r\n"
                         "income=123\r\n"
                         "[Hour2]\r\n"
                         "Desc=\r\n"))
        << after.left(500).constData();
    // The file keeps its CRLF line ends throughout.
    EXPECT_EQ(after.count("\r\n"), after.count('\n'));
    EXPECT_EQ(after.count('\r'), after.count('\n'));
    // 13 lines kept, 4 keys added to HOUR1, 4 for DOB and Income, and the rest of the
    // row sections and the Money and Freq tables as in a fresh file.
    EXPECT_EQ(after.count('\n'), 13 + 4 + 4 + (50 * 6) + 2 * (2 + 51 * 6) + 6);

    const StoredSettings r = readSettingsFile(path_);
    EXPECT_EQ(r.name, "Ann");
    EXPECT_EQ(r.tables[tableIndex(TableKind::Hours)][0][0], "Sleep");
}

TEST_F(SettingsFileTest, Cp1252LinesAreReadAsLettersAndWrittenAsUtf8) {
    const QByteArray other = "[Other]\nWho=Fran\xe7oise\n";  // not written: kept as it is
    writeSettingsFile(path_, readBack("[Name]\nname=Jos\xe9\n[Hour1]\nDesc=M\xfcller\n" + other));
    const QByteArray utf8 = "[Name]\nname=Jos\xc3\xa9\n[Hour1]\nDesc=M\xc3\xbcller\nHrMin=\n";
    EXPECT_TRUE(test::readFile(path_).startsWith(utf8 + "Per=\nStart=\nEnd=\n" + other));
}

// ---- Failures ----

// The message of the read's failure; empty when the file reads.
QString readError(const QString& path) {
    try {
        readSettingsFile(path);
    } catch (const SettingsReadError& e) {
        return e.message();
    }
    return QString();
}

void expectWriteError(const QString& path, const StoredSettings& s, const QString& message,
                      bool overwriteUnreadable = false) {
    try {
        writeSettingsFile(path, s, overwriteUnreadable);
        ADD_FAILURE() << "no SettingsWriteError for " << path.toStdString();
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(e.message(), message);
        EXPECT_EQ(QString::fromStdString(e.what()), message);
    }
}

TEST_F(SettingsFileTest, FolderThatIsAFileThrowsWithTheFullPath) {
    test::writeFile(dir_.filePath("plain"), "not a folder");
    const QString path = dir_.filePath("plain/lifetally.ini");
    expectWriteError(path, emptySession(), "Unable to write to " + path + ": Not a directory");
    EXPECT_EQ(test::readFile(dir_.filePath("plain")), QByteArray("not a folder"));
}

TEST_F(SettingsFileTest, RelativePathIsReportedInFull) {
    test::writeFile(dir_.filePath("plain"), "x");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    expectWriteError(
        "plain/lifetally.ini", emptySession(),
        "Unable to write to " + QDir::currentPath() + "/plain/lifetally.ini: Not a directory");
    QDir::setCurrent(before);
}

const QByteArray kOldFile = "; my file\n[DOB]\nDate=1/1/1950\n[Name]\nname=Old\n[Other]\nx=1\n";

TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFileByteForByte) {
    // A file size limit makes the write fail part-way, as a full disk would; it works
    // for every user, root included.
    test::writeFile(path_, kOldFile);
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 256;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool thrown = false;
    QString message;
    try {
        writeSettingsFile(path_, emptySession());
    } catch (const SettingsWriteError& e) {
        thrown = true;
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(thrown);
    EXPECT_EQ(message, "Unable to write to " + path_ + ": File too large");
    EXPECT_EQ(test::readFile(path_), kOldFile);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"lifetally.ini"});
}

TEST_F(SettingsFileTest, ReadOnlyFolderLeavesTheOldFileByteForByte) {
    test::writeFile(path_, kOldFile);
    QFile::setPermissions(path_, QFile::ReadOwner);  // a writable file would be written in place
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    bool thrown = false;
    QString message;
    try {
        writeSettingsFile(path_, emptySession());
    } catch (const SettingsWriteError& e) {
        thrown = true;
        message = e.message();
    }
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!thrown) GTEST_SKIP() << "the folder stays writable for this user (root)";
    EXPECT_EQ(message, "Unable to write to " + path_ + ": Permission denied");
    EXPECT_EQ(test::readFile(path_), kOldFile);
}

TEST_F(SettingsFileTest, ReadOnlyFolderWritableFileIsWrittenInPlace) {
    test::writeFile(path_,
                    "[Name]\nname=" + QByteArray(20000, 'n') + "\n");  // longer than the new file
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool root = QFileInfo(dir_.path()).isWritable();
    EXPECT_NO_THROW(writeSettingsFile(path_, emptySession()));
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (root) GTEST_SKIP() << "the folder stays writable for this user (root)";
    EXPECT_TRUE(test::readFile(path_).endsWith("\n[Freq51]\nDesc=\nAmount=\nPer=\nStart=\nEnd=\n" +
                                               kUsRecord));
}

TEST_F(SettingsFileTest, UnreadableOldFileIsNotReplaced) {
    // Its other contents would be lost if it were overwritten without being read.
    test::writeFile(path_, kOldFile);
    QFile::setPermissions(path_, QFile::WriteOwner);
    QFile probe(path_);
    const bool readable = probe.open(QIODevice::ReadOnly);
    probe.close();
    if (readable) {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
        GTEST_SKIP() << "the file stays readable for this user (root)";
    }
    expectWriteError(path_, emptySession(), "Unable to write to " + path_ + ": Permission denied");
    EXPECT_EQ(readError(path_), "Cannot read " + path_ + ": Permission denied.");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(test::readFile(path_), kOldFile);
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileIsLeftAlone) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("lifetally.ini"));
    test::writeFile(dir_.filePath("lifetally.ini/inside"), "kept");
    expectWriteError(path_, emptySession(), "Unable to write to " + path_ + ": Is a directory");
    expectWriteError(path_, emptySession(), "Unable to write to " + path_ + ": Is a directory",
                     true);
    EXPECT_TRUE(QFileInfo(path_).isDir());
    EXPECT_EQ(test::readFile(dir_.filePath("lifetally.ini/inside")), QByteArray("kept"));
    EXPECT_EQ(readError(path_), "Cannot read " + path_ + ": Is a directory.");
}

// ---- Files that cannot be read, files from another locale ----

struct UnreadableCase {
    const char* name;
    QByteArray content;
};
void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class SettingsUnreadableTest : public SettingsFileTest,
                               public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(SettingsUnreadableTest, IsSaidAndNotWrittenOverUnlessAsked) {
    test::writeFile(path_, GetParam().content);
    EXPECT_EQ(readError(path_), "Cannot read " + path_ + ": It is not a settings file.");
    expectWriteError(path_, emptySession(),
                     "Unable to write to " + path_ + ": It is not a settings file");
    EXPECT_EQ(test::readFile(path_), GetParam().content);
    writeSettingsFile(path_, emptySession(), true);
    EXPECT_EQ(readSettingsFile(path_).name, "Ann");
}

// The exports ask for settings: a file that holds none would export as empty tables.
TEST_F(SettingsFileTest, AFileWithoutTheProgramsSectionsIsRefusedWhenSettingsAreRequired) {
    for (const QByteArray& content : {QByteArray(), QByteArray("[Other]\nfoo=1\n")}) {
        test::writeFile(path_, content);
        EXPECT_EQ(readSettingsFile(path_).name, "Your name");  // a first start
        try {
            readSettingsFile(path_, nullptr, true);
            ADD_FAILURE() << content.constData();
        } catch (const SettingsReadError& e) {
            EXPECT_EQ(e.message(), "Cannot read " + path_ + ": It holds no Lifetally settings.");
        }
    }
    test::writeFile(path_, "[Freq7]\nDesc=Kept\n");
    EXPECT_NO_THROW(readSettingsFile(path_, nullptr, true));
}

// Close never writes what the next start could not read: the old file stays.
TEST_F(SettingsFileTest, ASaveThatWouldPassTheReadLimitIsRefusedBeforeWriting) {
    QByteArray content = "; " + QByteArray(int(kMaxReadSize) - 100, 'x') + "\n[Name]\nname=Ann\n";
    test::writeFile(path_, content);
    ASSERT_EQ(readSettingsFile(path_).name, "Ann");
    expectWriteError(path_, emptySession(),
                     "Unable to write to " + path_ +
                         ": It would be larger than 64 MiB, more than Lifetally reads");
    EXPECT_EQ(QFileInfo(path_).size(), content.size());
}

// Two names of one file share one lock.
TEST_F(SettingsFileTest, ALinkToTheFileSharesItsLock) {
    test::writeFile(path_, "[Name]\nname=Ann\n");
    const QString link = dir_.filePath("link.ini");
    ASSERT_TRUE(QFile::link(path_, link));
    const SettingsLock first(path_);
    EXPECT_FALSE(first.heldElsewhere());
    EXPECT_TRUE(SettingsLock(link).heldElsewhere());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, SettingsUnreadableTest, ::testing::Values(
    UnreadableCase{"Binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR=\x01", 18)},
    UnreadableCase{"Utf16WithoutMark", QByteArray("[\0N\0a\0m\0e\0]\0\n\0", 14)},
    UnreadableCase{"NoLineMakesSense", "Dear diary,\nnothing here is a setting\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SettingsFileTest, Utf16IsReadByItsMarkAndWrittenBackAsUtf8) {
    const QString text = QStringLiteral("[Name]\r\nname=Zo\u00eb\r\n");
    QByteArray le("\xFF\xFE");
    le.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(readBack(le).name, QStringLiteral("Zo\u00eb"));
    writeSettingsFile(path_, readSettingsFile(path_));
    EXPECT_TRUE(test::readFile(path_).startsWith("[Name]\r\nname=Zo\xc3\xab\r\n[DOB]\r\n"));
}

TEST_F(SettingsFileTest, AFileWrittenInOneLocaleOpensInAnother) {
    StoredSettings s = emptySession();  // born 2 January 1990
    s.tables[tableIndex(TableKind::Hours)][0] = Row{"Sleep", "8 Hrs", "Day", "3/1/1990", "Now"};
    s.tables[tableIndex(TableKind::Money)][0] =
        Row{"Books", "$1,212.50", "Month", "1/15/2020", "Now"};
    s.tables[tableIndex(TableKind::Freq)][0] = Row{"Moves", "1,003", "Once", "3/1/2000", "x"};
    writeSettingsFile(path_, s);
    const QByteArray written = test::readFile(path_);
    {
        test::PinnedEnv german(test::PinnedEnv::defaultNow(),
                               QLocale(QLocale::German, QLocale::Germany));
        const StoredSettings r = readSettingsFile(path_);
        EXPECT_EQ(r.birthDateText, "02.01.1990");
        EXPECT_EQ(r.tables[tableIndex(TableKind::Hours)][0],
                  (Row{"Sleep", "8 Hrs", "Day", "01.03.1990", "Now"}));
        // German numbers, and still dollars.
        EXPECT_EQ(r.tables[tableIndex(TableKind::Money)][0],
                  (Row{"Books", "$1.212,50", "Month", "15.01.2020", "Now"}));
        EXPECT_EQ(r.currency, (loc::Currency{"USD", "$"}));
        // What does not read in the recorded locale is left to be reported where it is used.
        EXPECT_EQ(r.tables[tableIndex(TableKind::Freq)][0],
                  (Row{"Moves", "1.003", "Once", "01.03.2000", "x"}));
        writeSettingsFile(path_, r);
        EXPECT_TRUE(test::readFile(path_).contains(
            "[Locale]\nName=de_DE\nNumbers=de_DE\nDates=de_DE\nCurrency=USD\nCurrencySymbol=$\n"));
    }
    // Back in en_US, the German file reads as the first one was written.
    EXPECT_EQ(readSettingsFile(path_).tables[tableIndex(TableKind::Money)][0][1], "$1,212.50");
    EXPECT_EQ(readSettingsFile(path_).birthDateText, "1/2/1990");
    // In en_GB the first of March stays the first of March; a file without the record
    // reads as it stands.
    test::writeFile(path_, written);
    test::PinnedEnv british(test::PinnedEnv::defaultNow(),
                            QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(readSettingsFile(path_).tables[tableIndex(TableKind::Hours)][0][3], "01/03/1990");
    EXPECT_EQ(readBack("[DOB]\nDate=3/1/1990\n").birthDateText, "3/1/1990");
}

// The record is the formats the texts were written in; the numbers, dates and money of
// the run may each come from a locale of its own. A record the values contradict is read
// by the formats in use when those make sense of every value, else refused, naming the
// first value the record does not read.
TEST_F(SettingsFileTest, TheRecordedFormatsReadTheFileUnlessItsValuesSayOtherwise) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale gb(QLocale::English, QLocale::UnitedKingdom);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale ja(QLocale::Japanese, QLocale::Japan);
    const QByteArray usRows =
        "[DOB]\nDate=3/1/1990\n[Money]\nCount=1\n"
        "[Money1]\nDesc=Coffee\nAmount=$3.75\nPer=Day\nStart=1/15/2020\nEnd=Now\n"
        "[Freq]\nCount=1\n[Freq1]\nDesc=Moves\nAmount=1,250\nPer=Once\nStart=12/5/2020\nEnd=Now\n";
    const QString refused =
        "Cannot read %1: %2 does not read in the formats the file records (%3).";
    const struct {
        const char* record;
        QLocale numbers, dates, money;  // the run's
        // Birth date, amount, count, start date and currency as read, or the refusal.
        QString read;
    } cases[] = {
        // LANG=en_US LC_NUMERIC=de_DE over the sample: German numbers, not 375.00.
        {"Name=en_US", de, us, us, "3/1/1990 $3,75 1.250 1/15/2020 USD"},
        // LC_TIME=en_GB: 15 January and 5 December, neither refused nor swapped.
        {"Name=en_US", us, gb, us, "01/03/1990 $3.75 1,250 15/01/2020 USD"},
        // LANG=ja_JP: the dollars stay dollars.
        {"Name=en_US", ja, ja, ja, "1990/03/01 $3.75 1,250 2020/01/15 USD"},
        {"", ja, ja, ja, "3/1/1990 $3.75 1,250 1/15/2020 JPY"},
        {"Name=\nNumbers=en_US\nDates=en_US\nCurrency=USD", de, gb, de,
         "01/03/1990 $3,75 1.250 15/01/2020 USD"},
        // Name=de_DE over "$3.75" (LANGUAGE=de): grouping 3.75 is not German; en_US reads all.
        {"Name=de_DE", us, us, us, "3/1/1990 $3.75 1,250 1/15/2020 USD"},
        {"Numbers=en_US\nDates=de_DE", us, us, us, "3/1/1990 $3.75 1,250 1/15/2020 USD"},
        {"Name=en_US\nCurrency=GBP", us, us, us, "3/1/1990 $3.75 1,250 1/15/2020 USD"},
        {"Name=de_DE", de, de, de, refused.arg(path_, "Money, row 1, amount: '$3.75'", "de_DE")},
        {"Numbers=en_US\nDates=de_DE", us, gb, us,
         refused.arg(path_, "Your birthdate: '3/1/1990'", "de_DE")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        test::PinnedEnv pinned;
        loc::setProgramLocales(c.numbers, c.dates, c.money);
        try {
            const StoredSettings r = readBack(usRows + "[Locale]\n" + c.record + "\n");
            const auto& money = r.tables[tableIndex(TableKind::Money)][0];
            EXPECT_EQ(
                QStringList({r.birthDateText, money[1], r.tables[tableIndex(TableKind::Freq)][0][1],
                             money[3], r.currency.code})
                    .join(u' '),
                c.read);
        } catch (const SettingsReadError& e) {
            EXPECT_EQ(e.message(), c.read);
        }
    }
}

// What is written is what the texts were written in: numbers and dates of the run, the
// file's currency; the one name older versions read only when numbers and dates agree.
TEST_F(SettingsFileTest, TheRecordSaysTheFormatsTheTextsWereWrittenIn) {
    loc::setProgramLocales(QLocale(QLocale::German, QLocale::Germany),
                           QLocale(QLocale::English, QLocale::UnitedKingdom),
                           QLocale(QLocale::Japanese, QLocale::Japan));
    StoredSettings s = emptySession();
    s.currency = {"USD", "$"};
    writeSettingsFile(path_, s);
    EXPECT_TRUE(test::readFile(path_).endsWith(
        "[Locale]\nName=\nNumbers=de_DE\nDates=en_GB\nCurrency=USD\nCurrencySymbol=$\n"));
    // A first start records the money locale's currency.
    writeSettingsFile(path_, readSettingsFile(dir_.filePath("none.ini")));
    EXPECT_TRUE(test::readFile(path_).endsWith("Currency=JPY\nCurrencySymbol=\uFFE5\n"));
}

// The Look ahead age comes last, after the row sections; only an age of 1 to 120 is kept.
TEST_F(SettingsFileTest, LookAheadAgeIsTheLastSection) {
    StoredSettings s = emptySession();
    writeSettingsFile(path_, s);
    EXPECT_FALSE(test::readFile(path_).contains("LookAhead"));
    s.lookAheadAge = 37;
    writeSettingsFile(path_, s);
    EXPECT_TRUE(test::readFile(path_).endsWith("[Freq51]\nDesc=\nAmount=\nPer=\nStart=\nEnd=\n" +
                                               kUsRecord + "[LookAhead]\nAge=37\n"));
    const std::pair<const char*, int> stored[] = {{"120", 120}, {"121", 0}, {"0", 0}, {"x", 0}};
    for (const auto& [text, age] : stored)
        EXPECT_EQ(readBack(QByteArray("[LookAhead]\nAge=") + text + "\n").lookAheadAge, age)
            << text;
}

}  // namespace
}  // namespace lt
