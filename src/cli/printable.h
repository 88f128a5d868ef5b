#pragma once
// What the command line prints from a file (names, categories, titles, clues, paths) must not be
// able to move the cursor, recolour or clear a terminal, or start a line a script would take for
// the program's own. Every control character is therefore printed as a visible escape:
//
//   U+0000..U+001F, U+007F     \xHH     (an escape character is "\x1b", a line break "\x0a")
//   U+0080..U+009F             \uHHHH   (the C1 controls, "\u009b"; also the line separators
//                                       and the marks that reorder text, "\u202e")
//   a file name byte that is not UTF-8   \xHH   (bytes 80..FF, kept as the system gave them)
//   a backslash                \\       (so that an escape can always be told from the text)
//
// JSON output escapes by JSON's own rules, \u001b, which a JSON reader turns back into the text.

#include <QString>

namespace qx::cli {

// One line of text as it may reach a terminal; line breaks are escaped as well.
QString printable(const QString &text);

// JSON text as QJsonDocument writes it, with the controls it leaves raw (U+007F..U+009F) escaped
// too; JSON's structure is ASCII, so these can only stand inside strings.
QString printableJson(const QString &json);

} // namespace qx::cli
