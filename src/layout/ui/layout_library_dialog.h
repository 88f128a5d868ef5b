#pragma once
// "Puzzle Page Layouts": the page layouts of the library with a small picture of the chosen one.
// Here the user creates, copies, modifies, deletes, imports, exports and extracts layouts and marks
// the one new puzzles receive; opened to choose a layout for a puzzle or for one printing, "&Select"
// hands the chosen layout back.

#include "common/dialog_look.h"
#include "common/ui/dialog_conventions.h"
#include "layout/layout_library.h"
#include "layout/ui/page_designer_opener.h"

#include <QImage>

#include <optional>

class QLabel;
class QPushButton;

namespace qx {

class RecordListBox;
struct Settings;
class UiHost;

enum class LayoutLibraryMode {
    Manage, // from the main window: "&Select" stays disabled
    Puzzle, // from the word list editor: the layout of the puzzle being edited
    Print,  // from the print options: the layout of this one printing
};

struct LayoutLibraryContext {
    LayoutLibrary library;
    Settings &settings; // the default page and the files imported and exported last
    DialogLook look;
    QString collectionPath; // the open collection, whose puzzles Extract offers
    // Opens the page designer; while it is empty, New, Copy and Modify are disabled.
    DesignerOpener designer;
};

class LayoutLibraryDialog : public ConventionalDialog {
    Q_OBJECT

public:
    LayoutLibraryDialog(LayoutLibraryMode mode, LayoutLibraryContext context, UiHost &host, QWidget *parent = nullptr);

    // The layout "&Select" chose; empty when the window was left another way.
    const std::optional<PageLayout> &chosen() const { return m_chosen; }

    RecordListBox *shapeBox() const { return m_list; }
    const QImage &picture() const { return m_picture; }
    // The selected layout as last read from the library.
    const PageLayout &selectedLayout() const { return m_layout; }

    // One named pointer per control, as in every window: the lists are alike in form only.
    struct Controls {
        QPushButton *select = nullptr;
        QPushButton *exit = nullptr;
        QPushButton *newLayout = nullptr;
        QPushButton *modify = nullptr;
        QPushButton *copy = nullptr;
        QPushButton *remove = nullptr;
        QPushButton *import = nullptr;
        QPushButton *exportLayout = nullptr;
        QPushButton *setDefault = nullptr;
        QPushButton *extract = nullptr;
    };
    const Controls &controls() const { return m_controls; }

    // Handlers.
    void showChosenLayout();
    void acceptEntries();
    void createLayout();
    void modifyLayout();
    void copyLayout();
    void deleteLayout();
    void importLayoutFile();
    void exportLayoutFile();
    void makeDefaultLayout();
    void extractLayout();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPicture();
    void buildButtons();
    void fillControls();
    void fillLayoutList();
    bool loadSelectedLayout();
    void drawPreview();
    void showRecord(int recordNumber);
    void updateButtons();
    // The selected record, or the "No page layout selected." error.
    std::optional<int> needSelection();
    void openDesigner(DesignerMode mode);

    LayoutLibraryMode m_mode;
    LayoutLibraryContext m_context;
    UiHost &m_host;
    bool m_shown = false;
    PageLayout m_layout;
    std::optional<PageLayout> m_chosen;
    QImage m_picture;

    RecordListBox *m_list = nullptr;
    QLabel *m_img = nullptr;
    Controls m_controls;
};

} // namespace qx
