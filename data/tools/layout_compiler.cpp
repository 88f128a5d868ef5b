// Compiles the page layout descriptions in data/layouts into the layout library the program ships,
// QXFPAGE.DAT.
//
//     quorvex_layout_compiler OUTPUT DESCRIPTION...
//
// A description is text, one "key: value" a line; a line starting with '#' is a comment. The
// page comes first:
//
//     name: Classic            up to 20 characters
//     paper: Letter            Letter, Legal, Executive (inches); A4, A5, B5 (centimetres)
//     orientation: portrait    or landscape
//     start: built-in          instead of paper and orientation: the page and objects of the
//                              layout a puzzle gets when no library is there
//
// then the objects in drawing order, each starting with "object: KIND" and followed by its keys:
//
//     bounds: 0.75 0.5 7.75 1.1    left top right bottom, in the paper's unit
//     font, size, style (bold italic underline), color (#RRGGBB), align (left centre right),
//     columns, split, fit, border (width, 0 for none), border-color, fill (#RRGGBB),
//     transparent, skeleton, number-font, number-size, line-width, label, and text (repeated
//     for more lines); yes or no for the switches.
//
// Object kinds: title, puzzle, down-heading, across-heading, down-clues, across-clues, words,
// bonus, combined-clues, text, bitmap, rectangle, circle. An object starts as the designer makes a
// new one of its kind, except that it has no border unless one is asked for.
//
// Each description becomes one record, in the order of the file names, so that record 0 (the
// default page of a new installation) and every other keep their numbers. Every description is
// checked first, objects inside the page and kinds within their limits included; a faulty one stops
// the build with "file:line: message" for each fault and leaves the last good library alone.

#include "common/record_file.h"
#include "layout/layout_defaults.h"
#include "layout/layout_library.h"
#include "layout/layout_units.h"

#include "library_compiler.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace qx;

namespace {

// Bounds are stored at the designer's medium zoom, 72 units an inch and 30 a centimetre, unless the
// layout starts from the built-in one.
constexpr int StoredZoom = ZoomMedium;

const std::map<std::string, ObjectKind> &kindNames()
{
    static const std::map<std::string, ObjectKind> names = {
        {"title", ObjectKind::Title},
        {"puzzle", ObjectKind::Puzzle},
        {"down-heading", ObjectKind::DownHeading},
        {"across-heading", ObjectKind::AcrossHeading},
        {"down-clues", ObjectKind::DownClues},
        {"across-clues", ObjectKind::AcrossClues},
        {"words", ObjectKind::WordList},
        {"bonus", ObjectKind::BonusQuestion},
        {"combined-clues", ObjectKind::CombinedClues},
        {"text", ObjectKind::Text},
        {"bitmap", ObjectKind::Bitmap},
        {"rectangle", ObjectKind::Rectangle},
        {"circle", ObjectKind::Circle},
    };
    return names;
}

std::string trimmed(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

class Description : public tools::CompilerSource {
public:
    using CompilerSource::CompilerSource;

    std::optional<PageLayout> compile()
    {
        const auto lines = readLines();
        if (!lines)
            return std::nullopt;
        m_layout = newLayout(StoredZoom);
        m_layout.LayoutName.set("");
        int lineNo = 0;
        for (const std::string &text : *lines) {
            ++lineNo;
            const std::string line = trimmed(text);
            if (line.empty() || line.front() == '#')
                continue;
            const auto colon = line.find(':');
            if (colon == std::string::npos) {
                fault(lineNo, "expected \"key: value\"");
                continue;
            }
            readKey(lineNo, trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1)));
        }
        finishObject();
        if (m_layout.LayoutName.str().empty())
            fault(0, "the layout has no name");
        if (faulty())
            return std::nullopt;
        return m_layout;
    }

private:
    bool inches() const { return m_layout.SizeInInches != 0; }

    void readKey(int line, const std::string &key, const std::string &value)
    {
        if (key == "object") {
            finishObject();
            startObject(line, value);
            return;
        }
        if (!m_inObject) {
            readPageKey(line, key, value);
            return;
        }
        if (!m_objectOk)
            return;
        if (!readObjectKey(line, key, value))
            fault(line, "unknown or malformed object key \"" + key + "\"");
    }

    void readPageKey(int line, const std::string &key, const std::string &value)
    {
        if (key == "start") {
            if (value != "built-in" || m_paperSet) {
                fault(line, "only \"start: built-in\" is known, before the paper and any object");
                return;
            }
            const std::string name = m_layout.LayoutName.str();
            m_layout = builtInDefaultLayout();
            m_layout.LayoutName.set(name);
            m_paperSet = true;
            return;
        }
        if (key == "name") {
            if (value.empty() || value.size() > 20)
                fault(line, "a layout name has 1 to 20 characters");
            else
                m_layout.LayoutName.set(value);
        } else if (key == "paper") {
            const PaperSize *paper = findStandardPaper(value);
            if (!paper) {
                fault(line, "unknown paper \"" + value + "\"");
                return;
            }
            m_layout.PaperName.set(value);
            m_layout.PageWidth = paper->width;
            m_layout.PageHeight = paper->height;
            m_layout.SizeInInches = paper->inches ? 1 : 0;
            m_paperSet = true;
        } else if (key == "orientation") {
            if (value != "portrait" && value != "landscape") {
                fault(line, "orientation is portrait or landscape");
                return;
            }
            m_landscape = value == "landscape";
        } else {
            fault(line, "unknown page key \"" + key + "\"");
            return;
        }
        if (m_landscape && m_layout.Portrait == 1) {
            std::swap(m_layout.PageWidth, m_layout.PageHeight);
            m_layout.Portrait = 0;
        }
        updateLayoutSize(m_layout, m_layout.DesignZoom);
    }

    void startObject(int line, const std::string &value)
    {
        m_inObject = true;
        m_objectOk = false;
        m_objectLine = line;
        m_boundsSet = false;
        if (!m_paperSet) {
            fault(line, "name the paper before the first object");
            return;
        }
        const auto kind = kindNames().find(value);
        if (kind == kindNames().end()) {
            fault(line, "unknown object kind \"" + value + "\"");
            return;
        }
        if (canAddKind(m_layout, kind->second) != AddCheck::Allowed) {
            fault(line, "a layout cannot hold this " + value + " as well");
            return;
        }
        m_object = newLayoutObject(kind->second, 0, 0, m_layout, m_layout.DesignZoom, HeadingTexts{});
        m_object.HasBorder = 0;
        m_objectOk = true;
        m_text.clear();
    }

    void finishObject()
    {
        if (!m_inObject || !m_objectOk)
            return;
        if (!m_boundsSet) {
            fault(m_objectLine, "the object has no bounds");
            return;
        }
        if (!m_text.empty())
            m_object.setText(m_text);
        m_layout.Objects[static_cast<size_t>(m_layout.ObjectCount)] = m_object;
        ++m_layout.ObjectCount;
        m_objectOk = false;
    }

    static std::optional<bool> yesNo(const std::string &v)
    {
        if (v == "yes")
            return true;
        if (v == "no")
            return false;
        return std::nullopt;
    }

    static std::optional<ColorValue> colour(const std::string &v)
    {
        if (v.size() != 7 || v[0] != '#')
            return std::nullopt;
        try {
            const unsigned long rgb = std::stoul(v.substr(1), nullptr, 16);
            // Stored with red in the low byte.
            return static_cast<ColorValue>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
        } catch (...) {
            return std::nullopt;
        }
    }

    static std::optional<int> whole(const std::string &v, int low, int high)
    {
        try {
            size_t used = 0;
            const int n = std::stoi(v, &used);
            if (used != v.size() || n < low || n > high)
                return std::nullopt;
            return n;
        } catch (...) {
            return std::nullopt;
        }
    }

    bool readBounds(int line, const std::string &value)
    {
        std::istringstream in(value);
        double v[4];
        if (!(in >> v[0] >> v[1] >> v[2] >> v[3]) || !(in >> std::ws).eof())
            return false;
        for (int i = 0; i < 4; ++i)
            m_object.Bounds[static_cast<size_t>(i)] = toLayoutUnits(v[i], m_layout.DesignZoom, inches());
        const auto &b = m_object.Bounds;
        if (b[0] < 0 || b[1] < 0 || b[2] > m_layout.LayoutWidth || b[3] > m_layout.LayoutHeight)
            fault(line, "the object reaches beyond the page");
        if (b[2] <= b[0] || b[3] <= b[1])
            fault(line, "the object has no width or no height");
        m_boundsSet = true;
        return true;
    }

    bool readObjectKey(int line, const std::string &key, const std::string &value)
    {
        LayoutObject &o = m_object;
        if (key == "bounds")
            return readBounds(line, value);
        if (key == "label" && !value.empty() && value.size() <= 15) {
            o.ObjectLabel.set(value);
            return true;
        }
        if ((key == "font" || key == "number-font") && !value.empty() && value.size() <= 30) {
            (key == "font" ? o.FontName : o.NumberFontName).set(value);
            return true;
        }
        if (key == "size" || key == "number-size") {
            const auto n = whole(value, 4, 200);
            if (n)
                (key == "size" ? o.FontSize : o.NumberFontSize) = static_cast<int16_t>(*n);
            return n.has_value();
        }
        if (key == "style") {
            std::istringstream in(value);
            o.Bold = o.Italic = o.Underline = 0;
            for (std::string word; in >> word;) {
                if (word == "bold")
                    o.Bold = 1;
                else if (word == "italic")
                    o.Italic = 1;
                else if (word == "underline")
                    o.Underline = 1;
                else
                    return false;
            }
            return true;
        }
        if (key == "align") {
            const std::map<std::string, int16_t> aligns = {{"left", 1}, {"centre", 2}, {"right", 3}};
            const auto a = aligns.find(value);
            if (a != aligns.end())
                o.Alignment = a->second;
            return a != aligns.end();
        }
        if (key == "columns") {
            const auto n = whole(value, 1, 6);
            if (n)
                o.Columns = static_cast<int16_t>(*n);
            return n.has_value();
        }
        if (key == "border" || key == "line-width") {
            const auto n = whole(value, 0, 20);
            if (!n)
                return false;
            if (key == "border") {
                o.HasBorder = *n > 0 ? 1 : 0;
                o.BorderWidth = static_cast<int16_t>(std::max(*n, 1));
            } else {
                o.LineWidth = *n;
            }
            return true;
        }
        if (key == "color" || key == "border-color" || key == "fill") {
            const auto c = colour(value);
            if (!c)
                return false;
            if (key == "color")
                o.FontColor = *c;
            else if (key == "border-color")
                o.BorderColor = *c;
            else {
                o.FillColor = *c;
                o.Filled = 1;
            }
            return true;
        }
        if (key == "split" || key == "fit" || key == "transparent" || key == "skeleton") {
            const auto b = yesNo(value);
            if (!b)
                return false;
            const uint8_t v = *b ? 1 : 0;
            if (key == "split")
                o.Split = v;
            else if (key == "fit")
                o.MakeItFit = v;
            else
                o.Transparent = v; // a grid's skeleton shares the byte
            return true;
        }
        if (key == "text") {
            if (!m_text.empty())
                m_text += "\r\n";
            m_text += value;
            return m_text.size() <= 1000;
        }
        return false;
    }

    PageLayout m_layout;
    bool m_paperSet = false;
    bool m_landscape = false;
    bool m_inObject = false;
    bool m_objectOk = false;
    bool m_boundsSet = false;
    int m_objectLine = 0;
    LayoutObject m_object;
    std::string m_text;
};

} // namespace

int main(int argc, char **argv)
{
    return qx::tools::compileLibrary<LayoutLibrary, Description>(
        argc, argv, "DESCRIPTION", "layout", [](const PageLayout &layout) { return layout.encoded(); });
}
