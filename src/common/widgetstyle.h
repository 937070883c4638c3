#pragma once

// Small pieces of look that every window shares.

#include <QColor>
#include <QLineEdit>
#include <QPalette>

namespace zm::ui {

// Title bar with minimise and close buttons only, as the calculators have.
inline constexpr Qt::WindowFlags MinimiseCloseWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The system's inactive-border colour, the background of several windows.
inline QColor inactiveBorderColour()
{
    return {244, 247, 252};
}

// The background of an edit field (the aqua and red marks, white, the window colour).
inline void setFieldColour(QLineEdit *field, const QColor &colour)
{
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, colour);
    field->setPalette(pal);
}

} // namespace zm::ui
