#pragma once

// Shared by the fuzz targets: a property that does not hold ends the run
// with a message, which libFuzzer reports as a finding with its input.

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace zm::fuzz {

inline void require(bool holds, const char *property, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

inline QByteArray bytesOf(const unsigned char *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace zm::fuzz
