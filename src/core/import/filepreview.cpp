// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filepreview.h"

#include "core/failure.h"
#include "core/import/sheetlayout.h"
#include "core/text/rowblock.h"
#include "core/text/separators.h"
#include "core/text/stagedline.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// The rows as the sheet will hold them: under the header's names, after the
// file column.
void layOutRows(FilePreview &preview, const QString &path, const ReadOptions &options, const FileReading &reading,
                const QStringList &lines, int maxRows, CellLimits limits, const QList<ColumnChoice> &choices)
{
    const CellTyping typing = reading.typing();
    SheetLayout layout;
    layout.setColumnChoices(choices);
    layout.setFileColumn(options.fileColumn != FileColumn::None);
    layout.addFile({.listIndex = 0,
                    .path = path,
                    .lines = lines.size(),
                    .header = reading.header(),
                    .shownName = FileNameOf(path),
                    .noteName = FileNameOf(path),
                    .typing = typing});
    if (layout.hasHeaderRow())
        preview.header = cellsOfStagedLine(layout.headerLine());
    preview.columnKinds = layout.typingAt(0).columns;
    RowBlock rows;
    for (qsizetype i = 0; i < lines.size() && i < maxRows; ++i) {
        rows.setTyping(layout.typingAt(i));
        layout.plain() ? rows.appendStagedLine(lines[i], limits.columns)
                       : layout.appendRow(lines[i], i, rows, limits.columns);
    }
    for (size_t r = 0; r < rows.rowCount(); ++r) {
        QStringList cells;
        QList<qsizetype> values;
        const RowBlock::Row row = rows.row(r);
        for (qsizetype c = 0; c < row.size(); ++c) {
            cells.append(row[c].toString());
            if (rows.valueAt(r, c).kind != CellValue::Kind::Text)
                values.append(c);
        }
        preview.firstRows.append(cells);
        preview.valueCells.append(values);
    }
}
} // namespace

FilePreview previewFile(const QString &path, const ReadOptions &options, qint64 sampleBytes, int maxRows,
                        CellLimits limits, const QList<ColumnChoice> &choices)
{
    FilePreview preview;
    try {
        FileReading::Watch watch;
        watch.sampleBytes = sampleBytes;
        watch.keepStart = watch.measure = true;
        FileReading reading(path, options, limits, watch);
        QString rows, piece;
        for (bool more = true; more;) {
            more = reading.next(piece);
            if (reading.startedOver())
                rows.clear();
            rows += piece;
        }
        FileAccount &account = preview.account;
        account = reading.account();
        preview.lineEnds = lineEndsOf(reading.start());
        const QStringList lines = stagedLinesOf(rows);
        layOutRows(preview, path, options, reading, lines, maxRows, limits, choices);
        // What the part read holds, reckoned for the whole file by its bytes.
        account.rowsCounted = !reading.reader().sampled();
        const qint64 sampled = std::min(sampleBytes, account.size);
        const qint64 header = account.header ? 1 : 0;
        account.rows = header
            + (account.rowsCounted || sampled == 0 ? lines.size()
                                                   : qint64(double(lines.size()) * account.size / sampled));
    } catch (const Failure &failure) {
        preview = FilePreview();
        preview.error = failure.description();
    }
    return preview;
}

HeaderPlan planHeaders(const QStringList &paths, const std::function<ReadOptions(const QString &)> &optionsOf,
                       const QList<Rename> &renames, qint64 sampleBytes, const std::function<bool()> &stopRequested)
{
    SheetLayout layout;
    layout.setRenames(renames);
    const QString folder = commonFolder(paths);
    for (const QString &path : paths) {
        if (stopRequested && stopRequested())
            break;
        const QString name = shownFileName(path, FileColumn::Relative, folder);
        std::optional<QStringList> header;
        try {
            FileReading::Watch watch;
            watch.sampleBytes = sampleBytes;
            FileReading reading(path, optionsOf(path), CellLimits{}, watch);
            QString rows;
            // The header comes with the first rows.
            while (!reading.header() && reading.next(rows)) {
            }
            header = reading.header();
        } catch (const Failure &) {
        }
        layout.addFile({.listIndex = 0, .path = path, .header = header, .shownName = name, .noteName = name});
    }
    return layout.headerPlan();
}

} // namespace quillora
