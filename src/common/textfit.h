#pragma once

// Whether a control's text fits the room the control gives it, and making it
// fit by a slightly smaller font where the control's size is fixed. Laid out
// in pixels, a window keeps its proportions at any screen scale, but the
// fonts on a system may run wider than the ones the layout was drawn for.

#include <QFont>
#include <QString>

class QFontMetrics;
class QWidget;

namespace zm::ui {

// A control's single-line text and its room in pixels; room -1 where the
// control is not measured (empty, wrapped or rich text, pictures, kinds
// other than labels, push buttons, radio buttons, check boxes and group
// box titles).
struct TextRoom
{
    QString text;
    int room = -1;
};
TextRoom textRoom(const QWidget *control);

// The width of the widest line of `text`.
int textWidth(const QFontMetrics &metrics, const QString &text);

// `font`, reduced step by step (to three quarters of its size at most) until `text`
// fits `room` pixels.
QFont fittingFont(const QFont &font, const QString &text, int room);

// Gives the control such a font when its text does not fit its room.
void shrinkToFit(QWidget *control);

} // namespace zm::ui
