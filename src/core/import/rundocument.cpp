// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/rundocument.h"

#include "core/import/runreport.h"
#include "core/import/sheetnames.h"
#include "core/text/textreader.h"

namespace quillora {

RunDocument::RunDocument(OfficeCalls &office, std::function<double()> random)
    : m_office(office)
    , m_random(std::move(random))
{
}

RunDocument::~RunDocument()
{
    release();
}

void RunDocument::release()
{
    // On the thread that used them.
    if (!m_sheet && !m_document)
        return;
    std::future<void> released = m_office.start([this] {
        m_sheet.reset();
        m_document.reset();
    });
    m_office.wait(released, m_office.deadlines().call);
    try {
        released.get();
    } catch (...) {
    }
}

RunDocument::Opening RunDocument::beginOpening(std::function<void(SheetLimits)> limitsKnown)
{
    // Both run on the call thread, one after the other; the document is
    // made only when the application started.
    m_applicationStarted = false;
    Opening opening;
    opening.started = m_office.start([this] {
        m_office.spreadsheets().start();
        m_applicationStarted = true;
    });
    opening.opened = m_office.start([this, limitsKnown = std::move(limitsKnown)] {
        if (!m_applicationStarted)
            return;
        m_document = m_office.spreadsheets().newDocument();
        limitsKnown(m_document->limits());
        m_originalSheets.clear();
        for (int i = 0, count = m_document->sheetCount(); i < count; ++i)
            m_originalSheets.append(m_document->sheetName(i));
    });
    return opening;
}

bool RunDocument::finishOpening(int startStep, Opening &opening)
{
    const bool started = m_office.result(startStep, std::move(opening.started), m_office.deadlines().start);
    if (!started) {
        // Nothing more to report: the document was not even tried.
        m_office.wait(opening.opened, m_office.deadlines().call);
        return false;
    }
    return m_office.result(startStep + 4, std::move(opening.opened), m_office.deadlines().call);
}

bool RunDocument::takeFirstSheet(int step, QString &name)
{
    name = m_originalSheets.value(0);
    m_sheetPosition = 0;
    return m_office.step(step, [this] { m_sheet = m_document->sheetAt(0); });
}

bool RunDocument::addFileSheet(const QString &path, int index, bool asListed, std::span<const DefaultSheet> defaults,
                               QString &sheetName)
{
    if (!m_office.step(256, [&] {
            sheetName = fileSheetName(path, index + 1, asListed,
                                      [this](const QString &name) { return m_document->hasSheet(name); }, m_random);
        }))
        return false;
    // In front of the others, or after the sheets of the files before it.
    m_sheetPosition = asListed ? m_nextSheetPosition : 0;
    if (!m_office.step(260, [&] {
            try {
                makeRoomForAFileSheet(defaults);
                m_document->insertSheet(sheetName, m_sheetPosition);
                m_nextSheetPosition = m_sheetPosition + 1;
            } catch (const SpreadsheetLost &) {
                throw;
            } catch (const Failure &failure) {
                // Say which file has no sheet, so that nobody looks for it.
                throw Failure(tr("The file \"%1\" was not imported: %2").arg(pathShown(path), failure.description()));
            }
        }))
        return false;
    return m_office.step(262, [this] { m_sheet = m_document->sheetAt(m_sheetPosition); });
}

// The sheets a new document comes with go at the end anyway: where the
// document holds all the sheets it can, one of them gives way to a file's.
void RunDocument::makeRoomForAFileSheet(std::span<const DefaultSheet> defaults)
{
    if (m_document->sheetCount() < MaxSheets)
        return;
    for (const DefaultSheet &sheet : defaults) {
        const QString name = sheet.name.toString();
        if (m_originalSheets.contains(name) && SheetExists(*m_document, name)) {
            m_document->removeSheet(name);
            return;
        }
    }
}

void RunDocument::removeDefaultSheets(std::span<const DefaultSheet> defaults)
{
    if (m_office.closing() || !m_document)
        return;
    // Only the sheets the new document came with go, and never the last one:
    // a file's sheet that happens to be called "Sheet2" stays.
    for (const DefaultSheet &sheet : defaults) {
        const QString name = sheet.name.toString();
        if (!m_originalSheets.contains(name))
            continue;
        bool present = false;
        m_office.step(sheet.test, [&] {
            present = SheetExists(*m_document, name) && m_document->sheetCount() > 1;
        });
        if (present)
            m_office.step(sheet.remove, [&] { m_document->removeSheet(name); });
    }
}

void RunDocument::addReportSheet(int step, const QList<FileAccount> &accounts, const QString &choose)
{
    if (!m_document || m_office.closing())
        return;
    const int cellCharacters = m_office.spreadsheets().cellCharacters();
    m_office.step(step, [&] { RunReport::addSheet(*m_document, accounts, choose, cellCharacters); });
}

bool RunDocument::finish(int step, const std::function<void(SpreadsheetDocument &)> &finish)
{
    if (!finish || !m_document || m_office.closing())
        return false;
    return m_office.step(step, [&] { finish(*m_document); }, m_office.deadlines().finish);
}

} // namespace quillora
