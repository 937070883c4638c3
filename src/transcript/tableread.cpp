#include "transcript/tableread.h"

#include "common/ownvalues.h"
#include "transcript/tablecollector.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

namespace zm::transcript {

namespace {

[[noreturn]] void fail(const char *reason)
{
    throw TableReadError(QString::fromUtf8(reason));
}

constexpr qint64 ChunkBytes = 64 * 1024;

// The next piece of a document's bytes; empty at its end.
using Chunks = std::function<QByteArray()>;

Chunks chunksOf(const QByteArray &bytes)
{
    return [&bytes, offset = qsizetype(0)]() mutable {
        const QByteArray chunk = bytes.mid(offset, ChunkBytes);
        offset += chunk.size();
        return chunk;
    };
}

qint64 attributeNumber(const QXmlStreamReader &reader, const QString &ns, const QString &name)
{
    const QStringView value = reader.attributes().value(ns, name);
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    return ok && n > 0 ? n : 1;
}

// Walks an XML document fed piece by piece, so that neither the document nor
// one long text of it is ever held whole. `element` sees every start and end
// element, `inText` says whether character data is text of the document.
template <typename Element>
QList<QStringList> walkXml(const Chunks &chunks, TableCollector &table, const bool &inText, Element element)
{
    QXmlStreamReader reader;
    while (!table.finished()) {
        reader.readNext();
        if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
            const QByteArray chunk = chunks();
            if (chunk.isEmpty())
                break;
            reader.addData(chunk);
            continue;
        }
        if (reader.hasError() || reader.atEnd() || !table.markup())
            break;
        if (reader.isCharacters()) {
            if (inText)
                table.text(reader.text());
        } else if (reader.isStartElement() || reader.isEndElement()) {
            element(reader);
        }
    }
    if (reader.hasError() && !table.finished())
        throw TableReadError(QStringLiteral("Die Datei ist beschädigt: ihr Inhalt ist kein gültiges XML (Zeile %1).")
                                 .arg(reader.lineNumber()));
    return table.rows();
}

// word/document.xml of a .docx file.
QList<QStringList> wordTable(const Chunks &chunks)
{
    const QString w = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
    TableCollector table(TableCollector::Blanks::Keep);
    bool inText = false;
    return walkXml(chunks, table, inText, [&](const QXmlStreamReader &reader) {
        if (reader.namespaceUri() != w)
            return;
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
                table.literal(QChar(u'\t'));
            else if (name == u"br" || name == u"cr")
                table.paragraphEnd();
        } else {
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
    });
}

// content.xml of an .odt file. Blanks in a paragraph collapse to one, as
// OpenDocument says; <text:s text:c="n"/> stands for n blanks.
QList<QStringList> openDocumentTable(const Chunks &chunks)
{
    const QString tableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
    const QString textNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
    TableCollector table(TableCollector::Blanks::CollapseRuns);
    int paragraphs = 0;
    bool inText = false;
    return walkXml(chunks, table, inText, [&](const QXmlStreamReader &reader) {
        const QStringView name = reader.name();
        const bool start = reader.isStartElement();
        if (reader.namespaceUri() == tableNs) {
            if (name == u"table")
                start ? table.tableStart() : table.tableEnd();
            else if (name == u"table-row")
                start ? table.rowStart(attributeNumber(reader, tableNs, QStringLiteral("number-rows-repeated")))
                      : table.rowEnd();
            else if (name == u"table-cell" || name == u"covered-table-cell")
                start ? table.cellStart(attributeNumber(reader, tableNs, QStringLiteral("number-columns-repeated")))
                      : table.cellEnd();
        } else if (reader.namespaceUri() == textNs) {
            if (name == u"p" || name == u"h") {
                paragraphs += start ? 1 : -1;
                if (!start)
                    table.paragraphEnd();
            } else if (start && name == u"s") {
                // Stops at the cell's bound, however many blanks are asked for.
                table.literal(QChar(u' '), attributeNumber(reader, textNs, QStringLiteral("c")));
            } else if (start && name == u"tab") {
                table.literal(QChar(u'\t'));
            } else if (start && name == u"line-break") {
                table.paragraphEnd();
            }
        }
        inText = paragraphs > 0;
    });
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
    // Unpacked piece by piece, only as far as the table reaches: the sizes
    // in the archive may lie, and a long document may hold its table early.
    qint64 unpacked = 0;
    const Chunks chunks = [&entry, &unpacked]() {
        QByteArray chunk = entry.read(ChunkBytes);
        unpacked += chunk.size();
        if (unpacked > MaxTextBytes)
            fail("Die Datei ist zu groß für eine Mitschrift.");
        if (chunk.isEmpty() && entry.getZipError() != UNZ_OK)
            fail("Die Datei ist beschädigt: ihr Inhalt lässt sich nicht entpacken.");
        return chunk;
    };
    return word ? wordTable(chunks) : openDocumentTable(chunks);
}

// ---------------------------------------------------------------------------
// HTML, through libxml2's forgiving HTML parser, as a stream of events: no
// document tree is built, and the parser stops as soon as the table is read.

struct FreeParser
{
    void operator()(htmlParserCtxt *context) const { htmlFreeParserCtxt(context); }
};

struct HtmlWalk
{
    TableCollector table{TableCollector::Blanks::Browser};
    htmlParserCtxt *context = nullptr;
    int hidden = 0; // inside script, style or head: no text

    // The parser calls back from C: nothing may throw through it.
    void stopWhenFinished()
    {
        if (table.finished())
            xmlStopParser(context);
    }
};

bool isAny(const xmlChar *name, std::initializer_list<const char *> names)
{
    const char *n = reinterpret_cast<const char *>(name);
    return std::any_of(names.begin(), names.end(),
                       [n](const char *candidate) { return std::strcmp(n, candidate) == 0; });
}

bool isBlock(const xmlChar *name)
{
    return isAny(name, {"p", "div", "li", "ul", "ol", "table", "tr", "td", "th", "h1", "h2", "h3", "h4", "h5", "h6",
                        "blockquote", "pre"});
}

void htmlElement(HtmlWalk &walk, const xmlChar *name, bool start)
{
    TableCollector &table = walk.table;
    if (start && !table.markup())
        return walk.stopWhenFinished();
    if (isAny(name, {"script", "style", "head"})) {
        walk.hidden += start ? 1 : -1;
    } else if (isAny(name, {"br"})) {
        if (start)
            table.paragraphEnd();
    } else {
        if (isBlock(name))
            table.paragraphEnd();
        if (isAny(name, {"table"}))
            start ? table.tableStart() : table.tableEnd();
        else if (isAny(name, {"tr"}))
            start ? table.rowStart() : table.rowEnd();
        else if (isAny(name, {"td", "th"}))
            start ? table.cellStart() : table.cellEnd();
    }
    walk.stopWhenFinished();
}

void htmlStart(void *walk, const xmlChar *name, const xmlChar **)
{
    htmlElement(*static_cast<HtmlWalk *>(walk), name, true);
}

void htmlEnd(void *walk, const xmlChar *name)
{
    htmlElement(*static_cast<HtmlWalk *>(walk), name, false);
}

void htmlText(void *data, const xmlChar *text, int length)
{
    auto &walk = *static_cast<HtmlWalk *>(data);
    if (walk.hidden > 0 || !walk.table.markup() || !walk.table.collecting())
        return walk.stopWhenFinished();
    walk.table.text(QString::fromUtf8(reinterpret_cast<const char *>(text), length));
    walk.stopWhenFinished();
}

void htmlComment(void *data, const xmlChar *)
{
    auto &walk = *static_cast<HtmlWalk *>(data);
    walk.table.markup();
    walk.stopWhenFinished();
}

// A file that names its encoding is read in it; otherwise as UTF-8 when the
// bytes are valid UTF-8, else as Windows-1252 (the transcript's own files).
enum class HtmlEncoding { Declared, Utf8, Windows1252 };

HtmlEncoding htmlEncoding(const QByteArray &bytes)
{
    // Bounded, so that a file full of unclosed "<meta" is no work.
    static const QRegularExpression declared(QStringLiteral("<meta[^>]{0,1024}charset|<\\?xml[^>]{0,1024}encoding"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        declared.match(QString::fromLatin1(bytes.left(64 * 1024))).hasMatch())
        return HtmlEncoding::Declared;
    QStringDecoder utf8(QStringDecoder::Utf8);
    for (qsizetype offset = 0; offset < bytes.size() && !utf8.hasError(); offset += ChunkBytes)
        (void)utf8.decode(QByteArrayView(bytes).sliced(offset, std::min(ChunkBytes, bytes.size() - offset)));
    return utf8.hasError() ? HtmlEncoding::Windows1252 : HtmlEncoding::Utf8;
}

QList<QStringList> htmlTable(const QByteArray &bytes)
{
    if (bytes.size() > MaxTextBytes)
        fail("Die Datei ist zu groß für eine Mitschrift.");
    const HtmlEncoding encoding = htmlEncoding(bytes);
    htmlSAXHandler sax{};
    sax.startElement = htmlStart;
    sax.endElement = htmlEnd;
    sax.characters = htmlText;
    sax.comment = htmlComment;
    HtmlWalk walk;
    const std::unique_ptr<htmlParserCtxt, FreeParser> context(
        htmlCreatePushParserCtxt(&sax, &walk, nullptr, 0, nullptr,
                                 encoding == HtmlEncoding::Declared ? XML_CHAR_ENCODING_NONE : XML_CHAR_ENCODING_UTF8));
    if (!context)
        throw std::bad_alloc();
    walk.context = context.get();
    htmlCtxtUseOptions(context.get(),
                       HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    const Chunks chunks = chunksOf(bytes);
    for (QByteArray chunk = chunks(); !walk.table.finished(); chunk = chunks()) {
        if (encoding == HtmlEncoding::Windows1252) // one byte per character: any piece converts alone
            chunk = ownvalues::fromWindows1252(chunk).toUtf8();
        htmlParseChunk(context.get(), chunk.constData(), static_cast<int>(chunk.size()), chunk.isEmpty());
        if (chunk.isEmpty())
            break;
    }
    return walk.table.rows();
}

} // namespace

QList<QStringList> firstTableOf(const QByteArray &bytes)
{
    try {
        if (bytes.startsWith("PK\x03\x04"))
            return zipTable(bytes);
        if (bytes.startsWith("\xD0\xCF\x11\xE0"))
            fail("Dateien im alten Word-Format kann ich nicht lesen. Speichere sie als .docx, .odt oder .html.");
        return htmlTable(bytes);
    } catch (const std::bad_alloc &) {
        // The bounds keep a read far below this; should memory run out all
        // the same, the teacher still reads why in German.
        fail("Für diese Datei reicht der Arbeitsspeicher nicht.");
    }
}

QList<QStringList> readFirstTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("Die Datei lässt sich nicht öffnen.");
    // Only an archive may be larger than the text read from it.
    const qint64 cap = file.peek(4) == "PK\x03\x04" ? MaxFileBytes : MaxTextBytes;
    if (file.size() > cap)
        fail("Die Datei ist zu groß für eine Mitschrift.");
    QByteArray bytes;
    try {
        bytes = file.read(cap + 1);
    } catch (const std::bad_alloc &) {
        fail("Für diese Datei reicht der Arbeitsspeicher nicht.");
    }
    if (file.error() != QFileDevice::NoError)
        fail("Die Datei lässt sich nicht lesen.");
    if (bytes.size() > cap) // a file that grew while it was read
        fail("Die Datei ist zu groß für eine Mitschrift.");
    return firstTableOf(bytes);
}

} // namespace zm::transcript
