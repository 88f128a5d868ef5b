#pragma once
// The web page export: a small HTML page that frames a JPEG picture of the rendered page with up to
// two header blocks above it and two footer blocks below, and the picture itself beside the page.
// The page is Windows-1252 with CR LF line ends; block texts are written as typed, line breaks and
// markup included, so a user can put HTML of their own into a header.

#include "export/export_format.h"
#include "store/settings.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace qx {

// Longest block text and title the page takes.
constexpr int MaxWebBlockText = 1000;
constexpr int MaxWebTitle = 100;

// The picture's file name: the page's file name without its folder, its last three characters
// replaced by "JPG" (PUZZLE.htm gives PUZZLE.JPG, index.html gives index.hJPG).
QString webPictureName(const QString &pagePath);
// Where the picture goes: that name in the page's folder.
QString webPicturePath(const QString &pagePath);
// Whether the picture would be the page itself (a page named X.JPG), which is refused.
bool webPictureIsThePage(const QString &pagePath);

// The picture's name as the page's IMG SRC gives it: a space, '"', '#', '%', '&', '<' and '>'
// percent-encoded, as is any character the page's code page cannot hold (as the bytes of the name
// on disk).
QString webPictureSource(const QString &pictureName);

// One block's line without its leading blanks: the text with '&', '<', '>' and '"' escaped, the
// font, then bold, italic and centring wrapped around it in that order, then "<P>"; empty for an
// empty text.
QString webBlockLine(const Settings::HtmlBlock &block);

// The page's bytes, every line ended by CR LF; none when a text holds a character that Windows-1252
// cannot hold.
std::optional<QByteArray> webPageBytes(const Settings::Html &page, const QString &pictureSource);

// Takes typed texts into the settings as the page's Save does: the four block texts (first header,
// second header, first footer, second footer) and the title trimmed of blanks at both ends and cut
// to their longest.
void takeWebTexts(Settings::Html &page, const std::array<QString, 4> &blocks, const QString &title);

// The page as an export format; its companion file is the picture, a JPEG at the input's width
// and quality. Both are renamed into place only when both were written.
class HtmlFormat : public ExportFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    QStringList otherSuffixes() const override { return {QStringLiteral("html")}; }
    Source source() const override { return Source::Page; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;
    FileOutcome<std::vector<ExportFile>> companions(const ExportInput &input, const QString &path) const override;
};

} // namespace qx
