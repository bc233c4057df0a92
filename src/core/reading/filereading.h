// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reading/dialect.h"
#include "core/reading/fileaccount.h"
#include "core/reading/readoptions.h"
#include "core/text/filehead.h"
#include "core/text/columnkinds.h"
#include "core/text/linesplitter.h"
#include "core/text/textreader.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillora {

// One file read the one way the import, the preview and the plan read it:
// opened (a file, a stream or standard input; or a sample of a file's
// start), decoded in one pass, cut into cells as the options say, its head
// (lines to skip, a header) taken out, its end ending its last line. What
// comes out is staged rows, piece by piece.
class FileReading
{
public:
    struct Watch
    {
        // Asked often while a file is read, however long it takes.
        std::function<bool()> stopRequested;
        // Read only this many bytes of a regular file's start; 0: all of it.
        qint64 sampleBytes = 0;
        // Keep the decoded start of the text, to tell its separator.
        bool keepStart = false;
        // Count the cells of the widest row.
        bool measure = false;
    };

    // Throws Failure when the file cannot be opened or read.
    FileReading(const QString &path, const ReadOptions &options, CellLimits limits, Watch watch);

    // The next staged rows; false once the file has given them all (rows
    // then holds the last of them).
    bool next(QString &rows);
    // Whether the last next() read the file again from its start, in
    // another encoding: the rows it gave before are to be forgotten.
    bool startedOver() const { return m_startedOver; }

    const TextReader &reader() const { return m_reader; }
    // The text lines are cut at: the options', or the file's own once its
    // start was read; nullopt: lines stay whole.
    const std::optional<QString> &split() const { return m_split; }
    // Whether quoted fields are kept whole: as the options say, or as the
    // file's own dialect has them.
    bool quotes() const { return m_quotes; }
    // The file's own dialect, once its start was read (cut at its own).
    const Dialect &dialect() const { return m_dialect; }
    // Whether the file's numbers write their decimals with a comma, as its
    // first text shows them; nullopt where it shows no decimals.
    std::optional<bool> decimalComma() const { return m_decimalComma; }
    // The rows left out at the file's start: as the options say, or the
    // rows above its table, once its start was read (with skipToTable).
    qint64 linesSkipped() const { return m_options.skipToTable ? m_rowsSkipped : m_options.linesToSkip; }
    EncodingTaken encodingTaken() const;
    // The header's cells, as staged; nullopt without one.
    std::optional<QStringList> header() const;
    // At most StartKept characters of the decoded text, in whole lines.
    static constexpr qsizetype StartKept = 64 * 1024;
    const QString &start() const { return m_start; }
    // The cells of the widest row, the header's included.
    qsizetype widest() const;
    // Whether a row after the header was cut into more than one cell, and
    // whether any holds text.
    bool rowsCut() const { return m_rowsCut; }
    bool rowsHaveText() const { return m_rowsHaveText; }
    qint64 cutCells() const { return m_splitter.cutCells(); }
    qint64 leftOutCells() const { return m_splitter.leftOutCells(); }
    std::optional<qint64> unclosedQuoteLine() const { return m_splitter.unclosedQuoteLine(); }
    // Which of its cells are stored as numbers and dates, once it gave all
    // its rows: as the options say, each column of one kind as its cells
    // show it.
    CellTyping typing() const;
    // What the reading learnt of the file, once it gave all its rows (the
    // rows and the landing are the caller's to count).
    FileAccount account() const;

private:
    bool readText(QString &text);
    bool readStartAndChooseSeparator(QString &text, std::optional<bool> given = std::nullopt);
    void chooseDialect(QStringView start);
    void cut(QString &rows, bool more);
    void beginText();
    void keepStart(QStringView text, bool last);
    void endLastLine(QString &rows);
    void measure(QStringView rows);

    QString m_path;
    ReadOptions m_options;
    CellLimits m_limits;
    Watch m_watch;
    TextReader m_reader;
    LineSplitter m_splitter;
    FileHead m_head;
    std::optional<QString> m_split;
    bool m_quotes = false;
    Dialect m_dialect;
    std::optional<bool> m_decimalComma;
    bool m_decimalsSeen = false;
    std::optional<ColumnCensus> m_census; // where cells are typed
    qint64 m_rowsSkipped = 0;
    QString m_firstLineSkipped;
    std::optional<qint64> m_unpairedQuoteLine; // where quotes that do not pair were left as text
    bool m_separatorChosen = false;
    bool m_startedOver = false;
    // The last character of the rows so far: whether they end with a line
    // break, and whether that is a CR.
    QChar m_lastCharacter;
    bool m_anyRows = false;
    QString m_start;
    bool m_startComplete = false;
    qsizetype m_widest = 0;
    bool m_rowsCut = false;
    bool m_rowsHaveText = false;
    qsizetype m_lineCells = 0;
};

} // namespace quillora
