#pragma once
// Faults for the file tests that stop root too (the tests run as root in CI, where permissions
// stop nothing): a file-size limit, a lock held by "another program", a FIFO and a read-only
// folder.

#include "common/native_file.h"

#include <QString>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qx::test {

// While alive, no file of this process may grow past maxBytes: a write beyond fails with EFBIG,
// as on a full disk (SIGXFSZ is ignored, as the programs ignore it).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = maxBytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// An exclusive flock() on the file through an open of its own, as another program would hold it.
class HeldLock {
public:
    explicit HeldLock(const QString &path) : m_fd(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~HeldLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    HeldLock(const HeldLock &) = delete;
    HeldLock &operator=(const HeldLock &) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

// While alive, nothing can be created in the folder: its write permission is taken away and, for
// root, whom permissions do not stop, it is made immutable where the file system allows that.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(nativePath(path))
    {
        ::chmod(m_path.constData(), 0555);
        if (::geteuid() == 0)
            setImmutable(true);
    }
    ~ReadOnlyFolder()
    {
        if (::geteuid() == 0)
            setImmutable(false);
        ::chmod(m_path.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    // Whether a file really cannot be created there (false where neither way works).
    bool effective() const
    {
        const QByteArray probe = m_path + "/.probe";
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }

private:
    void setImmutable(bool on)
    {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    QByteArray m_path;
};

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(nativePath(path).constData(), 0600) == 0;
}

} // namespace qx::test
