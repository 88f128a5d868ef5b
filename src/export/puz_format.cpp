#include "export/puz_format.h"

#include "common/cp1252.h"

#include <QCoreApplication>
#include <map>
#include <tuple>

namespace qx {

namespace {

std::string withoutNul(std::string text)
{
    std::erase(text, '\0');
    return text;
}

void putShort(std::string &bytes, size_t at, uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

} // namespace

QString PuzFormat::name() const
{
    return QStringLiteral("puz");
}

QString PuzFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "puz (*.puz)|*.puz");
}

QString PuzFormat::suffix() const
{
    return QStringLiteral("puz");
}

uint16_t PuzFormat::checksum(std::string_view bytes, uint16_t sum)
{
    for (const char c : bytes) {
        sum = static_cast<uint16_t>((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1);
        sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(c));
    }
    return sum;
}

FileOutcome<QByteArray> PuzFormat::encodeGrid(const SolvingGrid &grid, const PuzzleRecord &, const QString &path) const
{
    const int width = grid.width();
    const int height = grid.height();
    if (width > MaxSide || height > MaxSide) {
        return refused(path, Refusal::PuzGridTooLarge,
                       {QString::number(MaxSide), QString::number(width), QString::number(height)});
    }
    const auto open = [&](int r, int c) {
        return r >= 0 && c >= 0 && r < height && c < width && grid.square(r, c) == SolvingGrid::Square::Letter;
    };

    // Our words by first square and direction; each must be one of the runs a reader finds.
    std::map<std::tuple<int, int, bool>, const SolvingWord *> words;
    for (const auto *list : {&grid.across(), &grid.down()}) {
        for (const SolvingWord &w : *list) {
            if (!words.emplace(std::make_tuple(w.row, w.col, w.across), &w).second) {
                return refused(path, Refusal::PuzWordsShareSquares, {cp1252::toUnicode(w.word)});
            }
        }
    }

    std::string solution;
    std::string fill;
    std::vector<std::string> clues; // by first square, across before down
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (!open(r, c)) {
                solution += '.';
                fill += '.';
                continue;
            }
            const uint8_t letter = grid.letter(r, c);
            if (letter == '.' || letter == '-') {
                return refused(path, Refusal::PuzSquareCharacter, {QString(QChar(static_cast<char16_t>(letter)))});
            }
            solution += static_cast<char>(letter);
            fill += '-';
            for (const bool across : {true, false}) {
                const int dr = across ? 0 : 1;
                const int dc = across ? 1 : 0;
                if (open(r - dr, c - dc) || !open(r + dr, c + dc))
                    continue;
                int length = 0;
                while (open(r + length * dr, c + length * dc))
                    ++length;
                const auto found = words.find(std::make_tuple(r, c, across));
                if (found == words.end() || found->second->length != length) {
                    return refused(path, Refusal::PuzRunIsNoWord,
                                   {across ? QStringLiteral("across") : QStringLiteral("down"), QString::number(r + 1),
                                    QString::number(c + 1)});
                }
                clues.push_back(withoutNul(found->second->clue));
                words.erase(found);
            }
        }
    }
    // A word that is no run: a single square, or part of a longer run of letters.
    if (!words.empty()) {
        return refused(path, Refusal::PuzWordIsNoRun, {cp1252::toUnicode(words.begin()->second->word)});
    }

    const std::string title = withoutNul(grid.title());
    const std::string notes = withoutNul(grid.bonusQuestion());
    const std::string author;
    const std::string copyright;

    std::string bytes(0x34, '\0');
    bytes.replace(0x02, 12, std::string("ACROSS&DOWN\0", 12));
    bytes.replace(0x18, 4, std::string("1.3\0", 4));
    bytes[0x2C] = static_cast<char>(width);
    bytes[0x2D] = static_cast<char>(height);
    putShort(bytes, 0x2E, static_cast<uint16_t>(clues.size()));
    putShort(bytes, 0x30, 0x0001); // a plain puzzle
    putShort(bytes, 0x32, 0);      // not scrambled

    // The checksums cover the board and the strings the way readers check them: a text counts
    // with its NUL only when it is not empty, a clue never with its NUL. The whole-file sum goes
    // on from the header's and the board's sums through the same strings.
    const auto sumTexts = [&](uint16_t sum) {
        const auto text = [&](const std::string &s) {
            if (!s.empty())
                sum = checksum(std::string_view(s.c_str(), s.size() + 1), sum);
        };
        text(title);
        text(author);
        text(copyright);
        for (const std::string &clue : clues)
            sum = checksum(clue, sum);
        text(notes);
        return sum;
    };
    const uint16_t cib = checksum(std::string_view(bytes).substr(0x2C, 8), 0);
    const uint16_t solutionSum = checksum(solution, 0);
    const uint16_t fillSum = checksum(fill, 0);
    const uint16_t texts = sumTexts(0);
    const uint16_t file = sumTexts(checksum(fill, checksum(solution, cib)));

    putShort(bytes, 0x00, file);
    putShort(bytes, 0x0E, cib);
    const char *mask = "ICHEATED";
    const uint16_t sums[4] = {cib, solutionSum, fillSum, texts};
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<size_t>(0x10 + i)] = static_cast<char>(mask[i] ^ (sums[i] & 0xFF));
        bytes[static_cast<size_t>(0x14 + i)] = static_cast<char>(mask[4 + i] ^ (sums[i] >> 8));
    }

    bytes += solution;
    bytes += fill;
    for (const std::string *s : {&title, &author, &copyright})
        bytes.append(s->c_str(), s->size() + 1);
    for (const std::string &clue : clues)
        bytes.append(clue.c_str(), clue.size() + 1);
    bytes.append(notes.c_str(), notes.size() + 1);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace qx
