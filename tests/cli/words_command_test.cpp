// quorvex-cli words: the editor's export of one puzzle, from the command line.
#include "cli/commands.h"
#include "common/cp1252.h"
#include "store/collection_file.h"
#include "words/word_list_text.h"

#include "support/file_faults.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(CliWords, WritesTheExportOfOnePuzzleOrRefusesWithOneLine)
{
    TempDir dir;
    const QString collection = dir.file(QStringLiteral("ONE.QX3"));
    auto record = std::make_unique<PuzzleRecord>();
    record->WordCount = 3;
    record->Words[0].set("WREN");
    record->Clues[0].set("small: brown");
    record->Words[1].set("CAF\xC9");
    record->Words[2].set("owl");
    record->Clues[2].set("night bird");
    ASSERT_TRUE(CollectionFile(collection).append(*record));
    const QString out = dir.file(QStringLiteral("out.txt"));

    struct Case {
        QStringList extra;
        QByteArray bytes; // written, or empty when refused
        QString error = {};
    };
    const QByteArray pad(27, ' ');
    const Case cases[] = {
        {{"--mode", "words"}, "CAF\xC9\r\nowl\r\nWREN\r\n"},
        {{"--mode", "clues"}, "night bird\r\nsmall: brown\r\n"},
        {{"--mode", "both", "--sep", "="},
         "CAF\xC9" + pad + "= \r\nowl " + pad + "= night bird\r\nWREN" + pad + "= small: brown\r\n"},
        {{"--mode", "all"}, {}, QStringLiteral("--mode needs words, clues or both")},
        {{"--mode", "words", "--sep", "::"}, {}, QStringLiteral("--sep needs one character other than a blank")},
        {{"--mode", "words", "--sep", QStringLiteral("\u0391")},
         {},
         QStringLiteral("--sep needs a character a puzzle can store (Windows-1252 only)")},
        {{"--mode"}, {}, QStringLiteral("--mode needs a value")},
    };
    for (const Case &c : cases) {
        QFile::remove(out);
        const auto r = cli::run(QStringList{"words", collection, "0", "--out", out} + c.extra);
        EXPECT_EQ(r.error, c.error) << c.extra.join(' ').toStdString();
        EXPECT_EQ(r.status, c.error.isEmpty() ? 0 : 1);
        EXPECT_EQ(fileBytes(out), c.bytes.isEmpty() ? QByteArray("<missing>") : c.bytes)
            << c.extra.join(' ').toStdString();
    }

    // A folder that cannot take the file leaves the old one.
    ASSERT_TRUE(writeWordListFile(out, {QStringLiteral("OLD")}));
    const ReadOnlyFolder readOnly(dir.path());
    ASSERT_TRUE(readOnly.effective());
    const auto r = cli::run({"words", collection, "0", "--out", out, "--mode", "words"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Unable to create export file. ("))) << r.error.toStdString();
    EXPECT_EQ(fileBytes(out), QByteArray("OLD\r\n"));
}

} // namespace
