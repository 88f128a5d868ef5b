#pragma once
// The eight spelling languages and the two thesauri: their codes, the names of their files in the
// program directory, and which of them are there. Availability is read once at start-up; a
// setting that names a missing language or thesaurus falls back to one that is there.

#include <QString>

#include <array>

namespace qx {

struct SpellLanguage {
    int code;                // 1..8, the "Dictionary" setting's value
    const char *caption;     // menu and dialog caption, with its accelerator
    const char *name;        // as messages name it ("American")
    const char *affixFile;   // first main file
    const char *wordFile;    // second main file; its presence makes the language available
    const char *excludeFile; // words that count as wrong
    const char *includeFile; // words the user added, that count as right
};

inline constexpr int LanguageCount = 8;
inline constexpr int ChooseLanguageAtCheckTime = 9;
inline constexpr int ChooseThesaurusAtUseTime = 3;

// Language 1..8; any other code gives American, whose lists also serve code 9 outside a check.
const SpellLanguage &spellLanguage(int code);

struct ThesaurusFiles {
    int code;            // 1 American, 2 British, 4 Spanish, 5 Italian, 6 French, 7 German, 8 Swedish
    const char *caption; // "&American"
    const char *name;    // as messages and the command line name it ("Spanish")
    const char *dataFile;
    const char *indexFile;
    const char *synonymLabel; // how a synonym clue starts, in the thesaurus's language ("Synonym: ")
};

// The thesaurus codes in the order they are offered: the two English ones, then the other
// languages after code 3 (choose at use time), which keeps its meaning. Dutch has no thesaurus.
inline constexpr std::array<int, 7> ThesaurusCodes = {1, 2, 4, 5, 6, 7, 8};
inline constexpr int HighestThesaurus = 8;

// A thesaurus by its code; any other code gives American.
const ThesaurusFiles &thesaurusFiles(int code);
bool isThesaurusCode(int code);

struct LexiconAvailability {
    std::array<bool, LanguageCount> languages{};
    std::array<bool, HighestThesaurus> thesauri{}; // by code - 1; code 3 is never a thesaurus
    bool wordNet = false;                          // the English glosses the clue suggestions use

    bool language(int code) const { return code >= 1 && code <= LanguageCount && languages[size_t(code - 1)]; }
    bool thesaurus(int code) const { return isThesaurusCode(code) && thesauri[size_t(code - 1)]; }
    bool anyLanguage() const;
    bool anyThesaurus() const;

    // Looks for each language's word file, each thesaurus file and WordNet in the program directory.
    static LexiconAvailability inProgramDir(const QString &programDir);
};

// A "Dictionary" setting naming a missing language becomes American, and American when missing
// becomes 0 (none); choosing at check time stays.
int availableDictionary(int setting, const LexiconAvailability &available);
// A "Thesaurus" setting of another thesaurus without its file becomes American, American without
// its file becomes 0; choosing at use time stays.
int availableThesaurus(int setting, const LexiconAvailability &available);

// The thesaurus whose language suggested clues are in: a thesaurus of another language than English
// when the "Thesaurus" setting names one; else the "Dictionary" language's thesaurus when it is not
// English; else the English thesaurus of the setting, or the one last picked when the setting is to
// choose. 0 for Dutch, which has no thesaurus.
int clueThesaurus(int dictionarySetting, int thesaurusSetting, int userThesaurus);

// The language whose user lists the maintenance window edits for a "Dictionary" setting: the
// setting's own, American for "choose at check time" and for none.
int listLanguage(int dictionarySetting);

} // namespace qx
