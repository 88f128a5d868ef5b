#pragma once
// Faults for the file tests that stop root too (the tests run as root in CI, where permissions
// stop nothing): a file-size limit, a lock held by "another program", and a FIFO.

#include "common/native_file.h"

#include <QString>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
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

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(nativePath(path).constData(), 0600) == 0;
}

} // namespace qx::test
