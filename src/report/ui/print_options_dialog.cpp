#include "report/ui/print_options_dialog.h"

#include "common/colors.h"
#include "common/cp1252.h"
#include "common/dialog_look.h"
#include "common/ui/ui_host.h"
#include "layout/layout_thumbnail.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/partial_answers_dialog.h"
#include "report/ui/print_status_dialog.h"
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

namespace {

QString withoutMarks(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// Texts typed here go into the record's code page; what it cannot hold is dropped.
std::string recordText(const QString &text)
{
    std::string out;
    for (const QChar c : text) {
        if (const auto b = cp1252::fromUnicode(QString(c)))
            out += *b;
    }
    return out;
}

// A printer for one job, set up as the user's printer is.
std::unique_ptr<QPrinter> printerLike(const QPrinter &setup)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(setup.printerName());
    printer->setOutputFormat(setup.outputFormat());
    printer->setOutputFileName(setup.outputFileName());
    return printer;
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(const DialogLook &look, Settings &settings, UiHost &host,
                                       const PuzzleRecord &record, QWidget *parent)
    : ConventionalDialog(look, QSize(470, 390), parent), m_settings(settings), m_host(host),
      m_record(std::make_unique<PuzzleRecord>(record)), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setWindowTitle(tr("Reports"));
    m_printerFactory = [this] { return printerLike(*m_printer); };

    const auto &r = m_settings.reports;
    const auto makeCheck = [this](const QString &caption, bool on, void (PrintOptionsDialog::*handler)()) {
        auto *c = new QCheckBox(caption, this);
        c->setChecked(on);
        connect(c, &QCheckBox::clicked, this, handler);
        return c;
    };
    const auto makeButton = [this](const QString &caption, auto handler) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };

    // Parts to print write their setting the moment they are clicked.
    m_title = new QCheckBox(tr("Puzzle &Title"), this);
    m_body = new QCheckBox(tr("Puzzle &Body"), this);
    m_clues = new QCheckBox(tr("Puzzle &Clues"), this);
    m_words = new QCheckBox(tr("Puzzle &Words"), this);
    m_bonus = new QCheckBox(tr("Bonus &Question"), this);
    const std::pair<QCheckBox *, bool Settings::Reports::*> parts[] = {{m_title, &Settings::Reports::printTitle},
                                                                       {m_body, &Settings::Reports::printBody},
                                                                       {m_clues, &Settings::Reports::printClues},
                                                                       {m_words, &Settings::Reports::printWords},
                                                                       {m_bonus, &Settings::Reports::printBonus}};
    auto *partsBox = new QGroupBox(tr("Parts To Print"), this);
    auto *partsLayout = new QVBoxLayout(partsBox);
    for (const auto &[box, field] : parts) {
        box->setChecked(r.*field);
        connect(box, &QCheckBox::clicked, this, [this, field = field](bool on) { m_settings.reports.*field = on; });
        partsLayout->addWidget(box);
    }

    m_answerKey = makeCheck(tr("&Answer Key"), r.answerKey, &PrintOptionsDialog::onAnswerKeyClicked);
    m_partAnswer = makeCheck(tr("&Partial Answers"), r.partialAnswer, &PrintOptionsDialog::onPartAnswerClicked);
    m_partLetters = makeCheck(tr("Pa&rtial Letters"), r.partialLetters, &PrintOptionsDialog::onPartLettersClicked);
    m_select = makeButton(tr("&Select"), &PrintOptionsDialog::onSelectPartAnswerClicked);
    m_letters = new QLineEdit(r.letters, this);
    m_letters->setMaxLength(MaxPartialLetters);
    connect(m_letters, &QLineEdit::textEdited, this, &PrintOptionsDialog::lettersChange);
    auto *keyBox = new QGroupBox(tr("Answer Key"), this);
    auto *keyLayout = new QGridLayout(keyBox);
    keyLayout->addWidget(m_answerKey, 0, 0, 1, 3);
    keyLayout->addWidget(m_partAnswer, 1, 0, 1, 2);
    keyLayout->addWidget(m_select, 1, 2);
    keyLayout->addWidget(m_partLetters, 2, 0, 1, 3);
    keyLayout->addWidget(new QLabel(tr("Letters"), this), 3, 0);
    keyLayout->addWidget(m_letters, 3, 1, 1, 2);

    m_skeleton = makeCheck(tr("&Skeleton Puzzle"), !r.useBoxes, &PrintOptionsDialog::onSkeletonClicked);
    m_swatch = new QLabel(this);
    m_swatch->setFixedSize(scaledBy(40, look.screenFactor), scaledBy(20, look.screenFactor));
    m_swatch->setFrameShape(QFrame::Box);
    auto *boxRow = new QHBoxLayout;
    boxRow->addWidget(m_swatch);
    boxRow->addWidget(makeButton(tr("&Filled Box Color"), &PrintOptionsDialog::onFillBoxColorClicked));
    boxRow->addStretch();
    auto *fillBox = new QGroupBox(tr("Puzzle Boxes"), this);
    auto *fillLayout = new QVBoxLayout(fillBox);
    fillLayout->addWidget(m_skeleton);
    fillLayout->addLayout(boxRow);

    auto *left = new QVBoxLayout;
    left->addWidget(partsBox);
    left->addWidget(keyBox);
    left->addWidget(fillBox);
    left->addStretch();

    // The page picture and the commands.
    m_pageBox = new QLabel(this);
    m_pageBox->setFixedSize(scaledBy(150, look.screenFactor), scaledBy(190, look.screenFactor));
    m_pageBox->setAlignment(Qt::AlignCenter);
    m_changeLayout = new QPushButton(tr("Change Page &Layout"), this);
    m_changeLayout->setAutoDefault(false);
    m_changeLayout->setEnabled(false); // the layout library's picking mode is not offered yet
    m_fontMenu = new QMenu(this);
    for (int k = 1; k <= MaxFontEntries; ++k) {
        QAction *a = m_fontMenu->addAction(QString::number(k));
        connect(a, &QAction::triggered, this, [this, k] { onFontEntryClicked(k); });
        m_fontActions.push_back(a);
    }
    auto *view = makeButton(tr("&View/Print"), &PrintOptionsDialog::onViewButtonClicked);
    view->setDefault(true);
    auto *fonts = makeButton(tr("Change &Fonts"), [this] {
        m_fontMenu->popup(m_changeLayout->mapToGlobal(QPoint(0, m_changeLayout->height())));
    });
    auto *right = new QVBoxLayout;
    right->addWidget(m_pageBox, 0, Qt::AlignHCenter);
    right->addWidget(view);
    right->addWidget(m_changeLayout);
    right->addWidget(fonts);
    right->addWidget(makeButton(tr("Change Clue &Headers"), &PrintOptionsDialog::onChangeHeadersClicked));
    right->addWidget(makeButton(tr("Change Bon&us Question"), &PrintOptionsDialog::onChangeBonusClicked));
    right->addStretch();
    right->addWidget(makeButton(tr("E&xit"), &QDialog::accept));

    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(tr("&File"));
    connect(file->addAction(tr("&View/Print")), &QAction::triggered, this, &PrintOptionsDialog::onViewButtonClicked);
    connect(file->addAction(tr("Printer &Setup")), &QAction::triggered, this,
            &PrintOptionsDialog::onPrinterSetupClicked);
    file->addSeparator();
    connect(file->addAction(tr("E&xit")), &QAction::triggered, this, &QDialog::accept);
    connect(bar->addAction(tr("&Help")), &QAction::triggered, this, [this] {
        if (m_help)
            m_help();
    });

    auto *columns = new QHBoxLayout(this);
    columns->setMenuBar(bar);
    columns->addLayout(left, 1);
    columns->addLayout(right);

    // Each printing starts with no words filled in and the layout's own headings and boxes.
    m_selection.fill(0);
    initPageLay();
    updateAnswerKeyControls();
    drawPageBox();
}

PrintOptionsDialog::~PrintOptionsDialog() = default;

QCheckBox *PrintOptionsDialog::check(const QString &caption) const
{
    for (QCheckBox *c : findChildren<QCheckBox *>()) {
        if (withoutMarks(c->text()) == caption)
            return c;
    }
    return nullptr;
}

QPushButton *PrintOptionsDialog::button(const QString &caption) const
{
    for (QPushButton *b : findChildren<QPushButton *>()) {
        if (withoutMarks(b->text()) == caption)
            return b;
    }
    return nullptr;
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
    const bool key = m_answerKey->isChecked();
    m_partAnswer->setEnabled(!key);
    m_select->setEnabled(!key && m_partAnswer->isChecked());
    m_partLetters->setEnabled(!key);
    m_letters->setEnabled(!key && m_partLetters->isChecked());
}

void PrintOptionsDialog::onAnswerKeyClicked()
{
    m_settings.reports.answerKey = m_answerKey->isChecked();
    updateAnswerKeyControls();
}

void PrintOptionsDialog::onPartAnswerClicked()
{
    m_settings.reports.partialAnswer = m_partAnswer->isChecked();
    updateAnswerKeyControls();
}

void PrintOptionsDialog::onPartLettersClicked()
{
    m_settings.reports.partialLetters = m_partLetters->isChecked();
    updateAnswerKeyControls();
}

void PrintOptionsDialog::lettersChange()
{
    m_settings.reports.letters = m_letters->text().trimmed().left(MaxPartialLetters).trimmed();
}

void PrintOptionsDialog::onSkeletonClicked()
{
    m_settings.reports.useBoxes = !m_skeleton->isChecked();
    m_options.useBoxes = m_settings.reports.useBoxes;
}

void PrintOptionsDialog::showSwatch()
{
    QPixmap swatch(m_swatch->size());
    swatch.fill(fromColorValue(static_cast<uint32_t>(m_settings.reports.boxColor)));
    m_swatch->setPixmap(swatch);
}

void PrintOptionsDialog::onFillBoxColorClicked()
{
    const auto chosen = m_host.chooseColor(this, fromColorValue(static_cast<uint32_t>(m_settings.reports.boxColor)));
    if (!chosen)
        return;
    m_settings.reports.boxColor = static_cast<int>(toColorValue(*chosen));
    m_options.boxColor = toColorValue(*chosen);
    showSwatch();
}

void PrintOptionsDialog::initPageLay()
{
    m_options = printOptionsFromSettings(m_settings);
    qx::initPageLay(m_options, m_record->Layout);
    // The grid object's skeleton and box colour become the options of the program.
    m_settings.reports.useBoxes = m_options.useBoxes;
    m_settings.reports.boxColor = static_cast<int>(m_options.boxColor);
    m_skeleton->setChecked(!m_options.useBoxes);
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
                a->setText(cp1252::toUnicode(o.ObjectLabel.str()) + tr(" Font"));
            a->setVisible(true);
        } else {
            a->setText(QString::number(k + 1));
            a->setVisible(false);
        }
    }
}

void PrintOptionsDialog::onFontEntryClicked(int entry)
{
    if (entry < 1 || entry > static_cast<int>(m_fontEntries.size()))
        return;
    const FontEntry &e = m_fontEntries[static_cast<size_t>(entry - 1)];
    LayoutObject &o = m_record->Layout.Objects[static_cast<size_t>(e.object - 1)];
    auto &name = e.numberFont ? o.NumberFontName : o.FontName;
    auto &size = e.numberFont ? o.NumberFontSize : o.FontSize;
    auto &color = e.numberFont ? o.NumberFontColor : o.FontColor;
    uint8_t &bold = e.numberFont ? o.NumberStyle[0] : o.Bold;
    uint8_t &italic = e.numberFont ? o.NumberStyle[1] : o.Italic;
    uint8_t &underline = e.numberFont ? o.NumberStyle[2] : o.Underline;
    uint8_t &strikeOut = e.numberFont ? o.NumberStyle[3] : o.StrikeOut;

    FontChoice initial;
    initial.font = QFont(cp1252::toUnicode(name.str()));
    if (size > 0)
        initial.font.setPointSize(size);
    initial.font.setBold(bold != 0);
    initial.font.setItalic(italic != 0);
    initial.font.setUnderline(underline != 0);
    initial.font.setStrikeOut(strikeOut != 0);
    initial.color = fromColorValue(color);
    const auto chosen = m_host.chooseFont(this, initial);
    if (!chosen)
        return;
    name.set(recordText(chosen->font.family()).substr(0, 30));
    if (chosen->font.pointSize() > 0)
        size = static_cast<int16_t>(std::min(chosen->font.pointSize(), 32767));
    color = toColorValue(chosen->color);
    bold = chosen->font.bold() ? 1 : 0;
    italic = chosen->font.italic() ? 1 : 0;
    underline = chosen->font.underline() ? 1 : 0;
    strikeOut = chosen->font.strikeOut() ? 1 : 0;
}

void PrintOptionsDialog::drawPageBox()
{
    const QImage picture = drawLayoutThumbnail(m_record->Layout, m_pageBox->size(), palette().color(QPalette::Window));
    m_pageBox->setPixmap(QPixmap::fromImage(picture));
}

void PrintOptionsDialog::onSelectPartAnswerClicked()
{
    QStringList words;
    for (int i = 0; i < m_record->wordsInUse(); ++i)
        words << cp1252::toUnicode(m_record->Words[static_cast<size_t>(i)].str());
    PartialAnswersDialog dialog(look(), words, m_selection, this);
    m_host.runModal(dialog);
}

void PrintOptionsDialog::onChangeHeadersClicked()
{
    ClueHeadersDialog dialog(look(), m_host, ClueHeadersDialog::Mode::Print, cp1252::toUnicode(m_options.acrossHeader),
                             cp1252::toUnicode(m_options.downHeader), this);
    if (m_host.runModal(dialog) != QDialog::Accepted)
        return;
    m_options.acrossHeader = recordText(dialog.across());
    m_options.downHeader = recordText(dialog.down());
}

void PrintOptionsDialog::onChangeBonusClicked()
{
    BonusQuestionDialog dialog(look(), m_host, cp1252::toUnicode(m_record->BonusQuestion.str()), this);
    if (m_host.runModal(dialog) != QDialog::Accepted)
        return;
    m_record->BonusQuestion.set(recordText(dialog.question()));
}

void PrintOptionsDialog::onPrinterSetupClicked()
{
    m_host.printerSetup(this, *m_printer);
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

void PrintOptionsDialog::onViewButtonClicked()
{
    PrintStatusDialog form(look(), m_host, *m_record, printingOptions(), this);
    m_host.runModal(form);
    if (form.aborted())
        return;
    PreviewWindow preview(look(), m_settings, m_host, *m_record, form.stream(), m_printerFactory, this);
    if (m_previewHook)
        m_previewHook(preview);
    m_host.runModal(preview);
}

} // namespace qx
