// Clue lists, combined clues and the word list on a canvas with fixed metrics: every character is
// size/100 inch wide and a line of text is 0.015 x size inch high.
#include "fixed_metrics_canvas.h"

#include "render/print_options.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qx;
using namespace qx::test;

namespace {

const FixedMetricsCanvas::Text *find(const std::vector<FixedMetricsCanvas::Text> &texts, const QString &s)
{
    const auto it = std::find_if(texts.begin(), texts.end(), [&](const auto &t) { return t.text == s; });
    return it == texts.end() ? nullptr : &*it;
}

// One across word per clue, each in its own row of a tall grid that is not drawn.
PuzzleRecord cluesPuzzle(const std::vector<std::string> &clues, const LayoutObject &object)
{
    std::vector<std::string> rows;
    std::vector<TestWord> words;
    for (size_t i = 0; i < clues.size(); ++i) {
        rows.push_back("AB");
        words.push_back({"AB", clues[i], static_cast<int>(i) + 1, 1, true, static_cast<int>(i) + 1});
    }
    return puzzleOf(rows, words, pageWith({object}));
}

} // namespace

TEST(ClueList, NumbersAndLinesFollowTheColumnMetrics)
{
    // 3 by 1.51 inches at 10 points: m = 0.15, so L = 10 and p = 0.151; width("9") = 0.1 gives
    // n = 0.2 (numbers below 10), g = 0.2, d = 0.025; one column leaves t = 2.775.
    PuzzleRecord r = cluesPuzzle({"Baby horse", "Farm bird"}, objectOf(ObjectKind::AcrossClues, 100, 100, 400, 251));
    auto out = renderOn(r);
    const auto texts = out.report->texts();
    const auto *one = find(texts, "1.");
    const auto *horse = find(texts, "Baby horse");
    const auto *bird = find(texts, "Farm bird");
    ASSERT_TRUE(one && horse && bird);
    EXPECT_NEAR(one->x, 1.025, 1e-9);
    const double p = 0.151;
    EXPECT_NEAR(one->y, 1.0 + p - 0.2 * p, 1e-9);
    EXPECT_NEAR(horse->x, 1.225, 1e-9);
    EXPECT_NEAR(bird->y, 1.0 + 2 * p - 0.2 * p, 1e-9);
    EXPECT_FALSE(out.outcome.cluesOverflow);
}

TEST(ClueList, LongClueWrapsAtSpacesAndColumnsFillInTurn)
{
    // Two columns 0.6 wide in all: t = (2.0 - (2 x 0.2 + 0.2 + 0.025)) / 2 = 0.6875.
    LayoutObject list = objectOf(ObjectKind::AcrossClues, 100, 100, 300, 146); // 3 lines a column
    list.Columns = 2;
    PuzzleRecord r = cluesPuzzle({"aa bb cc", "dd", "ee"}, list);
    auto out = renderOn(r);
    const auto texts = out.report->texts();
    // "aa bb " is 0.6 wide: narrower than t; "aa bb cc" is not.
    ASSERT_TRUE(find(texts, "aa bb") && find(texts, "cc") && find(texts, "dd") && find(texts, "ee"));
    EXPECT_NEAR(find(texts, "cc")->y - find(texts, "aa bb")->y, 0.46 / 3, 1e-9);
    // Rows: clue 1 takes 1-2, clue 2 row 3; clue 3 opens column 2 at pitch g + n + t.
    EXPECT_NEAR(find(texts, "3.")->x - find(texts, "1.")->x, 0.2 + 0.2 + 0.6875, 1e-9);
    EXPECT_NEAR(find(texts, "3.")->y, find(texts, "1.")->y, 1e-9);
}

TEST(ClueList, EightLineClueKeepsSevenWithoutMakeItFitAndShrinksWithIt)
{
    // t = 0.405 at 10 points: each word alone on a line, eight lines.
    LayoutObject list = objectOf(ObjectKind::AcrossClues, 100, 100, 163, 400);
    PuzzleRecord r = cluesPuzzle({"aa bb cc dd ee ff gg hh"}, list);
    auto plain = renderOn(r);
    const auto texts = plain.report->textStrings();
    EXPECT_EQ(texts, (std::vector<QString>{"1.", "aa", "bb", "cc", "dd", "ee", "ff", "gg"}));
    EXPECT_FALSE(plain.outcome.cluesOverflow);
    EXPECT_EQ(r.Layout.Objects[0].UsedFontSize, 10);

    // Make It Fit lowers the size until the clue takes seven lines: at 8 points t = 0.45, so
    // "aa bb " (0.48, measured with its trailing space) still splits but the last "gg hh" (0.40)
    // stays whole.
    r.Layout.Objects[0].MakeItFit = 1;
    auto fitted = renderOn(r);
    EXPECT_EQ(r.Layout.Objects[0].UsedFontSize, 8);
    EXPECT_EQ(fitted.report->textStrings(), (std::vector<QString>{"1.", "aa", "bb", "cc", "dd", "ee", "ff", "gg hh"}));
    EXPECT_FALSE(fitted.outcome.cluesOverflow);
}

TEST(ClueList, OverflowPrintsTheCluesThatFitAndWarnsOnce)
{
    // Three lines a column, one column: the fit test keeps a first line free, so two clues fit.
    LayoutObject list = objectOf(ObjectKind::AcrossClues, 100, 100, 400, 146);
    PuzzleRecord r = cluesPuzzle({"one", "two", "three", "four"}, list);
    auto out = renderOn(r);
    EXPECT_TRUE(out.outcome.cluesOverflow);
    EXPECT_EQ(out.report->textStrings(), (std::vector<QString>{"1.", "one", "2.", "two"}));
    EXPECT_EQ(out.outcome.warnings(), std::vector<RenderWarning>{RenderWarning::CluesDidNotFit});
}

TEST(MakeItFit, StopsAtTheFloorOfEachKind)
{
    // Boxes nothing fits in: title lines stop at 2, free text, clues and words at 3.
    LayoutObject title = objectOf(ObjectKind::Title, 100, 100, 105, 101);
    LayoutObject text = objectOf(ObjectKind::Text, 100, 200, 105, 201);
    text.setText("Hello world");
    LayoutObject clues = objectOf(ObjectKind::AcrossClues, 100, 300, 105, 301);
    LayoutObject words = objectOf(ObjectKind::WordList, 100, 400, 105, 401);
    for (LayoutObject *o : {&title, &text, &clues, &words})
        o->MakeItFit = 1;
    PuzzleRecord r = cluesPuzzle({"Baby horse"}, title);
    r.Layout = pageWith({title, text, clues, words});
    auto out = renderOn(r);
    EXPECT_EQ(r.Layout.Objects[0].UsedFontSize, 2);
    EXPECT_EQ(r.Layout.Objects[1].UsedFontSize, 3);
    EXPECT_EQ(r.Layout.Objects[2].UsedFontSize, 3);
    EXPECT_EQ(r.Layout.Objects[3].UsedFontSize, 3);
    EXPECT_EQ(out.outcome.warnings(),
              (std::vector<RenderWarning>{RenderWarning::CluesDidNotFit, RenderWarning::WordsDidNotFit,
                                          RenderWarning::TextDidNotFit}));
}

TEST(MakeItFit, TitleTakesTheLargestSizeStrictlyInsideItsBox)
{
    // "Test Puzzle" is 11 characters: at 9 points 0.99 wide, at 10 points 1.1; the box is 1 inch.
    LayoutObject title = objectOf(ObjectKind::Title, 100, 100, 200, 200);
    title.MakeItFit = 1;
    PuzzleRecord r = cluesPuzzle({}, title);
    auto out = renderOn(r);
    EXPECT_EQ(r.Layout.Objects[0].UsedFontSize, 9);
    // Left aligned, vertically centred: bottom - h/2 + (ascent - descent)/2.
    ASSERT_EQ(out.report->texts().size(), 1u);
    EXPECT_NEAR(out.report->texts()[0].y, 2.0 - 0.5 + (0.09 - 0.045) / 2, 1e-9);
}

TEST(FreeText, PrintsTheLinesThatFitAndRaisesItsSlotsWarning)
{
    LayoutObject first = objectOf(ObjectKind::Text, 100, 100, 400, 200);
    first.setText("short");
    LayoutObject text = objectOf(ObjectKind::Text, 100, 300, 400, 346); // 3 lines of 0.15
    text.setText("a\r\nb\r\n\r\nd\ne");
    text.Alignment = 3;
    PuzzleRecord r = cluesPuzzle({}, text);
    r.Layout = pageWith({first, text});
    auto out = renderOn(r);
    const auto texts = out.report->texts();
    ASSERT_EQ(texts.size(), 3u); // "short", "a", "b": the empty third line prints nothing
    EXPECT_EQ(texts[1].text, QStringLiteral("a"));
    EXPECT_NEAR(texts[1].x, 4.0 - 0.1, 1e-9);
    EXPECT_NEAR(texts[1].y, 3.0 + 0.15 - 0.03, 1e-9);
    EXPECT_NEAR(texts[2].y, 3.0 + 0.30 - 0.03, 1e-9);
    EXPECT_FALSE(out.outcome.textOverflow[1]);
    EXPECT_TRUE(out.outcome.textOverflow[2]);
}

TEST(FreeText, WrapsWordsWhileTheLineIsNoWiderThanTheBoxAndBreaksAWordWiderThanIt)
{
    const struct {
        const char *text;
        int makeItFit;
        std::vector<QString> lines;
    } cases[] = {
        {"ab cd ef ghijkl", 0, {"ab cd", "ef", "ghijk", "l"}},
        // 999 characters without a space: broken inside the box, however small the type got.
        {nullptr, 1, {}},
    };
    for (const auto &c : cases) {
        LayoutObject text = objectOf(ObjectKind::Text, 100, 100, 151, 400); // "ab cd" and a little
        const std::string long999(999, 'W');
        text.setText(c.text ? c.text : long999.c_str());
        text.MakeItFit = static_cast<int16_t>(c.makeItFit);
        PuzzleRecord r = cluesPuzzle({}, text);
        auto out = renderOn(r);
        if (!c.lines.empty()) {
            EXPECT_EQ(out.report->textStrings(), c.lines);
        }
        ASSERT_FALSE(out.report->texts().empty());
        EXPECT_FALSE(out.outcome.textOverflow[1]);
        for (const auto &t : out.report->texts()) {
            EXPECT_GE(t.x, 1.0 - 1e-9) << t.text.toStdString();
            EXPECT_LE(t.x + static_cast<double>(t.text.size()) * t.size / 100.0, 1.51 + 1e-9) << t.text.toStdString();
        }
    }
}

TEST(WordList, SortedByCapitalsWithABlankRowForAWordTooWide)
{
    // Column pitch 0.6 - 0.025: ELEPHANT (0.8) is too wide and leaves its row empty.
    LayoutObject list = objectOf(ObjectKind::WordList, 100, 100, 160, 401); // L = 20, p = 0.1505
    PuzzleRecord r =
        puzzleOf({"AB"}, {{"fox", "", 1, 1, true, 1}, {"ELEPHANT", "", 1, 1, true, 2}, {"Cat", "", 1, 1, true, 3}},
                 pageWith({list}));
    auto out = renderOn(r);
    const auto texts = out.report->texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("Cat"));
    EXPECT_EQ(texts[1].text, QStringLiteral("fox"));
    EXPECT_NEAR(texts[0].x, 1.025, 1e-9);
    EXPECT_NEAR(texts[1].y - texts[0].y, 2 * 0.1505, 1e-9);
    EXPECT_TRUE(out.outcome.wordsOverflow) << "a word missing from the list is worth a warning";
}

TEST(CombinedClues, FlowModeDrawsBothHeadersAndContinuesTheDownGroup)
{
    LayoutObject comb = objectOf(ObjectKind::CombinedClues, 100, 100, 400, 176); // 5 lines of 0.152
    comb.setText("Across:Down");
    comb.Columns = 2;
    PuzzleRecord r = puzzleOf({"AB", "CD"},
                              {{"AB", "first", 1, 1, true, 1},
                               {"CD", "second", 2, 1, true, 3},
                               {"AC", "third", 1, 1, false, 1},
                               {"BD", "fourth", 1, 2, false, 2}},
                              pageWith({comb}));
    PrintOptions options;
    applyLayout(options, r.Layout);
    auto out = renderOn(r, options);
    const auto texts = out.report->texts();
    // Across header on line 1, across clues on 2 and 3, down header on 4, down clues on 5, then
    // the second column.
    ASSERT_TRUE(find(texts, "Across") && find(texts, "Down") && find(texts, "fourth"));
    const double p = 0.152;
    EXPECT_NEAR(find(texts, "Across")->y, 1.0 + 0.8 * p, 1e-9);
    EXPECT_NEAR(find(texts, "first")->y, 1.0 + 2 * p - 0.2 * p, 1e-9);
    EXPECT_NEAR(find(texts, "Down")->y, 1.0 + 3 * p + 0.8 * p, 1e-9);
    EXPECT_NEAR(find(texts, "third")->y, 1.0 + 5 * p - 0.2 * p, 1e-9);
    EXPECT_NEAR(find(texts, "fourth")->y, 1.0 + p - 0.2 * p, 1e-9);
    EXPECT_GT(find(texts, "fourth")->x, find(texts, "third")->x);
    EXPECT_FALSE(out.outcome.cluesOverflow);
    // The header boxes are outlined, one line high.
    int headerBoxes = 0;
    for (const PageOp &op : out.report->ops(PageOp::Kind::Rect))
        headerBoxes += std::abs(op.y2 - op.y1 - p) < 1e-9 ? 1 : 0;
    EXPECT_EQ(headerBoxes, 2);
}

TEST(CombinedClues, SplitModeStartsDownAtTheSecondHalfWithWideHeaders)
{
    LayoutObject comb = objectOf(ObjectKind::CombinedClues, 100, 100, 700, 176);
    comb.setText("Across:Down");
    comb.Columns = 4;
    comb.Split = 1;
    PuzzleRecord r = puzzleOf({"AB", "CD"},
                              {{"AB", "first", 1, 1, true, 1},
                               {"CD", "second", 2, 1, true, 3},
                               {"AC", "third", 1, 1, false, 1},
                               {"BD", "fourth", 1, 2, false, 2}},
                              pageWith({comb}));
    PrintOptions options;
    applyLayout(options, r.Layout);
    auto out = renderOn(r, options);
    const auto texts = out.report->texts();
    // n = 0.2, g = 0.2, d = 0.025, t = (6 - (0.8 + 0.6 + 0.025)) / 4; column 3 starts at
    // left + d + 2 (g + n + t).
    const double t = (6 - (0.8 + 0.6 + 0.025)) / 4;
    EXPECT_NEAR(find(texts, "1.")->x, 1.025, 1e-9);
    ASSERT_TRUE(find(texts, "third"));
    EXPECT_NEAR(find(texts, "third")->x - 0.2, 1.025 + 2 * (0.4 + t), 1e-9);
    EXPECT_NEAR(find(texts, "third")->y, find(texts, "first")->y, 1e-9);
    // With four columns a header spans two of them.
    bool wideHeader = false;
    for (const PageOp &op : out.report->ops(PageOp::Kind::Rect))
        wideHeader |= std::abs(op.x2 - op.x1 - (2 * (0.2 + t) + 0.2)) < 1e-9;
    EXPECT_TRUE(wideHeader);
}

TEST(CombinedClues, HeaderTextWithoutAColonIsAllDownHeader)
{
    LayoutObject comb = objectOf(ObjectKind::CombinedClues, 100, 100, 400, 400);
    comb.setText("Clues");
    PrintOptions options;
    applyLayout(options, pageWith({comb}));
    EXPECT_EQ(options.acrossHeader, "");
    EXPECT_EQ(options.downHeader, "Clues");

    comb.setText("Left:Right:More");
    applyLayout(options, pageWith({comb}));
    EXPECT_EQ(options.acrossHeader, "Left");
    EXPECT_EQ(options.downHeader, "Right:More");

    // A heading object with no text of its own keeps the label from the settings.
    options.acrossLabel = "Across";
    applyLayout(options, pageWith({objectOf(ObjectKind::AcrossHeading, 1, 1, 2, 2)}));
    EXPECT_EQ(options.acrossHeader, "Across");
}
