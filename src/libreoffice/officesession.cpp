// SPDX-License-Identifier: GPL-3.0-or-later
#include "libreoffice/officesession.h"

#include "core/import/spreadsheetmodule.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XEventListener.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cppuhelper/implbase1.hxx>
#include <osl/file.hxx>
#include <rtl/bootstrap.hxx>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace css;

namespace quillora::lo {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::OfficeSession)
};

// Clears the alive flag when the bridge to LibreOffice is disposed: the pipe
// closed because LibreOffice ended or crashed.
class BridgeWatcher : public cppu::WeakImplHelper1<lang::XEventListener>
{
public:
    explicit BridgeWatcher(AliveFlag alive)
        : m_alive(std::move(alive))
    {
    }
    void SAL_CALL disposing(const lang::EventObject &) override { m_alive->store(false); }

private:
    AliveFlag m_alive;
};

OUString fileUrl(const QString &path)
{
    OUString url;
    osl::FileBase::getFileURLFromSystemPath(toOUString(path), url);
    return url;
}

// The local UNO context, with the type libraries and services of the
// LibreOffice we talk to. Made once per process.
uno::Reference<uno::XComponentContext> localContext(const QString &programFolder)
{
    static std::mutex mutex;
    static uno::Reference<uno::XComponentContext> context;
    std::lock_guard lock(mutex);
    if (!context.is()) {
        rtl::Bootstrap::set(OUString("URE_BOOTSTRAP"),
                            OUString("vnd.sun.star.pathname:") + toOUString(programFolder) + OUString("/fundamentalrc"));
        try {
            context = cppu::defaultBootstrap_InitialComponentContext(fileUrl(programFolder + u"/unorc"_s));
        } catch (const cppu::BootstrapException &e) {
            throw Failure(Message::tr("LibreOffice's UNO runtime could not be set up: %1").arg(toQString(e.getMessage())));
        } catch (const uno::Exception &e) {
            throw Failure(Message::tr("LibreOffice's UNO runtime could not be set up: %1").arg(toQString(e.Message)));
        }
    }
    return context;
}

bool processRuns(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Whether a LibreOffice of this user still runs: a first start makes its
// profile and starts itself again, and on a busy machine that outlasts the
// launcher by far.
bool officeOfThisUserRuns()
{
    const QStringList pids = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        QFile comm(u"/proc/%1/comm"_s.arg(pid));
        struct stat info{};
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "soffice.bin"
            && ::stat(QFile::encodeName(u"/proc/"_s + pid).constData(), &info) == 0 && info.st_uid == ::getuid())
            return true;
    }
    return false;
}

// Calls onExpiry, on a thread of its own, when the time runs out before the
// watchdog goes.
class Watchdog
{
public:
    Watchdog(std::chrono::milliseconds time, std::function<void()> onExpiry)
        : m_thread([this, time, onExpiry = std::move(onExpiry)](std::stop_token stop) {
            std::mutex mutex;
            std::unique_lock lock(mutex);
            m_wake.wait_for(lock, stop, time, [] { return false; });
            if (!stop.stop_requested())
                onExpiry();
        })
    {
    }

private:
    std::condition_variable_any m_wake;
    std::jthread m_thread;
};

[[noreturn]] void throwNoAnswer(std::chrono::milliseconds deadline)
{
    throw SpreadsheetLost(Message::tr("LibreOffice did not answer within %1 seconds.").arg(
        QString::number(std::chrono::duration<double>(deadline).count(), 'g', 3)));
}
} // namespace

Q_LOGGING_CATEGORY(lcSession, "quillora.libreoffice")

OfficeSession::OfficeSession(QString programFolder, std::chrono::milliseconds deadline, QString pipeName)
    : m_programFolder(std::move(programFolder))
    , m_deadline(deadline)
    , m_pipe(pipeName.isEmpty() ? defaultPipeName() : std::move(pipeName))
{
    // From here on LibreOffice may die while a block is on its way to it.
    ignoreBrokenPipes();
}

OfficeSession::~OfficeSession() = default;

QString OfficeSession::pipeSocketPath(const QString &pipeName)
{
    // Where LibreOffice's runtime puts the socket of a named pipe.
    const QString folder = ::access("/tmp", W_OK) == 0 ? u"/tmp"_s : u"/var/tmp"_s;
    return u"%1/OSL_PIPE_%2_%3"_s.arg(folder).arg(::getuid()).arg(pipeName);
}

OfficeSession::Pipe OfficeSession::inspectPipe(const QString &pipeName, QString *why)
{
    // The socket sits in a shared folder under a name anyone can work out:
    // only a socket of our own is LibreOffice's. The folder is sticky, so a
    // socket that is ours now cannot be swapped by another user before we
    // connect.
    struct stat info{};
    if (::lstat(QFile::encodeName(pipeSocketPath(pipeName)).constData(), &info) != 0) {
        if (errno == ENOENT)
            return Pipe::Missing;
        if (why)
            *why = qt_error_string(errno);
        return Pipe::Foreign;
    }
    if (!S_ISSOCK(info.st_mode)) {
        if (why)
            *why = Message::tr("it is not a socket");
        return Pipe::Foreign;
    }
    if (info.st_uid != ::getuid()) {
        if (why)
            *why = Message::tr("it belongs to another user");
        return Pipe::Foreign;
    }
    return Pipe::Ours;
}

void OfficeSession::choosePipe()
{
    QString why;
    if (inspectPipe(m_pipe, &why) != Pipe::Foreign)
        return;
    // Something that is not ours sits where the pipe belongs: it is never
    // connected to. A name nobody can guess takes the pipe's place, and
    // LibreOffice is asked to accept on that one.
    const QString planted = pipeSocketPath(m_pipe);
    std::array<quint32, 4> random{};
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    m_pipe = u"%1-%2"_s.arg(defaultPipeName(), QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(random.data()),
                                                                            sizeof(random))
                                                                     .toHex()));
    qCWarning(lcSession).noquote() << Message::tr("%1 is not LibreOffice's (%2): not connecting to it; a private pipe is used "
                                      "instead.").arg(planted, why);
}

QString OfficeSession::defaultPipeName()
{
    // One pipe per user; the profile's folder goes in too, so that two
    // LibreOffice profiles of one user never answer for each other.
    const QByteArray home = QDir::homePath().toUtf8();
    const QString profile = QString::fromLatin1(QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(8));
    return u"quillora-%1-%2"_s.arg(::getuid()).arg(profile);
}

void OfficeSession::ensureConnected()
{
    m_abandoned = false;
    // Nothing below waits past the deadline: when it passes, the bridge is
    // disposed and whatever waited on it returns.
    const Watchdog watchdog(m_deadline, [this] { abandon(); });
    if (connected() && connectionAnswers())
        return;
    disconnect();
    if (m_abandoned)
        throwNoAnswer(m_deadline);
    if (!m_local.is())
        m_local = localContext(m_programFolder);
    choosePipe();
    if (tryConnect())
        return;
    if (m_abandoned)
        throwNoAnswer(m_deadline);
    startOffice();
}

void OfficeSession::abandon()
{
    m_abandoned = true;
    css::uno::Reference<bridge::XBridge> bridge;
    {
        std::lock_guard lock(m_bridgeMutex);
        bridge = m_bridge;
    }
    // The bridge's listener clears the alive flag.
    disposeBridge(bridge);
}

void OfficeSession::disposeBridge(const css::uno::Reference<bridge::XBridge> &bridge)
{
    if (!bridge.is())
        return;
    try {
        uno::Reference<lang::XComponent>(bridge, uno::UNO_QUERY_THROW)->dispose();
    } catch (const uno::Exception &) {
    }
}

bool OfficeSession::connectionAnswers()
{
    try {
        return m_remote->getServiceManager().is();
    } catch (const uno::RuntimeException &) {
        return false;
    }
}

void OfficeSession::disconnect()
{
    m_desktop.clear();
    m_remote.clear();
    css::uno::Reference<bridge::XBridge> bridge;
    {
        std::lock_guard lock(m_bridgeMutex);
        bridge = std::exchange(m_bridge, {});
    }
    disposeBridge(bridge);
    m_alive->store(false);
}

bool OfficeSession::tryConnect()
{
    if (m_abandoned)
        return false;
    QString why;
    switch (inspectPipe(m_pipe, &why)) {
    case Pipe::Missing:
        return false; // LibreOffice does not accept on it (yet)
    case Pipe::Foreign:
        throw SpreadsheetLost(Message::tr("Quillora does not connect to %1: %2.").arg(pipeSocketPath(m_pipe), why));
    case Pipe::Ours:
        break;
    }
    uno::Reference<connection::XConnection> pipe;
    try {
        pipe = connection::Connector::create(m_local)->connect(OUString("pipe,name=") + toOUString(m_pipe));
    } catch (const connection::NoConnectException &) {
        return false;
    }
    try {
        auto alive = std::make_shared<std::atomic<bool>>(true);
        auto bridge = bridge::BridgeFactory::create(m_local)->createBridge(OUString(), OUString("urp"), pipe, nullptr);
        {
            std::lock_guard lock(m_bridgeMutex);
            m_bridge = bridge;
        }
        if (m_abandoned) {
            disconnect();
            return false;
        }
        uno::Reference<lang::XComponent>(bridge, uno::UNO_QUERY_THROW)
            ->addEventListener(uno::Reference<lang::XEventListener>(new BridgeWatcher(alive)));
        uno::Reference<uno::XComponentContext> remote(bridge->getInstance(OUString("StarOffice.ComponentContext")),
                                                      uno::UNO_QUERY_THROW);
        m_desktop = frame::Desktop::create(remote);
        m_remote = remote;
        m_alive = alive;
        return true;
    } catch (const uno::Exception &) {
        // LibreOffice is still starting up, went away again, or did not
        // answer in time: the bridge goes, and the caller decides.
        disconnect();
        return false;
    }
}

void OfficeSession::startOffice()
{
    // A LibreOffice that is already running takes the --accept over and the
    // process started here ends at once.
    QStringList arguments{u"--nologo"_s, u"--norestore"_s, u"--nodefault"_s,
                          u"--accept=pipe,name=%1;urp;StarOffice.ComponentContext"_s.arg(m_pipe)};
    // What LibreOffice prints is no business of ours (nor of a command
    // line's standard error).
    QProcess office;
    office.setProgram(m_programFolder + u"/soffice"_s);
    office.setArguments(arguments);
    office.setStandardOutputFile(QProcess::nullDevice());
    office.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!office.startDetached(&pid))
        throw SpreadsheetLost(Message::tr("LibreOffice could not be started from %1.").arg(m_programFolder));

    // Waited for by its pipe up to the deadline, while it runs: given up
    // only once no LibreOffice of this user has run for a while.
    const QDeadlineTimer deadline(m_deadline);
    std::optional<QDeadlineTimer> graceAfterExit;
    while (!tryConnect()) {
        if (deadline.hasExpired() || m_abandoned)
            throwNoAnswer(m_deadline);
        if (processRuns(pid) || officeOfThisUserRuns())
            graceAfterExit.reset();
        else if (!graceAfterExit)
            graceAfterExit.emplace(std::chrono::seconds(15));
        if (graceAfterExit && graceAfterExit->hasExpired())
            throw SpreadsheetLost(Message::tr("LibreOffice ended before it answered."));
        QThread::msleep(200);
    }
}

} // namespace quillora::lo
