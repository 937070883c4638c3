#include "transcript/documentexport.h"

#include "transcript/documentpackage.h"

// An .odt package: the media type, the manifest, the page in the styles and
// the table in the content.

namespace zm::transcript {

using namespace package;

namespace {

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString ManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString OdtMediaType = QStringLiteral("application/vnd.oasis.opendocument.text");
// OpenDocument 1.2 is read by every word processor that reads OpenDocument at all.
const QString OdfVersion = QStringLiteral("1.2");

QByteArray manifest()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        xml.writeNamespace(ManifestNs, QStringLiteral("manifest"));
        xml.writeStartElement(ManifestNs, QStringLiteral("manifest"));
        xml.writeAttribute(ManifestNs, QStringLiteral("version"), OdfVersion);
        const auto entry = [&](const QString &path, const QString &type) {
            xml.writeEmptyElement(ManifestNs, QStringLiteral("file-entry"));
            xml.writeAttribute(ManifestNs, QStringLiteral("full-path"), path);
            if (path == u"/")
                xml.writeAttribute(ManifestNs, QStringLiteral("version"), OdfVersion);
            xml.writeAttribute(ManifestNs, QStringLiteral("media-type"), type);
        };
        entry(QStringLiteral("/"), OdtMediaType);
        entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
        entry(QStringLiteral("styles.xml"), QStringLiteral("text/xml"));
        xml.writeEndElement();
    });
}

// The default page as A4 landscape with 2 cm margins.
QByteArray odtStyles()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        xml.writeNamespace(OfficeNs, QStringLiteral("office"));
        xml.writeNamespace(StyleNs, QStringLiteral("style"));
        xml.writeNamespace(FoNs, QStringLiteral("fo"));
        xml.writeStartElement(OfficeNs, QStringLiteral("document-styles"));
        xml.writeAttribute(OfficeNs, QStringLiteral("version"), OdfVersion);
        xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
        xml.writeStartElement(StyleNs, QStringLiteral("page-layout"));
        xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("Seite"));
        xml.writeEmptyElement(StyleNs, QStringLiteral("page-layout-properties"));
        xml.writeAttribute(FoNs, QStringLiteral("page-width"), QStringLiteral("29.7cm"));
        xml.writeAttribute(FoNs, QStringLiteral("page-height"), QStringLiteral("21cm"));
        xml.writeAttribute(StyleNs, QStringLiteral("print-orientation"), QStringLiteral("landscape"));
        for (const char *side : {"margin-top", "margin-bottom", "margin-left", "margin-right"})
            xml.writeAttribute(FoNs, QString::fromLatin1(side), QStringLiteral("2cm"));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeStartElement(OfficeNs, QStringLiteral("master-styles"));
        xml.writeEmptyElement(StyleNs, QStringLiteral("master-page"));
        xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("Standard"));
        xml.writeAttribute(StyleNs, QStringLiteral("page-layout-name"), QStringLiteral("Seite"));
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

// A style of `family` named `name` with one properties element; the
// attributes go into that element.
void odtStyle(QXmlStreamWriter &xml, const QString &name, const char *family, const char *properties,
              const QList<std::pair<QString, QString>> &attributes)
{
    xml.writeStartElement(StyleNs, QStringLiteral("style"));
    xml.writeAttribute(StyleNs, QStringLiteral("name"), name);
    xml.writeAttribute(StyleNs, QStringLiteral("family"), QString::fromLatin1(family));
    xml.writeEmptyElement(StyleNs, QString::fromLatin1(properties));
    for (const auto &[qualified, value] : attributes) {
        const QString ns = qualified.startsWith(u"fo:") ? FoNs : qualified.startsWith(u"table:") ? TableNs : StyleNs;
        xml.writeAttribute(ns, qualified.section(u':', 1), value);
    }
    xml.writeEndElement();
}

void odtAutomaticStyles(QXmlStreamWriter &xml, const CellFont &font)
{
    xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
    odtStyle(xml, QStringLiteral("Tabelle"), "table", "table-properties",
             {{"style:width", centimetres(TableWidth)}, {"table:align", "left"}, {"table:border-model", "collapsing"}});
    for (int c = 0; c < Columns; ++c)
        odtStyle(xml, QStringLiteral("Spalte%1").arg(c + 1), "table-column", "table-column-properties",
                 {{"style:column-width", centimetres(ColumnWidths[c])}});
    odtStyle(xml, QStringLiteral("Zelle"), "table-cell", "table-cell-properties",
             {{"fo:padding", "0.097cm"}, {"fo:border", "0.5pt solid #000000"}});
    // 8 points, as the grid shows its cells: at a word processor's default
    // size the dates and scores would wrap in their columns.
    QList<std::pair<QString, QString>> text;
    for (const char *key : {"fo:font-size", "style:font-size-asian", "style:font-size-complex"})
        text.append({QString::fromLatin1(key), QStringLiteral("%1pt").arg(CellPoints)});
    if (font.bold) {
        for (const char *key : {"fo:font-weight", "style:font-weight-asian", "style:font-weight-complex"})
            text.append({QString::fromLatin1(key), QStringLiteral("bold")});
    }
    if (font.italic) {
        for (const char *key : {"fo:font-style", "style:font-style-asian", "style:font-style-complex"})
            text.append({QString::fromLatin1(key), QStringLiteral("italic")});
    }
    if (font.underline)
        text.append({{"style:text-underline-style", "solid"},
                     {"style:text-underline-width", "auto"},
                     {"style:text-underline-color", "font-color"}});
    odtStyle(xml, QStringLiteral("Text"), "paragraph", "text-properties", text);
    xml.writeEndElement();
}

// A cell's paragraph text. OpenDocument collapses blanks and drops them at
// a paragraph's ends, so a blank is written as it is only when it stands
// alone between two other characters, and as <text:s> otherwise.
void odtText(QXmlStreamWriter &xml, const QString &text)
{
    QString plain;
    const auto element = [&](const QString &name) {
        xml.writeCharacters(plain);
        plain.clear();
        xml.writeEmptyElement(TextNs, name);
    };
    const auto ordinary = [&](qsizetype i) {
        return i >= 0 && i < text.size() && !QStringView(u" \t\n").contains(text[i]);
    };
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'\t' || c == u'\n') {
            element(c == u'\t' ? QStringLiteral("tab") : QStringLiteral("line-break"));
            ++i;
        } else if (c != u' ') {
            plain += c;
            ++i;
        } else {
            qsizetype n = 1;
            while (i + n < text.size() && text[i + n] == u' ')
                ++n;
            if (n == 1 && ordinary(i - 1) && ordinary(i + 1)) {
                plain += c;
            } else {
                element(QStringLiteral("s"));
                if (n > 1)
                    xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(n));
            }
            i += n;
        }
    }
    xml.writeCharacters(plain);
}

QByteArray odtContent(const QList<Row> &rows, const CellFont &font)
{
    return xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(OfficeNs, QStringLiteral("office"));
        xml.writeNamespace(StyleNs, QStringLiteral("style"));
        xml.writeNamespace(TextNs, QStringLiteral("text"));
        xml.writeNamespace(TableNs, QStringLiteral("table"));
        xml.writeNamespace(FoNs, QStringLiteral("fo"));
        xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
        xml.writeAttribute(OfficeNs, QStringLiteral("version"), OdfVersion);
        odtAutomaticStyles(xml, font);
        xml.writeStartElement(OfficeNs, QStringLiteral("body"));
        xml.writeStartElement(OfficeNs, QStringLiteral("text"));
        xml.writeStartElement(TableNs, QStringLiteral("table"));
        xml.writeAttribute(TableNs, QStringLiteral("name"), QStringLiteral("Mitschrift"));
        xml.writeAttribute(TableNs, QStringLiteral("style-name"), QStringLiteral("Tabelle"));
        for (int c = 0; c < Columns; ++c) {
            xml.writeEmptyElement(TableNs, QStringLiteral("table-column"));
            xml.writeAttribute(TableNs, QStringLiteral("style-name"), QStringLiteral("Spalte%1").arg(c + 1));
        }
        for (const Row &row : rows) {
            xml.writeStartElement(TableNs, QStringLiteral("table-row"));
            for (const QString &cell : row) {
                xml.writeStartElement(TableNs, QStringLiteral("table-cell"));
                xml.writeAttribute(TableNs, QStringLiteral("style-name"), QStringLiteral("Zelle"));
                xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), QStringLiteral("string"));
                xml.writeStartElement(TextNs, QStringLiteral("p"));
                xml.writeAttribute(TextNs, QStringLiteral("style-name"), QStringLiteral("Text"));
                odtText(xml, xmlText(cell));
                xml.writeEndElement();
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

} // namespace

QByteArray transcriptOdt(const Transcript &transcript, const QString &indexName, const QDateTime &when,
                         const CellFont &font)
{
    // The media type comes first and uncompressed, so that it can be read at a fixed offset.
    return zipped({{QStringLiteral("mimetype"), OdtMediaType.toLatin1(), true},
                   {QStringLiteral("META-INF/manifest.xml"), manifest()},
                   {QStringLiteral("styles.xml"), odtStyles()},
                   {QStringLiteral("content.xml"), odtContent(tableRows(transcript, indexName, when), font)}},
                  when);
}

} // namespace zm::transcript
