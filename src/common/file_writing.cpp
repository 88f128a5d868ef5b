#include "common/file_writing.h"

#include "common/native_file.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <unistd.h>

namespace qx {

namespace {

FileError failure(FileError::Kind kind, const QString &path, int err)
{
    return FileError{kind, path, systemErrorText(err)};
}

} // namespace

int writeAt(int fd, const void *bytes, qint64 size, qint64 at)
{
    const char *data = static_cast<const char *>(bytes);
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, static_cast<size_t>(size), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        size -= n;
        at += n;
    }
    return 0;
}

namespace {

// The kernel's fs.protected_symlinks rule: in a sticky folder everyone may write, a link is
// followed only when it belongs to the user or to the folder's owner.
bool mayFollow(const struct stat &link, const QByteArray &folder)
{
    struct stat dir {};
    if (::stat(folder.constData(), &dir) != 0)
        return false;
    const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
}

// For root the kernel ignores permissions, so the mode bits decide: a file nobody may write is
// read-only for root too.
bool readOnly(const QByteArray &native, const struct stat &st)
{
    if (::geteuid() == 0)
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

QByteArray tempPrefix(const QByteArray &target)
{
    return "." + target.mid(target.lastIndexOf('/') + 1) + ".tmp-";
}

// Removes the temporary files a killed writer of this target left: every ".NAME.tmp-*" beside it
// whose lock nobody holds. A live writer holds its lock from before it writes a byte until its
// file is renamed or removed, so only leftovers are taken.
void removeStaleTemporaries(const QByteArray &folder, const QByteArray &target)
{
    const QByteArray prefix = tempPrefix(target);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    std::vector<QByteArray> names;
    while (const dirent *entry = ::readdir(dir)) {
        if (QByteArrayView(entry->d_name).startsWith(prefix))
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray &name : names) {
        const QByteArray path = folder + '/' + name;
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat held {};
        struct stat named {};
        // The name must still be the file locked: its writer may have renamed it meanwhile.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            ::lstat(path.constData(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            ::unlink(path.constData());
        ::close(fd);
    }
}

// Creates and locks a new temporary file beside the target. The lock is taken before the file
// could hold anything; a cleaner that took the name away in between is noticed and another name
// tried. 0, or the error number.
int createTemporary(const QByteArray &folder, const QByteArray &target, QByteArray &name, int &fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '/' + tempPrefix(target) + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        // 0666 lets the umask decide, as for any new file the user creates.
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return errno;
        struct stat mine {};
        struct stat named {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &mine) == 0 && ::lstat(name.constData(), &named) == 0 &&
            mine.st_dev == named.st_dev && mine.st_ino == named.st_ino)
            return 0;
        ::close(fd);
        fd = -1;
    }
    return EEXIST;
}

void flushFolder(const QByteArray &folder)
{
    // Makes a rename durable. The new file is in place whatever this returns, so a failure here is
    // no reason to tell the user that saving failed.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes into the old file itself, for a folder that takes no new file. The final size is
// reserved before the first byte is overwritten, so a full disk or a size limit fails while the
// old bytes are still whole; a file system that cannot reserve gets the folder's own error.
FileStatus writeInPlace(const WriteTarget &target, QByteArrayView bytes, int folderError)
{
    const int fd = ::open(target.native.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return failure(FileError::Kind::CannotOpen, target.path, errno);
    const auto fail = [&](int err) {
        ::close(fd);
        return failure(FileError::Kind::Io, target.path, err);
    };
    if (bytes.size() > 0) {
        const int reserved = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        if (reserved != 0) {
            // Where the C library reserves by writing, it may have grown the file: not its content.
            if (::ftruncate(fd, target.st.st_size) != 0)
                return fail(errno);
            return fail(reserved == ENOSPC || reserved == EFBIG ? reserved : folderError);
        }
    }
    if (const int err = writeAt(fd, bytes.data(), bytes.size(), 0))
        return fail(err);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0)
        return failure(FileError::Kind::Io, target.path, errno);
    return fileDone();
}

} // namespace

QByteArray folderOfPath(const QByteArray &path)
{
    const auto slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

FileOutcome<WriteTarget> writeTarget(const QString &path, const WriteRules &rules)
{
    WriteTarget target{path, nativePath(path), false, {}};
    for (int depth = 0;; ++depth) {
        if (depth == 40)
            return failure(FileError::Kind::CannotOpen, path, ELOOP);
        struct stat link {};
        if (::lstat(target.native.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            break;
        const QByteArray folder = folderOfPath(target.native);
        if (!mayFollow(link, folder))
            return FileError{FileError::Kind::Refused, path, {}, Refusal::ForeignLink};
        QByteArray next(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.native.constData(), next.data(), static_cast<size_t>(next.size()));
        if (n < 0)
            return failure(FileError::Kind::CannotOpen, path, errno);
        next.truncate(n);
        target.native = next.startsWith('/') ? next : folder + '/' + next;
    }
    if (::stat(target.native.constData(), &target.st) == 0) {
        target.exists = true;
        if (!S_ISREG(target.st.st_mode))
            return FileError{FileError::Kind::NotRegularFile, path, notRegularFileText()};
        if (!rules.replaceReadOnly && readOnly(target.native, target.st))
            return failure(FileError::Kind::CannotOpen, path, EACCES);
    } else if (errno != ENOENT) {
        return failure(FileError::Kind::CannotOpen, path, errno);
    }
    return target;
}

StagedFile::StagedFile(QString path, QByteArray target, QByteArray temp, int fd)
    : m_path(std::move(path)), m_target(std::move(target)), m_temp(std::move(temp)), m_fd(fd)
{
}

StagedFile::StagedFile(StagedFile &&other) noexcept
    : m_path(std::move(other.m_path)), m_target(std::move(other.m_target)), m_temp(std::move(other.m_temp)),
      m_fd(other.m_fd)
{
    other.m_fd = -1;
}

StagedFile::~StagedFile()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so no cleaner can mistake it for a leftover of someone else.
    ::unlink(m_temp.constData());
    ::close(m_fd);
}

FileOutcome<StagedFile> StagedFile::write(const QString &path, const QByteArray &target, const struct stat *like,
                                          const Fill &fill, int *folderError)
{
    const QByteArray folder = folderOfPath(target);
    removeStaleTemporaries(folder, target);
    QByteArray temp;
    int fd = -1;
    if (const int err = createTemporary(folder, target, temp, fd)) {
        if (folderError)
            *folderError = err;
        return failure(FileError::Kind::CannotOpen, path, err);
    }
    StagedFile staged(path, target, temp, fd);
    const auto failed = [&](int err) { return failure(FileError::Kind::Io, path, err); };
    // The new file keeps the old one's permissions, and its owner when we may set it.
    if (like && ::fchmod(fd, like->st_mode & 07777) != 0)
        return failed(errno);
    if (like && ::geteuid() == 0 && ::fchown(fd, like->st_uid, like->st_gid) != 0)
        return failed(errno);
    if (const int err = fill(fd))
        return failed(err);
    if (::fsync(fd) != 0)
        return failed(errno);
    return staged;
}

int StagedFile::putInPlace()
{
    // Still locked while renamed: the lock goes with the file into place and is dropped at once.
    if (::rename(m_temp.constData(), m_target.constData()) != 0)
        return errno;
    const int closed = ::close(m_fd);
    m_fd = -1;
    // The bytes were flushed before the rename, so a late close failure lost nothing.
    (void)closed;
    return 0;
}

FileStatus putInPlace(std::vector<StagedFile> &files)
{
    std::set<QByteArray> folders;
    for (size_t n = files.size(); n > 0; --n) {
        StagedFile &file = files[n - 1];
        if (const int err = file.putInPlace()) {
            const QString path = file.path();
            files.clear();
            return failure(FileError::Kind::Io, path, err);
        }
        folders.insert(folderOfPath(nativePath(file.path())));
    }
    for (const QByteArray &folder : folders)
        flushFolder(folder);
    return fileDone();
}

FileStatus replaceFile(const QString &path, QByteArrayView bytes, const WriteRules &rules)
{
    return replaceFiles({FileContent{path, bytes.toByteArray()}}, rules);
}

FileStatus replaceFiles(const std::vector<FileContent> &files, const WriteRules &rules)
{
    std::vector<StagedFile> staged;
    for (const FileContent &file : files) {
        const auto target = writeTarget(file.path, rules);
        if (!target)
            return target.error();
        int folderError = 0;
        auto written = StagedFile::write(
            file.path, target->native, target->exists ? &target->st : nullptr,
            [&](int fd) { return writeAt(fd, file.bytes.constData(), file.bytes.size(), 0); }, &folderError);
        if (!written) {
            if (rules.inPlaceFallback && files.size() == 1 && target->exists &&
                (folderError == EACCES || folderError == EPERM || folderError == EROFS))
                return writeInPlace(*target, file.bytes, folderError);
            return written.error();
        }
        staged.push_back(std::move(*written));
    }
    return putInPlace(staged);
}

} // namespace qx
