// The command line's own rules, in-process: one option parser for every command, and nothing read
// from a file reaches the terminal unescaped.
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/printable.h"
#include "layout/layout_defaults.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace qx;

TEST(CliPrintable, EveryControlCharacterShowsAsAVisibleEscape)
{
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {QStringLiteral("Café Crème 🙂"), QStringLiteral("Café Crème 🙂")},
        {QStringLiteral("\x1b[2J\x1b]0;title\x07"), QStringLiteral("\\x1b[2J\\x1b]0;title\\x07")},
        {QStringLiteral("one\ntwo\r\tthree"), QStringLiteral("one\\x0atwo\\x0d\\x09three")},
        {QString(QChar(0)) + QStringLiteral("\x7f"), QStringLiteral("\\x00\\x7f")},
        {QStringLiteral("a\u009bb\u0085c"), QStringLiteral("a\\u009bb\\u0085c")},
        {QStringLiteral("left\u202eright\u2028"), QStringLiteral("left\\u202eright\\u2028")},
        {QStringLiteral("back\\slash \\x1b"), QStringLiteral("back\\\\slash \\\\x1b")},
        // A file name byte that is not UTF-8, as pathFromNative keeps it; a real pair stays.
        {QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral(".QX3"), QStringLiteral("caf\\xe9.QX3")},
        {QString::fromUcs4(U"\U00010080"), QString::fromUcs4(U"\U00010080")},
        {QString(QChar(0xD800)) + QStringLiteral("x"), QStringLiteral("\\ud800x")},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cli::printable(c.text), c.shown) << c.text.toStdString();
    }
    EXPECT_EQ(cli::printableJson(QStringLiteral("{\"a\": \"x\u0085\x7f\\u001b\"}")),
              QStringLiteral("{\"a\": \"x\\u0085\\u007f\\u001b\"}"));
}

TEST(CliOptions, OneParserForEveryCommand)
{
    const cli::AcceptedOptions accepted{{"--into", "--shape"}, {"--json"}};
    const struct {
        QStringList args;
        QStringList positional;
        QString into;
        bool json;
        QString error;
    } cases[] = {
        {{"a", "--into", "b", "c", "--json"}, {"a", "c"}, "b", true, {}},
        {{"--into", "x", "--into", "y"}, {}, "y", false, {}},
        {{"--", "--json", "-1", "-"}, {"--json", "-1", "-"}, {}, false, {}},
        {{"-1"}, {"-1"}, {}, false, {}},
        {{"--into"}, {}, {}, false, "--into needs a value"},
        {{"--bold"}, {}, {}, false, "unknown option --bold"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const cli::Options o = cli::parseOptions(c.args, accepted);
        EXPECT_EQ(o.error, c.error);
        if (!c.error.isEmpty())
            continue;
        EXPECT_EQ(o.positional, c.positional);
        EXPECT_EQ(o.value("--into"), c.into);
        EXPECT_EQ(o.flag("--json"), c.json);
    }
    EXPECT_TRUE(cli::parseOptions({"x", "--help"}, accepted).flag("--help"));
    EXPECT_EQ(cli::parseOptions({"--program-dir", "/p"}, accepted).value("--program-dir"), "/p");

    for (const QString n : {"0", "7", "2500"})
        EXPECT_EQ(cli::recordNumber(n), n.toInt());
    for (const QString n : {"", "-1", "+1", " 1", "1 ", "1.0", "x", "99999999999"})
        EXPECT_FALSE(cli::recordNumber(n)) << n.toStdString();

    // Every command takes --help; an unknown option is refused whatever the command.
    for (const QString command : {"list", "dump", "shapes", "layouts", "build", "render"}) {
        auto r = cli::run({command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, cli::usage());
        r = cli::run({command, "x", "--bold"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.error, "unknown option --bold");
    }
}

TEST(CliPrintable, NamesFromAFileCannotRewriteTheTerminalOrFakeLines)
{
    test::TempDir dir;
    const QString path = dir.file("TRICK.QX3");
    const std::string name = "\x1b[2J\nFAKE\x9d";
    auto record = std::make_unique<PuzzleRecord>();
    record->resetForNewPuzzle(builtInDefaultLayout());
    record->PuzzleName.set(name);
    record->Category.set("Cat\rgory");
    ASSERT_TRUE(CollectionFile(path).append(*record));

    const auto text = cli::run({"list", path});
    ASSERT_EQ(text.status, 0) << text.error.toStdString();
    EXPECT_EQ(text.out, QStringLiteral("Cat\\x0dgory\n      0  \\x1b[2J\\x0aFAKE\\u009d\n"));

    const auto json = cli::run({"list", path, "--json"});
    ASSERT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.contains(QStringLiteral("\\u001b[2J\\nFAKE\\u009d"))) << json.out.toStdString();
    const QJsonObject parsed = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(parsed["puzzles"].toArray()[0].toObject()["name"].toString(), QStringLiteral("\x1b[2J\nFAKE\u009d"));

    // A path from the command line is escaped in the error line too.
    const auto missing = cli::run({"list", dir.file("no\x1b[31m.QX3")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("no\\x1b[31m.QX3"))) << missing.error.toStdString();
}
