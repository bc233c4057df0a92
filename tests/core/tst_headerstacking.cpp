// SPDX-License-Identifier: GPL-3.0-or-later
// Exports stacked by their headers, a thousand random sets of them through
// the real run, held against the rules as the README gives them: every
// value under a column of its own name (after renames, case and Unicode
// form aside), under the column of its very spelling and origin where the
// sheet has one, every row once and whole.
#include "core/import/importrun.h"
#include "core/import/sheetlayout.h"
#include "fakewindow.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using namespace quillora;
using namespace quillora::test;
using namespace Qt::StringLiterals;

namespace {

// Names as exports spell them: case and normalisation variants, names one
// header may hold twice, names a rename joins.
const QStringList Names{u"id"_s,     u"ID"_s,       u"amount"_s, u"Amount"_s, u"client"_s, u"customer"_s,
                        u"Customer"_s, u"region"_s, u"Zoë"_s,    u"Zoe\u0308"_s, u"note"_s, u"NOTE"_s};

// What a value is: the name it stood under, as the run is to match it.
struct Identity
{
    QString spelt;  // after its rename
    QString origin; // the name renamed, folded; empty: none
    bool operator<(const Identity &other) const { return std::tie(spelt, origin) < std::tie(other.spelt, other.origin); }
    bool operator==(const Identity &) const = default;
};

struct Case
{
    QList<Rename> renames;
    QList<QStringList> headers;
    std::map<QString, Identity> identities; // by value
    std::map<QString, QString> rowOf;       // by value: "file.row"
    QList<QList<Identity>> named;           // each file's header, renamed
    std::set<QString> onceInAHeader;        // values whose identity their header has once
    QList<QByteArray> texts;
};

Case randomCase(QRandomGenerator &random)
{
    Case c;
    for (int r = int(random.bounded(3)); r > 0; --r)
        c.renames.append({Names[random.bounded(Names.size())], Names[random.bounded(Names.size())]});
    std::map<QString, QString> renamed; // folded old name -> new name
    for (const auto &[from, to] : c.renames)
        renamed[SheetLayout::matchedName(from)] = to; // the last of one name holds, as later options do
    const int files = 2 + int(random.bounded(3));
    for (int f = 0; f < files; ++f) {
        QStringList header;
        for (int n = 1 + int(random.bounded(5)); n > 0; --n)
            header.append(Names[random.bounded(Names.size())]);
        std::map<Identity, int> count;
        QList<Identity> identities;
        for (const QString &name : header) {
            const auto rename = renamed.find(SheetLayout::matchedName(name));
            identities.append(rename == renamed.end() ? Identity{name, {}}
                                                      : Identity{rename->second, SheetLayout::matchedName(name)});
            ++count[identities.back()];
        }
        QByteArray text = header.join(u',').toUtf8() + '\n';
        for (int row = 0; row < 1 + int(random.bounded(3)); ++row) {
            QStringList values;
            for (qsizetype i = 0; i < header.size(); ++i) {
                const QString value = u"%1.%2.%3"_s.arg(f).arg(row).arg(i);
                values.append(value);
                c.identities[value] = identities[i];
                c.rowOf[value] = u"%1.%2"_s.arg(f).arg(row);
                if (count[identities[i]] == 1)
                    c.onceInAHeader.insert(value);
            }
            text += values.join(u',').toUtf8() + '\n';
        }
        c.headers.append(header);
        c.named.append(identities);
        c.texts.append(text);
    }
    return c;
}

// Whether a name went under a column spelt otherwise without a doubt: of
// its file's names alike but for case and form, one is left when each
// spelling has taken the columns of its spelling made before the file, and
// one such column is left.
bool oneLeft(const QList<Identity> &header, int file, qsizetype col, const QStringList &columns,
             const std::map<qsizetype, int> &columnFrom)
{
    const QString folded = SheetLayout::matchedName(columns.value(col));
    std::map<QString, qsizetype> names, made; // by spelling, of the alike
    for (const Identity &name : header) {
        if (SheetLayout::matchedName(name.spelt) == folded)
            ++names[name.spelt];
    }
    for (const auto &[c, from] : columnFrom) {
        if (from < file && SheetLayout::matchedName(columns.value(c)) == folded)
            ++made[columns.value(c)];
    }
    qsizetype namesLeft = 0, columnsLeft = 0;
    for (const auto &[spelt, number] : names)
        namesLeft += std::max<qsizetype>(0, number - (made.count(spelt) ? made[spelt] : 0));
    for (const auto &[spelt, number] : made)
        columnsLeft += std::max<qsizetype>(0, number - (names.count(spelt) ? names[spelt] : 0));
    return namesLeft == 1 && columnsLeft == 1;
}

// The rules, held against the sheet the run made; empty: kept.
QString broken(const Case &c, const QList<QStringList> &sheet)
{
    if (sheet.isEmpty())
        return u"no sheet"_s;
    const QStringList &columns = sheet.first();
    // A column is what its first value is: rows stand in file order, and a
    // column is made by the first file that has it.
    std::map<qsizetype, Identity> columnIs;
    std::map<qsizetype, int> columnFrom; // the file that made it
    std::map<Identity, std::set<qsizetype>> columnsOf;
    std::set<QString> rowsSeen;
    qsizetype values = 0;
    for (qsizetype r = 1; r < sheet.size(); ++r) {
        const QStringList &row = sheet[r];
        QString rowId;
        for (qsizetype col = 0; col < row.size(); ++col) {
            const QString &value = row[col];
            if (value.isEmpty())
                continue;
            ++values;
            const auto identity = c.identities.find(value);
            if (identity == c.identities.end())
                return u"a value no file has: "_s + value;
            if (!rowId.isEmpty() && c.rowOf.at(value) != rowId)
                return u"two files' rows in one: "_s + row.join(u',');
            rowId = c.rowOf.at(value);
            if (SheetLayout::matchedName(columns.value(col)) != SheetLayout::matchedName(identity->second.spelt))
                return u"%1 (of \"%2\") under \"%3\""_s.arg(value, identity->second.spelt, columns.value(col));
            std::set<qsizetype> &own = columnsOf[identity->second];
            if (c.onceInAHeader.count(value) && !own.empty() && !own.count(col))
                return u"%1 (of \"%2\") not under the column of its spelling"_s.arg(value, identity->second.spelt);
            const int file = c.rowOf.at(value).section(u'.', 0, 0).toInt();
            if (columnIs.emplace(col, identity->second).second) {
                own.insert(col);
                columnFrom[col] = file;
            }
            if (columns.value(col) != identity->second.spelt && !oneLeft(c.named[file], file, col, columns, columnFrom))
                return u"%1 (of \"%2\") under \"%3\", one of several alike"_s.arg(value, identity->second.spelt,
                                                                                columns.value(col));
        }
        if (!rowId.isEmpty() && !rowsSeen.insert(rowId).second)
            return u"row twice: "_s + rowId;
    }
    if (values != qsizetype(c.identities.size()))
        return u"%1 values of %2"_s.arg(values).arg(c.identities.size());
    return {};
}

QString described(const Case &c)
{
    QStringList lines;
    for (const auto &[from, to] : c.renames)
        lines.append(u"--rename %1=%2"_s.arg(from, to));
    for (const QByteArray &text : c.texts)
        lines.append(QString::fromUtf8(text).trimmed().replace(u'\n', u" / "_s));
    return lines.join(u"\n"_s);
}

} // namespace

class tst_HeaderStacking : public QObject
{
    Q_OBJECT

private slots:
    void everyValueUnderItsOwnName();
};

void tst_HeaderStacking::everyValueUnderItsOwnName()
{
    QRandomGenerator random(49);
    for (int n = 0; n < 1000; ++n) {
        const Case c = randomCase(random);
        QTemporaryDir dir;
        FakeWindow window{};
        for (qsizetype f = 0; f < c.texts.size(); ++f)
            window.files.append(writeFile(dir.filePath(u"%1.csv"_s.arg(f)), c.texts[f]));
        window.read.cut = Cutting::at(u","_s);
        window.read.header = true;
        window.sheets.renames = c.renames;
        MemorySpreadsheet office;
        ImportRun(window, window, office, [] { return 0.5; }).run();
        const QString fault = broken(c, MemorySpreadsheet::rowsOf(*office.sheet(u"Sheet1"_s)));
        QVERIFY2(fault.isEmpty(), qPrintable(fault + u"\n"_s + described(c)));
    }
}

QTEST_GUILESS_MAIN(tst_HeaderStacking)
#include "tst_headerstacking.moc"
