#pragma once
// What several targets share: a scratch folder of their own for the readers that take a path, in
// memory when the system has one so that a file round trip costs microseconds, and whole-file
// reads and writes without Qt, so a failing check cannot be a failing helper.

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <unistd.h>
#include <vector>

namespace qx::fuzz {

// A folder of this process, made once and removed at exit.
inline const QString &scratchDir()
{
    static const QString dir = [] {
        const char *base = QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : "/tmp";
        const QString path = QStringLiteral("%1/quorvex-fuzz-%2").arg(QLatin1String(base)).arg(::getpid());
        QDir().mkpath(path);
        // Removed without Qt: at exit Qt's own statics may already be gone.
        static std::string native;
        native = path.toStdString();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(native, ignored);
        });
        return path;
    }();
    return dir;
}

inline QString scratchFile(const char *name)
{
    return scratchDir() + QLatin1Char('/') + QLatin1String(name);
}

inline void writeWholeFile(const QString &path, std::span<const uint8_t> bytes)
{
    FILE *f = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!f)
        std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        std::abort();
    if (std::fclose(f) != 0)
        std::abort();
}

inline std::vector<uint8_t> readWholeFile(const QString &path)
{
    std::vector<uint8_t> out;
    FILE *f = std::fopen(path.toLocal8Bit().constData(), "rb");
    if (!f)
        return out;
    uint8_t buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        out.insert(out.end(), buffer, buffer + n);
    std::fclose(f);
    return out;
}

inline void removeFile(const QString &path)
{
    ::unlink(path.toLocal8Bit().constData());
}

// Fails the run with a line naming the broken property, so a report says more than "abort".
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

} // namespace qx::fuzz
