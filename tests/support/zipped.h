#pragma once

// Zip archives in memory for tests: one with a single entry (.docx and .odt
// files), and the entries of one read back in their order.

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

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

inline QList<std::pair<QString, QByteArray>> unzipped(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    QList<std::pair<QString, QByteArray>> entries;
    if (!zip.open(QuaZip::mdUnzip))
        return entries;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        file.open(QIODevice::ReadOnly);
        entries.append({zip.getCurrentFileName(), file.readAll()});
    }
    return entries;
}

} // namespace zm::test
