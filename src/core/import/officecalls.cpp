// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/officecalls.h"

#include "core/import/importinterfaces.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

OfficeCalls::OfficeCalls(SpreadsheetProvider &spreadsheets, ImportObserver &observer, GuardedOperation &guard)
    : m_spreadsheets(spreadsheets)
    , m_observer(observer)
    , m_guard(guard)
{
}

bool OfficeCalls::closing() const
{
    return m_observer.closing();
}

bool OfficeCalls::step(int number, const std::function<void()> &action)
{
    return step(number, action, m_deadlines.call);
}

bool OfficeCalls::step(int number, const std::function<void()> &action, std::chrono::milliseconds deadline)
{
    if (!usable())
        return false;
    return result(number, m_calls.start(action), deadline);
}

bool OfficeCalls::result(int number, std::future<void> result, std::chrono::milliseconds deadline)
{
    // A block still in flight when the application was lost fails the same
    // way; that was reported already.
    const bool lostBefore = m_lost;
    const Wait waited = wait(result, deadline);
    try {
        result.get();
        return waited == Wait::Answered;
    } catch (const SpreadsheetLost &) {
        // Reported once; every later step would only fail the same way.
        m_lost = true;
        if (waited == Wait::Answered && !closing() && !lostBefore)
            m_guard.report(number, std::current_exception());
    } catch (...) {
        if (waited == Wait::Answered && !closing() && !lostBefore)
            reportOnce(number, std::current_exception());
    }
    if (waited == Wait::TimedOut && !lostBefore) {
        m_lost = true;
        const auto seconds = std::chrono::duration_cast<std::chrono::duration<double>>(deadline).count();
        m_guard.report(number, std::make_exception_ptr(SpreadsheetLost(
                                   QCoreApplication::translate("quillora::OfficeCalls",
                                                               "%1 did not answer within %2 seconds; the import ends here.")
                                       .arg(m_spreadsheets.applicationName(), QLocale().toString(seconds, 'g', 3)))));
    }
    return false;
}

// The blocks of a sheet that cannot be kept (a full disk) fail alike, one
// after the other: said once.
void OfficeCalls::reportOnce(int number, const std::exception_ptr &failure)
{
    const QString description = describeFailure(failure);
    if (number == m_lastReport.first && description == m_lastReport.second)
        return;
    m_lastReport = {number, description};
    m_guard.report(number, failure);
}

OfficeCalls::Wait OfficeCalls::wait(std::future<void> &result, std::chrono::milliseconds deadline)
{
    constexpr std::chrono::milliseconds Slice{10};
    // Closing, a call in flight (a block, the document's release) may
    // still end within moments: the document then is left as the user
    // expects it (undo on). One that does not is abandoned.
    constexpr std::chrono::milliseconds ClosingGrace{1000};
    const QDeadlineTimer timer(deadline);
    std::optional<QDeadlineTimer> grace;
    Wait outcome = Wait::Answered;
    while (result.wait_for(Slice) != std::future_status::ready) {
        if (outcome == Wait::Answered) {
            if (closing() && !grace)
                grace.emplace(ClosingGrace);
            if (grace && grace->hasExpired())
                outcome = Wait::Closing;
            else if (!grace && timer.hasExpired())
                outcome = Wait::TimedOut;
            if (outcome != Wait::Answered)
                m_spreadsheets.abandon();
        }
        m_observer.yield();
    }
    return grace && outcome == Wait::Answered ? Wait::Closing : outcome;
}

} // namespace quillora
