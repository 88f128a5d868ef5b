// Writes the seed corpus of every fuzz target from the shipped data: the sample collection and the
// shape library a build makes, the sample word lists, and the program's own encoders. Seeds are
// files the readers accept, so fuzzing starts past the signature and size checks.
// usage: make_corpus SHARE-DIR SAMPLES-DIR OUT-DIR
// (SHARE-DIR holds SAMPLE.QX3 and QXFLAY.DAT; OUT-DIR gets one folder per target.)

#include "common/cp1252.h"
#include "common/ini_file.h"
#include "layout/layout_defaults.h"
#include "shapes/shape_record.h"
#include "store/puzzle_record.h"
#include "store/settings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <memory>
#include <vector>

using namespace qx;

namespace {

using Bytes = std::vector<uint8_t>;

QString g_out;

Bytes readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    const QByteArray all = f.readAll();
    return Bytes(all.begin(), all.end());
}

void seed(const char *target, const char *name, const Bytes &bytes)
{
    const QString dir = g_out + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + QLatin1String(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes text(std::string_view s)
{
    return Bytes(s.begin(), s.end());
}

template <typename A>
Bytes bytesOf(const A &a)
{
    return Bytes(a.begin(), a.end());
}

Bytes prefix(const Bytes &b, size_t n)
{
    return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(std::min(n, b.size())));
}

Bytes recordAt(const Bytes &file, int size, int n)
{
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(n) * size,
                 file.begin() + static_cast<std::ptrdiff_t>(n + 1) * size);
}

// The previous version's record holding what a new puzzle holds, clues cut to its 100 bytes.
Bytes oldRecordFrom(const PuzzleRecord &r)
{
    auto old = std::make_unique<OldPuzzleRecord>();
    old->Name.set(r.PuzzleName.str());
    old->GridSide = std::max(r.GridWidth, r.GridHeight);
    old->Grid = r.Grid;
    old->WordCount = r.WordCount;
    old->AcrossCount = r.AcrossCount;
    old->DownCount = r.DownCount;
    for (size_t k = 0; k < MaxWords; ++k) {
        old->Words[k].set(r.Words[k].str());
        old->Clues[k].set(r.Clues[k].str());
    }
    old->WordPos = r.WordPos;
    old->WordLen = r.WordLen;
    old->WordNumber = r.WordNumber;
    old->WordAcross = r.WordAcross;
    Bytes out(OldPuzzleRecord::Size);
    old->encode(std::span<uint8_t, OldPuzzleRecord::Size>(out.data(), out.size()));
    return out;
}

Bytes iniBytes(const IniFile &ini)
{
    const QByteArray b = ini.toBytes();
    return Bytes(b.begin(), b.end());
}

void settingsSeeds()
{
    const QString dir = QStringLiteral("/home/user/puzzles");
    IniFile fresh;
    Settings::defaults(dir).save(fresh);
    seed("fuzz_settings", "defaults.ini", iniBytes(fresh));

    // Every text at its longest, accented letters, a character outside the BMP, quotes and blanks
    // at the ends, CRLF and a byte order mark, comments and sections nobody reads in between.
    Settings s = Settings::defaults(dir);
    s.html.firstHeader.text = QString(990, QLatin1Char('x')) + QStringLiteral(" é€");
    s.html.secondFooter.text = QStringLiteral("  \"quoted\"  ");
    for (auto &f : s.misc.lastFiles)
        f = dir + QLatin1Char('/') + QString(240, QChar(0x00E9)) + QStringLiteral(".QX3");
    s.misc.lastCollection = QStringLiteral("/tmp/\U0001F600.QX3");
    s.reports.letters = QStringLiteral("AEIOU");
    s.createOptions.sepChar = QLatin1Char(';');
    s.createOptions.attempts = 999;
    s.reports.boxColor = -1;
    QByteArray crlf = "\xEF\xBB\xBF; written by hand\r\n[Other Program]\r\nMisc=1\r\nkey=value\r\n\r\n";
    IniFile edited = IniFile::fromBytes(crlf);
    s.save(edited);
    QByteArray longFile = edited.toBytes();
    longFile += "[misc]\r\nlast group=shadowed\r\n[Reports]\r\nUse Boxes = \"No\"\r\ngarbage without equals\r\n";
    seed("fuzz_settings", "long-crlf.ini", Bytes(longFile.begin(), longFile.end()));

    // A large file: sections and keys of other programs before and between ours, repeated
    // sections, lone CRs, and the program's keys last.
    QByteArray large;
    for (int i = 0; i < 200; ++i) {
        large += "[Section " + QByteArray::number(i) + "]\n";
        for (int k = 0; k < 8; ++k)
            large += "Key " + QByteArray::number(k) + " = value " + QByteArray::number(i * k) + "\n";
        if (i % 50 == 0)
            large += "; comment\r[Misc]\rWindow Size=" + QByteArray::number(i) + "\r";
    }
    large += fresh.toBytes();
    seed("fuzz_settings", "large.ini", Bytes(large.begin(), large.end()));

    // Not UTF-8: read as Windows-1252.
    QByteArray old =
        "[Misc]\nLast Group=C:\\Puzzles\\R\xE9sum\xE9.QX3\n[Reports]\nAcross Label=Horizontal \x80\n"
        "Letters=\"  ABC  \"\nWord Sep Char=\xA7\n[Edit Font]\nFont Name=Arial\nBold=YES\nColor=-16777216\n";
    seed("fuzz_settings", "windows-1252.ini", Bytes(old.begin(), old.end()));
}

void wordListSeeds(const QString &samplesDir)
{
    const QStringList lists = QDir(samplesDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString &name : lists) {
        const Bytes list = readFile(samplesDir + QLatin1Char('/') + name);
        seed("fuzz_word_list", qPrintable(name), cat({Bytes{0}, list}));
    }
    // 200 words with commas as the separator, CRLF line ends and clues holding the separator.
    std::string many;
    for (int k = 0; k < 200; ++k)
        many += "WORD" + std::to_string(k) + " , a clue, with commas " + std::to_string(k) + "\r\n";
    seed("fuzz_word_list", "two-hundred-commas.txt", cat({Bytes{1}, text(many)}));
    // Accented letters, spaces inside words, a word of exactly 30 letters, a row without a clue.
    seed(
        "fuzz_word_list", "edges.txt",
        cat({Bytes{0}, text("# comment\n\nCAF\xC3\x89 AU LAIT:Coffee with milk\nABCDEFGHIJKLMNOPQRSTUVWXYZABCD:thirty\n"
                            "LONELY\n:no word\n   TRIM   :   spaces   \n")}));
    // The same list as the editor's import meets it: Windows-1252 with CR LF, UTF-8 with a
    // byte-order mark, a line longer than 255 characters, clues with more colons, a refused line.
    seed("fuzz_word_list", "windows-1252.txt",
         cat({Bytes{0}, text("CAF\xC9:coffee\r\nNA\xEFVE:innocent: or not\r\n\x80URO:money\r\n")}));
    seed("fuzz_word_list", "utf8-bom.txt",
         cat({Bytes{0}, text("\xEF\xBB\xBF"
                             "CAF\xC3\x89:coffee\nNA\xC3\x8FVE:innocent: or not\n")}));
    seed("fuzz_word_list", "long-line.txt", cat({Bytes{0}, text("LONG:" + std::string(300, 'x') + "\nSHORT:y\n")}));
    seed("fuzz_word_list", "refused.txt", cat({Bytes{0}, text("OK:fine\nALPHA:\xCE\x91\n")}));
}

void userWordListSeeds()
{
    seed("fuzz_user_word_list", "words.tlx", text("Quorvex\ncrossword\nZorbleq\n"));
    seed("fuzz_user_word_list", "crlf-blanks-accents.tlx",
         text("  caf\xC3\xA9 \r\n\r\n\nSTRA\xC3\x9F"
              "E\r\nna\xC3\xAFve"));
    seed("fuzz_user_word_list", "not-utf8.tlx", text("caf\xE9\n\x80uro\n\xFF\xFE"));
    seed("fuzz_user_word_list", "empty.tlx", {});
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_corpus SHARE-DIR SAMPLES-DIR OUT-DIR\n");
        return 2;
    }
    const QString share = QString::fromLocal8Bit(argv[1]);
    const QString samples = QString::fromLocal8Bit(argv[2]);
    g_out = QString::fromLocal8Bit(argv[3]);

    const Bytes collection = readFile(share + QStringLiteral("/SAMPLE.QX3"));
    const Bytes shapes = readFile(share + QStringLiteral("/QXFLAY.DAT"));
    const int puzzles = static_cast<int>(collection.size() / PuzzleRecord::Size);
    const int shapeCount = static_cast<int>(shapes.size() / ShapeRecord::Size);
    if (puzzles < 8 || shapeCount < 21) {
        std::fprintf(stderr, "the shipped data is smaller than expected\n");
        return 1;
    }
    const auto puzzle = [&](int n) { return recordAt(collection, PuzzleRecord::Size, n); };
    const auto shape = [&](int n) { return recordAt(shapes, ShapeRecord::Size, n); };
    const auto decoded = [&](int n) {
        const Bytes b = puzzle(n);
        return std::make_unique<PuzzleRecord>(
            PuzzleRecord::decode(std::span<const uint8_t, PuzzleRecord::Size>(b.data(), b.size())));
    };
    const Bytes defaultLayout = bytesOf(builtInDefaultLayout().encoded());
    auto fresh = std::make_unique<PuzzleRecord>();
    fresh->resetForNewPuzzle(builtInDefaultLayout());
    const Bytes freshRecord = bytesOf(fresh->bytes());
    constexpr size_t WordsPart = 40574; // a record up to its placed flags: what the builder reads

    seed("fuzz_puzzle_record", "sample-0", puzzle(0));
    seed("fuzz_puzzle_record", "sample-7", puzzle(7));

    seed("fuzz_old_puzzle_record", "from-sample-1", oldRecordFrom(*decoded(1)));

    seed("fuzz_page_layout", "built-in-default", defaultLayout);
    seed("fuzz_page_layout", "default.PAG", cat({text("PAG1.0"), defaultLayout}));

    for (const int n : {0, 12, 14, 20})
        seed("fuzz_shape_record", qPrintable(QStringLiteral("shape-%1").arg(n)), shape(n));
    seed("fuzz_shape_record", "star.LAY", cat({text("LAY1.0"), shape(15)}));

    settingsSeeds();
    wordListSeeds(samples);
    userWordListSeeds();

    seed("fuzz_qxm_file", "sample-2.QXM",
         cat({text("QXM"), Bytes{11}, text("Old puzzle!"), oldRecordFrom(*decoded(2))}));
    seed("fuzz_qxm_file", "no-text.QXM", cat({text("QXM"), Bytes{0}, oldRecordFrom(*decoded(4))}));

    for (const int n : {0, 13, 20})
        seed("fuzz_lay_file", qPrintable(QStringLiteral("shape-%1.LAY").arg(n)), cat({text("LAY1.0"), shape(n)}));
    seed("fuzz_lay_file", "other-version-and-tail.LAY", cat({text("LAY2.5"), shape(18), text("tail")}));

    seed("fuzz_pag_file", "default.PAG", cat({text("PAG1.0"), defaultLayout}));
    {
        PageLayout custom = decoded(6)->Layout;
        custom.PaperName.set("Custom");
        custom.PageWidth = 9;
        custom.PageHeight = 11.5;
        seed("fuzz_pag_file", "custom-other-version.PAG", cat({text("PAG0.9"), bytesOf(custom.encoded())}));
    }

    seed("fuzz_collection_file", "two-puzzles.QX3", cat({puzzle(0), puzzle(1)}));
    seed("fuzz_collection_file", "one-puzzle-and-a-tail.QX3", cat({puzzle(2), prefix(puzzle(3), 63)}));
    seed("fuzz_collection_file", "empty.QX3", {});

    seed("fuzz_render_page", "sample-0", cat({Bytes{0x10, 0x00}, puzzle(0)}));
    seed("fuzz_render_page", "sample-5-answers", cat({Bytes{0x33, 0x03}, puzzle(5)}));
    seed("fuzz_render_page", "new-puzzle", cat({Bytes{0x00, 0x00}, freshRecord}));

    seed("fuzz_builder", "house", cat({Bytes{0x01}, shape(20), prefix(puzzle(0), WordsPart)}));
    seed("fuzz_builder", "square-shrink-quick", cat({Bytes{0x32}, shape(0), prefix(puzzle(3), WordsPart)}));
    return 0;
}
