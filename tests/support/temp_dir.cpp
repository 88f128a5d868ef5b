#include "support/temp_dir.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace qx::test {

std::vector<uint8_t> readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray data = f.readAll();
    return std::vector<uint8_t>(data.begin(), data.end());
}

void writeAll(const QString &path, const std::vector<uint8_t> &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    f.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).exists() ? QFileInfo(path).size() : -1;
}

std::vector<uint8_t> patternBytes(size_t size, uint32_t seed)
{
    std::vector<uint8_t> out(size);
    uint32_t x = seed * 2654435761u + 1;
    for (auto &b : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    return out;
}

} // namespace qx::test
