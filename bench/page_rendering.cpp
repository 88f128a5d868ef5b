// A crowded page: 200 clues of typical length in one combined-clues object of 3 columns with Make
// It Fit, a 15 x 15 grid, a title and a word list of 200 words. Measured: rendering into a page
// stream (the preview's work, including the font size search), and replaying that stream into a
// 2,000-pixel PNG, bitmap (24 bits and 256 colours) and JPEG, into a vector PDF and an SVG drawing,
// and drawing it again as a WMF and an EMF.

#include "export/bmp_format.h"
#include "export/jpeg_format.h"
#include "export/metafile_writer.h"
#include "export/svg_format.h"
#include "render/fixed_metrics_canvas.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/recording_canvas.h"
#include "report/stream_replay.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The test pages' object, in a larger font, in three columns and fitted.
qx::LayoutObject object(qx::ObjectKind kind, int left, int top, int right, int bottom)
{
    qx::LayoutObject o = qx::test::objectOf(kind, left, top, right, bottom);
    o.FontSize = 12;
    o.Columns = 3;
    o.MakeItFit = 1;
    return o;
}

// 200 words, 100 across and 100 down, on a 15 x 15 grid full of letters; the clues are of the
// length a teacher writes, some long enough to wrap.
const qx::PuzzleRecord &crowdedPuzzle()
{
    static const qx::PuzzleRecord record = [] {
        qx::PuzzleRecord r;
        r.PuzzleName.set("Two Hundred Clues");
        r.GridWidth = 15;
        r.GridHeight = 15;
        for (int row = 1; row <= 15; ++row)
            for (int col = 1; col <= 15; ++col)
                r.Grid[static_cast<size_t>(qx::cellIndex(row, col) - 1)] = static_cast<uint8_t>('A' + (row * col) % 26);
        r.WordCount = 200;
        r.AcrossCount = 100;
        r.DownCount = 100;
        const std::string phrases[] = {"Large farm bird that honks", "Capital of a country in the north",
                                       "Animal you can ride, with a mane and a long tail", "Opposite of",
                                       "Sea creature with eight arms that squirts ink"};
        for (int k = 0; k < 200; ++k) {
            const auto i = static_cast<size_t>(k);
            r.Words[i].set("WORD" + std::to_string(k));
            r.Clues[i].set(phrases[k % 5] + " " + std::to_string(k));
            r.WordPos[i] = static_cast<int16_t>(qx::cellIndex(k % 15 + 1, (k / 15) % 15 + 1));
            r.WordLen[i] = 3;
            r.WordNumber[i] = static_cast<int16_t>(k % 100 + 1);
            r.WordAcross[i] = k < 100 ? 1 : 0;
            r.WordPlaced[i] = 1;
        }
        r.PuzzleBuilt = 1;
        qx::PageLayout &l = r.Layout;
        l.PaperName.set("Letter");
        l.PageWidth = 8.5;
        l.PageHeight = 11;
        l.LayoutWidth = 408;
        l.LayoutHeight = 528;
        l.SizeInInches = 1;
        l.Portrait = 1;
        l.ObjectCount = 4;
        l.Objects[0] = object(qx::ObjectKind::Title, 48, 24, 360, 44);
        l.Objects[1] = object(qx::ObjectKind::Puzzle, 144, 48, 264, 168);
        l.Objects[2] = object(qx::ObjectKind::CombinedClues, 24, 176, 384, 440);
        l.Objects[2].setText("Across:Down");
        l.Objects[3] = object(qx::ObjectKind::WordList, 24, 448, 384, 512);
        l.Objects[3].Columns = 8;
        return r;
    }();
    return record;
}

void RenderIntoStream(benchmark::State &state)
{
    qx::PrintOptions options;
    qx::applyLayout(options, crowdedPuzzle().Layout);
    int size = 0;
    for (auto _ : state) {
        qx::PuzzleRecord working = crowdedPuzzle();
        qx::RecordingCanvas filer;
        qx::renderPage(working, options, filer);
        benchmark::DoNotOptimize(filer.stream().pages[0].ops.size());
        size = working.Layout.Objects[2].UsedFontSize;
    }
    state.counters["clue_points"] = size;
}
BENCHMARK(RenderIntoStream)->Unit(benchmark::kMillisecond);

// The drawing alone, without the PNG encoder.
void ReplayToImage2000(benchmark::State &state)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    for (auto _ : state) {
        const QImage image = qx::pageImage(*page.stream, 0, 2000);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ReplayToImage2000)->Unit(benchmark::kMillisecond);

void ReplayToPng2000(benchmark::State &state)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    qint64 bytes = 0;
    for (auto _ : state) {
        const QImage image = qx::pageImage(*page.stream, 0, 2000);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(image);
        bytes = buffer.size();
    }
    state.counters["png_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ReplayToPng2000)->Unit(benchmark::kMillisecond);

void ReplayToPdf(benchmark::State &state)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = qx::pdfDocument(*page.stream, QStringLiteral("Two Hundred Clues")).size();
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ReplayToPdf)->Unit(benchmark::kMillisecond);

// The formats' bytes without the disk: encode() made reachable.
template <typename Format>
struct InMemory : Format {
    using Format::encode;
};

qx::ExportInput pictureInput(const qx::RenderedPage &page, bool colors256)
{
    qx::ExportInput input;
    input.record = &crowdedPuzzle();
    input.page = page.stream.get();
    input.pixelWidth = 2000;
    input.colors256 = colors256;
    return input;
}

void ExportBmp2000(benchmark::State &state)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    const qx::ExportInput input = pictureInput(page, state.range(0) == 256);
    const InMemory<qx::BmpFormat> format;
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = format.encode(input, QStringLiteral("page.bmp"))->size();
    state.counters["bmp_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ExportBmp2000)->Arg(24)->Arg(256)->ArgName("colors")->Unit(benchmark::kMillisecond);

void ExportJpeg2000(benchmark::State &state)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    qx::ExportInput input = pictureInput(page, false);
    input.jpegQuality = static_cast<int>(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = qx::JpegFormat::pageJpeg(input, QStringLiteral("page.jpg"))->size();
    state.counters["jpeg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ExportJpeg2000)->Arg(50)->Arg(100)->ArgName("quality")->Unit(benchmark::kMillisecond);

void ExportSvg(benchmark::State &state)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    const qx::ExportInput input = pictureInput(page, false);
    const InMemory<qx::SvgFormat> format;
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = format.encode(input, QStringLiteral("page.svg"))->size();
    state.counters["svg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ExportSvg)->Unit(benchmark::kMillisecond);

// The metafile export's work: the page drawn again from the rendering's figures, then its records.
void Metafile(benchmark::State &state, qx::MetafileKind kind)
{
    const auto page = qx::renderPuzzlePage(crowdedPuzzle(), qx::PrintOptions{});
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = qx::metafileBytes(kind, *qx::redrawPage(*page.fits)).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(Metafile, Wmf, qx::MetafileKind::Wmf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Metafile, Emf, qx::MetafileKind::Emf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Fonts come from Qt's font database, which needs a GUI application; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
