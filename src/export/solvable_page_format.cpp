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

namespace qx {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("qx", text);
}

QString unicode(const std::string &bytes)
{
    return cp1252::toUnicode(bytes);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The key of the puzzle's progress in local storage and the seed of its scrambling: a hash of its
// title, its squares and its answers, so that another puzzle never finds this one's letters.
uint64_t puzzleKey(const SolvingGrid &grid)
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
    return hash;
}

QString directionName(bool across)
{
    return across ? tr("Across") : tr("Down");
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
                parts << tr("%1 %2: %3, letter %4 of %5")
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

} // namespace

QString SolvablePageFormat::name() const
{
    return QStringLiteral("Solvable web page");
}

QString SolvablePageFormat::nameFilter() const
{
    return QStringLiteral("web page (*.html)|*.html");
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
    const QString title = grid.title().empty() ? tr("Crossword Puzzle") : unicode(grid.title());

    const uint64_t key = puzzleKey(grid);
    const QString id = QStringLiteral("%1").arg(key, 16, 16, QLatin1Char('0'));

    QString squares;
    QString answers;
    QJsonArray letterSquares;
    for (int r = 0; r < grid.height(); ++r) {
        for (int c = 0; c < grid.width(); ++c) {
            const int at = r * grid.width() + c;
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
                                   "aria-label=\"%4\" tabindex=\"-1\" autocomplete=\"off\" "
                                   "autocapitalize=\"characters\" spellcheck=\"false\"%5></div>")
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
                cells.append(w.rowOf(i) * grid.width() + w.colOf(i));
            words.append(QJsonObject{
                {QStringLiteral("across"), w.across},
                {QStringLiteral("label"), QStringLiteral("%1 %2").arg(w.number).arg(directionName(w.across))},
                {QStringLiteral("clue"), unicode(w.clue)},
                {QStringLiteral("cells"), cells}});
        }
    }
    const QJsonObject data{
        {QStringLiteral("id"), id},
        {QStringLiteral("width"), grid.width()},
        {QStringLiteral("height"), grid.height()},
        {QStringLiteral("squares"), letterSquares},
        {QStringLiteral("answers"), QString::fromLatin1(scramble(answers, static_cast<uint32_t>(key >> 32)))},
        {QStringLiteral("words"), words},
    };
    // Inside a script element "</" would end it; JSON may write '<' as an escape instead.
    QString json = QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact));
    json.replace(QLatin1Char('<'), QStringLiteral("\\u003c"));

    const QString blockColor = options.useBoxes ? cssColor(options.boxColor) : QStringLiteral("transparent");
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                           "<meta name=\"generator\" content=\"%3\">\n<title>%1</title>\n<style>\n%2</style>\n"
                           "</head>\n<body>\n<main>\n<h1>%1</h1>\n")
                .arg(escaped(title), QString::fromUtf8(solvablePageStyle()), QLatin1String(ProductName));
    html +=
        QStringLiteral("<p class=\"help\" id=\"help\">%1</p>\n")
            .arg(escaped(tr("Click a square or a clue and type the answer; typing follows the word's direction. The "
                            "arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace "
                            "erases, and a second click on a square (or the space bar) turns the direction. Your "
                            "letters are kept in this browser. The answers are stored in this page in a simply "
                            "scrambled form, so they cannot be read in its source at a glance.")));
    html +=
        QStringLiteral("<div class=\"tools\" role=\"toolbar\" aria-label=\"%1\">\n").arg(escaped(tr("Puzzle tools")));
    const struct {
        const char *action;
        const char *caption;
    } buttons[] = {
        {"check-letter", "Check letter"}, {"check-word", "Check word"},
        {"check-puzzle", "Check puzzle"}, {"reveal-letter", "Reveal letter"},
        {"reveal-word", "Reveal word"},   {"reveal-puzzle", "Reveal puzzle"},
        {"clear", "Clear all"},           {"print", "Print"},
    };
    for (const auto &b : buttons) {
        html += QStringLiteral("<button type=\"button\" data-act=\"%1\">%2</button>\n")
                    .arg(QLatin1String(b.action), escaped(tr(b.caption)));
    }
    html += QStringLiteral("</div>\n<p id=\"status\" role=\"status\" aria-live=\"polite\"></p>\n");
    html += QStringLiteral("<div class=\"play\">\n<div class=\"board\" style=\"--cols:%2;--block:%3\">\n"
                           "<p id=\"current\" aria-hidden=\"true\"></p>\n"
                           "<div id=\"grid\" role=\"group\" aria-label=\"%1\">\n%4</div>\n"
                           "</div>\n<div class=\"clues\">\n")
                .arg(escaped(tr("Puzzle grid, %1 squares wide and %2 high").arg(grid.width()).arg(grid.height())))
                .arg(grid.width())
                .arg(blockColor, squares);
    html += clueList(grid.across(), 0, acrossHeading, "across");
    html += clueList(grid.down(), static_cast<int>(grid.across().size()), downHeading, "down");
    html += QStringLiteral("</div>\n</div>\n");
    if (!grid.bonusQuestion().empty())
        html += QStringLiteral("<p class=\"bonus\">%1</p>\n").arg(escaped(unicode(grid.bonusQuestion())));
    html += QStringLiteral("</main>\n<script type=\"application/json\" id=\"puzzle-data\">%1</script>\n"
                           "<script>\n%2</script>\n</body>\n</html>\n")
                .arg(json, QString::fromUtf8(solvablePageScript()));
    return html.toUtf8();
}

} // namespace qx
