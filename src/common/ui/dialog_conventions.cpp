#include "common/ui/dialog_conventions.h"

#include "common/colors.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace qx {

namespace {

enum class FontRole { None, LabelWithColour, Label, EditWithColour, Edit, Button };

FontRole roleOf(const QWidget *w)
{
    // Captions drawn as panels keep their own font; only their size follows the factor.
    if (w->property("qxKeepFont").toBool())
        return FontRole::None;
    if (qobject_cast<const QPushButton *>(w))
        return FontRole::Button;
    if (qobject_cast<const QLabel *>(w) || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w))
        return FontRole::LabelWithColour;
    if (qobject_cast<const QGroupBox *>(w) || qobject_cast<const QListView *>(w))
        return FontRole::Label;
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->inputMask().isEmpty() ? FontRole::EditWithColour : FontRole::Edit;
    if (qobject_cast<const QComboBox *>(w) || qobject_cast<const QTableView *>(w) ||
        qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
        qobject_cast<const QAbstractSpinBox *>(w))
        return FontRole::EditWithColour;
    return FontRole::None;
}

void dress(QWidget *w, const UserFont &choice, bool withColour)
{
    QFont font = w->font();
    font.setFamily(choice.name);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    w->setFont(font);
    if (withColour) {
        const QColor color = fromColorValue(static_cast<uint32_t>(choice.color));
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, color);
        palette.setColor(QPalette::Text, color);
        palette.setColor(QPalette::ButtonText, color);
        w->setPalette(palette);
    }
}

} // namespace

void applyUserFonts(QWidget &window, const DialogLook &look)
{
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    // Sizes come from the design, scaled; the user's fonts give name, style and colour only. Every
    // design size is taken before any font changes, since a child inherits its parent's font.
    for (QWidget *w : widgets) {
        if (!w->property("qxDesignPointSize").isValid() && w->font().pointSizeF() > 0)
            w->setProperty("qxDesignPointSize", w->font().pointSizeF());
    }
    for (QWidget *w : widgets) {
        const QVariant design = w->property("qxDesignPointSize");
        if (design.isValid()) {
            QFont font = w->font();
            font.setPointSizeF(scaledBy(static_cast<int>(design.toDouble() * 100), look.screenFactor) / 100.0);
            w->setFont(font);
        }
        switch (roleOf(w)) {
        case FontRole::LabelWithColour:
            dress(w, look.labelFont, true);
            break;
        case FontRole::Label:
            dress(w, look.labelFont, false);
            break;
        case FontRole::EditWithColour:
            dress(w, look.editFont, true);
            break;
        case FontRole::Edit:
            dress(w, look.editFont, false);
            break;
        case FontRole::Button:
            dress(w, look.buttonFont, false);
            break;
        case FontRole::None:
            break;
        }
    }
}

void scaleAndCentre(QWidget &window, QSize designSize, const DialogLook &look)
{
    QSize size(scaledBy(designSize.width(), look.screenFactor), scaledBy(designSize.height(), look.screenFactor));
    size = size.expandedTo(window.minimumSizeHint());
    // Wrapped texts need more lines in a longer language: the window grows to hold them all.
    if (const QLayout *layout = window.layout(); layout && layout->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
    window.resize(size);
    const QSize actual = window.size();
    window.move((look.screen.width() - actual.width()) / 2, (look.screen.height() - actual.height()) / 2);
    fitOnScreen(window);
}

QRect availableArea(const QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1024, 768));
}

namespace {

constexpr const char *ScrollAreaName = "qxFitOnScreen";

// Moves what the window shows into a scroll area that takes its place: a main window's central
// widget, or a dialog's whole layout with its widgets (they stay the window's descendants).
void showInScrollArea(QWidget &window)
{
    if (window.findChild<QScrollArea *>(QLatin1String(ScrollAreaName), Qt::FindDirectChildrenOnly))
        return;
    auto *scroll = new QScrollArea(&window);
    scroll->setObjectName(QLatin1String(ScrollAreaName));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    if (auto *main = qobject_cast<QMainWindow *>(&window)) {
        QWidget *central = main->takeCentralWidget();
        if (!central) {
            delete scroll;
            return;
        }
        scroll->setWidget(central);
        main->setCentralWidget(scroll);
        // A main window of fixed size could not become smaller than its contents.
        main->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        main->setMinimumSize(0, 0);
        main->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    QLayout *layout = window.layout();
    if (!layout) {
        delete scroll;
        return;
    }
    auto *page = new QWidget;
    page->setLayout(layout); // takes the layout, and its widgets, from the window
    scroll->setWidget(page);
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

} // namespace

void fitOnScreen(QWidget &window)
{
    const QRect area = availableArea(window);
    // The frame is known once the window exists; before that it counts as nothing.
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize room = (area.size() - frame).expandedTo(QSize(1, 1));
    QSize wanted = window.size();
    const QSize least = window.minimumSizeHint();
    if (least.width() > room.width() || least.height() > room.height()) {
        wanted = wanted.expandedTo(least);
        showInScrollArea(window);
    }
    window.setMinimumSize(window.minimumSize().boundedTo(room));
    const QSize size = wanted.boundedTo(room);
    window.resize(size);
    window.move(keptOnScreen(QRect(window.pos(), window.size() + frame), area).topLeft());
}

ConventionalDialog::ConventionalDialog(const DialogLook &look, QSize designSize, QWidget *parent)
    : QDialog(parent), m_look(look), m_designSize(designSize)
{
}

void ConventionalDialog::showEvent(QShowEvent *event)
{
    if (!m_conventionsApplied) {
        m_conventionsApplied = true;
        applyUserFonts(*this, m_look);
        // Settle the layout on the new fonts before the size is fixed.
        if (layout()) {
            layout()->invalidate();
            layout()->activate();
        }
        scaleAndCentre(*this, m_designSize, m_look);
    }
    QDialog::showEvent(event);
}

} // namespace qx
