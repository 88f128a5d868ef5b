#pragma once
// What one rendering of a page settled: the size every text-bearing object was drawn at and how its
// lines fell. The metafile export draws the page again from these figures instead of fitting
// anything anew, so the picture shows exactly the lines, columns and cut-off lists of the page the
// user looked at.

#include "layout/page_layout.h"
#include "render/print_options.h"
#include "store/puzzle_record.h"

#include <QtGlobal>

#include <array>
#include <utility>
#include <vector>

namespace qx {

// A column and a row of a list, both from 1.
struct ListPlace {
    int col = 0;
    int row = 0;
};

// The figures a clue list or the combined clues were laid out with.
struct ClueListMetrics {
    int fontSize = 0;
    int columns = 1;
    int linesPerColumn = 0;              // L
    double numberWidth = 0;              // n
    double gap = 0;                      // g
    double indent = 0;                   // d
    double columnWidth = 0;              // t, the text column
    double rowPitch = 0;                 // p
    std::vector<int> words;              // the words of the list, in order (1-based word numbers)
    std::vector<std::vector<int>> lines; // per word: the lengths of its wrapped lines, at most 7
    int lastFitted = 0;                  // how many words of `words` are printed
    int lastFittedDown = 0;              // combined clues: of the down words, which follow the across words
    int acrossWords = 0;                 // combined clues: how many of `words` are across words
    // Combined clues: where each clue and the two headers go.
    std::vector<ListPlace> places;
    ListPlace acrossHeader;
    ListPlace downHeader;
};

struct WordListMetrics {
    int fontSize = 0;
    int columns = 1;
    int linesPerColumn = 0;
    double indent = 0;
    double columnPitch = 0;
    double rowPitch = 0;
    std::vector<int> words;  // sorted, 1-based word numbers
    std::vector<bool> blank; // printed empty: wider than its column
    int lastFitted = 0;
};

// A free text object: its line height, the lines its box holds and where its lines were cut.
struct TextMetrics {
    double lineHeight = 0;                              // e
    int available = 0;                                  // A
    std::vector<std::pair<qsizetype, qsizetype>> lines; // start, end in the object's text
};

// One layout object's figures; which of them mean something depends on its kind.
struct ObjectFit {
    ClueListMetrics clues;
    WordListMetrics words;
    TextMetrics text;
};

struct PageFits {
    // The working record as the renderers left it (each object's UsedFontSize, the bonus question
    // object's text) and the options the page was drawn with.
    PuzzleRecord record;
    PrintOptions options;
    double scale = 1.0 / 48;
    int printWordCount = 0;
    std::array<ObjectFit, PageLayout::MaxObjects> objects; // slot k is objects[k - 1]
};

} // namespace qx
