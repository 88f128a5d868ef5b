#include "app/ui/tip_of_the_day_dialog.h"

#include "app/ui/about_box.h"
#include "common/ui/ui_host.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include <array>

namespace qx {

namespace {

// The texts keep "&&" for "&", as a menu or button caption would. Each is marked in full where it
// stands: lupdate does not expand a macro of our own around it.
const std::array<const char *, TipCount> Tips = {
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can spell check your words and clues using an American, British, Spanish, Italian, French, "
                      "German, Dutch or Swedish dictionary."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can add words or exclude words from each of the spell checking dictionaries."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can look up definitions of words using a 50,000 word American or British thesaurus."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can specify \"word separator\" characters that can be used to split up multi-word answers.  "
                      "These characters will show up in the puzzle."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can specify fonts to use for input fields, labels and buttons. User specified fonts for input "
        "fields greatly facilitates foreign language input."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog", "You can change the puzzle title and category after it has been created."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog", "You can change the clues to the puzzle after it has been created."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can add new words and clues, placing the words manually in the location you desire after the "
        "puzzle has been created."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can change the puzzle layout or change the bonus question after the puzzle has been created."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can create your own puzzle shapes from scratch or from an existing shape.  You can also share "
        "them with others (import && export)"),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can export your created puzzles in a variety of graphic formats so that the puzzles can readily "
        "be used in Word Processors, Desktop Publishers, etc."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can choose to print the puzzle with some of the answers filled in to give a \"head start\"."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can choose and override any fonts for any section of puzzle print out.  This includes size, "
                      "color and style."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can choose to have text printed in a \"transparent\" mode so that underlying graphics and "
                      "bitmaps will show through."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can choose to have borders placed around clues, titles, headers, text, shapes and specify the "
        "width and color."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can choose to have the numbered letters in the puzzle print out either vertical or horizontal."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can choose to print a list of the words in the puzzle on the printout as a guide or as clues."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog", "You can add bonus questions to the puzzles--good for extra credit."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy "
                      "bitmaps or add your own informative text."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want "
                      "them, the size you want them, the color you want them and more!"),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can instruct the program to \"Auto Fit\" fonts into the designated areas you have specified for "
        "clues, titles, words, text, etc."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog", "You can export a puzzle as a ready to use Web Page (in HTML format)"),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation "
        "window."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can choose to print the puzzle as a \"skeleton\" puzzle where just the blocks containing words "
        "are printed."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can choose the number of columns to use for printing clues in each designated area for the "
                      "clues."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can create your own puzzle page layouts from scratch or from an existing layout.  You can also "
        "share them with others (import && export)"),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can have the best 4 puzzle creation fits displayed and you can choose from them for your "
                      "desired puzzle.  Double clicking on one one of them will zoom in for a closer look."),
    QT_TRANSLATE_NOOP(
        "TipOfTheDayDialog",
        "You can maintain multiple sets of crosswords files.  Import and export puzzles among the files."),
    QT_TRANSLATE_NOOP("TipOfTheDayDialog",
                      "You can import a word list, clue list or combined word and clue list from a text file."),
};

} // namespace

QString tipText(int n)
{
    if (n < 1 || n > TipCount)
        return {};
    return QCoreApplication::translate("TipOfTheDayDialog", Tips[n - 1]);
}

QString shownTipText(int n)
{
    QString text = tipText(n);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

int randomTipNumber(QRandomGenerator &random)
{
    return random.bounded(1, TipCount + 1);
}

int randomTipNumber()
{
    return randomTipNumber(*QRandomGenerator::global());
}

TipOfTheDayDialog::TipOfTheDayDialog(const DialogLook &look, bool showTips, int firstTip, QWidget *parent)
    : ConventionalDialog(look, QSize(420, 250), parent)
{
    setWindowTitle(tr("Tip of the Day"));

    // A white sheet with a grey strip on its left that holds the picture.
    auto *sheet = new QFrame(this);
    sheet->setFrameShape(QFrame::Panel);
    sheet->setFrameShadow(QFrame::Sunken);
    sheet->setAutoFillBackground(true);
    QPalette white = sheet->palette();
    white.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(white);

    auto *strip = new QWidget(sheet);
    strip->setAutoFillBackground(true);
    QPalette grey = strip->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    strip->setPalette(grey);
    const int pictureSize = scaledBy(48, look.screenFactor);
    strip->setFixedWidth(pictureSize + scaledBy(24, look.screenFactor));
    auto *picture = new QLabel(strip);
    picture->setPixmap(programPicture(QStringLiteral("light_bulb"))
                           .scaled(pictureSize, pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, scaledBy(12, look.screenFactor), 0, 0);
    stripLayout->addWidget(picture);
    stripLayout->addStretch();

    // The heading is bold by its markup, so that it stands out whatever style the label font has.
    auto *heading = new QLabel(tr("<b>Did you know?</b>"), sheet);
    heading->setTextFormat(Qt::RichText);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    heading->setFont(headingFont);

    auto *rule = new QFrame(sheet);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    QPalette rulePalette = rule->palette();
    rulePalette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    rule->setPalette(rulePalette);

    // Plain text and no buddy: an "&" in a tip is shown as it is, never taken as a mnemonic.
    m_tipLabel = new QLabel(sheet);
    m_tipLabel->setTextFormat(Qt::PlainText);
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont tipFont = m_tipLabel->font();
    tipFont.setPointSizeF(tipFont.pointSizeF() * 1.1);
    m_tipLabel->setFont(tipFont);

    auto *textColumn = new QVBoxLayout;
    const double f = look.screenFactor;
    textColumn->setContentsMargins(scaledBy(12, f), scaledBy(10, f), scaledBy(12, f), scaledBy(10, f));
    textColumn->setSpacing(scaledBy(6, f));
    textColumn->addWidget(heading);
    textColumn->addWidget(rule);
    textColumn->addWidget(m_tipLabel, 1);

    auto *sheetLayout = new QHBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->setSpacing(0);
    sheetLayout->addWidget(strip);
    sheetLayout->addLayout(textColumn, 1);

    m_showTipsBox = new QCheckBox(tr("&Show Tips at Startup"), this);
    m_showTipsBox->setChecked(showTips);
    m_nextTip = new QPushButton(tr("&Next Tip"), this);
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_showTipsBox);
    bottom->addStretch();
    bottom->addWidget(m_nextTip);
    bottom->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sheet, 1);
    layout->addLayout(bottom);

    connect(m_nextTip, &QPushButton::clicked, this, &TipOfTheDayDialog::showNextTip);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    showTip(firstTip >= 1 && firstTip <= TipCount ? firstTip : 1);
}

bool TipOfTheDayDialog::showTips() const
{
    // Read from the box itself: Close, the title bar and Escape all leave it as the user set it.
    return m_showTipsBox->isChecked();
}

QString TipOfTheDayDialog::shownText() const
{
    return m_tipLabel->text();
}

void TipOfTheDayDialog::showNextTip()
{
    showTip(m_tip % TipCount + 1);
}

void TipOfTheDayDialog::showTip(int n)
{
    m_tip = n;
    m_tipLabel->setText(shownTipText(n));
}

void runTipOfTheDay(UiHost &host, const DialogLook &look, bool &showTips, QWidget *parent, QRandomGenerator &random)
{
    TipOfTheDayDialog tips(look, showTips, randomTipNumber(random), parent);
    host.runModal(tips);
    showTips = tips.showTips();
}

} // namespace qx
