// SPDX-License-Identifier: GPL-3.0-or-later
// Adds a tree of 100,000 files in 1,000 folders to the file list through the
// folder expansion, beside a plain directory walk of the same tree
// (QDirIterator) in the same run, and the longest time the window would have
// waited for its events meanwhile.
#include "benchsupport.h"
#include "core/list/filelistmodel.h"
#include "core/list/folderexpansion.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::bench;

namespace {
// 10 folders of 99 folders each under the top: 1,000 folders, every one
// holding the same number of files.
qint64 makeTree(const QString &top, int filesPerFolder)
{
    QStringList folders;
    for (int i = 0; i < 10; ++i) {
        const QString outer = u"%1/part%2"_s.arg(top).arg(i, 2, 10, QChar(u'0'));
        folders.append(outer);
        for (int j = 0; j < 99; ++j)
            folders.append(u"%1/folder%2"_s.arg(outer).arg(j, 2, 10, QChar(u'0')));
    }
    qint64 files = 0;
    for (const QString &folder : std::as_const(folders)) {
        QDir().mkpath(folder);
        for (int k = 0; k < filesPerFolder; ++k) {
            QFile file(u"%1/log%2.txt"_s.arg(folder).arg(k, 3, 10, QChar(u'0')));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(file.fileName()));
            ++files;
        }
    }
    return files;
}

struct Walked
{
    double seconds = 0;
    qint64 files = 0;
    double longestWaitMs = 0;
};

Walked plainWalk(const QString &top)
{
    QElapsedTimer timer;
    timer.start();
    Walked walked;
    QDirIterator it(top, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++walked.files;
    }
    walked.seconds = timer.nsecsElapsed() / 1e9;
    return walked;
}

Walked expansion(const QString &top, BenchWindow &reports)
{
    FileListModel list;
    QElapsedTimer timer, sinceTurn;
    timer.start();
    sinceTurn.start();
    qint64 longest = 0;
    // As the window adds them: a batch each time the walk breathes.
    QStringList found;
    const auto turn = [&] {
        list.AddListEntries(std::exchange(found, {}));
        longest = std::max(longest, sinceTurn.nsecsElapsed());
        QCoreApplication::processEvents();
        sinceTurn.restart();
    };
    Breather breather(turn);
    FolderWalk walk(reports, breather);
    AddFolderFiles(top, u"*.*"_s, [&](const QString &path) { found.append(path); }, walk, breather);
    turn();
    return {timer.nsecsElapsed() / 1e9, list.count(), longest / 1e6};
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(u"--quick"_s);
    QTemporaryDir dir;
    const QString top = dir.filePath(u"tree"_s);
    const qint64 made = makeTree(top, quick ? 10 : 100);
    std::printf("tree: %lld files in 1000 folders\n", static_cast<long long>(made));
    std::printf("%-4s %12s %12s %8s %16s\n", "run", "plain walk", "expansion", "ratio", "longest wait");
    BenchWindow reports;
    for (int run = 1; run <= 3; ++run) {
        const Walked plain = plainWalk(top);
        const Walked expanded = expansion(top, reports);
        if (plain.files != made || expanded.files != made)
            std::printf("files found: %lld by the plain walk, %lld by the expansion\n",
                        static_cast<long long>(plain.files), static_cast<long long>(expanded.files));
        std::printf("%-4d %10.3f s %10.3f s %7.2fx %13.1f ms\n", run, plain.seconds, expanded.seconds,
                    expanded.seconds / plain.seconds, expanded.longestWaitMs);
    }
    return reports.failures == 0 ? 0 : 1;
}
