#include "common/record_file.h"

#include "common/file_writing.h"
#include "common/native_file.h"

#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace qx {

namespace {

std::atomic<long long> lockTimeoutMs{5000};

// Looked up, and found by lupdate, under the context "qx".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(qx)
};

FileError failure(FileError::Kind kind, const QString &path, int err)
{
    return FileError{kind, path, systemErrorText(err)};
}

FileError notRegular(const QString &path)
{
    return FileError{FileError::Kind::NotRegularFile, path, notRegularFileText()};
}

FileError beyondEnd(const QString &path)
{
    return FileError{FileError::Kind::Io, path, Texts::tr("Read beyond end of file")};
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
    return FileError{FileError::Kind::Changed, m_path, Texts::tr("The file was changed by another program")};
}

FileError RecordFile::notRecordFile() const
{
    // The whole sentence, file name included, so that a translation can order it.
    return FileError{FileError::Kind::NotRecordFile, m_path,
                     Texts::tr("%1 is damaged or is not a %2.  Nothing was saved.").arg(m_path, Texts::tr(m_noun))};
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
        return FileError{FileError::Kind::Io, m_path, Texts::tr("Not a whole number of records")};
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
    return spliceRecord(check, record);
}

FileStatus RecordFile::remove(const RecordCheck &check) const
{
    return spliceRecord(check, std::nullopt);
}

FileStatus RecordFile::spliceRecord(const RecordCheck &check, std::optional<std::span<const uint8_t>> with) const
{
    const int n = check.number;
    return rewrite(
        false, true,
        [&](qint64 oldSize) -> FileOutcome<std::vector<Piece>> {
            const qint64 at = static_cast<qint64>(n) * m_size;
            if (n < 0 || at + m_size > oldSize)
                return FileError{FileError::Kind::Io, m_path, Texts::tr("No such record")};
            std::vector<Piece> pieces{Piece::old(0, at)};
            if (with)
                pieces.push_back(Piece::of(*with));
            pieces.push_back(Piece::old(at + m_size, oldSize - at - m_size));
            return pieces;
        },
        &check);
}

FileStatus RecordFile::writeAll(std::span<const uint8_t> records) const
{
    if (records.size() % static_cast<size_t>(m_size) != 0)
        return FileError{FileError::Kind::Io, m_path, Texts::tr("Not a whole number of records")};
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
            return FileError{FileError::Kind::Locked, path, Texts::tr("The file is in use by another program")};
        struct stat now {};
        if (::stat(target.constData(), &now) == 0 && now.st_dev == out.st.st_dev && now.st_ino == out.st.st_ino) {
            if (::fstat(out.fd.get(), &out.st) != 0)
                return failure(FileError::Kind::Io, path, errno);
            return fileDone();
        }
    }
    return FileError{FileError::Kind::Locked, path, Texts::tr("The file keeps changing")};
}

// Writes the pieces one after another: given bytes as they are, kept ones copied from the old file.
// errno of the first failure, or 0.
int writePieces(const Fd &old, int temp, const auto &pieces)
{
    std::vector<uint8_t> buffer;
    qint64 at = 0;
    for (const auto &piece : pieces) {
        if (piece.given) {
            const auto size = static_cast<qint64>(piece.bytes.size());
            if (const int err = writeAt(temp, piece.bytes.data(), size, at))
                return err;
            at += size;
            continue;
        }
        buffer.resize(static_cast<size_t>(std::min<qint64>(piece.length, 1 << 20)));
        for (qint64 done = 0; done < piece.length;) {
            const qint64 n = std::min<qint64>(piece.length - done, static_cast<qint64>(buffer.size()));
            if (const int err = preadFully(old.get(), buffer.data(), n, piece.from + done))
                return err < 0 ? EIO : err;
            if (const int err = writeAt(temp, buffer.data(), n, at))
                return err;
            done += n;
            at += n;
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
    const auto target = writeTarget(m_path);
    if (!target)
        return target.error();
    LockedFile file;
    if (const auto opened = openLocked(m_path, target->native, createMissing, file); !opened)
        return opened;

    // A file this write created goes again when the write fails, as if nothing had happened.
    const auto undoCreate = [&](FileStatus outcome) {
        if (file.created)
            ::unlink(target->native.constData());
        return outcome;
    };
    const qint64 oldSize = file.st.st_size;
    if (refuseDamaged && oldSize % m_size != 0)
        return notRecordFile();
    if (check) {
        if (const auto same = checkUnchanged(file.fd.get(), stampOf(file.st), *check); !same)
            return same;
    }
    const auto pieces = plan(oldSize);
    if (!pieces)
        return undoCreate(pieces.error());
    auto staged =
        StagedFile::write(m_path, target->native, &file.st, [&](int fd) { return writePieces(file.fd, fd, *pieces); });
    if (!staged)
        return undoCreate(staged.error());
    std::vector<StagedFile> files;
    files.push_back(std::move(*staged));
    if (const auto placed = putInPlace(files); !placed)
        return undoCreate(placed);
    return fileDone();
}

} // namespace qx
