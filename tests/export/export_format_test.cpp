// The export formats: which one a file name picks, what each writes, and that a write that fails
// (a size limit standing in for a full disk, a FIFO or a device as the target) fails in one clear
// way and leaves the old file as it was.
#include "export/export_formats.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace qx;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

// Files written while this lives may not grow past the limit, as on a full disk: a write beyond it
// fails with EFBIG instead of raising SIGXFSZ. Tests run as root, so permissions cannot stop a write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Sample {
    PuzzleRecord record;
    RenderedPage page;
    ExportInput input() const
    {
        ExportInput in;
        in.record = &record;
        in.page = page.stream.get();
        in.pixelWidth = 300;
        in.fits = page.fits.get();
        return in;
    }
};

const Sample &sample()
{
    static const Sample s = [] {
        Sample out;
        const auto record = CollectionFile(SamplePath).read(2);
        if (record)
            out.record = *record;
        PrintOptions options;
        applyLayout(options, out.record.Layout);
        out.page = renderPuzzlePage(out.record, options);
        return out;
    }();
    return s;
}

} // namespace

TEST(ExportFormats, APageFormatIsPickedByTheFileNamesExtensionInAnyCase)
{
    const struct {
        const char *path;
        const ExportFormat *format;
    } cases[] = {
        {"page.pdf", &pdfFormat()},
        {"/a/b/PAGE.PDF", &pdfFormat()},
        {"page.Png", &pngFormat()},
        {"PAGE.WMF", &metafileFormat(MetafileKind::Wmf)},
        {"page.emf", &metafileFormat(MetafileKind::Emf)},
        {"clues.txt", nullptr},
        {"page", nullptr},
        {"dir.pdf/page", nullptr},
        {"page.pdf.gif", nullptr},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageFormatFor(QString::fromUtf8(c.path)), c.format) << c.path;
    for (const ExportFormat *format : exportFormats()) {
        EXPECT_FALSE(format->name().isEmpty());
        // Patterns match in any letter case, so a filter may show its extension in capitals.
        EXPECT_TRUE(format->nameFilter().endsWith(QStringLiteral("|*.") + format->suffix(), Qt::CaseInsensitive))
            << format->name().toStdString();
    }
}

TEST(ExportFormats, EveryFormatWritesItsFileAndThePdfIsTitledAfterThePuzzle)
{
    ASSERT_EQ(sample().record.PuzzleName.str(), "Our Solar System");
    test::TempDir dir;
    const struct {
        const ExportFormat *format;
        QByteArray starts;
    } cases[] = {
        {&pdfFormat(), "%PDF"},
        {&pngFormat(), "\x89PNG"},
        {&textFormat(TextExportKind::Clues), "ACROSS\n"},
        {&textFormat(TextExportKind::Words), "ACROSS\n"},
        {&metafileFormat(MetafileKind::Wmf), QByteArray("\xD7\xCD\xC6\x9A", 4)},
        {&metafileFormat(MetafileKind::Emf), QByteArray("\x01\0\0\0", 4)},
    };
    for (const auto &c : cases) {
        const QString path = dir.file(QStringLiteral("out.") + c.format->suffix());
        QFile::remove(path);
        const FileStatus written = c.format->write(sample().input(), path);
        ASSERT_TRUE(written) << written.error().errorText().toStdString();
        EXPECT_TRUE(contents(path).startsWith(c.starts)) << c.format->name().toStdString();
    }
    // The title is in the document's information, in UTF-16 after a byte order mark.
    QByteArray title("/Title (\xFE\xFF");
    for (const char c : std::string("Our Solar System"))
        title.append('\0').append(c);
    EXPECT_TRUE(contents(dir.file(QStringLiteral("out.pdf"))).contains(title + ')'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 5); // no temporary left
}

TEST(ExportFormats, AWriteThatFailsLeavesTheOldFileAndNoTemporary)
{
    for (const ExportFormat *format : exportFormats()) {
        SCOPED_TRACE(format->name().toStdString());
        test::TempDir dir;
        const QString path = dir.file(QStringLiteral("out.") + format->suffix());
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        FileStatus written = fileDone();
        {
            const FileSizeLimit full(8);
            written = format->write(sample().input(), path);
        }
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().kind, FileError::Kind::Io);
        EXPECT_EQ(written.error().path, path);
        EXPECT_TRUE(written.error().errorText().startsWith(path + QStringLiteral(": ")));
        EXPECT_FALSE(written.error().errorText().contains(QLatin1Char('\n')));
        EXPECT_EQ(contents(path), QByteArray("old"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
    }
}

TEST(ExportFormats, AFifoOrADeviceIsRefusedAtOnceAndANewFileIsMade)
{
    test::TempDir dir;
    const QString fifo = dir.file(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, QStringLiteral("/dev/null")}) {
        for (const ExportFormat *format : exportFormats()) {
            QElapsedTimer timer;
            timer.start();
            const FileStatus written = format->write(sample().input(), path);
            ASSERT_FALSE(written);
            EXPECT_EQ(written.error().kind, FileError::Kind::NotRegularFile);
            EXPECT_LT(timer.elapsed(), 10000);
        }
    }
    const QString fresh = dir.file(QStringLiteral("new folder/page.pdf"));
    EXPECT_FALSE(pdfFormat().write(sample().input(), fresh)) << "a folder that is not there";
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("new folder"))));
    EXPECT_TRUE(pdfFormat().write(sample().input(), fresh));
}
