#include "layout/ui/object_menu.h"

#include "common/cp1252.h"
#include "common/storable_text.h"
#include "common/ui/ui_host.h"
#include "layout/layout_units.h"
#include "layout/ui/border_dialog.h"
#include "layout/ui/fill_dialog.h"
#include "layout/ui/grid_properties_dialog.h"
#include "layout/ui/heading_text_dialog.h"
#include "layout/ui/number_font_dialog.h"
#include "layout/ui/object_font.h"
#include "layout/ui/object_properties_dialog.h"
#include "layout/ui/size_position_dialog.h"
#include "layout/ui/text_input_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

#include <map>

namespace qx {

namespace {

struct MenuEntry {
    ObjectCommand command;
    const char *objectName;
    const char *text;
};

// The menu in its order; the three alignments go into the "Text Alignment" submenu.
const MenuEntry Entries[] = {
    {ObjectCommand::SizePosition, "PopSize", QT_TRANSLATE_NOOP("ObjectMenu", "&Size && Position...")},
    {ObjectCommand::Properties, "PopProperties", QT_TRANSLATE_NOOP("ObjectMenu", "&Properties")},
    {ObjectCommand::Border, "PopBorder", QT_TRANSLATE_NOOP("ObjectMenu", "B&order")},
    {ObjectCommand::Fill, "PopFill", QT_TRANSLATE_NOOP("ObjectMenu", "&Fill")},
    {ObjectCommand::ChangeText, "PopChangeText", QT_TRANSLATE_NOOP("ObjectMenu", "Change &Text...")},
    {ObjectCommand::AlignLeft, "PopLeft", QT_TRANSLATE_NOOP("ObjectMenu", "&Left")},
    {ObjectCommand::AlignCenter, "PopCenter", QT_TRANSLATE_NOOP("ObjectMenu", "&Center")},
    {ObjectCommand::AlignRight, "PopRight", QT_TRANSLATE_NOOP("ObjectMenu", "&Right")},
    {ObjectCommand::TextFont, "PopTextFont", QT_TRANSLATE_NOOP("ObjectMenu", "Text &Font")},
    {ObjectCommand::NumberFont, "PopNumberFont", QT_TRANSLATE_NOOP("ObjectMenu", "&Clue Number Font")},
    {ObjectCommand::LoadBitmap, "PopBitmap", QT_TRANSLATE_NOOP("ObjectMenu", "Load B&itmap")},
    {ObjectCommand::Delete, "PopDelete", QT_TRANSLATE_NOOP("ObjectMenu", "&Delete")},
    {ObjectCommand::BringToFront, "PopFront", QT_TRANSLATE_NOOP("ObjectMenu", "&Bring To Front")},
    {ObjectCommand::SendToBack, "PopBack", QT_TRANSLATE_NOOP("ObjectMenu", "&Send To Back")},
};

QString menuText(const char *text)
{
    return QCoreApplication::translate("ObjectMenu", text);
}

bool isAlignment(ObjectCommand c)
{
    return c == ObjectCommand::AlignLeft || c == ObjectCommand::AlignCenter || c == ObjectCommand::AlignRight;
}

// Runs a dialog that works on a copy of the object and copies it back on OK.
template <typename Dialog>
ObjectMenuResult runOnCopy(ObjectMenuContext &c, Dialog &dialog, LayoutObject &object)
{
    if (c.host.runModal(dialog) != QDialog::Accepted)
        return ObjectMenuResult::Nothing;
    object = dialog.object();
    return ObjectMenuResult::Changed;
}

// The path as the object stores it, or nothing when it cannot be stored whole: a character
// Windows-1252 cannot hold or a control character, or more than 255 bytes.
std::optional<std::string> storablePath(const QString &path)
{
    if (firstUnstorable(path))
        return std::nullopt;
    auto bytes = cp1252::fromUnicode(path);
    if (!bytes || bytes->size() > static_cast<size_t>(decltype(LayoutObject::BitmapFile)::Capacity))
        return std::nullopt;
    return bytes;
}

ObjectMenuResult loadBitmap(ObjectMenuContext &c, LayoutObject &object)
{
    FileRequest request;
    request.title = QObject::tr("Load Bitmap File");
    request.filter = QObject::tr("Bitmap (*.BMP)|*.BMP");
    request.defaultSuffix = QStringLiteral("BMP");
    request.initialPath = cp1252::toUnicode(object.BitmapFile.str());
    request.mustExist = true;
    const auto path = c.host.openFileName(c.parent, request);
    if (!path)
        return ObjectMenuResult::Nothing;
    const auto stored = storablePath(*path);
    if (QFileInfo(*path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0 || !stored) {
        c.host.message(c.parent, QObject::tr("Error"), QObject::tr("The file selected is not a valid bitmap file."),
                       Buttons::Ok);
        return ObjectMenuResult::Nothing;
    }
    object.BitmapFile.set(*stored);
    return ObjectMenuResult::BitmapLoaded;
}

// The two text dialogs get only the text and hand back what is to be stored.
template <typename Dialog, typename... Args>
ObjectMenuResult runOnText(ObjectMenuContext &c, LayoutObject &object, Args... args)
{
    Dialog dialog(c.look, c.host, args..., object.text(), c.parent);
    if (c.host.runModal(dialog) != QDialog::Accepted)
        return ObjectMenuResult::Nothing;
    object.setText(dialog.storedText());
    return ObjectMenuResult::Changed;
}

ObjectMenuResult changeText(ObjectMenuContext &c, LayoutObject &object)
{
    const auto kind = static_cast<ObjectKind>(object.Kind);
    if (kind == ObjectKind::AcrossHeading || kind == ObjectKind::DownHeading)
        return runOnText<HeadingTextDialog>(c, object, kind);
    return runOnText<TextInputDialog>(c, object);
}

} // namespace

ObjectMenuResult runObjectCommand(ObjectMenuContext &c, int target, ObjectCommand command)
{
    if (target < 1 || target > c.layout.objectsInUse())
        return ObjectMenuResult::Nothing;
    LayoutObject &object = c.layout.Objects[static_cast<size_t>(target - 1)];
    if (!commandOffered(object.Kind, command))
        return ObjectMenuResult::Nothing;
    switch (command) {
    case ObjectCommand::SizePosition: {
        SizePositionDialog dialog(c.look, c.host, object, c.unitsPerPageUnit, inInches(c.layout), c.layout.LayoutWidth,
                                  c.layout.LayoutHeight, c.parent);
        return runOnCopy(c, dialog, object);
    }
    case ObjectCommand::Properties:
        if (object.Kind == static_cast<int16_t>(ObjectKind::Puzzle)) {
            GridPropertiesDialog dialog(c.look, c.host, object, c.parent);
            return runOnCopy(c, dialog, object);
        } else {
            ObjectPropertiesDialog dialog(c.look, c.host, object, c.parent);
            return runOnCopy(c, dialog, object);
        }
    case ObjectCommand::Border: {
        BorderDialog dialog(c.look, c.host, object, c.parent);
        return runOnCopy(c, dialog, object);
    }
    case ObjectCommand::Fill: {
        FillDialog dialog(c.look, c.host, object, c.parent);
        return runOnCopy(c, dialog, object);
    }
    case ObjectCommand::ChangeText:
        return changeText(c, object);
    case ObjectCommand::AlignLeft:
        object.Alignment = 1;
        return ObjectMenuResult::Changed;
    case ObjectCommand::AlignCenter:
        object.Alignment = 2;
        return ObjectMenuResult::Changed;
    case ObjectCommand::AlignRight:
        object.Alignment = 3;
        return ObjectMenuResult::Changed;
    case ObjectCommand::TextFont:
        return chooseObjectFont(c.host, c.parent, object, ObjectFont::Text) ? ObjectMenuResult::Changed
                                                                            : ObjectMenuResult::Nothing;
    case ObjectCommand::NumberFont: {
        NumberFontDialog dialog(c.look, c.host, object, c.parent);
        return runOnCopy(c, dialog, object);
    }
    case ObjectCommand::LoadBitmap:
        return loadBitmap(c, object);
    case ObjectCommand::Delete:
        deleteObject(c.layout, target);
        return ObjectMenuResult::Deleted;
    case ObjectCommand::BringToFront:
        bringToFront(c.layout, target);
        return ObjectMenuResult::Reordered;
    case ObjectCommand::SendToBack:
        sendToBack(c.layout, target);
        return ObjectMenuResult::Reordered;
    }
    return ObjectMenuResult::Nothing;
}

ObjectMenuResult runObjectMenu(ObjectMenuContext &c, int target, QPoint globalPos)
{
    if (target < 1 || target > c.layout.objectsInUse())
        return ObjectMenuResult::Nothing;
    const LayoutObject &object = c.layout.Objects[static_cast<size_t>(target - 1)];
    const bool grid = object.Kind == static_cast<int16_t>(ObjectKind::Puzzle);

    QMenu menu(c.parent);
    QMenu *alignment = nullptr;
    auto *alignments = new QActionGroup(&menu);
    std::map<QAction *, ObjectCommand> commands;
    for (const MenuEntry &e : Entries) {
        QString text = menuText(e.text);
        if (e.command == ObjectCommand::TextFont && grid)
            text = menuText(QT_TRANSLATE_NOOP("ObjectMenu", "Answer Key Font"));
        QAction *action = nullptr;
        if (isAlignment(e.command)) {
            if (!alignment) {
                alignment = menu.addMenu(menuText(QT_TRANSLATE_NOOP("ObjectMenu", "Text &Alignment")));
                alignment->menuAction()->setObjectName(QStringLiteral("PopAlignment"));
                alignment->setEnabled(commandOffered(object.Kind, e.command));
            }
            action = alignment->addAction(text);
            action->setCheckable(true);
            action->setActionGroup(alignments);
            action->setChecked(object.Alignment ==
                               1 + static_cast<int>(e.command) - static_cast<int>(ObjectCommand::AlignLeft));
        } else {
            if (e.command == ObjectCommand::Delete)
                menu.addSeparator();
            action = menu.addAction(text);
        }
        action->setObjectName(QLatin1String(e.objectName));
        action->setEnabled(commandOffered(object.Kind, e.command));
        commands[action] = e.command;
    }
    QAction *picked = c.host.popupMenu(menu, globalPos);
    const auto found = commands.find(picked);
    if (found == commands.end())
        return ObjectMenuResult::Nothing;
    return runObjectCommand(c, target, found->second);
}

} // namespace qx
