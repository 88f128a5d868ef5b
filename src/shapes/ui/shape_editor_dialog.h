#pragma once
// "Shape Creator": the user draws one shape on a grid of squares (left click toggles a square,
// right click fills), shifts or reverses it, and saves it into the shape library. The dialog works
// on its own copy of the shape; nothing reaches the library before Save.

#include "common/ui/dialog_conventions.h"
#include "shapes/shape_edit.h"
#include "shapes/shape_library.h"

#include <QImage>

#include <optional>

class QGroupBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace qx {

class UiHost;

class ShapeEditorDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // The size of the drawing surface at factor 1.0; the squares are sized to fit it.
    static constexpr int ImgDesignSize = 401;

    // New starts from the new-shape defaults, Modify from the current shape (record recordNumber of
    // the library), Copy from the current shape under the name of a copy.
    ShapeEditorDialog(ShapeEditMode mode, const ShapeRecord &currentShape, int recordNumber, ShapeLibrary library,
                      UiHost &host, const DialogLook &look, QWidget *parent = nullptr);

    // Set by a successful Save; the opener reads them after the dialog has closed.
    bool saved() const { return m_saved; }
    // The record the shape was written to: appended for New and Copy, the same one for Modify.
    int savedRecord() const { return m_savedRecord; }

    const ShapeRecord &working() const { return m_working; }
    const QImage &picture() const { return m_picture; }
    int cellSize() const { return m_cellSize; }

    QWidget *drawingArea() const { return m_img; }
    QLineEdit *titleEdit() const { return m_title; }
    QLineEdit *widthEdit() const { return m_widthEdit; }
    QLineEdit *heightEdit() const { return m_heightEdit; }
    QPushButton *undoButton() const { return m_undoButton; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

    void widthEditExit();
    void heightEditExit();
    void shiftLeft() { shift(ShiftDirection::Left); }
    void shiftUp() { shift(ShiftDirection::Up); }
    void shiftRight() { shift(ShiftDirection::Right); }
    void shiftDown() { shift(ShiftDirection::Down); }
    void reverseShape();
    void undo();
    void imgMouseDown(Qt::MouseButton button, QPoint pos);
    void imgMouseUp(Qt::MouseButton button, QPoint pos);
    void saveShape();
    void cancelEditing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QLayout *buildFields();
    QGroupBox *buildShiftBox();
    QGroupBox *buildAdjustBox();
    QLayout *buildCloseRow();
    void fillControls();
    void drawGrid();
    bool checkWidth();
    bool checkHeight();
    bool checkExtent(QLineEdit *edit, int16_t &field, const QString &message);
    void testForMatch(CellPos cell);
    void testForMatchFill(CellPos cell);
    void shift(ShiftDirection direction);
    void keepUndo();
    void titleEdited(const QString &text);

    ShapeEditMode m_mode;
    int m_recordNumber;
    ShapeLibrary m_library;
    UiHost &m_host;

    ShapeRecord m_working;
    ShapeRecord m_undo;
    int m_cellSize = 0;
    QImage m_picture;
    // Where each button went down, until it comes up again.
    std::optional<CellPos> m_leftPress;
    std::optional<CellPos> m_rightPress;
    bool m_saved = false;
    int m_savedRecord = -1;
    QString m_acceptedTitle; // the name as it stood before the last keystroke

    QWidget *m_img = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_widthEdit = nullptr;
    QLineEdit *m_heightEdit = nullptr;
    QPushButton *m_reverseButton = nullptr;
    QPushButton *m_undoButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace qx
