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
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QRegularExpression>

#include <csignal>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
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
    void onlyAPrivateFolderIsUsed();
    void anotherUsersListenerGetsNothing();
    void signalEndsTheWindowWithoutLeftovers_data();
    void signalEndsTheWindowWithoutLeftovers();
    void windowClassIsTheDesktopEntrys();

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

namespace {
// Sets an environment variable for as long as the object lives.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : m_name(name)
        , m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment() { qputenv(m_name, m_old); }

private:
    const char *m_name;
    QByteArray m_old;
};
} // namespace

void tst_SingleWindow::onlyAPrivateFolderIsUsed()
{
    // A runtime folder others can enter is passed over for a private one
    // among the temporary files; where that one is not private either,
    // there is no hand-over at all and the window opens on its own.
    const QString open = m_f->dir.filePath(u"open"_s);
    QVERIFY(QDir().mkpath(open));
    QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                    | QFile::ExeOther);
    const ScopedEnvironment runtime("XDG_RUNTIME_DIR", QFile::encodeName(open));
    const QString own = QDir::tempPath() + u"/quillora-"_s + QString::number(::geteuid());
    QVERIFY(SingleWindow::socketPath().startsWith(own + u'/'));
    QVERIFY(QFile::setPermissions(own, QFileDevice::Permissions(0x7777)));
    QCOMPARE(SingleWindow::socketPath(), QString());
    SingleWindow single;
    QVERIFY(single.claim());
    QVERIFY(!SingleWindow::handOver({u"/tmp/salaries.csv"_s}));
    QDir(own).removeRecursively();
}

void tst_SingleWindow::anotherUsersListenerGetsNothing()
{
    // Someone else's socket where the window's should be: the paths are
    // not handed to it.
    if (::geteuid() != 0)
        QSKIP("Needs root to listen as another user.");
    const QByteArray path = QFile::encodeName(SingleWindow::socketPath());
    int ready[2];
    QVERIFY(::pipe(ready) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        // Listening as nobody: the peer's credentials are taken then.
        if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::setgid(65534) != 0
            || ::setuid(65534) != 0 || ::listen(fd, 1) != 0)
            ::_exit(2);
        const char go = 'g';
        (void)!::write(ready[1], &go, 1);
        const int peer = ::accept(fd, nullptr, nullptr);
        char byte = 0;
        const ssize_t got = ::read(peer, &byte, 1);
        ::_exit(got > 0 ? 1 : 0);
    }
    char go = 0;
    QCOMPARE(::read(ready[0], &go, 1), ssize_t(1));
    QVERIFY(!SingleWindow::handOver({u"/tmp/salaries 2025.csv"_s}));
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0); // it read nothing
    ::close(ready[0]);
    ::close(ready[1]);
    ::unlink(path.constData());
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

void tst_SingleWindow::signalEndsTheWindowWithoutLeftovers_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("TERM") << SIGTERM;
    QTest::newRow("HUP") << SIGHUP;
    QTest::newRow("INT") << SIGINT;
}

void tst_SingleWindow::signalEndsTheWindowWithoutLeftovers()
{
    QFETCH(int, signal);
    const QString path = SingleWindow::socketPath();
    QProcess program;
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--window"_s});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path) && QFileInfo::exists(path + u".lock"_s), 10000);
    QTest::qWait(300); // the window up, or nearly
    ::kill(pid_t(program.processId()), signal);
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 10000);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 128 + signal);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!QFileInfo::exists(path + u".lock"_s));
}

// Docks group a window with the desktop entry whose StartupWMClass is the
// window's class.
void tst_SingleWindow::windowClassIsTheDesktopEntrys()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(u"xwininfo"_s).isEmpty())
        QSKIP("needs an X display and xwininfo: run the tests under xvfb-run");
    QFile entry(QStringLiteral(QUILLORA_DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString wmClass = QRegularExpression(u"^StartupWMClass=(.*)$"_s, QRegularExpression::MultilineOption)
                                .match(QString::fromUtf8(entry.readAll()))
                                .captured(1);
    QCOMPARE(wmClass, u"Quillora"_s);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--window"_s});
    // xwininfo names each window's class: 0x... "Quillora": ("quillora" "Quillora")
    const QString shown = u"\"Quillora\": (\"quillora\" \"%1\")"_s.arg(wmClass);
    const auto windows = [] {
        QProcess xwininfo;
        xwininfo.start(u"xwininfo"_s, {u"-root"_s, u"-tree"_s});
        xwininfo.waitForFinished();
        return QString::fromUtf8(xwininfo.readAllStandardOutput());
    };
    // A busy machine may take a while to show it: waited for, not timed.
    QTRY_VERIFY_WITH_TIMEOUT(windows().contains(shown), 60000);
    program.terminate();
    QVERIFY(program.waitForFinished());
}

QTEST_MAIN(tst_SingleWindow)
#include "tst_singlewindow.moc"
