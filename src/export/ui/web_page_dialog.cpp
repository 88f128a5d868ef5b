#include "export/ui/web_page_dialog.h"

#include "common/ui/storable_lines.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "export/export_formats.h"
#include "export/ui/pixel_width_dialog.h"
#include "export/web_page.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

Settings::HtmlBlock &blockSetting(Settings &settings, int index)
{
    Settings::Html &h = settings.html;
    std::array<Settings::HtmlBlock *, 4> blocks{&h.firstHeader, &h.secondHeader, &h.firstFooter, &h.secondFooter};
    return *blocks[static_cast<size_t>(index)];
}

} // namespace

WebPageDialog::WebPageDialog(const DialogLook &look, Settings &settings, UiHost &host,
                             std::shared_ptr<const PageStream> stream, int page, QWidget *parent)
    : ConventionalDialog(look, QSize(560, 620), parent), m_settings(settings), m_host(host),
      m_stream(stream ? std::move(stream) : std::make_shared<PageStream>()), m_page(page)
{
    setWindowTitle(tr("HTML Creation"));

    auto *banner = new QLabel(tr("Create A Web Page"), this);
    banner->setAlignment(Qt::AlignCenter);
    banner->setAutoFillBackground(true);
    QPalette teal = banner->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    teal.setColor(QPalette::WindowText, Qt::white);
    banner->setPalette(teal);
    QFont bannerFont = banner->font();
    bannerFont.setBold(true);
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 1.5);
    banner->setFont(bannerFont);
    banner->setMargin(4);
    banner->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    banner->setProperty("qxKeepFont", true);

    const Settings::Html &h = settings.html;
    m_upper = new QCheckBox(tr("Horizontal Line"), this);
    m_upper->setChecked(h.horizontalUpper);
    connect(m_upper, &QCheckBox::toggled, this, [this](bool on) { m_settings.html.horizontalUpper = on; });
    m_lower = new QCheckBox(tr("Horizontal Line"), this);
    m_lower->setChecked(h.horizontalLower);
    connect(m_lower, &QCheckBox::toggled, this, [this](bool on) { m_settings.html.horizontalLower = on; });

    auto *placeholder = new QLabel(tr("Puzzle will go here"), this);
    placeholder->setFrameStyle(QFrame::Box | QFrame::Plain);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setMinimumHeight(48);
    placeholder->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_title = new QLineEdit(h.webTitle, this);
    m_title->setObjectName(QStringLiteral("WebTitle"));
    m_title->setMaxLength(MaxWebTitle);
    keepStorable(m_title, host);

    m_save = new QPushButton(tr("&Save HTML"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    m_save->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &WebPageDialog::saveWebPage);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(blockControls(tr("First Header Lines"), m_blocks[0], 0), 1);
    layout->addWidget(blockControls(tr("Second Header Lines"), m_blocks[1], 1), 1);
    layout->addWidget(m_upper);
    layout->addWidget(placeholder);
    layout->addWidget(m_lower);
    layout->addWidget(blockControls(tr("First Footer Lines"), m_blocks[2], 2), 1);
    layout->addWidget(blockControls(tr("Second Footer Lines"), m_blocks[3], 3), 1);
    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(tr("Web Page Title"), this));
    titleRow->addWidget(m_title, 1);
    layout->addLayout(titleRow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void WebPageDialog::startWithPuzzleTitle(const QString &puzzleTitle)
{
    if (puzzleTitle.isEmpty())
        return;
    const Settings::Html first;
    if (m_blocks[0].text->toPlainText() == first.firstHeader.text)
        m_blocks[0].text->setPlainText(puzzleTitle);
    if (m_title->text() == first.webTitle)
        m_title->setText(puzzleTitle);
}

QWidget *WebPageDialog::blockControls(const QString &caption, Block &block, int index)
{
    const Settings::HtmlBlock &stored = blockSetting(m_settings, index);
    auto *box = new QWidget(this);
    block.text = new QPlainTextEdit(box);
    block.text->setObjectName(QStringList{QStringLiteral("Head1"), QStringLiteral("Head2"), QStringLiteral("Foot1"),
                                          QStringLiteral("Foot2")}[index]);
    block.text->setTabChangesFocus(true);
    block.text->setPlainText(stored.text);
    keepStorableLines(block.text, m_host, MaxWebBlockText);
    block.bold = new QCheckBox(tr("Bold"), box);
    block.italic = new QCheckBox(tr("Italic"), box);
    block.center = new QCheckBox(tr("Center"), box);
    block.bold->setChecked(stored.bold);
    block.italic->setChecked(stored.italic);
    block.center->setChecked(stored.center);
    block.fontSize = new QComboBox(box);
    for (const int size : {8, 10, 12, 14, 18, 24, 36})
        block.fontSize->addItem(tr("%1 pt").arg(size));
    block.fontSize->setCurrentIndex(std::clamp(stored.fontSize, 1, 7) - 1);

    // Each choice is a setting at once, whatever becomes of the window.
    connect(block.bold, &QCheckBox::toggled, this,
            [this, index](bool on) { blockSetting(m_settings, index).bold = on; });
    connect(block.italic, &QCheckBox::toggled, this,
            [this, index](bool on) { blockSetting(m_settings, index).italic = on; });
    connect(block.center, &QCheckBox::toggled, this,
            [this, index](bool on) { blockSetting(m_settings, index).center = on; });
    connect(block.fontSize, &QComboBox::currentIndexChanged, this, [this, index](int item) {
        if (item >= 0)
            blockSetting(m_settings, index).fontSize = item + 1;
    });

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(caption, box), 0, 0);
    grid->addWidget(block.text, 1, 0, 3, 1);
    grid->addWidget(block.bold, 1, 1);
    grid->addWidget(block.italic, 2, 1);
    grid->addWidget(block.center, 3, 1);
    grid->addWidget(new QLabel(tr("Font Size"), box), 0, 2);
    grid->addWidget(block.fontSize, 1, 2);
    grid->setColumnStretch(0, 1);
    return box;
}

bool WebPageDialog::mayReplace(const QString &caption, const QString &page)
{
    const QString picture = webPicturePath(page);
    const bool pageThere = QFileInfo::exists(page) || QFileInfo(page).isSymLink();
    const bool pictureThere = QFileInfo::exists(picture) || QFileInfo(picture).isSymLink();
    if (!pageThere && !pictureThere)
        return true;
    const QString pageName = QFileInfo(page).fileName();
    const QString pictureName = QFileInfo(picture).fileName();
    QString text;
    if (pageThere && pictureThere)
        text = tr("%1 and its picture %2 already exist.\nDo you want to replace them?");
    else if (pageThere)
        text = tr("%1 already exists; its picture will be saved as %2.\nDo you want to replace it?");
    else
        text = tr("The picture %2 of %1 already exists.\nDo you want to replace it?");
    return m_host.message(this, caption, text.arg(pageName, pictureName), Buttons::YesNo) == Answer::Yes;
}

void WebPageDialog::saveWebPage()
{
    Settings &s = m_settings;
    PixelWidthDialog width(look(), m_host, PixelWidthDialog::Mode::Jpeg, s.reports.pixelWidth,
                           QSizeF(m_stream->pageWidth, m_stream->pageHeight), this);
    if (m_host.runModal(width) != QDialog::Accepted)
        return;
    s.reports.pixelWidth = width.pixelWidth();

    FileRequest request;
    request.title = tr("Save HTML Document");
    request.filter = tr("html (*.htm)|*.htm");
    request.defaultSuffix = QStringLiteral("htm");
    request.initialPath = s.misc.lastExportHtmlFile;
    // The page and its picture are replaced together, so the question is asked here, once, naming
    // both, instead of by the save dialog, which knows only the page.
    request.overwritePrompt = false;
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    s.misc.lastExportHtmlFile = *path;

    takeWebTexts(s.html,
                 {m_blocks[0].text->toPlainText(), m_blocks[1].text->toPlainText(), m_blocks[2].text->toPlainText(),
                  m_blocks[3].text->toPlainText()},
                 m_title->text());
    if (webPictureIsThePage(*path)) {
        m_host.message(this, tr("Error"), tr("Unable to create html file."), Buttons::Ok);
        return;
    }
    if (!mayReplace(request.title, *path))
        return;
    ExportInput input;
    input.page = m_stream.get();
    input.pageIndex = m_page;
    input.pixelWidth = s.reports.pixelWidth;
    input.jpegQuality = s.reports.jpegQuality;
    input.colors256 = s.reports.pixelFormat == 2;
    input.webPage = &s.html;
    if (const FileStatus written = htmlFormat().write(input, *path, ReplaceConfirmed); !written) {
        m_host.fileError(this, written.error(), tr("Unable to create html file."));
        return;
    }
    m_savedPage = *path;
    accept();
}

} // namespace qx
