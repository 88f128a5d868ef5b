#pragma once
// The shape list with its picture and its buttons (New, Modify, Copy, Delete, Import, Export), as
// the shape library window shows it and as the word list editor embeds it. The list is sorted by
// entry text; each entry carries its record number, which is what every command goes by. Choosing
// an entry reads that shape into the current shape.

#include "common/dialog_look.h"
#include "common/ui/record_list_box.h"
#include "shapes/shape_edit.h"
#include "shapes/shape_library.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace qx {

struct Settings;
class UiHost;

// What the panel works on: the library, the shape every other window reads, the settings that
// remember the import, export and last-used shape, and the look of the editor it opens.
struct ShapeListContext {
    ShapeLibrary library;
    ShapeRecord &currentShape;
    Settings &settings;
    DialogLook look;
};

struct ShapeListOptions {
    // The picture's side at factor 1.0: 240 in the library window, 148 in the word list editor.
    int pictureSize = 240;
    // Start on the entry of the "Last Shape" setting (else the first), and keep that setting up to
    // date with every library shape read; a new puzzle then starts from the shape used last.
    bool followLastShape = false;
    // An open puzzle's own shape, listed as "<Current Puzzle>" under the marker record number and
    // chosen at the start. Modify and Delete do not apply to it.
    std::optional<ShapeRecord> currentPuzzleShape;
    // Listed as "<Smallest Square>" under its marker record number at the top (after the open
    // puzzle's own shape): the build then looks for the square itself, and this shape stands for it
    // until then. Modify and Delete do not apply to it.
    std::optional<ShapeRecord> smallestSquare;
    // List and buttons disabled: an existing puzzle keeps the shape it was built with.
    bool locked = false;
};

class ShapeListPanel : public QWidget {
    Q_OBJECT

public:
    ShapeListPanel(ShapeListContext context, UiHost &host, ShapeListOptions options, QWidget *parent = nullptr);

    // Fills the list, chooses the starting entry, reads and draws it. Called when the window
    // holding the panel is shown.
    void start();

    // Another button in the panel's column, below its own (the library window's Exit).
    void addButton(QPushButton *button);

    // The record number of the chosen entry (the marker for the open puzzle's own shape).
    std::optional<int> selectedRecord() const;

    RecordListBox *shapeBox() const { return m_shapeBox; }
    const QImage &picture() const { return m_picture; }
    QPushButton *newButton() const { return m_new; }
    QPushButton *modifyButton() const { return m_modify; }
    QPushButton *copyButton() const { return m_copy; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *importButton() const { return m_import; }
    QPushButton *exportButton() const { return m_export; }

    void showChosenShape();
    void createShape();
    void modifyShape();
    void copyShape();
    void deleteShape();
    void importShapeFile();
    void exportShapeFile();

Q_SIGNALS:
    // The current shape now holds the chosen entry's shape.
    void shapeChosen(int recordNumber);

private:
    void buildControls(int pictureSide);
    void fillLayoutList();
    void fitListToEntries();
    bool loadSelectedLayout();
    void drawPreview();
    void showChosen();
    void openEditor(ShapeEditMode mode);
    void updateButtons();

    ShapeListContext m_context;
    UiHost &m_host;
    ShapeListOptions m_options;
    QImage m_picture;

    // One named pointer per control, as in every window: the lists are alike in form only.
    QLabel *m_layoutImage = nullptr;
    RecordListBox *m_shapeBox = nullptr;
    QVBoxLayout *m_buttons = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_modify = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_export = nullptr;
};

} // namespace qx
