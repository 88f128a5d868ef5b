#include "export/solvable_page_script.h"

#include <QCoreApplication>
#include <QFile>

namespace qx {

namespace {

// A resource compiled into the program: it is always there, so a failure to read it is a build
// fault, not the user's.
QByteArray resource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The resource %s is missing from the program", path);
    return file.readAll();
}

// The same texts as the TEXT object of solvable_page.js, in its order.
constexpr SolvablePageText Texts[] = {
    {"solved", QT_TRANSLATE_NOOP("SolvablePage", "Every letter is right: the puzzle is solved.")},
    {"filledIn", QT_TRANSLATE_NOOP("SolvablePage", "Every square is filled in correctly.")},
    {"complete1", QT_TRANSLATE_NOOP("SolvablePage", "The puzzle is complete, with one letter revealed.")},
    //: {n} stands for a number; keep it as it is.
    {"completeN", QT_TRANSLATE_NOOP("SolvablePage", "The puzzle is complete, with {n} letters revealed.")},
    {"wrong1", QT_TRANSLATE_NOOP("SolvablePage", "One letter is wrong.")},
    //: {n} stands for a number; keep it as it is.
    {"wrongN", QT_TRANSLATE_NOOP("SolvablePage", "{n} letters are wrong.")},
    {"soFar1", QT_TRANSLATE_NOOP("SolvablePage", "The letters filled in so far are right; one square is still empty.")},
    //: {n} stands for a number; keep it as it is.
    {"soFarN",
     QT_TRANSLATE_NOOP("SolvablePage", "The letters filled in so far are right; {n} squares are still empty.")},
    {"letterRight", QT_TRANSLATE_NOOP("SolvablePage", "This letter is right.")},
    {"wordRight", QT_TRANSLATE_NOOP("SolvablePage", "This word is right.")},
    {"letterRevealed", QT_TRANSLATE_NOOP("SolvablePage", "The letter is revealed.")},
    {"wordRevealed", QT_TRANSLATE_NOOP("SolvablePage", "The word is revealed.")},
    {"puzzleRevealed", QT_TRANSLATE_NOOP("SolvablePage", "The whole puzzle is revealed.")},
    {"wordCleared", QT_TRANSLATE_NOOP("SolvablePage", "The word is cleared.")},
    {"askReveal", QT_TRANSLATE_NOOP("SolvablePage",
                                    "Reveal every letter of this puzzle?  Revealed letters are marked and counted.")},
    {"doReveal", QT_TRANSLATE_NOOP("SolvablePage", "Reveal puzzle")},
    {"askClear", QT_TRANSLATE_NOOP("SolvablePage", "Clear every letter of this puzzle?")},
    {"doClear", QT_TRANSLATE_NOOP("SolvablePage", "Clear all")},
    {"cancel", QT_TRANSLATE_NOOP("SolvablePage", "Cancel")},
    //: {n} stands for the time on the clock; keep it as it is.
    {"timer", QT_TRANSLATE_NOOP("SolvablePage", "Time {n}")},
    {"pause", QT_TRANSLATE_NOOP("SolvablePage", "Pause the timer")},
    {"resume", QT_TRANSLATE_NOOP("SolvablePage", "Resume the timer")},
    {"paused", QT_TRANSLATE_NOOP("SolvablePage", "The timer is paused.")},
};

} // namespace

QByteArray solvablePageStyle()
{
    static const QByteArray style = resource(":/export/solvable_page.css");
    return style;
}

QByteArray solvablePageScript()
{
    static const QByteArray script = resource(":/export/solvable_page.js");
    return script;
}

std::span<const SolvablePageText> solvablePageTexts()
{
    return Texts;
}

QJsonObject translatedSolvablePageTexts()
{
    QJsonObject out;
    for (const SolvablePageText &t : Texts) {
        const QString text = QCoreApplication::translate("SolvablePage", t.english);
        if (text != QLatin1String(t.english))
            out.insert(QLatin1String(t.key), text);
    }
    return out;
}

} // namespace qx
