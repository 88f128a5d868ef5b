#include "export/solvable_page_format.h"

#include "common/colors.h"
#include "common/cp1252.h"
#include "common/product.h"
#include "export/solvable_page_script.h"
#include "render/print_options.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace qx {

namespace {

// Looked up, and found by lupdate, under the context "qx".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(qx)
};

QString unicode(const std::string &bytes)
{
    return cp1252::toUnicode(bytes);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The rows and columns that hold a letter square: a shape's margins and the shape's squares no word
// uses beyond them only cost room on a small screen.
struct Extent {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;

    explicit Extent(const SolvingGrid &grid)
    {
        int bottom = -1;
        int right = -1;
        top = grid.height();
        left = grid.width();
        for (int r = 0; r < grid.height(); ++r) {
            for (int c = 0; c < grid.width(); ++c) {
                if (grid.square(r, c) != SolvingGrid::Square::Letter)
                    continue;
                top = std::min(top, r);
                left = std::min(left, c);
                bottom = std::max(bottom, r);
                right = std::max(right, c);
            }
        }
        width = right - left + 1;
        height = bottom - top + 1;
    }
    // The index of a square of the grid in the page's trimmed grid.
    int at(int r, int c) const { return (r - top) * width + (c - left); }
};

// The key of the puzzle's progress in local storage and the seed of its scrambling: a hash of its
// title, its squares and its answers, so that another puzzle never finds this one's letters. A grid
// trimmed in the page numbers its squares afresh, so the trimming is in the key too: a page written
// before grids were trimmed keeps its letters apart.
uint64_t puzzleKey(const SolvingGrid &grid, const Extent &extent)
{
    uint64_t hash = 0xcbf29ce484222325ULL;
    const auto mix = [&](uint8_t byte) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    };
    for (const char c : grid.title())
        mix(static_cast<uint8_t>(c));
    mix(0);
    mix(static_cast<uint8_t>(grid.width()));
    mix(static_cast<uint8_t>(grid.height()));
    for (int r = 0; r < grid.height(); ++r) {
        for (int c = 0; c < grid.width(); ++c) {
            mix(static_cast<uint8_t>(grid.square(r, c)));
            mix(grid.letter(r, c));
        }
    }
    if (extent.width != grid.width() || extent.height != grid.height()) {
        for (const int side : {extent.top, extent.left, extent.width, extent.height})
            mix(static_cast<uint8_t>(side));
    }
    return hash;
}

QString directionName(bool across)
{
    return across ? Texts::tr("Across") : Texts::tr("Down");
}

// The label a screen reader gives a square: each word through it with its clue and the letter's
// place in the word.
QString squareLabel(const SolvingGrid &grid, int r, int c)
{
    QStringList parts;
    for (const auto *list : {&grid.across(), &grid.down()}) {
        for (const SolvingWord &w : *list) {
            for (int i = 0; i < w.length; ++i) {
                if (w.rowOf(i) != r || w.colOf(i) != c)
                    continue;
                // One pass, so that a clue holding "%1" stays as it is.
                parts << Texts::tr("%1 %2: %3, letter %4 of %5")
                             .arg(QString::number(w.number), directionName(w.across), unicode(w.clue),
                                  QString::number(i + 1), QString::number(w.length));
            }
        }
    }
    return parts.join(QStringLiteral("; "));
}

QString clueList(const std::vector<SolvingWord> &words, int firstIndex, const QString &heading, const char *id)
{
    QString html =
        QStringLiteral("<section class=\"list\"><h2 id=\"%1-head\">%2</h2><ol id=\"%1\" aria-labelledby=\"%1-head\">\n")
            .arg(QLatin1String(id), escaped(heading));
    int index = firstIndex;
    for (const SolvingWord &w : words) {
        const std::string parts = w.enumeration();
        html += QStringLiteral("<li data-w=\"%1\" tabindex=\"0\" role=\"button\"><span class=\"n\">%2</span> "
                               "<span class=\"t\">%3</span>%4</li>\n")
                    .arg(index++)
                    .arg(w.number)
                    .arg(escaped(unicode(w.clue)),
                         parts.empty()
                             ? QString()
                             : QStringLiteral(" <span class=\"enum\">(%1)</span>").arg(QString::fromStdString(parts)));
    }
    return html + QStringLiteral("</ol></section>\n");
}

QString cssColor(ColorValue value)
{
    return fromColorValue(value).name();
}

QString button(const char *action, const QString &caption, const QString &more = QString())
{
    return QStringLiteral("<button type=\"button\" data-act=\"%1\"%3>%2</button>\n")
        .arg(QLatin1String(action), escaped(caption), more);
}

// A tool that opens a short list of choices.
QString menu(const char *id, const QString &caption, std::initializer_list<std::pair<const char *, QString>> items,
             bool atEnd = false)
{
    QString html =
        QStringLiteral("<div class=\"menu%1\"><button type=\"button\" class=\"opener\" aria-expanded=\"false\" "
                       "aria-controls=\"menu-%2\">%3</button>\n<div class=\"items\" id=\"menu-%2\" "
                       "role=\"group\" aria-label=\"%3\" hidden>\n")
            .arg(atEnd ? QStringLiteral(" end") : QString(), QLatin1String(id), escaped(caption));
    for (const auto &[action, text] : items)
        html += button(action, text);
    return html + QStringLiteral("</div></div>\n");
}

QString tools()
{
    QString html = QStringLiteral("<div class=\"tools\" role=\"group\" aria-label=\"%1\">\n")
                       .arg(escaped(Texts::tr("Puzzle tools")));
    html += menu("check", Texts::tr("Check"),
                 {{"check-letter", Texts::tr("Check letter")},
                  {"check-word", Texts::tr("Check word")},
                  {"check-puzzle", Texts::tr("Check puzzle")}});
    html += menu("reveal", Texts::tr("Reveal"),
                 {{"reveal-letter", Texts::tr("Reveal letter")},
                  {"reveal-word", Texts::tr("Reveal word")},
                  {"reveal-puzzle", Texts::tr("Reveal puzzle...")}});
    html += button("pencil", Texts::tr("Pencil"), QStringLiteral(" aria-pressed=\"false\""));
    html += button("zoom", Texts::tr("Zoom"), QStringLiteral(" aria-pressed=\"false\" hidden"));
    html += QStringLiteral(
        "<button type=\"button\" id=\"timer\" data-act=\"timer\" aria-pressed=\"false\">0:00</button>\n");
    html += menu("more", Texts::tr("More"),
                 {{"clear-word", Texts::tr("Clear word")},
                  {"clear-puzzle", Texts::tr("Clear all...")},
                  {"print-blank", Texts::tr("Print blank grid")},
                  {"print-letters", Texts::tr("Print with my letters")}},
                 true);
    html += QStringLiteral("</div>\n<div class=\"cluebar\">\n");
    html += button("prev", QStringLiteral("\u2039"),
                   QStringLiteral(" aria-label=\"%1\"").arg(escaped(Texts::tr("Previous word"))));
    html += QStringLiteral("<p id=\"current\" aria-hidden=\"true\"></p>\n");
    html += button("next", QStringLiteral("\u203a"),
                   QStringLiteral(" aria-label=\"%1\"").arg(escaped(Texts::tr("Next word"))));
    return html + QStringLiteral("</div>\n");
}

} // namespace

QString SolvablePageFormat::name() const
{
    return QStringLiteral("Solvable web page");
}

QString SolvablePageFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "web page (*.html)|*.html");
}

QString SolvablePageFormat::suffix() const
{
    return QStringLiteral("html");
}

QByteArray SolvablePageFormat::scramble(const QString &answers, uint32_t seed)
{
    QByteArray units;
    for (const QChar ch : answers) {
        seed = seed * 1103515245U + 12345U;
        const auto unit = static_cast<uint16_t>(ch.unicode() ^ ((seed >> 16) & 0xFFFF));
        units.append(static_cast<char>(unit & 0xFF));
        units.append(static_cast<char>(unit >> 8));
    }
    return units.toBase64();
}

FileOutcome<QByteArray> SolvablePageFormat::encodeGrid(const SolvingGrid &grid, const PuzzleRecord &record,
                                                       const QString &) const
{
    // Headings and the colour of the filled boxes as the puzzle's layout prints them.
    PrintOptions options;
    applyLayout(options, record.Layout);
    const QString acrossHeading = options.acrossHeader.empty() ? directionName(true) : unicode(options.acrossHeader);
    const QString downHeading = options.downHeader.empty() ? directionName(false) : unicode(options.downHeader);
    const QString title = grid.title().empty() ? Texts::tr("Crossword Puzzle") : unicode(grid.title());

    const Extent extent(grid);
    const uint64_t key = puzzleKey(grid, extent);
    const QString id = QStringLiteral("%1").arg(key, 16, 16, QLatin1Char('0'));

    QString squares;
    QString answers;
    QJsonArray letterSquares;
    for (int r = extent.top; r < extent.top + extent.height; ++r) {
        for (int c = extent.left; c < extent.left + extent.width; ++c) {
            const int at = extent.at(r, c);
            switch (grid.square(r, c)) {
            case SolvingGrid::Square::Outside:
                squares += QStringLiteral("<div class=\"sq out\"></div>");
                break;
            case SolvingGrid::Square::Block:
                squares += QStringLiteral("<div class=\"sq block\"></div>");
                break;
            case SolvingGrid::Square::Letter: {
                const uint8_t letter = grid.letter(r, c);
                const QString text = squareText(letter);
                answers += text;
                letterSquares.append(at);
                const int number = grid.number(r, c);
                const bool given = !solverTypes(letter);
                squares +=
                    QStringLiteral("<div class=\"sq open%1\" data-i=\"%2\">%3<input id=\"s%2\" "
                                   "aria-label=\"%4\" tabindex=\"-1\" autocomplete=\"off\" autocorrect=\"off\" "
                                   "autocapitalize=\"characters\" spellcheck=\"false\" enterkeyhint=\"next\"%5></div>")
                        .arg(given ? QStringLiteral(" given") : QString())
                        .arg(at)
                        .arg(number > 0
                                 ? QStringLiteral("<span class=\"num\" aria-hidden=\"true\">%1</span>").arg(number)
                                 : QString(),
                             escaped(squareLabel(grid, r, c)),
                             given ? QStringLiteral(" readonly value=\"%1\"").arg(escaped(text)) : QString());
                break;
            }
            }
        }
        squares += QLatin1Char('\n');
    }

    QJsonArray words;
    for (const auto *list : {&grid.across(), &grid.down()}) {
        for (const SolvingWord &w : *list) {
            QJsonArray cells;
            for (int i = 0; i < w.length; ++i)
                cells.append(extent.at(w.rowOf(i), w.colOf(i)));
            words.append(QJsonObject{
                {QStringLiteral("across"), w.across},
                {QStringLiteral("label"), Texts::tr("%1 %2", "a word's label: its number, then Across or Down")
                                              .arg(w.number)
                                              .arg(directionName(w.across))},
                {QStringLiteral("clue"), unicode(w.clue)},
                {QStringLiteral("cells"), cells}});
        }
    }
    QJsonObject data{
        {QStringLiteral("id"), id},
        {QStringLiteral("width"), extent.width},
        {QStringLiteral("height"), extent.height},
        {QStringLiteral("squares"), letterSquares},
        {QStringLiteral("answers"), QString::fromLatin1(scramble(answers, static_cast<uint32_t>(key >> 32)))},
        {QStringLiteral("words"), words},
    };
    const QJsonObject scriptTexts = translatedSolvablePageTexts();
    if (!scriptTexts.isEmpty())
        data.insert(QStringLiteral("text"), scriptTexts);
    // Inside a script element "</" would end it; JSON may write '<' as an escape instead.
    QString json = QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact));
    json.replace(QLatin1Char('<'), QStringLiteral("\\u003c"));

    const QString blockColor = options.useBoxes ? cssColor(options.boxColor) : QStringLiteral("transparent");
    QString html;
    // The page is laid out again, not covered, when an on-screen keyboard opens.
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%5\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, "
                           "interactive-widget=resizes-content\">\n"
                           "<meta name=\"generator\" content=\"%4\">\n<title>%1</title>\n<style>\n%2</style>\n"
                           "</head>\n<body>\n<a class=\"skip\" href=\"#clues\">%3</a>\n<main>\n<h1>%1</h1>\n")
                .arg(escaped(title), QString::fromUtf8(solvablePageStyle()), escaped(Texts::tr("Skip to the clues")),
                     QString::fromLatin1(ProductName),
                     //: The language code (BCP 47) of this translation: the page's lang attribute.
                     escaped(Texts::tr("en", "language code")));
    html +=
        QStringLiteral("<p class=\"help keys\" id=\"help\">%1</p>\n<p class=\"help touch\">%2</p>\n")
            .arg(escaped(Texts::tr("Click a square or a clue and type the answer; typing follows the word's direction. "
                                   "The arrow keys move, Tab and Shift+Tab go to the next and the previous word, "
                                   "Backspace erases, a second click on a square (or the space bar) turns the "
                                   "direction, and Escape leaves the grid.")),
                 escaped(Texts::tr("Tap a square or a clue and type; tap the square again to turn.")));
    html +=
        QStringLiteral("<div class=\"bar\" id=\"bar\">\n%1<p id=\"status\" role=\"status\" aria-live=\"polite\"></p>\n"
                       "</div>\n")
            .arg(tools());
    html +=
        QStringLiteral("<div class=\"play\">\n<div class=\"board\" id=\"board\" style=\"--cols:%2;--block:%3\">\n"
                       "<div class=\"gridbox\" id=\"gridbox\">\n"
                       "<div id=\"grid\" role=\"group\" aria-label=\"%1\">\n%4</div>\n"
                       "</div>\n</div>\n<div class=\"clues\" id=\"clues\" tabindex=\"-1\">\n")
            .arg(escaped(Texts::tr("Puzzle grid, %1 squares wide and %2 high").arg(extent.width).arg(extent.height)))
            .arg(extent.width)
            .arg(blockColor, squares);
    html += clueList(grid.across(), 0, acrossHeading, "across");
    html += clueList(grid.down(), static_cast<int>(grid.across().size()), downHeading, "down");
    html += QStringLiteral("</div>\n</div>\n");
    if (!grid.bonusQuestion().empty())
        html += QStringLiteral("<p class=\"bonus\">%1</p>\n").arg(escaped(unicode(grid.bonusQuestion())));
    html +=
        QStringLiteral("<p class=\"note\">%1</p>\n")
            .arg(escaped(Texts::tr("Your letters and your time are kept in this browser. The answers are stored in "
                                   "this page in a simply scrambled form, so they cannot be read in its source at a "
                                   "glance.")));
    html += QStringLiteral("</main>\n<script type=\"application/json\" id=\"puzzle-data\">%1</script>\n"
                           "<script>\n%2</script>\n</body>\n</html>\n")
                .arg(json, QString::fromUtf8(solvablePageScript()));
    return html.toUtf8();
}

} // namespace qx
