#pragma once

// The fixed texts of the essay window's two help buttons, one entry a line.

#include <QStringList>

namespace zm::langindex {

// "Hinweise zum Vorgehen": the three steps of grading a pile of essays.
QStringList procedureHints();
// "Info": where the index tables come from.
QStringList indexInfo();

} // namespace zm::langindex
