#pragma once

// Colours and captions the essay window's layout and its handlers share.

#include <QColor>
#include <QString>

namespace zm::langindex::look {

// System colours of the original look.
inline const QColor WindowColour(255, 255, 255);
inline const QColor MenuColour(240, 240, 240);
inline const QColor InactiveBorderColour(244, 247, 252);
inline const QColor InactiveCaptionColour(191, 205, 219);
inline const QColor LanguageColour(255, 0, 0);
inline const QColor ExpressionColour(255, 255, 0);

inline const QString WithIndexCaption = QStringLiteral("mit Fehlerindex");
inline const QString WithoutIndexCaption = QStringLiteral("ohne Fehlerindex");

inline constexpr int ClientWidth = 1000;
inline constexpr int ClientHeight = 634;
inline constexpr int StatusHeight = 22;

} // namespace zm::langindex::look
