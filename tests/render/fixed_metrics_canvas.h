#pragma once
// A report canvas with fixed, simple metrics for asserting the renderers' formulas: every character
// is size/100 inch wide, the ascent is size/100 and the descent size/200 inch, and a device pixel
// is 1/100 inch. What is drawn is read back from the stream it records.

#include "layout/page_layout.h"
#include "render/page_renderer.h"
#include "report/report_canvas.h"
#include "store/puzzle_record.h"

#include <QString>

#include <ostream>
#include <string>
#include <vector>

// Texts read in test failures.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace qx::test {

class FixedMetricsCanvas : public ReportCanvas {
public:
    FixedMetricsCanvas() : ReportCanvas(100) {}

    struct Text {
        QString text;
        double x;
        double y;
        int size;
        bool opaque;
    };
    // Every text of page 1 in drawing order.
    std::vector<Text> texts() const;
    std::vector<QString> textStrings() const;
    // Operations of one kind on page 1.
    std::vector<PageOp> ops(PageOp::Kind kind) const;

protected:
    double measureText(const ReportFont &font, QStringView text) const override
    {
        return static_cast<double>(text.size()) * font.size / 100.0;
    }
    FontExtents measureFont(const ReportFont &font) const override
    {
        return FontExtents{font.size / 100.0, font.size / 200.0};
    }
};

// A Letter page whose layout units are hundredths of an inch (Scale = 0.01).
PageLayout pageWith(const std::vector<LayoutObject> &objects);

// An object of the kind at left, top, right, bottom (hundredths of an inch): Arial 10, left
// aligned, one column, transparent, no border, Make It Fit off; a grid with 5-point numbers written
// horizontally, white squares and one-pixel black lines.
LayoutObject objectOf(ObjectKind kind, int left, int top, int right, int bottom);

struct TestWord {
    std::string word; // as the grid spells it
    std::string clue;
    int row;
    int col;
    bool across;
    int number;
};

// A built puzzle from grid rows ('.' no square, '#' an empty square, anything else a letter) and
// its words, across words first. Every word is placed.
PuzzleRecord puzzleOf(const std::vector<std::string> &rows, const std::vector<TestWord> &words,
                      const PageLayout &layout);

struct Rendered {
    std::unique_ptr<FixedMetricsCanvas> report = std::make_unique<FixedMetricsCanvas>();
    RenderOutcome outcome;
};

// Runs the page through the recording canvas; the record's UsedFontSize fields are written.
Rendered renderOn(PuzzleRecord &record, const PrintOptions &options = {});

} // namespace qx::test
