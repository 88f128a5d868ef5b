#pragma once
// The one way the program asks the user anything. The application installs QtUiHost; tests
// install a scripted host that checks each message, answers it, picks files and drives nested
// dialogs, so every window can be exercised offscreen.

#include "common/file_outcome.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPoint>
#include <QString>

#include <optional>

class QAbstractFileIconProvider;
class QAction;
class QDialog;
class QFileDialog;
class QMenu;
class QPrinter;
class QWidget;

namespace qx {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };
enum class BeepKind { Default, Exclamation };

struct FileRequest {
    QString title;
    QString filter;        // "QXMOR Files (*.QX3)|*.QX3", pairs separated by "|"
    QString defaultSuffix; // without the dot
    // Where the dialog starts: a remembered file (its folder, with its name typed in), or a folder
    // alone, given as an existing folder or as a path ending in "/".
    QString initialPath;
    bool mustExist = false;
    bool overwritePrompt = false;
};

struct FontChoice {
    QFont font;
    QColor color;
};

class UiHost {
public:
    virtual ~UiHost() = default;

    virtual Answer message(QWidget *parent, const QString &caption, const QString &text, Buttons buttons) = 0;
    virtual void beep(BeepKind kind) = 0;
    virtual std::optional<QString> openFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual std::optional<QString> saveFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
    virtual int runModal(QDialog &dialog) = 0;
    // Shows a popup menu at a point on the screen until the user picks an entry or dismisses it;
    // the entry picked, or nullptr. Like a modal dialog, the menu runs its own event loop.
    virtual QAction *popupMenu(QMenu &menu, QPoint globalPos) = 0;

    // Shows one error box for an input/output failure, with the system's text.
    void ioError(QWidget *parent, const QString &text)
    {
        message(parent, QCoreApplication::translate("qx", "Error"), text, Buttons::Ok);
    }

    // The one error box for a failed file operation: the file and the system's text (or, for a
    // damaged file, that it is damaged and nothing was saved), after what the program was doing
    // when lead is given.
    void fileError(QWidget *parent, const FileError &error, const QString &lead = {})
    {
        ioError(parent, lead.isEmpty() ? error.errorText() : lead + QLatin1Char('\n') + error.errorText());
    }

    // The box for a command refused because another program changed the file after the window
    // read it (FileError::Kind::Changed): the file, then what was not done and what to do.
    void fileChanged(QWidget *parent, const FileError &error, const QString &outcome);
};

// Converts "Name (*.EXT)|*.EXT|..." into Qt's filter list, matching the extension in any case.
QStringList qtNameFilters(const QString &filter);

// The folder a file dialog opens in and the file name typed into it (empty when the start is a
// folder). A folder that no longer exists gives way to its nearest existing parent.
struct FileDialogStart {
    QString folder;
    QString fileName;
};
FileDialogStart fileDialogStart(const QString &initialPath);
// "folder/" as a request's initial path: start inside it with no file name.
QString folderStart(const QString &folder);

// Sets a file dialog up for a request, without showing it. Its icons and types come from
// nameOnlyIconProvider().
void setUpFileDialog(QFileDialog &dialog, const FileRequest &request, bool save);
// Icons and file types from the names alone: the dialogs never read a file to guess its type.
QAbstractFileIconProvider *nameOnlyIconProvider();

class QtUiHost final : public UiHost {
public:
    Answer message(QWidget *parent, const QString &caption, const QString &text, Buttons buttons) override;
    void beep(BeepKind kind) override;
    std::optional<QString> openFileName(QWidget *parent, const FileRequest &request) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileRequest &request) override;
    std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &initial) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;
    int runModal(QDialog &dialog) override;
    QAction *popupMenu(QMenu &menu, QPoint globalPos) override;
};

} // namespace qx
