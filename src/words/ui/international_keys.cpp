#include "words/ui/international_keys.h"

#include "store/settings.h"
#include "words/letters.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

namespace qx {

void addInternationalKeys(QWidget &window, const Settings &settings, TypeElsewhere elsewhere)
{
    for (int k = 1; k <= 12; ++k) {
        auto *action = new QAction(QString::number(k), &window);
        action->setObjectName(QStringLiteral("InternationalKey%1").arg(k));
        action->setShortcut(QKeySequence(Qt::Key_F1 + k - 1));
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, &window,
                         [&settings, k, elsewhere] { typeInternationalKey(settings, k, elsewhere); });
        window.addAction(action);
    }
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void typeInternationalKey(const Settings &settings, int k, const TypeElsewhere &elsewhere)
{
    const QString character = internationalKeyCharacter(settings.createOptions.intKeys[static_cast<size_t>(k - 1)]);
    QWidget *focused = QApplication::focusWidget();
    if (character.isEmpty() || !focused)
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(focused)) {
        // insert() goes through the edit's validator and length limit, as a typed key does.
        if (!edit->isReadOnly() && edit->isEnabled())
            edit->insert(character);
        return;
    }
    if (elsewhere)
        elsewhere(focused, character);
}

} // namespace qx
