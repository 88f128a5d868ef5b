#pragma once
// A Windows-style initialisation file: "[Section]" lines and "Key=Value" lines. It reads the way
// the Windows profile functions do, and it rewrites a file without losing anything it does not
// understand, because users edit these files by hand and other tools may share them.
//
// Reading:
// - sections and keys match case-insensitively; the first matching section is searched, and in it
//   the first matching key (a repeated section or key is kept but never consulted);
// - a value is trimmed of blanks (spaces and tabs), then, when it is enclosed in double quotes,
//   the two quotes are removed and what they enclose is kept as it is, blanks included;
// - a line is a section header when it starts with "[" and holds a "]"; the name is what stands
//   between them, trimmed. A "[" line without "]" is neither a header nor a key;
// - a line starting with ";" is a comment; a line without "=" or with nothing before it is kept
//   and ignored, and so are keys before the first section;
// - lines end with LF, CRLF or a lone CR; a leading UTF-8 byte order mark is skipped;
// - the file is UTF-8. A file that is not valid UTF-8 is read whole as Windows-1252, the code page
//   the Windows program wrote its settings in, so an old file keeps its accented letters. Any bytes
//   read that way, NUL and binary data included, give some text and never an error.
//
// Writing keeps every line it did not change, in its place: unknown sections, keys, comments and
// garbage. A changed key keeps its line; a new key goes after the last key of its section, a new
// section at the end of the file. The file is written as UTF-8 with the line ends it had (LF for
// a new file), and it is replaced atomically, so a crash never leaves half a settings file.

#include "common/file_outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace qx {

class IniFile {
public:
    IniFile() = default;

    static IniFile fromBytes(QByteArrayView bytes);
    static IniFile fromText(QStringView text);

    // Longer than any settings file: a file past it is refused rather than read into memory.
    static constexpr qint64 MaxFileSize = 1 << 20;

    // A missing file gives an empty IniFile; a file that exists but cannot be read (no
    // permission, a folder, a FIFO, a device, longer than MaxFileSize) is a failure, so that
    // nobody overwrites what they could not read.
    static FileOutcome<IniFile> load(const QString &path);

    // The value of the key, trimmed and unquoted; empty when the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Sets or adds the key. The value is quoted when reading it back would otherwise lose a blank
    // or a quote at either end; a line break in it becomes a space, since a value is one line.
    // Section and key names are the program's own: a name holding "=", "]" or a line break, or a
    // key starting with ";" or "[", would not read back.
    void setValue(QStringView section, QStringView key, const QString &value);

    QString toText() const;
    QByteArray toBytes() const;

    // Writes the file next to its final place, flushes it to disk and renames it over the old
    // one; a symbolic link is followed, so the file it points to is the one replaced. The file
    // keeps its permissions. On any failure the old file is left untouched.
    FileStatus save(const QString &path) const;

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        QString text;
        LineKind kind = LineKind::Other;
        QString foldedName;       // section or key name, case-folded for matching
        qsizetype valueStart = 0; // for a key: where the text after "=" starts
    };
    // A header line and the lines up to the next header.
    struct Section {
        Line header;
        std::vector<Line> lines;
        // The first line of each key name, built when first looked up after a change: a settings
        // file is read key by key, and a damaged one may hold thousands of lines.
        mutable QHash<QString, qsizetype> keyIndex;
        mutable bool indexed = false;
    };

    static Line classify(QString text);
    void append(Line line);
    // Positions of the first matching section and key, or -1.
    qsizetype findSection(QStringView section) const;
    static qsizetype findKey(const Section &section, QStringView key);

    std::vector<Line> m_preamble; // lines before the first header
    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // the first section of each name
    bool m_crlf = false;
    bool m_bom = false;
};

} // namespace qx
