#pragma once
// The style sheet and the script every solvable web page carries inline, compiled in from
// solvable_page.css and solvable_page.js. The script reads the puzzle from the page's
// "puzzle-data" element: its width, the indices of its letter squares in reading order, the
// scrambled answers, the words (direction, label, clue, squares) and the key under which the
// solver's progress is kept, and the script's own texts in the language the page was made in.

#include <QByteArray>
#include <QJsonObject>

#include <span>

namespace qx {

QByteArray solvablePageStyle();
QByteArray solvablePageScript();

// A text the script shows: its key in the script's TEXT object and its English wording there.
struct SolvablePageText {
    const char *key;
    const char *english;
};
std::span<const SolvablePageText> solvablePageTexts();

// The script's texts the program's language words differently from English, by key; the script
// keeps its English text for any key not given, so an English page carries none.
QJsonObject translatedSolvablePageTexts();

} // namespace qx
