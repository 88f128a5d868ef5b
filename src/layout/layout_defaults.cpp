#include "layout/layout_defaults.h"

#include "layout/layout_units.h"

namespace qx {

namespace {

constexpr ColorValue White = 0x00FFFFFF;

struct KindInfo {
    const char *label; // the label, or its stem for the kinds allowed any number of times
    double width;
    double height;
    bool once;
};

// Indexed by kind - 1.
constexpr KindInfo Kinds[13] = {
    {"Title", 2, 0.25, true},       {"Puzzle", 3, 3, true},
    {"Down Header", 2, 0.25, true}, {"Across Header", 2, 0.25, true},
    {"Down Clues", 2, 3, true},     {"Across Clues", 2, 3, true},
    {"Words", 2, 3, true},          {"Bonus Question", 4, 0.25, true},
    {"Combined Clues", 4, 3, true}, {"Text", 2, 2, false},
    {"Bitmap", 2, 2, false},        {"Rectangle", 2, 2, false},
    {"Circle", 2, 2, false},
};

const KindInfo *infoOf(ObjectKind kind)
{
    const auto k = static_cast<int16_t>(kind);
    return isObjectKind(k) ? &Kinds[k - 1] : nullptr;
}

bool isSeparateClueKind(int16_t k)
{
    return k >= 3 && k <= 6;
}

constexpr int16_t CombinedKind = static_cast<int16_t>(ObjectKind::CombinedClues);

LayoutObject defaultLayoutObject(ObjectKind kind, const char *label, std::array<int32_t, 4> bounds)
{
    LayoutObject o;
    o.Kind = static_cast<int16_t>(kind);
    o.ObjectLabel.set(label);
    o.Bounds = bounds;
    o.FontName.set("Arial");
    o.FontSize = 12;
    o.Alignment = 2;
    o.Transparent = 1;
    o.MakeItFit = 1;
    o.HasBorder = 0;
    o.BorderWidth = 1;
    o.FillColor = White;
    return o;
}

} // namespace

PageLayout builtInDefaultLayout()
{
    PageLayout p;
    p.LayoutName.set("New Page");
    p.PaperName.set("Letter");
    p.PageWidth = 8.5;
    p.PageHeight = 11;
    p.LayoutWidth = 408;
    p.LayoutHeight = 528;
    p.SizeInInches = 1;
    p.Portrait = 1;
    p.DesignZoom = 1;
    p.ObjectCount = 6;

    p.Objects[0] = defaultLayoutObject(ObjectKind::Title, "Title", {48, 48, 360, 72});

    auto &grid = p.Objects[1] = defaultLayoutObject(ObjectKind::Puzzle, "Puzzle", {96, 76, 312, 292});
    grid.NumberFontName.set("Arial");
    grid.NumberFontSize = 5;
    grid.SquareColor = White;
    grid.NumbersHorizontal = 1;
    grid.LineWidth = 1;
    grid.FillColor = 0;

    p.Objects[2] = defaultLayoutObject(ObjectKind::AcrossHeading, "Across Header", {48, 297, 192, 312});
    p.Objects[3] = defaultLayoutObject(ObjectKind::DownHeading, "Down Header", {216, 297, 360, 312});
    p.Objects[4] = defaultLayoutObject(ObjectKind::AcrossClues, "Across Clues", {48, 316, 192, 484});
    p.Objects[4].Columns = 1;
    p.Objects[5] = defaultLayoutObject(ObjectKind::DownClues, "Down Clues", {216, 316, 360, 484});
    p.Objects[5].Columns = 1;
    return p;
}

PageLayout newLayout(int zoom)
{
    PageLayout p;
    p.LayoutName.set("New Page");
    p.PaperName.set("Letter");
    p.PageWidth = 8.5;
    p.PageHeight = 11;
    p.SizeInInches = 1;
    p.Portrait = 1;
    p.ObjectCount = 0;
    p.DesignZoom = static_cast<int16_t>(zoom);
    updateLayoutSize(p, zoom);
    return p;
}

ObjectSize newObjectSize(ObjectKind kind)
{
    const auto *info = infoOf(kind);
    return info ? ObjectSize{info->width, info->height} : ObjectSize{};
}

int countOfKind(const PageLayout &layout, ObjectKind kind)
{
    int n = 0;
    for (int k = 0; k < layout.objectsInUse(); ++k)
        if (layout.Objects[k].Kind == static_cast<int16_t>(kind))
            ++n;
    return n;
}

std::string newObjectLabel(ObjectKind kind, const PageLayout &layout)
{
    const auto *info = infoOf(kind);
    if (!info)
        return {};
    std::string label = info->label;
    // Appended, not "literal" + number: GCC 12 at -O3 warns falsely (-Wrestrict) about that form.
    if (!info->once)
        label.append(" ").append(std::to_string(countOfKind(layout, kind) + 1));
    if (label.size() > 15)
        label.resize(15);
    return label;
}

LayoutObject newLayoutObject(ObjectKind kind, int left, int top, const PageLayout &layout, int zoom,
                             const HeadingTexts &headings)
{
    const bool inches = inInches(layout);
    const auto size = newObjectSize(kind);
    LayoutObject o;
    o.Kind = static_cast<int16_t>(kind);
    o.ObjectLabel.set(newObjectLabel(kind, layout));
    o.Bounds = {left, top, wholePart(static_cast<double>(left) + toLayoutUnits(size.width, zoom, inches)),
                wholePart(static_cast<double>(top) + toLayoutUnits(size.height, zoom, inches))};
    o.FontName.set("Arial");
    o.FontSize = 10;
    o.NumberFontName.set("Arial");
    o.NumberFontSize = 5;
    o.SquareColor = White;
    o.NumbersHorizontal = 1;
    o.LineWidth = 1;
    const bool centred =
        kind == ObjectKind::Title || kind == ObjectKind::DownHeading || kind == ObjectKind::AcrossHeading;
    o.Alignment = centred ? 2 : 1;
    if (kind == ObjectKind::CombinedClues)
        o.setText("Across:Down");
    else if (kind == ObjectKind::AcrossHeading)
        o.setText(headings.across);
    else if (kind == ObjectKind::DownHeading)
        o.setText(headings.down);
    else
        o.setText("");
    o.Transparent = (kind == ObjectKind::Puzzle || kind == ObjectKind::Bitmap) ? 0 : 1;
    o.Columns = kind == ObjectKind::CombinedClues ? 2 : 1;
    o.Split = 0;
    o.MakeItFit = 1;
    o.Filled = 0;
    o.FillColor = kind == ObjectKind::Puzzle ? 0 : White;
    o.BorderColor = 0;
    o.HasBorder = kind == ObjectKind::Bitmap ? 0 : 1;
    o.BorderWidth = 1;
    return o;
}

AddCheck canAddKind(const PageLayout &layout, ObjectKind kind)
{
    const auto *info = infoOf(kind);
    if (!info)
        return AddCheck::NotAKind;
    if (layout.objectsInUse() >= PageLayout::MaxObjects)
        return AddCheck::LayoutFull;
    if (info->once && countOfKind(layout, kind) > 0)
        return AddCheck::AlreadyPresent;
    const auto k = static_cast<int16_t>(kind);
    for (int i = 0; i < layout.objectsInUse(); ++i) {
        const auto present = layout.Objects[i].Kind;
        if (isSeparateClueKind(k) && present == CombinedKind)
            return AddCheck::ConflictsWithCombinedClues;
        if (k == CombinedKind && isSeparateClueKind(present))
            return AddCheck::ConflictsWithSeparateClues;
    }
    return AddCheck::Allowed;
}

} // namespace qx
