#pragma once
// "Page Creator": the user chooses the paper, places puzzle objects on a picture of the page with
// the mouse, moves and resizes them, and saves the layout into the layout library. The window works
// on its own copy of the layout; nothing reaches the library before Save.

#include "common/ui/dialog_conventions.h"
#include "layout/page_designer_model.h"
#include "layout/ui/object_menu.h"
#include "layout/ui/page_designer_opener.h"

#include <QHash>
#include <QImage>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace qx {

struct Settings;
class UiHost;
class DesignerPageImage;

// What the designer takes from the program around it.
struct PageDesignerContext {
    DialogLook look;
    Settings &settings;
    UiHost &host;
    QString libraryPath; // the layout library Save writes into
    // Opens the program's help at a topic key over a window; nothing when unset.
    std::function<void(QWidget *parent, const QString &keyword)> help;
};

// Shows the object menu of a slot and carries out the chosen command.
using ObjectMenuRunner = std::function<ObjectMenuResult(ObjectMenuContext &, int target, QPoint globalPos)>;

class PageDesignerWindow : public ConventionalDialog {
    Q_OBJECT

public:
    PageDesignerWindow(const PageDesignerContext &context, const DesignerRequest &request, QWidget *parent = nullptr);
    ~PageDesignerWindow() override;

    // Set by a successful Save; the opener reads it after the window has closed.
    bool saved() const { return m_saved; }
    const PageDesignerModel &model() const { return m_model; }
    const PageLayout &working() const { return m_model.layout(); }
    // The page picture: white paper and the objects, one pixel per layout unit.
    const QImage &picture() const { return m_picture; }
    // Stands in for the object menu (tests); runObjectMenu otherwise.
    void setObjectMenuRunner(ObjectMenuRunner runner) { m_menuRunner = std::move(runner); }

    QComboBox *paperList() const { return m_paper; }
    QLineEdit *widthEdit() const { return m_width; }
    QLineEdit *heightEdit() const { return m_height; }
    QCheckBox *inchesBox() const { return m_inches; }
    QLineEdit *nameEdit() const { return m_name; }
    QRadioButton *portraitButton() const { return m_portrait; }
    QRadioButton *landscapeButton() const { return m_landscape; }
    QPushButton *toolPanel(ObjectKind kind) const { return m_tools[static_cast<size_t>(kind) - 1]; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    // The page picture's widget: its pixels are layout units.
    QWidget *pageImage() const;
    QScrollArea *pageArea() const { return m_area; }

    struct Actions {
        QAction *save = nullptr;
        QAction *exit = nullptr;
        std::array<QAction *, PageLayout::MaxObjects> objects{};
        std::array<QAction *, 3> zoom{}; // small, medium, large
        QAction *help = nullptr;
    };
    const Actions &actions() const { return m_actions; }

    // The handlers, by the controls they serve.
    void pageSizeChange();
    bool pageWidthExit();
    bool pageHeightExit();
    void onUnitsChanged();
    void setOrientation(bool portrait);
    void setZoom(int zoom);
    void armTool(ObjectKind kind);
    void pageMouseDown(Qt::MouseButton button, QPoint pos);
    void pageMouseMove(Qt::MouseButtons buttons, QPoint pos);
    void pageMouseUp(Qt::MouseButton button, QPoint pos);
    void openObjectMenuFor(int slot);
    void saveLayout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QWidget *buildSidePanel();
    void buildMenus(QLayout *top);
    void fillControls();
    void loadBitmaps();
    void redrawLayout();
    void drawObjects();
    void drawAnObject(QPainter &painter, const LayoutObject &object);
    void drawBitmap(QPainter &painter, const LayoutObject &object, const QRect &r);
    void setButtons();
    void buildObjMenu();
    void fillSizeBoxes();
    void showCustomBoxes(bool show);
    bool checkExtent(QLineEdit *edit, bool width);
    void openObjectMenu(int target, QPoint globalPos);
    void updateCursor();
    QString bitmapKey(const LayoutObject &object) const;

    PageDesignerContext m_context;
    DesignerMode m_mode;
    int m_recordNumber;
    PageDesignerModel m_model;
    ObjectMenuRunner m_menuRunner;
    bool m_saved = false;
    bool m_placed = false;
    QImage m_picture;
    // Bitmap objects' pictures by file name; a null picture for a file that could not be loaded.
    QHash<QString, QImage> m_bitmaps;
    std::optional<QRect> m_outline; // the frame shown while an object is dragged

    // One named pointer per control, as in every window: the lists are alike in form only.
    QComboBox *m_paper = nullptr;
    QWidget *m_customBox = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QCheckBox *m_inches = nullptr;
    QLineEdit *m_name = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    std::array<QPushButton *, 13> m_tools{};
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QScrollArea *m_area = nullptr;
    DesignerPageImage *m_page = nullptr;
    Actions m_actions;
};

// The opener the layout library uses: runs the designer modally through the host.
DesignerOpener makePageDesignerOpener(PageDesignerContext context);

} // namespace qx
