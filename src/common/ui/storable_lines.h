#pragma once
// What StorableTextValidator does for a line edit, for a plain text edit of several lines, which
// takes no validator: after each change the characters a stored text may not hold are taken out
// (line breaks are kept: they are stored as CR LF), the user is told once control is back in the
// event loop, and of what was inserted only as much is kept as fits in the longest length, a line
// break counting as two characters, as a box with a length limit does.

class QPlainTextEdit;

namespace qx {

class UiHost;

// Installs the behaviour on the edit for as long as the edit lives; the text it holds now is taken
// as it is.
void keepStorableLines(QPlainTextEdit *edit, UiHost &host, int maxLength);

} // namespace qx
