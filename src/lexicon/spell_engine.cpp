#include "lexicon/spell_engine.h"

#include "common/cp1252.h"
#include "common/native_file.h"
#include "lexicon/languages.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

namespace qx {

namespace {

// Qt's name for a dictionary's "SET" encoding; Hunspell spells them as "ISO8859-1".
QByteArray qtEncodingName(QByteArray name)
{
    name = name.trimmed().toUpper();
    if (name.startsWith("ISO8859"))
        name.insert(3, '-');
    return name;
}

} // namespace

FileOutcome<std::shared_ptr<SpellEngine>> SpellEngine::open(const QString &programDir, int language)
{
    const SpellLanguage &l = spellLanguage(language);
    const QString affix = programDir + QLatin1Char('/') + QLatin1String(l.affixFile);
    const QString words = programDir + QLatin1Char('/') + QLatin1String(l.wordFile);
    for (const QString &path : {affix, words}) {
        if (const auto there = checkRegularFile(path); !there)
            return there.error();
    }
    std::shared_ptr<SpellEngine> engine(new SpellEngine);
    engine->m_language = l.code;
    engine->m_excludePath = programDir + QLatin1Char('/') + QLatin1String(l.excludeFile);
    engine->m_includePath = programDir + QLatin1Char('/') + QLatin1String(l.includeFile);
    const auto excluded = readUserWordList(engine->m_excludePath);
    if (!excluded)
        return excluded.error();
    const auto included = readUserWordList(engine->m_includePath);
    if (!included)
        return included.error();
    engine->m_exclude = WordSet(*excluded);
    engine->m_include = WordSet(*included);
    engine->m_hunspell = std::make_unique<Hunspell>(nativePath(affix).constData(), nativePath(words).constData());
    engine->m_encoding = qtEncodingName(QByteArray(engine->m_hunspell->get_dic_encoding()));
    engine->m_utf8 = engine->m_encoding == "UTF-8";
    return engine;
}

SpellEngine::~SpellEngine() = default;

std::string SpellEngine::encoded(const QString &word, bool *ok) const
{
    *ok = true;
    if (m_utf8)
        return word.toStdString();
    QStringEncoder encode(m_encoding.constData(), QStringConverter::Flag::Stateless);
    if (!encode.isValid())
        encode = QStringEncoder(QStringConverter::Latin1);
    const QByteArray bytes = encode(word);
    *ok = !encode.hasError();
    return bytes.toStdString();
}

QString SpellEngine::decoded(const std::string &bytes) const
{
    if (m_utf8)
        return QString::fromStdString(bytes);
    QStringDecoder decode(m_encoding.constData(), QStringConverter::Flag::Stateless);
    if (!decode.isValid())
        decode = QStringDecoder(QStringConverter::Latin1);
    return decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

bool SpellEngine::accepts(const QString &word) const
{
    if (m_include.contains(word))
        return true;
    if (m_exclude.contains(word))
        return false;
    bool ok = false;
    const std::string bytes = encoded(word, &ok);
    return ok && m_hunspell->spell(bytes);
}

QStringList SpellEngine::suggest(const QString &word) const
{
    bool ok = false;
    const std::string bytes = encoded(word, &ok);
    QStringList out;
    if (!ok)
        return out;
    for (const std::string &s : m_hunspell->suggest(bytes)) {
        const QString suggestion = decoded(s);
        if (suggestion.isEmpty() || m_exclude.contains(suggestion) || !cp1252::fromUnicode(suggestion))
            continue;
        out << suggestion;
        if (out.size() == MaxSuggestions)
            break;
    }
    return out;
}

FileStatus SpellEngine::addToInclude(const QString &word)
{
    m_include.insert(word);
    return addToUserWordList(m_includePath, word);
}

} // namespace qx
