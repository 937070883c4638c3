#include "transcript/documentexport.h"

#include "transcript/documentpackage.h"

#include "common/errors.h"

#include <QBuffer>
#include <QFileInfo>
#include <QRegularExpression>

#include <quazip.h>
#include <quazipfile.h>

#include <optional>

namespace zm::transcript {

namespace package {

QString twips(int pixels)
{
    return QString::number(pixels * 15);
}
QString centimetres(int pixels)
{
    return QString::number(pixels * 2.54 / 96, 'f', 4) + QStringLiteral("cm");
}

QList<Row> tableRows(const Transcript &transcript, const QString &indexName, const QDateTime &when)
{
    QList<Row> rows{titleRow(indexName, when)};
    for (int r = 0; r < Rows; ++r) {
        Row row;
        for (int c = 0; c < Columns; ++c)
            row[c] = transcript.cell(c, r);
        rows << row;
    }
    return rows;
}

QString xmlText(const QString &text)
{
    QString out;
    for (const char32_t c : text.toUcs4()) {
        const bool allowed = c == '\t' || c == '\n' || (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c < 0xFFFE) ||
                             (c >= 0x10000 && c <= 0x10FFFF);
        if (allowed)
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QByteArray zipped(const QList<ZipEntry> &entries, const QDateTime &when)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    // The buffer can seek, so sizes go into the local headers; OpenDocument
    // readers look for the media type at a fixed place in the first one.
    zip.setDataDescriptorWritingEnabled(false);
    bool ok = zip.open(QuaZip::mdCreate);
    for (const ZipEntry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.dateTime = when;
        info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
        QuaZipFile file(&zip);
        ok = ok && file.open(QIODevice::WriteOnly, info, nullptr, 0, entry.stored ? 0 : Z_DEFLATED);
        ok = ok && file.write(entry.bytes) == entry.bytes.size();
        file.close();
        ok = ok && file.getZipError() == ZIP_OK;
    }
    zip.close();
    if (!ok || zip.getZipError() != ZIP_OK)
        throw Error(
            QStringLiteral("Das Dokument ließ sich nicht zusammenstellen (ZIP-Fehler %1).").arg(zip.getZipError()));
    return bytes;
}

QByteArray xmlPart(const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    body(xml);
    xml.writeEndDocument();
    return bytes;
}

} // namespace package

DocumentType documentType(const QString &path, const QString &filter)
{
    const auto typeOf = [](const QString &suffix) -> std::optional<DocumentType> {
        const QString s = suffix.toLower();
        if (s == u"doc" || s == u"html" || s == u"htm")
            return DocumentType::Html;
        if (s == u"docx")
            return DocumentType::Docx;
        if (s == u"odt")
            return DocumentType::Odt;
        return std::nullopt;
    };
    if (const auto typed = typeOf(QFileInfo(path).suffix()))
        return *typed;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return typeOf(pattern.match(filter).captured(1)).value_or(DocumentType::Html);
}

QByteArray transcriptDocument(DocumentType type, const Transcript &transcript, const QString &indexName,
                              const QDateTime &when)
{
    switch (type) {
    case DocumentType::Docx:
        return transcriptDocx(transcript, indexName, when);
    case DocumentType::Odt:
        return transcriptOdt(transcript, indexName, when);
    case DocumentType::Html:
        break;
    }
    return transcriptHtml(transcript, indexName, when);
}

} // namespace zm::transcript
