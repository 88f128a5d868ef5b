#pragma once
// "Reports", the print options window: which parts of the page print, the answer key or partial
// answers, the filled boxes, fonts, clue headers and bonus question of this one printing. It works
// on a copy of the puzzle, so nothing done here changes the stored puzzle; the options themselves
// are the program's settings and change at once.

#include "common/ui/dialog_conventions.h"
#include "render/print_options.h"
#include "report/ui/preview_window.h"
#include "store/puzzle_record.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;

namespace qx {

struct Settings;
class UiHost;

class PrintOptionsDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxFontEntries = 21;

    PrintOptionsDialog(const DialogLook &look, Settings &settings, UiHost &host, const PuzzleRecord &record,
                       QWidget *parent = nullptr);
    ~PrintOptionsDialog() override;

    // What "&Help" does (the help window is the main window's); nothing when unset.
    void setHelp(std::function<void()> help) { m_help = std::move(help); }
    // Lets the user choose a layout from the layout library for this printing; "Change Page
    // &Layout" is disabled while this is unset.
    void setLayoutChooser(std::function<std::optional<PageLayout>(QWidget *parent)> chooser);
    // Where print jobs go; by default printers set up as in "Printer &Setup".
    void setPrinterFactory(PreviewWindow::PrinterFactory factory) { m_printerFactory = std::move(factory); }
    // Called with the preview before it is shown (tests drive it from here).
    void setPreviewHook(std::function<void(PreviewWindow &)> hook) { m_previewHook = std::move(hook); }

    // Handlers.
    void viewOrPrint();
    void setUpPrinter();
    void setAnswerKey();
    void setPartialAnswer();
    void choosePartialAnswers();
    void setPartialLetters();
    void lettersChange();
    void setSkeleton();
    void chooseBoxColor();
    void editClueHeaders();
    void editBonusQuestion();
    void changeLayout();
    void chooseEntryFont(int entry); // 1-based
    void applyLayout();
    void drawPageBox();

    // State of this printing.
    const PrintOptions &options() const { return m_options; }
    const PuzzleRecord &working() const { return *m_record; }
    const std::array<uint8_t, MaxWords> &partialSelection() const { return m_selection; }
    // The captions of the font menu's visible entries, in order.
    QStringList fontEntries() const;

    // The window's controls and menu commands, one named pointer each as in every window: the lists
    // are alike in form only.
    struct Controls {
        QCheckBox *title = nullptr;
        QCheckBox *body = nullptr;
        QCheckBox *clues = nullptr;
        QCheckBox *words = nullptr;
        QCheckBox *bonus = nullptr;
        QCheckBox *answerKey = nullptr;
        QCheckBox *partAnswer = nullptr;
        QCheckBox *partLetters = nullptr;
        QPushButton *select = nullptr;
        QLineEdit *letters = nullptr;
        QCheckBox *skeleton = nullptr;
        QPushButton *fillBoxColor = nullptr;
        QLabel *swatch = nullptr;
        QLabel *pageBox = nullptr;
        QPushButton *viewPrint = nullptr;
        QPushButton *changeLayout = nullptr;
        QPushButton *changeFonts = nullptr;
        QPushButton *changeHeaders = nullptr;
        QPushButton *changeBonus = nullptr;
        QPushButton *exit = nullptr;
        QAction *menuViewPrint = nullptr;
        QAction *menuPrinterSetup = nullptr;
        QAction *menuExit = nullptr;
        QAction *menuHelp = nullptr;
    };
    const Controls &controls() const { return m_controls; }
    QLineEdit *lettersEdit() const { return m_controls.letters; }
    QMenu *fontMenu() const { return m_fontMenu; }
    QLabel *pageBox() const { return m_controls.pageBox; }

private:
    struct FontEntry {
        int object; // 1-based slot
        bool numberFont;
    };

    QWidget *buildPartsBox();
    QWidget *buildAnswerKeyBox();
    QWidget *buildFilledBoxesBox();
    QLayout *buildCommandColumn();
    void buildFontMenu();
    QMenuBar *buildMenuBar();
    QPushButton *makeButton(const QString &caption, std::function<void()> handler);
    QCheckBox *makeCheck(const QString &caption, bool on, void (PrintOptionsDialog::*handler)());

    void updateAnswerKeyControls();
    void showSwatch();
    PrintOptions printingOptions() const;

    Settings &m_settings;
    UiHost &m_host;
    std::unique_ptr<PuzzleRecord> m_record;
    PrintOptions m_options;
    std::array<uint8_t, MaxWords> m_selection{};
    std::vector<FontEntry> m_fontEntries;
    std::unique_ptr<QPrinter> m_printer;
    PreviewWindow::PrinterFactory m_printerFactory;
    std::function<void()> m_help;
    std::function<std::optional<PageLayout>(QWidget *)> m_chooseLayout;
    std::function<void(PreviewWindow &)> m_previewHook;

    Controls m_controls;
    QMenu *m_fontMenu = nullptr;
    std::vector<QAction *> m_fontActions;
};

} // namespace qx
