#include "store/settings.h"

#include "common/ini_file.h"
#include "common/text.h"
#include "shapes/shape_record.h"

#include <QFileInfo>

namespace qx {

namespace {

// Yes/No and Number values are read through a buffer of 14 characters, so anything past that
// is never seen: "yes" followed by blanks and more text reads as No.
constexpr int ShortValueLength = 14;
// Texts are read through a buffer of 149 characters unless the key says otherwise.
constexpr int TextLength = 149;

// The first n characters, counting a surrogate pair as one character so none is ever split.
QString firstChars(QStringView text, int n)
{
    qsizetype i = 0;
    for (int count = 0; count < n && i < text.size(); ++count)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return text.first(i).toString();
}

QString numberKey(QStringView prefix, int n)
{
    return prefix.toString() + QString::number(n);
}

// Both directions walk the keys through this one list, so the order written is the order read
// and a key cannot be added to one side only.
template <typename S, typename Visitor>
void visitFont(Visitor &v, QStringView section, S &font)
{
    v.section(section);
    v.text(u"Font Name", font.name);
    v.yesNo(u"Bold", font.bold);
    v.yesNo(u"Italic", font.italic);
    v.number(u"Color", font.color);
}

template <typename S, typename Visitor>
void visitHtmlBlock(Visitor &v, QStringView name, S &block)
{
    constexpr int HtmlTextLength = 999;
    v.text(name, block.text, HtmlTextLength);
    v.yesNo(QStringLiteral("Bold ") + name.toString(), block.bold);
    v.yesNo(QStringLiteral("Italic ") + name.toString(), block.italic);
    v.yesNo(QStringLiteral("Center ") + name.toString(), block.center);
    v.number(QStringLiteral("Font ") + name.toString(), block.fontSize);
}

// Where a window stands and how large it is, under four keys named after the window.
template <typename Visitor, typename Number>
void visitWindowPlace(Visitor &v, QStringView window, Number &left, Number &top, Number &width, Number &height)
{
    v.number(window.toString() + QStringLiteral(" Left"), left);
    v.number(window.toString() + QStringLiteral(" Top"), top);
    v.number(window.toString() + QStringLiteral(" Width"), width);
    v.number(window.toString() + QStringLiteral(" Height"), height);
}

template <typename S, typename Visitor>
void visitSettings(S &s, Visitor &v)
{
    auto &misc = s.misc;
    v.section(u"Misc");
    v.text(u"Last Import Puzzle File", misc.lastImportPuzzleFile);
    v.text(u"Last Export Puzzle File", misc.lastExportPuzzleFile);
    v.text(u"Last Import Shape File", misc.lastImportShapeFile);
    v.text(u"Last Export Shape File", misc.lastExportShapeFile);
    v.text(u"Last Import Layout File", misc.lastImportLayoutFile);
    v.text(u"Last Export Layout File", misc.lastExportLayoutFile);
    v.text(u"Last Import Word File", misc.lastImportWordFile);
    v.text(u"Last Export Word File", misc.lastExportWordFile);
    v.text(u"Last Export Bitmap File", misc.lastExportBitmapFile);
    v.text(u"Last Export JPEG File", misc.lastExportJpegFile);
    v.text(u"Last Export EMF File", misc.lastExportEmfFile);
    v.text(u"Last Export WMF File", misc.lastExportWmfFile);
    v.text(u"Last Export HTML File", misc.lastExportHtmlFile);
    v.text(u"Last Export Text File", misc.lastExportTextFile);
    v.text(u"Last Group", misc.lastCollection);
    for (int i = 0; i < 5; ++i)
        v.text(numberKey(u"Last File ", i + 1), misc.lastFiles[static_cast<size_t>(i)], 254);
    v.number(u"Window Size", misc.windowSize);
    v.yesNo(u"Background Bitmap", misc.backgroundBitmap);
    v.number(u"Dictionary", misc.dictionary);
    v.number(u"User Dictionary", misc.userDictionary);
    v.number(u"Thesaurus", misc.thesaurus);
    v.number(u"User Thesaurus", misc.userThesaurus);
    v.yesNo(u"Show Tips", misc.showTips);
    v.text(u"Language", misc.language, 8);

    auto &html = s.html;
    v.section(u"HTML");
    visitHtmlBlock(v, u"First Header", html.firstHeader);
    visitHtmlBlock(v, u"Second Header", html.secondHeader);
    visitHtmlBlock(v, u"First Footer", html.firstFooter);
    visitHtmlBlock(v, u"Second Footer", html.secondFooter);
    v.yesNo(u"Horizontal Upper", html.horizontalUpper);
    v.yesNo(u"Horizontal Lower", html.horizontalLower);
    v.text(u"Web Title", html.webTitle, 100);

    auto &create = s.createOptions;
    v.section(u"Create Options");
    v.yesNo(u"Shrink", create.shrink);
    v.yesNo(u"Quick Build", create.quickBuild);
    v.yesNo(u"Thorough", create.thorough);
    v.number(u"Thorough Effort", create.thoroughEffort);
    v.number(u"Attempts", create.attempts);
    v.character(u"Sep Char", create.sepChar, QLatin1Char(':'));
    v.number(u"Import Option", create.importOption);
    v.number(u"Export Option", create.exportOption);
    v.number(u"Case Sensitivity", create.caseSensitivity);
    v.number(u"Last Shape", create.lastShape);
    for (int i = 0; i < 12; ++i)
        v.text(numberKey(u"Int Key ", i + 1), create.intKeys[static_cast<size_t>(i)], 4);

    auto &page = s.pageLayout;
    v.section(u"Page Layout");
    v.number(u"Zoom", page.zoom);
    visitWindowPlace(v, u"Page Designer Window", page.designerLeft, page.designerTop, page.designerWidth,
                     page.designerHeight);
    v.number(u"Default Page", page.defaultPage);

    auto &reports = s.reports;
    v.section(u"Reports");
    v.yesNo(u"Default Printer", reports.defaultPrinter);
    v.number(u"Printer Index", reports.printerIndex);
    visitWindowPlace(v, u"Report Viewing Window", reports.viewerLeft, reports.viewerTop, reports.viewerWidth,
                     reports.viewerHeight);
    v.number(u"Pixel Width", reports.pixelWidth);
    v.number(u"JPeg Compression Quality", reports.jpegQuality);
    v.number(u"Pixel Format", reports.pixelFormat);
    v.number(u"Box Color", reports.boxColor);
    v.yesNo(u"Use Boxes", reports.useBoxes);
    v.yesNo(u"Answer Key", reports.answerKey);
    v.yesNo(u"Partial Answer", reports.partialAnswer);
    v.yesNo(u"Partial Letters", reports.partialLetters);
    v.text(u"Letters", reports.letters, 25);
    v.yesNo(u"Print Title", reports.printTitle);
    v.yesNo(u"Print Body", reports.printBody);
    v.yesNo(u"Print Clues", reports.printClues);
    v.yesNo(u"Print Words", reports.printWords);
    v.yesNo(u"Print Bonus", reports.printBonus);
    v.text(u"Across Label", reports.acrossLabel, 25);
    v.text(u"Down Label", reports.downLabel, 25);
    v.character(u"Word Sep Char", reports.wordSepChar, QLatin1Char(' '));
    v.yesNo(u"Word Sep Dash", reports.wordSepDash);
    v.yesNo(u"Word Sep Slash", reports.wordSepSlash);
    v.yesNo(u"Word Sep Plus", reports.wordSepPlus);
    v.yesNo(u"Word Sep Star", reports.wordSepStar);
    v.yesNo(u"Word Sep Other", reports.wordSepOther);

    visitFont(v, u"Edit Font", s.editFont);
    visitFont(v, u"Label Font", s.labelFont);
    visitFont(v, u"Button Font", s.buttonFont);
}

// A missing key leaves the field at its default; a present one, even empty, replaces it.
class Reader {
public:
    explicit Reader(const IniFile &ini) : m_ini(ini) {}

    void section(QStringView name) { m_section = name.toString(); }

    void yesNo(QStringView key, bool &field)
    {
        if (const auto v = m_ini.value(m_section, key))
            field = readYesNo(*v);
    }
    void number(QStringView key, int &field)
    {
        if (const auto v = m_ini.value(m_section, key))
            field = readSettingNumber(*v);
    }
    // The read limit and the size of the field act one after the other, so the smaller one
    // is the length kept.
    void text(QStringView key, QString &field, int limit = TextLength)
    {
        if (const auto v = m_ini.value(m_section, key))
            field = firstChars(*v, limit);
    }
    // A character outside the Basic Multilingual Plane can be no separator in a Windows-1252
    // word list, so it counts as no character at all.
    void character(QStringView key, QChar &field, QChar fallback)
    {
        if (const auto v = m_ini.value(m_section, key))
            field = v->isEmpty() || v->front().isSurrogate() ? fallback : v->front();
    }

private:
    const IniFile &m_ini;
    QString m_section;
};

class Writer {
public:
    explicit Writer(IniFile &ini) : m_ini(ini) {}

    void section(QStringView name) { m_section = name.toString(); }

    void yesNo(QStringView key, bool field) { m_ini.setValue(m_section, key, yesNoText(field)); }
    void number(QStringView key, int field) { m_ini.setValue(m_section, key, QString::number(field)); }
    void text(QStringView key, const QString &field, int = TextLength) { m_ini.setValue(m_section, key, field); }
    void character(QStringView key, QChar field, QChar) { m_ini.setValue(m_section, key, QString(field)); }

private:
    IniFile &m_ini;
    QString m_section;
};

} // namespace

bool readYesNo(QStringView value)
{
    return firstChars(value, ShortValueLength).compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0;
}

int32_t readSettingNumber(QStringView value)
{
    // Only ASCII takes part in a number; any other character ends it whatever its UTF-8 bytes.
    const QByteArray bytes = firstChars(value, ShortValueLength).toUtf8();
    return readNumber(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QString yesNoText(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

Settings Settings::defaults(const QString &startupDir)
{
    Settings s;
    // The root is kept as "" so that a file name can be appended after a slash; as a dialog's
    // starting place it has to be spelled out.
    const QString dir = startupDir.isEmpty() ? QStringLiteral("/") : startupDir;
    auto &m = s.misc;
    for (QString *path : {&m.lastImportPuzzleFile, &m.lastExportPuzzleFile, &m.lastImportShapeFile,
                          &m.lastExportShapeFile, &m.lastImportLayoutFile, &m.lastExportLayoutFile,
                          &m.lastImportWordFile, &m.lastExportWordFile, &m.lastExportBitmapFile, &m.lastExportJpegFile,
                          &m.lastExportEmfFile, &m.lastExportWmfFile, &m.lastExportHtmlFile, &m.lastExportTextFile})
        *path = dir;

    // A first start opens the shipped sample, until the user has a default collection of their own.
    const QString sample = startupDir + QStringLiteral("/SAMPLE.QX3");
    const QString fallback = startupDir + QStringLiteral("/DEFAULT.QX3");
    m.lastCollection = QFileInfo(sample).isFile() && !QFileInfo(fallback).isFile() ? sample : fallback;
    return s;
}

Settings Settings::firstRun(const QString &startupDir)
{
    Settings s = defaults(startupDir);
    s.createOptions.attempts = FirstRunAttempts;
    s.createOptions.lastShape = SmallestSquareMarker;
    return s;
}

void Settings::load(const IniFile &ini, const QString &startupDir)
{
    *this = defaults(startupDir);
    Reader reader(ini);
    visitSettings(*this, reader);
}

void Settings::save(IniFile &ini) const
{
    Writer writer(ini);
    visitSettings(*this, writer);
}

FileOutcome<Settings> loadSettings(const QString &path, const QString &startupDir)
{
    const auto ini = IniFile::load(path);
    if (!ini)
        return ini.error();
    Settings settings;
    settings.load(*ini, startupDir);
    return settings;
}

FileStatus saveSettings(const QString &path, const Settings &settings)
{
    auto ini = IniFile::load(path);
    if (!ini)
        return ini.error();
    settings.save(*ini);
    return ini->save(path);
}

} // namespace qx
