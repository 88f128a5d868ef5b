#include "common/translations.h"

#include "common/cp1252.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace qx {

namespace {

constexpr std::array<ProgramLanguage, 7> Languages{{
    {"en", "&English"},
    {"de", "&Deutsch"},
    {"es", "Es&pa\u00f1ol"},
    {"fr", "&Fran\u00e7ais"},
    {"it", "&Italiano"},
    {"nl", "&Nederlands"},
    {"sv", "S&venska"},
}};

// "de_DE.UTF-8@euro" -> "de"; "C" and "POSIX" name no language.
QString languageOf(QString locale)
{
    locale = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    locale = locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return locale == QLatin1String("c") || locale == QLatin1String("posix") ? QString() : locale;
}

} // namespace

bool isProgramLanguage(const QString &code)
{
    for (const ProgramLanguage &language : Languages) {
        if (code == QLatin1String(language.code))
            return true;
    }
    return false;
}

namespace {

QString &installedCode()
{
    static QString code = QStringLiteral("en");
    return code;
}

// The translators installed now; replaced as a whole by the next install.
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

std::span<const ProgramLanguage> programLanguages()
{
    return Languages;
}

QString chooseLanguage(const QString &stored, const std::function<QString(const char *)> &environment)
{
    if (isProgramLanguage(stored))
        return stored;
    QStringList wanted = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString value = environment(name); !value.isEmpty()) {
            wanted << value;
            break;
        }
    }
    for (const QString &entry : wanted) {
        if (const QString code = languageOf(entry); isProgramLanguage(code))
            return code;
    }
    return QStringLiteral("en");
}

QString chooseLanguage(const QString &stored)
{
    return chooseLanguage(stored, [](const char *name) { return qEnvironmentVariable(name); });
}

bool installTranslations(const QString &code, const QString &translationsDir)
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    installedCode() = QStringLiteral("en");
    if (code == QLatin1String("en") || !isProgramLanguage(code))
        return code == QLatin1String("en");

    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("quorvex_") + code, translationsDir))
        return false;
    // Qt's dialogs: qtbase where Qt ships it, the older catalogue "qt" otherwise (Swedish).
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *catalogue : {"qtbase_", "qt_"}) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLatin1String(catalogue) + code, qtDir)) {
            QCoreApplication::installTranslator(qt.get());
            installed().push_back(std::move(qt));
            break;
        }
    }
    QCoreApplication::installTranslator(own.get());
    installed().push_back(std::move(own));
    installedCode() = code;
    // The default locale stays as it is: numbers are typed and shown as before, whatever the
    // language of the texts around them.
    return true;
}

QString currentLanguage()
{
    return installedCode();
}

std::string shownInLanguage(const std::string &word)
{
    if (std::any_of(word.begin(), word.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return word;
    return cp1252::fromUnicodeDropping(QCoreApplication::translate("qx", word.c_str()));
}

} // namespace qx
