#pragma once
// A program directory of a test's own holding the shipped dictionary and thesaurus links, so that
// the user lists a test writes never touch the build's shipped folder.

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qx::test {

inline QString shippedDataDir()
{
    return QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");
}

// Links the shipped spelling and thesaurus data into dir; names in without are left out.
inline void linkLexiconData(const QString &dir, const QStringList &without = {})
{
    const QDir shipped(shippedDataDir());
    for (const QFileInfo &entry :
         shipped.entryInfoList({QStringLiteral("ssce*"), QStringLiteral("thesdb*"), QStringLiteral("wn-*")},
                               QDir::Files | QDir::System)) {
        if (!without.contains(entry.fileName()))
            QFile::link(entry.symLinkTarget(), dir + QLatin1Char('/') + entry.fileName());
    }
}

struct LexiconDir {
    TempDir dir;
    explicit LexiconDir(const QStringList &without = {}) { linkLexiconData(dir.path(), without); }
    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.file(name); }
};

} // namespace qx::test
