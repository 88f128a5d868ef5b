#pragma once
// The twelve international character keys of a window that takes words: F1..F12 and the window's
// right-click menu items "1".."12" type the characters the settings assign them into the focused
// text control, as if typed there (a line edit's validator and length limit apply).

#include <functional>

class QString;
class QWidget;

namespace qx {

struct Settings;

// Called for a focused control that is not a line edit (a grid whose cell editor is closed, say);
// it types the character there itself.
using TypeElsewhere = std::function<void(QWidget *focused, const QString &character)>;

// Adds the twelve actions to the window and makes them its right-click menu.
void addInternationalKeys(QWidget &window, const Settings &settings, TypeElsewhere elsewhere = {});

// Types international character k (1..12) into the window's focused control.
void typeInternationalKey(const Settings &settings, int k, const TypeElsewhere &elsewhere = {});

} // namespace qx
