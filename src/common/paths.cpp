#include "common/paths.h"
#include "common/product.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qx {

QString withoutTrailingSlash(const QString &dir)
{
    QString out = QDir::cleanPath(dir);
    while (out.endsWith(QLatin1Char('/')))
        out.chop(1);
    return out;
}

QString resolveProgramDir(const std::optional<QString> &fromCommandLine)
{
    if (fromCommandLine && !fromCommandLine->isEmpty())
        return withoutTrailingSlash(QFileInfo(*fromCommandLine).absoluteFilePath());
    const QString env = qEnvironmentVariable("QUORVEX_PROGRAM_DIR");
    if (!env.isEmpty())
        return withoutTrailingSlash(QFileInfo(env).absoluteFilePath());
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return withoutTrailingSlash(base + QStringLiteral("/quorvex"));
}

QString findShippedDataDir(const QString &executableDir)
{
    for (const auto &candidate : {QStringLiteral("/share/quorvex"), QStringLiteral("/../share/quorvex")}) {
        const QFileInfo info(executableDir + candidate);
        if (info.isDir())
            return info.canonicalFilePath();
    }
    return {};
}

QStringList seedProgramDir(const QString &shippedDir, const QString &programDir)
{
    QStringList failed;
    if (shippedDir.isEmpty())
        return failed;
    QDir().mkpath(programDir);
    const QDir shipped(shippedDir);
    const auto entries = shipped.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        // Collections belong in the start-up directory, not among the program's files.
        if (entry.suffix().compare(QLatin1String("QX3"), Qt::CaseInsensitive) == 0)
            continue;
        const QString target = programDir + QLatin1Char('/') + entry.fileName();
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
            continue;
        const bool ok = entry.isSymLink() ? QFile::link(entry.symLinkTarget(), target)
                                          : QFile::copy(entry.absoluteFilePath(), target);
        if (!ok) {
            failed << entry.fileName();
            continue;
        }
        // Shipped files may be read-only in the build tree; the user's copies are theirs to change.
        if (!entry.isSymLink())
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return failed;
}

QString prepareUserFolder(const QString &homeDir, const QString &shippedDir)
{
    const QString folder = withoutTrailingSlash(homeDir) + QLatin1Char('/') + QLatin1String(ProductName);
    if (QFileInfo(folder).isDir())
        return folder;
    if (!QDir().mkpath(folder))
        return {};
    const QString sample = shippedDir + QStringLiteral("/SAMPLE.QX3");
    if (!shippedDir.isEmpty() && QFileInfo(sample).isFile()) {
        const QString copy = folder + QStringLiteral("/SAMPLE.QX3");
        if (QFile::copy(sample, copy))
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return folder;
}

QString displayName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    name.chop(4);
    return name;
}

} // namespace qx
