#pragma once

// The keyboard path to controls the Tab key passes by (threshold fields that
// are reached by mouse, a track bar, an up-down pair): F6 moves the focus to
// the next such control of the window that is visible and enabled, Shift+F6
// to the previous one, in the window's focus order, round and round. Such a
// control without a tooltip of its own gets one that says so.

class QWidget;

namespace zm::ui {

void addKeyboardPath(QWidget *window);

// The tooltip of the controls F6 reaches.
inline constexpr char KeyboardPathHint[] = "Mit F6 erreichbar (Umschalt+F6: zurück)";

} // namespace zm::ui
