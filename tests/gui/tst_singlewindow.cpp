// SPDX-License-Identifier: GPL-3.0-or-later
// One window per user and display: "Open with" (quillora --window PATH...)
// lists its paths in the window that is open, and a crashed window's lock
// and socket do not stand in the way.
#include "core/list/filelistmodel.h"
#include "gui/singlewindow.h"
#include "testfiles.h"
#include "windowfixture.h"

#include <QLocalServer>
#include <QProcess>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

class tst_SingleWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartHandsItsPathsOver();
    void crashedWindowDoesNotBlock();

private:
    QStringList listed(MainWindow &window) const
    {
        QStringList paths;
        for (int row = 0; row < window.fileList().rowCount(); ++row)
            paths.append(window.fileList().index(row).data().toString());
        return paths;
    }

    std::optional<WindowFixture> m_f;
};

void tst_SingleWindow::init()
{
    m_f.emplace();
}

void tst_SingleWindow::cleanup()
{
    QFile::remove(SingleWindow::socketPath() + u".lock"_s);
}

void tst_SingleWindow::secondStartHandsItsPathsOver()
{
    auto window = m_f->makeWindow();
    QVERIFY(window->Form_Load());
    SingleWindow single;
    QVERIFY(single.claim());
    connect(&single, &SingleWindow::pathsArrived, window.get(), [&](const QStringList &paths) {
        window->bringToFront();
        window->addPaths(paths);
    });
    // The program itself, started as a file manager's "Open with" starts it,
    // from a folder of its own: relative paths are taken from there.
    const QString single1 = writeFile(m_f->dir.filePath(u"files/one.txt"_s), "1");
    writeFile(m_f->dir.filePath(u"files/folder/b.txt"_s), "b");
    writeFile(m_f->dir.filePath(u"files/folder/a.txt"_s), "a");
    QProcess program;
    program.setWorkingDirectory(m_f->dir.filePath(u"files"_s));
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--window"_s, u"one.txt"_s, u"folder"_s});
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 10000);
    QCOMPARE(program.exitCode(), 0);
    // Listed as a drop lists them: the file as given, the folder's files.
    QTRY_COMPARE(listed(*window), (QStringList{single1, m_f->dir.filePath(u"files/folder/a.txt"_s),
                                              m_f->dir.filePath(u"files/folder/b.txt"_s)}));
    QVERIFY(m_f->office.documents.isEmpty()); // nothing imported
    // A second claim on the same display is refused while this one lives.
    SingleWindow other;
    QVERIFY(!other.claim());
}

void tst_SingleWindow::crashedWindowDoesNotBlock()
{
    // What a window killed on the spot leaves: its lock, naming a process
    // that is gone, and its socket, which nobody listens on.
    const QString path = SingleWindow::socketPath();
    QProcess gone;
    gone.start(u"true"_s, {});
    QVERIFY(gone.waitForFinished());
    QFile lock(path + u".lock"_s);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone.processId() ? gone.processId() : 999999) + "\nquillora\n"
               + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(path));
    // Nobody takes paths there; a new window takes the place.
    QVERIFY(!SingleWindow::handOver({u"x"_s}));
    SingleWindow single;
    QVERIFY(single.claim());
    QStringList arrived;
    connect(&single, &SingleWindow::pathsArrived, this, [&](const QStringList &paths) { arrived = paths; });
    QProcess program;
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--window"_s, u"/tmp/y"_s});
    QTRY_COMPARE(arrived, QStringList{u"/tmp/y"_s});
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 10000);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_MAIN(tst_SingleWindow)
#include "tst_singlewindow.moc"
