// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/failure.h"
#include "core/import/importrun.h"

#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <functional>
#include <utility>

namespace quillora::test {

// The window as the run sees it: a list, the options, a progress bar and the
// dialogs, all recorded.
struct FakeWindow : ImportInputs, ImportObserver, ErrorReporter
{
    QStringList files;
    // The options as the window hands them over, whole.
    ReadOptions read;
    SheetOptions sheets;
    // A file's own separator, as the window's list keeps it, by file name.
    QHash<QString, QString> splitOf;
    // What the run told: the files begun, the rows written, its end.
    QStringList filesStarted;
    QList<std::pair<qint64, qint64>> rowsWrittenOf;
    int runsEnded = 0;
    QStringList notices;
    QStringList notes;
    QList<FileAccount> accounts;
    QList<int> errorSteps;
    QStringList errorTexts;
    bool cancelFlag = false;
    bool stopFlag = false;
    int yields = 0;
    std::function<void()> onYield;
    // What is done with the document at the end (storing it, say).
    std::function<void(SpreadsheetDocument &)> finish;

    int entryCount() const override { return static_cast<int>(files.size()); }
    QString entry(int index) const override
    {
        if (index >= files.size())
            throw Failure(QStringLiteral("The list no longer holds entry %1.").arg(index + 1));
        return files.at(index);
    }
    SheetOptions sheetOptions() const override { return sheets; }
    ReadOptions readOptions(const QString &path) const override
    {
        ReadOptions options = read;
        if (const auto own = splitOf.constFind(QFileInfo(path).fileName()); own != splitOf.cend())
            options.cut = Cutting::at(*own);
        return options;
    }
    QString howTo(Choice) const override { return QStringLiteral("choose it"); }
    void fileStarted(int index, int count, const QString &path) override
    {
        filesStarted.append(QStringLiteral("%1/%2 %3").arg(index + 1).arg(count).arg(path));
    }
    void rowsWritten(qint64 written, qint64 total) override { rowsWrittenOf.append({written, total}); }
    void runEnded() override { ++runsEnded; }
    void yield() override
    {
        ++yields;
        if (onYield)
            onYield();
    }
    bool closing() const override { return cancelFlag; }
    bool stopAsked() const override { return stopFlag; }
    void notice(const QString &text) override { notices.append(text); }
    void note(const QString &text) override { notes.append(text); }
    void fileRead(const FileAccount &account) override { accounts.append(account); }
    ErrorReporter &errorReporter() override { return *this; }
    ImportResult run(SpreadsheetProvider &office, std::function<double()> random = [] { return 0.5; },
                     ImportRun::Deadlines deadlines = {})
    {
        ImportRun importRun(*this, *this, office, std::move(random));
        importRun.setDeadlines(deadlines);
        importRun.setFinishDocument(finish);
        return importRun.run();
    }
    void ShowApplicationError(QStringView, int step, const QString &description) override
    {
        errorSteps.append(step);
        errorTexts.append(description);
    }
};

} // namespace quillora::test
