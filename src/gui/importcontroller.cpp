// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/importcontroller.h"

#include "core/import/accountwords.h"
#include "core/import/spreadsheet.h"
#include "core/list/filelistmodel.h"
#include "gui/dialogs.h"
#include "gui/columnkindchoices.h"
#include "gui/headerrenames.h"
#include "gui/importsummary.h"
#include "gui/optionspanel.h"
#include "gui/textprogressbar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// Stands in when no spreadsheet application could be loaded: every run
// reports that, once, at its start.
class NoSpreadsheet : public SpreadsheetProvider
{
public:
    void start() override
    {
        throw SpreadsheetLost(QCoreApplication::translate("quillora::ImportController", "No spreadsheet application is available."));
    }
    std::unique_ptr<SpreadsheetDocument> newDocument() override { return nullptr; }
    void abandon() override {}
    QString applicationName() const override { return u"LibreOffice"_s; }
};
} // namespace

ImportController::ImportController(const Parts &parts, SpreadsheetProvider *spreadsheets,
                                   std::function<double()> random)
    : QObject(parts.window)
    , m_parts(parts)
    , m_bar(parts.progressBar)
    , m_spreadsheets(spreadsheets)
    , m_random(std::move(random))
{
}

void ImportController::PushButton2_Click()
{
    if (m_busy) {
        stop();
        return;
    }
    m_busy = true;
    m_stopAsked = false;
    m_notes.clear();
    m_accounts.clear();
    setStartCaption(stopCaption());
    NoSpreadsheet none;
    m_bar.start();
    ImportRun run(*this, *this, m_spreadsheets ? *m_spreadsheets : none, m_random);
    // The document is what the user came for: it comes to the front, and
    // the report stands beside it.
    m_documentAt = {};
    run.setFinishDocument([this](SpreadsheetDocument &document) { m_documentAt = document.bringToFront(); });
    m_lastResult = run.run();
    m_busy = false;
    setStartCaption(startCaption());
}

void ImportController::stop()
{
    if (m_busy)
        m_stopAsked = true;
}

void ImportController::setStartCaption(const QString &caption)
{
    // The window may be going away with the run.
    if (m_parts.startButton && !m_cancelled)
        m_parts.startButton->setText(caption);
}

int ImportController::entryCount() const
{
    return m_parts.fileList.count();
}

QString ImportController::entry(int index) const
{
    if (index < 0 || index >= m_parts.fileList.count())
        throw Failure(tr("The list no longer holds entry %1.").arg(index + 1));
    return m_parts.fileList.entryAt(index);
}

SheetOptions ImportController::sheetOptions() const
{
    SheetOptions options = m_parts.options.sheetOptions();
    if (m_parts.renames)
        options.renames = m_parts.renames->renames();
    if (m_parts.columnKinds)
        options.columnChoices = m_parts.columnKinds->choices();
    return options;
}

ReadOptions ImportController::readOptions(const QString &path) const
{
    return readOptionsOf(m_parts.options, m_parts.fileList, path);
}

QString ImportController::howTo(Choice choice) const
{
    switch (choice) {
    case Choice::Encoding:
        return tr("select it in the list, choose its encoding under \"Encoding of this file\" in the preview and import it again");
    case Choice::ContinueSheets:
        return tr("check \"Continue on a new sheet when a sheet is full\"");
    }
    return {};
}

void ImportController::fileStarted(int index, int count, const QString &path)
{
    m_bar.fileStarted(index, count, path);
}

void ImportController::rowsWritten(qint64 written, qint64 total)
{
    m_bar.rowsWritten(written, total);
}

void ImportController::runEnded()
{
    if (m_defaultPointer)
        m_defaultPointer();
    else
        m_parts.window->unsetCursor();
    m_bar.reset();
    showSummary();
}

// One window for the run, beside the spreadsheet: a file's notes stand on
// its row, not also above.
void ImportController::showSummary()
{
    if (m_accounts.isEmpty() && m_notes.isEmpty())
        return;
    const QString choose = howTo(Choice::Encoding);
    for (const FileAccount &account : std::as_const(m_accounts)) {
        for (const AccountWords::Note &note : AccountWords::notesOf(account, choose))
            m_notes.removeOne(note.text);
    }
    if (!m_summary)
        m_summary = new ImportSummary(m_parts.window, m_parts.dialogs);
    m_summary->showRun(m_accounts, m_notes, choose, documentOnScreen());
    m_notes.clear();
}

// Where the document's window stands, in the window's own coordinates
// (the spreadsheet counts device pixels).
QRect ImportController::documentOnScreen() const
{
    if (!m_documentAt)
        return {};
    const qreal ratio = m_parts.window->devicePixelRatioF();
    const QRectF at(*m_documentAt);
    return QRectF(at.topLeft() / ratio, at.size() / ratio).toRect();
}

void ImportController::yield()
{
    QCoreApplication::processEvents();
}

void ImportController::notice(const QString &text)
{
    m_parts.dialogs.notice(text);
}

} // namespace quillora
