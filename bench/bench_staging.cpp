// Reads, decodes, splits and stages 200,000 lines of 10 fields, as an import
// run does, with a spreadsheet that keeps nothing: the cost of everything but
// the spreadsheet application. Prints lines per second and peak memory.
#include "benchsupport.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::bench;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int lines = app.arguments().contains(u"--quick"_s) ? 20000 : 200000;
    QTemporaryDir dir;
    qint64 bytes = 0;
    const QStringList files = makeCsvFiles(dir.path(), u"staging"_s, 1, lines, 10, &bytes);

    // Reading and decoding alone.
    QElapsedTimer timer;
    timer.start();
    qint64 characters = 0;
    {
        TextReader reader(files.first());
        QString piece;
        while (reader.readPiece(piece))
            characters += piece.size();
    }
    const double readSeconds = timer.nsecsElapsed() / 1e9;

    // Staging alone: read, split at the commas, write the staging file.
    timer.restart();
    {
        TextReader reader(files.first());
        StagingFile staging;
        QString piece;
        while (reader.readPiece(piece)) {
            piece.replace(u',', ColumnMarker);
            staging.WriteTextFile(piece);
        }
    }
    const double stageSeconds = timer.nsecsElapsed() / 1e9;

    const qint64 before = currentMemory();
    resetPeakMemory();
    NullSpreadsheet nothing;
    BenchWindow window;
    window.files = files;
    ImportResult result;
    const double runSeconds = window.timeRun(nothing, &result);
    const qint64 peak = peakMemory();

    std::printf("input: %d lines x 10 fields, %s, UTF-8\n", lines, qPrintable(megabytes(bytes)));
    std::printf("read and decode:           %.3f s  %.0f lines/s  %.1f MB/s\n", readSeconds, lines / readSeconds,
                bytes / readSeconds / 1e6);
    std::printf("read, split, stage:        %.3f s  %.0f lines/s\n", stageSeconds, lines / stageSeconds);
    std::printf("read, split, stage, cut:   %.3f s  %.0f lines/s  (%lld cells, %lld rows)\n", runSeconds,
                lines / runSeconds, static_cast<long long>(nothing.cells), static_cast<long long>(result.rowsWritten));
    std::printf("memory: %s before, peak %s during the run (+%s, %.2fx the text)\n", qPrintable(megabytes(before)),
                qPrintable(megabytes(peak)), qPrintable(megabytes(peak - before)),
                double(peak - before) / double(bytes));
    return window.failures == 0 && characters > 0 ? 0 : 1;
}
