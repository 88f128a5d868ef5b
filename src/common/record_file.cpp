#include "common/record_file.h"

#include "common/io_error.h"

#include <QFile>

namespace qx {

namespace {

void fail(const QFile &file)
{
    throw IoError(file.fileName(), file.errorString());
}

void seekTo(QFile &file, qint64 pos)
{
    if (!file.seek(pos))
        fail(file);
}

void readExactly(QFile &file, uint8_t *out, qint64 n)
{
    const auto got = file.read(reinterpret_cast<char *>(out), n);
    if (got < 0)
        fail(file);
    if (got != n)
        throw IoError(file.fileName(), QStringLiteral("Read beyond end of file"));
}

void writeExactly(QFile &file, std::span<const uint8_t> bytes)
{
    const auto n = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char *>(bytes.data()), n) != n)
        fail(file);
}

// Read and write, creating the file when it cannot be opened as it is.
bool openForUpdate(QFile &file)
{
    if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return true;
    return file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

void closeChecked(QFile &file)
{
    if (!file.flush())
        fail(file);
    file.close();
}

} // namespace

std::optional<int> RecordFile::count() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return static_cast<int>(file.size() / m_size);
}

bool RecordFile::forEachPrefix(int prefixBytes, const std::function<void(int, std::span<const uint8_t>)> &visit) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    const auto records = file.size() / m_size;
    std::vector<uint8_t> buffer(static_cast<size_t>(prefixBytes));
    for (qint64 n = 0; n < records; ++n) {
        seekTo(file, n * m_size);
        readExactly(file, buffer.data(), prefixBytes);
        visit(static_cast<int>(n), buffer);
    }
    return true;
}

std::optional<std::vector<uint8_t>> RecordFile::read(int n) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    std::vector<uint8_t> record(static_cast<size_t>(m_size));
    if (n < 0)
        throw IoError(m_path, QStringLiteral("Read beyond end of file"));
    seekTo(file, static_cast<qint64>(n) * m_size);
    readExactly(file, record.data(), m_size);
    return record;
}

std::optional<int> RecordFile::append(std::span<const uint8_t> record) const
{
    QFile file(m_path);
    if (!openForUpdate(file))
        return std::nullopt;
    const auto n = file.size() / m_size;
    seekTo(file, n * m_size);
    writeExactly(file, record);
    closeChecked(file);
    return static_cast<int>(n);
}

bool RecordFile::replace(int n, std::span<const uint8_t> record) const
{
    QFile file(m_path);
    if (!openForUpdate(file))
        return false;
    if (n < 0)
        throw IoError(m_path, QStringLiteral("Seek before start of file"));
    seekTo(file, static_cast<qint64>(n) * m_size);
    writeExactly(file, record);
    closeChecked(file);
    return true;
}

bool RecordFile::remove(int n) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return false;
    const auto count = file.size() / m_size;
    if (n < 0 || n >= count)
        throw IoError(m_path, QStringLiteral("Read beyond end of file"));
    std::vector<uint8_t> buffer(static_cast<size_t>(m_size));
    for (qint64 k = n + 1; k < count; ++k) {
        seekTo(file, k * m_size);
        readExactly(file, buffer.data(), m_size);
        seekTo(file, (k - 1) * m_size);
        writeExactly(file, buffer);
    }
    if (!file.resize((count - 1) * m_size))
        fail(file);
    closeChecked(file);
    return true;
}

bool RecordFile::openOrCreate() const
{
    QFile file(m_path);
    return openForUpdate(file);
}

bool RecordFile::createEmpty() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    return true;
}

} // namespace qx
