#include "transcript/documentexport.h"

#include "transcript/documentpackage.h"

// A .docx package: the content types, the package relationship and the
// document with its table; the page is set in the document's section.

namespace zm::transcript {

using namespace package;

namespace {

const QString WordNs = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");

QByteArray contentTypes()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
        xml.writeStartElement(QStringLiteral("Types"));
        const auto entry = [&](const char *element, const char *key, const char *value, const char *type) {
            xml.writeEmptyElement(QString::fromLatin1(element));
            xml.writeAttribute(QString::fromLatin1(key), QString::fromLatin1(value));
            xml.writeAttribute(QStringLiteral("ContentType"), QString::fromLatin1(type));
        };
        entry("Default", "Extension", "rels", "application/vnd.openxmlformats-package.relationships+xml");
        entry("Default", "Extension", "xml", "application/xml");
        entry("Override", "PartName", "/word/document.xml",
              "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
        xml.writeEndElement();
    });
}

QByteArray packageRelationships()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
        xml.writeStartElement(QStringLiteral("Relationships"));
        xml.writeEmptyElement(QStringLiteral("Relationship"));
        xml.writeAttribute(QStringLiteral("Id"), QStringLiteral("rId1"));
        xml.writeAttribute(QStringLiteral("Type"),
                           QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                                          "officeDocument"));
        xml.writeAttribute(QStringLiteral("Target"), QStringLiteral("word/document.xml"));
        xml.writeEndElement();
    });
}

class WordWriter
{
public:
    explicit WordWriter(QXmlStreamWriter &xml)
        : m_xml(xml)
    {
    }

    void empty(const char *name, std::initializer_list<std::pair<const char *, QString>> attributes = {})
    {
        m_xml.writeEmptyElement(WordNs, QString::fromLatin1(name));
        for (const auto &[key, value] : attributes)
            m_xml.writeAttribute(WordNs, QString::fromLatin1(key), value);
    }
    void start(const char *name) { m_xml.writeStartElement(WordNs, QString::fromLatin1(name)); }
    void end() { m_xml.writeEndElement(); }

    void tableProperties()
    {
        start("tblPr");
        empty("tblW", {{"w", twips(TableWidth)}, {"type", QStringLiteral("dxa")}});
        start("tblBorders");
        for (const char *side : {"top", "left", "bottom", "right", "insideH", "insideV"})
            empty(side, {{"val", QStringLiteral("single")},
                         {"sz", QStringLiteral("4")}, // eighths of a point
                         {"space", QStringLiteral("0")},
                         {"color", QStringLiteral("auto")}});
        end();
        empty("tblLayout", {{"type", QStringLiteral("fixed")}});
        end();
        start("tblGrid");
        for (const int width : ColumnWidths)
            empty("gridCol", {{"w", twips(width)}});
        end();
    }

    void cell(int column, const QString &text, const CellFont &font)
    {
        start("tc");
        start("tcPr");
        empty("tcW", {{"w", twips(ColumnWidths[column])}, {"type", QStringLiteral("dxa")}});
        end();
        start("p");
        if (!text.isEmpty()) {
            start("r");
            start("rPr");
            if (font.bold)
                empty("b");
            // 8 points, as the grid shows its cells: at a word processor's
            // default size the dates and scores would wrap in their columns.
            empty("sz", {{"val", QString::number(CellPoints * 2)}});
            if (font.italic)
                empty("i");
            if (font.underline)
                empty("u", {{"val", QStringLiteral("single")}});
            end();
            QString plain;
            const auto flush = [&] {
                if (plain.isEmpty())
                    return;
                start("t");
                m_xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
                m_xml.writeCharacters(plain);
                end();
                plain.clear();
            };
            for (const QChar c : text) {
                if (c == u'\t' || c == u'\n') {
                    flush();
                    empty(c == u'\t' ? "tab" : "br");
                } else {
                    plain += c;
                }
            }
            flush();
            end();
        }
        end();
        end();
    }

    // A4 landscape with 2 cm margins.
    void section()
    {
        start("sectPr");
        empty("pgSz", {{"w", QStringLiteral("16838")}, {"h", QStringLiteral("11906")}, {"orient", "landscape"}});
        const QString margin = QStringLiteral("1134");
        empty("pgMar", {{"top", margin},
                        {"right", margin},
                        {"bottom", margin},
                        {"left", margin},
                        {"header", QStringLiteral("709")},
                        {"footer", QStringLiteral("709")},
                        {"gutter", QStringLiteral("0")}});
        end();
    }

private:
    QXmlStreamWriter &m_xml;
};

QByteArray wordDocument(const QList<Row> &rows, const CellFont &font)
{
    return xmlPart([&](QXmlStreamWriter &xml) {
        WordWriter w(xml);
        xml.writeNamespace(WordNs, QStringLiteral("w"));
        w.start("document");
        w.start("body");
        w.start("tbl");
        w.tableProperties();
        for (const Row &row : rows) {
            w.start("tr");
            for (int c = 0; c < Columns; ++c)
                w.cell(c, xmlText(row[c]), font);
            w.end();
        }
        w.end();
        // A body ends with a paragraph; a table cannot be its last element.
        w.empty("p");
        w.section();
        w.end();
        w.end();
    });
}

} // namespace

QByteArray transcriptDocx(const Transcript &transcript, const QString &indexName, const QDateTime &when,
                          const CellFont &font)
{
    return zipped({{QStringLiteral("[Content_Types].xml"), contentTypes()},
                   {QStringLiteral("_rels/.rels"), packageRelationships()},
                   {QStringLiteral("word/document.xml"), wordDocument(tableRows(transcript, indexName, when), font)}},
                  when);
}

} // namespace zm::transcript
