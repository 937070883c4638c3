#pragma once

// The current date and time, in one place so that tests can fix them; and
// their German forms, whatever the system locale says.

#include <QDateTime>

#include <functional>

namespace zm::clock {

QDateTime now();

// Tests fix the time; an empty function gives the system's clock back.
void setNowProvider(std::function<QDateTime()> provider);

// "24.12.2024", "14:05:09".
QString dateText(const QDate &date);
QString timeText(const QTime &time);

} // namespace zm::clock
