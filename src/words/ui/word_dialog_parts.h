#pragma once
// Small pieces the word list windows build themselves from.

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace qx {

// A paragraph that tells what a window is for, wrapped to the window's width.
inline QLabel *explanationLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A button of the box, named so that tests and the monkey find it.
inline QPushButton *addNamedButton(QDialogButtonBox *box, const QString &text, QDialogButtonBox::ButtonRole role,
                                   const char *name)
{
    QPushButton *b = box->addButton(text, role);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace qx
