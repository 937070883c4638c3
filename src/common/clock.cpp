#include "common/clock.h"

namespace zm::clock {

namespace {

std::function<QDateTime()> &provider()
{
    static std::function<QDateTime()> p;
    return p;
}

} // namespace

QDateTime now()
{
    return provider() ? provider()() : QDateTime::currentDateTime();
}

void setNowProvider(std::function<QDateTime()> p)
{
    provider() = std::move(p);
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString timeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace zm::clock
