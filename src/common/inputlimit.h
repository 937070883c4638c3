#pragma once

// "At most n characters" for what the user types or pastes into a field.
// Texts that the program assigns (an own-values line, for example) are never
// cut, which QLineEdit::setMaxLength would do; so the limit is a filter on
// the user's input paths instead: typed characters, the paste shortcuts, the
// context menu's paste, middle-click paste, and drops.

class QLineEdit;

namespace zm::scales {

void limitTypedInput(QLineEdit *edit, int maxChars);

} // namespace zm::scales
