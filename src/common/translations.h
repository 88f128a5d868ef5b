#pragma once
// The languages the program's windows come in. English is the source: its texts are the ones in
// the code, and they are what is stored in files whatever language the windows show. The others
// are Qt translation files (quorvex_<code>.qm) in the shipped data's "translations" folder, loaded
// together with Qt's own texts for its dialogs.

#include <QString>

#include <functional>
#include <span>
#include <string>

namespace qx {

struct ProgramLanguage {
    const char *code;    // "en", "fr", ...: the stored choice and the translation file's suffix
    const char *caption; // the language's name in itself, with an accelerator of its own among
                         // the seven: a language menu shows it the same to anyone
};

// English first, then the translations in the order a menu lists them.
std::span<const ProgramLanguage> programLanguages();
bool isProgramLanguage(const QString &code);

// The language to show: the stored choice when it names one of programLanguages(); otherwise the
// first of the system's preferences that does, as gettext reads them: each entry of LANGUAGE
// (a list split by ':'), then the first set one of LC_ALL, LC_MESSAGES and LANG ("de_DE.UTF-8" is
// German). English when none does. `environment` gives a variable's value (empty when unset).
QString chooseLanguage(const QString &stored, const std::function<QString(const char *)> &environment);
// The same from the process's own environment.
QString chooseLanguage(const QString &stored);

// Installs the program's translation of `code` from `translationsDir` and Qt's own for its
// dialogs, replacing any installed before. English installs nothing. False when the program's
// translation file is missing or unreadable: the windows then stay English.
bool installTranslations(const QString &code, const QString &translationsDir);

// The language the windows are in: the code installed last, "en" before any.
QString currentLanguage();

// A word of the program's own that lists keep in Windows-1252 bytes (a paper's name, the default
// mark, the shape list's own entries), translated in context "qx" for showing. A name the user
// stored, which is no source text (any byte above ASCII), comes back as it is.
std::string shownInLanguage(const std::string &word);

} // namespace qx
