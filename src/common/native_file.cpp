#include "common/native_file.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <climits>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qx {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are not one.
int utf8SequenceAt(const QByteArray &s, qsizetype i)
{
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    int len = 0;
    char32_t cp = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (int k = 1; k < len; ++k) {
        const unsigned char t = byte(i + k);
        if ((t & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (t & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

QString pathFromNative(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int len = utf8SequenceAt(bytes, i);
        if (len == 0) {
            out.append(QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i]))));
            ++i;
        } else {
            out.append(QString::fromUtf8(bytes.constData() + i, len));
            i += len;
        }
    }
    return out;
}

QByteArray nativePath(const QString &path)
{
    QByteArray out;
    out.reserve(path.size());
    qsizetype i = 0;
    while (i < path.size()) {
        const char16_t u = path[i].unicode();
        if (u >= 0xDC80 && u <= 0xDCFF) {
            out.append(static_cast<char>(u - 0xDC00));
            ++i;
            continue;
        }
        // Everything up to the next escaped byte converts as ordinary text.
        qsizetype j = i + 1;
        while (j < path.size() && !(path[j].unicode() >= 0xDC80 && path[j].unicode() <= 0xDCFF))
            ++j;
        out.append(QStringView(path).sliced(i, j - i).toUtf8());
        i = j;
    }
    return out;
}

QString systemErrorText(int e)
{
    return QString::fromLocal8Bit(std::strerror(e));
}

FileStatus checkRegularFile(const QString &path)
{
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) != 0)
        return FileError{FileError::Kind::CannotOpen, path, systemErrorText(errno)};
    if (!S_ISREG(st.st_mode))
        return FileError{FileError::Kind::NotRegularFile, path,
                         QCoreApplication::translate("qx", "Not a regular file")};
    return fileDone();
}

namespace {

FileOutcome<QByteArray> readRegular(const QString &path, qint64 maxBytes, bool refuseLonger)
{
    // O_NONBLOCK so that opening a FIFO that slipped in between the check and the open cannot hang;
    // the fstat below refuses it.
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FileError{FileError::Kind::CannotOpen, path, systemErrorText(errno)};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return FileError{FileError::Kind::Io, path, systemErrorText(errno)};
    if (!S_ISREG(st.st_mode))
        return FileError{FileError::Kind::NotRegularFile, path,
                         QCoreApplication::translate("qx", "Not a regular file")};
    const auto tooLong = [&] {
        return FileError{FileError::Kind::Io, path,
                         QCoreApplication::translate("qx", "File is larger than %1 bytes").arg(maxBytes)};
    };
    if (refuseLonger && st.st_size > maxBytes)
        return tooLong();
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const qint64 room =
            refuseLonger ? qint64(sizeof buffer) : std::min<qint64>(sizeof buffer, maxBytes - bytes.size());
        if (room == 0)
            break;
        const ssize_t n = ::read(fd, buffer, static_cast<size_t>(room));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FileError{FileError::Kind::Io, path, systemErrorText(errno)};
        }
        if (n == 0)
            break;
        if (bytes.size() + n > maxBytes)
            return tooLong();
        bytes.append(buffer, n);
    }
    return bytes;
}

// Writes the whole buffer, riding over interrupted and partial writes; 0 or the error number.
int writeFully(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        size -= n;
    }
    return 0;
}

// A dangling link gets the file it names created.
QByteArray linkTarget(const QByteArray &path)
{
    QByteArray current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        QByteArray link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.constData(), link.data(), static_cast<size_t>(link.size()));
        if (n < 0)
            return current;
        link.truncate(n);
        if (!link.startsWith('/')) {
            const auto slash = current.lastIndexOf('/');
            link = (slash < 0 ? QByteArray() : current.left(slash + 1)) + link;
        }
        current = link;
    }
    return current;
}

int writeInPlace(const QByteArray &target, QByteArrayView bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    int err = writeFully(fd, bytes.data(), bytes.size());
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err;
}

} // namespace

FileOutcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    return readRegular(path, maxBytes, true);
}

FileOutcome<QByteArray> readRegularFileStart(const QString &path, qint64 maxBytes)
{
    return readRegular(path, maxBytes, false);
}

FileStatus replaceFileAtomically(const QString &path, QByteArrayView bytes, bool inPlaceFallback)
{
    const QByteArray target = linkTarget(nativePath(path));
    const auto slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : target.left(slash));
    const QByteArray base = target.mid(slash + 1);
    const auto failed = [&](int err) { return FileError{FileError::Kind::Io, path, systemErrorText(err)}; };

    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return FileError{FileError::Kind::NotRegularFile, path,
                         QCoreApplication::translate("qx", "Not a regular file")};

    // A name of our own beside the target, so the rename stays on one file system.
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = folder + "/." + base + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        // 0666 lets the umask decide, as for any new file the user creates.
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int err = errno;
        if (inPlaceFallback && existed && (err == EACCES || err == EPERM || err == EROFS)) {
            if (const int e = writeInPlace(target, bytes))
                return failed(e);
            return fileDone();
        }
        return FileError{FileError::Kind::CannotOpen, path, systemErrorText(err)};
    }

    const auto fail = [&](int err) -> FileStatus {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempName.constData());
        return failed(err);
    };
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0)
        return fail(errno);
    if (const int err = writeFully(fd, bytes.data(), bytes.size()); err != 0)
        return fail(err);
    if (::fsync(fd) != 0)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (::rename(tempName.constData(), target.constData()) != 0)
        return fail(errno);

    // Makes the rename itself durable. The new file is in place whatever this returns, so a
    // failure here is no reason to tell the user that saving failed.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return fileDone();
}

} // namespace qx
