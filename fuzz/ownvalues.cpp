// An own-values file as a calculator loads it: exactly the lines asked for,
// none holding a CR, each a text the number parser takes or refuses quietly.

#include "common/fixedpoint.h"
#include "common/ownvalues.h"
#include "fuzzing.h"

#include <QFile>
#include <QTemporaryDir>

using namespace zm;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    static QTemporaryDir folder;
    if (size == 0)
        return 0;
    const int count = data[0] % 32; // the first byte: how many lines the scale reads
    const QByteArray bytes = fuzz::bytesOf(data + 1, size - 1);
    const QString path = folder.filePath(QStringLiteral("eigene.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const std::optional<QStringList> lines = ownvalues::read(path, count);
    require(lines.has_value(), "a readable file is read");
    require(lines->size() == count, "exactly the lines asked for");
    require(*lines == ownvalues::splitLines(bytes.left(ownvalues::MaxReadBytes), count),
            "the file reads as its first bytes split");
    for (const QString &line : *lines) {
        require(!line.contains(QLatin1Char('\r')), "no line holds a CR", line);
        Fixed value;
        tryParseFixed(line, value);
    }
    return 0;
}
