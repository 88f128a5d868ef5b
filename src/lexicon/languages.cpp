#include "lexicon/languages.h"

#include <QFileInfo>

namespace qx {

namespace {

constexpr std::array<SpellLanguage, LanguageCount> Languages = {{
    {1, "&American", "American", "ssceam.tlx", "ssceam1.clx", "ExcEngl.tlx", "IncEngl.tlx"},
    {2, "&British", "British", "sscebr.tlx", "sscebr1.clx", "ExcBrit.tlx", "IncBrit.tlx"},
    {3, "&Spanish", "Spanish", "sscesp.tlx", "sscesp1.clx", "ExcSpan.tlx", "IncSpan.tlx"},
    {4, "&Italian", "Italian", "ssceit.tlx", "ssceit1.clx", "ExcItal.tlx", "IncItal.tlx"},
    {5, "&French", "French", "sscefr.tlx", "sscefr1.clx", "ExcFrnch.tlx", "IncFrnch.tlx"},
    {6, "&German", "German", "sscege.tlx", "sscege1.clx", "ExcGerm.tlx", "IncGerm.tlx"},
    {7, "&Dutch", "Dutch", "sscedu.tlx", "sscedu1.clx", "ExcDutch.tlx", "IncDutch.tlx"},
    {8, "S&wedish", "Swedish", "sscesw.tlx", "sscesw1.clx", "ExcSwed.tlx", "IncSwed.tlx"},
}};

constexpr std::array<ThesaurusFiles, 2> Thesauri = {{
    {1, "&American", "thesdbam.cth", "thesdbam.idx"},
    {2, "&British", "thesdbbr.cth", "thesdbbr.idx"},
}};

bool present(const QString &dir, const char *name)
{
    return QFileInfo(dir + QLatin1Char('/') + QLatin1String(name)).isFile();
}

} // namespace

const SpellLanguage &spellLanguage(int code)
{
    return Languages[code >= 1 && code <= LanguageCount ? size_t(code - 1) : 0];
}

const ThesaurusFiles &thesaurusFiles(int code)
{
    return Thesauri[code == 2 ? 1 : 0];
}

bool LexiconAvailability::anyLanguage() const
{
    for (bool there : languages)
        if (there)
            return true;
    return false;
}

LexiconAvailability LexiconAvailability::inProgramDir(const QString &programDir)
{
    LexiconAvailability available;
    for (const SpellLanguage &language : Languages)
        available.languages[size_t(language.code - 1)] = present(programDir, language.wordFile);
    for (const ThesaurusFiles &thesaurus : Thesauri)
        available.thesauri[size_t(thesaurus.code - 1)] = present(programDir, thesaurus.dataFile);
    return available;
}

int availableDictionary(int setting, const LexiconAvailability &available)
{
    if (setting >= 2 && setting <= LanguageCount && !available.language(setting))
        setting = 1;
    if (setting == 1 && !available.language(1))
        setting = 0;
    return setting;
}

int availableThesaurus(int setting, const LexiconAvailability &available)
{
    if (setting == 2 && !available.thesaurus(2))
        setting = 1;
    if (setting == 1 && !available.thesaurus(1))
        setting = 0;
    return setting;
}

int listLanguage(int dictionarySetting)
{
    return dictionarySetting >= 1 && dictionarySetting <= LanguageCount ? dictionarySetting : 1;
}

} // namespace qx
