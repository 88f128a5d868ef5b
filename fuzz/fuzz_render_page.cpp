// A damaged puzzle drawn onto a page, as the preview does it: the first two bytes choose print
// options, the rest is a puzzle record (missing bytes are zero). Whatever the counts, positions,
// kinds, sizes and fonts hold, drawing finishes, every operation recorded refers to a font, text
// or picture the stream holds, and the record given is not changed.

#include "fuzz_support.h"
#include "render/render_page.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>

using namespace qx;
using namespace qx::fuzz;

namespace {

PrintOptions chosenOptions(uint8_t a, uint8_t b, const PuzzleRecord &record)
{
    PrintOptions o;
    if (a & 0x10)
        applyLayout(o, record.Layout);
    o.answerKey = (a & 0x01) != 0;
    o.partialAnswer = (a & 0x02) != 0;
    for (int k = 0; k < MaxWords; ++k)
        o.partialAnswerWords[static_cast<size_t>(k)] = (k % (b % 7 + 1)) == 0 ? 1 : 0;
    o.partialLetters = (a & 0x04) != 0;
    o.letters = partialLettersText(std::string("AEIOU STRLN XYZ QJ") + static_cast<char>(b));
    o.useBoxes = (a & 0x08) == 0;
    o.boxColor = b * 0x010101;
    o.wordSeparators = (a & 0x20) ? "-/+*" : "";
    o.printClues = (a & 0x40) == 0;
    o.printWords = (a & 0x80) == 0;
    o.printTitle = (b & 0x80) == 0;
    o.printBonus = (b & 0x40) == 0;
    return o;
}

} // namespace

// Fontconfig keeps its caches to the end of the process on purpose; that is no leak of ours.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts come from Qt's font database, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static std::vector<uint8_t> bytes(PuzzleRecord::Size);
    std::fill(bytes.begin(), bytes.end(), 0);
    std::copy_n(data + 2, std::min(size - 2, bytes.size()), bytes.begin());
    const auto record =
        std::make_unique<PuzzleRecord>(PuzzleRecord::decode(std::span<const uint8_t, PuzzleRecord::Size>(bytes)));
    const PrintOptions options = chosenOptions(data[0], data[1], *record);

    const RenderedPage page = renderPuzzlePage(*record, options);
    check(std::equal(bytes.begin(), bytes.end(), record->bytes().begin()), "the record given is not changed");
    check(page.stream != nullptr, "a stream comes back");
    const PageStream &stream = *page.stream;
    for (const StreamPage &p : stream.pages) {
        for (const PageOp &op : p.ops) {
            if (op.kind == PageOp::Kind::Text)
                check(op.font < stream.fonts.size() && op.index < stream.texts.size(), "a text op's font and text");
            if (op.kind == PageOp::Kind::Image)
                check(op.index < stream.images.size(), "an image op's picture");
        }
    }
    (void)page.outcome.warnings();
    return 0;
}
