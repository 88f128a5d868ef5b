#include "cli/json_records.h"

#include "common/cp1252.h"

#include <QJsonArray>

namespace qx::cli {

namespace {

template <int N>
QJsonValue text(const PString<N> &s)
{
    return cp1252::toUnicode(s.str());
}

template <typename Array>
QJsonArray numbers(const Array &values)
{
    QJsonArray out;
    for (const auto v : values)
        out.append(static_cast<qint64>(v));
    return out;
}

template <int N, size_t Count>
QJsonArray texts(const std::array<PString<N>, Count> &values)
{
    QJsonArray out;
    for (const auto &v : values)
        out.append(text(v));
    return out;
}

} // namespace

QJsonObject layoutObjectJson(const LayoutObject &o)
{
    return QJsonObject{
        {"Kind", o.Kind},
        {"ObjectLabel", text(o.ObjectLabel)},
        {"Bounds", numbers(o.Bounds)},
        {"FontName", text(o.FontName)},
        {"FontSize", o.FontSize},
        {"FontColor", static_cast<qint64>(o.FontColor)},
        {"Bold", o.Bold},
        {"Italic", o.Italic},
        {"Underline", o.Underline},
        {"StrikeOut", o.StrikeOut},
        {"NumberFontName", text(o.NumberFontName)},
        {"NumberFontSize", o.NumberFontSize},
        {"NumberFontColor", static_cast<qint64>(o.NumberFontColor)},
        {"NumberStyle", numbers(o.NumberStyle)},
        {"SquareColor", static_cast<qint64>(o.SquareColor)},
        {"LineColor", static_cast<qint64>(o.LineColor)},
        {"NumbersHorizontal", o.NumbersHorizontal},
        {"LineWidth", o.LineWidth},
        {"Alignment", o.Alignment},
        {"Text", cp1252::toUnicode(o.text())},
        {"Transparent", o.Transparent},
        {"Columns", o.Columns},
        {"Split", o.Split},
        {"MakeItFit", o.MakeItFit},
        {"Filled", o.Filled},
        {"FillColor", static_cast<qint64>(o.FillColor)},
        {"BorderColor", static_cast<qint64>(o.BorderColor)},
        {"HasBorder", o.HasBorder},
        {"BorderWidth", o.BorderWidth},
        {"BitmapFile", text(o.BitmapFile)},
        {"UsedFontSize", o.UsedFontSize},
    };
}

QJsonObject pageLayoutJson(const PageLayout &l)
{
    QJsonArray objects;
    for (int k = 0; k < l.objectsInUse(); ++k)
        objects.append(layoutObjectJson(l.Objects[static_cast<size_t>(k)]));
    return QJsonObject{
        {"LayoutName", text(l.LayoutName)},
        {"PaperName", text(l.PaperName)},
        {"PageWidth", l.PageWidth},
        {"PageHeight", l.PageHeight},
        {"LayoutWidth", l.LayoutWidth},
        {"LayoutHeight", l.LayoutHeight},
        {"SizeInInches", l.SizeInInches},
        {"ObjectCount", l.ObjectCount},
        {"Portrait", l.Portrait},
        {"DesignZoom", l.DesignZoom},
        {"Objects", objects},
    };
}

QJsonObject puzzleRecordJson(const PuzzleRecord &r)
{
    return QJsonObject{
        {"VersionTag", text(r.VersionTag)},
        {"Category", text(r.Category)},
        {"PuzzleName", text(r.PuzzleName)},
        {"GridWidth", r.GridWidth},
        {"GridHeight", r.GridHeight},
        {"Grid", numbers(r.Grid)},
        {"WordCount", r.WordCount},
        {"AcrossCount", r.AcrossCount},
        {"DownCount", r.DownCount},
        {"Words", texts(r.Words)},
        {"Clues", texts(r.Clues)},
        {"WordPos", numbers(r.WordPos)},
        {"WordLen", numbers(r.WordLen)},
        {"WordNumber", numbers(r.WordNumber)},
        {"WordAcross", numbers(r.WordAcross)},
        {"WordPlaced", numbers(r.WordPlaced)},
        {"PuzzleBuilt", r.PuzzleBuilt},
        {"PageLayout", pageLayoutJson(r.Layout)},
        {"BonusQuestion", text(r.BonusQuestion)},
    };
}

} // namespace qx::cli
