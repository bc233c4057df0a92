// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

namespace quillora {

// TERM, HUP and INT close the window as its close button does: a run stops
// at its next chance and the program ends through its own code, so its lock
// and socket go with it. Should a second signal come before that, the files
// named are removed and the program ends at once. One lives at a time, made
// after the application.
class CloseOnSignal : public QObject
{
    Q_OBJECT

public:
    explicit CloseOnSignal(QObject *parent = nullptr);
    ~CloseOnSignal() override;

    // What a second signal removes before it ends the program.
    void setFilesToRemove(const QStringList &paths);

    // The signal that closed the window, or 0.
    static int signalNumber();

private:
    void closeEverything();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace quillora
