#include "layout/ui/page_designer_window.h"

#include "common/colors.h"
#include "common/cp1252.h"
#include "common/native_file.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "layout/layout_library.h"
#include "layout/layout_thumbnail.h"
#include "layout/layout_units.h"
#include "store/settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <span>
#include <utility>

namespace qx {

namespace {

constexpr QSize DesignSize(640, 480);
constexpr int NameMaxLength = 20;
constexpr int SizeBoxMaxLength = 5;
// A damaged page size is drawn no larger than this; a real page is at most 18 inches at 96 units.
constexpr int MaxPicture = 4096;
const QColor Lime(0, 255, 0);
const QColor RulerRed(255, 0, 0);
const QColor DisabledPanelGrey(140, 140, 140);
const QColor PageAreaGrey(128, 128, 128);
const QString HelpKeyword = QStringLiteral("CROSSWORD OBJECTS");

// The panels in the order they stand in the window, with the kind each creates.
constexpr ObjectKind CrosswordTools[] = {
    ObjectKind::Puzzle,        ObjectKind::Title,         ObjectKind::DownHeading,
    ObjectKind::AcrossHeading, ObjectKind::AcrossClues,   ObjectKind::DownClues,
    ObjectKind::WordList,      ObjectKind::BonusQuestion, ObjectKind::CombinedClues,
};
constexpr ObjectKind OtherTools[] = {ObjectKind::Text, ObjectKind::Bitmap, ObjectKind::Rectangle, ObjectKind::Circle};

// A tool panel's caption in English: the source of its shown text and of its object name, which
// stays the same in every language.
const char *panelSource(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Title");
    case ObjectKind::Puzzle:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Puzzle");
    case ObjectKind::DownHeading:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Down Heading");
    case ObjectKind::AcrossHeading:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Across Heading");
    case ObjectKind::DownClues:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Down Clues");
    case ObjectKind::AcrossClues:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Across Clues");
    case ObjectKind::WordList:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Word List");
    case ObjectKind::BonusQuestion:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Bonus Quest");
    case ObjectKind::CombinedClues:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Combined Clues");
    case ObjectKind::Text:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Text");
    case ObjectKind::Bitmap:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Bitmap");
    case ObjectKind::Rectangle:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Rectangle");
    case ObjectKind::Circle:
        return QT_TRANSLATE_NOOP("qx::PageDesignerWindow", "Circle");
    }
    return "";
}

QString panelCaption(ObjectKind kind)
{
    return PageDesignerWindow::tr(panelSource(kind));
}

// The colour an object is shown in on the design page.
QColor designColor(const LayoutObject &o)
{
    const auto kind = static_cast<ObjectKind>(o.Kind);
    // The crossword objects have the colours of the library's thumbnail and its legend.
    if (kind >= ObjectKind::Title && kind <= ObjectKind::CombinedClues)
        return layoutLegendColor(o.Kind);
    if (kind == ObjectKind::Text)
        return QColor(192, 192, 192);
    return o.Filled == 1 ? fromColorValue(o.FillColor) : QColor(Qt::white);
}

// Nested one-unit frames, as many as the border is wide but no more than the shape can show.
int visibleFrames(int16_t borderWidth, const QRect &r)
{
    const int most = (std::min(r.width(), r.height()) + 1) / 2 + 1;
    return std::clamp(static_cast<int>(borderWidth), 0, std::max(1, most));
}

Qt::CursorShape sizingCursor(int handle)
{
    switch (handle) {
    case 1:
    case 8:
        return Qt::SizeFDiagCursor;
    case 3:
    case 6:
        return Qt::SizeBDiagCursor;
    case 2:
    case 7:
        return Qt::SizeVerCursor;
    default:
        return Qt::SizeHorCursor;
    }
}

// The zoom setting, medium when it names no zoom.
int designerZoom(const Settings &settings)
{
    const int zoom = settings.pageLayout.zoom;
    return isZoomLevel(zoom) ? zoom : ZoomMedium;
}

// A bitmap object's picture: the file read as a BMP whatever the case of its name; null when it
// cannot be read.
QImage readBitmap(const QString &path)
{
    constexpr qint64 MaxBitmapBytes = qint64{256} << 20;
    const auto bytes = readRegularFile(path, MaxBitmapBytes);
    return bytes ? QImage::fromData(*bytes, "BMP") : QImage();
}

QString twoDecimals(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

// The page picture: shows the designer's picture at its exact pixel size, the frame of an object
// being dragged over it, and reports the mouse.
class DesignerPageImage : public QWidget {
public:
    DesignerPageImage(PageDesignerWindow &window, const QImage &picture, const std::optional<QRect> &outline,
                      QWidget *parent)
        : QWidget(parent), m_window(window), m_picture(picture), m_outline(outline)
    {
        setObjectName(QStringLiteral("PageImage"));
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, m_picture);
        if (m_outline) {
            // A dotted frame that inverts what lies under it, so it shows on every colour.
            p.setCompositionMode(QPainter::CompositionMode_Difference);
            p.setPen(QPen(Qt::white, 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(m_outline->adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_window.pageMouseDown(event->button(), event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        m_window.pageMouseMove(event->buttons(), event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        m_window.pageMouseUp(event->button(), event->position().toPoint());
    }

private:
    PageDesignerWindow &m_window;
    const QImage &m_picture;
    const std::optional<QRect> &m_outline;
};

namespace {

// One ruler along the page picture, in the page area's margin: it stays in view while the page
// scrolls under it and follows the scrolling, so the marks always line up with the page.
class PageRuler : public QWidget {
public:
    PageRuler(Qt::Orientation orientation, const PageDesignerModel &model, const QImage &picture,
              const QScrollBar &scroll, QWidget *parent)
        : QWidget(parent), m_orientation(orientation), m_model(model), m_picture(picture), m_scroll(scroll)
    {
        setObjectName(orientation == Qt::Horizontal ? QStringLiteral("TopRuler") : QStringLiteral("LeftRuler"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int t = RulerThickness;
        const bool across = m_orientation == Qt::Horizontal;
        const int length = across ? m_picture.width() : m_picture.height();
        const int offset = -m_scroll.value();
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        p.setFont(font);
        const QFontMetrics metrics(font);
        const QRect strip = across ? QRect(offset, 0, length, t) : QRect(0, offset, t, length);
        p.fillRect(strip, RulerRed);
        p.setPen(Qt::black);
        p.drawRect(strip.adjusted(0, 0, -1, -1));
        for (const RulerTick &tick : rulerTicks(length, m_model.unitsPerPageUnit(), inInches(m_model.layout()))) {
            const int at = offset + tick.position;
            if (across) {
                p.drawLine(at, tick.depth, at, t - 1);
                if (tick.label)
                    p.drawText(at - 3, 1 + metrics.ascent(), QString::number(tick.label));
            } else {
                p.drawLine(tick.depth, at, t - 1, at);
                if (tick.label)
                    p.drawText(2, at - 6 + metrics.ascent(), QString::number(tick.label));
            }
        }
    }

private:
    Qt::Orientation m_orientation;
    const PageDesignerModel &m_model;
    const QImage &m_picture;
    const QScrollBar &m_scroll;
};

// The page area: the page picture scrolls; the rulers sit in the margins above and left of it.
class RulerScrollArea : public QScrollArea {
public:
    RulerScrollArea(const PageDesignerModel &model, const QImage &picture, QWidget *parent) : QScrollArea(parent)
    {
        setViewportMargins(RulerThickness, RulerThickness, 0, 0);
        m_top = new PageRuler(Qt::Horizontal, model, picture, *horizontalScrollBar(), this);
        m_left = new PageRuler(Qt::Vertical, model, picture, *verticalScrollBar(), this);
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_top, qOverload<>(&QWidget::update));
        connect(verticalScrollBar(), &QScrollBar::valueChanged, m_left, qOverload<>(&QWidget::update));
    }

    void updateRulers()
    {
        m_top->update();
        m_left->update();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        const QRect view = viewport()->geometry();
        m_top->setGeometry(view.left(), view.top() - RulerThickness, view.width(), RulerThickness);
        m_left->setGeometry(view.left() - RulerThickness, view.top(), RulerThickness, view.height());
    }

private:
    PageRuler *m_top = nullptr;
    PageRuler *m_left = nullptr;
};

} // namespace

PageDesignerWindow::PageDesignerWindow(const PageDesignerContext &context, const DesignerRequest &request,
                                       QWidget *parent)
    : ConventionalDialog(context.look, DesignSize, parent), m_context(context), m_mode(request.mode),
      m_recordNumber(request.recordNumber),
      m_model(startingLayout(request.mode == DesignerMode::New ? StartMode::New : StartMode::Stored, request.layout,
                             designerZoom(context.settings)),
              designerZoom(context.settings)),
      m_menuRunner(runObjectMenu)
{
    setObjectName(QStringLiteral("PageDesignerWindow"));
    setWindowTitle(tr("Page Creator"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto *area = new RulerScrollArea(m_model, m_picture, this);
    m_area = area;
    m_area->setObjectName(QStringLiteral("PageArea"));
    m_area->setBackgroundRole(QPalette::Dark);
    QPalette grey = m_area->palette();
    grey.setColor(QPalette::Dark, PageAreaGrey);
    m_area->setPalette(grey);
    m_page = new DesignerPageImage(*this, m_picture, m_outline, m_area);
    m_area->setWidget(m_page);

    auto *top = new QHBoxLayout(this);
    top->setContentsMargins(4, 4, 4, 4);
    top->addWidget(buildSidePanel());
    top->addWidget(m_area, 1);
    buildMenus(top);
    fillControls();
}

PageDesignerWindow::~PageDesignerWindow() = default;

QWidget *PageDesignerWindow::pageImage() const
{
    return m_page;
}

QWidget *PageDesignerWindow::buildSidePanel()
{
    auto *side = new QWidget(this);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    m_paper = new QComboBox(side);
    m_paper->setObjectName(QStringLiteral("PageSize"));
    // Shown translated; the layout stores the English name (the item's data).
    for (const auto name : paperNames()) {
        const QByteArray stored(name.data(), static_cast<qsizetype>(name.size()));
        m_paper->addItem(QCoreApplication::translate("qx", stored.constData()), QString::fromLatin1(stored));
    }
    connect(m_paper, &QComboBox::currentIndexChanged, this, &PageDesignerWindow::pageSizeChange);
    auto *paperLabel = new QLabel(tr("Paper Size"), side);
    paperLabel->setBuddy(m_paper);
    column->addWidget(paperLabel);
    column->addWidget(m_paper);

    m_customBox = new QWidget(side);
    auto *custom = new QGridLayout(m_customBox);
    custom->setContentsMargins(0, 0, 0, 0);
    m_width = new QLineEdit(m_customBox);
    m_width->setObjectName(QStringLiteral("PageWidth"));
    m_height = new QLineEdit(m_customBox);
    m_height->setObjectName(QStringLiteral("PageHeight"));
    for (QLineEdit *edit : {m_width, m_height}) {
        edit->setMaxLength(SizeBoxMaxLength);
        edit->installEventFilter(this);
    }
    m_inches = new QCheckBox(tr("Inches"), m_customBox);
    m_inches->setObjectName(QStringLiteral("Inches"));
    connect(m_inches, &QCheckBox::toggled, this, &PageDesignerWindow::onUnitsChanged);
    custom->addWidget(new QLabel(tr("Width"), m_customBox), 0, 0);
    custom->addWidget(m_width, 0, 1);
    custom->addWidget(new QLabel(tr("Height"), m_customBox), 1, 0);
    custom->addWidget(m_height, 1, 1);
    custom->addWidget(m_inches, 2, 0, 1, 2);
    column->addWidget(m_customBox);

    m_name = new QLineEdit(side);
    m_name->setObjectName(QStringLiteral("Title"));
    m_name->setMaxLength(NameMaxLength);
    keepStorable(m_name, m_context.host);
    auto *nameLabel = new QLabel(tr("Name"), side);
    nameLabel->setBuddy(m_name);
    column->addWidget(nameLabel);
    column->addWidget(m_name);

    auto *orientation = new QWidget(side);
    auto *orientationRow = new QHBoxLayout(orientation);
    orientationRow->setContentsMargins(0, 0, 0, 0);
    m_portrait = new QRadioButton(tr("&Portrait"), orientation);
    m_portrait->setObjectName(QStringLiteral("PortraitButton"));
    m_landscape = new QRadioButton(tr("&Landscape"), orientation);
    m_landscape->setObjectName(QStringLiteral("LandscapeButton"));
    orientationRow->addWidget(m_portrait);
    orientationRow->addWidget(m_landscape);
    connect(m_portrait, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setOrientation(true);
    });
    connect(m_landscape, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setOrientation(false);
    });
    column->addWidget(orientation);

    const auto toolBox = [this, side](const QString &title, std::span<const ObjectKind> kinds) {
        auto *box = new QGroupBox(title, side);
        auto *grid = new QGridLayout(box);
        grid->setSpacing(2);
        int i = 0;
        for (const ObjectKind kind : kinds) {
            auto *panel = new QPushButton(panelCaption(kind), box);
            panel->setObjectName(QString::fromLatin1(panelSource(kind)).remove(QLatin1Char(' ')) +
                                 QStringLiteral("Panel"));
            panel->setCheckable(true);
            panel->setAutoDefault(false);
            panel->setFocusPolicy(Qt::NoFocus);
            QPalette look = panel->palette();
            // A disabled panel shows white text; on a darker face, so that it can still be read.
            look.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::white);
            look.setColor(QPalette::Disabled, QPalette::Button, DisabledPanelGrey);
            panel->setPalette(look);
            connect(panel, &QPushButton::clicked, this, [this, kind] { armTool(kind); });
            m_tools[static_cast<size_t>(kind) - 1] = panel;
            grid->addWidget(panel, i / 2, i % 2);
            ++i;
        }
        return box;
    };
    column->addWidget(toolBox(tr("Crossword Objects"), CrosswordTools));
    column->addWidget(toolBox(tr("Other Objects"), OtherTools));
    column->addStretch();

    m_saveButton = new QPushButton(tr("&Save"), side);
    m_saveButton->setObjectName(QStringLiteral("SaveButton"));
    m_cancelButton = new QPushButton(tr("&Cancel"), side);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton *b : {m_saveButton, m_cancelButton})
        b->setAutoDefault(false);
    connect(m_saveButton, &QPushButton::clicked, this, &PageDesignerWindow::saveLayout);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *closeRow = new QHBoxLayout;
    closeRow->addWidget(m_saveButton);
    closeRow->addWidget(m_cancelButton);
    column->addLayout(closeRow);
    return side;
}

void PageDesignerWindow::buildMenus(QLayout *top)
{
    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(tr("&File"));
    m_actions.save = file->addAction(tr("&Save"));
    m_actions.save->setObjectName(QStringLiteral("MenuSave"));
    m_actions.save->setShortcut(QKeySequence(tr("Ctrl+S")));
    connect(m_actions.save, &QAction::triggered, this, &PageDesignerWindow::saveLayout);
    // Ctrl+X is also Cut: a text box with the focus claims it first (Qt's line edits take their
    // editing keys before the window's shortcuts), so it leaves the window only from elsewhere.
    m_actions.exit = file->addAction(tr("E&xit"));
    m_actions.exit->setObjectName(QStringLiteral("MenuExit"));
    m_actions.exit->setShortcut(QKeySequence(tr("Ctrl+X")));
    connect(m_actions.exit, &QAction::triggered, this, &QDialog::reject);

    QMenu *objects = bar->addMenu(tr("&Objects"));
    for (int k = 1; k <= PageLayout::MaxObjects; ++k) {
        QAction *a = objects->addAction(QString());
        a->setObjectName(QStringLiteral("ObjectEntry%1").arg(k));
        connect(a, &QAction::triggered, this, [this, k] { openObjectMenuFor(k); });
        m_actions.objects[static_cast<size_t>(k - 1)] = a;
    }

    QMenu *zoom = bar->addMenu(tr("&Zoom"));
    auto *group = new QActionGroup(zoom);
    const QString captions[3] = {tr("&Small"), tr("&Medium"), tr("&Large")};
    const QString keys[3] = {tr("Ctrl+F1"), tr("Ctrl+F2"), tr("Ctrl+F3")};
    const QString names[3] = {QStringLiteral("MenuSmall"), QStringLiteral("MenuMedium"), QStringLiteral("MenuLarge")};
    for (int z = 1; z <= 3; ++z) {
        QAction *a = zoom->addAction(captions[z - 1]);
        a->setObjectName(names[z - 1]);
        a->setShortcut(QKeySequence(keys[z - 1]));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, z] { setZoom(z); });
        m_actions.zoom[static_cast<size_t>(z - 1)] = a;
    }

    m_actions.help = bar->addAction(tr("&Help"));
    m_actions.help->setObjectName(QStringLiteral("MenuHelp"));
    connect(m_actions.help, &QAction::triggered, this, [this] {
        if (m_context.help)
            m_context.help(this, HelpKeyword);
    });
    top->setMenuBar(bar);
}

// Fills the controls from the working layout without running their handlers: opening shows no
// warning and rescales nothing beyond the zoom.
void PageDesignerWindow::fillControls()
{
    m_actions.zoom[static_cast<size_t>(m_model.zoom() - 1)]->setChecked(true);
    loadBitmaps();
    {
        const QSignalBlocker paper(m_paper);
        const QSignalBlocker inches(m_inches);
        const QSignalBlocker portrait(m_portrait);
        const QSignalBlocker landscape(m_landscape);
        const PageLayout &layout = m_model.layout();
        m_name->setText(cp1252::toUnicode(layout.LayoutName.str()));
        fillSizeBoxes();
        (layout.Portrait != 0 ? m_portrait : m_landscape)->setChecked(true);
        m_paper->setCurrentIndex(paperIndex(layout));
        showCustomBoxes(m_paper->currentData().toString() == QLatin1String(CustomPaperName.data()));
    }
    m_model.disarm();
    m_model.selectNothing();
    setButtons();
    buildObjMenu();
    redrawLayout();
}

void PageDesignerWindow::fillSizeBoxes()
{
    const QSignalBlocker inches(m_inches);
    const PageLayout &layout = m_model.layout();
    m_width->setText(twoDecimals(layout.PageWidth));
    m_height->setText(twoDecimals(layout.PageHeight));
    m_inches->setChecked(inInches(layout));
}

void PageDesignerWindow::showCustomBoxes(bool show)
{
    m_customBox->setVisible(show);
}

QString PageDesignerWindow::bitmapKey(const LayoutObject &object) const
{
    return cp1252::toUnicode(object.BitmapFile.str());
}

// Every bitmap object's picture, read once per file. A named file that cannot be read is told once
// for the whole layout, however many objects name it; its objects show the placeholder.
void PageDesignerWindow::loadBitmaps()
{
    m_bitmaps.clear();
    bool missing = false;
    const PageLayout &layout = m_model.layout();
    for (int k = 0; k < layout.objectsInUse(); ++k) {
        const LayoutObject &o = layout.Objects[static_cast<size_t>(k)];
        if (o.Kind != static_cast<int16_t>(ObjectKind::Bitmap))
            continue;
        const QString path = bitmapKey(o);
        if (path.isEmpty() || m_bitmaps.contains(path))
            continue;
        const QImage image = readBitmap(path);
        if (image.isNull())
            missing = true;
        m_bitmaps.insert(path, image);
    }
    if (missing)
        m_context.host.message(this, tr("Warning"), tr("A bitmap for this layout could not be located."), Buttons::Ok);
}

void PageDesignerWindow::redrawLayout()
{
    m_model.updatePageSize();
    const PageLayout &layout = m_model.layout();
    const QSize size(std::clamp(static_cast<int>(layout.LayoutWidth), 1, MaxPicture),
                     std::clamp(static_cast<int>(layout.LayoutHeight), 1, MaxPicture));
    if (m_picture.size() != size)
        m_picture = QImage(size, QImage::Format_RGB32);
    m_page->setFixedSize(size);
    drawObjects();
    if (const int s = m_model.selected(); s > 0 && s <= layout.objectsInUse()) {
        QPainter p(&m_picture);
        for (const QRect &mark : handleMarks(layout.Objects[static_cast<size_t>(s - 1)].Bounds))
            p.fillRect(mark, Qt::black);
    }
    static_cast<RulerScrollArea *>(m_area)->updateRulers();
    m_page->update();
}

void PageDesignerWindow::drawObjects()
{
    m_picture.fill(Qt::white);
    QPainter p(&m_picture);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    p.setFont(font);
    const PageLayout &layout = m_model.layout();
    for (int k = 0; k < layout.objectsInUse(); ++k)
        drawAnObject(p, layout.Objects[static_cast<size_t>(k)]);
}

void PageDesignerWindow::drawAnObject(QPainter &p, const LayoutObject &o)
{
    const QRect r = drawableRect(o.Bounds, m_picture.size());
    const QPen dotted(Qt::black, 1, Qt::DotLine);
    const auto frames = [&](bool ellipse) {
        const int n = visibleFrames(o.BorderWidth, r);
        p.setPen(QPen(fromColorValue(o.BorderColor), 1));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < n; ++i) {
            const QRect f = r.adjusted(i, i, -i - 1, -i - 1);
            ellipse ? p.drawEllipse(f) : p.drawRect(f);
        }
    };
    const auto kind = static_cast<ObjectKind>(o.Kind);
    if (kind == ObjectKind::Bitmap) {
        drawBitmap(p, o, r);
        if (o.HasBorder == 1)
            frames(false);
        return;
    }
    if (kind == ObjectKind::Circle) {
        p.setPen(Qt::NoPen);
        p.setBrush(designColor(o));
        p.drawEllipse(r.adjusted(0, 0, -1, -1));
        if (o.HasBorder == 1) {
            frames(true);
        } else {
            p.setPen(dotted);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(r.adjusted(0, 0, -1, -1));
        }
    } else {
        p.fillRect(r, designColor(o));
        p.setBrush(Qt::NoBrush);
        if (kind == ObjectKind::Puzzle) {
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        } else if (o.HasBorder == 1) {
            frames(false);
        } else {
            p.setPen(dotted);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        // Column dividers: no more lines than the width has pixels.
        const int columns = std::min<int>(o.Columns, std::max(1, r.width()));
        if (columns > 1) {
            p.setPen(dotted);
            const int step = r.width() / columns;
            for (int c = 1; c < columns; ++c)
                p.drawLine(r.left() + c * step, r.top(), r.left() + c * step, r.bottom());
        }
    }
    // The label, cut from its end until it fits.
    QString label = cp1252::toUnicode(o.ObjectLabel.str());
    const QFontMetrics metrics(p.font());
    while (!label.isEmpty() && metrics.horizontalAdvance(label) > r.width())
        label.chop(1);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, label);
}

// The object's picture stretched to its bounds, or the placeholder: white, a black frame and the
// word "Bitmap" in the middle.
void PageDesignerWindow::drawBitmap(QPainter &p, const LayoutObject &o, const QRect &r)
{
    const QImage image = m_bitmaps.value(bitmapKey(o));
    if (!image.isNull() && !r.isEmpty()) {
        p.drawImage(r, image);
        return;
    }
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawText(r, Qt::AlignCenter, tr("Bitmap"));
}

void PageDesignerWindow::setButtons()
{
    const auto enabled = enabledTools(m_model.layout());
    for (size_t i = 0; i < m_tools.size(); ++i) {
        QPushButton *panel = m_tools[i];
        const bool armed = m_model.armedTool() == static_cast<int>(i) + 1;
        panel->setEnabled(enabled[i]);
        panel->setChecked(armed);
        QPalette look = panel->palette();
        look.setColor(QPalette::Active, QPalette::Button, armed ? Lime : palette().color(QPalette::Button));
        look.setColor(QPalette::Inactive, QPalette::Button, armed ? Lime : palette().color(QPalette::Button));
        panel->setPalette(look);
    }
}

void PageDesignerWindow::buildObjMenu()
{
    const PageLayout &layout = m_model.layout();
    for (int k = 0; k < PageLayout::MaxObjects; ++k) {
        QAction *a = m_actions.objects[static_cast<size_t>(k)];
        const bool used = k < layout.objectsInUse();
        a->setVisible(used);
        if (used) {
            // A label's own "&" is shown, not taken as a mnemonic.
            a->setText(cp1252::toUnicode(layout.Objects[static_cast<size_t>(k)].ObjectLabel.str())
                           .replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
    }
}

void PageDesignerWindow::updateCursor()
{
    switch (m_model.cursor()) {
    case PageCursor::Default:
        m_page->unsetCursor();
        break;
    case PageCursor::Drag:
        m_page->setCursor(Qt::DragMoveCursor);
        break;
    case PageCursor::Hand:
        m_page->setCursor(Qt::OpenHandCursor);
        break;
    case PageCursor::Sizing:
        m_page->setCursor(sizingCursor(m_model.handle()));
        break;
    }
}

void PageDesignerWindow::pageSizeChange()
{
    const QString name = m_paper->currentData().toString();
    const bool custom = name == QLatin1String(CustomPaperName.data());
    const bool odd = choosePaper(m_model.layout(), name.toStdString());
    showCustomBoxes(custom);
    if (custom)
        fillSizeBoxes();
    if (odd)
        m_context.host.message(this, tr("Warning"),
                               tr("Some printers do not support odd sized pages.  Printed results may vary."),
                               Buttons::Ok);
    redrawLayout();
}

bool PageDesignerWindow::checkExtent(QLineEdit *edit, bool width)
{
    PageLayout &layout = m_model.layout();
    const bool inches = inInches(layout);
    const double value = leadingDecimal(edit->text().trimmed().toStdString());
    const ExtentRange range = width ? customWidthRange(inches) : customHeightRange(inches);
    if (!range.holds(value)) {
        QString message;
        if (width)
            message = inches ? tr("Width must be between 3 and 12 inches.  Please re-enter width.")
                             : tr("Width must be between 7 and 31 centimeters.  Please re-enter width.");
        else
            message = inches ? tr("Height must be between 4 and 18 inches.  Please re-enter height.")
                             : tr("Height must be between 10 and 46 centimeters.  Please re-enter height.");
        m_context.host.message(this, tr("Error"), message, Buttons::Ok);
        edit->setFocus();
        return false;
    }
    double &field = width ? layout.PageWidth : layout.PageHeight;
    if (value != field) {
        field = value;
        redrawLayout();
    }
    return true;
}

bool PageDesignerWindow::pageWidthExit()
{
    return checkExtent(m_width, true);
}

bool PageDesignerWindow::pageHeightExit()
{
    return checkExtent(m_height, false);
}

void PageDesignerWindow::onUnitsChanged()
{
    const bool toInches = m_inches->isChecked();
    if (inInches(m_model.layout()) == toInches)
        return;
    switchUnit(m_model.layout(), toInches);
    fillSizeBoxes();
    redrawLayout();
}

void PageDesignerWindow::setOrientation(bool portrait)
{
    if (chooseOrientation(m_model.layout(), portrait)) {
        if (!m_customBox->isHidden())
            fillSizeBoxes();
        redrawLayout();
    }
}

void PageDesignerWindow::setZoom(int zoom)
{
    m_actions.zoom[static_cast<size_t>(zoom - 1)]->setChecked(true);
    if (!m_model.setZoom(zoom))
        return;
    m_context.settings.pageLayout.zoom = zoom;
    redrawLayout();
}

void PageDesignerWindow::armTool(ObjectKind kind)
{
    m_model.clickTool(kind);
    setButtons();
    updateCursor();
}

void PageDesignerWindow::pageMouseDown(Qt::MouseButton button, QPoint pos)
{
    if (button == Qt::LeftButton || button == Qt::RightButton)
        m_model.press(button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right, pos);
}

void PageDesignerWindow::pageMouseMove(Qt::MouseButtons buttons, QPoint pos)
{
    if (!(buttons & Qt::LeftButton)) {
        m_model.hover(pos);
        updateCursor();
        return;
    }
    const auto outline = m_model.dragOutline(pos);
    if (outline != m_outline) {
        m_outline = outline;
        m_page->update();
    }
}

void PageDesignerWindow::pageMouseUp(Qt::MouseButton button, QPoint pos)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    m_outline.reset();
    const auto &reports = m_context.settings.reports;
    HeadingTexts headings;
    headings.across = cp1252::fromUnicode(reports.acrossLabel).value_or("Across");
    headings.down = cp1252::fromUnicode(reports.downLabel).value_or("Down");
    const ReleaseOutcome outcome =
        m_model.release(button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right, pos, headings);
    switch (outcome.kind) {
    case ReleaseOutcome::Nothing:
        break;
    case ReleaseOutcome::Placed:
        setButtons();
        buildObjMenu();
        break;
    case ReleaseOutcome::Moved:
    case ReleaseOutcome::Selected:
        break;
    case ReleaseOutcome::MenuRequest: {
        const auto &b = m_model.layout().Objects[static_cast<size_t>(outcome.target - 1)].Bounds;
        const QPoint corner(std::clamp(b[0], -MaxPicture, MaxPicture), std::clamp(b[1], -MaxPicture, MaxPicture));
        openObjectMenu(outcome.target, m_page->mapToGlobal(corner));
        return;
    }
    }
    setButtons();
    updateCursor();
    redrawLayout();
}

void PageDesignerWindow::openObjectMenuFor(int slot)
{
    if (slot >= 1 && slot <= m_model.layout().objectsInUse())
        openObjectMenu(slot, mapToGlobal(QPoint(120, 30)));
}

void PageDesignerWindow::openObjectMenu(int target, QPoint globalPos)
{
    if (!m_menuRunner)
        return;
    ObjectMenuContext context{m_context.host, look(), this, m_model.layout(), m_model.unitsPerPageUnit()};
    const ObjectMenuResult result = m_menuRunner(context, target, globalPos);
    switch (result) {
    case ObjectMenuResult::Nothing:
        return;
    case ObjectMenuResult::Changed:
        break;
    case ObjectMenuResult::BitmapLoaded: {
        const PageLayout &layout = m_model.layout();
        if (target >= 1 && target <= layout.objectsInUse()) {
            const QString path = bitmapKey(layout.Objects[static_cast<size_t>(target - 1)]);
            m_bitmaps.insert(path, readBitmap(path));
        }
        break;
    }
    case ObjectMenuResult::Deleted: {
        // The pictures no object names any more go with the object.
        QSet<QString> named;
        const PageLayout &layout = m_model.layout();
        for (int k = 0; k < layout.objectsInUse(); ++k)
            named.insert(bitmapKey(layout.Objects[static_cast<size_t>(k)]));
        m_bitmaps.removeIf([&named](const auto &entry) { return !named.contains(entry.key()); });
        [[fallthrough]];
    }
    case ObjectMenuResult::Reordered:
        m_model.selectNothing();
        setButtons();
        buildObjMenu();
        break;
    }
    redrawLayout();
}

void PageDesignerWindow::saveLayout()
{
    const bool custom = m_paper->currentData().toString() == QLatin1String(CustomPaperName.data());
    if (custom && (!pageHeightExit() || !pageWidthExit()))
        return;
    PageLayout &layout = m_model.layout();
    layout.LayoutName.setTrimmed(cp1252::fromUnicode(m_name->text()).value_or(std::string()));
    layout.PaperName.set(m_paper->currentData().toString().toStdString());
    layout.DesignZoom = static_cast<int16_t>(m_model.zoom());
    m_model.updatePageSize();

    const LayoutLibrary library(m_context.libraryPath);
    FileStatus written = fileDone();
    if (m_mode == DesignerMode::Modify) {
        // The record may have gone since the library listed it: never replace another one.
        const auto count = library.count();
        if (count && (m_recordNumber < 1 || m_recordNumber > *count)) {
            m_context.host.message(this, tr("Disk Error"), tr("Unable to add page layout."), Buttons::Ok);
            return;
        }
        written = count ? library.replace(m_recordNumber - 1, layout) : FileStatus(count.error());
    } else if (const auto appended = library.append(layout); !appended) {
        written = appended.error();
    }
    if (!written) {
        if (written.error().notOpened())
            m_context.host.message(this, tr("Disk Error"), tr("Unable to add page layout."), Buttons::Ok);
        else
            m_context.host.fileError(this, written.error());
        return;
    }
    m_saved = true;
    accept();
}

// Leaving a size box checks it, but not when the user moves to another window (the error box
// itself takes the focus) and not on the way to Save, which checks both boxes itself, or Cancel,
// which throws the value away.
bool PageDesignerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_width || watched == m_height)) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        const QWidget *next = QApplication::focusWidget();
        const bool toOtherWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!toOtherWindow && next != m_saveButton && next != m_cancelButton && isVisible()) {
            if (watched == m_width)
                pageWidthExit();
            else
                pageHeightExit();
        }
    }
    return ConventionalDialog::eventFilter(watched, event);
}

// Where the user last left the designer, never smaller than its controls need and never off the
// screen (a setting from a larger screen, or typed by hand, would leave it out of reach).
void PageDesignerWindow::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    const auto &s = m_context.settings.pageLayout;
    const QSize least = minimumSizeHint();
    resize(std::max(s.designerWidth, least.width()), std::max(s.designerHeight, least.height()));
    move(s.designerLeft, s.designerTop);
    fitOnScreen(*this);
}

void PageDesignerWindow::done(int result)
{
    if (m_placed) {
        auto &s = m_context.settings.pageLayout;
        s.designerLeft = x();
        s.designerTop = y();
        s.designerWidth = width();
        s.designerHeight = height();
    }
    m_bitmaps.clear();
    ConventionalDialog::done(result);
}

DesignerOpener makePageDesignerOpener(PageDesignerContext context)
{
    return [context](QWidget *parent, const DesignerRequest &request) {
        PageDesignerWindow designer(context, request, parent);
        context.host.runModal(designer);
        return designer.saved();
    };
}

} // namespace qx
