#pragma once
// The user's preferences and remembered paths, kept in "QXMOR3.INI" in the start-up directory.
// Read once at start, written back whole at exit; in between the windows change the fields here.
// Every key of the file is one field, grouped by section, with the defaults a missing key gets.
//
// Texts are Unicode here: the file is UTF-8, and code that stores a text in a record converts it
// to Windows-1252 there. Lengths count characters (Unicode code points), so a text is never cut
// inside a character. Colours are Windows colour values, red in the low byte.

#include "common/dialog_look.h"
#include "common/file_outcome.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace qx {

class IniFile;

inline constexpr QStringView SettingsFileName = u"QXMOR3.INI";

// The value types of the file, usable wherever a setting is read or written.
bool readYesNo(QStringView value);            // true only for "yes" in any letter case
int32_t readSettingNumber(QStringView value); // the start of the value read as a number, 12a gives 12
QString yesNoText(bool value);                // "Yes" or "No"

// Default-constructed, every field holds its default except the paths, which need the start-up
// directory: see defaults().
struct Settings {
    // Section "Misc": dialog start paths, the open collection, recent files and program options.
    struct Misc {
        // Initial file names of the import and export dialogs; the start-up directory by default.
        QString lastImportPuzzleFile;
        QString lastExportPuzzleFile;
        QString lastImportShapeFile;
        QString lastExportShapeFile;
        QString lastImportLayoutFile;
        QString lastExportLayoutFile;
        QString lastImportWordFile;
        QString lastExportWordFile;
        QString lastExportBitmapFile;
        QString lastExportJpegFile;
        QString lastExportEmfFile;
        QString lastExportWmfFile;
        QString lastExportHtmlFile;
        QString lastExportTextFile;
        QString lastCollection;           // path of the open collection file
        std::array<QString, 5> lastFiles; // "Last File 1" .. "Last File 5", the most recent first
        int windowSize = 640;             // 640, 800, 1024 or 1280
        bool backgroundBitmap = true;
        int dictionary = 1;     // 0 none, 1..8 a language, 9 choose at spell-check time
        int userDictionary = 1; // language last picked, 1..8
        int thesaurus = 1;      // 0 none, 1 American, 2 British, 3 choose at use time, 4 Spanish,
                                // 5 Italian, 6 French, 7 German, 8 Swedish
        int userThesaurus = 1;  // thesaurus last picked, 1, 2 or 4..8
        bool showTips = true;
        // The language of the windows: a code of programLanguages(), or empty to follow the system.
        QString language;

        friend bool operator==(const Misc &, const Misc &) = default;
    };

    // One header or footer of the HTML page.
    struct HtmlBlock {
        QString text;
        bool bold = false;
        bool italic = false;
        bool center = false;
        int fontSize = 3; // the HTML font size

        friend bool operator==(const HtmlBlock &, const HtmlBlock &) = default;
    };

    // Section "HTML".
    struct Html {
        HtmlBlock firstHeader{QStringLiteral("My Puzzle"), true, false, true, 4};
        HtmlBlock secondHeader;
        HtmlBlock firstFooter;
        HtmlBlock secondFooter;
        bool horizontalUpper = false;
        bool horizontalLower = false;
        QString webTitle = QStringLiteral("Crossword Puzzle");

        friend bool operator==(const Html &, const Html &) = default;
    };

    // Section "Create Options".
    struct CreateOptions {
        bool shrink = false;
        bool quickBuild = false;
        bool thorough = false;  // search for the best grid instead of running the attempts
        int thoroughEffort = 1; // the search's seconds on an ordinary two-core machine
        int attempts = 1;
        QChar sepChar = QLatin1Char(':'); // between word and clue in word list text files
        int importOption = 1;
        int exportOption = 3;
        int caseSensitivity = 3;
        int lastShape = 1;
        // "Int Key 1" .. "Int Key 12": the character codes, four decimal digits, of the
        // international character buttons.
        std::array<QString, 12> intKeys{
            QStringLiteral("0225"), QStringLiteral("0233"), QStringLiteral("0237"), QStringLiteral("0243"),
            QStringLiteral("0241"), QStringLiteral("0246"), QStringLiteral("0250"), QStringLiteral("0228"),
            QStringLiteral("0229"), QStringLiteral("0224"), QStringLiteral("0232"), QStringLiteral("0242"),
        };

        friend bool operator==(const CreateOptions &, const CreateOptions &) = default;
    };

    // Section "Page Layout".
    struct PageLayoutSettings {
        int zoom = 2;
        int designerLeft = 0;
        int designerTop = 0;
        int designerWidth = 640;
        int designerHeight = 480;
        int defaultPage = 0; // layout library record given to new puzzles

        friend bool operator==(const PageLayoutSettings &, const PageLayoutSettings &) = default;
    };

    // Section "Reports".
    struct Reports {
        bool defaultPrinter = true;
        int printerIndex = 0;
        int viewerLeft = 0;
        int viewerTop = 0;
        int viewerWidth = 640;
        int viewerHeight = 480;
        int pixelWidth = 640;
        int jpegQuality = 50;
        int pixelFormat = 1; // 1 = 16 million colours, 2 = 256 colours
        int boxColor = 0;
        bool useBoxes = true;
        bool answerKey = false;
        bool partialAnswer = false;
        bool partialLetters = false;
        QString letters;
        bool printTitle = true;
        bool printBody = true;
        bool printClues = true;
        bool printWords = true;
        bool printBonus = true;
        QString acrossLabel = QStringLiteral("Across");
        QString downLabel = QStringLiteral("Down");
        QChar wordSepChar = QLatin1Char(' '); // the separator of the "other" kind
        bool wordSepDash = false;
        bool wordSepSlash = false;
        bool wordSepPlus = false;
        bool wordSepStar = false;
        bool wordSepOther = false;

        friend bool operator==(const Reports &, const Reports &) = default;
    };

    Misc misc;
    Html html;
    CreateOptions createOptions;
    PageLayoutSettings pageLayout;
    Reports reports;
    UserFont editFont;
    UserFont labelFont;
    UserFont buttonFont;

    // The settings of a missing file. The defaults that name a path depend on the start-up
    // directory ("" is the root), and "Last Group" also on which sample files lie there.
    static Settings defaults(const QString &startupDir);
    // The settings of a new user, whose settings file the program is about to create: the defaults,
    // but a hundred creation attempts and the smallest square for a new puzzle, so that a first word
    // list is built whole. A file that exists, even one without these keys, gets defaults().
    static Settings firstRun(const QString &startupDir);
    static constexpr int FirstRunAttempts = 100;

    // Every field from its key, or its default when the key is missing.
    void load(const IniFile &ini, const QString &startupDir);
    // Every key, section by section in a fixed order, always all of them; other keys are left alone.
    void save(IniFile &ini) const;

    friend bool operator==(const Settings &, const Settings &) = default;
};

// The settings of the file at path. A missing or damaged file gives the defaults for whatever it
// does not hold; a file that cannot be read at all is a failure, and the caller starts with
// Settings::defaults() (the program must start regardless).
FileOutcome<Settings> loadSettings(const QString &path, const QString &startupDir);

// Writes every key into the file at path, keeping whatever else it holds, and replaces it
// atomically. A failure when the file exists but cannot be read (it is then left as it is) or when
// it cannot be written.
FileStatus saveSettings(const QString &path, const Settings &settings);

} // namespace qx
