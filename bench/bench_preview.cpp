// SPDX-License-Identifier: GPL-3.0-or-later
// The preview following the selection down a list of 10,000 files, as a
// held arrow key moves it (an entry every 15 ms), each file a small CSV:
// prints the longest time the window's event loop waited, and how many
// previews were shown. Run with QT_QPA_PLATFORM=offscreen.
#include "gui/previewpanel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int files = app.arguments().contains(u"--quick"_s) ? 1000 : 10000;
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < files; ++i) {
        const QString path = dir.filePath(u"f%1.csv"_s.arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        for (int line = 0; line < 200; ++line)
            file.write("name;city;qty;2024-01-01;some text to read\n");
        paths.append(path);
    }
    PreviewPanel panel(nullptr, [](const QString &) {
        ReadOptions options;
        options.split = u","_s;
        options.header = true;
        return options;
    });
    panel.resize(400, 700);
    panel.show();
    int shown = 0;
    QObject::connect(&panel, &PreviewPanel::shown, [&] { ++shown; });

    // The event loop's breath: a timer that should fire every millisecond.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer breath;
    QObject::connect(&breath, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    breath.start(1);
    const int shownAtTheEnd = [&] {
        int next = 0;
        QTimer step;
        QObject::connect(&step, &QTimer::timeout, [&] {
            if (next < files)
                panel.showFile(paths[next++]);
            else
                app.quit();
        });
        step.start(15);
        app.exec();
        return shown;
    }();
    // The last file's preview comes once the selection rests.
    QElapsedTimer settle;
    settle.start();
    while (shown == shownAtTheEnd && settle.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::printf("%d files, one every 15 ms: longest wait for events %lld ms; %d previews shown; the last %lld ms "
                "after the selection rested\n",
                files, static_cast<long long>(longest), shown, static_cast<long long>(settle.elapsed()));
    return 0;
}
