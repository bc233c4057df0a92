// SPDX-License-Identifier: GPL-3.0-or-later
// Many small files on one sheet, the command line as a user runs it: a
// folder of 10,000 and of 100,000 one-line files, planned (--dry-run, with
// its report) and written into an .ods file. The seconds should grow with
// the files, not with their square: 100,000 within twice ten times 10,000.
#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

namespace {
double secondsOf(const QStringList &arguments)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(QUILLORA_PROGRAM), arguments);
    if (!program.waitForFinished(-1) || program.exitCode() != 0)
        qFatal("quillora %s failed", qPrintable(arguments.join(u' ')));
    return double(timer.nsecsElapsed()) / 1e9;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    std::printf("%-8s %10s %10s\n", "files", "dry run", "into .ods");
    double first[2] = {};
    for (const int files : {10000, 100000}) {
        const QString folder = dir.filePath(u"f%1"_s.arg(files));
        QDir().mkpath(folder);
        qint64 bytes = 0;
        bench::makeCsvFiles(folder, u"part"_s, files, 1, 2, &bytes);
        const double plan = secondsOf({u"--dry-run"_s, u"--split=comma"_s, u"--report="_s + dir.filePath(u"r%1.csv"_s.arg(files)), folder});
        const double write = secondsOf({u"--split=comma"_s, u"-o"_s, dir.filePath(u"o%1.ods"_s.arg(files)), folder});
        std::printf("%-8d %9.2fs %9.2fs\n", files, plan, write);
        if (files == 10000) {
            first[0] = plan;
            first[1] = write;
        } else {
            std::printf("100,000 against ten times 10,000: %.2fx, %.2fx (linear: 1.00x)\n", plan / (10 * first[0]),
                        write / (10 * first[1]));
        }
    }
    return 0;
}
