// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace quillora {

// A failure of one step, carrying the text the error report shows. Core code
// throws it; the guarded step at the edge turns it into the report.
class Failure : public std::exception
{
public:
    explicit Failure(QString description);

    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_description;
    QByteArray m_utf8;
};

// The text of whatever was thrown, for the report.
QString describeFailure(const std::exception_ptr &failure);

} // namespace quillora
