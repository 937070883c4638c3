#include "platform/platform.h"

#include "common/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <cfenv>
#include <chrono>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif
#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace zm::platform {

namespace {

RelaunchHook &relaunchHook()
{
    static RelaunchHook h;
    return h;
}

CounterSource &counterSource()
{
    static CounterSource s;
    return s;
}

std::uint64_t readCounter()
{
#if defined(__x86_64__) || defined(__i386__)
    return __rdtsc();
#else
    // No time-stamp counter: nanoseconds of a steady clock stand in for it.
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

} // namespace

QString environmentValue(const QString &name)
{
    const QByteArray key = name.toLocal8Bit();
    if (!qEnvironmentVariableIsSet(key.constData()))
        throw SystemError(203, QStringLiteral("Die Umgebungsoption wurde nicht gefunden"));
    return qEnvironmentVariable(key.constData());
}

QString dataFolderPath()
{
#if defined(Q_OS_WIN)
    return environmentValue(QStringLiteral("homedrive")) + environmentValue(QStringLiteral("homepath")) +
           QStringLiteral("\\Zensomat");
#else
    return environmentValue(QStringLiteral("HOME")) + QDir::separator() + QStringLiteral("Zensomat");
#endif
}

void setRelaunchHook(RelaunchHook hook)
{
    relaunchHook() = std::move(hook);
}

void relaunchSelf(const QStringList &arguments)
{
    const QString program = QCoreApplication::applicationFilePath();
    if (relaunchHook()) {
        relaunchHook()(program, arguments);
        return;
    }
    QProcess::startDetached(program, arguments);
}

void setClockMeasurement(CounterSource source)
{
    counterSource() = std::move(source);
}

std::uint32_t measureCounterDelta()
{
    if (counterSource())
        return counterSource()();
#if defined(Q_OS_UNIX)
    // Best effort: a higher scheduling priority for the measurement. Real-time
    // scheduling is never requested for the GUI thread.
    const int oldNice = getpriority(PRIO_PROCESS, 0);
    const bool raised = setpriority(PRIO_PROCESS, 0, -20) == 0;
#endif
    const std::uint64_t before = readCounter();
    QThread::msleep(500);
    const std::uint64_t after = readCounter();
#if defined(Q_OS_UNIX)
    if (raised)
        setpriority(PRIO_PROCESS, 0, oldNice);
#endif
    return static_cast<std::uint32_t>(after) - static_cast<std::uint32_t>(before);
}

QString cpuSpeedLine(std::uint32_t counterDelta)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double mhz = static_cast<double>(counterDelta) / 500000.0;
    const long rounded = std::lrint(mhz);
    std::fesetround(previous);
    return QStringLiteral("CPU-Speed: %1 Mhz").arg(rounded);
}

} // namespace zm::platform
