// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchsupport.h"

#include "core/list/folderexpansion.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace quillora::bench {

QStringList makeCsvFiles(const QString &folder, const QString &stem, int files, int lines, int fields,
                         qint64 *bytes)
{
    QStringList paths;
    for (int f = 0; f < files; ++f) {
        const QString path = u"%1/%2-%3.csv"_s.arg(folder, stem).arg(f);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        QByteArray text;
        for (int l = 0; l < lines; ++l) {
            for (int c = 0; c < fields; ++c) {
                if (c > 0)
                    text += ',';
                // Words, numbers and dates mixed, as real exports are.
                switch (c % 4) {
                case 0: text += "item" + QByteArray::number(l * 7 + c); break;
                case 1: text += QByteArray::number(l * 31 % 100000); break;
                case 2: text += "2024-0" + QByteArray::number(1 + l % 9) + "-1" + QByteArray::number(l % 10); break;
                default: text += "text value " + QByteArray::number(c); break;
                }
            }
            text += '\n';
        }
        file.write(text);
        *bytes += text.size();
        paths.append(path);
    }
    return paths;
}

void BenchWindow::yield()
{
    m_longestWait = std::max(m_longestWait, m_sinceYield.nsecsElapsed());
    QCoreApplication::processEvents();
    m_sinceYield.start();
}

void BenchWindow::ShowApplicationError(QStringView location, int step, const QString &description)
{
    ++failures;
    if (!reportsExpected)
        std::fprintf(stderr, "failure: %s\n", qPrintable(applicationErrorText(location, step, description)));
}

double BenchWindow::timeRun(SpreadsheetProvider &spreadsheets, ImportResult *result)
{
    QElapsedTimer timer;
    timer.start();
    m_sinceYield.start();
    m_longestWait = 0;
    ImportResult done;
    if (!folder.isEmpty()) {
        files.clear();
        Breather breather([this] { yield(); });
        FolderWalk walk(*this, breather);
        AddFolderFiles(folder, u"*.*"_s, [this](const QString &path) { files.append(path); }, walk, breather);
    }
    {
        // The run lets go of the document when it ends; that is timed too.
        ImportRun run(*this, *this, spreadsheets, [] { return 0.5; });
        run.setFinishDocument(finish);
        done = run.run();
    }
    if (result)
        *result = done;
    return timer.nsecsElapsed() / 1e9;
}

namespace {
class NullSheet : public SpreadsheetSheet
{
public:
    explicit NullSheet(qint64 &cells)
        : m_cells(cells)
    {
    }
    QString name() override { return u"Sheet1"_s; }
    void setCellText(int, int, const QString &) override { ++m_cells; }
    void writeRows(int, RowBlock rows) override { m_cells += rows.cellCount(); }

private:
    qint64 &m_cells;
};

class NullDocument : public SpreadsheetDocument
{
public:
    explicit NullDocument(qint64 &cells)
        : m_cells(cells)
    {
    }
    int sheetCount() override { return static_cast<int>(m_names.size()); }
    QString sheetName(int index) override { return m_names.at(index); }
    std::unique_ptr<SpreadsheetSheet> sheetAt(int) override { return std::make_unique<NullSheet>(m_cells); }
    bool hasSheet(const QString &name) override { return m_names.contains(name, Qt::CaseInsensitive); }
    void removeSheet(const QString &name) override { m_names.removeAll(name); }
    void insertSheet(const QString &name, int position) override { m_names.insert(position, name); }
    SheetLimits limits() override { return {16384, 1048576}; }

private:
    qint64 &m_cells;
    QStringList m_names{u"Sheet1"_s};
};
} // namespace

std::unique_ptr<SpreadsheetDocument> NullSpreadsheet::newDocument()
{
    return std::make_unique<NullDocument>(cells);
}

namespace {
qint64 statusField(const char *field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}
} // namespace

qint64 peakMemory()
{
    return statusField("VmHWM:");
}

qint64 currentMemory()
{
    return statusField("VmRSS:");
}

void resetPeakMemory()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / 1048576.0, 'f', 1) + u" MiB"_s;
}

} // namespace quillora::bench
