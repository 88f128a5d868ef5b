// Typed text stays text in every format that is markup or holds markup: a title, a clue, a
// category and the web page's own texts full of & < > " ' and </script> are read back, by a parser
// of the format, as exactly what was typed, and add no element.
#include "common/cp1252.h"
#include "export/export_formats.h"
#include "export/web_page.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "store/collection_file.h"

#include "solving_readers.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <tuple>

using namespace qx;
using namespace qx::test;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

const QString Title = QStringLiteral("S&P </script><b>\"q\" 'a'");
const QString Category = QStringLiteral("C&D</script>\"'<>");
const QString Clue = QStringLiteral("x & y < z > \"w\" 'v' </script><script>alert(1)</script> &amp;");

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What python's HTML parser finds in a page: its title, its start tags and its text.
QJsonObject htmlOutline(const QString &path, const char *encoding)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(QUORVEX_SOURCE_DIR "/tests/export/markup_outline.py"), path, QLatin1String(encoding)});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// The start tags of a page, to compare with those of the same page made from plain texts.
QStringList tags(const QJsonObject &outline)
{
    return outline.value(QStringLiteral("tags")).toVariant().toStringList();
}

struct Written {
    QString path;
    QString plainPath; // the same export of plain texts
};

} // namespace

TEST(ExportMarkup, TypedTextComesBackAsTypedFromEveryMarkupFormat)
{
    TempDir dir;
    Settings settings;
    PuzzleRecord record = CollectionFile(SamplePath).read(0).value();
    PuzzleRecord plain = record;
    record.PuzzleName.set(cp1252::fromUnicode(Title).value());
    record.Category.set(cp1252::fromUnicode(Category).value());
    record.BonusQuestion.set(cp1252::fromUnicode(Clue).value());
    for (auto &clue : record.Clues)
        clue.set(cp1252::fromUnicode(Clue).value());
    Settings::Html page;
    page.webTitle = Title;
    page.firstHeader.text = Clue;
    page.secondFooter.text = Category;
    // The same page with plain texts, to compare the elements with.
    Settings::Html plainPage = page;
    plainPage.webTitle = plainPage.firstHeader.text = plainPage.secondFooter.text = QStringLiteral("plain");

    const auto write = [&](const ExportFormat &format, const QString &name) {
        Written out{dir.file(name), dir.file(QStringLiteral("plain-") + name)};
        for (const bool typed : {true, false}) {
            const PuzzleRecord &r = typed ? record : plain;
            const auto rendered = renderPuzzlePage(r, printOptionsFromSettings(settings));
            ExportInput input;
            input.record = &r;
            input.page = rendered.stream.get();
            input.webPage = typed ? &page : &plainPage;
            const FileStatus done = format.write(input, typed ? out.path : out.plainPath);
            EXPECT_TRUE(done) << done.error().errorText().toStdString();
        }
        return out;
    };

    {
        SCOPED_TRACE("SVG");
        const Written svg = write(svgFormat(), QStringLiteral("page.svg"));
        QXmlStreamReader xml(contents(svg.path));
        QString title;
        QStringList text;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("title"))
                title = xml.readElementText();
            else if (xml.isCharacters())
                text << xml.text().toString();
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(title, Title);
        EXPECT_TRUE(text.join(QString()).contains(QStringLiteral("</script>"))) << "drawn texts stay text";
    }
    for (const auto &[name, format, encoding] :
         {std::tuple{"web page", &htmlFormat(), "cp1252"}, {"solvable page", &solvablePageFormat(), "utf-8"}}) {
        SCOPED_TRACE(name);
        const Written html = write(*format, QStringLiteral("page.htm"));
        const QJsonObject typed = htmlOutline(html.path, encoding);
        ASSERT_FALSE(typed.isEmpty()) << "python3 parses the page";
        EXPECT_EQ(typed.value(QStringLiteral("title")).toString(), Title);
        const QStringList plainTags = tags(htmlOutline(html.plainPath, encoding));
        for (const char *element : {"script", "b", "title"})
            EXPECT_EQ(tags(typed).count(QLatin1String(element)), plainTags.count(QLatin1String(element)))
                << element << ": no element was added";
        EXPECT_TRUE(typed.value(QStringLiteral("text")).toString().contains(Clue));
    }
    {
        SCOPED_TRACE("ipuz");
        const ReadPuzzle read = readIpuz(contents(write(ipuzFormat(), QStringLiteral("p.ipuz")).path));
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        EXPECT_EQ(read.title, Title);
        EXPECT_EQ(read.notes, Clue);
        ASSERT_FALSE(read.entries.empty());
        for (const ReadEntry &e : read.entries)
            EXPECT_EQ(e.clue, Clue);
        // The raw file: ipuz texts may hold HTML, so no typed '<' reaches a solver as a tag.
        EXPECT_FALSE(contents(dir.file(QStringLiteral("p.ipuz"))).contains("</script>"));
    }
    {
        SCOPED_TRACE("puz");
        const ReadPuzzle read = readPuz(contents(write(puzFormat(), QStringLiteral("p.puz")).path));
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        EXPECT_EQ(read.title, Title);
        EXPECT_EQ(read.notes, Clue);
        for (const ReadEntry &e : read.entries)
            EXPECT_EQ(e.clue, Clue);
    }
}
