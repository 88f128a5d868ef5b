// Every write to a record file under faults: it reports the failure and leaves the file as it was.
#include "common/record_file.h"
#include "store/collection_file.h"

#include "support/file_faults.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <set>
#include <thread>

using namespace qx;
using namespace qx::test;

namespace {

constexpr int Size = 64;

std::vector<uint8_t> records(int count, uint32_t seed)
{
    return patternBytes(static_cast<size_t>(count) * Size, seed);
}

struct WritePath {
    const char *name;
    std::function<FileStatus(const RecordFile &)> write;
};

// Every way a record file is written; each would make the file at least two records long.
const std::vector<WritePath> &writePaths()
{
    static const auto one = records(1, 99);
    static const auto two = records(2, 98);
    static const std::vector<WritePath> paths = {
        {"append",
         [](const RecordFile &f) {
             const auto n = f.append(one);
             return n ? fileDone() : FileStatus(n.error());
         }},
        {"replace", [](const RecordFile &f) { return f.replace(1, one); }},
        {"remove", [](const RecordFile &f) { return f.remove(0); }},
        {"writeAll", [](const RecordFile &f) { return f.writeAll(two); }},
    };
    return paths;
}

// The names in the folder, to see that a failed write leaves no temporary file behind.
QStringList entries(const TempDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

TEST(RecordFileFaults, AFailedWriteReportsWhyAndLeavesTheFileAsItWas)
{
    struct Fault {
        const char *name;
        std::vector<uint8_t> content;
        FileError::Kind kind;
        std::function<void()> during; // run just before the write, undone after it
    };
    TempDir dir;
    const QString path = dir.file(QStringLiteral("DATA.QX3"));
    const std::vector<Fault> faults = {
        {"size limit (a full disk)", records(3, 1), FileError::Kind::Io, nullptr},
        {"locked by another program", records(3, 2), FileError::Kind::Locked, nullptr},
        {"not whole records", patternBytes(3 * Size + 10, 3), FileError::Kind::NotRecordFile, nullptr},
    };
    RecordFile::setLockTimeout(std::chrono::milliseconds(50));
    for (const Fault &fault : faults) {
        for (const WritePath &w : writePaths()) {
            SCOPED_TRACE(std::string(fault.name) + ", " + w.name);
            writeAll(path, fault.content);
            const RecordFile file(path, Size, "puzzle collection");
            FileStatus outcome = fileDone();
            if (fault.kind == FileError::Kind::Io) {
                const FileSizeLimit limit(Size); // every new file is at least two records
                outcome = w.write(file);
            } else if (fault.kind == FileError::Kind::Locked) {
                const HeldLock lock(path);
                ASSERT_TRUE(lock.held());
                outcome = w.write(file);
            } else {
                outcome = w.write(file);
            }
            ASSERT_FALSE(outcome);
            EXPECT_EQ(outcome.error().kind, fault.kind);
            EXPECT_EQ(outcome.error().path, path);
            EXPECT_FALSE(outcome.error().systemText.isEmpty());
            EXPECT_EQ(readAll(path), fault.content) << "the file is unchanged";
            EXPECT_EQ(entries(dir), QStringList{QStringLiteral("DATA.QX3")}) << "no temporary file is left";
        }
    }
    RecordFile::setLockTimeout(std::chrono::milliseconds(5000));

    writeAll(path, patternBytes(Size + 1, 4));
    EXPECT_EQ(RecordFile(path, Size, "puzzle collection").append(records(1, 5)).error().errorText(),
              path + QStringLiteral(" is damaged or is not a puzzle collection.  Nothing was saved."));
}

TEST(RecordFileFaults, FifosFoldersAndMissingFoldersAreRefusedWithoutWaiting)
{
    TempDir dir;
    const QString fifo = dir.file(QStringLiteral("PIPE.QX3"));
    ASSERT_TRUE(makeFifo(fifo));
    const QString notAFolder = dir.file(QStringLiteral("plain"));
    writeAll(notAFolder, {'x'});
    const struct {
        QString path;
        FileError::Kind kind;
    } cases[] = {
        {fifo, FileError::Kind::NotRegularFile},
        {dir.path(), FileError::Kind::NotRegularFile},
        {notAFolder + QStringLiteral("/X.QX3"), FileError::Kind::CannotOpen}, // stops root too: ENOTDIR
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const RecordFile file(c.path, Size);
        EXPECT_EQ(file.count().error().kind, c.kind);
        EXPECT_EQ(file.read(0).error().kind, c.kind);
        EXPECT_EQ(file.forEachPrefix(4, [](int, std::span<const uint8_t>) {}).error().kind, c.kind);
        for (const WritePath &w : writePaths())
            EXPECT_EQ(w.write(file).error().kind, c.kind) << w.name;
    }
    EXPECT_EQ(readAll(notAFolder), std::vector<uint8_t>{'x'});
}

TEST(RecordFileWrites, KeepPermissionsAndFollowLinks)
{
    TempDir dir;
    const QString real = dir.file(QStringLiteral("real.QX3"));
    const QString link = dir.file(QStringLiteral("LINK.QX3"));
    writeAll(real, records(2, 1));
    QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(QFile::link(real, link));
    const RecordFile file(link, Size);
    ASSERT_EQ(file.append(records(1, 2)), 2);
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link stays a link";
    EXPECT_EQ(fileSize(real), 3 * Size);
    EXPECT_EQ(QFile::permissions(real),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
}

TEST(RecordFileWrites, ConcurrentWritersGetDistinctRecordsAndLoseNone)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("SHARED.QX3"));
    constexpr int PerWriter = 40;
    std::vector<int> numbers[2];
    const auto writer = [&](int w) {
        const RecordFile file(path, Size); // an object, and an open, of its own
        for (int k = 0; k < PerWriter; ++k) {
            auto record = records(1, static_cast<uint32_t>(w * 1000 + k));
            record[0] = static_cast<uint8_t>(w);
            record[1] = static_cast<uint8_t>(k);
            const auto n = file.append(record);
            ASSERT_TRUE(n) << n.error().errorText().toStdString();
            numbers[w].push_back(*n);
        }
    };
    std::thread a(writer, 0), b(writer, 1);
    a.join();
    b.join();

    std::set<int> all(numbers[0].begin(), numbers[0].end());
    all.insert(numbers[1].begin(), numbers[1].end());
    EXPECT_EQ(all.size(), 2u * PerWriter) << "no two appends got the same record";
    const auto bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 2u * PerWriter * Size) << "no record was lost";
    for (int w = 0; w < 2; ++w) {
        for (int k = 0; k < PerWriter; ++k) {
            const size_t at = static_cast<size_t>(numbers[w][static_cast<size_t>(k)]) * Size;
            EXPECT_EQ(bytes[at], w);
            EXPECT_EQ(bytes[at + 1], k) << "each writer's record is where it was told";
        }
    }
}
