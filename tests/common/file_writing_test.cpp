// The rules every write of the program follows: links, read-only files, leftovers of killed
// writers and the write in place, each through every kind of writer.
#include "common/exchange_file.h"
#include "common/file_writing.h"
#include "common/native_file.h"
#include "common/record_file.h"
#include "export/export_formats.h"

#include "support/file_faults.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>

using namespace qx;
using namespace qx::test;

namespace {

constexpr int RecordSize = 16;

// Every kind of writer, each writing 32 bytes of its own to the path.
struct Writer {
    const char *name;
    std::function<FileStatus(const QString &, const WriteRules &)> write;
};

const std::vector<Writer> &writers()
{
    static const std::vector<Writer> all = {
        {"whole file", [](const QString &p, const WriteRules &r) { return replaceFile(p, QByteArray(32, 'N'), r); }},
        {"record file",
         [](const QString &p, const WriteRules &) {
             return RecordFile(p, RecordSize).writeAll(std::vector<uint8_t>(32, 'N'));
         }},
        {"export with a companion",
         [](const QString &p, const WriteRules &r) {
             return replaceFiles({{p, QByteArray(32, 'N')}, {p + QStringLiteral(".more"), QByteArray(4, 'M')}}, r);
         }},
    };
    return all;
}

QByteArray contents(const QString &path)
{
    const auto bytes = readAll(path);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void put(const QString &path, const QByteArray &bytes)
{
    writeAll(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace

TEST(FileWriting, LinksAreFollowedOnlyWhereTheKernelWouldFollowThem)
{
    const uid_t other = 12345;
    struct Case {
        const char *name;
        bool sticky;     // the link lies in a sticky folder everyone may write
        uid_t linkOwner; // 0 is the user the tests run as
        uid_t folderOwner;
        bool followed;
    };
    const Case cases[] = {
        {"the user's own link", false, 0, 0, true},
        {"another user's link in a private folder", false, other, 0, true},
        {"the user's own link in a shared folder", true, 0, 0, true},
        {"the shared folder's owner's link", true, other, other, true},
        {"a link planted by another user in a shared folder", true, other, 0, false},
    };
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting another user's link takes root";
    for (const Writer &w : writers()) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(w.name) + ", " + c.name);
            TempDir dir;
            const QString shared = dir.file(QStringLiteral("shared"));
            ASSERT_TRUE(QDir().mkdir(shared));
            ASSERT_EQ(::chmod(nativePath(shared).constData(), c.sticky ? 01777 : 0755), 0);
            ASSERT_EQ(::chown(nativePath(shared).constData(), c.folderOwner, 0), 0);
            const QString victim = dir.file(QStringLiteral("victim.dat"));
            put(victim, QByteArray(RecordSize, 'O'));
            const QString link = shared + QStringLiteral("/planted.dat");
            ASSERT_TRUE(QFile::link(victim, link));
            ASSERT_EQ(::lchown(nativePath(link).constData(), c.linkOwner, 0), 0);

            const FileStatus written = w.write(link, {});
            EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link stays a link";
            if (c.followed) {
                ASSERT_TRUE(written) << written.error().errorText().toStdString();
                EXPECT_EQ(contents(victim), QByteArray(32, 'N'));
            } else {
                ASSERT_FALSE(written);
                EXPECT_EQ(written.error().kind, FileError::Kind::Refused);
                EXPECT_EQ(written.error().errorText(),
                          link + QStringLiteral(": A link another user made in a shared folder is not followed; "
                                                "nothing was written"));
                EXPECT_EQ(contents(victim), QByteArray(RecordSize, 'O'));
                EXPECT_EQ(QFileInfo(victim).ownerId(), 0u);
            }
        }
    }
}

TEST(FileWriting, ADanglingLinkGetsItsFileOrSaysWhyNot)
{
    for (const Writer &w : writers()) {
        SCOPED_TRACE(w.name);
        TempDir dir;
        const QString link = dir.file(QStringLiteral("LINK.dat"));
        ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("made.dat")), link));
        ASSERT_TRUE(w.write(link, {}));
        EXPECT_EQ(contents(dir.file(QStringLiteral("made.dat"))), QByteArray(32, 'N'));

        const QString nowhere = dir.file(QStringLiteral("NOWHERE.dat"));
        ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("gone/made.dat")), nowhere));
        const FileStatus failed = w.write(nowhere, {});
        ASSERT_FALSE(failed);
        EXPECT_EQ(failed.error().errorText(), nowhere + QStringLiteral(": No such file or directory"));
    }
}

TEST(FileWriting, AReadOnlyFileIsReplacedOnlyWhenTheUserConfirmedIt)
{
    for (const Writer &w : writers()) {
        for (const bool confirmed : {false, true}) {
            SCOPED_TRACE(std::string(w.name) + (confirmed ? ", confirmed" : ""));
            TempDir dir;
            const QString path = dir.file(QStringLiteral("KEEP.dat"));
            put(path, QByteArray(RecordSize, 'O'));
            ASSERT_EQ(::chmod(nativePath(path).constData(), 0444), 0);
            const FileStatus written = w.write(path, confirmed ? ReplaceConfirmed : WriteRules{});
            // A record file (a collection, a library) is never replaced read-only: no save dialog
            // names it.
            if (confirmed && std::string(w.name) != "record file") {
                ASSERT_TRUE(written);
                EXPECT_EQ(contents(path), QByteArray(32, 'N'));
                EXPECT_EQ(QFileInfo(path).permissions() & QFile::WriteOwner, 0) << "it stays read-only";
            } else {
                ASSERT_FALSE(written);
                EXPECT_EQ(written.error().errorText(), path + QStringLiteral(": Permission denied"));
                EXPECT_EQ(contents(path), QByteArray(RecordSize, 'O'));
            }
        }
    }
}

TEST(FileWriting, LeftoversOfKilledWritersGoWithTheNextWriteButNotALiveWritersFile)
{
    for (const Writer &w : writers()) {
        SCOPED_TRACE(w.name);
        TempDir dir;
        const QString path = dir.file(QStringLiteral("DATA.dat"));
        put(path, QByteArray(RecordSize, 'O'));
        const QString dead = dir.file(QStringLiteral(".DATA.dat.tmp-dead"));
        const QString live = dir.file(QStringLiteral(".DATA.dat.tmp-live"));
        const QString otherFile = dir.file(QStringLiteral(".OTHER.dat.tmp-dead"));
        for (const QString &p : {dead, live, otherFile})
            put(p, QByteArray(1000, 'T'));
        const HeldLock writing(live); // a writer still at work holds its file's lock
        ASSERT_TRUE(writing.held());

        ASSERT_TRUE(w.write(path, {}));
        EXPECT_FALSE(QFile::exists(dead));
        EXPECT_TRUE(QFile::exists(live));
        EXPECT_TRUE(QFile::exists(otherFile)) << "only the written file's leftovers go";
        EXPECT_EQ(contents(path), QByteArray(32, 'N'));
    }
}

namespace {

// What a write in place did, from a child process so that a file system may be mounted for it.
enum InPlaceOutcome { Kept = 10, Written, Damaged, NoFault, Skipped = 77 };

// In a folder that takes no new file, writes a record of 8 KiB over an exchange file of 22 bytes
// under a fault: a size limit, or a small file system filled up (mounted in a mount namespace of
// the child's own). 8 KiB needs more room than the old file's first block already holds.
InPlaceOutcome inPlaceOutcome(const QString &folder, bool fullDisk)
{
    const QString path = folder + QStringLiteral("/SHAPE.LAY");
    if (!writeExchangeFile(path, ExchangeFormat{"LAY", 16}, std::vector<uint8_t>(16, 'O')))
        return NoFault;
    std::unique_ptr<FileSizeLimit> limit;
    if (fullDisk) {
        QFile filler(folder + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly);
        while (filler.write(QByteArray(4096, 'F')) == 4096 && filler.flush()) {
        }
    } else {
        limit = std::make_unique<FileSizeLimit>(40);
    }
    const QByteArray before = contents(path);
    const ReadOnlyFolder readOnly(folder);
    if (!readOnly.effective())
        return Skipped;
    const auto written = writeExchangeFile(path, ExchangeFormat{"LAY", 8192}, std::vector<uint8_t>(8192, 'N'));
    if (written)
        return NoFault;
    const QString expected = fullDisk ? QStringLiteral("No space left on device") : QStringLiteral("File too large");
    return contents(path) == before && written.error().systemText == expected ? Kept : Damaged;
}

int writeInPlaceUnder(const QString &folder, bool fullDisk)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (fullDisk &&
            (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             ::mount("tmpfs", nativePath(folder).constData(), "tmpfs", 0, "size=64k") != 0))
            ::_exit(Skipped);
        ::_exit(inPlaceOutcome(folder, fullDisk));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(FileWriting, AWriteInPlaceThatCannotFitLeavesTheOldFileWhole)
{
    for (const bool fullDisk : {false, true}) {
        SCOPED_TRACE(fullDisk ? "a full disk" : "a size limit");
        TempDir dir;
        const int outcome = writeInPlaceUnder(dir.path(), fullDisk);
        if (outcome == Skipped)
            GTEST_SKIP() << "this system lets no folder refuse new files or no file system be mounted";
        EXPECT_EQ(outcome, Kept);
    }

    // Where it fits, the file holds exactly the new bytes, a shorter content included.
    TempDir dir;
    const QString path = dir.file(QStringLiteral("PAGE.PAG"));
    ASSERT_TRUE(writeExchangeFile(path, ExchangeFormat{"PAG", 40}, std::vector<uint8_t>(40, 'O')));
    const ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.effective())
        GTEST_SKIP() << "this system lets no folder refuse new files";
    for (const int size : {60, 10}) {
        ASSERT_TRUE(writeExchangeFile(path, ExchangeFormat{"PAG", size}, std::vector<uint8_t>(size_t(size), 'N')));
        EXPECT_EQ(contents(path), QByteArray("PAG1.0") + QByteArray(size, 'N'));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
