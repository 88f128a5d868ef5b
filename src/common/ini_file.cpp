#include "common/ini_file.h"

#include "common/cp1252.h"
#include "common/file_writing.h"
#include "common/native_file.h"

#include <QStringDecoder>

#include <cerrno>
#include <iterator>
#include <sys/stat.h>

namespace qx {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    while (begin < end && isBlank(text[begin]))
        ++begin;
    return text.sliced(begin, end - begin);
}

// Names are matched by their case folding. Unicode folding goes through tables and is slow, and
// names are nearly always ASCII, where folding is lowering A..Z.
QString folded(QStringView name)
{
    QString out(name.size(), Qt::Uninitialized);
    QChar *to = out.data();
    for (const QChar c : name) {
        if (c.unicode() >= 0x80)
            return name.toString().toCaseFolded();
        *to++ = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 0x20) : c;
    }
    return out;
}

QString unquoted(QStringView raw)
{
    const QStringView value = trimBlanks(raw);
    const QLatin1Char quote('"');
    if (value.size() >= 2 && value.front() == quote && value.back() == quote)
        return value.sliced(1, value.size() - 2).toString();
    return value.toString();
}

// The inverse of unquoted(): what reading gives back for the text written is the value itself.
QString quotedForWriting(const QString &value)
{
    QString out = value;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QLatin1Char quote('"');
    if (!out.isEmpty() && (isBlank(out.front()) || isBlank(out.back()) || out.front() == quote || out.back() == quote))
        return quote + out + quote;
    return out;
}

const QByteArray Utf8Bom("\xEF\xBB\xBF");

} // namespace

IniFile IniFile::fromBytes(QByteArrayView bytes)
{
    const bool bom = bytes.startsWith(QByteArrayView(Utf8Bom));
    if (bom)
        bytes = bytes.sliced(Utf8Bom.size());
    // A second byte order mark after the first is text, and must stay so when written back.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = cp1252::toUnicode(std::string_view(bytes.data(), static_cast<size_t>(bytes.size())));
    IniFile ini = fromText(text);
    ini.m_bom = bom;
    return ini;
}

IniFile IniFile::fromText(QStringView text)
{
    IniFile ini;
    bool styleSeen = false;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        ini.append(classify(text.sliced(start, i - start).toString()));
        const bool crlf = c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n');
        if (!styleSeen) {
            ini.m_crlf = crlf;
            styleSeen = true;
        }
        if (crlf)
            ++i;
        start = i + 1;
    }
    if (start < size)
        ini.append(classify(text.sliced(start).toString()));
    return ini;
}

FileOutcome<IniFile> IniFile::load(const QString &path)
{
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) != 0 && errno == ENOENT)
        return IniFile();
    const auto bytes = readRegularFile(path, MaxFileSize);
    if (!bytes)
        return bytes.error();
    return fromBytes(*bytes);
}

IniFile::Line IniFile::classify(QString text)
{
    Line line;
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = LineKind::Section;
            line.foldedName = folded(trimBlanks(trimmed.sliced(1, close - 1)));
        }
    } else if (!trimmed.startsWith(QLatin1Char(';'))) {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            const QStringView key = trimBlanks(QStringView(text).first(equals));
            if (!key.isEmpty()) {
                line.kind = LineKind::Key;
                line.foldedName = folded(key);
                line.valueStart = equals + 1;
            }
        }
    }
    line.text = std::move(text);
    return line;
}

void IniFile::append(Line line)
{
    if (line.kind == LineKind::Section) {
        if (!m_sectionIndex.contains(line.foldedName))
            m_sectionIndex.insert(line.foldedName, static_cast<qsizetype>(m_sections.size()));
        m_sections.push_back(Section{std::move(line), {}, {}, false});
    } else if (m_sections.empty()) {
        m_preamble.push_back(std::move(line));
    } else {
        m_sections.back().lines.push_back(std::move(line));
        m_sections.back().indexed = false;
    }
}

qsizetype IniFile::findSection(QStringView section) const
{
    return m_sectionIndex.value(folded(section), -1);
}

qsizetype IniFile::findKey(const Section &section, QStringView key)
{
    if (!section.indexed) {
        section.keyIndex.clear();
        for (size_t i = 0; i < section.lines.size(); ++i) {
            const Line &line = section.lines[i];
            if (line.kind == LineKind::Key && !section.keyIndex.contains(line.foldedName))
                section.keyIndex.insert(line.foldedName, static_cast<qsizetype>(i));
        }
        section.indexed = true;
    }
    return section.keyIndex.value(folded(key), -1);
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const
{
    const qsizetype s = findSection(section);
    if (s < 0)
        return std::nullopt;
    const Section &found = m_sections[static_cast<size_t>(s)];
    const qsizetype k = findKey(found, key);
    if (k < 0)
        return std::nullopt;
    const Line &line = found.lines[static_cast<size_t>(k)];
    return unquoted(QStringView(line.text).sliced(line.valueStart));
}

void IniFile::setValue(QStringView section, QStringView key, const QString &value)
{
    const QString written = quotedForWriting(value);
    qsizetype s = findSection(section);
    if (s < 0) {
        // A blank line keeps the new section apart from whatever ends the file.
        const Line *last = m_sections.empty()                ? (m_preamble.empty() ? nullptr : &m_preamble.back())
                           : m_sections.back().lines.empty() ? &m_sections.back().header
                                                             : &m_sections.back().lines.back();
        if (last && !trimBlanks(last->text).isEmpty())
            append(classify(QString()));
        append(classify(QLatin1Char('[') + section.toString() + QLatin1Char(']')));
        s = static_cast<qsizetype>(m_sections.size()) - 1;
    }
    Section &target = m_sections[static_cast<size_t>(s)];
    if (const qsizetype k = findKey(target, key); k >= 0) {
        // The key keeps its line and its spelling; only the value changes.
        Line &line = target.lines[static_cast<size_t>(k)];
        const QStringView oldKey = trimBlanks(QStringView(line.text).first(line.valueStart - 1));
        line = classify(oldKey.toString() + QLatin1Char('=') + written);
        return;
    }
    // After the section's last key, so blank lines and comments that lead into the next section
    // stay with it.
    auto at = target.lines.end();
    while (at != target.lines.begin() && std::prev(at)->kind != LineKind::Key)
        --at;
    target.lines.insert(at, classify(key.toString() + QLatin1Char('=') + written));
    target.indexed = false;
}

QString IniFile::toText() const
{
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString out;
    const auto put = [&](const Line &line) { out.append(line.text).append(eol); };
    for (const Line &line : m_preamble)
        put(line);
    for (const Section &s : m_sections) {
        put(s.header);
        for (const Line &line : s.lines)
            put(line);
    }
    return out;
}

QByteArray IniFile::toBytes() const
{
    return (m_bom ? Utf8Bom : QByteArray()) + toText().toUtf8();
}

FileStatus IniFile::save(const QString &path) const
{
    return replaceFile(path, toBytes());
}

} // namespace qx
