// SPDX-License-Identifier: GPL-3.0-or-later
// Imports through the real LibreOffice bridge, by the same run the window
// uses, and has LibreOffice load the same data with its own CSV import:
//   (a) 50 files x 2,000 lines x 8 fields, one sheet
//   (b) the same 50 files, a sheet each (LibreOffice: a document each)
//   (c) one file of 200,000 lines x 10 fields
//   (d) one file of 1,000,000 lines x 1 field (narrow)
//   (e) one file of 10,000 lines x 200 fields (wide)
//   (f) a folder of 3,000 files of 30 lines x 4 fields, listed by the folder
//       walk (LibreOffice: their concatenation, which a user would have to make)
//   (g) one file of 2,000 lines x 1,000 fields (very wide)
//   (h) 50 exports of 2,000 lines x 8 fields, a title line and a header in
//       one of three column orders each: title skipped, header kept once
//       and matched by name, a file column (LibreOffice: the stacked rows)
//   (k) (h)'s exports with every third one written by a European program
//       (semicolons, decimal commas), each file cut at its own separator
//   (k=) (k)'s exports all at commas and points, at a fixed comma: what (k)
//       would take were every file cut at one separator
//   (l) (c) cut at its own separator, found from its start
//   (m) 50 order exports of 20,000 lines: a header, a column added halfway,
//       every third file with semicolons and decimal commas, each file at its
//       own separator; as text, then (m+) with numbers and dates stored as
//       such, as (h+) is (h)
// Then (d), (f) and (g) as a user runs them: the quillora program beside
// this one, a process of its own, into the Calc that runs (--no-cli: not).
// Prints seconds, cells per second, the ratio to LibreOffice's own import and
// Quillora's peak memory. Last, (p) (c)'s file as a .gz and (q) (f)'s files
// in a .zip against the same text plain, stored as .ods (--no-packed: not).
// The two sides take turns, five times each (--runs
// N); the ratio is the median of the five pairs' ratios and the times are
// medians: on a shared machine one run can be off by a fifth, and a pair run
// back to back shares the machine's mood. LibreOffice is started first, so neither side pays
// for its start. Then (a), (c) and (d) again as the command line's --output
// does them: through the document writer into .ods and .xlsx, against
// LibreOffice loading the CSV hidden and storing it to the same format, with
// Quillora's memory growth.
#include "benchsupport.h"
#include "packedfiles.h"
#include "core/import/spreadsheetmodule.h"
#include "libreoffice/libreofficeprovider.h"
#include "libreoffice/officesession.h"
#include "writer/documentwriter.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <osl/file.hxx>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::bench;
using namespace css;
using rtl::OUString;

namespace {
struct Scenario
{
    QString name;
    QStringList files;
    bool oneSheet;
    int fields;
    qint64 bytes;
    qint64 cells;
    // What LibreOffice loads for the same data: one CSV per document.
    QStringList csvFiles;
    // Listed by the folder walk when set.
    QString folder;
    // Stacked exports: title lines skipped, a header, each row's file.
    int skip = 0;
    bool header = false;
    FileColumn fileColumn = FileColumn::None;
    // Each file cut at its own separator; what LibreOffice's CSV is cut at.
    bool ownSeparator = false;
    char csvSeparator = ',';
    // Numbers and dates stored as such (besides --typed for all).
    bool typed = false;
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Order exports as a shop's months give them: a header, ids with leading
// zeros, ISO dates, postcodes of which some keep a leading zero (text among
// numbers), amounts with two decimals; from file files / 2 on a "discount"
// column more. Every third file comes from a European program: semicolons
// and decimal commas. LibreOffice gets the rows joined, cut at commas, with
// points.
QStringList makeOrderExports(const QString &folder, int files, int lines, qint64 *bytes, const QString &joinedPath)
{
    static const char *const Customers[] = {"Müller GmbH", "Acme Ltd", "Brasserie Éloïse", "Plain Trading",
                                            "Nordwind AG"};
    static const char *const Postcodes[] = {"01067", "80331", "10115", "08001"};
    QByteArray joined = "order_id,order_date,customer,postcode,amount,status,discount\n";
    QStringList paths;
    quint32 seed = 7;
    const auto next = [&seed](quint32 range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % range;
    };
    for (int f = 0; f < files; ++f) {
        const bool european = f % 3 == 2;
        const bool discount = f >= files / 2;
        const char separator = european ? ';' : ',';
        QByteArray text = QByteArrayList{"order_id", "order_date", "customer", "postcode", "amount", "status"}.join(separator);
        text += discount ? QByteArray(1, separator) + "discount\n" : QByteArray("\n");
        for (int l = 0; l < lines; ++l) {
            const quint32 cents = 1 + next(250000);
            const QByteArray amount = QByteArray::number(cents / 100) + (european ? ',' : '.')
                + QByteArray::number(cents % 100).rightJustified(2, '0');
            QByteArrayList cells{QByteArray::number(f * lines + l).rightJustified(8, '0'),
                                 "2024-" + QByteArray::number(1 + f % 12).rightJustified(2, '0') + '-'
                                     + QByteArray::number(1 + next(28)).rightJustified(2, '0'),
                                 Customers[next(5)], Postcodes[next(4)], amount, "paid"};
            if (discount)
                cells.append(QByteArray::number(next(30)));
            text += cells.join(separator) + '\n';
            cells[4].replace(',', '.');
            if (!discount)
                cells.append(QByteArray());
            joined += cells.join(',') + '\n';
        }
        const QString path = folder + u"/orders-%1.csv"_s.arg(f, 2, 10, QChar(u'0'));
        writeBytes(path, text);
        *bytes += text.size();
        paths.append(path);
    }
    writeBytes(joinedPath, joined);
    return paths;
}

// Exports of one kind from many places: a title line, then a header whose
// columns stand in one of three orders, each file's rows in its order; and,
// for LibreOffice, the same rows as the stacked sheet holds them: the header
// once, a file column, every file's cells under their names.
// With european, every third file is cut at semicolons and writes its
// amounts with a decimal comma; every file has an amount then, and the
// stacked rows for LibreOffice are cut at semicolons. With commasOnly, the
// same files all at commas and points, for a fixed separator.
QStringList makeStackedExports(const QString &folder, int files, int lines, int fields, qint64 *bytes,
                               const QString &joinedPath, bool european = false, bool commasOnly = false)
{
    std::vector<std::vector<int>> orders(3);
    for (int c = 0; c < fields; ++c) {
        orders[0].push_back(c);
        orders[1].push_back(fields - 1 - c);
        orders[2].push_back((c + 3) % fields);
    }
    const auto cell = [](int line, int column) -> QByteArray {
        return QByteArray::number(line * 7 + column).prepend('v') + '-' + QByteArray::number(column);
    };
    const char joinedSeparator = european ? ';' : ',';
    QByteArray joined = "File";
    for (int c = 0; c < fields; ++c)
        joined += joinedSeparator + ("c" + QByteArray::number(c));
    if (european)
        joined += ";amount";
    joined += '\n';
    QStringList paths;
    for (int f = 0; f < files; ++f) {
        const std::vector<int> &order = orders[size_t(f % 3)];
        const QString name = u"export-%1.csv"_s.arg(f);
        const bool semicolons = european && !commasOnly && f % 3 == 2;
        const char separator = semicolons ? ';' : ',';
        QByteArray text = QByteArray::number(f).prepend("Exported by the branch system, ") + '\n';
        for (int c = 0; c < fields; ++c) {
            if (c > 0)
                text += separator;
            text += 'c' + QByteArray::number(order[size_t(c)]);
        }
        if (european)
            text += separator + QByteArray("amount");
        text += '\n';
        for (int l = 0; l < lines; ++l) {
            joined += name.toUtf8();
            for (int c = 0; c < fields; ++c) {
                if (c > 0)
                    text += separator;
                text += cell(l, order[size_t(c)]);
                joined += joinedSeparator;
                joined += cell(l, c);
            }
            if (european) {
                const QByteArray amount = QByteArray::number(l) + (semicolons ? ",50" : ".50");
                text += separator + amount;
                joined += joinedSeparator + amount;
            }
            text += '\n';
            joined += '\n';
        }
        const QString path = folder + u'/' + name;
        writeBytes(path, text);
        *bytes += text.size();
        paths.append(path);
    }
    writeBytes(joinedPath, joined);
    return paths;
}

// --only x runs (x) and (x+), its variant with numbers and dates.
bool chosen(const Scenario &scenario, const QString &only)
{
    return only.isEmpty() || scenario.name.startsWith(u'(' + only + u')') || scenario.name.startsWith(u'(' + only + u"+)");
}

void closeDocument(const uno::Reference<uno::XInterface> &document)
{
    const uno::Reference<util::XCloseable> closeable(document, uno::UNO_QUERY);
    if (closeable.is())
        closeable->close(true);
}

OUString csvOptions(int fields, char separator)
{
    // The separator, no text delimiter (quotes are plain characters), UTF-8,
    // from line 1, every column as text.
    QString options = u"%1,,76,1,"_s.arg(int(separator));
    for (int c = 1; c <= fields; ++c)
        options += u"%1%2/2"_s.arg(c > 1 ? u"/"_s : QString()).arg(c);
    return lo::toOUString(options);
}

OUString fileUrl(const QString &path)
{
    OUString url;
    osl::FileBase::getFileURLFromSystemPath(lo::toOUString(path), url);
    return url;
}

beans::PropertyValue property(const char *name, const uno::Any &value)
{
    beans::PropertyValue property;
    property.Name = OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

// LibreOffice's own import of the scenario's CSV files, each into a document
// of its own; with a store path, hidden and stored with the filter, as a
// conversion does.
double timeCsvImport(lo::OfficeSession &session, const Scenario &scenario, const QString &storeAs = {},
                     const char *filter = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<uno::Reference<uno::XInterface>> documents;
    for (const QString &path : scenario.csvFiles) {
        std::vector<beans::PropertyValue> properties{
            property("FilterName", uno::Any(OUString("Text - txt - csv (StarCalc)"))),
            property("FilterOptions", uno::Any(csvOptions(scenario.fields, scenario.csvSeparator)))};
        if (!storeAs.isEmpty())
            properties.push_back(property("Hidden", uno::Any(true)));
        const uno::Reference<lang::XComponent> document = session.desktop()->loadComponentFromURL(
            fileUrl(path), OUString("_blank"), 0,
            uno::Sequence<beans::PropertyValue>(properties.data(), static_cast<sal_Int32>(properties.size())));
        if (!storeAs.isEmpty()) {
            const beans::PropertyValue store[] = {property("FilterName", uno::Any(OUString::createFromAscii(filter))),
                                                  property("Overwrite", uno::Any(true))};
            uno::Reference<frame::XStorable>(document, uno::UNO_QUERY_THROW)
                ->storeToURL(fileUrl(storeAs), uno::Sequence<beans::PropertyValue>(store, 2));
            closeDocument(document);
        } else {
            documents.push_back(document);
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    for (const auto &document : documents)
        closeDocument(document);
    return seconds;
}

// CPU time LibreOffice's processes have used so far, in clock ticks.
qint64 officeCpuTicks()
{
    qint64 ticks = 0;
    const QStringList pids = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        QFile comm(u"/proc/%1/comm"_s.arg(pid));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != "soffice.bin")
            continue;
        QFile stat(u"/proc/%1/stat"_s.arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // utime and stime: the 14th and 15th fields, after the name in parentheses.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        ticks += fields.value(11).toLongLong() + fields.value(12).toLongLong();
    }
    return ticks;
}

// LibreOffice goes on working for a while after it stored and closed a
// document, and the files a run wrote are still being written back to the
// disk; on a machine of two cores either would be charged to the next run,
// whichever side it is. Each starts on a quiet machine.
void waitUntilOfficeIsIdle()
{
    ::sync();
    QElapsedTimer waited;
    waited.start();
    qint64 before = officeCpuTicks();
    int quiet = 0;
    while (waited.elapsed() < 10000 && quiet < 3) {
        QThread::msleep(200);
        const qint64 now = officeCpuTicks();
        quiet = now == before ? quiet + 1 : 0;
        before = now;
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? qQNaN() : values[values.size() / 2];
}

QString concatenate(const QStringList &files, const QString &path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString &file : files) {
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        out.write(in.readAll());
    }
    return path;
}
// The documents LibreOffice has open.
std::vector<uno::Reference<uno::XInterface>> openDocuments(lo::OfficeSession &session)
{
    std::vector<uno::Reference<uno::XInterface>> documents;
    const uno::Reference<container::XEnumeration> each = session.desktop()->getComponents()->createEnumeration();
    while (each->hasMoreElements())
        documents.push_back(uno::Reference<uno::XInterface>(each->nextElement(), uno::UNO_QUERY));
    return documents;
}

// The program as a user runs it, from its start to its end: its own process
// reaches the Calc that runs and leaves a document open there, which is
// closed after.
double timeCommandLine(lo::OfficeSession &session, const Scenario &scenario)
{
    const auto before = openDocuments(session);
    QStringList arguments{u"-q"_s, u"--split=comma"_s};
    arguments += scenario.folder.isEmpty() ? scenario.files : QStringList{scenario.folder};
    QElapsedTimer timer;
    timer.start();
    const int status = QProcess::execute(QCoreApplication::applicationDirPath() + u"/quillora"_s, arguments);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (status != 0)
        std::fprintf(stderr, "quillora ended with %d\n", status);
    for (const auto &document : openDocuments(session)) {
        if (std::find(before.begin(), before.end(), document) == before.end())
            closeDocument(document);
    }
    return seconds;
}

void compareCommandLine(lo::OfficeSession &session, const std::vector<Scenario> &scenarios, int runs,
                        const QString &only)
{
    std::printf("\n%-28s %9s %9s %7s\n", "the command line into Calc", "quillora", "lo csv", "ratio");
    for (const Scenario &scenario : scenarios) {
        const bool timed = scenario.name.startsWith(u"(d)") || scenario.name.startsWith(u"(f)")
            || scenario.name.startsWith(u"(g)");
        if (!timed || !chosen(scenario, only))
            continue;
        std::vector<double> ours, theirs, ratios;
        for (int run = 0; run < runs; ++run) {
            waitUntilOfficeIsIdle();
            ours.push_back(timeCommandLine(session, scenario));
            waitUntilOfficeIsIdle();
            theirs.push_back(timeCsvImport(session, scenario));
            ratios.push_back(ours.back() / theirs.back());
        }
        std::printf("%-28s %8.2fs %8.2fs %6.2fx\n", qPrintable(scenario.name), median(ours), median(theirs),
                    median(ratios));
    }
}
// Packed text against the same text plain, each stored as .ods: (p) (c)'s
// file compressed with gzip, (q) (f)'s files in one .zip, listed from it as
// from the folder.
void comparePacked(const QString &dir, const QString &bigFile, const QString &tinyFolder, const QStringList &tiny,
                   int runs, const QString &only)
{
    const QString gz = dir + u"/big.csv.gz"_s;
    const QString zip = dir + u"/tiny.zip"_s;
    {
        QFile plain(bigFile);
        plain.open(QIODevice::ReadOnly);
        QFile packed(gz);
        packed.open(QIODevice::WriteOnly);
        packed.write(test::compressed(plain.readAll(), "gzip"));
        test::Members members;
        for (const QString &path : tiny) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            members.append({QFileInfo(path).fileName(), file.readAll()});
        }
        QFile archive(zip);
        archive.open(QIODevice::WriteOnly);
        archive.write(test::zipOf(members));
    }
    std::printf("\n%-28s %9s %9s %7s %12s\n", "packed, stored as .ods", "packed", "plain", "ratio", "peak mem");
    struct Pair
    {
        const char *name;
        QStringList packedFiles, plainFiles;
        QString packedFolder, plainFolder;
    };
    const Pair pairs[] = {{"(p) (c) as .gz", {gz}, {bigFile}, {}, {}},
                          {"(q) (f) in a .zip", {}, {}, zip, tinyFolder}};
    for (const Pair &pair : pairs) {
        if (!only.isEmpty() && !QString::fromLatin1(pair.name).startsWith(u'(' + only + u')'))
            continue;
        writer::DocumentWriter documents(DocumentFormat::Ods);
        const auto timed = [&](const QStringList &files, const QString &folder, qint64 &peak) {
            BenchWindow window;
            window.files = files;
            window.folder = folder;
            window.finish = [&](SpreadsheetDocument &document) { documents.store(document, dir + u"/packed.ods"_s); };
            const qint64 before = currentMemory();
            resetPeakMemory();
            const double seconds = window.timeRun(documents);
            peak = std::max(peak, peakMemory() - before);
            return seconds;
        };
        std::vector<double> packedTimes, plainTimes, ratios;
        qint64 peak = 0;
        qint64 plainPeak = 0;
        for (int run = 0; run < runs; ++run) {
            packedTimes.push_back(timed(pair.packedFiles, pair.packedFolder, peak));
            plainTimes.push_back(timed(pair.plainFiles, pair.plainFolder, plainPeak));
            ratios.push_back(packedTimes.back() / plainTimes.back());
        }
        std::printf("%-28s %8.2fs %8.2fs %6.2fx %12s\n", pair.name, median(packedTimes), median(plainTimes),
                    median(ratios), qPrintable(megabytes(peak)));
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // --quick: a tenth of the data; --only a|b|c|d|e: one scenario; --no-csv:
    // skip LibreOffice's own import (for profiling Quillora's side alone);
    // --typed: numbers and dates stored as such (the data's numbers are its
    // row numbers and its cells' suffixes).
    const QStringList arguments = app.arguments();
    const bool quick = arguments.contains(u"--quick"_s);
    const bool withCsv = !arguments.contains(u"--no-csv"_s);
    const bool typed = arguments.contains(u"--typed"_s);
    const qsizetype onlyAt = arguments.indexOf(u"--only"_s);
    const QString only = onlyAt >= 0 ? arguments.value(onlyAt + 1) : QString();
    const qsizetype runsAt = arguments.indexOf(u"--runs"_s);
    const int runs = runsAt >= 0 ? std::max(1, arguments.value(runsAt + 1).toInt()) : 5;
    const QString programFolder = findOfficeProgramFolder();
    if (programFolder.isEmpty()) {
        std::fprintf(stderr, "LibreOffice was not found\n");
        return 1;
    }
    QTemporaryDir dir;
    const int smallLines = quick ? 200 : 2000;
    const int bigLines = quick ? 20000 : 200000;
    qint64 smallBytes = 0;
    qint64 bigBytes = 0;
    const QStringList small = makeCsvFiles(dir.path(), u"small"_s, 50, smallLines, 8, &smallBytes);
    const QStringList big = makeCsvFiles(dir.path(), u"big"_s, 1, bigLines, 10, &bigBytes);
    const int narrowLines = quick ? 100000 : 1000000;
    const int wideLines = quick ? 1000 : 10000;
    qint64 narrowBytes = 0;
    qint64 wideBytes = 0;
    const QStringList narrow = makeCsvFiles(dir.path(), u"narrow"_s, 1, narrowLines, 1, &narrowBytes);
    const QStringList wide = makeCsvFiles(dir.path(), u"wide"_s, 1, wideLines, 200, &wideBytes);
    const QString joined = concatenate(small, dir.filePath(u"joined.csv"_s));
    const int tinyFiles = quick ? 300 : 3000;
    const int veryWideLines = quick ? 200 : 2000;
    qint64 tinyBytes = 0;
    qint64 veryWideBytes = 0;
    const QString tinyFolder = dir.filePath(u"tiny"_s);
    QDir().mkpath(tinyFolder);
    const QStringList tiny = makeCsvFiles(tinyFolder, u"tiny"_s, tinyFiles, 30, 4, &tinyBytes);
    const QString tinyJoined = concatenate(tiny, dir.filePath(u"tiny-joined.csv"_s));
    const QStringList veryWide = makeCsvFiles(dir.path(), u"verywide"_s, 1, veryWideLines, 1000, &veryWideBytes);
    qint64 stackedBytes = 0;
    const QString stackedFolder = dir.filePath(u"stacked"_s);
    QDir().mkpath(stackedFolder);
    const QString stackedJoined = dir.filePath(u"stacked-joined.csv"_s);
    const QStringList stacked = makeStackedExports(stackedFolder, 50, smallLines, 8, &stackedBytes, stackedJoined);
    Scenario stacking{u"(h) 50 exports, headers"_s, stacked, true, 9, stackedBytes, 50LL * smallLines * 9,
                      {stackedJoined}, {}};
    stacking.skip = 1;
    stacking.header = true;
    stacking.fileColumn = FileColumn::Relative;
    qint64 europeanBytes = 0;
    const QString europeanFolder = dir.filePath(u"european"_s);
    QDir().mkpath(europeanFolder);
    const QString europeanJoined = dir.filePath(u"european-joined.csv"_s);
    const QStringList european =
        makeStackedExports(europeanFolder, 50, smallLines, 8, &europeanBytes, europeanJoined, true);
    Scenario ownSeparators = stacking;
    ownSeparators.name = u"(k) 50 exports, own separators"_s;
    ownSeparators.files = european;
    ownSeparators.fields = 10;
    ownSeparators.bytes = europeanBytes;
    ownSeparators.cells = 50LL * smallLines * 10;
    ownSeparators.csvFiles = {europeanJoined};
    ownSeparators.ownSeparator = true;
    ownSeparators.csvSeparator = ';';
    qint64 commaBytes = 0;
    const QString commaFolder = dir.filePath(u"commas"_s);
    QDir().mkpath(commaFolder);
    Scenario commasOnly = ownSeparators;
    commasOnly.name = u"(k=) (k) at a fixed comma"_s;
    const QString commaJoined = dir.filePath(u"commas-joined.csv"_s);
    commasOnly.files = makeStackedExports(commaFolder, 50, smallLines, 8, &commaBytes, commaJoined, true, true);
    commasOnly.bytes = commaBytes;
    commasOnly.csvFiles = {commaJoined};
    commasOnly.ownSeparator = false;
    Scenario bigOwn{u"(l) (c) at its own separator"_s, big, true, 10, bigBytes, qint64(bigLines) * 10, big, {}};
    bigOwn.ownSeparator = true;
    Scenario typedStacking = stacking;
    typedStacking.name = u"(h+) (h), numbers and dates"_s;
    typedStacking.typed = true;
    qint64 ordersBytes = 0;
    const QString ordersFolder = dir.filePath(u"orders"_s);
    QDir().mkpath(ordersFolder);
    const QString ordersJoined = dir.filePath(u"orders-joined.csv"_s);
    const int orderLines = quick ? 2000 : 20000;
    Scenario orders{u"(m) 50 orders, as text"_s,
                    makeOrderExports(ordersFolder, 50, orderLines, &ordersBytes, ordersJoined),
                    true, 7, ordersBytes, 50LL * orderLines * 7 - 25LL * orderLines, {ordersJoined}, {}};
    orders.header = true;
    orders.ownSeparator = true;
    Scenario typedOrders = orders;
    typedOrders.name = u"(m+) (m), numbers and dates"_s;
    typedOrders.typed = true;
    const std::vector<Scenario> scenarios{
        {u"(a) 50 files, one sheet"_s, small, true, 8, smallBytes, 50LL * smallLines * 8, {joined}, {}},
        {u"(b) 50 files, a sheet each"_s, small, false, 8, smallBytes, 50LL * smallLines * 8, small, {}},
        {u"(c) 1 file, %1 lines"_s.arg(bigLines), big, true, 10, bigBytes, qint64(bigLines) * 10, big, {}},
        {u"(d) %1 lines x 1"_s.arg(narrowLines), narrow, true, 1, narrowBytes, qint64(narrowLines), narrow, {}},
        {u"(e) %1 lines x 200"_s.arg(wideLines), wide, true, 200, wideBytes, qint64(wideLines) * 200, wide, {}},
        {u"(f) %1 small files, walked"_s.arg(tinyFiles), {}, true, 4, tinyBytes, qint64(tinyFiles) * 30 * 4,
         {tinyJoined}, tinyFolder},
        {u"(g) %1 lines x 1000"_s.arg(veryWideLines), veryWide, true, 1000, veryWideBytes,
         qint64(veryWideLines) * 1000, veryWide, {}},
        stacking,
        typedStacking,
        ownSeparators,
        commasOnly,
        bigOwn,
        orders,
        typedOrders,
    };

    lo::LibreOfficeProvider office(programFolder);
    try {
        office.start();
    } catch (const Failure &failure) {
        // A LibreOffice still ending from an earlier run refuses the
        // connection; a fresh one is started after it has gone.
        std::fprintf(stderr, "%s; trying once more\n", qPrintable(failure.description()));
        QThread::sleep(3);
        office.start();
    }
    {
        // A first document warms LibreOffice up for both sides.
        BenchWindow warmUp;
        warmUp.files = {small.first()};
        warmUp.timeRun(office);
        closeDocument(office.lastDocument());
    }

    std::printf("%-28s %9s %12s %9s %12s %7s %9s %12s %7s\n", "scenario", "quillora", "cells/s", "lo csv", "cells/s",
                "ratio", "staging", "peak mem", "wait");
    int failures = 0;
    for (const Scenario &scenario : scenarios) {
        if (!chosen(scenario, only))
            continue;
        BenchWindow window;
        window.files = scenario.files;
        window.folder = scenario.folder;
        window.oneSheet = scenario.oneSheet;
        window.skip = scenario.skip;
        window.header = scenario.header;
        window.fileColumnShown = scenario.fileColumn;
        window.ownSeparator = scenario.ownSeparator;
        if (typed || scenario.typed) {
            window.numbers = DecimalSign::Automatic;
            window.dates = true;
        }

        std::vector<double> stagingTimes;
        std::vector<double> ours;
        std::vector<double> theirs;
        std::vector<double> ratios;
        qint64 peak = 0;
        double longestWait = 0;
        for (int run = 0; run < runs; ++run) {
            NullSpreadsheet nothing;
            stagingTimes.push_back(window.timeRun(nothing));

            const qint64 before = currentMemory();
            resetPeakMemory();
            ours.push_back(window.timeRun(office));
            peak = std::max(peak, peakMemory() - before);
            longestWait = std::max(longestWait, window.longestWaitMs());
            closeDocument(office.lastDocument());

            if (withCsv) {
                theirs.push_back(timeCsvImport(office.session(), scenario));
                ratios.push_back(ours.back() / theirs.back());
            }
        }
        const double staging = median(stagingTimes);
        const double seconds = median(ours);
        const double csv = median(theirs);
        const double ratio = median(ratios);
        failures += window.failures;
        std::printf("%-28s %8.2fs %12.0f %8.2fs %12.0f %6.2fx %8.2fs %7s %.1fx %4.0fms\n", qPrintable(scenario.name),
                    seconds, scenario.cells / seconds, csv, scenario.cells / csv, ratio, staging,
                    qPrintable(megabytes(peak)), double(peak) / scenario.bytes, longestWait);
    }
    if (!arguments.contains(u"--no-cli"_s) && withCsv)
        compareCommandLine(office.session(), scenarios, runs, only);
    if (!arguments.contains(u"--no-store"_s) && withCsv) {
        // As `quillora --output FILE` does it: the document writer stores it.
        std::printf("\n%-28s %9s %9s %7s %12s\n", "stored as a file", "quillora", "lo csv", "ratio", "peak mem");
        struct Format
        {
            const char *suffix;
            DocumentFormat format;
            const char *filter;
        };
        const Format formats[] = {{"ods", DocumentFormat::Ods, "calc8"},
                                  {"xlsx", DocumentFormat::Xlsx, "Calc Office Open XML"}};
        for (const Scenario &scenario : scenarios) {
            const bool stored = scenario.name.startsWith(u"(a)") || scenario.name.startsWith(u"(c)")
                || scenario.name.startsWith(u"(d)");
            if (!stored || !chosen(scenario, only))
                continue;
            for (const Format &format : formats) {
                const QString ours = dir.filePath(u"quillora.%1"_s.arg(QLatin1StringView(format.suffix)));
                const QString theirs = dir.filePath(u"libreoffice.%1"_s.arg(QLatin1StringView(format.suffix)));
                writer::DocumentWriter documents(format.format);
                BenchWindow window;
                window.files = scenario.files;
                if (typed) {
                    window.numbers = DecimalSign::Automatic;
                    window.dates = true;
                }
                window.finish = [&](SpreadsheetDocument &document) { documents.store(document, ours); };
                std::vector<double> times;
                std::vector<double> csvTimes;
                std::vector<double> ratios;
                qint64 peak = 0;
                for (int run = 0; run < runs; ++run) {
                    const qint64 before = currentMemory();
                    resetPeakMemory();
                    // LibreOffice's load-and-store just before leaves the
                    // machine slower for a while in ways that show as no
                    // CPU of its own (the memory it freed, the page cache):
                    // an untimed run takes that. LibreOffice's runs follow
                    // the writer's, which leave nothing of the kind.
                    waitUntilOfficeIsIdle();
                    window.timeRun(documents);
                    times.push_back(window.timeRun(documents));
                    peak = std::max(peak, peakMemory() - before);
                    waitUntilOfficeIsIdle();
                    csvTimes.push_back(timeCsvImport(office.session(), scenario, theirs, format.filter));
                    ratios.push_back(times.back() / csvTimes.back());
                }
                failures += window.failures;
                std::printf("%-22s %-5s %8.2fs %8.2fs %6.2fx %12s\n", qPrintable(scenario.name.left(22).trimmed()),
                            format.suffix, median(times), median(csvTimes), median(ratios),
                            qPrintable(megabytes(peak)));
            }
        }
    }
    {
        // Lines of any length cost what can land: one line of base64 with
        // no break, and a CSV whose quote opens near its start and never
        // closes, written as .ods.
        const qint64 lineBytes = quick ? 30'000'000 : 300'000'000;
        const QString oneLine = dir.filePath(u"one-line.txt"_s);
        const QString unclosed = dir.filePath(u"unclosed.csv"_s);
        {
            QFile file(oneLine);
            file.open(QIODevice::WriteOnly);
            QByteArray chunk(4 * 1024 * 1024, Qt::Uninitialized);
            for (qsizetype i = 0; i < chunk.size(); ++i)
                chunk[i] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[(i * 7919) % 64];
            for (qint64 written = 0; written < lineBytes; written += chunk.size())
                file.write(chunk);
            QFile csv(unclosed);
            csv.open(QIODevice::WriteOnly);
            csv.write("a,\"open,b\n");
            const QByteArray row = QByteArray(60, 'x') + ",yy,zz\n";
            for (qint64 written = 0; written < lineBytes / 3; written += row.size() * 1000)
                csv.write(row.repeated(1000));
        }
        std::printf("\n%-28s %9s %12s\n", "long lines, as .ods", "quillora", "peak mem");
        for (const auto &[name, path, quotes] : {std::tuple{"(i) one line, no break", oneLine, false},
                                                 std::tuple{"(j) a quote never closed", unclosed, true}}) {
            writer::DocumentWriter documents(DocumentFormat::Ods);
            BenchWindow window;
            window.files = {path};
            window.quotes = quotes;
            window.reportsExpected = true; // the cell cut at what a cell holds
            window.finish = [&](SpreadsheetDocument &document) {
                documents.store(document, dir.filePath(u"long.ods"_s));
            };
            const qint64 before = currentMemory();
            resetPeakMemory();
            const double seconds = window.timeRun(documents);
            std::printf("%-28s %8.2fs %12s  (%s of text)\n", name, seconds,
                        qPrintable(megabytes(peakMemory() - before)), qPrintable(megabytes(QFileInfo(path).size())));
        }
    }
    if (!arguments.contains(u"--no-packed"_s))
        comparePacked(dir.path(), big.first(), tinyFolder, tiny, runs, only);
    std::printf("text sizes: 50 files %s, big file %s; peak memory is Quillora's largest growth during a run;\n"
                "wait: the longest time a run let no event through\n",
                qPrintable(megabytes(smallBytes)), qPrintable(megabytes(bigBytes)));
    std::printf("whole process: %s resident at most since the last run began, with Qt and the UNO runtime\n",
                qPrintable(megabytes(peakMemory())));
    try {
        office.session().desktop()->terminate();
    } catch (const uno::Exception &) {
    }
    return failures == 0 ? 0 : 1;
}
