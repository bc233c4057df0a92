// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/failure.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

Failure::Failure(QString description)
    : m_description(std::move(description))
    , m_utf8(m_description.toUtf8())
{
}

QString describeFailure(const std::exception_ptr &failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Failure &f) {
        return f.description();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QCoreApplication::translate("quillora::Failure", "Unknown error");
    }
}

} // namespace quillora
