#pragma once
// Small readers of the two exchange formats, written from their published descriptions rather
// than from the program's writers: what a solving app finds in a file the program wrote.
//
// .puz: a 52-byte header (the file checksum, "ACROSS&DOWN", the CIB checksum, the masked
// "ICHEATED" checksums, width and height bytes at 0x2C, the clue count at 0x2E), the solution and
// the fill boards ('.' black), NUL-ended strings (title, author, copyright, the clues, notes). The
// clue numbers are not stored: each square that starts a run of two or more open squares across or
// down takes the next number in reading order, and the clues follow that order, across first.
//
// .ipuz: JSON whose "puzzle" holds the numbers ("#" blocks, null omitted squares, or a cell object
// {"cell": n}), whose "solution" holds the letters, and whose clue lists give each clue's number; a
// clue's squares run from its numbered square until a block, an omitted square or the edge.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace qx::test {

struct ReadEntry {
    int number = 0;
    bool across = true;
    int row = 0;         // 0-based
    int col = 0;         // 0-based
    QString answer;      // the solution's letters along the entry
    QString clue;        // as a solver sees it
    QString enumeration; // ipuz only
    friend bool operator==(const ReadEntry &, const ReadEntry &) = default;
};

struct ReadPuzzle {
    QString error; // empty when the file reads cleanly
    int width = 0;
    int height = 0;
    QString title;
    QString notes;
    std::vector<ReadEntry> entries; // in the file's order
    std::vector<QString> rows;      // the solution: '.' black or outside, letters
};

inline uint16_t puzChecksum(const QByteArray &bytes, qsizetype from, qsizetype length, uint16_t sum)
{
    for (qsizetype i = from; i < from + length; ++i) {
        sum = static_cast<uint16_t>((sum & 1) ? (sum >> 1) | 0x8000 : sum >> 1);
        sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(bytes[i]));
    }
    return sum;
}

inline QString latin(const QByteArray &bytes)
{
    // Windows-1252 as a solving app on Windows shows it; the tests' texts keep to its Latin-1 part.
    return QString::fromLatin1(bytes);
}

inline ReadPuzzle readPuz(const QByteArray &file)
{
    ReadPuzzle out;
    const auto u16 = [&](qsizetype at) {
        return static_cast<uint16_t>(static_cast<uint8_t>(file[at]) | (static_cast<uint8_t>(file[at + 1]) << 8));
    };
    if (file.size() < 0x34 || file.mid(2, 12) != QByteArray("ACROSS&DOWN\0", 12)) {
        out.error = QStringLiteral("no .puz header");
        return out;
    }
    out.width = static_cast<uint8_t>(file[0x2C]);
    out.height = static_cast<uint8_t>(file[0x2D]);
    const int clueCount = u16(0x2E);
    const qsizetype size = qsizetype(out.width) * out.height;
    if (u16(0x32) != 0 || file.size() < 0x34 + 2 * size) {
        out.error = QStringLiteral("scrambled or short");
        return out;
    }
    const QByteArray solution = file.mid(0x34, size);
    const QByteArray fill = file.mid(0x34 + size, size);

    // The strings, each with where it lies, for the checksums.
    qsizetype at = 0x34 + 2 * size;
    std::vector<QByteArray> strings;
    for (int i = 0; i < 3 + clueCount + 1; ++i) {
        const qsizetype nul = file.indexOf('\0', at);
        if (nul < 0) {
            out.error = QStringLiteral("strings cut short");
            return out;
        }
        strings.push_back(file.mid(at, nul - at));
        at = nul + 1;
    }
    if (at != file.size()) {
        out.error = QStringLiteral("bytes after the notes");
        return out;
    }

    const uint16_t cib = puzChecksum(file, 0x2C, 8, 0);
    const auto textSum = [&](uint16_t sum) {
        for (size_t i = 0; i < strings.size(); ++i) {
            const QByteArray s = strings[i];
            const bool clue = i >= 3 && i < 3 + static_cast<size_t>(clueCount);
            if (clue)
                sum = puzChecksum(s, 0, s.size(), sum);
            else if (!s.isEmpty())
                sum = puzChecksum(s + QByteArray(1, '\0'), 0, s.size() + 1, sum);
        }
        return sum;
    };
    const uint16_t solutionSum = puzChecksum(solution, 0, size, 0);
    const uint16_t fillSum = puzChecksum(fill, 0, size, 0);
    const uint16_t whole = textSum(puzChecksum(fill, 0, size, puzChecksum(solution, 0, size, cib)));
    const uint16_t sums[4] = {cib, solutionSum, fillSum, textSum(0)};
    const char *mask = "ICHEATED";
    bool masked = true;
    for (int i = 0; i < 4; ++i) {
        masked = masked && static_cast<uint8_t>(file[0x10 + i]) == (uint8_t(mask[i]) ^ (sums[i] & 0xFF)) &&
                 static_cast<uint8_t>(file[0x14 + i]) == (uint8_t(mask[4 + i]) ^ (sums[i] >> 8));
    }
    if (u16(0x0E) != cib || u16(0) != whole || !masked) {
        out.error = QStringLiteral("a checksum does not match");
        return out;
    }

    out.title = latin(strings[0]);
    out.notes = latin(strings.back());
    const auto black = [&](int r, int c) {
        return r < 0 || c < 0 || r >= out.height || c >= out.width || solution[r * out.width + c] == '.';
    };
    for (int r = 0; r < out.height; ++r)
        out.rows.push_back(latin(solution.mid(r * out.width, out.width)));
    int number = 0;
    size_t clue = 3;
    for (int r = 0; r < out.height; ++r) {
        for (int c = 0; c < out.width; ++c) {
            if (black(r, c))
                continue;
            bool numbered = false;
            for (const bool across : {true, false}) {
                const int dr = across ? 0 : 1;
                const int dc = across ? 1 : 0;
                if (!black(r - dr, c - dc) || black(r + dr, c + dc))
                    continue;
                if (!numbered)
                    ++number;
                numbered = true;
                ReadEntry e{number, across, r, c, {}, {}, {}};
                for (int i = 0; !black(r + i * dr, c + i * dc); ++i)
                    e.answer += out.rows[static_cast<size_t>(r + i * dr)][c + i * dc];
                if (clue >= 3 + static_cast<size_t>(clueCount)) {
                    out.error = QStringLiteral("more runs than clues");
                    return out;
                }
                e.clue = latin(strings[clue++]);
                out.entries.push_back(e);
            }
        }
    }
    if (clue != 3 + static_cast<size_t>(clueCount))
        out.error = QStringLiteral("more clues than runs");
    return out;
}

// An ipuz text as a solver shows it: ipuz texts may hold HTML, so a plain '&' or '<' is written as
// an entity.
inline QString ipuzText(const QJsonValue &value)
{
    QString text = value.toString();
    for (const auto &[entity, plain] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}})
        text.replace(QLatin1String(entity), QLatin1String(plain));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

inline ReadPuzzle readIpuz(const QByteArray &file)
{
    ReadPuzzle out;
    QJsonParseError parse{};
    const QJsonObject ipuz = QJsonDocument::fromJson(file, &parse).object();
    if (parse.error != QJsonParseError::NoError || ipuz.value("version").toString() != "http://ipuz.org/v2" ||
        !ipuz.value("kind").toArray().contains(QJsonValue("http://ipuz.org/crossword#1"))) {
        out.error = QStringLiteral("not an ipuz crossword");
        return out;
    }
    out.width = ipuz.value("dimensions").toObject().value("width").toInt();
    out.height = ipuz.value("dimensions").toObject().value("height").toInt();
    out.title = ipuzText(ipuz.value("title"));
    out.notes = ipuzText(ipuz.value("notes"));
    const QJsonArray puzzle = ipuz.value("puzzle").toArray();
    const QJsonArray solution = ipuz.value("solution").toArray();
    const QString block = ipuz.value("block").toString(QStringLiteral("#"));
    if (puzzle.size() != out.height || solution.size() != out.height) {
        out.error = QStringLiteral("rows do not match the height");
        return out;
    }
    for (int r = 0; r < out.height; ++r) {
        if (puzzle[r].toArray().size() != out.width || solution[r].toArray().size() != out.width) {
            out.error = QStringLiteral("a row does not match the width");
            return out;
        }
        QString row;
        for (int c = 0; c < out.width; ++c) {
            const QJsonValue square = solution[r].toArray()[c];
            row += square.isString() && square.toString() != block ? square.toString() : QStringLiteral(".");
        }
        out.rows.push_back(row);
    }
    const auto open = [&](int r, int c) {
        if (r < 0 || c < 0 || r >= out.height || c >= out.width)
            return false;
        const QJsonValue square = puzzle[r].toArray()[c];
        return !square.isNull() && square.toString() != block;
    };
    const auto numberAt = [&](int r, int c) {
        const QJsonValue square = puzzle[r].toArray()[c];
        return square.isObject() ? square.toObject().value("cell").toInt() : square.toInt();
    };
    const QJsonObject clues = ipuz.value("clues").toObject();
    for (const bool across : {true, false}) {
        for (const QJsonValue item : clues.value(across ? "Across" : "Down").toArray()) {
            ReadEntry e;
            e.across = across;
            if (item.isArray()) {
                e.number = item.toArray()[0].toInt();
                e.clue = ipuzText(item.toArray()[1]);
            } else {
                e.number = item.toObject().value("number").toInt();
                e.clue = ipuzText(item.toObject().value("clue"));
                e.enumeration = item.toObject().value("enumeration").toString();
            }
            bool found = false;
            for (int r = 0; r < out.height && !found; ++r) {
                for (int c = 0; c < out.width && !found; ++c) {
                    if (open(r, c) && numberAt(r, c) == e.number) {
                        found = true;
                        e.row = r;
                        e.col = c;
                    }
                }
            }
            if (!found) {
                out.error = QStringLiteral("clue %1 has no square").arg(e.number);
                return out;
            }
            for (int i = 0; open(e.row + (across ? 0 : i), e.col + (across ? i : 0)); ++i)
                e.answer += out.rows[static_cast<size_t>(e.row + (across ? 0 : i))][e.col + (across ? i : 0)];
            out.entries.push_back(e);
        }
    }
    return out;
}

} // namespace qx::test
