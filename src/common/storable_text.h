#pragma once
// Which characters a stored text may hold. Every text of a puzzle, a shape or a heading is kept in
// Windows-1252, so a character that code page cannot hold cannot be stored at all. Control
// characters can be stored but must not be: they print as nothing or move what follows, a
// terminal obeys them, and a NUL inside a word would land in the grid, where 0 means a square
// outside the shape. Both kinds are refused by this one rule wherever text is typed and wherever
// it arrives from a file.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// What a refused text was meant for, which the message names.
enum class StoredTextKind { Puzzle, ShapeName, Heading };

// A control character: U+0000..U+001F, U+007F..U+009F.
bool isControlCharacter(char32_t character);

// The character's code in the usual notation, "U+0391": it tells apart characters that look alike
// and names the invisible ones.
QString codePointName(char32_t character);

// The code and the character's Unicode name, "U+1F600 GRINNING FACE"; a control is given the name
// it is known by ("U+0000 NULL"), an unassigned code its code alone.
QString characterName(char32_t character);

// C0 controls, DEL and the five bytes the code page leaves undefined (they decode to C1 controls).
bool isControlByte(uint8_t byte);

// The first control byte of a stored text.
std::optional<uint8_t> firstControlByte(std::string_view bytes);

// The first character, as a code point, that no stored text may hold: one Windows-1252 cannot hold
// or a control character (U+0000..U+001F, U+007F..U+009F). A lone surrogate counts as its own code.
std::optional<char32_t> firstUnstorable(QStringView text);

// The text with each line break (CR LF, CR, LF, or a Unicode line or paragraph separator) and each
// tab made one space: pasted into a box of one line, they separate words, they are not refused.
QString breaksAsSpaces(QStringView text);

// The text without any character firstUnstorable would find.
QString withoutUnstorable(QStringView text);

// The text as a record stores it: without the characters firstUnstorable would find, in
// Windows-1252. For text the program put in a box itself, which typing kept storable.
std::string storableBytes(QStringView text);

// The text cut to n UTF-16 units, one fewer where the cut would fall between the halves of a
// surrogate pair: a text cut to a field's length never ends in half a character.
QString cutToLength(const QString &text, int n);

// The message for a refused character: "The character "Α" (U+0391) cannot be stored in a
// puzzle." A character without a glyph of its own (a control) is named by its code alone.
QString refusedCharacterText(char32_t character, StoredTextKind kind = StoredTextKind::Puzzle);

} // namespace qx
