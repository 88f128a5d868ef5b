#pragma once
// Test helpers for files: a temporary directory per test and raw byte access.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

namespace qx::test {

class TempDir {
public:
    TempDir() { m_dir.setAutoRemove(true); }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir m_dir;
};

std::vector<uint8_t> readAll(const QString &path);
void writeAll(const QString &path, const std::vector<uint8_t> &bytes);
qint64 fileSize(const QString &path);

// Deterministic filler so that records carry bytes in every slot, reserved ones included.
std::vector<uint8_t> patternBytes(size_t size, uint32_t seed);

} // namespace qx::test
