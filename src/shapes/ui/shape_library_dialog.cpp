#include "shapes/ui/shape_library_dialog.h"

#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr QSize DesignSize(560, 300);

} // namespace

ShapeLibraryDialog::ShapeLibraryDialog(ShapeListContext context, UiHost &host, QWidget *parent)
    : ConventionalDialog(context.look, DesignSize, parent)
{
    setObjectName(QStringLiteral("SelectShapes"));
    setWindowTitle(tr("Shapes"));
    m_panel = new ShapeListPanel(std::move(context), host, ShapeListOptions{}, this);
    m_exitButton = new QPushButton(tr("E&xit"), this);
    m_exitButton->setObjectName(QStringLiteral("ExitButton"));
    m_exitButton->setAutoDefault(false);
    m_panel->addButton(m_exitButton);
    connect(m_exitButton, &QPushButton::clicked, this, &ShapeLibraryDialog::closeLibrary);

    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(12, 10, 12, 12);
    top->addWidget(m_panel);
}

// Opening fills the list, chooses its first entry, reads and draws it, and gives the list the focus.
void ShapeLibraryDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        m_panel->start();
    }
}

void ShapeLibraryDialog::closeLibrary()
{
    accept();
}

} // namespace qx
