#include "common/record_file.h"

#include "common/native_file.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace qx {

namespace {

std::atomic<long long> lockTimeoutMs{5000};

QString text(const char *source)
{
    return QCoreApplication::translate("qx", source);
}

FileError failure(FileError::Kind kind, const QString &path, int err)
{
    return FileError{kind, path, systemErrorText(err)};
}

FileError notRegular(const QString &path)
{
    return FileError{FileError::Kind::NotRegularFile, path, text("Not a regular file")};
}

FileError beyondEnd(const QString &path)
{
    return FileError{FileError::Kind::Io, path, text("Read beyond end of file")};
}

FileStamp stampOf(const struct stat &st)
{
    return FileStamp{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino), static_cast<qint64>(st.st_size),
                     static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { reset(); }
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes now and reports close()'s own failure (a delayed write error), as errno or 0.
    int close()
    {
        const int r = ::close(m_fd);
        m_fd = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Opens a stored file for reading, refusing anything but a regular file; the stamp of the file
// opened. O_NONBLOCK keeps a FIFO from hanging the open; fstat() then refuses it.
FileOutcome<FileStamp> openForReading(const QString &path, Fd &fd)
{
    fd.reset(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return failure(FileError::Kind::CannotOpen, path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return failure(FileError::Kind::Io, path, errno);
    if (!S_ISREG(st.st_mode))
        return notRegular(path);
    return stampOf(st);
}

// 0, or the error number; a short file gives -1.
int preadFully(int fd, uint8_t *out, qint64 n, qint64 at)
{
    while (n > 0) {
        const ssize_t got = ::pread(fd, out, static_cast<size_t>(n), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return -1;
        out += got;
        n -= got;
        at += got;
    }
    return 0;
}

int writeFully(int fd, const uint8_t *data, qint64 n)
{
    while (n > 0) {
        const ssize_t put = ::write(fd, data, static_cast<size_t>(n));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        if (put == 0)
            return EIO;
        data += put;
        n -= put;
    }
    return 0;
}

// Waits for the exclusive lock up to the timeout: true when taken.
bool lockExclusive(int fd)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockTimeoutMs.load());
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// The file a write replaces: a symbolic link is followed, so that the link stays and the file it
// names is the one replaced.
QByteArray writeTarget(const QByteArray &path)
{
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char *resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return path;
    QByteArray out(resolved);
    std::free(resolved);
    return out;
}

QByteArray folderOf(const QByteArray &path)
{
    const auto slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

} // namespace

// A piece of the new file: a range of the old file, or bytes given.
struct RecordFile::Piece {
    qint64 from = 0;
    qint64 length = 0;
    std::span<const uint8_t> bytes;
    bool given = false;

    static Piece old(qint64 from, qint64 length) { return {from, length, {}, false}; }
    static Piece of(std::span<const uint8_t> bytes) { return {0, 0, bytes, true}; }
};

void RecordFile::setLockTimeout(std::chrono::milliseconds timeout)
{
    lockTimeoutMs = timeout.count();
}

FileError RecordFile::changedError() const
{
    return FileError{FileError::Kind::Changed, m_path, text("The file was changed by another program")};
}

FileError RecordFile::notRecordFile() const
{
    return FileError{FileError::Kind::NotRecordFile, m_path,
                     text("is damaged or is not a %1.  Nothing was saved.").arg(text(m_noun))};
}

bool RecordFile::exists() const
{
    struct stat st {};
    return ::stat(nativePath(m_path).constData(), &st) == 0;
}

FileOutcome<int> RecordFile::count() const
{
    Fd fd;
    const auto opened = openForReading(m_path, fd);
    if (!opened)
        return opened.error();
    return static_cast<int>(std::min<qint64>(opened->size / m_size, INT_MAX));
}

FileOutcome<FileStamp> RecordFile::stamp() const
{
    struct stat st {};
    if (::stat(nativePath(m_path).constData(), &st) != 0)
        return failure(FileError::Kind::CannotOpen, m_path, errno);
    return stampOf(st);
}

FileOutcome<FileStamp> RecordFile::forEachPrefix(int prefixBytes,
                                                 const std::function<void(int, std::span<const uint8_t>)> &visit) const
{
    Fd fd;
    const auto opened = openForReading(m_path, fd);
    if (!opened)
        return opened.error();
    const qint64 records = std::min<qint64>(opened->size / m_size, INT_MAX);
    std::vector<uint8_t> buffer(static_cast<size_t>(prefixBytes));
    for (qint64 n = 0; n < records; ++n) {
        const int err = preadFully(fd.get(), buffer.data(), prefixBytes, n * m_size);
        if (err < 0)
            return beyondEnd(m_path);
        if (err > 0)
            return failure(FileError::Kind::Io, m_path, err);
        visit(static_cast<int>(n), buffer);
    }
    return *opened;
}

FileOutcome<std::vector<uint8_t>> RecordFile::read(int n, const std::optional<FileStamp> &listed) const
{
    Fd fd;
    const auto opened = openForReading(m_path, fd);
    if (!opened)
        return opened.error();
    // Writers never change a file in place, so the file opened holds the records its stamp names.
    if (listed && *opened != *listed)
        return changedError();
    if (n < 0)
        return beyondEnd(m_path);
    std::vector<uint8_t> record(static_cast<size_t>(m_size));
    const int err = preadFully(fd.get(), record.data(), m_size, static_cast<qint64>(n) * m_size);
    if (err < 0)
        return beyondEnd(m_path);
    if (err > 0)
        return failure(FileError::Kind::Io, m_path, err);
    return record;
}

FileOutcome<int> RecordFile::append(std::span<const uint8_t> records) const
{
    if (records.size() % static_cast<size_t>(m_size) != 0)
        return FileError{FileError::Kind::Io, m_path, text("Not a whole number of records")};
    int first = 0;
    const auto done = rewrite(true, true, [&](qint64 oldSize) -> FileOutcome<std::vector<Piece>> {
        first = static_cast<int>(oldSize / m_size);
        return std::vector<Piece>{Piece::old(0, oldSize), Piece::of(records)};
    });
    if (!done)
        return done.error();
    return first;
}

FileStatus RecordFile::replace(const RecordCheck &check, std::span<const uint8_t> record) const
{
    const int n = check.number;
    return rewrite(
        false, true,
        [&](qint64 oldSize) -> FileOutcome<std::vector<Piece>> {
            const qint64 at = static_cast<qint64>(n) * m_size;
            if (n < 0 || at + m_size > oldSize)
                return FileError{FileError::Kind::Io, m_path, text("No such record")};
            return std::vector<Piece>{Piece::old(0, at), Piece::of(record),
                                      Piece::old(at + m_size, oldSize - at - m_size)};
        },
        &check);
}

FileStatus RecordFile::remove(const RecordCheck &check) const
{
    const int n = check.number;
    return rewrite(
        false, true,
        [&](qint64 oldSize) -> FileOutcome<std::vector<Piece>> {
            const qint64 at = static_cast<qint64>(n) * m_size;
            if (n < 0 || at + m_size > oldSize)
                return FileError{FileError::Kind::Io, m_path, text("No such record")};
            return std::vector<Piece>{Piece::old(0, at), Piece::old(at + m_size, oldSize - at - m_size)};
        },
        &check);
}

FileStatus RecordFile::writeAll(std::span<const uint8_t> records) const
{
    if (records.size() % static_cast<size_t>(m_size) != 0)
        return FileError{FileError::Kind::Io, m_path, text("Not a whole number of records")};
    return rewrite(true, true,
                   [&](qint64) -> FileOutcome<std::vector<Piece>> { return std::vector<Piece>{Piece::of(records)}; });
}

namespace {

// The stored file, open and exclusively locked, and what it was when locked.
struct LockedFile {
    Fd fd;
    bool created = false; // made by this write, to be removed again if the write fails
    struct stat st {};
};

// Opens (or, when allowed, creates) the file the path names and locks it, until the file locked is
// the one the path still names: a writer that waited may find that the file it locked was replaced
// meanwhile.
FileStatus openLocked(const QString &path, const QByteArray &target, bool createMissing, LockedFile &out)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        out.created = false;
        out.fd.reset(::open(target.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
        if (out.fd.get() < 0 && errno == ENOENT && createMissing) {
            out.fd.reset(::open(target.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (out.fd.get() < 0 && errno == EEXIST)
                continue;
            out.created = out.fd.get() >= 0;
        }
        if (out.fd.get() < 0)
            return errno == EISDIR ? notRegular(path) : failure(FileError::Kind::CannotOpen, path, errno);
        if (::fstat(out.fd.get(), &out.st) != 0)
            return failure(FileError::Kind::Io, path, errno);
        if (!S_ISREG(out.st.st_mode))
            return notRegular(path);
        if (!lockExclusive(out.fd.get()))
            return FileError{FileError::Kind::Locked, path, text("The file is in use by another program")};
        struct stat now {};
        if (::stat(target.constData(), &now) == 0 && now.st_dev == out.st.st_dev && now.st_ino == out.st.st_ino) {
            if (::fstat(out.fd.get(), &out.st) != 0)
                return failure(FileError::Kind::Io, path, errno);
            return fileDone();
        }
    }
    return FileError{FileError::Kind::Locked, path, text("The file keeps changing")};
}

// A new, empty file beside the target, so that the rename stays on one file system; errno when
// none could be made.
int createBeside(const QByteArray &folder, const QByteArray &target, Fd &temp, QByteArray &tempName)
{
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = folder + "/." + base + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        temp.reset(::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (temp.get() >= 0)
            return 0;
        if (errno != EEXIST)
            break;
    }
    return errno;
}

// Writes the pieces one after another: given bytes as they are, kept ones copied from the old file.
// errno of the first failure, or 0.
int writePieces(const Fd &old, const Fd &temp, const auto &pieces)
{
    std::vector<uint8_t> buffer;
    for (const auto &piece : pieces) {
        if (piece.given) {
            if (const int err = writeFully(temp.get(), piece.bytes.data(), static_cast<qint64>(piece.bytes.size())))
                return err;
            continue;
        }
        buffer.resize(static_cast<size_t>(std::min<qint64>(piece.length, 1 << 20)));
        for (qint64 done = 0; done < piece.length;) {
            const qint64 n = std::min<qint64>(piece.length - done, static_cast<qint64>(buffer.size()));
            if (const int err = preadFully(old.get(), buffer.data(), n, piece.from + done))
                return err < 0 ? EIO : err;
            if (const int err = writeFully(temp.get(), buffer.data(), n))
                return err;
            done += n;
        }
    }
    return 0;
}

} // namespace

// Whether the locked file still holds what the check saw: Changed when not, an Io error when the
// record cannot be read.
FileStatus RecordFile::checkUnchanged(int fd, const FileStamp &now, const RecordCheck &check) const
{
    if (check.listed && now != *check.listed)
        return changedError();
    if (check.bytes.empty())
        return fileDone();
    const qint64 at = static_cast<qint64>(check.number) * m_size;
    const auto length = static_cast<qint64>(check.bytes.size());
    if (check.number < 0 || length > m_size || at + m_size > now.size)
        return changedError();
    std::vector<uint8_t> held(check.bytes.size());
    if (const int err = preadFully(fd, held.data(), length, at))
        return failure(FileError::Kind::Io, m_path, err < 0 ? EIO : err);
    return std::equal(held.begin(), held.end(), check.bytes.begin()) ? fileDone() : FileStatus(changedError());
}

FileStatus RecordFile::rewrite(bool createMissing, bool refuseDamaged, const Plan &plan, const RecordCheck *check) const
{
    const QByteArray target = writeTarget(nativePath(m_path));
    LockedFile file;
    if (const auto opened = openLocked(m_path, target, createMissing, file); !opened)
        return opened;

    // A file this write created goes again when the write fails, as if nothing had happened.
    const auto undoCreate = [&] {
        if (file.created)
            ::unlink(target.constData());
    };
    const qint64 oldSize = file.st.st_size;
    if (refuseDamaged && oldSize % m_size != 0)
        return notRecordFile();
    if (check) {
        if (const auto same = checkUnchanged(file.fd.get(), stampOf(file.st), *check); !same)
            return same;
    }
    const auto pieces = plan(oldSize);
    if (!pieces) {
        undoCreate();
        return pieces.error();
    }

    const QByteArray folder = folderOf(target);
    QByteArray tempName;
    Fd temp;
    if (const int err = createBeside(folder, target, temp, tempName)) {
        undoCreate();
        return failure(FileError::Kind::Io, m_path, err);
    }
    const auto fail = [&](int err) -> FileStatus {
        temp.reset();
        ::unlink(tempName.constData());
        undoCreate();
        return failure(FileError::Kind::Io, m_path, err);
    };

    // The new file keeps the old one's permissions, and its owner when we may set it.
    if (::fchmod(temp.get(), file.st.st_mode & 07777) != 0)
        return fail(errno);
    if (::geteuid() == 0 && ::fchown(temp.get(), file.st.st_uid, file.st.st_gid) != 0)
        return fail(errno);
    if (const int err = writePieces(file.fd, temp, *pieces))
        return fail(err);
    if (::fsync(temp.get()) != 0)
        return fail(errno);
    if (const int err = temp.close())
        return fail(err);
    if (::rename(tempName.constData(), target.constData()) != 0)
        return fail(errno);

    // Makes the rename itself durable. The new file is in place whatever this returns.
    const Fd dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return fileDone();
}

} // namespace qx
