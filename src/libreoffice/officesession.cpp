#include "libreoffice/officesession.h"

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

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <mutex>

#include <cerrno>
#include <csignal>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace css;

namespace quillora::lo {

namespace {
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
            throw Failure(u"LibreOffice's UNO runtime could not be set up: %1"_s.arg(toQString(e.getMessage())));
        } catch (const uno::Exception &e) {
            throw Failure(u"LibreOffice's UNO runtime could not be set up: %1"_s.arg(toQString(e.Message)));
        }
    }
    return context;
}

bool processRuns(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}
} // namespace

OfficeSession::OfficeSession(QString programFolder, std::chrono::seconds deadline)
    : m_programFolder(std::move(programFolder))
    , m_deadline(deadline)
    , m_pipe(defaultPipeName())
{
}

OfficeSession::~OfficeSession() = default;

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
    if (connected() && connectionAnswers())
        return;
    disconnect();
    if (!m_local.is())
        m_local = localContext(m_programFolder);
    if (tryConnect())
        return;
    startOffice();
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
    if (m_bridge.is()) {
        try {
            uno::Reference<lang::XComponent>(m_bridge, uno::UNO_QUERY_THROW)->dispose();
        } catch (const uno::Exception &) {
        }
        m_bridge.clear();
    }
    m_alive->store(false);
}

bool OfficeSession::tryConnect()
{
    uno::Reference<connection::XConnection> pipe;
    try {
        pipe = connection::Connector::create(m_local)->connect(OUString("pipe,name=") + toOUString(m_pipe));
    } catch (const connection::NoConnectException &) {
        return false;
    }
    try {
        auto alive = std::make_shared<std::atomic<bool>>(true);
        auto bridge = bridge::BridgeFactory::create(m_local)->createBridge(OUString(), OUString("urp"), pipe, nullptr);
        uno::Reference<lang::XComponent>(bridge, uno::UNO_QUERY_THROW)
            ->addEventListener(uno::Reference<lang::XEventListener>(new BridgeWatcher(alive)));
        uno::Reference<uno::XComponentContext> remote(bridge->getInstance(OUString("StarOffice.ComponentContext")),
                                                      uno::UNO_QUERY_THROW);
        m_desktop = frame::Desktop::create(remote);
        m_remote = remote;
        m_bridge = bridge;
        m_alive = alive;
        return true;
    } catch (const uno::Exception &) {
        // LibreOffice is still starting up, or went away again: try later.
        return false;
    }
}

void OfficeSession::startOffice()
{
    // A LibreOffice that is already running takes the --accept over and the
    // process started here ends at once.
    const QStringList arguments{u"--nologo"_s, u"--norestore"_s, u"--nodefault"_s,
                                u"--accept=pipe,name=%1;urp;StarOffice.ComponentContext"_s.arg(m_pipe)};
    qint64 pid = 0;
    if (!QProcess::startDetached(m_programFolder + u"/soffice"_s, arguments, QString(), &pid))
        throw SpreadsheetLost(u"LibreOffice could not be started from %1."_s.arg(m_programFolder));

    const QDeadlineTimer deadline(m_deadline);
    std::optional<QDeadlineTimer> graceAfterExit;
    while (!tryConnect()) {
        if (deadline.hasExpired())
            throw SpreadsheetLost(u"LibreOffice did not answer within %1 seconds."_s.arg(m_deadline.count()));
        if (!graceAfterExit && !processRuns(pid))
            graceAfterExit.emplace(std::chrono::seconds(15));
        if (graceAfterExit && graceAfterExit->hasExpired())
            throw SpreadsheetLost(u"LibreOffice ended before it answered."_s);
        QThread::msleep(200);
    }
}

} // namespace quillora::lo
