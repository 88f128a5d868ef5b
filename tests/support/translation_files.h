#pragma once
// The program's translation files as a test reads them: every message of a .ts file with its
// context, source text and translation forms, read straight from the XML, not through Qt's lookup.

#include <QString>
#include <QStringList>

#include <vector>

namespace qx::test {

struct TsMessage {
    QString context;
    QString source;
    QStringList translations; // one form, or one per plural form
    QString state;            // the translation's type attribute: "" when finished
};

// The codes with a translations/quorvex_<code>.ts in the source tree, sorted.
QStringList translatedLanguages();
// Every message of a .ts file; empty when it cannot be read.
std::vector<TsMessage> readTsFile(const QString &path);
std::vector<TsMessage> readTranslations(const QString &code);

// The accelerator letter of a caption ("&File" -> 'f', "Save && Close" -> none), lower case, or a
// null character.
QChar acceleratorOf(const QString &caption);

} // namespace qx::test

class QWidget;

namespace qx::test {

// Captions shown together that share an accelerator: the menus of a menu bar, the items of one
// menu, and the buttons, labels with a buddy, group boxes and tabs visible in a window at once.
// With a translation installed, a pair whose English texts share their letter too is not counted:
// the translation kept what the English window does. Nor are as many pairs as the captions have
// too few letters between them to keep apart (23 buttons whose words hold 21 letters share two).
QStringList acceleratorClashes(const QWidget &window);

} // namespace qx::test
