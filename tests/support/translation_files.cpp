#include "support/translation_files.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace qx::test {

QStringList translatedLanguages()
{
    QStringList codes;
    const QDir dir(QStringLiteral(QUORVEX_SOURCE_DIR "/translations"));
    for (const QString &name : dir.entryList({QStringLiteral("quorvex_*.ts")}, QDir::Files, QDir::Name))
        codes << name.mid(8, name.size() - 11);
    return codes;
}

std::vector<TsMessage> readTsFile(const QString &path)
{
    std::vector<TsMessage> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.state = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms come as <numerusform> children; a plain translation is the element's text.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.translations << xml.readElementText();
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (message.translations.isEmpty())
                message.translations << text;
            out.push_back(message);
        }
    }
    if (xml.hasError())
        out.clear();
    return out;
}

std::vector<TsMessage> readTranslations(const QString &code)
{
    return readTsFile(QStringLiteral(QUORVEX_SOURCE_DIR "/translations/quorvex_%1.ts").arg(code));
}

QChar acceleratorOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

} // namespace qx::test

#include "common/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include <functional>
#include <map>
#include <set>

namespace qx::test {

namespace {

// The English text of each translation of the installed language.
const std::map<QString, QString> &sourcesOfTranslations()
{
    static QString language;
    static std::map<QString, QString> sources;
    if (language != currentLanguage()) {
        language = currentLanguage();
        sources.clear();
        if (language != QLatin1String("en")) {
            for (const TsMessage &m : readTranslations(language)) {
                for (const QString &t : m.translations)
                    sources.emplace(t, m.source);
            }
        }
    }
    return sources;
}

QString sourceOf(const QString &caption)
{
    const auto &sources = sourcesOfTranslations();
    const auto it = sources.find(caption);
    return it == sources.end() ? caption : it->second;
}

// How many of the captions can have letters of their own at most: a matching of captions to the
// letters in their texts (Kuhn's augmenting paths; windows hold a few dozen captions).
int mostDistinctAccelerators(const QStringList &captions)
{
    std::vector<QString> letters;
    for (const QString &caption : captions) {
        QString own;
        for (const QChar c : caption) {
            if (c.isLetterOrNumber() && !own.contains(c.toLower()))
                own += c.toLower();
        }
        letters.push_back(own);
    }
    std::map<QChar, int> holder;
    std::function<bool(int, std::set<QChar> &)> place = [&](int k, std::set<QChar> &seen) {
        for (const QChar c : letters[size_t(k)]) {
            if (!seen.insert(c).second)
                continue;
            const auto it = holder.find(c);
            if (it == holder.end() || place(it->second, seen)) {
                holder[c] = k;
                return true;
            }
        }
        return false;
    };
    int placed = 0;
    for (int k = 0; k < int(captions.size()); ++k) {
        std::set<QChar> seen;
        placed += place(k, seen) ? 1 : 0;
    }
    return placed;
}

void findClashes(QStringList captions, const QString &where, QStringList &out)
{
    captions.removeIf([](const QString &c) { return acceleratorOf(c).isNull(); });
    // Where a window has more captions than their letters can keep apart, that many may share.
    int unavoidable = int(captions.size()) - mostDistinctAccelerators(captions);
    std::map<QChar, QString> taken;
    for (const QString &caption : captions) {
        const QChar key = acceleratorOf(caption);
        if (key.isNull())
            continue;
        const auto [it, added] = taken.emplace(key, caption);
        if (added || acceleratorOf(sourceOf(it->second)) == acceleratorOf(sourceOf(caption)) || unavoidable-- > 0)
            continue;
        out << QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4 (of: %5)")
                   .arg(where, it->second, caption, key.toUpper(), captions.join(QStringLiteral(" | ")));
    }
}

QStringList actionTexts(const QWidget &owner)
{
    QStringList out;
    for (const QAction *a : owner.actions()) {
        if (a->isVisible() && !a->isSeparator())
            out << a->text();
    }
    return out;
}

} // namespace

QStringList acceleratorClashes(const QWidget &window)
{
    QStringList out;
    for (const QMenuBar *bar : window.findChildren<QMenuBar *>())
        findClashes(actionTexts(*bar), QStringLiteral("menu bar"), out);
    for (const QMenu *menu : window.findChildren<QMenu *>())
        findClashes(actionTexts(*menu), QStringLiteral("menu ") + menu->title(), out);
    QStringList controls;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            controls << button->text();
        else if (const auto *label = qobject_cast<const QLabel *>(w); label && label->buddy())
            controls << label->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            controls << group->title();
        else if (const auto *tabs = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                controls << tabs->tabText(i);
        }
    }
    findClashes(controls, window.windowTitle(), out);
    return out;
}

} // namespace qx::test
