// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libreoffice/unoerror.h"

#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>

namespace quillora::lo {

// The one owner of the connection to LibreOffice: it starts soffice when no
// connection lives, connects over a named pipe of the user's own with a
// deadline, and notices when LibreOffice goes away. It never closes
// LibreOffice; the user's open Calc is reused.
class OfficeSession
{
public:
    // The pipe is the user's default one unless a name is given.
    explicit OfficeSession(QString programFolder, std::chrono::milliseconds deadline = std::chrono::seconds(90),
                           QString pipeName = {});
    ~OfficeSession();

    // Reaches LibreOffice, starting it first when needed. Every wait in it,
    // the first call included, ends by the deadline: then it throws
    // SpreadsheetLost.
    void ensureConnected();
    // Gives up on LibreOffice, from any thread: the connection is disposed,
    // so a call waiting for an answer returns with SpreadsheetLost.
    void abandon();

    bool connected() const { return m_desktop.is() && m_alive->load(); }
    css::uno::Reference<css::frame::XDesktop2> desktop() const { return m_desktop; }
    css::uno::Reference<css::uno::XComponentContext> context() const { return m_remote; }
    const AliveFlag &alive() const { return m_alive; }
    const QString &pipeName() const { return m_pipe; }

    // The pipe LibreOffice accepts Quillora on: one per user and profile.
    static QString defaultPipeName();
    // The socket file behind a pipe name, where LibreOffice makes it.
    static QString pipeSocketPath(const QString &pipeName);

private:
    enum class Pipe { Missing, Ours, Foreign };
    static Pipe inspectPipe(const QString &pipeName, QString *why = nullptr);
    void choosePipe();
    bool connectionAnswers();
    bool tryConnect();
    void startOffice();
    void disconnect();
    void disposeBridge(const css::uno::Reference<css::bridge::XBridge> &bridge);

    QString m_programFolder;
    std::chrono::milliseconds m_deadline;
    QString m_pipe;
    css::uno::Reference<css::uno::XComponentContext> m_local;
    // The bridge being set up or in use; abandon() may dispose it from
    // another thread.
    std::mutex m_bridgeMutex;
    css::uno::Reference<css::bridge::XBridge> m_bridge;
    std::atomic<bool> m_abandoned = false;
    css::uno::Reference<css::uno::XComponentContext> m_remote;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    AliveFlag m_alive = std::make_shared<std::atomic<bool>>(false);
};

} // namespace quillora::lo
