#include "report/page_stream.h"

#include <algorithm>

namespace qx {

uint16_t PageStream::fontIndex(const ReportFont &font)
{
    // A page uses a handful of fonts; searching from the most recent finds the usual one at once.
    for (size_t i = fonts.size(); i-- > 0;) {
        if (fonts[i] == font)
            return static_cast<uint16_t>(i);
    }
    if (fonts.size() >= 0xFFFF)
        return 0; // unreachable for a page of 20 objects; a wrong font is better than a wrong index
    fonts.push_back(font);
    return static_cast<uint16_t>(fonts.size() - 1);
}

uint32_t PageStream::textIndex(const QString &text)
{
    texts.push_back(text);
    return static_cast<uint32_t>(texts.size() - 1);
}

uint32_t PageStream::imageIndex(const QImage &image)
{
    const auto key = image.cacheKey();
    const auto it = std::find_if(images.begin(), images.end(), [&](const QImage &i) { return i.cacheKey() == key; });
    if (it != images.end())
        return static_cast<uint32_t>(it - images.begin());
    images.push_back(image);
    return static_cast<uint32_t>(images.size() - 1);
}

} // namespace qx
