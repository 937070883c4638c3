#pragma once

// Names for screen readers. A field takes the caption beside it: the label
// to its left on the same line, or else the label just above it, becomes
// its buddy, so the name follows the caption's text whenever that changes.
// A control without such a caption is named after its hint (tooltip).
// Controls that already say what they are (buttons with a caption, named
// controls) are left alone.

class QLabel;
class QString;
class QWidget;

namespace zm::ui {

void nameByCaptions(QWidget *window);

// An output label says its caption and the figure it shows now ("Punkte: 12");
// call again whenever the figure changes.
void nameOutput(QLabel *output, const QString &caption);

} // namespace zm::ui
