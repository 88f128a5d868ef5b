#include "report/ui/print_options_dialog.h"

#include "common/colors.h"
#include "common/cp1252.h"
#include "common/dialog_look.h"
#include "common/ui/ui_host.h"
#include "layout/layout_thumbnail.h"
#include "layout/ui/object_font.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/partial_answers_dialog.h"
#include "report/ui/print_status_dialog.h"
#include "report/ui/stream_printer.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

PrintOptionsDialog::PrintOptionsDialog(const DialogLook &look, Settings &settings, UiHost &host,
                                       const PuzzleRecord &record, QWidget *parent)
    : ConventionalDialog(look, QSize(470, 390), parent), m_settings(settings), m_host(host),
      m_record(std::make_unique<PuzzleRecord>(record)), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setWindowTitle(tr("Reports"));
    m_printerFactory = [this] { return printerLike(*m_printer); };

    auto *left = new QVBoxLayout;
    left->addWidget(buildPartsBox());
    left->addWidget(buildAnswerKeyBox());
    left->addWidget(buildFilledBoxesBox());
    left->addStretch();

    auto *columns = new QHBoxLayout(this);
    columns->setMenuBar(buildMenuBar());
    columns->addLayout(left, 1);
    columns->addLayout(buildCommandColumn());
    buildFontMenu();

    // Each printing starts with no words filled in and the layout's own headings and boxes.
    m_selection.fill(0);
    applyLayout();
    updateAnswerKeyControls();
    drawPageBox();
}

PrintOptionsDialog::~PrintOptionsDialog() = default;

QPushButton *PrintOptionsDialog::makeButton(const QString &caption, std::function<void()> handler)
{
    auto *b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
    return b;
}

QCheckBox *PrintOptionsDialog::makeCheck(const QString &caption, bool on, void (PrintOptionsDialog::*handler)())
{
    auto *c = new QCheckBox(caption, this);
    c->setChecked(on);
    connect(c, &QCheckBox::clicked, this, handler);
    return c;
}

QWidget *PrintOptionsDialog::buildPartsBox()
{
    // Parts to print write their setting the moment they are clicked.
    Controls &c = m_controls;
    c.title = new QCheckBox(tr("Puzzle &Title"), this);
    c.body = new QCheckBox(tr("Puzzle &Body"), this);
    c.clues = new QCheckBox(tr("Puzzle &Clues"), this);
    c.words = new QCheckBox(tr("Puzzle &Words"), this);
    c.bonus = new QCheckBox(tr("Bonus &Question"), this);
    const std::pair<QCheckBox *, bool Settings::Reports::*> parts[] = {{c.title, &Settings::Reports::printTitle},
                                                                       {c.body, &Settings::Reports::printBody},
                                                                       {c.clues, &Settings::Reports::printClues},
                                                                       {c.words, &Settings::Reports::printWords},
                                                                       {c.bonus, &Settings::Reports::printBonus}};
    auto *box = new QGroupBox(tr("Parts To Print"), this);
    auto *layout = new QVBoxLayout(box);
    for (const auto &[check, field] : parts) {
        check->setChecked(m_settings.reports.*field);
        connect(check, &QCheckBox::clicked, this, [this, field = field](bool on) { m_settings.reports.*field = on; });
        layout->addWidget(check);
    }
    return box;
}

QWidget *PrintOptionsDialog::buildAnswerKeyBox()
{
    Controls &c = m_controls;
    const auto &r = m_settings.reports;
    c.answerKey = makeCheck(tr("&Answer Key"), r.answerKey, &PrintOptionsDialog::setAnswerKey);
    c.partAnswer = makeCheck(tr("&Partial Answers"), r.partialAnswer, &PrintOptionsDialog::setPartialAnswer);
    c.partLetters = makeCheck(tr("Pa&rtial Letters"), r.partialLetters, &PrintOptionsDialog::setPartialLetters);
    c.select = makeButton(tr("&Select"), [this] { choosePartialAnswers(); });
    c.letters = new QLineEdit(r.letters, this);
    c.letters->setMaxLength(MaxPartialLetters);
    connect(c.letters, &QLineEdit::textEdited, this, &PrintOptionsDialog::lettersChange);
    auto *box = new QGroupBox(tr("Answer Key"), this);
    auto *layout = new QGridLayout(box);
    layout->addWidget(c.answerKey, 0, 0, 1, 3);
    layout->addWidget(c.partAnswer, 1, 0, 1, 2);
    layout->addWidget(c.select, 1, 2);
    layout->addWidget(c.partLetters, 2, 0, 1, 3);
    layout->addWidget(new QLabel(tr("Letters"), this), 3, 0);
    layout->addWidget(c.letters, 3, 1, 1, 2);
    return box;
}

QWidget *PrintOptionsDialog::buildFilledBoxesBox()
{
    Controls &c = m_controls;
    const double f = look().screenFactor;
    c.skeleton = makeCheck(tr("&Skeleton Puzzle"), !m_settings.reports.useBoxes, &PrintOptionsDialog::setSkeleton);
    c.swatch = new QLabel(this);
    c.swatch->setFixedSize(scaledBy(40, f), scaledBy(20, f));
    c.swatch->setFrameShape(QFrame::Box);
    c.fillBoxColor = makeButton(tr("&Filled Box Color"), [this] { chooseBoxColor(); });
    auto *row = new QHBoxLayout;
    row->addWidget(c.swatch);
    row->addWidget(c.fillBoxColor);
    row->addStretch();
    auto *box = new QGroupBox(tr("Puzzle Boxes"), this);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(c.skeleton);
    layout->addLayout(row);
    return box;
}

QLayout *PrintOptionsDialog::buildCommandColumn()
{
    // The page picture and the commands.
    Controls &c = m_controls;
    const double f = look().screenFactor;
    c.pageBox = new QLabel(this);
    c.pageBox->setFixedSize(scaledBy(150, f), scaledBy(190, f));
    c.pageBox->setAlignment(Qt::AlignCenter);
    c.viewPrint = makeButton(tr("&View/Print"), [this] { viewOrPrint(); });
    c.viewPrint->setDefault(true);
    c.changeLayout = makeButton(tr("Change Page &Layout"), [this] { changeLayout(); });
    c.changeLayout->setEnabled(false); // until a layout chooser is given
    c.changeFonts = makeButton(tr("Change &Fonts"), [this] {
        m_fontMenu->popup(m_controls.changeLayout->mapToGlobal(QPoint(0, m_controls.changeLayout->height())));
    });
    c.changeHeaders = makeButton(tr("Change Clue &Headers"), [this] { editClueHeaders(); });
    c.changeBonus = makeButton(tr("Change Bon&us Question"), [this] { editBonusQuestion(); });
    c.exit = makeButton(tr("E&xit"), [this] { accept(); });
    auto *column = new QVBoxLayout;
    column->addWidget(c.pageBox, 0, Qt::AlignHCenter);
    for (QPushButton *b : {c.viewPrint, c.changeLayout, c.changeFonts, c.changeHeaders, c.changeBonus})
        column->addWidget(b);
    column->addStretch();
    column->addWidget(c.exit);
    return column;
}

void PrintOptionsDialog::buildFontMenu()
{
    // Entries are numbered from 1; applyLayout names those the layout needs and hides the rest.
    m_fontMenu = new QMenu(this);
    for (int k = 1; k <= MaxFontEntries; ++k) {
        QAction *a = m_fontMenu->addAction(QString::number(k));
        connect(a, &QAction::triggered, this, [this, k] { chooseEntryFont(k); });
        m_fontActions.push_back(a);
    }
}

QMenuBar *PrintOptionsDialog::buildMenuBar()
{
    Controls &c = m_controls;
    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(tr("&File"));
    c.menuViewPrint = file->addAction(tr("&View/Print"));
    connect(c.menuViewPrint, &QAction::triggered, this, &PrintOptionsDialog::viewOrPrint);
    c.menuPrinterSetup = file->addAction(tr("Printer &Setup"));
    connect(c.menuPrinterSetup, &QAction::triggered, this, &PrintOptionsDialog::setUpPrinter);
    file->addSeparator();
    c.menuExit = file->addAction(tr("E&xit"));
    connect(c.menuExit, &QAction::triggered, this, &QDialog::accept);
    c.menuHelp = bar->addAction(tr("&Help"));
    connect(c.menuHelp, &QAction::triggered, this, [this] {
        if (m_help)
            m_help();
    });
    return bar;
}

QStringList PrintOptionsDialog::fontEntries() const
{
    QStringList out;
    for (size_t k = 0; k < m_fontEntries.size(); ++k)
        out << m_fontActions[k]->text();
    return out;
}

void PrintOptionsDialog::updateAnswerKeyControls()
{
    const bool key = m_controls.answerKey->isChecked();
    m_controls.partAnswer->setEnabled(!key);
    m_controls.select->setEnabled(!key && m_controls.partAnswer->isChecked());
    m_controls.partLetters->setEnabled(!key);
    m_controls.letters->setEnabled(!key && m_controls.partLetters->isChecked());
}

void PrintOptionsDialog::setAnswerKey()
{
    m_settings.reports.answerKey = m_controls.answerKey->isChecked();
    updateAnswerKeyControls();
}

void PrintOptionsDialog::setPartialAnswer()
{
    m_settings.reports.partialAnswer = m_controls.partAnswer->isChecked();
    updateAnswerKeyControls();
}

void PrintOptionsDialog::setPartialLetters()
{
    m_settings.reports.partialLetters = m_controls.partLetters->isChecked();
    updateAnswerKeyControls();
}

void PrintOptionsDialog::lettersChange()
{
    m_settings.reports.letters = m_controls.letters->text().trimmed().left(MaxPartialLetters).trimmed();
}

void PrintOptionsDialog::setSkeleton()
{
    m_settings.reports.useBoxes = !m_controls.skeleton->isChecked();
    m_options.useBoxes = m_settings.reports.useBoxes;
}

void PrintOptionsDialog::showSwatch()
{
    QPixmap swatch(m_controls.swatch->size());
    swatch.fill(fromColorValue(static_cast<uint32_t>(m_settings.reports.boxColor)));
    m_controls.swatch->setPixmap(swatch);
}

void PrintOptionsDialog::chooseBoxColor()
{
    const auto chosen = m_host.chooseColor(this, fromColorValue(static_cast<uint32_t>(m_settings.reports.boxColor)));
    if (!chosen)
        return;
    m_settings.reports.boxColor = static_cast<int>(toColorValue(*chosen));
    m_options.boxColor = toColorValue(*chosen);
    showSwatch();
}

void PrintOptionsDialog::setLayoutChooser(std::function<std::optional<PageLayout>(QWidget *)> chooser)
{
    m_chooseLayout = std::move(chooser);
    m_controls.changeLayout->setEnabled(bool(m_chooseLayout));
}

// Only this printing's copy of the puzzle takes the layout; its headings, boxes and fonts are read
// from it again.
void PrintOptionsDialog::changeLayout()
{
    if (!m_chooseLayout)
        return;
    const auto layout = m_chooseLayout(this);
    if (!layout)
        return;
    m_record->Layout = *layout;
    applyLayout();
    updateAnswerKeyControls();
    drawPageBox();
}

void PrintOptionsDialog::applyLayout()
{
    m_options = printOptionsFromSettings(m_settings);
    qx::applyLayout(m_options, m_record->Layout);
    // The grid object's skeleton and box colour become the options of the program.
    m_settings.reports.useBoxes = m_options.useBoxes;
    m_settings.reports.boxColor = static_cast<int>(m_options.boxColor);
    m_controls.skeleton->setChecked(!m_options.useBoxes);
    showSwatch();

    m_fontEntries.clear();
    const PageLayout &layout = m_record->Layout;
    for (int k = 1; k <= layout.objectsInUse(); ++k) {
        const LayoutObject &o = layout.Objects[static_cast<size_t>(k - 1)];
        const auto kind = static_cast<ObjectKind>(o.Kind);
        if (kind == ObjectKind::Puzzle) {
            m_fontEntries.push_back({k, false});
            m_fontEntries.push_back({k, true});
        } else if (o.Kind == 1 || (o.Kind >= 3 && o.Kind <= 10)) {
            m_fontEntries.push_back({k, false});
        }
    }
    // Twenty objects with a grid among them would make 21 entries at most; a damaged layout more.
    if (m_fontEntries.size() > static_cast<size_t>(MaxFontEntries))
        m_fontEntries.resize(MaxFontEntries);
    for (size_t k = 0; k < m_fontActions.size(); ++k) {
        QAction *a = m_fontActions[k];
        if (k < m_fontEntries.size()) {
            const FontEntry &e = m_fontEntries[k];
            const LayoutObject &o = layout.Objects[static_cast<size_t>(e.object - 1)];
            if (o.Kind == static_cast<int16_t>(ObjectKind::Puzzle))
                a->setText(e.numberFont ? tr("Puzzle Clue Numbers Font") : tr("Puzzle Answer Font"));
            else
                a->setText(tr("%1 Font").arg(cp1252::toUnicode(o.ObjectLabel.str())));
            a->setVisible(true);
        } else {
            a->setText(QString::number(k + 1));
            a->setVisible(false);
        }
    }
}

void PrintOptionsDialog::chooseEntryFont(int entry)
{
    if (entry < 1 || entry > static_cast<int>(m_fontEntries.size()))
        return;
    const FontEntry &e = m_fontEntries[static_cast<size_t>(entry - 1)];
    LayoutObject &o = m_record->Layout.Objects[static_cast<size_t>(e.object - 1)];
    chooseObjectFont(m_host, this, o, e.numberFont ? ObjectFont::Numbers : ObjectFont::Text);
}

void PrintOptionsDialog::drawPageBox()
{
    const QImage picture =
        drawLayoutThumbnail(m_record->Layout, m_controls.pageBox->size(), palette().color(QPalette::Window));
    m_controls.pageBox->setPixmap(QPixmap::fromImage(picture));
}

void PrintOptionsDialog::choosePartialAnswers()
{
    QStringList words;
    for (int i = 0; i < m_record->wordsInUse(); ++i)
        words << cp1252::toUnicode(m_record->Words[static_cast<size_t>(i)].str());
    PartialAnswersDialog dialog(look(), words, m_selection, this);
    m_host.runModal(dialog);
}

void PrintOptionsDialog::editClueHeaders()
{
    ClueHeadersDialog dialog(look(), m_host, ClueHeadersDialog::Mode::Print, cp1252::toUnicode(m_options.acrossHeader),
                             cp1252::toUnicode(m_options.downHeader), this);
    if (m_host.runModal(dialog) != QDialog::Accepted)
        return;
    m_options.acrossHeader = cp1252::fromUnicodeDropping(dialog.across());
    m_options.downHeader = cp1252::fromUnicodeDropping(dialog.down());
}

void PrintOptionsDialog::editBonusQuestion()
{
    BonusQuestionDialog dialog(look(), m_host, cp1252::toUnicode(m_record->BonusQuestion.str()), this);
    if (m_host.runModal(dialog) != QDialog::Accepted)
        return;
    m_record->BonusQuestion.set(cp1252::fromUnicodeDropping(dialog.question()));
}

void PrintOptionsDialog::setUpPrinter()
{
    // With no printer on the system, the dialog opens on "Print to File (PDF)"; cancelled, the
    // printer stays as it was.
    const bool toFile =
        printToFileWithoutPrinters(*m_printer, puzzleFilePath(m_settings, *m_record, QStringLiteral("pdf")));
    if (!m_host.printerSetup(this, *m_printer) && toFile)
        m_printer->setOutputFormat(QPrinter::NativeFormat);
}

PrintOptions PrintOptionsDialog::printingOptions() const
{
    // The settings as they are now, with what belongs to this printing alone.
    PrintOptions o = printOptionsFromSettings(m_settings);
    o.acrossHeader = m_options.acrossHeader;
    o.downHeader = m_options.downHeader;
    o.partialAnswerWords = m_selection;
    return o;
}

void PrintOptionsDialog::viewOrPrint()
{
    PrintStatusDialog form(look(), m_host, *m_record, printingOptions(), this);
    m_host.runModal(form);
    if (form.aborted())
        return;
    PreviewWindow preview(look(), m_settings, m_host, *m_record, form.stream(), m_printerFactory, this);
    preview.setFits(form.fits());
    if (m_previewHook)
        m_previewHook(preview);
    m_host.runModal(preview);
}

} // namespace qx
