// Any bytes as a settings file: reading must not fail, and what was read must survive being
// written and read again, both into the damaged file itself (whose other lines are kept) and into
// a fresh one. All in memory: each pass over the file costs in proportion to its size, so the
// target makes as few as the checks need.
#include "common/ini_file.h"
#include "store/settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString startupDir = QStringLiteral("/nonexistent/quorvex-fuzz");

    qx::IniFile ini = qx::IniFile::fromBytes(bytes);
    qx::Settings settings;
    settings.load(ini, startupDir);

    settings.save(ini);
    const QByteArray written = ini.toBytes();
    qx::Settings again;
    again.load(qx::IniFile::fromBytes(written), startupDir);
    if (!(again == settings))
        std::abort();

    // Saving twice changes nothing more.
    settings.save(ini);
    if (ini.toBytes() != written)
        std::abort();

    qx::IniFile fresh;
    settings.save(fresh);
    qx::Settings fromFresh;
    fromFresh.load(qx::IniFile::fromBytes(fresh.toBytes()), startupDir);
    if (!(fromFresh == settings))
        std::abort();
    return 0;
}
