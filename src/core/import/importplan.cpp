// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/importplan.h"

#include "core/import/importrun.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
struct PlannedSheet
{
    QString name;
    qint64 rows = 0;
};
using PlannedSheets = std::vector<std::shared_ptr<PlannedSheet>>;

// A sheet that counts the rows it is given and keeps none.
class CountingSheet : public SpreadsheetSheet
{
public:
    explicit CountingSheet(std::shared_ptr<PlannedSheet> sheet)
        : m_sheet(std::move(sheet))
    {
    }
    QString name() override { return m_sheet->name; }
    void setCellText(int, int row, const QString &) override { m_sheet->rows = std::max<qint64>(m_sheet->rows, row + 1); }
    void writeRows(int firstRow, RowBlock rows) override
    {
        m_sheet->rows = std::max<qint64>(m_sheet->rows, firstRow + qint64(rows.rowCount()));
    }

private:
    std::shared_ptr<PlannedSheet> m_sheet;
};

// A new document as Calc and the document writer make one: one sheet,
// "Sheet1"; names told apart without regard to case.
class CountingDocument : public SpreadsheetDocument
{
public:
    CountingDocument(PlannedSheets &sheets, SheetLimits limits)
        : m_sheets(sheets)
        , m_limits(limits)
    {
        m_sheets.push_back(std::make_shared<PlannedSheet>(PlannedSheet{u"Sheet1"_s}));
    }
    int sheetCount() override { return int(m_sheets.size()); }
    QString sheetName(int index) override { return at(index)->name; }
    std::unique_ptr<SpreadsheetSheet> sheetAt(int index) override { return std::make_unique<CountingSheet>(at(index)); }
    bool hasSheet(const QString &name) override { return find(name) != m_sheets.end(); }
    void removeSheet(const QString &name) override
    {
        if (const auto sheet = find(name); sheet != m_sheets.end() && m_sheets.size() > 1)
            m_sheets.erase(sheet);
    }
    void insertSheet(const QString &name, int position) override
    {
        if (hasSheet(name) || m_sheets.size() >= size_t(MaxSheets))
            throw Failure(QCoreApplication::translate("quillora::ImportPlan", "The sheet \"%1\" cannot be added.").arg(name));
        const auto where = std::clamp<qsizetype>(position, 0, std::ssize(m_sheets));
        m_sheets.insert(m_sheets.begin() + where, std::make_shared<PlannedSheet>(PlannedSheet{name}));
    }
    SheetLimits limits() override { return m_limits; }

private:
    std::shared_ptr<PlannedSheet> at(int index)
    {
        if (index < 0 || index >= std::ssize(m_sheets))
            throw Failure(QCoreApplication::translate("quillora::ImportPlan", "The document has no sheet at position %1.").arg(index));
        return m_sheets[size_t(index)];
    }
    PlannedSheets::iterator find(const QString &name)
    {
        return std::ranges::find_if(m_sheets, [&](const auto &sheet) {
            return sheet->name.compare(name, Qt::CaseInsensitive) == 0;
        });
    }
    PlannedSheets &m_sheets;
    SheetLimits m_limits;
};

class CountingSpreadsheet : public SpreadsheetProvider
{
public:
    explicit CountingSpreadsheet(const DocumentLimits &limits)
        : m_limits(limits)
    {
    }
    void start() override {}
    std::unique_ptr<SpreadsheetDocument> newDocument() override
    {
        m_sheets.clear();
        return std::make_unique<CountingDocument>(m_sheets, m_limits.sheet);
    }
    void abandon() override {}
    QString applicationName() const override { return u"the plan"_s; }
    int cellCharacters() const override { return m_limits.cellCharacters; }
    const PlannedSheets &sheets() const { return m_sheets; }

private:
    DocumentLimits m_limits;
    PlannedSheets m_sheets;
};

// The front end's observer, but for the accounts the plan keeps and the
// "Done." that means nothing here.
class PlanObserver : public ImportObserver
{
public:
    PlanObserver(ImportObserver &observer, ImportPlan &plan)
        : m_observer(observer)
        , m_plan(plan)
    {
    }
    void fileStarted(int index, int count, const QString &path) override { m_observer.fileStarted(index, count, path); }
    void fileRead(const FileAccount &account) override
    {
        m_plan.files.append(account);
        m_observer.fileRead(account);
    }
    // On one sheet, told once; a sheet per file keeps the first file's.
    void headerPlanned(const HeaderPlan &header) override
    {
        if (!m_plan.header)
            m_plan.header = header;
    }
    void rowsWritten(qint64, qint64) override {}
    void runEnded() override { m_observer.runEnded(); }
    void notice(const QString &) override {}
    void note(const QString &text) override { m_observer.note(text); }
    void loss(int step, const QString &text) override { m_observer.loss(step, text); }
    void yield() override { m_observer.yield(); }
    bool closing() const override { return m_observer.closing(); }
    bool stopAsked() const override { return m_observer.stopAsked(); }
    ErrorReporter &errorReporter() override { return m_observer.errorReporter(); }

private:
    ImportObserver &m_observer;
    ImportPlan &m_plan;
};
} // namespace

ImportPlan planImport(ImportInputs &inputs, ImportObserver &observer, const DocumentLimits &limits)
{
    ImportPlan plan;
    PlanObserver planObserver(observer, plan);
    CountingSpreadsheet spreadsheet(limits);
    ImportRun run(inputs, planObserver, spreadsheet, [] { return 0.5; });
    plan.result = run.run();
    for (const auto &sheet : spreadsheet.sheets())
        plan.sheets.append({sheet->name, sheet->rows});
    return plan;
}

} // namespace quillora
