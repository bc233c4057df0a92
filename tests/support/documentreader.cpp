// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentreader.h"

#include <QFile>
#include <QTest>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <minizip/unzip.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::test {

namespace {
void place(QList<QStringList> &rows, qsizetype row, qsizetype column, const QString &text)
{
    if (text.isEmpty())
        return;
    while (rows.size() <= row)
        rows.append(QStringList());
    while (rows[row].size() <= column)
        rows[row].append(QString());
    rows[row][column] = text;
}

// A cell's paragraphs, whitespace elements spelled out.
QString odfCellText(QXmlStreamReader &xml)
{
    QStringList paragraphs;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"p") {
            xml.skipCurrentElement();
            continue;
        }
        QString text;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters()) {
                text += xml.text();
            } else if (xml.isStartElement()) {
                if (xml.name() == u"s")
                    text += QString(xml.attributes().value(u"text:c"_s).toInt() > 0
                                        ? xml.attributes().value(u"text:c"_s).toInt()
                                        : 1,
                                    u' ');
                else if (xml.name() == u"tab")
                    text += u'\t';
                else if (xml.name() == u"line-break")
                    text += u'\n';
            } else if (xml.isEndElement() && xml.name() == u"p") {
                break;
            }
        }
        paragraphs.append(text);
    }
    return paragraphs.join(u'\n');
}

void readOdfTables(const QByteArray &xmlText, ReadDocument &document)
{
    QXmlStreamReader xml(xmlText);
    QList<QStringList> *rows = nullptr;
    qsizetype row = 0;
    qsizetype column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto repeated = [&](const QString &attribute) {
            const int count = xml.attributes().value(attribute).toInt();
            return count > 0 ? count : 1;
        };
        if (xml.name() == u"table") {
            const QString name = xml.attributes().value(u"table:name"_s).toString();
            document.sheetNames.append(name);
            rows = &document.rows[name];
            row = 0;
        } else if (xml.name() == u"table-row" && rows) {
            const int count = repeated(u"table:number-rows-repeated"_s);
            column = 0;
            // Read the row's cells; a repeated row is empty here.
            while (xml.readNextStartElement()) {
                const int columns = repeated(u"table:number-columns-repeated"_s);
                const QString type = xml.attributes().value(u"office:value-type"_s).toString();
                const QString text = odfCellText(xml);
                if (!type.isEmpty() && type != u"string")
                    document.onlyText = false;
                for (int c = 0; c < columns && !text.isEmpty(); ++c)
                    place(*rows, row, column + c, text);
                column += columns;
            }
            row += count;
        }
    }
    if (xml.hasError())
        document.error = xml.errorString();
}

QString unescapeXlsx(const QString &text)
{
    static const QRegularExpression escape(u"_x([0-9A-Fa-f]{4})_"_s);
    QString result;
    qsizetype at = 0;
    for (auto match = escape.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        result += QStringView(text).mid(at, m.capturedStart() - at);
        result += QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        at = m.capturedEnd();
    }
    return result + QStringView(text).mid(at);
}

qsizetype columnOf(QStringView reference)
{
    qsizetype column = 0;
    for (const QChar c : reference) {
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c.unicode() - u'A' + 1);
    }
    return column - 1;
}

void readXlsxSheet(const QByteArray &xmlText, QList<QStringList> &rows, ReadDocument &document)
{
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"c")
            continue;
        const QString reference = xml.attributes().value(u"r"_s).toString();
        if (xml.attributes().value(u"t"_s) != u"inlineStr")
            document.onlyText = false;
        const qsizetype digits =
            std::find_if(reference.cbegin(), reference.cend(), [](QChar c) { return c.isDigit(); }) - reference.cbegin();
        const qsizetype row = QStringView(reference).sliced(digits).toLongLong() - 1;
        QString text;
        while (!(xml.isEndElement() && xml.name() == u"c") && !xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"t")
                text += xml.readElementText();
        }
        place(rows, row, columnOf(reference), unescapeXlsx(text));
    }
    if (xml.hasError())
        document.error = xml.errorString();
}

void readXlsx(const QString &path, ReadDocument &document)
{
    // The sheets in the workbook's order, each found through its relation.
    QMap<QString, QString> targets;
    QXmlStreamReader relations(zipEntry(path, u"xl/_rels/workbook.xml.rels"_s));
    while (relations.readNext() != QXmlStreamReader::Invalid && !relations.atEnd()) {
        if (relations.isStartElement() && relations.name() == u"Relationship")
            targets[relations.attributes().value(u"Id"_s).toString()] =
                relations.attributes().value(u"Target"_s).toString();
    }
    QXmlStreamReader workbook(zipEntry(path, u"xl/workbook.xml"_s));
    while (!workbook.atEnd()) {
        workbook.readNext();
        if (!workbook.isStartElement() || workbook.name() != u"sheet")
            continue;
        const QString name = workbook.attributes().value(u"name"_s).toString();
        document.sheetNames.append(name);
        const QString target = targets.value(workbook.attributes().value(u"r:id"_s).toString());
        readXlsxSheet(zipEntry(path, u"xl/"_s + target), document.rows[name], document);
    }
}
} // namespace

void addSuffixRows()
{
    QTest::addColumn<QString>("suffix");
    for (const QString &suffix : {u"ods"_s, u"xlsx"_s, u"fods"_s})
        QTest::newRow(qPrintable(suffix)) << suffix;
}

QByteArray zipEntry(const QString &path, const QString &name)
{
    QByteArray bytes;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return bytes;
    if (unzLocateFile(zip, name.toUtf8().constData(), 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[65536];
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, read);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return bytes;
}

QStringList zipEntries(const QString &path)
{
    QStringList names;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return names;
    for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
        char name[1024];
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK)
            names.append(QString::fromUtf8(name));
    }
    unzClose(zip);
    return names;
}

bool zipEntryIsZip64(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const auto number = [&](qsizetype at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | uchar(bytes.at(at + i));
        return value;
    };
    // Local headers: signature, 26 bytes of fields, the name, the extra field.
    for (qsizetype at = bytes.indexOf("PK\x03\x04"); at >= 0 && at + 30 <= bytes.size();
         at = bytes.indexOf("PK\x03\x04", at + 4)) {
        const qsizetype nameLength = number(at + 26, 2);
        const qsizetype extraLength = number(at + 28, 2);
        if (bytes.mid(at + 30, nameLength) != name.toUtf8())
            continue;
        for (qsizetype field = at + 30 + nameLength; field + 4 <= at + 30 + nameLength + extraLength;
             field += 4 + number(field + 2, 2)) {
            if (number(field, 2) == 0x0001)
                return true;
        }
        return false;
    }
    return false;
}

ReadDocument readDocument(const QString &path)
{
    ReadDocument document;
    if (path.endsWith(u".xlsx"_s)) {
        readXlsx(path, document);
    } else if (path.endsWith(u".fods"_s)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            document.error = file.errorString();
        else
            readOdfTables(file.readAll(), document);
    } else {
        readOdfTables(zipEntry(path, u"content.xml"_s), document);
    }
    // Trailing empty rows are not part of the rows.
    for (QList<QStringList> &rows : document.rows) {
        while (!rows.isEmpty() && rows.last().isEmpty())
            rows.removeLast();
    }
    return document;
}

} // namespace quillora::test
