#include "fixed_metrics_canvas.h"

#include "render/render_page.h"

#include <algorithm>

namespace qx::test {

std::vector<FixedMetricsCanvas::Text> FixedMetricsCanvas::texts() const
{
    std::vector<Text> out;
    if (stream().pages.empty())
        return out;
    for (const PageOp &op : stream().pages[0].ops) {
        if (op.kind == PageOp::Kind::Text)
            out.push_back(
                Text{stream().textOf(op), op.x1, op.y1, stream().fontOf(op).size, op.has(PageOp::OpaqueText)});
    }
    return out;
}

std::vector<QString> FixedMetricsCanvas::textStrings() const
{
    std::vector<QString> out;
    for (const auto &t : texts())
        out.push_back(t.text);
    return out;
}

std::vector<PageOp> FixedMetricsCanvas::ops(PageOp::Kind kind) const
{
    std::vector<PageOp> out;
    if (stream().pages.empty())
        return out;
    for (const PageOp &op : stream().pages[0].ops) {
        if (op.kind == kind)
            out.push_back(op);
    }
    return out;
}

PageLayout pageWith(const std::vector<LayoutObject> &objects)
{
    PageLayout layout;
    layout.LayoutName.set("Test");
    layout.PaperName.set("Letter");
    layout.PageWidth = 8.5;
    layout.PageHeight = 11;
    layout.LayoutWidth = 850;
    layout.LayoutHeight = 1100;
    layout.SizeInInches = 1;
    layout.Portrait = 1;
    layout.DesignZoom = 1;
    layout.ObjectCount = static_cast<int16_t>(objects.size());
    std::copy(objects.begin(), objects.end(), layout.Objects.begin());
    return layout;
}

LayoutObject objectOf(ObjectKind kind, int left, int top, int right, int bottom)
{
    LayoutObject o;
    o.Kind = static_cast<int16_t>(kind);
    o.Bounds = {left, top, right, bottom};
    o.FontName.set("Arial");
    o.FontSize = 10;
    o.NumberFontName.set("Arial");
    o.NumberFontSize = 5;
    o.SquareColor = 0x00FFFFFF;
    o.NumbersHorizontal = 1;
    o.LineWidth = 1;
    o.Alignment = 1;
    o.Transparent = 1;
    o.Columns = 1;
    o.MakeItFit = 0;
    o.FillColor = 0;
    o.HasBorder = 0;
    o.BorderWidth = 1;
    return o;
}

PuzzleRecord puzzleOf(const std::vector<std::string> &rows, const std::vector<TestWord> &words,
                      const PageLayout &layout)
{
    PuzzleRecord r;
    r.PuzzleName.set("Test Puzzle");
    r.GridHeight = static_cast<int16_t>(rows.size());
    r.GridWidth = static_cast<int16_t>(rows.empty() ? 1 : rows[0].size());
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t col = 0; col < rows[row].size(); ++col) {
            const char c = rows[row][col];
            r.Grid[static_cast<size_t>(cellIndex(static_cast<int>(row) + 1, static_cast<int>(col) + 1) - 1)] =
                c == '.' ? 0 : (c == '#' ? ' ' : static_cast<uint8_t>(c));
        }
    }
    r.WordCount = static_cast<int16_t>(words.size());
    int across = 0;
    for (size_t k = 0; k < words.size(); ++k) {
        const TestWord &w = words[k];
        r.Words[k].set(w.word);
        r.Clues[k].set(w.clue);
        r.WordPos[k] = static_cast<int16_t>(cellIndex(w.row, w.col));
        r.WordLen[k] = static_cast<int16_t>(w.word.size());
        r.WordNumber[k] = static_cast<int16_t>(w.number);
        r.WordAcross[k] = w.across ? 1 : 0;
        r.WordPlaced[k] = 1;
        across += w.across ? 1 : 0;
    }
    r.AcrossCount = static_cast<int16_t>(across);
    r.DownCount = static_cast<int16_t>(words.size() - static_cast<size_t>(across));
    r.PuzzleBuilt = 1;
    r.Layout = layout;
    return r;
}

Rendered renderOn(PuzzleRecord &record, const PrintOptions &options)
{
    Rendered out;
    out.outcome = renderPage(record, options, *out.report);
    return out;
}

} // namespace qx::test
