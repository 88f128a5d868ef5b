#include "export/metafile_writer.h"

#include "common/cp1252.h"
#include "report/font_measure.h"

#include <uwmf.h> // includes uemf.h

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace qx {

namespace {

constexpr double PixelsPerInch = 96;
// The physical size the header states: the page in hundredths of a millimetre, enlarged by a
// fifth as the program has always written it.
constexpr double FrameUnitsPerInch = 2540 * 1.2;

// A whole pixel: the fraction dropped, held to what a 16-bit coordinate holds. A coordinate a hair
// below a whole pixel (the sum of a border's one-pixel steps) counts as that pixel.
int16_t pixel(double inches)
{
    const double v = inches * PixelsPerInch;
    if (!std::isfinite(v))
        return 0;
    const double whole = std::trunc(v + (v >= 0 ? 1e-6 : -1e-6));
    return static_cast<int16_t>(std::clamp(whole, static_cast<double>(std::numeric_limits<int16_t>::min()),
                                           static_cast<double>(std::numeric_limits<int16_t>::max())));
}

int wholePart(double v, double limit)
{
    return std::isfinite(v) ? static_cast<int>(std::clamp(std::trunc(v), 0.0, limit)) : 0;
}

U_COLORREF colorRef(QRgb rgb)
{
    return colorref3_set(static_cast<uint8_t>(qRed(rgb)), static_cast<uint8_t>(qGreen(rgb)),
                         static_cast<uint8_t>(qBlue(rgb)));
}

// A font's height in metafile units: its size in pixels, negative to ask for the character height.
int fontHeight(const ReportFont &font)
{
    return -(font.size * 96 / 72);
}

struct Pen {
    bool none = false;
    int width = 1;
    QRgb color = 0;
    friend bool operator==(const Pen &, const Pen &) = default;
};

struct Brush {
    bool none = false;
    QRgb color = 0;
    friend bool operator==(const Brush &, const Brush &) = default;
};

struct PixelRect {
    int16_t left, top, right, bottom;
};

// The records of one kind of metafile. The page walk below says what to draw; a device turns it
// into its records, and keeps the one pen, brush and font selected.
class MetafileDevice {
public:
    virtual ~MetafileDevice() = default;
    virtual bool ok() const = 0;
    virtual void selectPen(const Pen &pen) = 0;
    virtual void selectBrush(const Brush &brush) = 0;
    virtual void selectFont(const ReportFont &font) = 0;
    virtual void setTextColor(QRgb color) = 0;
    virtual void setBackground(bool opaque, QRgb color) = 0;
    virtual void setTextAlign(bool byTop) = 0;
    virtual void rectangle(const PixelRect &r) = 0;
    virtual void ellipse(const PixelRect &r) = 0;
    virtual void arc(const PixelRect &r, int16_t startX, int16_t startY, int16_t endX, int16_t endY) = 0;
    virtual void moveTo(int16_t x, int16_t y) = 0;
    virtual void lineTo(int16_t x, int16_t y) = 0;
    virtual void text(int16_t x, int16_t y, const QString &text, const ReportFont &font) = 0;
    virtual QByteArray finish() = 0;
};

// libUEMF writes a finished metafile to a FILE; this one collects the bytes in memory.
class MemoryFile {
public:
    MemoryFile() : m_file(open_memstream(&m_data, &m_size)) {}
    ~MemoryFile()
    {
        if (m_file)
            std::fclose(m_file);
        std::free(m_data);
    }
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    // Hands the stream to libUEMF, which closes it when it finishes.
    FILE *release()
    {
        FILE *f = m_file;
        m_file = nullptr;
        return f;
    }
    QByteArray bytes() const { return QByteArray(m_data, static_cast<qsizetype>(m_size)); }

private:
    char *m_data = nullptr;
    size_t m_size = 0;
    FILE *m_file = nullptr;
};

// Starts a libUEMF track whose output goes to memory. libUEMF opens a named file itself, so it is
// given one that takes anything, and the stream is swapped before anything is written.
template <typename Track, typename Start>
Track *startTrack(MemoryFile &memory, Start start)
{
    Track *track = nullptr;
    if (start("/dev/null", 1 << 16, 1 << 16, &track) != 0 || !track)
        return nullptr;
    std::fclose(track->fp);
    track->fp = memory.release();
    return track;
}

// What libUEMF names differently for its two formats: the track and handle table, and the calls
// that append a record, select an object and delete one.
struct WmfCalls {
    using Track = WMFTRACK;
    using Handles = WMFHANDLES;
    static int start(const char *name, uint32_t size, uint32_t chunk, Track **track)
    {
        return wmf_start(name, size, chunk, track);
    }
    static int createHandles(Handles **handles) { return wmf_htable_create(128, 128, handles); }
    static int append(char *record, Track *track)
    {
        return wmf_append(reinterpret_cast<U_METARECORD *>(record), track, U_REC_FREE);
    }
    static char *select(uint32_t handle, Handles *handles) { return wselectobject_set(handle, handles); }
    static char *remove(uint32_t *handle, Handles *handles) { return wdeleteobject_set(handle, handles); }
    static void free(Track **track, Handles **handles)
    {
        if (*track)
            wmf_free(track);
        if (*handles)
            wmf_htable_free(handles);
    }
};

struct EmfCalls {
    using Track = EMFTRACK;
    using Handles = EMFHANDLES;
    static int start(const char *name, uint32_t size, uint32_t chunk, Track **track)
    {
        return emf_start(name, size, chunk, track);
    }
    static int createHandles(Handles **handles) { return emf_htable_create(128, 128, handles); }
    static int append(char *record, Track *track)
    {
        return emf_append(reinterpret_cast<U_ENHMETARECORD *>(record), track, U_REC_FREE);
    }
    static char *select(uint32_t handle, Handles *handles) { return selectobject_set(handle, handles); }
    static char *remove(uint32_t *handle, Handles *handles) { return deleteobject_set(handle, handles); }
    static void free(Track **track, Handles **handles)
    {
        if (*track)
            emf_free(track);
        if (*handles)
            emf_htable_free(handles);
    }
};

// What both formats' devices do alike: a track written to memory, a record appended at a time
// (the first failure sticks), and the pen, brush and font each replaced by a new object.
template <typename Calls>
class UemfDevice : public MetafileDevice {
public:
    UemfDevice()
    {
        m_track = startTrack<typename Calls::Track>(m_memory, Calls::start);
        if (!m_track || Calls::createHandles(&m_handles) != 0)
            m_failed = true;
    }
    ~UemfDevice() override { Calls::free(&m_track, &m_handles); }

    bool ok() const override { return !m_failed; }

protected:
    void append(char *record)
    {
        if (!record || !m_track || Calls::append(record, m_track) != 0)
            m_failed = true;
    }
    // Creates the new object, selects it and deletes the one it replaces.
    template <typename Create>
    void replace(uint32_t &current, Create create)
    {
        if (m_failed)
            return;
        uint32_t made = 0;
        append(create(&made));
        append(Calls::select(made, m_handles));
        if (current != 0)
            append(Calls::remove(&current, m_handles));
        current = made;
    }

    MemoryFile m_memory;
    typename Calls::Track *m_track = nullptr;
    typename Calls::Handles *m_handles = nullptr;
    uint32_t m_pen = 0;
    uint32_t m_brush = 0;
    uint32_t m_font = 0;
    bool m_failed = false;
};

class WmfDevice : public UemfDevice<WmfCalls> {
public:
    static constexpr qsizetype PlaceableSize = 22;

    explicit WmfDevice(const MetafileSize &size)
    {
        if (m_failed)
            return;
        // A placeable metafile: its box is the page in pixels at 96 units per inch.
        std::unique_ptr<U_PAIRF, decltype(&std::free)> inches(
            U_PAIRF_set(static_cast<float>(size.pixels.width() / PixelsPerInch),
                        static_cast<float>(size.pixels.height() / PixelsPerInch)),
            &std::free);
        if (!inches || wmf_header_append(reinterpret_cast<U_METARECORD *>(U_WMRHEADER_set(inches.get(), 96)), m_track,
                                         U_REC_FREE) != 0)
            m_failed = true;
        append(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
        append(U_WMRSETWINDOWEXT_set(
            point16_set(static_cast<int16_t>(size.pixels.width()), static_cast<int16_t>(size.pixels.height()))));
    }
    void selectPen(const Pen &pen) override
    {
        const U_PEN p =
            U_PEN_set(pen.none ? U_PS_NULL : U_PS_SOLID, static_cast<uint16_t>(pen.width), colorRef(pen.color));
        replace(m_pen, [&](uint32_t *ih) { return wcreatepenindirect_set(ih, m_handles, p); });
    }
    void selectBrush(const Brush &brush) override
    {
        const U_WLOGBRUSH b = U_WLOGBRUSH_set(brush.none ? U_BS_NULL : U_BS_SOLID, colorRef(brush.color), 0);
        replace(m_brush, [&](uint32_t *ih) { return wcreatebrushindirect_set(ih, m_handles, b); });
    }
    void selectFont(const ReportFont &font) override
    {
        // The face name as stored, in the code page the record keeps it in.
        std::string face = cp1252::fromUnicode(font.name).value_or("Arial").substr(0, 31);
        std::unique_ptr<U_FONT, decltype(&std::free)> f(
            U_FONT_set(static_cast<int16_t>(fontHeight(font)), 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL,
                       font.italic, font.underline, font.strikeOut, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                       U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_DONTCARE, face.data()),
            &std::free);
        if (!f) {
            m_failed = true;
            return;
        }
        replace(m_font, [&](uint32_t *ih) { return wcreatefontindirect_set(ih, m_handles, f.get()); });
    }
    void setTextColor(QRgb color) override { append(U_WMRSETTEXTCOLOR_set(colorRef(color))); }
    void setBackground(bool opaque, QRgb color) override
    {
        append(U_WMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
        if (opaque)
            append(U_WMRSETBKCOLOR_set(colorRef(color)));
    }
    void setTextAlign(bool byTop) override { append(U_WMRSETTEXTALIGN_set(byTop ? U_TA_TOP : U_TA_BASELINE)); }
    void rectangle(const PixelRect &r) override { append(U_WMRRECTANGLE_set(rect16(r))); }
    void ellipse(const PixelRect &r) override { append(U_WMRELLIPSE_set(rect16(r))); }
    void arc(const PixelRect &r, int16_t startX, int16_t startY, int16_t endX, int16_t endY) override
    {
        append(U_WMRARC_set(point16_set(startX, startY), point16_set(endX, endY), rect16(r)));
    }
    void moveTo(int16_t x, int16_t y) override { append(U_WMRMOVETO_set(point16_set(x, y))); }
    void lineTo(int16_t x, int16_t y) override { append(U_WMRLINETO_set(point16_set(x, y))); }
    void text(int16_t x, int16_t y, const QString &text, const ReportFont &) override
    {
        // Texts come from puzzle records, so every character has its Windows-1252 byte.
        std::string bytes = cp1252::fromUnicode(text).value_or(std::string());
        if (bytes.empty())
            return;
        bytes.resize(std::min<size_t>(bytes.size(), 8000));
        append(U_WMREXTTEXTOUT_set(point16_set(x, y), static_cast<int16_t>(bytes.size()), 0, bytes.data(), nullptr,
                                   U_RECT16_set(point16_set(0, 0), point16_set(0, 0))));
    }
    QByteArray finish() override
    {
        append(U_WMREOF_set());
        if (m_failed || wmf_finish(m_track) != 0)
            return {};
        // The header counts the words of the metafile proper, which starts after the placeable
        // header; libUEMF counts that header too.
        QByteArray bytes = m_memory.bytes();
        if (bytes.size() < PlaceableSize + 18)
            return {};
        const auto words = static_cast<uint32_t>((bytes.size() - PlaceableSize) / 2);
        for (int k = 0; k < 4; ++k)
            bytes[PlaceableSize + 6 + k] = static_cast<char>((words >> (8 * k)) & 0xFF);
        return bytes;
    }

private:
    static U_RECT16 rect16(const PixelRect &r)
    {
        return U_RECT16_set(point16_set(r.left, r.top), point16_set(r.right, r.bottom));
    }
};

std::vector<uint16_t> utf16(const QString &text)
{
    std::vector<uint16_t> out(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i)
        out[static_cast<size_t>(i)] = text[i].unicode();
    return out;
}

class EmfDevice : public UemfDevice<EmfCalls> {
public:
    explicit EmfDevice(const MetafileSize &size)
    {
        if (m_failed)
            return;
        // Bounds: the page in pixels. Frame: its physical size. The reference device is an
        // ordinary 96-dpi screen, 1920 x 1440 pixels on 508 x 381 millimetres.
        const U_RECTL bounds{0, 0, size.pixels.width(), size.pixels.height()};
        const U_RECTL frame{0, 0, size.hundredthsOfMillimetre.width(), size.hundredthsOfMillimetre.height()};
        std::vector<uint16_t> description = utf16(QStringLiteral("Quorvex 98"));
        description.push_back(0);
        const std::vector<uint16_t> title = utf16(QStringLiteral("Crossword Puzzle"));
        description.insert(description.end(), title.begin(), title.end());
        description.push_back(0);
        description.push_back(0);
        append(U_EMRHEADER_set(bounds, frame, nullptr, static_cast<U_CBSTR>(description.size()), description.data(),
                               sizel_set(1920, 1440), sizel_set(508, 381), 0));
        append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    }
    void selectPen(const Pen &pen) override
    {
        const U_LOGPEN p =
            logpen_set(pen.none ? U_PS_NULL : U_PS_SOLID, point32_set(pen.width, 0), colorRef(pen.color));
        replace(m_pen, [&](uint32_t *ih) { return createpen_set(ih, m_handles, p); });
    }
    void selectBrush(const Brush &brush) override
    {
        const U_LOGBRUSH b = logbrush_set(brush.none ? U_BS_NULL : U_BS_SOLID, colorRef(brush.color), 0);
        replace(m_brush, [&](uint32_t *ih) { return createbrushindirect_set(ih, m_handles, b); });
    }
    void selectFont(const ReportFont &font) override
    {
        std::vector<uint16_t> face = utf16(font.name.left(31));
        face.resize(U_LF_FACESIZE, 0);
        const U_LOGFONT lf =
            logfont_set(fontHeight(font), 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic, font.underline,
                        font.strikeOut, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                        U_DEFAULT_PITCH | U_FF_DONTCARE, face.data());
        replace(m_font, [&](uint32_t *ih) {
            return extcreatefontindirectw_set(ih, m_handles, reinterpret_cast<const char *>(&lf), nullptr);
        });
    }
    void setTextColor(QRgb color) override { append(U_EMRSETTEXTCOLOR_set(colorRef(color))); }
    void setBackground(bool opaque, QRgb color) override
    {
        append(U_EMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
        if (opaque)
            append(U_EMRSETBKCOLOR_set(colorRef(color)));
    }
    void setTextAlign(bool byTop) override { append(U_EMRSETTEXTALIGN_set(byTop ? U_TA_TOP : U_TA_BASELINE)); }
    void rectangle(const PixelRect &r) override { append(U_EMRRECTANGLE_set(rectl(r))); }
    void ellipse(const PixelRect &r) override { append(U_EMRELLIPSE_set(rectl(r))); }
    void arc(const PixelRect &r, int16_t startX, int16_t startY, int16_t endX, int16_t endY) override
    {
        append(U_EMRARC_set(rectl(r), point32_set(startX, startY), point32_set(endX, endY)));
    }
    void moveTo(int16_t x, int16_t y) override { append(U_EMRMOVETOEX_set(point32_set(x, y))); }
    void lineTo(int16_t x, int16_t y) override { append(U_EMRLINETO_set(point32_set(x, y))); }
    void text(int16_t x, int16_t y, const QString &text, const ReportFont &font) override
    {
        const QString shown = text.left(8000);
        std::vector<uint16_t> chars = utf16(shown);
        if (chars.empty())
            return;
        // The characters spaced as the page measured them, each advance a whole pixel and their
        // sum within half a pixel of the measured width.
        std::vector<uint32_t> dx(chars.size(), 0);
        const FontMeasure::Face &face = FontMeasure::face(font);
        double reach = 0;
        long placed = 0;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            reach += FontMeasure::textWidth(face, font.size, QStringView(shown).mid(i, 1)) * PixelsPerInch;
            const long next = std::lround(reach);
            dx[static_cast<size_t>(i)] = static_cast<uint32_t>(std::max(0L, next - placed));
            placed = next;
        }
        std::unique_ptr<char, decltype(&std::free)> emrtext(
            emrtext_set(point32_set(x, y), static_cast<U_NUM_STR>(chars.size()), 2, chars.data(), 0,
                        U_RECTL{0, 0, -1, -1}, dx.data()),
            &std::free);
        if (!emrtext) {
            m_failed = true;
            return;
        }
        append(U_EMREXTTEXTOUTW_set(U_RECTL{0, 0, -1, -1}, U_GM_COMPATIBLE, 1.0f, 1.0f,
                                    reinterpret_cast<PU_EMRTEXT>(emrtext.get())));
    }
    QByteArray finish() override
    {
        append(U_EMREOF_set(0, nullptr, m_track));
        if (m_failed || emf_finish(m_track, m_handles) != 0)
            return {};
        return m_memory.bytes();
    }

private:
    static U_RECTL rectl(const PixelRect &r) { return U_RECTL{r.left, r.top, r.right, r.bottom}; }
};

// Walks the page's operations onto a device, selecting a pen, brush or font only when it changes.
class PageWalk {
public:
    explicit PageWalk(MetafileDevice &device) : m_device(device) {}

    void pen(const Pen &p)
    {
        if (m_pen != p) {
            m_device.selectPen(p);
            m_pen = p;
        }
    }
    void brush(const Brush &b)
    {
        if (m_brush != b) {
            m_device.selectBrush(b);
            m_brush = b;
        }
    }
    void penOf(const PageOp &op)
    {
        if (!op.has(PageOp::HasPen))
            return pen(Pen{true, 0, 0});
        const int width = std::max(1, static_cast<int>(std::lround(op.penWidth * PixelsPerInch)));
        pen(Pen{false, std::min(width, 1000), op.penColor});
    }
    void brushOf(const PageOp &op) { brush(op.has(PageOp::HasBrush) ? Brush{false, op.brushColor} : Brush{true, 0}); }

    void text(const PageStream &stream, const PageOp &op)
    {
        if (m_font != op.font) {
            m_device.selectFont(stream.fontOf(op));
            m_font = op.font;
        }
        if (m_textColor != op.penColor) {
            m_device.setTextColor(op.penColor);
            m_textColor = op.penColor;
        }
        const bool opaque = op.has(PageOp::OpaqueText);
        if (m_opaque != opaque) {
            m_device.setBackground(opaque, op.brushColor);
            m_opaque = opaque;
        }
        const bool byTop = op.has(PageOp::TextByTop);
        if (m_byTop != byTop) {
            m_device.setTextAlign(byTop);
            m_byTop = byTop;
        }
        m_device.text(pixel(op.x1), pixel(op.y1), stream.textOf(op), stream.fontOf(op));
    }

private:
    MetafileDevice &m_device;
    std::optional<Pen> m_pen;
    std::optional<Brush> m_brush;
    std::optional<uint16_t> m_font;
    std::optional<QRgb> m_textColor;
    std::optional<bool> m_opaque;
    std::optional<bool> m_byTop;
};

PixelRect pixelRect(const PageOp &op)
{
    return PixelRect{pixel(op.x1), pixel(op.y1), pixel(op.x2), pixel(op.y2)};
}

// A point on the ellipse inside the box at an angle in degrees, anticlockwise from 3 o'clock.
std::pair<int16_t, int16_t> pointAt(const PageOp &op, double degrees)
{
    const double cx = (op.x1 + op.x2) / 2;
    const double cy = (op.y1 + op.y2) / 2;
    const double radians = degrees * M_PI / 180;
    return {pixel(cx + (op.x2 - op.x1) / 2 * std::cos(radians)), pixel(cy - (op.y2 - op.y1) / 2 * std::sin(radians))};
}

void drawPage(MetafileDevice &device, const PageStream &stream, int page, const MetafileSize &size)
{
    PageWalk walk(device);
    walk.pen(Pen{true, 0, 0});
    walk.brush(Brush{false, qRgb(255, 255, 255)});
    device.rectangle(
        PixelRect{0, 0, static_cast<int16_t>(size.pixels.width()), static_cast<int16_t>(size.pixels.height())});
    if (page < 0 || page >= stream.pageCount())
        return;
    for (const PageOp &op : stream.pages[static_cast<size_t>(page)].ops) {
        switch (op.kind) {
        case PageOp::Kind::Text:
            walk.text(stream, op);
            break;
        case PageOp::Kind::Line:
            walk.penOf(op);
            device.moveTo(pixel(op.x1), pixel(op.y1));
            device.lineTo(pixel(op.x2), pixel(op.y2));
            break;
        case PageOp::Kind::Rect:
        case PageOp::Kind::Ellipse:
            walk.penOf(op);
            walk.brushOf(op);
            if (op.kind == PageOp::Kind::Rect)
                device.rectangle(pixelRect(op));
            else
                device.ellipse(pixelRect(op));
            break;
        case PageOp::Kind::Arc: {
            walk.penOf(op);
            const auto [sx, sy] = pointAt(op, op.a);
            const auto [ex, ey] = pointAt(op, static_cast<double>(op.a) + op.b);
            device.arc(pixelRect(op), sx, sy, ex, ey);
            break;
        }
        case PageOp::Kind::Image:
            break; // pictures are not kept in metafiles
        }
    }
}

} // namespace

MetafileSize metafileSize(double pageWidthInches, double pageHeightInches)
{
    const double most = std::numeric_limits<int16_t>::max();
    return MetafileSize{
        QSize(wholePart(pageWidthInches * PixelsPerInch, most), wholePart(pageHeightInches * PixelsPerInch, most)),
        QSize(wholePart(pageWidthInches * FrameUnitsPerInch, 1e9),
              wholePart(pageHeightInches * FrameUnitsPerInch, 1e9))};
}

QByteArray metafileBytes(MetafileKind kind, const PageStream &stream, int page)
{
    const MetafileSize size = metafileSize(stream.pageWidth, stream.pageHeight);
    std::unique_ptr<MetafileDevice> device;
    if (kind == MetafileKind::Wmf)
        device = std::make_unique<WmfDevice>(size);
    else
        device = std::make_unique<EmfDevice>(size);
    if (!device->ok())
        return {};
    drawPage(*device, stream, page, size);
    return device->finish();
}

} // namespace qx
