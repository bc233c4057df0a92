// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <exception>
#include <functional>

namespace quillora {

// Location texts of the guarded operations, as the report names them.
namespace Location {
inline constexpr QStringView FormLoad = u"in Tessaline2021/08/31.Form1.Form_Load ";
inline constexpr QStringView AddTextFiles = u"in Tessaline2021/08/31.Form1.PushButton1_Click ";
inline constexpr QStringView StartImporting = u"in Tessaline2021/08/31.Form1.PushButton2_Click ";
inline constexpr QStringView MoveUp = u"in Tessaline2021/08/31.Form1.PushButton3_Click ";
inline constexpr QStringView AddFolder = u"in Tessaline2021/08/31.Form1.PushButton4_Click ";
inline constexpr QStringView MoveDown = u"in Tessaline2021/08/31.Form1.PushButton5_Click ";
inline constexpr QStringView ClearList = u"in Tessaline2021/08/31.Form1.PushButton6_Click ";
inline constexpr QStringView LoadSamples = u"in Tessaline2021/08/31.Form1.PushButton7_Click ";
// Drops have no report of their own elsewhere; theirs names the handler.
inline constexpr QStringView DropFiles = u"in Tessaline2021/08/31.Form1.ListView1_OLEDragDrop ";
inline constexpr QStringView FolderWalk = u"in Corvane2021/08/31.AddFolder.GetSubDirectories2016 ";
} // namespace Location

inline constexpr const char *ApplicationErrorTitle = QT_TRANSLATE_NOOP("quillora::ErrorReport", "Application Error");

// The report's text: description, CR LF, location, "at line " and the step,
// two lone CRs, then the request to mail a screenshot to support.
QString applicationErrorText(QStringView location, int step, const QString &description);

// Shows the "Application Error" report and returns once it is closed.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void ShowApplicationError(QStringView location, int step, const QString &description) = 0;
};

// Runs the numbered steps of one guarded operation: a failing step is reported
// with its number and the operation goes on with the next step.
class GuardedOperation
{
public:
    GuardedOperation(QStringView location, ErrorReporter &reporter)
        : m_location(location)
        , m_reporter(reporter)
    {
    }

    // Runs one step; false when it failed (and was reported).
    bool step(int number, const std::function<void()> &action);

    // The test of a conditional step. A test that fails is reported and counts
    // as passed, so the step it guards runs.
    bool test(int number, const std::function<bool()> &condition);

    void report(int number, const std::exception_ptr &failure);
    QStringView location() const { return m_location; }

private:
    QStringView m_location;
    ErrorReporter &m_reporter;
};

} // namespace quillora
