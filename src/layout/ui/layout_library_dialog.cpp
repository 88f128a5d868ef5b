#include "layout/ui/layout_library_dialog.h"

#include "common/text.h"
#include "common/ui/library_commands.h"
#include "common/ui/record_list_box.h"
#include "common/ui/ui_host.h"
#include "layout/layout_thumbnail.h"
#include "layout/ui/extract_layout_dialog.h"
#include "store/settings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace qx {

namespace {

constexpr QSize DesignSize(600, 360);
constexpr QSize PictureSize(245, 289);
constexpr int NameCapacity = 20;

LibraryTexts layoutTexts()
{
    return {LayoutLibraryDialog::tr("Unable to delete page layout."),
            LayoutLibraryDialog::tr("Page layout could not be imported."),
            LayoutLibraryDialog::tr("Page layout file is corrupt or incompatible.  Import aborted."),
            LayoutLibraryDialog::tr("Unable to add page layout."),
            LayoutLibraryDialog::tr("Page layout could not be exported."),
            LayoutLibraryDialog::tr("Page Layout Exported!")};
}

FileRequest layoutFileRequest(const QString &title, const QString &lastFile)
{
    FileRequest request;
    request.title = title;
    request.filter = LayoutLibraryDialog::tr("Page Layouts (*.PAG)|*.PAG");
    request.defaultSuffix = QStringLiteral("PAG");
    request.initialPath = lastFile;
    return request;
}

// A swatch of a legend colour with its name.
QWidget *legendEntry(const QColor &colour, const QString &text, int side, QWidget *parent)
{
    auto *entry = new QWidget(parent);
    auto *row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    QPixmap swatch(side, side);
    swatch.fill(colour);
    auto *box = new QLabel(entry);
    box->setPixmap(swatch);
    box->setFrameShape(QFrame::Box);
    box->setFixedSize(side + 2, side + 2);
    row->addWidget(box);
    row->addWidget(new QLabel(text, entry), 1);
    return entry;
}

} // namespace

LayoutLibraryDialog::LayoutLibraryDialog(LayoutLibraryMode mode, LayoutLibraryContext context, UiHost &host,
                                         QWidget *parent)
    : ConventionalDialog(context.look, DesignSize, parent), m_mode(mode), m_context(std::move(context)), m_host(host)
{
    setObjectName(QStringLiteral("ListPages"));
    setWindowTitle(tr("Puzzle Page Layouts"));
    m_list = new RecordListBox(this);
    m_list->setObjectName(QStringLiteral("ShapeBox"));
    m_list->setMinimumWidth(scaledBy(160, look().screenFactor));
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { showChosenLayout(); });
    auto *heading = new QLabel(tr("Page Layouts"), this);
    heading->setBuddy(m_list);
    buildButtons();

    auto *column = new QVBoxLayout;
    column->addWidget(heading);
    column->addWidget(m_list, 1);
    auto *buttonColumn = new QVBoxLayout;
    const Controls &c = m_controls;
    for (QPushButton *b : {c.select, c.exit})
        buttonColumn->addWidget(b);
    buttonColumn->addSpacing(scaledBy(8, look().screenFactor));
    for (QPushButton *b : {c.newLayout, c.modify, c.copy, c.remove, c.import, c.exportLayout, c.setDefault, c.extract})
        buttonColumn->addWidget(b);
    buttonColumn->addStretch();
    auto *top = new QHBoxLayout(this);
    top->addLayout(column, 1);
    top->addWidget(buildPicture(), 0, Qt::AlignTop);
    top->addLayout(buttonColumn);
    updateButtons();
}

// The picture with the legend of the object colours under it.
QWidget *LayoutLibraryDialog::buildPicture()
{
    const double f = look().screenFactor;
    auto *box = new QWidget(this);
    m_picture = QImage(scaledBy(PictureSize.width(), f), scaledBy(PictureSize.height(), f), QImage::Format_RGB32);
    m_picture.fill(palette().color(QPalette::Button));
    m_img = new QLabel(box);
    m_img->setObjectName(QStringLiteral("LayoutPicture"));
    m_img->setFixedSize(m_picture.size());
    m_img->setPixmap(QPixmap::fromImage(m_picture));

    const struct {
        ObjectKind kind;
        const char *text;
    } legend[] = {
        {ObjectKind::Puzzle, QT_TR_NOOP("Puzzle")},       {ObjectKind::AcrossClues, QT_TR_NOOP("Across")},
        {ObjectKind::DownClues, QT_TR_NOOP("Down")},      {ObjectKind::Title, QT_TR_NOOP("Title")},
        {ObjectKind::BonusQuestion, QT_TR_NOOP("Bonus")}, {ObjectKind::Text, QT_TR_NOOP("Text, Shapes")},
        {ObjectKind::WordList, QT_TR_NOOP("Words")},
    };
    auto *legendGrid = new QGridLayout;
    legendGrid->setContentsMargins(0, 0, 0, 0);
    const int side = scaledBy(10, f);
    int k = 0;
    for (const auto &entry : legend) {
        legendGrid->addWidget(
            legendEntry(layoutLegendColor(static_cast<int16_t>(entry.kind)), tr(entry.text), side, box), k / 2, k % 2);
        ++k;
    }
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_img);
    layout->addLayout(legendGrid);
    return box;
}

void LayoutLibraryDialog::buildButtons()
{
    auto make = [this](const QString &text, const char *name, void (LayoutLibraryDialog::*handler)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Controls &c = m_controls;
    c.select = make(tr("&Select"), "OkButton", &LayoutLibraryDialog::acceptEntries);
    c.exit = make(tr("E&xit"), "Cancel", &QDialog::reject);
    c.newLayout = make(tr("&New"), "NewButton", &LayoutLibraryDialog::createLayout);
    c.modify = make(tr("&Modify"), "ModifyButton", &LayoutLibraryDialog::modifyLayout);
    c.copy = make(tr("&Copy"), "CopyButton", &LayoutLibraryDialog::copyLayout);
    c.remove = make(tr("&Delete"), "DeleteButton", &LayoutLibraryDialog::deleteLayout);
    c.import = make(tr("&Import"), "ImportButton", &LayoutLibraryDialog::importLayoutFile);
    c.exportLayout = make(tr("&Export"), "ExportButton", &LayoutLibraryDialog::exportLayoutFile);
    c.setDefault = make(tr("Set De&fault"), "DefaultButton", &LayoutLibraryDialog::makeDefaultLayout);
    c.extract = make(tr("Ex&tract"), "ExtractButton", &LayoutLibraryDialog::extractLayout);
}

void LayoutLibraryDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        fillControls();
    }
}

// Opening fills the list and shows its first entry.
void LayoutLibraryDialog::fillControls()
{
    fillLayoutList();
    m_list->selectRow(0);
    if (loadSelectedLayout())
        drawPreview();
    updateButtons();
    m_list->setFocus();
    // The list and the legend now ask for the room their texts need in the fonts the window was
    // given; the window grows rather than cutting them.
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
}

void LayoutLibraryDialog::fillLayoutList()
{
    const auto listed = m_context.library.list(m_context.settings.pageLayout.defaultPage);
    if (!listed)
        m_host.fileError(this, listed.error());
    m_list->fill(listed ? listed->entries : std::vector<ListEntry>{});
    m_list->fitWidthToEntries(scaledBy(160, look().screenFactor));
    if (listed && listed->nothingFound())
        m_host.message(this, tr("Warning"), tr("No saved page layouts could be found."), qx::Buttons::Ok);
}

bool LayoutLibraryDialog::loadSelectedLayout()
{
    const auto n = m_list->selectedRecord();
    if (!n)
        return false;
    const auto layout = m_context.library.read(*n);
    if (!layout) {
        m_host.fileError(this, layout.error());
        return false;
    }
    m_layout = *layout;
    return true;
}

// An empty list shows no page at all rather than the layout that was just deleted.
void LayoutLibraryDialog::drawPreview()
{
    const QColor face = palette().color(QPalette::Button);
    if (m_list->count() == 0)
        m_picture.fill(face);
    else
        m_picture = drawLayoutThumbnail(m_layout, m_picture.size(), face);
    m_img->setPixmap(QPixmap::fromImage(m_picture));
}

void LayoutLibraryDialog::showRecord(int recordNumber)
{
    m_list->selectRecord(recordNumber);
    if (loadSelectedLayout())
        drawPreview();
    updateButtons();
}

void LayoutLibraryDialog::updateButtons()
{
    const Controls &c = m_controls;
    const bool any = m_list->count() > 0;
    const bool designer = bool(m_context.designer);
    c.select->setEnabled(m_mode != LayoutLibraryMode::Manage && any && m_list->selectedRecord());
    c.newLayout->setEnabled(designer);
    c.modify->setEnabled(designer && any);
    c.copy->setEnabled(designer && any);
    for (QPushButton *b : {c.remove, c.exportLayout, c.setDefault})
        b->setEnabled(any);
}

std::optional<int> LayoutLibraryDialog::needSelection()
{
    const auto n = m_list->selectedRecord();
    if (!n)
        m_host.message(this, tr("Error"), tr("No page layout selected."), qx::Buttons::Ok);
    return n;
}

void LayoutLibraryDialog::showChosenLayout()
{
    if (loadSelectedLayout())
        drawPreview();
    updateButtons();
}

void LayoutLibraryDialog::acceptEntries()
{
    if (!m_list->selectedRecord()) {
        m_host.message(this, tr("Error"), tr("No layout has been selected."), qx::Buttons::Ok);
        return;
    }
    if (!loadSelectedLayout())
        return;
    m_chosen = m_layout;
    accept();
}

// After a save the list is filled again and the saved layout chosen by its record number: the one
// modified, or the one just appended (the last record), wherever its name sorts.
void LayoutLibraryDialog::openDesigner(DesignerMode mode)
{
    if (!m_context.designer)
        return;
    DesignerRequest request;
    request.mode = mode;
    std::optional<int> n;
    if (mode != DesignerMode::New) {
        n = needSelection();
        if (!n || !loadSelectedLayout())
            return;
        request.layout = m_layout;
        if (mode == DesignerMode::Copy)
            request.layout.LayoutName.set(copyName(m_layout.LayoutName.str(), NameCapacity));
        // The designer counts library records from 1.
        request.recordNumber = *n + 1;
    }
    if (!m_context.designer(this, request))
        return;
    fillLayoutList();
    showRecord(mode == DesignerMode::Modify ? *n : m_list->count() - 1);
}

void LayoutLibraryDialog::createLayout()
{
    openDesigner(DesignerMode::New);
}

void LayoutLibraryDialog::modifyLayout()
{
    openDesigner(DesignerMode::Modify);
}

void LayoutLibraryDialog::copyLayout()
{
    openDesigner(DesignerMode::Copy);
}

// The default page keeps its number, so the mark passes to the layout that takes it over.
void LayoutLibraryDialog::deleteLayout()
{
    const auto n = needSelection();
    if (!n)
        return;
    const int row = m_list->currentRow();
    if (!confirmLibraryDelete(m_host, this, m_list->currentItem()->text()))
        return;
    if (!reportLibraryDelete(m_host, this, m_context.library.remove(*n), layoutTexts()))
        return;
    fillLayoutList();
    m_list->selectRow(std::min(row, m_list->count() - 1));
    if (m_list->count() == 0 || loadSelectedLayout())
        drawPreview();
    updateButtons();
}

void LayoutLibraryDialog::importLayoutFile()
{
    Settings::Misc &misc = m_context.settings.misc;
    FileRequest request = layoutFileRequest(tr("Import Page Layouts"), misc.lastImportLayoutFile);
    request.mustExist = true;
    const auto path = m_host.openFileName(this, request);
    if (!path)
        return;
    misc.lastImportLayoutFile = *path;
    const auto imported =
        reportLibraryImport(m_host, this, importLayout(*path, m_context.library), *path, layoutTexts());
    if (!imported)
        return;
    fillLayoutList();
    showRecord(*imported);
}

// The record is read again before it is written, so the file holds what the library holds now.
void LayoutLibraryDialog::exportLayoutFile()
{
    if (!needSelection())
        return;
    Settings::Misc &misc = m_context.settings.misc;
    FileRequest request = layoutFileRequest(tr("Export Page Layouts"), misc.lastExportLayoutFile);
    request.overwritePrompt = true;
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    misc.lastExportLayoutFile = *path;
    if (!loadSelectedLayout())
        return;
    (void)reportLibraryExport(m_host, this, exportLayout(*path, m_layout, true), layoutTexts());
}

// The mark moves to the chosen entry, which stays chosen: found again by its record number, since
// two layouts may read alike.
void LayoutLibraryDialog::makeDefaultLayout()
{
    const auto n = needSelection();
    if (!n)
        return;
    m_context.settings.pageLayout.defaultPage = *n;
    fillLayoutList();
    showRecord(*n);
}

void LayoutLibraryDialog::extractLayout()
{
    ExtractLayoutDialog extract(look(), m_host, m_context.collectionPath, m_context.library, this);
    m_host.runModal(extract);
    if (!extract.extractedRecord())
        return;
    fillLayoutList();
    showRecord(*extract.extractedRecord());
}

} // namespace qx
