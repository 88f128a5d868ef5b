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
    FileOutcome<std::vector<ExportFile>> more = companions(input, path);
    if (!more)
        return more.error();
    std::vector<ExportFile> files{ExportFile{path, *bytes}};
    files.insert(files.end(), more->begin(), more->end());
    return writeExportFiles(files);
}

namespace {

// One file written under a name of its own beside its target, waiting to be renamed over it.
struct PendingFile {
    QString path;
    QByteArray target;
    QByteArray temp;
};

FileOutcome<PendingFile> writeBeside(const ExportFile &file)
{
    const QString &path = file.path;
    PendingFile pending{path, nativePath(path), {}};
    const QByteArray &target = pending.target;
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
    QByteArray &temp = pending.temp;
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
    const char *data = file.bytes.constData();
    qsizetype left = file.bytes.size();
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
    return pending;
}

} // namespace

FileStatus writeExportFile(const QString &path, const QByteArray &bytes)
{
    return writeExportFiles({ExportFile{path, bytes}});
}

FileStatus writeExportFiles(const std::vector<ExportFile> &files)
{
    std::vector<PendingFile> pending;
    const auto dropPending = [&pending](size_t from) {
        for (size_t i = from; i < pending.size(); ++i)
            ::unlink(pending[i].temp.constData());
    };
    for (const ExportFile &file : files) {
        FileOutcome<PendingFile> written = writeBeside(file);
        if (!written) {
            dropPending(0);
            return written.error();
        }
        pending.push_back(std::move(*written));
    }
    // The last first: the main file, written first, goes into place last, so a page never names
    // a picture that is not there yet.
    for (size_t n = pending.size(); n > 0; --n) {
        const PendingFile &file = pending[n - 1];
        if (::rename(file.temp.constData(), file.target.constData()) != 0) {
            const int err = errno;
            pending.resize(n);
            dropPending(0);
            return FileError{FileError::Kind::Io, file.path, systemErrorText(err)};
        }
    }
    return fileDone();
}

} // namespace qx
