#include "export/export_format.h"

#include "common/native_file.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qx {

FileStatus ExportFormat::write(const ExportInput &input, const QString &path) const
{
    const FileOutcome<QByteArray> bytes = encode(input, path);
    if (!bytes)
        return bytes.error();
    return writeExportFile(path, *bytes);
}

FileStatus writeExportFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = nativePath(path);
    const auto failed = [&](int err) { return FileError{FileError::Kind::Io, path, systemErrorText(err)}; };

    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return FileError{FileError::Kind::NotRegularFile, path,
                         QCoreApplication::translate("qx", "Not a regular file")};

    // A name of our own beside the target, so that the rename stays on one file system.
    const auto slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : target.left(slash));
    const QByteArray base = target.mid(slash + 1);
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "/." + base + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        // 0666 lets the umask decide, as for any new file the user creates.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return FileError{FileError::Kind::CannotOpen, path, systemErrorText(errno)};
    }
    if (fd < 0)
        return FileError{FileError::Kind::CannotOpen, path, systemErrorText(EEXIST)};

    const auto abandon = [&](int err) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.constData());
        return failed(err);
    };
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon(errno);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abandon(n < 0 ? errno : EIO);
        data += n;
        left -= n;
    }
    if (::fsync(fd) != 0)
        return abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return abandon(errno);
    if (::rename(temp.constData(), target.constData()) != 0)
        return abandon(errno);
    return fileDone();
}

} // namespace qx
