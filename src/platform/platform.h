#pragma once

// Our thin layer over what the program needs from the operating system:
// environment, data folder, relaunching itself, processor clock measurement.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace zm::platform {

// Value of an environment variable. A variable that is not set raises
// SystemError 203 ("Win32-Fehler. Code: 203.\n…"); a set but empty one reads "".
QString environmentValue(const QString &name);

// The per-user data folder: on Windows homedrive + homepath + "\Zensomat",
// elsewhere HOME + "/Zensomat". Raises SystemError when a variable is missing.
QString dataFolderPath();

// Starts the program's own executable again with these arguments. Tests
// install a hook so that no real process is started.
using RelaunchHook = std::function<void(const QString &program, const QStringList &arguments)>;
void setRelaunchHook(RelaunchHook hook);
void relaunchSelf(const QStringList &arguments);

// Processor clock: the time-stamp counter's advance over a 500 ms sleep, with
// raised priority where the system allows it. Tests replace the measurement.
using CounterSource = std::function<std::uint32_t()>;
void setClockMeasurement(CounterSource source);
std::uint32_t measureCounterDelta();

// "CPU-Speed: %d Mhz" for a counter difference taken over 500 ms: the rate is
// delta / 500000 MHz, rounded half to even.
QString cpuSpeedLine(std::uint32_t counterDelta);

} // namespace zm::platform
