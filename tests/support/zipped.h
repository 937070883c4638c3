#pragma once

// A zip archive with one entry, built in memory: .docx and .odt files for tests.

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <quazip.h>
#include <quazipfile.h>

namespace zm::test {

inline QByteArray zipped(const QString &entry, const QByteArray &content)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        qFatal("cannot create zip");
    QuaZipFile file(&zip);
    file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry));
    file.write(content);
    file.close();
    zip.close();
    return bytes;
}

} // namespace zm::test
