#include "common/native_file.h"

#include <QCoreApplication>

#include <algorithm>

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

QString notRegularFileText()
{
    return QCoreApplication::translate("qx", "Not a regular file");
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
        return FileError{FileError::Kind::NotRegularFile, path, notRegularFileText()};
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
        return FileError{FileError::Kind::NotRegularFile, path, notRegularFileText()};
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

} // namespace

FileOutcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    return readRegular(path, maxBytes, true);
}

FileOutcome<QByteArray> readRegularFileStart(const QString &path, qint64 maxBytes)
{
    return readRegular(path, maxBytes, false);
}

} // namespace qx
