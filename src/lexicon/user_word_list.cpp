#include "lexicon/user_word_list.h"

#include "common/file_writing.h"
#include "common/native_file.h"

#include <QStringDecoder>

#include <cerrno>
#include <sys/stat.h>

namespace qx {

namespace {

// Far beyond any list a person types; a larger file is not a word list.
constexpr qint64 MaxListBytes = 16 * 1024 * 1024;

bool missing(const QString &path)
{
    struct stat st {};
    return ::stat(nativePath(path).constData(), &st) != 0 && errno == ENOENT;
}

} // namespace

QStringList parseUserWordList(const QByteArray &bytes)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decode(bytes);
    QStringList words;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QString word = line.trimmed().toString();
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

QByteArray formatUserWordList(const QStringList &words)
{
    QByteArray bytes;
    for (const QString &word : words) {
        bytes += word.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

FileOutcome<QStringList> readUserWordList(const QString &path)
{
    if (missing(path))
        return QStringList();
    const auto bytes = readRegularFile(path, MaxListBytes);
    if (!bytes)
        return bytes.error();
    return parseUserWordList(*bytes);
}

FileStatus writeUserWordList(const QString &path, const QStringList &words)
{
    return replaceFile(path, formatUserWordList(words));
}

FileStatus addToUserWordList(const QString &path, const QString &word)
{
    auto words = readUserWordList(path);
    if (!words)
        return words.error();
    if (WordSet(*words).contains(word))
        return fileDone();
    words->append(word);
    return writeUserWordList(path, *words);
}

WordSet::WordSet(const QStringList &words)
{
    for (const QString &word : words)
        insert(word);
}

} // namespace qx
