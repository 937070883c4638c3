#include "transcript/tableread.h"

#include "common/ownvalues.h"
#include "transcript/transcript.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <memory>

namespace zm::transcript {

namespace {

// Far more than a transcript ever needs; guards against files that would
// unpack to gigabytes.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

[[noreturn]] void fail(const char *reason)
{
    throw TableReadError(QString::fromUtf8(reason));
}

// Collects the first table from the events of a document walk. Tables
// nested in a cell belong to that cell's text; the walk ends with the first
// table.
class TableCollector
{
public:
    bool finished() const { return m_finished; }

    void tableStart()
    {
        if (++m_depth > 1)
            paragraphEnd();
    }
    void tableEnd()
    {
        if (--m_depth == 0)
            m_finished = true;
        else
            paragraphEnd();
    }
    void rowStart(qint64 repeat = 1)
    {
        if (m_depth != 1)
            return;
        m_rowRepeat = repeat;
        m_rows.append(QStringList());
    }
    void rowEnd()
    {
        if (m_depth != 1 || m_rows.isEmpty())
            return;
        // Repeated rows (OpenDocument) only matter as far as the grid reaches.
        for (qint64 i = 1; i < m_rowRepeat && m_rows.size() < Rows; ++i)
            m_rows.append(m_rows.last());
        m_rowRepeat = 1;
    }
    void cellStart(qint64 repeat = 1)
    {
        if (m_depth == 1) {
            m_cell.clear();
            m_cellRepeat = repeat;
            m_inCell = true;
        }
    }
    void cellEnd()
    {
        if (m_depth != 1) {
            paragraphEnd();
            return;
        }
        m_inCell = false;
        if (m_rows.isEmpty())
            return;
        QStringList &row = m_rows.last();
        for (qint64 i = 0; i < m_cellRepeat && row.size() < Columns; ++i)
            row.append(m_cell);
    }
    void text(const QString &text)
    {
        if (m_inCell)
            m_cell += text;
    }
    void paragraphEnd() { text(QStringLiteral("\r")); }

    QList<QStringList> rows() const
    {
        if (!m_finished && m_depth == 0)
            fail("In der Datei gibt es keine Tabelle.");
        QList<QStringList> rows = m_rows.mid(0, Rows);
        if (rows.isEmpty())
            fail("Die erste Tabelle der Datei ist leer.");
        return rows;
    }

private:
    QList<QStringList> m_rows;
    QString m_cell;
    qint64 m_rowRepeat = 1;
    qint64 m_cellRepeat = 1;
    int m_depth = 0;
    bool m_inCell = false;
    bool m_finished = false;
};

void checkXml(const QXmlStreamReader &reader, const TableCollector &table)
{
    if (reader.hasError() && !table.finished())
        throw TableReadError(QStringLiteral("Die Datei ist beschädigt: ihr Inhalt ist kein gültiges XML (Zeile %1).")
                                 .arg(reader.lineNumber()));
}

qint64 attributeNumber(const QXmlStreamReader &reader, const QString &ns, const QString &name)
{
    const QStringView value = reader.attributes().value(ns, name);
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    return ok && n > 0 ? n : 1;
}

// word/document.xml of a .docx file.
QList<QStringList> wordTable(const QByteArray &xml)
{
    const QString w = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
    QXmlStreamReader reader(xml);
    TableCollector table;
    bool inText = false;
    while (!table.finished() && !reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            if (inText)
                table.text(reader.text().toString());
            continue;
        }
        if (reader.namespaceUri() != w)
            continue;
        const QStringView name = reader.name();
        if (reader.isStartElement()) {
            if (name == u"tbl")
                table.tableStart();
            else if (name == u"tr")
                table.rowStart();
            else if (name == u"tc")
                table.cellStart();
            else if (name == u"t")
                inText = true;
            else if (name == u"tab")
                table.text(QStringLiteral("\t"));
            else if (name == u"br" || name == u"cr")
                table.paragraphEnd();
        } else if (reader.isEndElement()) {
            if (name == u"tbl")
                table.tableEnd();
            else if (name == u"tr")
                table.rowEnd();
            else if (name == u"tc")
                table.cellEnd();
            else if (name == u"t")
                inText = false;
            else if (name == u"p")
                table.paragraphEnd();
        }
    }
    checkXml(reader, table);
    return table.rows();
}

// content.xml of an .odt file. Blanks in a paragraph collapse to one, as
// OpenDocument says; <text:s text:c="n"/> stands for n blanks.
QList<QStringList> openDocumentTable(const QByteArray &xml)
{
    const QString tableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
    const QString textNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\n]+"));
    QXmlStreamReader reader(xml);
    TableCollector table;
    int paragraphs = 0;
    while (!table.finished() && !reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            if (paragraphs > 0)
                table.text(reader.text().toString().replace(blanks, QStringLiteral(" ")));
            continue;
        }
        const QStringView name = reader.name();
        if (reader.isStartElement()) {
            if (reader.namespaceUri() == tableNs) {
                if (name == u"table")
                    table.tableStart();
                else if (name == u"table-row")
                    table.rowStart(attributeNumber(reader, tableNs, QStringLiteral("number-rows-repeated")));
                else if (name == u"table-cell" || name == u"covered-table-cell")
                    table.cellStart(attributeNumber(reader, tableNs, QStringLiteral("number-columns-repeated")));
            } else if (reader.namespaceUri() == textNs) {
                if (name == u"p" || name == u"h")
                    ++paragraphs;
                else if (name == u"s") // no cell of a transcript needs more blanks than this
                    table.text(QString(std::min<qint64>(attributeNumber(reader, textNs, QStringLiteral("c")), 1000),
                                       QLatin1Char(' ')));
                else if (name == u"tab")
                    table.text(QStringLiteral("\t"));
                else if (name == u"line-break")
                    table.paragraphEnd();
            }
        } else if (reader.isEndElement()) {
            if (reader.namespaceUri() == tableNs) {
                if (name == u"table")
                    table.tableEnd();
                else if (name == u"table-row")
                    table.rowEnd();
                else if (name == u"table-cell" || name == u"covered-table-cell")
                    table.cellEnd();
            } else if (reader.namespaceUri() == textNs && (name == u"p" || name == u"h")) {
                --paragraphs;
                table.paragraphEnd();
            }
        }
    }
    checkXml(reader, table);
    return table.rows();
}

QList<QStringList> zipTable(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        fail("Die Datei ist beschädigt: das ZIP-Archiv lässt sich nicht öffnen.");
    bool word = true;
    if (!zip.setCurrentFile(QStringLiteral("word/document.xml"))) {
        word = false;
        if (!zip.setCurrentFile(QStringLiteral("content.xml")))
            fail("Die Datei ist weder ein .docx- noch ein .odt-Dokument.");
    }
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly))
        fail("Die Datei ist beschädigt: ihr Inhalt lässt sich nicht entpacken.");
    if (entry.usize() > MaxBytes)
        fail("Die Datei ist zu groß für eine Mitschrift.");
    const QByteArray xml = entry.read(MaxBytes + 1);
    entry.close();
    if (xml.size() > MaxBytes)
        fail("Die Datei ist zu groß für eine Mitschrift.");
    if (entry.getZipError() != UNZ_OK)
        fail("Die Datei ist beschädigt: ihr Inhalt lässt sich nicht entpacken.");
    return word ? wordTable(xml) : openDocumentTable(xml);
}

// ---------------------------------------------------------------------------
// HTML, through libxml2's forgiving HTML parser.

struct FreeDoc
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};

bool named(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST name) == 0;
}

bool namedAny(const xmlNode *node, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(), [node](const char *name) { return named(node, name); });
}

const xmlNode *firstTable(const xmlNode *node)
{
    for (; node; node = node->next) {
        if (named(node, "table"))
            return node;
        if (const xmlNode *inside = firstTable(node->children))
            return inside;
    }
    return nullptr;
}

// The text as a browser lays it out: blanks collapse, every block starts a
// new paragraph (separated by CR), a non-breaking blank is a blank.
void collectText(const xmlNode *node, QString &out)
{
    for (; node; node = node->next) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            out += QString::fromUtf8(reinterpret_cast<const char *>(node->content));
        } else if (node->type == XML_ELEMENT_NODE) {
            if (namedAny(node, {"script", "style", "head"}))
                continue;
            if (named(node, "br")) {
                out += QLatin1Char('\r');
                continue;
            }
            const bool block = namedAny(node, {"p", "div", "li", "ul", "ol", "table", "tr", "td", "th", "h1", "h2",
                                               "h3", "h4", "h5", "h6", "blockquote", "pre"});
            if (block)
                out += QLatin1Char('\r');
            collectText(node->children, out);
            if (block)
                out += QLatin1Char('\r');
        }
    }
}

QString cellText(const xmlNode *cell)
{
    QString raw;
    collectText(cell->children, raw);
    QStringList paragraphs;
    for (QString paragraph : raw.split(QLatin1Char('\r'))) {
        paragraph = paragraph.replace(QChar(0xA0), QLatin1Char(' ')).simplified();
        if (!paragraph.isEmpty())
            paragraphs << paragraph;
    }
    return paragraphs.join(QLatin1Char('\r'));
}

// A file that names its encoding is read in it; otherwise as UTF-8 when the
// bytes are valid UTF-8, else as Windows-1252 (the transcript's own files).
// Returns the bytes to parse and the encoding to tell the parser (none: its own choice).
std::pair<QByteArray, const char *> htmlInput(const QByteArray &bytes)
{
    static const QRegularExpression declared(QStringLiteral("<meta[^>]*charset|<\\?xml[^>]*encoding"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        declared.match(QString::fromLatin1(bytes.left(64 * 1024))).hasMatch())
        return {bytes, nullptr};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes); // the decoder only decodes into a string
    if (utf8.hasError())
        return {ownvalues::fromWindows1252(bytes).toUtf8(), "UTF-8"};
    return {bytes, "UTF-8"};
}

QList<QStringList> htmlTable(const QByteArray &bytes)
{
    const auto [input, encoding] = htmlInput(bytes);
    const std::unique_ptr<xmlDoc, FreeDoc> doc(
        htmlReadMemory(input.constData(), static_cast<int>(input.size()), nullptr, encoding,
                       HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET));
    const xmlNode *table = doc ? firstTable(xmlDocGetRootElement(doc.get())) : nullptr;
    if (!table)
        fail("In der Datei gibt es keine Tabelle.");

    QList<const xmlNode *> rowNodes;
    for (const xmlNode *child = table->children; child; child = child->next) {
        if (named(child, "tr")) {
            rowNodes << child;
        } else if (namedAny(child, {"thead", "tbody", "tfoot"})) {
            for (const xmlNode *row = child->children; row; row = row->next) {
                if (named(row, "tr"))
                    rowNodes << row;
            }
        }
    }
    QList<QStringList> rows;
    for (const xmlNode *rowNode : std::as_const(rowNodes)) {
        if (rows.size() == Rows)
            break;
        QStringList cells;
        for (const xmlNode *cell = rowNode->children; cell && cells.size() < Columns; cell = cell->next) {
            if (namedAny(cell, {"td", "th"}))
                cells << cellText(cell);
        }
        rows << cells;
    }
    if (rows.isEmpty())
        fail("Die erste Tabelle der Datei ist leer.");
    return rows;
}

} // namespace

QList<QStringList> firstTableOf(const QByteArray &bytes)
{
    if (bytes.startsWith("PK\x03\x04"))
        return zipTable(bytes);
    if (bytes.startsWith("\xD0\xCF\x11\xE0"))
        fail("Dateien im alten Word-Format kann ich nicht lesen. Speichere sie als .docx, .odt oder .html.");
    return htmlTable(bytes);
}

QList<QStringList> readFirstTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("Die Datei lässt sich nicht öffnen.");
    if (file.size() > MaxBytes)
        fail("Die Datei ist zu groß für eine Mitschrift.");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail("Die Datei lässt sich nicht lesen.");
    return firstTableOf(bytes);
}

} // namespace zm::transcript
