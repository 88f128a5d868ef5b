#include "shapes/ui/shape_list_panel.h"

#include "common/translations.h"
#include "common/ui/library_commands.h"
#include "common/ui/ui_host.h"
#include "shapes/ui/shape_editor_dialog.h"
#include "store/settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qx {

namespace {

QPushButton *shapeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Shape files are offered with their extension and start from the file chosen last time.
FileRequest shapeFileRequest(const QString &title, const QString &filter, const QString &lastFile)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = QStringLiteral("LAY");
    request.initialPath = lastFile;
    return request;
}

LibraryTexts shapeTexts()
{
    return {ShapeListPanel::tr("Unable to delete puzzle shape."),
            ShapeListPanel::tr("Puzzle shape could not be imported."),
            ShapeListPanel::tr("Puzzle shape file is corrupt or incompatible.  Import aborted."),
            ShapeListPanel::tr("Unable to add shape."),
            ShapeListPanel::tr("Shape could not be exported."),
            ShapeListPanel::tr("Puzzle Shape Exported!")};
}

} // namespace

ShapeListPanel::ShapeListPanel(ShapeListContext context, UiHost &host, ShapeListOptions options, QWidget *parent)
    : QWidget(parent), m_context(std::move(context)), m_host(host), m_options(std::move(options))
{
    setObjectName(QStringLiteral("ShapeListPanel"));
    buildControls(scaledBy(m_options.pictureSize, m_context.look.screenFactor));
    updateButtons();
}

void ShapeListPanel::buildControls(int pictureSide)
{
    m_picture = QImage(pictureSide, pictureSide, QImage::Format_RGB32);
    m_picture.fill(palette().color(QPalette::Button));
    m_layoutImage = new QLabel(this);
    m_layoutImage->setObjectName(QStringLiteral("LayoutImage"));
    m_layoutImage->setFixedSize(pictureSide, pictureSide);
    m_layoutImage->setPixmap(QPixmap::fromImage(m_picture));

    m_shapeBox = new RecordListBox(this);
    m_shapeBox->setObjectName(QStringLiteral("ShapeBox"));
    m_shapeBox->setMinimumWidth(pictureSide * 3 / 4);
    auto *heading = new QLabel(tr("Puzzle Shape"), this);
    heading->setBuddy(m_shapeBox);
    connect(m_shapeBox, &QListWidget::currentRowChanged, this, [this] { showChosenShape(); });

    m_new = shapeButton(tr("&New"), QStringLiteral("NewShape"), this);
    m_modify = shapeButton(tr("&Modify"), QStringLiteral("ModifyShape"), this);
    m_copy = shapeButton(tr("C&opy"), QStringLiteral("CopyShape"), this);
    m_delete = shapeButton(tr("&Delete"), QStringLiteral("DeleteShape"), this);
    m_import = shapeButton(tr("Im&port"), QStringLiteral("ImportShape"), this);
    m_export = shapeButton(tr("Expo&rt"), QStringLiteral("ExportShape"), this);
    connect(m_new, &QPushButton::clicked, this, &ShapeListPanel::createShape);
    connect(m_modify, &QPushButton::clicked, this, &ShapeListPanel::modifyShape);
    connect(m_copy, &QPushButton::clicked, this, &ShapeListPanel::copyShape);
    connect(m_delete, &QPushButton::clicked, this, &ShapeListPanel::deleteShape);
    connect(m_import, &QPushButton::clicked, this, &ShapeListPanel::importShapeFile);
    connect(m_export, &QPushButton::clicked, this, &ShapeListPanel::exportShapeFile);

    m_buttons = new QVBoxLayout;
    for (QPushButton *b : {m_new, m_modify, m_copy, m_delete, m_import, m_export})
        m_buttons->addWidget(b);
    m_buttons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(heading, 0, 0);
    grid->addWidget(m_shapeBox, 1, 0);
    grid->addWidget(m_layoutImage, 1, 1, Qt::AlignTop);
    grid->addLayout(m_buttons, 1, 2);
    grid->setColumnStretch(0, 1);
}

void ShapeListPanel::addButton(QPushButton *button)
{
    button->setParent(this);
    m_buttons->addWidget(button);
}

void ShapeListPanel::start()
{
    fillLayoutList();
    if (m_options.currentPuzzleShape)
        m_shapeBox->selectRecord(CurrentPuzzleShapeMarker);
    else if (m_options.followLastShape)
        m_shapeBox->selectRecord(m_context.settings.createOptions.lastShape);
    else
        m_shapeBox->selectRow(0);
    // Without a shape to return to, the list starts on the first shape of the library, not on the
    // search for the smallest square; only a user who chose that search last (a new user starts
    // with it) comes back to it.
    const bool searchChosen =
        m_options.followLastShape && m_context.settings.createOptions.lastShape == SmallestSquareMarker;
    if (selectedRecord() == SmallestSquareMarker && !searchChosen && m_shapeBox->count() > 1)
        m_shapeBox->selectRow(1);
    showChosen();
    m_shapeBox->setFocus();
}

std::optional<int> ShapeListPanel::selectedRecord() const
{
    return m_shapeBox->selectedRecord();
}

void ShapeListPanel::fillLayoutList()
{
    auto listed = m_context.library.list();
    if (!listed)
        m_host.fileError(this, listed.error());
    EntryList list = listed ? std::move(*listed) : EntryList();
    if (listed && list.nothingFound())
        m_host.message(this, tr("Warning"), tr("No saved shape information could be found."), Buttons::Ok);
    if (m_options.currentPuzzleShape) {
        const ShapeRecord &shape = *m_options.currentPuzzleShape;
        list.entries.push_back({CurrentPuzzleShapeMarker, std::to_string(shape.ShapeWidth) + "x" +
                                                              std::to_string(shape.ShapeHeight) + " " +
                                                              shownInLanguage(CurrentPuzzleShapeName)});
        sortByText(list.entries);
    }
    if (m_options.smallestSquare) {
        auto at = list.entries.begin();
        while (at != list.entries.end() && at->recordNumber != CurrentPuzzleShapeMarker)
            ++at;
        at = at == list.entries.end() ? list.entries.begin() : at + 1;
        list.entries.insert(at, {SmallestSquareMarker, shownInLanguage(SmallestSquareName)});
    }
    m_shapeBox->fill(list.entries);
    fitListToEntries();
}

// Every entry whole ("20x29 Crescent Moon"), measured in the font the window was given when shown;
// only names of more than about forty characters are cut short, with an ellipsis.
void ShapeListPanel::fitListToEntries()
{
    m_shapeBox->fitWidthToEntries(scaledBy(m_options.pictureSize, m_context.look.screenFactor) * 3 / 4);
    // The window holding the panel hears of the new need at once, not a round of events later.
    if (layout())
        layout()->activate();
    updateGeometry();
}

// Reads the chosen entry into the current shape. The open puzzle's own shape comes from the
// puzzle, every other from the library.
bool ShapeListPanel::loadSelectedLayout()
{
    const auto n = selectedRecord();
    if (!n)
        return false;
    if (*n == CurrentPuzzleShapeMarker && m_options.currentPuzzleShape) {
        m_context.currentShape = *m_options.currentPuzzleShape;
    } else if (*n == SmallestSquareMarker && m_options.smallestSquare) {
        m_context.currentShape = *m_options.smallestSquare;
        if (m_options.followLastShape)
            m_context.settings.createOptions.lastShape = SmallestSquareMarker;
    } else {
        const auto shape = m_context.library.read(*n);
        if (!shape) {
            m_host.fileError(this, shape.error());
            return false;
        }
        m_context.currentShape = *shape;
        if (m_options.followLastShape)
            m_context.settings.createOptions.lastShape = *n;
    }
    updateButtons();
    Q_EMIT shapeChosen(*n);
    return true;
}

// Black squares on white, as large as fit; nothing is drawn while the list is empty.
void ShapeListPanel::drawPreview()
{
    if (m_shapeBox->count() == 0)
        return;
    const ShapeRecord &shape = m_context.currentShape;
    const int s = previewCellSize(m_picture.size(), shape.width(), shape.height());
    drawShape(m_picture, shape, s, Qt::black, palette().color(QPalette::Button));
    m_layoutImage->setPixmap(QPixmap::fromImage(m_picture));
}

void ShapeListPanel::showChosen()
{
    if (loadSelectedLayout())
        drawPreview();
}

void ShapeListPanel::updateButtons()
{
    if (m_options.locked) {
        m_shapeBox->setEnabled(false);
        for (QPushButton *b : {m_new, m_modify, m_copy, m_delete, m_import, m_export})
            b->setEnabled(false);
        return;
    }
    const auto n = selectedRecord();
    const bool ownShape = (n == CurrentPuzzleShapeMarker && m_options.currentPuzzleShape) ||
                          (n == SmallestSquareMarker && m_options.smallestSquare);
    m_modify->setEnabled(!ownShape);
    m_delete->setEnabled(!ownShape);
}

void ShapeListPanel::showChosenShape()
{
    showChosen();
}

// After a save the list is filled again and the saved shape chosen by its record number, wherever
// its text sorts.
void ShapeListPanel::openEditor(ShapeEditMode mode)
{
    const int n = selectedRecord().value_or(-1);
    ShapeEditorDialog editor(mode, m_context.currentShape, n, m_context.library, m_host, m_context.look, this);
    m_host.runModal(editor);
    if (!editor.saved())
        return;
    fillLayoutList();
    m_shapeBox->selectRecord(editor.savedRecord());
    showChosen();
}

void ShapeListPanel::createShape()
{
    openEditor(ShapeEditMode::New);
}

void ShapeListPanel::modifyShape()
{
    const auto n = selectedRecord();
    if (!n || *n == CurrentPuzzleShapeMarker || *n == SmallestSquareMarker)
        return;
    openEditor(ShapeEditMode::Modify);
}

// The editor names the copy; the current shape keeps its own name, so a cancelled copy leaves
// nothing behind and the next copy is offered the same name again.
void ShapeListPanel::copyShape()
{
    if (!selectedRecord())
        return;
    openEditor(ShapeEditMode::Copy);
}

void ShapeListPanel::deleteShape()
{
    const int row = m_shapeBox->currentRow();
    const auto n = selectedRecord();
    if (!n || *n == CurrentPuzzleShapeMarker || *n == SmallestSquareMarker)
        return;
    if (!confirmLibraryDelete(m_host, this, m_shapeBox->currentItem()->text()))
        return;
    if (!reportLibraryDelete(m_host, this, m_context.library.remove(*n), shapeTexts()))
        return;
    fillLayoutList();
    if (m_shapeBox->count() == 0)
        return;
    m_shapeBox->selectRow(std::min(row, m_shapeBox->count() - 1));
    showChosen();
}

void ShapeListPanel::importShapeFile()
{
    FileRequest request = shapeFileRequest(tr("Import Puzzle Shape"), tr("Puzzle Shapes (*.LAY)|*.LAY"),
                                           m_context.settings.misc.lastImportShapeFile);
    request.mustExist = true;
    const auto path = m_host.openFileName(this, request);
    if (!path)
        return;
    m_context.settings.misc.lastImportShapeFile = *path;

    const auto imported = reportLibraryImport(
        m_host, this, importShape(*path, m_context.library, m_context.currentShape), *path, shapeTexts());
    if (!imported)
        return;
    fillLayoutList();
    m_shapeBox->selectRecord(*imported);
    showChosen();
}

void ShapeListPanel::exportShapeFile()
{
    if (!selectedRecord()) {
        m_host.message(this, tr("Error"), tr("No shape selected."), Buttons::Ok);
        return;
    }
    FileRequest request = shapeFileRequest(tr("Export Puzzle Shape"), tr("Puzzle Shape (*.LAY)|*.LAY"),
                                           m_context.settings.misc.lastExportShapeFile);
    request.overwritePrompt = true;
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    m_context.settings.misc.lastExportShapeFile = *path;
    if (!loadSelectedLayout())
        return;
    (void)reportLibraryExport(m_host, this, exportShape(*path, m_context.currentShape, true), shapeTexts());
}

} // namespace qx
