#pragma once

#include "libreoffice/unoerror.h"

#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <QString>

#include <chrono>

namespace quillora::lo {

// The one owner of the connection to LibreOffice: it starts soffice when no
// connection lives, connects over a named pipe of the user's own with a
// deadline, and notices when LibreOffice goes away. It never closes
// LibreOffice; the user's open Calc is reused.
class OfficeSession
{
public:
    explicit OfficeSession(QString programFolder, std::chrono::seconds deadline = std::chrono::seconds(90));
    ~OfficeSession();

    // Reaches LibreOffice, starting it first when needed. Throws
    // SpreadsheetLost when it does not answer in time.
    void ensureConnected();

    bool connected() const { return m_desktop.is() && m_alive->load(); }
    css::uno::Reference<css::frame::XDesktop2> desktop() const { return m_desktop; }
    css::uno::Reference<css::uno::XComponentContext> context() const { return m_remote; }
    const AliveFlag &alive() const { return m_alive; }
    const QString &pipeName() const { return m_pipe; }

    // The pipe LibreOffice accepts Quillora on: one per user and profile.
    static QString defaultPipeName();

private:
    bool connectionAnswers();
    bool tryConnect();
    void startOffice();
    void disconnect();

    QString m_programFolder;
    std::chrono::seconds m_deadline;
    QString m_pipe;
    css::uno::Reference<css::uno::XComponentContext> m_local;
    css::uno::Reference<css::bridge::XBridge> m_bridge;
    css::uno::Reference<css::uno::XComponentContext> m_remote;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    AliveFlag m_alive = std::make_shared<std::atomic<bool>>(false);
};

} // namespace quillora::lo
