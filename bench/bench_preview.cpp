// SPDX-License-Identifier: GPL-3.0-or-later
// The preview following the selection down a list of 10,000 files, as a
// held arrow key moves it (an entry every 15 ms), each file a small CSV:
// prints the longest time the window's event loop waited, and how many
// previews were shown. Then, as with a screen reader on: a wide file's
// preview (100 rows by 130 columns, then 3 by 16,384) with every cell's
// accessible object made, as a reader walking the tree makes them, and the
// time another preview and closing the panel take. Run with
// QT_QPA_PLATFORM=offscreen, or under X through tests/with-accessibility.sh
// for a reader's bridge.
#include "gui/previewpanel.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

namespace {
QString writeWide(const QString &path, int rows, int columns)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (int r = 0; r < rows; ++r) {
        QByteArray line;
        for (int c = 0; c < columns; ++c)
            line += (c ? "," : "") + QByteArray::number((r + c) % 10);
        file.write(line + '\n');
    }
    return path;
}

// Shows path and waits for it; the milliseconds that took.
qint64 previewOf(PreviewPanel &panel, const QString &path)
{
    QEventLoop loop;
    const auto connection = QObject::connect(&panel, &PreviewPanel::shown, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    panel.showFile(path);
    loop.exec();
    QObject::disconnect(connection);
    return clock.elapsed();
}

// Every cell's accessible object, made as a screen reader walking the
// tree makes them; how many.
int walkTheTree(QWidget *table)
{
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table);
    int made = 0;
    for (int i = 0; i < view->childCount(); ++i)
        made += view->child(i) != nullptr;
    return made;
}

void withAssistiveTechnology(const QString &folder, int rows, int columns)
{
    const QString wide = writeWide(folder + u"/wide-%1.csv"_s.arg(columns), rows, columns);
    const QString small = writeWide(folder + u"/small.csv"_s, 3, 3);
    auto panel = std::make_unique<PreviewPanel>(nullptr, [](const QString &) {
        ReadOptions options;
        options.cut = Cutting::at(u","_s);
        return options;
    });
    panel->resize(800, 700);
    panel->show();
    previewOf(*panel, wide);
    const int cells = walkTheTree(panel->table());
    const qint64 another = previewOf(*panel, small);
    previewOf(*panel, wide);
    walkTheTree(panel->table());
    QElapsedTimer clock;
    clock.start();
    panel.reset();
    std::printf("%d x %d, %d accessible cells (a reader's bridge %s): another preview %lld ms, closing %lld ms\n", rows,
                columns, cells, QAccessible::isActive() ? "on" : "off", static_cast<long long>(another),
                static_cast<long long>(clock.elapsed()));
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int files = app.arguments().contains(u"--quick"_s) ? 1000 : 10000;
    QTemporaryDir dir;
    // First: the list's part ends the event loop for good.
    withAssistiveTechnology(dir.path(), 100, 130);
    withAssistiveTechnology(dir.path(), 3, 16384);
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
        options.cut = Cutting::at(u","_s);
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
