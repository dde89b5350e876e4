#include "core/text_layout.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <ostream>

namespace lt {
// Readable failures.
void PrintTo(const TextRun& r, std::ostream* os) {
    *os << "{page " << r.page << ", x " << r.x << ", y " << r.y << ", \"" << r.text.toStdString()
        << "\"}";
}
}  // namespace lt

namespace {
using lt::TextLayout;
using lt::TextRun;

// Every UTF-16 unit is 10 wide; a line of text takes 12, an empty line 10.
class FixedMetrics : public lt::TextMetrics {
public:
    double textWidth(const QString& text) const override { return 10.0 * text.size(); }
    double lineHeight() const override { return 12; }
    double charHeight() const override { return 10; }
};

const QString kEnd = QStringLiteral("\n");  // an end of line in the steps below

struct LayoutCase {
    const char* name;
    double width;
    double height;
    QStringList steps;  // texts to write, kEnd for an end of line
    std::vector<TextRun> expected;
};

class TextLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TextLayoutTest, PlacesRuns) {
    const LayoutCase& c = GetParam();
    FixedMetrics metrics;
    TextLayout layout(metrics, c.width, c.height);
    std::vector<TextRun> written;
    for (const QString& step : c.steps) {
        if (step == kEnd) {
            layout.endLine();
        } else {
            const auto runs = layout.write(step);
            written.insert(written.end(), runs.begin(), runs.end());
        }
    }
    EXPECT_EQ(written, c.expected);
    // The per-page record holds the same runs, each on its own page.
    std::vector<TextRun> recorded;
    for (size_t p = 0; p < layout.pages().size(); ++p) {
        for (const TextRun& r : layout.pages()[p]) {
            EXPECT_EQ(r.page, static_cast<int>(p));
            recorded.push_back(r);
        }
    }
    EXPECT_EQ(recorded, c.expected);
}

const QString kSmiley = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    FixedWidth, TextLayoutTest,
    ::testing::Values(
        LayoutCase{"FitsOnOneLine", 55, 100, {"abc"}, {{0, 0, 0, "abc"}}},
        LayoutCase{
            "PiecesFollowOnTheLine", 55, 100, {"abc", "d"}, {{0, 0, 0, "abc"}, {0, 30, 0, "d"}}},
        LayoutCase{"BreaksAtLastCharacterThatFits",
                   55,
                   100,
                   {"abcdefghijkl"},
                   {{0, 0, 0, "abcde"}, {0, 0, 12, "fghij"}, {0, 0, 24, "kl"}}},
        LayoutCase{"SecondPieceBreaksAtWhatIsLeft",
                   55,
                   100,
                   {"abc", "def"},
                   {{0, 0, 0, "abc"}, {0, 30, 0, "de"}, {0, 0, 12, "f"}}},
        LayoutCase{"ExactFitThenNextPieceWraps",
                   50,
                   100,
                   {"abcde", "f"},
                   {{0, 0, 0, "abcde"}, {0, 0, 12, "f"}}},
        LayoutCase{"EndOfLineAdvancesByLineHeight",
                   55,
                   100,
                   {"a", kEnd, "b"},
                   {{0, 0, 0, "a"}, {0, 0, 12, "b"}}},
        LayoutCase{"EmptyLineAdvancesByCharacterHeight",
                   55,
                   100,
                   {"a", kEnd, kEnd, "b"},
                   {{0, 0, 0, "a"}, {0, 0, 22, "b"}}},
        LayoutCase{"LeadingEmptyLines", 55, 100, {kEnd, kEnd, "a"}, {{0, 0, 20, "a"}}},
        LayoutCase{"EmptyWriteLeavesTheLineEmpty", 55, 100, {"", kEnd, "a"}, {{0, 0, 10, "a"}}},
        LayoutCase{
            "LineThatDoesNotFitStartsNewPage",
            55,
            40,
            {"a", kEnd, "b", kEnd, "c", kEnd, "d", kEnd, "e"},
            {{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "c"}, {1, 0, 0, "d"}, {1, 0, 12, "e"}}},
        LayoutCase{"BrokenPieceGoesOnOnNextPage",
                   55,
                   40,
                   {"x", kEnd, "y", kEnd, "abcdefg"},
                   {{0, 0, 0, "x"}, {0, 0, 12, "y"}, {0, 0, 24, "abcde"}, {1, 0, 0, "fg"}}},
        LayoutCase{"EmptyLineAtBottomStartsNewPage",
                   55,
                   40,
                   {"a", kEnd, "b", kEnd, "c", kEnd, kEnd, "d"},
                   {{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "c"}, {1, 0, 10, "d"}}},
        LayoutCase{"EmptyLineThatFitsStaysOnPage",
                   55,
                   46,
                   {"a", kEnd, "b", kEnd, "c", kEnd, kEnd, "d"},
                   {{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "c"}, {1, 0, 0, "d"}}},
        LayoutCase{"TooNarrowForOneCharacterStillProgresses",
                   5,
                   100,
                   {"ab"},
                   {{0, 0, 0, "a"}, {0, 0, 12, "b"}}},
        // U+2068 and U+2069 around a right-to-left name: each line's part is whole.
        LayoutCase{"BrokenIsolateIsClosedAndOpenedAgain",
                   55,
                   100,
                   {"ab\u2068שלום\u2069"},
                   {{0, 0, 0, "ab\u2068של\u2069"}, {0, 0, 12, "\u2068ום\u2069"}}},
        LayoutCase{"TooNarrowForAnIsolateStillProgresses",
                   5,
                   100,
                   {"\u2068ש\u2069b"},
                   {{0, 0, 0, "\u2068ש\u2069"}, {0, 0, 12, "b"}}},
        LayoutCase{"TallerThanPageStillProgresses",
                   55,
                   5,
                   {"a", kEnd, "b"},
                   {{0, 0, 0, "a"}, {1, 0, 0, "b"}}},
        LayoutCase{"SurrogatePairIsNeverSplit",
                   25,
                   100,
                   {"a" + kSmiley + "b"},
                   {{0, 0, 0, "a"}, {0, 0, 12, kSmiley}, {0, 0, 24, "b"}}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(TextLayout, FilledPageLeavesNoBlankPageBehind) {
    FixedMetrics metrics;
    TextLayout layout(metrics, 55, 36);
    for (const char* line : {"a", "b", "c"}) {
        layout.write(QString::fromLatin1(line));
        layout.endLine();
    }
    // The page is full, but nothing has gone to a second one yet.
    EXPECT_EQ(layout.page(), 0);
    EXPECT_EQ(layout.pages().size(), 1u);
    EXPECT_DOUBLE_EQ(layout.y(), 36);
    layout.write(QStringLiteral("d"));
    EXPECT_EQ(layout.page(), 1);
    EXPECT_EQ(layout.pages().size(), 2u);
}

TEST(TextLayout, PositionFollowsTheText) {
    FixedMetrics metrics;
    TextLayout layout(metrics, 100, 100);
    layout.write(QStringLiteral("abcd"));
    EXPECT_DOUBLE_EQ(layout.x(), 40);
    EXPECT_DOUBLE_EQ(layout.y(), 0);
    layout.endLine();
    EXPECT_DOUBLE_EQ(layout.x(), 0);
    EXPECT_DOUBLE_EQ(layout.y(), 12);
}

}  // namespace

namespace {
// A table's titles stay with its first row, and a table running on to a new page starts
// it with its titles again: 4 lines of 12 fit in 50.
TEST(TextLayout, TitlesKeepWithTheirFirstRowAndRepeatOnEveryPage) {
    FixedMetrics metrics;
    TextLayout layout(metrics, 100, 50);
    auto line = [&](const QString& text) {
        layout.write(text);
        layout.endLine();
    };
    line("a");
    line("b");
    layout.keepTogether(2);  // 24 + 24 fits: stays
    line("c");
    layout.keepTogether(2);  // 36 + 24 does not: a new page
    layout.setRunningHeading("H");
    for (const char* row : {"H", "r1", "r2", "r3", "r4"}) line(row);
    layout.setRunningHeading(QString());
    for (const char* row : {"r5", "r6", "r7"}) line(row);
    const std::vector<std::vector<TextRun>> expected{
        {{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "c"}},
        {{1, 0, 0, "H"}, {1, 0, 12, "r1"}, {1, 0, 24, "r2"}, {1, 0, 36, "r3"}},
        {{2, 0, 0, "H"}, {2, 0, 12, "r4"}, {2, 0, 24, "r5"}, {2, 0, 36, "r6"}},
        {{3, 0, 0, "r7"}}};
    EXPECT_EQ(layout.pages(), expected);
}
}  // namespace
