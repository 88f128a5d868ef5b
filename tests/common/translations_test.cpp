// The windows' languages: which one the system's settings choose, and translation files that are
// complete, keep every placeholder and accelerator of their source texts and follow the code.

#include "common/translations.h"

#include "support/temp_dir.h"
#include "support/translation_files.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace qx;
using namespace qx::test;

TEST(Translations, TheStoredChoiceThenLanguageThenTheFirstSetLocaleVariableChoose)
{
    struct Case {
        QString stored;
        std::map<std::string, QString> env;
        QString expected;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("sv"), {{"LANGUAGE", QStringLiteral("de")}}, QStringLiteral("sv")},
        {QString(), {{"LANGUAGE", QStringLiteral("pt_BR:fr_CA:de")}}, QStringLiteral("fr")},
        {QStringLiteral("xx"), {{"LANG", QStringLiteral("nl_NL.UTF-8")}}, QStringLiteral("nl")},
        {QString(),
         {{"LC_ALL", QStringLiteral("de_DE.UTF-8@euro")}, {"LANG", QStringLiteral("fr_FR")}},
         QStringLiteral("de")},
        // The first set one of the three decides, even when it is not one of ours.
        {QString(),
         {{"LC_MESSAGES", QStringLiteral("pt_PT")}, {"LANG", QStringLiteral("fr_FR")}},
         QStringLiteral("en")},
        {QString(), {{"LANGUAGE", QStringLiteral("en_GB:de")}}, QStringLiteral("en")},
        {QString(), {{"LANG", QStringLiteral("C.UTF-8")}}, QStringLiteral("en")},
        {QString(), {{"LANGUAGE", QStringLiteral("es")}, {"LANG", QStringLiteral("C")}}, QStringLiteral("es")},
        {QString(), {}, QStringLiteral("en")},
    };
    for (const Case &c : cases) {
        const QString chosen = chooseLanguage(c.stored, [&](const char *name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? QString() : it->second;
        });
        EXPECT_EQ(chosen, c.expected) << "stored \"" << c.stored.toStdString() << "\"";
    }
}

namespace {

// The numbered placeholders; %n may be left out of a singular form ("one more line").
std::multiset<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?([1-9])"));
    std::multiset<QString> out;
    for (const auto &m : marker.globalMatch(text))
        out.insert(m.captured(1));
    return out;
}

// Accelerator markers: a single "&" before a letter, not the "&&" of a shown ampersand nor the "&"
// of a window title ("Size & Location").
int acceleratorCount(const QString &text)
{
    int n = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            n += text[i + 1].isLetterOrNumber() ? 1 : 0;
            ++i;
        }
    }
    return n;
}

} // namespace

TEST(Translations, EveryFileIsCompleteAndKeepsItsSourcesPlaceholdersAndAccelerators)
{
    const QStringList languages = translatedLanguages();
    EXPECT_EQ(languages, (QStringList{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                      QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("sv")}));
    // Only the English sentences are parted by two blanks after a full stop.
    static const QRegularExpression twoBlanks(QStringLiteral("[.!?:]  \\S"));
    for (const QString &code : languages) {
        const auto messages = readTranslations(code);
        EXPECT_GT(messages.size(), 700u) << code.toStdString();
        QStringList faults;
        for (const TsMessage &m : messages) {
            const QString where = m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
            if (!m.state.isEmpty()) {
                faults << where + m.state;
                continue;
            }
            for (const QString &t : m.translations) {
                if (t.trimmed().isEmpty())
                    faults << where + QStringLiteral("empty");
                else if (placeholders(t) != placeholders(m.source))
                    faults << where + QStringLiteral("placeholders differ in \"") + t + QLatin1Char('"');
                else if (acceleratorCount(t) != acceleratorCount(m.source))
                    faults << where + QStringLiteral("accelerators differ in \"") + t + QLatin1Char('"');
                else if (twoBlanks.match(t).hasMatch())
                    faults << where + QStringLiteral("two blanks after a full stop in \"") + t + QLatin1Char('"');
            }
        }
        EXPECT_EQ(faults.join(QLatin1Char('\n')).toStdString(), "") << code.toStdString();
    }
}

// A text added to the code or changed in it must reach every translation file (scripts/update-translations).
TEST(Translations, TheFilesHoldEveryTextOfTheCodeAndNoOther)
{
    const QString lupdate = QFileInfo::exists(QStringLiteral("/usr/lib/qt6/bin/lupdate"))
                                ? QStringLiteral("/usr/lib/qt6/bin/lupdate")
                                : QStringLiteral("lupdate");
    TempDir dir;
    const QString fresh = dir.file(QStringLiteral("fresh.ts"));
    QProcess run;
    run.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                        QStringLiteral(QUORVEX_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        GTEST_SKIP() << "lupdate could not run (scripts/bootstrap installs qt6-l10n-tools)";
    std::set<std::pair<QString, QString>> code;
    for (const TsMessage &m : readTsFile(fresh))
        code.insert({m.context, m.source});
    ASSERT_GT(code.size(), 700u);
    for (const QString &language : translatedLanguages()) {
        std::set<std::pair<QString, QString>> translated;
        for (const TsMessage &m : readTranslations(language))
            translated.insert({m.context, m.source});
        QStringList missing, stale;
        for (const auto &[context, source] : code) {
            if (!translated.count({context, source}))
                missing << context + QStringLiteral(": ") + source;
        }
        for (const auto &[context, source] : translated) {
            if (!code.count({context, source}))
                stale << context + QStringLiteral(": ") + source;
        }
        EXPECT_EQ(missing.join(QLatin1Char('\n')).toStdString(), "") << language.toStdString() << " lacks";
        EXPECT_EQ(stale.join(QLatin1Char('\n')).toStdString(), "") << language.toStdString() << " has old";
    }
}

// The help jumps to anchors by name: every translated help keeps the English one's anchors and links.
TEST(Translations, EveryTranslatedHelpKeepsTheAnchorsAndLinksOfTheEnglishOne)
{
    static const QRegularExpression anchor(QStringLiteral("(?:id|name|href)=\"([^\"]*)\""));
    const auto anchorsOf = [](const QString &path) {
        QFile file(path);
        std::multiset<QString> out;
        if (file.open(QIODevice::ReadOnly)) {
            for (const auto &m : anchor.globalMatch(QString::fromUtf8(file.readAll())))
                out.insert(m.captured(0));
        }
        return out;
    };
    const auto english = anchorsOf(QStringLiteral(QUORVEX_SOURCE_DIR "/data/help/QXMOR.HLP"));
    ASSERT_GT(english.size(), 30u);
    for (const QString &code : translatedLanguages()) {
        const QString path = QStringLiteral(QUORVEX_SOURCE_DIR "/data/help/QXMOR.%1.HLP").arg(code);
        EXPECT_TRUE(anchorsOf(path) == english) << path.toStdString();
    }
}
