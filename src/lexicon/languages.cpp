#include "lexicon/languages.h"

#include "lexicon/wordnet.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace qx {

namespace {

// Captions and names are shown translated (context "qx"); the command line uses them as they are.
constexpr std::array<SpellLanguage, LanguageCount> Languages = {{
    {1, QT_TRANSLATE_NOOP("qx", "&American"), QT_TRANSLATE_NOOP("qx", "American"), "ssceam.tlx", "ssceam1.clx",
     "ExcEngl.tlx", "IncEngl.tlx"},
    {2, QT_TRANSLATE_NOOP("qx", "&British"), QT_TRANSLATE_NOOP("qx", "British"), "sscebr.tlx", "sscebr1.clx",
     "ExcBrit.tlx", "IncBrit.tlx"},
    {3, QT_TRANSLATE_NOOP("qx", "&Spanish"), QT_TRANSLATE_NOOP("qx", "Spanish"), "sscesp.tlx", "sscesp1.clx",
     "ExcSpan.tlx", "IncSpan.tlx"},
    {4, QT_TRANSLATE_NOOP("qx", "&Italian"), QT_TRANSLATE_NOOP("qx", "Italian"), "ssceit.tlx", "ssceit1.clx",
     "ExcItal.tlx", "IncItal.tlx"},
    {5, QT_TRANSLATE_NOOP("qx", "&French"), QT_TRANSLATE_NOOP("qx", "French"), "sscefr.tlx", "sscefr1.clx",
     "ExcFrnch.tlx", "IncFrnch.tlx"},
    {6, QT_TRANSLATE_NOOP("qx", "&German"), QT_TRANSLATE_NOOP("qx", "German"), "sscege.tlx", "sscege1.clx",
     "ExcGerm.tlx", "IncGerm.tlx"},
    {7, QT_TRANSLATE_NOOP("qx", "&Dutch"), QT_TRANSLATE_NOOP("qx", "Dutch"), "sscedu.tlx", "sscedu1.clx",
     "ExcDutch.tlx", "IncDutch.tlx"},
    {8, QT_TRANSLATE_NOOP("qx", "S&wedish"), QT_TRANSLATE_NOOP("qx", "Swedish"), "sscesw.tlx", "sscesw1.clx",
     "ExcSwed.tlx", "IncSwed.tlx"},
}};

constexpr std::array<ThesaurusFiles, ThesaurusCodes.size()> Thesauri = {{
    {1, QT_TRANSLATE_NOOP("qx", "&American"), QT_TRANSLATE_NOOP("qx", "American"), "thesdbam.cth", "thesdbam.idx",
     "Synonym: "},
    {2, QT_TRANSLATE_NOOP("qx", "&British"), QT_TRANSLATE_NOOP("qx", "British"), "thesdbbr.cth", "thesdbbr.idx",
     "Synonym: "},
    {4, QT_TRANSLATE_NOOP("qx", "&Spanish"), QT_TRANSLATE_NOOP("qx", "Spanish"), "thesdbsp.cth", "thesdbsp.idx",
     "Sin\u00f3nimo: "},
    {5, QT_TRANSLATE_NOOP("qx", "&Italian"), QT_TRANSLATE_NOOP("qx", "Italian"), "thesdbit.cth", "thesdbit.idx",
     "Sinonimo: "},
    {6, QT_TRANSLATE_NOOP("qx", "&French"), QT_TRANSLATE_NOOP("qx", "French"), "thesdbfr.cth", "thesdbfr.idx",
     "Synonyme : "},
    {7, QT_TRANSLATE_NOOP("qx", "&German"), QT_TRANSLATE_NOOP("qx", "German"), "thesdbge.cth", "thesdbge.idx",
     "Synonym: "},
    {8, QT_TRANSLATE_NOOP("qx", "S&wedish"), QT_TRANSLATE_NOOP("qx", "Swedish"), "thesdbsw.cth", "thesdbsw.idx",
     "Synonym: "},
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
    for (const ThesaurusFiles &t : Thesauri)
        if (t.code == code)
            return t;
    return Thesauri[0];
}

bool isThesaurusCode(int code)
{
    return std::find(ThesaurusCodes.begin(), ThesaurusCodes.end(), code) != ThesaurusCodes.end();
}

bool LexiconAvailability::anyThesaurus() const
{
    return std::any_of(thesauri.begin(), thesauri.end(), [](bool there) { return there; });
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
    available.wordNet = WordNet::presentIn(programDir);
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
    if (isThesaurusCode(setting) && setting != 1 && !available.thesaurus(setting))
        setting = 1;
    if (setting == 1 && !available.thesaurus(1))
        setting = 0;
    return setting;
}

int clueThesaurus(int dictionarySetting, int thesaurusSetting, int userThesaurus)
{
    if (thesaurusSetting >= 4 && isThesaurusCode(thesaurusSetting))
        return thesaurusSetting;
    // Dictionary 3 Spanish .. 6 German are thesauri 4 .. 7; Dutch has none; Swedish is 8 in both.
    if (dictionarySetting >= 3 && dictionarySetting <= 6)
        return dictionarySetting + 1;
    if (dictionarySetting == 7)
        return 0;
    if (dictionarySetting == 8)
        return 8;
    if (thesaurusSetting == 1 || thesaurusSetting == 2)
        return thesaurusSetting;
    return isThesaurusCode(userThesaurus) ? userThesaurus : 1;
}

int listLanguage(int dictionarySetting)
{
    return dictionarySetting >= 1 && dictionarySetting <= LanguageCount ? dictionarySetting : 1;
}

} // namespace qx
