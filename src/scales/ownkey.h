#pragma once

// An own grading key: a template of bands (grades 1 … 6, grades with
// tendencies, or points 15 … 00) whose thresholds are spread evenly between
// a top percentage and a break point, where the lowest passing band begins.

#include "common/fixedpoint.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zm::scales::ownkey {

struct KeyTemplate
{
    QString name;      // the choice's caption ("Noten mit Tendenz")
    QStringList bands; // best first
    int passing = 0;   // bands from the best down to the lowest passing band
};

// The three templates in the order of their stored codes 1 … 3.
const QList<KeyTemplate> &keyTemplates();
inline constexpr int MaxBands = 16;

// Defaults of the break point and the top.
inline constexpr Fixed DefaultBreakPoint = Fixed::fromInt(50);
inline constexpr Fixed DefaultTop = Fixed::fromInt(95);

// The thresholds of the template's bands in percent: the passing bands start
// at percentages evenly spaced from `top` down to `breakPoint`, the failing
// bands at percentages evenly spaced from `breakPoint` down to 0 (the last
// band starts at 0). Each is rounded to two decimals, halves up. Nothing
// (std::nullopt) unless 0 <= breakPoint <= top <= 100.
std::optional<QList<Fixed>> thresholds(const KeyTemplate &key, Fixed breakPoint, Fixed top);

// A threshold as its field shows it: up to two decimals, decimal comma.
QString thresholdText(Fixed threshold);

} // namespace zm::scales::ownkey
