#include "layout/object_edits.h"

#include "common/cp1252.h"
#include "common/storable_text.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qx {

namespace {

bool inUse(const PageLayout &layout, int t)
{
    return t >= 1 && t <= layout.objectsInUse();
}

// A plain decimal number: an optional sign, digits, an optional point and more digits, at least one
// digit in all. Anything else, exponents and the words "inf" and "nan" included, is no number.
std::optional<double> plainDecimal(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = text.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// u * value rounded to the nearest whole unit, a half to the even neighbour; nothing when it does
// not fit in 32 bits.
std::optional<int64_t> toUnits(double value, int unitsPerPageUnit)
{
    const double units = std::nearbyint(static_cast<double>(unitsPerPageUnit) * value);
    if (!(units >= std::numeric_limits<int32_t>::min() && units <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int64_t>(units);
}

bool fits32(int64_t v)
{
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

constexpr unsigned bit(ObjectCommand c)
{
    return 1u << static_cast<unsigned>(c);
}

constexpr unsigned Always = bit(ObjectCommand::SizePosition) | bit(ObjectCommand::Delete) |
                            bit(ObjectCommand::BringToFront) | bit(ObjectCommand::SendToBack);
constexpr unsigned Alignment =
    bit(ObjectCommand::AlignLeft) | bit(ObjectCommand::AlignCenter) | bit(ObjectCommand::AlignRight);
constexpr unsigned Text = bit(ObjectCommand::Properties) | bit(ObjectCommand::Border) | bit(ObjectCommand::TextFont);

unsigned offeredFor(int16_t kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
    case ObjectKind::BonusQuestion:
        return Always | Text | Alignment;
    case ObjectKind::Puzzle:
        return Always | bit(ObjectCommand::Properties) | bit(ObjectCommand::TextFont) | bit(ObjectCommand::NumberFont);
    case ObjectKind::DownHeading:
    case ObjectKind::AcrossHeading:
    case ObjectKind::Text:
        return Always | Text | Alignment | bit(ObjectCommand::ChangeText);
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
    case ObjectKind::CombinedClues:
        return Always | Text;
    case ObjectKind::Bitmap:
        return Always | bit(ObjectCommand::Border) | bit(ObjectCommand::LoadBitmap);
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        return Always | bit(ObjectCommand::Border) | bit(ObjectCommand::Fill);
    }
    return Always;
}

} // namespace

bool commandOffered(int16_t kind, ObjectCommand command)
{
    return (offeredFor(kind) & bit(command)) != 0;
}

bool deleteObject(PageLayout &layout, int t)
{
    const int count = layout.objectsInUse();
    if (!inUse(layout, t))
        return false;
    auto &objects = layout.Objects;
    std::move(objects.begin() + t, objects.begin() + count, objects.begin() + (t - 1));
    layout.ObjectCount = static_cast<int16_t>(count - 1);
    return true;
}

bool bringToFront(PageLayout &layout, int t)
{
    if (!inUse(layout, t))
        return false;
    auto &objects = layout.Objects;
    std::rotate(objects.begin() + (t - 1), objects.begin() + t, objects.begin() + layout.objectsInUse());
    return true;
}

bool sendToBack(PageLayout &layout, int t)
{
    if (!inUse(layout, t))
        return false;
    auto &objects = layout.Objects;
    std::rotate(objects.begin(), objects.begin() + (t - 1), objects.begin() + t);
    return true;
}

QString pageUnitText(int64_t units, int unitsPerPageUnit)
{
    return QString::number(static_cast<double>(units) / unitsPerPageUnit, 'f', 3);
}

SizePositionReading readSizePosition(const SizePositionEntry &entry, int unitsPerPageUnit, int layoutWidth,
                                     int layoutHeight)
{
    SizePositionReading reading;
    std::array<int64_t, 4> units{};
    for (int i = 0; i < 4; ++i) {
        const auto box = static_cast<SizeBox>(i);
        const auto value = plainDecimal(QStringView(entry.texts[static_cast<size_t>(i)]).trimmed());
        const bool size = box == SizeBox::Width || box == SizeBox::Height;
        const auto u = value && (size ? *value > 0 : *value >= 0) ? toUnits(*value, unitsPerPageUnit) : std::nullopt;
        // The far edge is made from the near one: it must fit as well.
        if (!u || (size && !fits32(units[static_cast<size_t>(i - 2)] + *u))) {
            reading.invalid = box;
            return reading;
        }
        units[static_cast<size_t>(i)] = *u;
    }
    reading.bounds = {static_cast<int32_t>(units[0]), static_cast<int32_t>(units[1]),
                      static_cast<int32_t>(units[0] + units[2]), static_cast<int32_t>(units[1] + units[3])};
    reading.offPage = !(units[0] < layoutWidth && units[1] < layoutHeight);
    return reading;
}

QString splitColumnsText(QStringView columnsBox)
{
    const QStringView text = columnsBox.trimmed();
    int64_t n = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        n = std::min<int64_t>(n * 10 + (c.unicode() - u'0'), std::numeric_limits<int16_t>::max());
    }
    if (n == 0)
        return QStringLiteral("2");
    return QString::number(n - n % 2);
}

QString objectTextLines(std::string_view stored)
{
    QString text = cp1252::toUnicode(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

qsizetype storedObjectTextLength(QStringView lines)
{
    return lines.size() + lines.count(u'\n');
}

std::string storedObjectText(const QString &lines)
{
    QStringList kept = lines.split(QLatin1Char('\n'));
    for (QString &line : kept)
        line = withoutUnstorable(line);
    std::string stored = cp1252::fromUnicode(kept.join(QStringLiteral("\r\n"))).value_or(std::string());
    if (stored.size() > static_cast<size_t>(MaxStoredObjectText)) {
        stored.resize(static_cast<size_t>(MaxStoredObjectText));
        if (stored.back() == '\r')
            stored.pop_back();
    }
    return stored;
}

std::optional<int> positiveWholeNumber(QStringView text, int max)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty() || t.size() > 10)
        return std::nullopt;
    int64_t n = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    if (n < 1 || n > max)
        return std::nullopt;
    return static_cast<int>(n);
}

} // namespace qx
