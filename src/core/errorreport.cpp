// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errorreport.h"

#include "core/failure.h"
#include "core/product.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QString applicationErrorText(QStringView location, int step, const QString &description)
{
    // The location names the code, as the support desk reads it: not translated.
    return description + u"\r\n"_s + location
        + QCoreApplication::translate("quillora::ErrorReport", "at line %1").arg(step) + u"\r\r"_s
        + QCoreApplication::translate("quillora::ErrorReport", "Please email screenshot of this message to %1")
              .arg(Product::SupportAddress);
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
