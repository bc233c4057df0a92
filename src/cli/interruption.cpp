// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interruption.h"

#include "core/endingsignals.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace quillora::Interruption {

void install()
{
    EndingSignals::install({.tellOnSecond = true});
}

int signalNumber()
{
    return EndingSignals::received();
}

bool requested()
{
    return EndingSignals::requested();
}

void request(int signal)
{
    EndingSignals::request(signal);
}

void reset()
{
    EndingSignals::reset();
}

void setFileToRemove(const QByteArray &path)
{
    EndingSignals::setFilesToRemove(path.isEmpty() ? QByteArrayList() : QByteArrayList{path});
}

int exitStatus()
{
    return 128 + EndingSignals::received();
}

QString report()
{
    EndingSignals::lineTold();
    return QCoreApplication::translate("quillora::Interruption", "interrupted by %1.").arg(QString::fromLatin1(EndingSignals::nameOf(EndingSignals::received())));
}

} // namespace quillora::Interruption
