// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/callthread.h"
#include "core/import/spreadsheet.h"

#include <QString>

#include <chrono>
#include <functional>
#include <future>
#include <utility>

namespace quillora {

class ImportObserver;

// How long a run waits for the spreadsheet application before it gives up
// on it: for it to start (which includes starting LibreOffice), and for any
// other call.
struct OfficeDeadlines
{
    std::chrono::milliseconds start{std::chrono::seconds(150)};
    std::chrono::milliseconds call{std::chrono::seconds(60)};
    // For finishing the document (storing a large one takes a while).
    std::chrono::milliseconds finish{std::chrono::minutes(10)};
};

// The run's calls into the spreadsheet application: made off the window's
// thread, each a guarded step, waited for while the window breathes. Once
// the application is lost (it went away, or did not answer in time), later
// steps are skipped unreported; so are they once the front end is closing.
class OfficeCalls
{
public:
    OfficeCalls(SpreadsheetProvider &spreadsheets, ImportObserver &observer, GuardedOperation &guard);

    void setDeadlines(const OfficeDeadlines &deadlines) { m_deadlines = deadlines; }
    const OfficeDeadlines &deadlines() const { return m_deadlines; }
    SpreadsheetProvider &spreadsheets() { return m_spreadsheets; }

    // The front end is closing (the window closes, a signal came).
    bool closing() const;
    bool lost() const { return m_lost; }
    // Neither: more may be done in the application.
    bool usable() const { return !m_lost && !closing(); }

    // Queues an action on the call thread without waiting.
    std::future<void> start(std::function<void()> action) { return m_calls.start(std::move(action)); }
    // Runs an action as the guarded step number; false when it failed, was
    // skipped, or was given up.
    bool step(int number, const std::function<void()> &action);
    bool step(int number, const std::function<void()> &action, std::chrono::milliseconds deadline);
    // Waits for a call started before, and reports its failure as the step.
    bool result(int number, std::future<void> result, std::chrono::milliseconds deadline);

    enum class Wait { Answered, TimedOut, Closing };
    // Waits while the window breathes. A call that does not answer in time,
    // or that is still running when the front end closes, is given up: the
    // connection ends, which makes the call return, so nothing waits for ever.
    Wait wait(std::future<void> &result, std::chrono::milliseconds deadline);

private:
    void reportOnce(int number, const std::exception_ptr &failure);

    SpreadsheetProvider &m_spreadsheets;
    ImportObserver &m_observer;
    GuardedOperation &m_guard;
    CallThread m_calls;
    OfficeDeadlines m_deadlines;
    bool m_lost = false;
    std::pair<int, QString> m_lastReport;
};

} // namespace quillora
