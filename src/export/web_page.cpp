#include "export/web_page.h"

#include "common/cp1252.h"
#include "common/native_file.h"
#include "common/storable_text.h"
#include "export/jpeg_format.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace qx {

namespace {

QString lineOf(const QString &line)
{
    return line + QStringLiteral("\r\n");
}

} // namespace

QString webPictureName(const QString &pagePath)
{
    const QString name = pagePath.mid(pagePath.lastIndexOf(QLatin1Char('/')) + 1);
    return name.left(std::max<qsizetype>(0, name.size() - 3)) + QStringLiteral("JPG");
}

QString webPicturePath(const QString &pagePath)
{
    return pagePath.left(pagePath.lastIndexOf(QLatin1Char('/')) + 1) + webPictureName(pagePath);
}

bool webPictureIsThePage(const QString &pagePath)
{
    return webPicturePath(pagePath) == pagePath;
}

QString webPictureSource(const QString &pictureName)
{
    QString out;
    const auto escape = [&out](const QByteArray &bytes) {
        for (const char byte : bytes)
            out += QStringLiteral("%%1").arg(static_cast<uchar>(byte), 2, 16, QLatin1Char('0')).toUpper();
    };
    for (qsizetype i = 0; i < pictureName.size(); ++i) {
        const QChar c = pictureName[i];
        const qsizetype length = c.isHighSurrogate() && i + 1 < pictureName.size() ? 2 : 1;
        const QString character = pictureName.mid(i, length);
        i += length - 1;
        if (c == u' ' || c == u'"' || c == u'#' || c == u'%' || c == u'&' || c == u'<' || c == u'>')
            escape(character.toLatin1());
        else if (c.isSurrogate() || !cp1252::fromUnicode(character))
            escape(nativePath(character));
        else
            out += character;
    }
    return out;
}

QString webBlockLine(const Settings::HtmlBlock &block)
{
    if (block.text.isEmpty())
        return {};
    // Typed text, never markup: "&" or "</TITLE>" in a header stays what the user wrote.
    QString text = block.text.toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QString line =
        QStringLiteral("<FONT SIZE=%1>").arg(std::clamp(block.fontSize, 1, 7)) + text + QStringLiteral("</FONT>");
    if (block.bold)
        line = QStringLiteral("<B>") + line + QStringLiteral("</B>");
    if (block.italic)
        line = QStringLiteral("<I>") + line + QStringLiteral("</I>");
    if (block.center)
        line = QStringLiteral("<CENTER>") + line + QStringLiteral("</CENTER>");
    return line + QStringLiteral("<P>");
}

std::optional<QByteArray> webPageBytes(const Settings::Html &page, const QString &pictureSource)
{
    QString text = lineOf(QStringLiteral("<HTML>")) + lineOf(QStringLiteral(" <HEAD>")) +
                   lineOf(QStringLiteral("  <TITLE>") + page.webTitle.toHtmlEscaped() + QStringLiteral("</TITLE>")) +
                   lineOf(QStringLiteral("  <META NAME=\"GENERATOR\" CONTENT=\"Trelvane / Quorvex 97\">")) +
                   lineOf(QStringLiteral(" </HEAD>")) + lineOf(QStringLiteral(" <BODY>"));
    const auto block = [&text](const Settings::HtmlBlock &b) {
        if (const QString line = webBlockLine(b); !line.isEmpty())
            text += lineOf(QStringLiteral("  ") + line);
    };
    block(page.firstHeader);
    block(page.secondHeader);
    if (page.horizontalUpper)
        text += lineOf(QStringLiteral("  <HR><P>"));
    text +=
        lineOf(QStringLiteral("  <CENTER><IMG SRC=\"%1\" ALT=\"Quorvex 97 Puzzle\"></CENTER><P>").arg(pictureSource));
    if (page.horizontalLower)
        text += lineOf(QStringLiteral("  <HR><P>"));
    block(page.firstFooter);
    block(page.secondFooter);
    text += lineOf(QStringLiteral(" </BODY>")) + lineOf(QStringLiteral("</HTML>"));
    const auto bytes = cp1252::fromUnicode(text);
    if (!bytes)
        return std::nullopt;
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

void takeWebTexts(Settings::Html &page, const std::array<QString, 4> &blocks, const QString &title)
{
    Settings::HtmlBlock *targets[] = {&page.firstHeader, &page.secondHeader, &page.firstFooter, &page.secondFooter};
    for (size_t i = 0; i < blocks.size(); ++i)
        targets[i]->text = cutToLength(blocks[i].trimmed(), MaxWebBlockText);
    page.webTitle = cutToLength(title.trimmed(), MaxWebTitle);
}

QString HtmlFormat::name() const
{
    return QStringLiteral("Web page");
}

QString HtmlFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "html (*.htm)|*.htm");
}

QString HtmlFormat::suffix() const
{
    return QStringLiteral("htm");
}

FileOutcome<QByteArray> HtmlFormat::encode(const ExportInput &input, const QString &path) const
{
    if (webPictureIsThePage(path)) {
        return refusedFile(path, Refusal::WebPictureSameName);
    }
    static const Settings::Html defaults;
    const auto bytes = webPageBytes(input.webPage ? *input.webPage : defaults, webPictureSource(webPictureName(path)));
    if (!bytes) {
        return refusedFile(path, Refusal::WebPageCharacter);
    }
    return *bytes;
}

FileOutcome<std::vector<ExportFile>> HtmlFormat::companions(const ExportInput &input, const QString &path) const
{
    const QString picture = webPicturePath(path);
    FileOutcome<QByteArray> bytes = JpegFormat::pageJpeg(input, picture);
    if (!bytes)
        return bytes.error();
    return std::vector<ExportFile>{ExportFile{picture, std::move(*bytes)}};
}

} // namespace qx
