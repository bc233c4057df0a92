// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errorreport.h"

#include "core/failure.h"
#include "core/product.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QString applicationErrorText(QStringView location, int step, const QString &description)
{
    return description + u"\r\n"_s + location + u"at line "_s + QString::number(step) + u"\r\r"_s
        + u"Please email screenshot of this message to "_s + Product::SupportAddress;
}

bool GuardedOperation::step(int number, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (...) {
        report(number, std::current_exception());
        return false;
    }
}

bool GuardedOperation::test(int number, const std::function<bool()> &condition)
{
    try {
        return condition();
    } catch (...) {
        report(number, std::current_exception());
        return true;
    }
}

void GuardedOperation::report(int number, const std::exception_ptr &failure)
{
    m_reporter.ShowApplicationError(m_location, number, describeFailure(failure));
}

} // namespace quillora
