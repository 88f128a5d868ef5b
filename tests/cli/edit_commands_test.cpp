// quorvex-cli delete and replace, and what a kill -9 at any moment of them leaves behind.
#include "cli/commands.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace qx;
using namespace qx::test;

namespace {

constexpr size_t RecordBytes = PuzzleRecord::Size;

std::vector<uint8_t> collectionBytes(int count, uint32_t seed)
{
    return patternBytes(static_cast<size_t>(count) * RecordBytes, seed);
}

std::vector<uint8_t> without(std::vector<uint8_t> bytes, int n)
{
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(n * RecordBytes);
    bytes.erase(at, at + static_cast<std::ptrdiff_t>(RecordBytes));
    return bytes;
}

std::vector<uint8_t> replaced(std::vector<uint8_t> bytes, int n, const std::vector<uint8_t> &other, int m)
{
    std::copy_n(other.begin() + static_cast<std::ptrdiff_t>(m * RecordBytes), RecordBytes,
                bytes.begin() + static_cast<std::ptrdiff_t>(n * RecordBytes));
    return bytes;
}

} // namespace

TEST(CliEdit, DeleteAndReplaceChangeOneRecordAndRefuseWhatTheyCannotDo)
{
    TempDir dir;
    const QString path = dir.file("C.QX3");
    const QString other = dir.file("O.QX3");
    const auto before = collectionBytes(3, 1);
    const auto source = collectionBytes(2, 2);
    writeAll(path, before);
    writeAll(other, source);

    auto r = cli::run({"replace", path, "2", "--from", other, "1"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(readAll(path), replaced(before, 2, source, 1));
    r = cli::run({"delete", path, "0"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(readAll(path), without(replaced(before, 2, source, 1), 0));

    // Each refusal is one line and leaves the collection as it was.
    const auto now = readAll(path);
    writeAll(dir.file("NOTES.QX3"), {'h', 'i', '\n'});
    const struct {
        QStringList args;
        QString error;
    } refusals[] = {
        {{"delete", path, "2"}, QStringLiteral("record 2 is not in %1, which holds 2 puzzles").arg(path)},
        {{"delete", path, "x"}, QStringLiteral("not a record number: x")},
        {{"replace", path, "0", "--from", other, "5"},
         QStringLiteral("record 5 is not in %1, which holds 2 puzzles").arg(other)},
        {{"replace", path, "0", other, "1"}, QStringLiteral("replace needs COLLECTION N --from OTHER M")},
        {{"delete", dir.file("NOTES.QX3"), "0"},
         QStringLiteral("record 0 is not in %1, which holds 0 puzzles").arg(dir.file("NOTES.QX3"))},
        {{"replace", dir.file("NOTES.QX3"), "0", "--from", other, "0"},
         QStringLiteral("record 0 is not in %1, which holds 0 puzzles").arg(dir.file("NOTES.QX3"))},
    };
    for (const auto &refusal : refusals) {
        r = cli::run(refusal.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.error, refusal.error);
    }
    EXPECT_EQ(readAll(path), now);
    EXPECT_EQ(readAll(dir.file("NOTES.QX3")), (std::vector<uint8_t>{'h', 'i', '\n'}));

    // A collection with a damaged tail still lists its whole records but takes no change.
    auto damaged = now;
    damaged.resize(damaged.size() + 100, 0x41);
    writeAll(path, damaged);
    r = cli::run({"delete", path, "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.error, path + QStringLiteral(" is damaged or is not a puzzle collection.  Nothing was saved."));
    EXPECT_EQ(readAll(path), damaged);
}

// Runs the command line, kills it after a random moment and checks that the collection is the
// old file or the new one, byte for byte. Bounded to a few seconds; QUORVEX_KILL_SECONDS runs it
// longer.
TEST(CliEdit, AKillAtAnyMomentLeavesTheOldOrTheNewCollection)
{
    // The program built beside the tests, unless QUORVEX_CLI names another.
    const QByteArray cli = qEnvironmentVariableIsSet("QUORVEX_CLI") ? qgetenv("QUORVEX_CLI")
                                                                    : QByteArray(QUORVEX_BINARY_DIR "/quorvex-cli");
    const int seconds =
        qEnvironmentVariableIsSet("QUORVEX_KILL_SECONDS") ? qEnvironmentVariableIntValue("QUORVEX_KILL_SECONDS") : 4;

    TempDir dir;
    const QString path = dir.file("BIG.QX3");
    const QString other = dir.file("OTHER.QX3");
    // Big enough that writing the new file takes a while.
    const auto before = collectionBytes(60, 7);
    const auto source = collectionBytes(2, 8);
    writeAll(other, source);
    const QByteArray pathBytes = path.toLocal8Bit(), otherBytes = other.toLocal8Bit();
    struct Command {
        std::vector<QByteArray> args;
        std::vector<uint8_t> after;
    };
    const Command commands[] = {
        {{"delete", pathBytes, "30"}, without(before, 30)},
        {{"replace", pathBytes, "59", "--from", otherBytes, "1"}, replaced(before, 59, source, 1)},
    };

    const auto spawn = [&](const Command &c) {
        std::vector<char *> argv{const_cast<char *>(cli.constData())};
        for (const auto &a : c.args)
            argv.push_back(const_cast<char *>(a.constData()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, cli.constData(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    };

    // One whole run of each first: how long a run takes sets the range of kill moments, and the
    // result must be the new file.
    qint64 fullRunUs = 0;
    for (const Command &c : commands) {
        writeAll(path, before);
        QElapsedTimer timer;
        timer.start();
        int status = 0;
        waitpid(spawn(c), &status, 0);
        fullRunUs = std::max(fullRunUs, timer.nsecsElapsed() / 1000);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(readAll(path), c.after);
    }

    const auto hasTemporaryFile = [&] {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name.startsWith(QStringLiteral(".BIG.QX3.tmp-")))
                return true;
        }
        return false;
    };
    int runs = 0, oldFiles = 0, newFiles = 0;
    QElapsedTimer total;
    total.start();
    auto *random = QRandomGenerator::global();
    while (total.elapsed() < seconds * 1000) {
        const Command &c = commands[runs % 2];
        writeAll(path, before);
        const pid_t pid = spawn(c);
        if (runs % 4 < 2) {
            // Any moment of the run.
            std::this_thread::sleep_for(std::chrono::microseconds(random->bounded(fullRunUs)));
        } else {
            // A moment while the new file is being written: its temporary name has appeared.
            QElapsedTimer waited;
            waited.start();
            while (!hasTemporaryFile() && waited.nsecsElapsed() / 1000 < 2 * fullRunUs)
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            std::this_thread::sleep_for(std::chrono::microseconds(random->bounded(20000)));
        }
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ++runs;
        const auto now = readAll(path);
        if (now == before)
            ++oldFiles;
        else if (now == c.after)
            ++newFiles;
        else
            FAIL() << "run " << runs << ": the collection is neither the old file nor the new one (" << now.size()
                   << " bytes)";
        // A kill may leave the temporary file of a write that never finished; never another name.
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name.startsWith(QStringLiteral(".BIG.QX3.tmp-")))
                QFile::remove(dir.file(name));
            else
                EXPECT_TRUE(name == QStringLiteral("BIG.QX3") || name == QStringLiteral("OTHER.QX3"))
                    << name.toStdString();
        }
    }
    RecordProperty("runs", runs);
    RecordProperty("old", oldFiles);
    RecordProperty("new", newFiles);
    EXPECT_GT(runs, 5);
}
