#pragma once
// The style sheet and the script every solvable web page carries inline, compiled in from
// solvable_page.css and solvable_page.js. The script reads the puzzle from the page's
// "puzzle-data" element: its width, the indices of its letter squares in reading order, the
// scrambled answers, the words (direction, label, clue, squares) and the key under which the
// solver's progress is kept.

#include <QByteArray>

namespace qx {

QByteArray solvablePageStyle();
QByteArray solvablePageScript();

} // namespace qx
