#include "core/private_profile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <optional>

#include "support/test_env.h"

namespace lt {
namespace {

// ---- Reading ----

struct ReadCase {
    const char* name;
    const char* content;
    const char* section;
    const char* key;
    const char* expected;  // "<def>" when the default must come back
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsValueByTheRules) {
    const ReadCase& c = GetParam();
    const PrivateProfile ini{QByteArray(c.content)};
    EXPECT_EQ(ini.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                             QStringLiteral("<def>")),
              QString::fromUtf8(c.expected));
}

const ReadCase kReadCases[] = {
    {"Plain", "[A]\nk=v\n", "A", "k", "v"},
    {"SectionCaseInsensitive", "[Name]\nk=v\n", "nAME", "k", "v"},
    {"KeyCaseInsensitive", "[A]\nDesc=v\n", "A", "DESC", "v"},
    {"LinesTrimmed", "  [A]  \n\t k =  v w \t\n", "A", "k", "v w"},
    {"BlanksInsideBrackets", "[ A b ]\nk=v\n", "A b", "k", "v"},
    {"TextAfterBracketIgnored", "[A] x=1\nk=v\n", "A", "k", "v"},
    {"NameEndsAtFirstBracket", "[A]B]\nk=v\n", "A", "k", "v"},
    {"NameEndsAtFirstBracketNotWhole", "[A]B]\nk=v\n", "A]B", "k", "<def>"},
    {"SplitAtFirstEquals", "[A]\nk = a=b=c\n", "A", "k", "a=b=c"},
    {"KeyWithoutValueIsEmpty", "[A]\nk=\n", "A", "k", ""},
    {"KeyWithBlankValueIsEmpty", "[A]\nk=   \n", "A", "k", ""},
    {"MissingKey", "[A]\nk=v\n", "A", "other", "<def>"},
    {"MissingSection", "[A]\nk=v\n", "B", "k", "<def>"},
    {"EmptyFile", "", "A", "k", "<def>"},
    {"DoubleQuotesRemoved", "[A]\nk=\"  v \"\n", "A", "k", "  v "},
    {"SingleQuotesRemoved", "[A]\nk='v'\n", "A", "k", "v"},
    {"OnlyOnePairRemoved", "[A]\nk=\"\"v\"\"\n", "A", "k", "\"v\""},
    {"UnmatchedQuotesKept", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
    {"QuoteOnOneSideKept", "[A]\nk=\"v\n", "A", "k", "\"v"},
    {"LoneQuoteKept", "[A]\nk=\"\n", "A", "k", "\""},
    {"EmptyQuotesGiveEmpty", "[A]\nk=''\n", "A", "k", ""},
    {"InnerQuotesKept", "[A]\nk=a \"b\" c\n", "A", "k", "a \"b\" c"},
    {"CommentLineIsNoKey", "[A]\n;k=v\n", "A", "k", "<def>"},
    {"IndentedCommentLineIsNoKey", "[A]\n   ;k=v\n", "A", "k", "<def>"},
    {"NoEndOfLineComments", "[A]\nk=v ; not a comment\n", "A", "k", "v ; not a comment"},
    {"HashIsNoComment", "[A]\n#k=v\n", "A", "#k", "v"},
    {"LineWithoutEqualsIsNoKey", "[A]\nk\nk=v\n", "A", "k", "v"},
    {"LinesBeforeFirstSectionBelongToNone", "k=v\n[A]\nj=w\n", "", "k", "<def>"},
    {"KeyOfOtherSectionNotSeen", "[A]\nk=v\n[B]\nj=w\n", "A", "j", "<def>"},
    {"FirstDuplicateKeyWins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
    {"FirstDuplicateSectionWins", "[A]\nk=1\n[a]\nk=2\nj=3\n", "A", "k", "1"},
    {"LaterDuplicateSectionNotMerged", "[A]\nk=1\n[a]\nk=2\nj=3\n", "A", "j", "<def>"},
    {"BlankLinesIgnored", "\n\n[A]\n\n\nk=v\n\n", "A", "k", "v"},
    {"CrLf", "[A]\r\nk=v\r\nj=w\r\n", "A", "j", "w"},
    {"LoneCr", "[A]\rk=v\rj=w\r", "A", "k", "v"},
    {"MixedLineEnds", "[A]\r\nk=v\rj=w\nl=x", "A", "l", "x"},
    {"NoFinalLineEnd", "[A]\nk=v", "A", "k", "v"},
    {"Utf8", "[A]\nk=Zo\xc3\xab \xe2\x82\xac\n", "A", "k", "Zo\xc3\xab \xe2\x82\xac"},
    {"Utf8Bom", "\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
    {"NbspIsNotTrimmed", "[A]\nk=\xc2\xa0v\n", "A", "k", "\xc2\xa0v"},
    {"NotUtf8IsCp1252", "[A]\nk=\x80\x81 \xc3\n", "A", "k", "\xe2\x82\xac\xc2\x81 \xc3\x83"},
};

INSTANTIATE_TEST_SUITE_P(Rules, ProfileReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each byte from 0x80 up makes its line invalid UTF-8, so the line reads as
// Windows-1252; Qt's own decoder is the reference.
TEST(ProfileRead, EveryHighByteReadsAsWindows1252) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QByteArray byte(1, char(b));
        QStringDecoder cp1252("windows-1252");
        ASSERT_TRUE(cp1252.isValid());
        const PrivateProfile ini(QByteArray("[A]\nk=x") + byte + "\n");
        EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("k"), QString()),
                  QStringLiteral("x") + cp1252.decode(byte))
            << b;
    }
}

TEST(ProfileRead, ValuesAreCutAt1023Characters) {
    const QString exact(1023, u'a');
    const QString longer = exact + QStringLiteral("bcdef");
    const PrivateProfile ini(("[A]\nlong=" + longer + "\nexact=" + exact + "\n").toUtf8());
    EXPECT_EQ(ini.readString("A", "long", "").size(), 1023);
    EXPECT_EQ(ini.readString("A", "long", ""), exact);
    EXPECT_EQ(ini.readString("A", "exact", ""), exact);
}

TEST(ProfileRead, CutCountsCharactersNotBytes) {
    // 1,022 letters, then a character outside the BMP (two UTF-16 units), then more.
    const QString head(1022, u'x');
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    const PrivateProfile ini(("[A]\nk=" + head + clef + "zz\n").toUtf8());
    EXPECT_EQ(ini.readString("A", "k", ""), head + clef);
    // Multi-byte UTF-8 letters count once each.
    const QString umlauts(1100, QChar(0x00FC));
    const PrivateProfile ini2(("[A]\nk=" + umlauts + "\n").toUtf8());
    EXPECT_EQ(ini2.readString("A", "k", ""), QString(1023, QChar(0x00FC)));
}

TEST(ProfileRead, QuotesAreRemovedBeforeTheCut) {
    const QString inner(1023, u'q');
    const PrivateProfile ini(("[A]\nk=\"" + inner + "\"\n").toUtf8());
    EXPECT_EQ(ini.readString("A", "k", ""), inner);
}

TEST(ProfileRead, HasKeyAndSection) {
    const PrivateProfile ini(QByteArray("[A]\nk=\n;j=1\n"));
    EXPECT_TRUE(ini.hasSection("a"));
    EXPECT_FALSE(ini.hasSection("B"));
    EXPECT_TRUE(ini.hasKey("A", "K"));
    EXPECT_FALSE(ini.hasKey("A", "j"));
    EXPECT_FALSE(ini.hasKey("B", "k"));
}

// ---- Whole numbers ----

struct IntCase {
    const char* text;
    std::optional<qint64> expected;
};

class ProfileIntegerTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntegerTest, ParsesWholeNumbersOnly) {
    EXPECT_EQ(PrivateProfile::parseInteger(QString::fromUtf8(GetParam().text)), GetParam().expected)
        << GetParam().text;
}

// Our choice: the whole (already trimmed and unquoted) value must be the number; an
// optional sign is allowed, also before "0x"; trailing text, inner blanks, decimals,
// exponents, other prefixes and non-ASCII digits make it "not a whole number", and
// the reader then falls back to the default instead of taking a leading part.
const IntCase kIntCases[] = {
    {"0", 0},
    {"51", 51},
    {"250000", 250000},
    {"012", 12},  // leading zeros are decimal, not octal
    {"-5", -5},
    {"+7", 7},
    {"-0", 0},
    {"0x1A", 26},
    {"0X1a", 26},
    {"0x0", 0},
    {"0xff", 255},
    {"-0x10", -16},
    {"+0x10", 16},
    {"9223372036854775807", std::numeric_limits<qint64>::max()},
    {"-9223372036854775808", std::numeric_limits<qint64>::min()},
    {"0x7FFFFFFFFFFFFFFF", std::numeric_limits<qint64>::max()},
    {"9223372036854775808", std::nullopt},  // does not fit
    {"-9223372036854775809", std::nullopt},
    {"0x8000000000000000", std::nullopt},
    {"", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"0x", std::nullopt},
    {"-0x", std::nullopt},
    {"x10", std::nullopt},
    {"abc", std::nullopt},
    {"12abc", std::nullopt},  // trailing text is not ignored
    {"0x1G", std::nullopt},
    {"1 2", std::nullopt},
    {" 12", std::nullopt},  // blanks are trimmed by the reader, not here
    {"12 ", std::nullopt},
    {"--5", std::nullopt},
    {"+-5", std::nullopt},
    {"1.5", std::nullopt},
    {"1,000", std::nullopt},
    {"1e3", std::nullopt},
    {"$1A", std::nullopt},
    {"0b101", std::nullopt},
    {"\xd9\xa3", std::nullopt},      // ARABIC-INDIC DIGIT THREE
    {"\xef\xbc\x93", std::nullopt},  // FULLWIDTH DIGIT THREE
};

INSTANTIATE_TEST_SUITE_P(Choices, ProfileIntegerTest, ::testing::ValuesIn(kIntCases));

TEST(ProfileReadInteger, DefaultOnlyWhenMissingOrNotANumber) {
    const PrivateProfile ini(
        QByteArray("[A]\nplain=42\nspaced=   42   \nquoted='42'\nhex=0x2A\nempty=\n"
                   "garbage=42 apples\nnegative=-42\n"));
    EXPECT_EQ(ini.readInteger("A", "plain", 7), 42);
    EXPECT_EQ(ini.readInteger("A", "spaced", 7), 42);  // the line is trimmed first
    EXPECT_EQ(ini.readInteger("A", "quoted", 7), 42);  // and unquoted
    EXPECT_EQ(ini.readInteger("A", "hex", 7), 42);
    EXPECT_EQ(ini.readInteger("A", "empty", 7), 7);
    EXPECT_EQ(ini.readInteger("A", "garbage", 7), 7);
    EXPECT_EQ(ini.readInteger("A", "negative", 7), -42);
    EXPECT_EQ(ini.readInteger("A", "missing", 7), 7);
    EXPECT_EQ(ini.readInteger("B", "plain", 7), 7);
}

// ---- Writing ----

TEST(ProfileWrite, NewDocumentStartsWithItsFirstSectionAndUsesLf) {
    PrivateProfile ini;
    ini.writeString("DOB", "Date", "1/2/1990");
    ini.writeString("Name", "name", "Ann");
    ini.writeString("DOB", "Other", "x");
    EXPECT_EQ(ini.toBytes(), QByteArray("[DOB]\nDate=1/2/1990\nOther=x\n[Name]\nname=Ann\n"));
}

TEST(ProfileWrite, ReplacesInPlaceKeepingStoredCaseAndEverythingElse) {
    const QByteArray before =
        "; my settings\r\n"
        "top=level\r\n"
        "\r\n"
        "  [dob]  ; trailing text\r\n"
        "  DATE =  old  \r\n"
        "Extra = kept\r\n"
        "[Other]\r\n"
        "date=untouched\r\n";
    PrivateProfile ini(before);
    ini.writeString("DOB", "Date", "12/6/2026");
    EXPECT_EQ(ini.toBytes(), QByteArray("; my settings\r\n"
                                        "top=level\r\n"
                                        "\r\n"
                                        "  [dob]  ; trailing text\r\n"
                                        "DATE=12/6/2026\r\n"
                                        "Extra = kept\r\n"
                                        "[Other]\r\n"
                                        "date=untouched\r\n"));
    EXPECT_EQ(ini.readString("dob", "date", "<def>"), "12/6/2026");
}

TEST(ProfileWrite, NewKeyGoesAfterTheLastKeyOfItsSection) {
    PrivateProfile ini(QByteArray("[A]\nk=1\n; note\nnot a key\n\n[B]\nj=2\n"));
    ini.writeString("a", "New", "v");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\nk=1\nNew=v\n; note\nnot a key\n\n[B]\nj=2\n"));
}

TEST(ProfileWrite, NewKeyInSectionWithoutKeysGoesRightAfterItsHeader) {
    PrivateProfile ini(QByteArray("[A]\n; only a comment\n[B]\n"));
    ini.writeString("A", "k", "v");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\nk=v\n; only a comment\n[B]\n"));
}

TEST(ProfileWrite, NewSectionGoesAtTheEndWithoutBlankLine) {
    PrivateProfile ini(QByteArray("[A]\nk=1\n\n; end\n"));
    ini.writeString("B", "j", "2");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\nk=1\n\n; end\n[B]\nj=2\n"));
}

TEST(ProfileWrite, KeepsTheFilesLineEnd) {
    PrivateProfile crlf(QByteArray("[A]\r\nk=1\r\n"));
    crlf.writeString("A", "j", "2");
    crlf.writeString("B", "m", "3");
    EXPECT_EQ(crlf.toBytes(), QByteArray("[A]\r\nk=1\r\nj=2\r\n[B]\r\nm=3\r\n"));

    PrivateProfile cr(QByteArray("[A]\rk=1\r"));
    cr.writeString("A", "k", "9");
    cr.writeString("B", "m", "3");
    EXPECT_EQ(cr.toBytes(), QByteArray("[A]\rk=9\r[B]\rm=3\r"));
}

TEST(ProfileWrite, LastLineWithoutEndGetsOneBeforeNewLines) {
    PrivateProfile ini(QByteArray("[A]\r\nk=1"));
    ini.writeString("A", "j", "2");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\r\nk=1\r\nj=2\r\n"));

    PrivateProfile single(QByteArray("; no line end at all"));
    single.writeString("A", "k", "v");
    EXPECT_EQ(single.toBytes(), QByteArray("; no line end at all\n[A]\nk=v\n"));

    // Replacing the last line in place keeps it without an end.
    PrivateProfile inPlace(QByteArray("[A]\nk=1"));
    inPlace.writeString("A", "k", "2");
    EXPECT_EQ(inPlace.toBytes(), QByteArray("[A]\nk=2"));
}

TEST(ProfileWrite, WritesGoToTheFirstDuplicate) {
    PrivateProfile ini(QByteArray("[A]\nk=1\nk=2\n[a]\nk=3\n"));
    ini.writeString("A", "K", "9");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\nk=9\nk=2\n[a]\nk=3\n"));
}

// Written so that reading, which trims blanks and takes off one pair of enclosing
// quotes, gives back exactly what was typed.
TEST(ProfileWrite, ValuesComeBackAsTyped) {
    const struct {
        const char* value;
        const char* line;
    } cases[] = {
        {"plain", "k=plain"},
        {"a = b", "k=a = b"},
        {"", "k="},
        {"\"Fully quoted\"", "k=\"\"Fully quoted\"\""},
        {"'single'", "k=\"'single'\""},
        {"\"The Boss\"  ", "k=\"\"The Boss\"  \""},
        {"  a = b ", "k=\"  a = b \""},
        {"\tTab", "k=\"\tTab\""},
        {"\"", "k=\""},
        {"\"half", "k=\"half"},
        {"\"mixed'", "k=\"mixed'"},
        {"say \"hi\"", "k=say \"hi\""},
    };
    for (const auto& c : cases) {
        PrivateProfile ini;
        ini.writeString("A", "k", QString::fromUtf8(c.value));
        EXPECT_EQ(ini.toBytes(), "[A]\n" + QByteArray(c.line) + "\n") << c.value;
        EXPECT_EQ(ini.readString("A", "k", "<def>"), QString::fromUtf8(c.value)) << c.value;
        // Read again from the bytes, as the next start reads the file.
        EXPECT_EQ(PrivateProfile(ini.toBytes()).readString("A", "k", "<def>"),
                  QString::fromUtf8(c.value))
            << c.value;
    }
}

TEST(ProfileWrite, LineBreaksInAValueCannotStartNewLines) {
    PrivateProfile ini;
    ini.writeString("A", "k", "one\r\n[B]\nj=evil\rx");
    ini.writeString("B", "j", "fine");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\nk=one  [B] j=evil x\n[B]\nj=fine\n"));
    EXPECT_EQ(ini.readString("B", "j", ""), "fine");
}

TEST(ProfileWrite, KeepsUtf8BomAndUndecodableBytes) {
    const QByteArray latin1Line("; caf\xe9 in Latin-1\n");
    PrivateProfile ini("\xEF\xBB\xBF[A]\n" + latin1Line + "k=1\n");
    ini.writeString("A", "k", QString::fromUtf8("\xe2\x82\xac"));
    EXPECT_EQ(ini.toBytes(), "\xEF\xBB\xBF[A]\n" + latin1Line + "k=\xe2\x82\xac\n");
}

TEST(ProfileWrite, WriteIntegerIsDecimal) {
    PrivateProfile ini;
    ini.writeInteger("A", "n", -250000);
    ini.writeInteger("A", "m", 51);
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\nn=-250000\nm=51\n"));
}

// ---- Files ----

TEST(ProfileFile, MissingFileIsAnEmptyDocument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto ini = PrivateProfile::loadFile(dir.filePath("none.ini"));
    ASSERT_TRUE(ini.has_value());
    EXPECT_TRUE(ini->toBytes().isEmpty());
    EXPECT_EQ(ini->readString("A", "k", "<def>"), "<def>");
}

TEST(ProfileFile, ADirectoryCannotBeRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.ini"));
    EXPECT_FALSE(PrivateProfile::loadFile(dir.filePath("sub.ini")).has_value());
}

TEST(ProfileFile, SavesAndLoadsTheSameBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a.ini");
    test::writeFile(path, QByteArray("; c\r\n[A]\r\nk=1\r\n"));
    auto ini = PrivateProfile::loadFile(path);
    ASSERT_TRUE(ini.has_value());
    ini->writeString("A", "k", "2");
    ASSERT_TRUE(ini->saveFile(path));
    EXPECT_EQ(test::readFile(path), QByteArray("; c\r\n[A]\r\nk=2\r\n"));
}

TEST(ProfileFile, SaveIntoAFileInsteadOfAFolderFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::writeFile(dir.filePath("plain"), "not a folder");
    PrivateProfile ini;
    ini.writeString("A", "k", "v");
    EXPECT_FALSE(ini.saveFile(dir.filePath("plain/a.ini")));
    EXPECT_EQ(test::readFile(dir.filePath("plain")), QByteArray("not a folder"));
}

}  // namespace
}  // namespace lt
