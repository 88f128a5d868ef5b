#include "common/native_file.h"

#include "support/temp_dir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qx;
using namespace qx::test;

TEST(NativePath, EveryByteSequenceComesBackUnchanged)
{
    const QByteArray names[] = {"plain.QX3",         "caf\xc3\xa9.QX3",        "caf\xe9.QX3",   "bad\xff.QX3",
                                "\xc0\xaf overlong", "\xed\xa0\x80 surrogate", "trunc\xe2\x82", "\xf0\x9f\x98\x80.QX3"};
    for (const QByteArray &bytes : names)
        EXPECT_EQ(nativePath(pathFromNative(bytes)), bytes) << bytes.toHex().constData();
    EXPECT_EQ(pathFromNative("caf\xc3\xa9"), QStringLiteral("café"));
}

TEST(RegularFile, OnlyRegularFilesAreReadAndReadingIsCapped)
{
    TempDir dir;
    const QString fifo = dir.file(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(nativePath(fifo).constData(), 0600), 0);
    EXPECT_EQ(readRegularFile(fifo, 100).error().kind, FileError::Kind::NotRegularFile);
    EXPECT_EQ(checkRegularFile(fifo).error().kind, FileError::Kind::NotRegularFile);
    EXPECT_EQ(readRegularFile(QStringLiteral("/dev/zero"), 100).error().kind, FileError::Kind::NotRegularFile);
    EXPECT_EQ(readRegularFile(dir.path(), 100).error().kind, FileError::Kind::NotRegularFile);
    EXPECT_EQ(readRegularFile(dir.file(QStringLiteral("missing")), 100).error().kind, FileError::Kind::CannotOpen);

    const QString odd = pathFromNative(nativePath(dir.path()) + "/caf\xe9.txt");
    const int fd = ::open(nativePath(odd).constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "abc", 3), 3);
    ::close(fd);
    ASSERT_TRUE(readRegularFile(odd, 3).ok());
    EXPECT_EQ(*readRegularFile(odd, 3), QByteArray("abc"));
    EXPECT_EQ(readRegularFile(odd, 2).error().kind, FileError::Kind::Io);
}
