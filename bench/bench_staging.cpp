// SPDX-License-Identifier: GPL-3.0-or-later
// Reads, decodes, splits and stages 200,000 lines of 10 fields, as an import
// run does, with a spreadsheet that keeps nothing: the cost of everything but
// the spreadsheet application. Prints lines per second and peak memory;
// then reads 20 MB of Japanese text in Shift_JIS, found by the detector, and
// the same text in UTF-8.
#include "benchsupport.h"
#include "core/text/linesplitter.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::bench;

namespace {
// The best of five whole reads of a file, encoding found as users' files are.
double bestRead(const QString &path, QByteArray &encoding)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        TextReader reader(path);
        QString piece;
        while (reader.readPiece(piece)) {
        }
        best = std::min(best, timer.nsecsElapsed() / 1e9);
        encoding = reader.encodingName();
    }
    return best;
}

// The same Japanese names and addresses, about size bytes of them in
// Shift_JIS, written in Shift_JIS and in UTF-8; prints both reading times.
void compareShiftJis(const QTemporaryDir &dir, qint64 size)
{
    const QString lines = u"山田太郎,東京都新宿区西新宿二丁目8番1号,03-5321-1111,営業部\n"
                          u"佐藤花子,大阪府大阪市北区梅田一丁目3番1号,06-6345-2222,経理部\n"_s;
    QStringEncoder shiftJis("Shift_JIS");
    const QByteArray block = shiftJis.encode(lines);
    const QString text = lines.repeated(size / block.size() + 1);
    const QString sjisPath = dir.filePath(u"japanese-sjis.csv"_s);
    const QString utf8Path = dir.filePath(u"japanese-utf8.csv"_s);
    for (const auto &[path, bytes] : {std::pair{sjisPath, QByteArray(shiftJis.encode(text))}, {utf8Path, text.toUtf8()}}) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    QByteArray sjisFound, utf8Found;
    const double sjis = bestRead(sjisPath, sjisFound);
    const double utf8 = bestRead(utf8Path, utf8Found);
    std::printf("Japanese text, %s in Shift_JIS (%s in UTF-8):\n", qPrintable(megabytes(QFileInfo(sjisPath).size())),
                qPrintable(megabytes(QFileInfo(utf8Path).size())));
    std::printf("  read as %s: %.3f s; as %s: %.3f s (%.2fx)\n", sjisFound.constData(), sjis, utf8Found.constData(),
                utf8, sjis / utf8);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(u"--quick"_s);
    const int lines = quick ? 20000 : 200000;
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

    // Staging alone: read, split at the commas, write the staging file;
    // plainly, and keeping quoted text together. Best of five each.
    const auto timeStaging = [&](bool quotes, const QString &path) {
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            timer.restart();
            TextReader reader(path);
            StagingFile staging;
            LineSplitter splitter;
            QString piece;
            while (reader.readPiece(piece)) {
                splitter.stage(piece, u","_s, quotes);
                staging.WriteTextFile(piece);
            }
            best = std::min(best, timer.nsecsElapsed() / 1e9);
        }
        return best;
    };
    const double stageSeconds = timeStaging(false, files.first());
    const double quotedSeconds = timeStaging(true, files.first());
    // The same with a quoted field in every line, a comma and a doubled
    // quote inside, as exports of addresses and names have them.
    const QString quotedFile = dir.filePath(u"quoted.csv"_s);
    {
        QFile in(files.first());
        QFile out(quotedFile);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(quotedFile));
        out.write(in.readAll().replace("text value 3", "\"text, \"\"value\"\" 3\""));
    }
    const double plainOnQuoted = timeStaging(false, quotedFile);
    const double quotesOnQuoted = timeStaging(true, quotedFile);

    struct Whole
    {
        double seconds;
        qint64 peak;
        qint64 cells;
        qint64 rows;
        int failures;
    };
    const auto timeWholeRun = [&](bool quotes) {
        const qint64 before = currentMemory();
        resetPeakMemory();
        NullSpreadsheet nothing;
        BenchWindow window;
        window.files = files;
        window.quotes = quotes;
        ImportResult result;
        const double seconds = window.timeRun(nothing, &result);
        return Whole{seconds, peakMemory() - before, nothing.cells, result.rowsWritten, window.failures};
    };
    const Whole plain = timeWholeRun(false);
    const Whole quoted = timeWholeRun(true);
    const qint64 before = currentMemory();

    std::printf("input: %d lines x 10 fields, %s, UTF-8\n", lines, qPrintable(megabytes(bytes)));
    std::printf("read and decode:           %.3f s  %.0f lines/s  %.1f MB/s\n", readSeconds, lines / readSeconds,
                bytes / readSeconds / 1e6);
    std::printf("read, split, stage:        %.3f s  %.0f lines/s\n", stageSeconds, lines / stageSeconds);
    std::printf("  keeping quotes together: %.3f s  %.0f lines/s  (%.2fx)\n", quotedSeconds, lines / quotedSeconds,
                quotedSeconds / stageSeconds);
    std::printf("a quoted field a line:     %.3f s plainly, %.3f s keeping quotes together (%.2fx)\n", plainOnQuoted,
                quotesOnQuoted, quotesOnQuoted / plainOnQuoted);
    for (const auto &[name, whole] : {std::pair{"read, split, stage, cut:  ", plain}, {"  keeping quotes together:", quoted}})
        std::printf("%s %.3f s  %.0f lines/s  (%lld cells, %lld rows), memory +%s (%.2fx the text)\n", name,
                    whole.seconds, lines / whole.seconds, static_cast<long long>(whole.cells),
                    static_cast<long long>(whole.rows), qPrintable(megabytes(whole.peak)),
                    double(whole.peak) / double(bytes));
    std::printf("memory: %s before the runs\n", qPrintable(megabytes(before)));
    compareShiftJis(dir, quick ? 2'000'000 : 20'000'000);
    return plain.failures + quoted.failures == 0 && characters > 0 ? 0 : 1;
}
