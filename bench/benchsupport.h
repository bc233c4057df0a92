// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/importrun.h"
#include "core/import/spreadsheet.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace quillora::bench {

// Writes `files` files of `lines` lines with `fields` comma-separated fields
// each into folder; returns their paths and adds the bytes written to *bytes.
QStringList makeCsvFiles(const QString &folder, const QString &stem, int files, int lines, int fields,
                         qint64 *bytes);

// The window as the benchmark drives it: options fixed, events processed at
// every yield as the real window does, failures counted and printed.
class BenchWindow : public ImportInputs, public ImportObserver, public ErrorReporter
{
public:
    QStringList files;
    // When set, the run lists this folder's files first, as a drop does
    // (timed too), instead of taking the files above.
    QString folder;
    bool oneSheet = true;
    std::optional<QString> split = QStringLiteral(",");
    bool ownSeparator = false;
    bool quotes = false;
    std::optional<DecimalSign> numbers;
    bool dates = false;
    qint64 skip = 0;
    bool header = false;
    FileColumn fileColumnShown = FileColumn::None;
    int failures = 0;
    // Reports the scenario expects (a cut cell, say) are counted, not shown.
    bool reportsExpected = false;
    // What becomes of the document at the end (stored, say); unset, it stays open.
    std::function<void(SpreadsheetDocument &)> finish;

    int entryCount() const override { return static_cast<int>(files.size()); }
    QString entry(int index) const override { return files.at(index); }
    SheetOptions sheetOptions() const override { return {oneSheet, false, false}; }
    ReadOptions readOptions(const QString &) const override
    {
        return {.cut = ownSeparator ? Cutting::ownSeparator() : Cutting::at(split),
                .quotes = quotes,
                .numbers = numbers,
                .dates = dates,
                .linesToSkip = skip,
                .header = header,
                .fileColumn = fileColumnShown};
    }
    QString howTo(Choice) const override { return {}; }
    void fileStarted(int, int, const QString &) override {}
    void rowsWritten(qint64, qint64) override {}
    void runEnded() override {}
    void yield() override;
    bool closing() const override { return false; }
    bool stopAsked() const override { return false; }
    void notice(const QString &) override {}
    void note(const QString &) override {}
    ErrorReporter &errorReporter() override { return *this; }
    void ShowApplicationError(QStringView location, int step, const QString &description) override;

    // Runs one import and returns its seconds, click to "Done.".
    double timeRun(SpreadsheetProvider &spreadsheets, ImportResult *result = nullptr);
    // The longest time the last run went without letting events through,
    // in milliseconds: how long a click could wait for an answer.
    double longestWaitMs() const { return m_longestWait / 1e6; }

private:
    QElapsedTimer m_sinceYield;
    qint64 m_longestWait = 0;
};

// A spreadsheet that takes every row and keeps none: what a run costs
// without the spreadsheet application.
class NullSpreadsheet : public SpreadsheetProvider
{
public:
    qint64 cells = 0;
    void start() override {}
    std::unique_ptr<SpreadsheetDocument> newDocument() override;
    void abandon() override {}
    QString applicationName() const override { return QStringLiteral("NullSpreadsheet"); }
};

// Peak resident memory of this process in bytes, and resetting it.
qint64 peakMemory();
qint64 currentMemory();
void resetPeakMemory();

QString megabytes(qint64 bytes);

} // namespace quillora::bench
