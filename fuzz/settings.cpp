// The per-user settings as the subject calculator reads them: any file in
// their place gives the values or a reason in German, never more.

#include "common/errors.h"
#include "platform/settingsstore.h"
#include "fuzzing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zm;
using fuzz::require;

namespace {

QTemporaryDir &configHome()
{
    static QTemporaryDir home;
    return home;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("XDG_CONFIG_HOME", configHome().path().toLocal8Bit());
    QDir(configHome().path()).mkpath(QStringLiteral("Velmorra"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    QFile file(configHome().filePath(QStringLiteral("Velmorra/Zensomat.conf")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const platform::SettingsStore store;
    for (int value = 0; value < 3; ++value) {
        try {
            if (value == 0)
                store.subject();
            else
                store.subjectName(value);
        } catch (const Error &error) {
            require(!error.text().isEmpty(), "a reason", error.text());
        }
    }
    return 0;
}
