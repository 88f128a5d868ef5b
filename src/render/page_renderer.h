#pragma once
// Draws one puzzle page through the report engine: the four engine events and a renderer per kind
// of layout object, all reading the working copy of the puzzle and the print options. It shows
// nothing itself: what the user must be told comes back as a RenderOutcome.
//
// The record is never trusted: counts, positions, kinds, sizes and bounds out of range are held to
// their ranges or the object is skipped, so a damaged puzzle prints what is sound.

#include "layout/page_layout.h"
#include "render/page_fits.h"
#include "render/print_options.h"
#include "render/render_outcome.h"
#include "report/report_canvas.h"
#include "store/puzzle_record.h"

#include <QImage>
#include <QRectF>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qx {

enum class ClueDirection { Across, Down };

// A line of text starting at `top`: a printed page places it by its baseline, a redrawn one (a
// metafile) by its top.
void placeText(ReportCanvas &report, bool byTop, double x, double top, double baseline, QStringView text);

class PageRenderer {
public:
    // The record is the working copy: UsedFontSize of its objects and the bonus question object's
    // text are written as the page is drawn, and what every object came to is kept (fits()).
    PageRenderer(PuzzleRecord &record, const PrintOptions &options);
    // Draws the page again as a metafile shows it, from what an earlier rendering settled: no size
    // is searched and no line wrapped anew, texts are placed by the top of their line, the header
    // objects show their own texts, and pictures are left out. The record is a working copy of
    // the earlier one.
    PageRenderer(PuzzleRecord &record, const PageFits &earlier);
    ~PageRenderer();

    // Connects the four events and sets the orientation from the layout, as done before every run.
    void wire(ReportCanvas &report);
    // The outcome of the run the report just finished.
    RenderOutcome outcome(const ReportCanvas &report) const;

    // What the report engine calls: before the first page, for each page, for each page's
    // footer, and after the last page.
    void beginReport(ReportCanvas &report);
    void drawPage(ReportCanvas &report);
    void drawFooter(ReportCanvas &report);
    void endReport(ReportCanvas &report);

    // One renderer per kind; `index` is the object's slot, 1-based. drawTextLine draws the
    // one-line kinds (title, headings, bonus question), drawTextBox free text, drawRectangle
    // rectangles and circles.
    void drawTextLine(ReportCanvas &report, int index);
    void drawTextBox(ReportCanvas &report, int index);
    void drawRectangle(ReportCanvas &report, int index);
    void drawPicture(ReportCanvas &report, int index);
    void drawPuzzleGrid(ReportCanvas &report, int index);
    void drawClueList(ReportCanvas &report, int index, ClueDirection direction);
    void drawCombinedClues(ReportCanvas &report, int index);
    void drawWordList(ReportCanvas &report, int index);

    // Inches per layout unit, and the words that print (up to the last placed one).
    double scale() const { return m_scale; }
    int printWordCount() const { return m_printWordCount; }
    // What this rendering settled, with the record as it is now and the options.
    std::unique_ptr<PageFits> takeFits() const;

private:
    struct Box {
        double left, top, right, bottom;
        double width() const { return right - left; }
        double height() const { return bottom - top; }
    };
    struct Grid;
    struct FontFit {
        int size;
        bool fits;
    };
    enum class BorderShape { Rectangle, Ellipse };

    LayoutObject &object(int index) { return m_record.Layout.Objects[static_cast<size_t>(index - 1)]; }
    ObjectFit &fitOf(int index) { return m_fits->objects[static_cast<size_t>(index - 1)]; }
    const ObjectFit &earlierFit(int index) const { return m_earlier->objects[static_cast<size_t>(index - 1)]; }
    // Drawing again from an earlier rendering (the metafile's way) rather than fitting.
    bool redrawing() const { return m_earlier != nullptr; }
    // The across and down headers a header or combined-clues object shows on a redrawn page: its
    // own stored text, or the labels when it has none.
    std::pair<std::string, std::string> layoutHeaders(const LayoutObject &o) const;
    // Sets the main font at the size the earlier rendering used for the object.
    void setEarlierFont(ReportCanvas &report, const LayoutObject &o) const;
    void printLine(ReportCanvas &report, double x, double top, double baseline, QStringView text) const
    {
        placeText(report, redrawing(), x, top, baseline, text);
    }
    bool objectBox(const LayoutObject &o, Box &box) const;
    // The border rule of every box object: BorderWidth outlines, each one device pixel further out.
    void drawBorder(ReportCanvas &report, const LayoutObject &o, const Box &box,
                    BorderShape shape = BorderShape::Rectangle) const;
    // Sets the object's main font and lays the object out with `fits`; while that fails, `shrink`
    // is on and the size is above `floor`, the size goes down one point and the layout is tried
    // again. The size it stops at stays set and becomes the object's UsedFontSize.
    static FontFit fitMainFont(ReportCanvas &report, LayoutObject &o, int floor, bool shrink,
                               const std::function<bool()> &fits);
    // A clue list's or word list's font: the earlier rendering's size and all it settled when
    // redrawing, else the size fitMainFont stops at for `layOut`, with `overflow` set when even
    // that does not fit.
    template <typename Metrics>
    void fitListFont(ReportCanvas &report, LayoutObject &o, Metrics &metrics, const Metrics *earlier, bool makeItFit,
                     const std::function<bool()> &layOut, bool &overflow);
    // The current font, one point smaller at a time while `fits` fails and the size is above
    // `floor`; the size it stops at stays set.
    static FontFit shrinkToFit(ReportCanvas &report, int floor, const std::function<bool()> &fits);
    // The height of the measuring string in the current font: a line of a text or a list.
    static double measuringHeight(const ReportCanvas &report);
    int acrossCount() const;
    int wordNumber(int word) const { return m_record.WordNumber[static_cast<size_t>(word - 1)]; }
    QString clueText(int word) const;

    // The clue lists' steps.
    std::vector<QString> listClues(ClueListMetrics &metrics, int first, int last) const;

    // The grid's steps, in drawing order.
    Grid gridIn(const Box &box) const;
    void drawFilledBoxes(ReportCanvas &report, const Grid &grid) const;
    void drawSquares(ReportCanvas &report, const LayoutObject &o, const Grid &grid) const;
    void drawGridLines(ReportCanvas &report, const LayoutObject &o, const Grid &grid) const;
    // Returns, per cell, how far down from its top the cell's number reaches (0: no number).
    std::vector<double> drawClueNumbers(ReportCanvas &report, const LayoutObject &o, const Grid &grid) const;
    void drawGridLetters(ReportCanvas &report, LayoutObject &o, const Grid &grid,
                         const std::vector<std::pair<int, int>> &letters, const std::vector<double> &numberDepth) const;
    // The cells (row, column) whose letters the options show, each once, in drawing order.
    std::vector<std::pair<int, int>> shownLetters(const Grid &grid) const;
    // The cells of a word that lie inside the grid in use.
    std::vector<std::pair<int, int>> wordCells(const Grid &grid, int word) const;

    PuzzleRecord &m_record;
    PrintOptions m_options;

    double m_scale = 1.0 / 48;
    int m_printWordCount = 0;
    int m_textCounter = 0;
    std::array<QImage, PageLayout::MaxObjects> m_pictures;
    RenderOutcome m_outcome;
    std::unique_ptr<PageFits> m_fits;
    const PageFits *m_earlier = nullptr;
};

// The colour of a stored colour value (red in the low byte).
QColor colorOf(ColorValue value);

// A layout object's main font and the grid's number font.
ReportFont mainFont(const LayoutObject &o);
ReportFont numberFont(const LayoutObject &o);

} // namespace qx
