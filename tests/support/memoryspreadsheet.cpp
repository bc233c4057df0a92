// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryspreadsheet.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora::test {

namespace {
class MemorySheet : public SpreadsheetSheet
{
public:
    MemorySheet(const MemorySpreadsheet &app, std::shared_ptr<MemorySpreadsheet::Sheet> sheet, SheetLimits limits)
        : m_app(app)
        , m_sheet(std::move(sheet))
        , m_limits(limits)
    {
    }

    QString name() override
    {
        m_app.call(u"name"_s);
        return m_sheet->name;
    }

    void setCellText(int column, int row, const QString &text) override
    {
        m_app.call(u"setCellText"_s);
        ++m_sheet->cellCalls;
        store(column, row, text);
    }

    void writeRows(int firstRow, RowBlock rows) override
    {
        m_app.call(u"writeRows"_s);
        const std::lock_guard lock(m_writing);
        ++m_sheet->writeCalls;
        m_sheet->rowsWritten = std::max<qint64>(m_sheet->rowsWritten, firstRow + qint64(rows.rowCount()));
        for (size_t r = 0; r < rows.rowCount(); ++r) {
            const RowBlock::Row cells = rows.row(r);
            for (qsizetype c = 0; c < cells.size(); ++c) {
                const int row = firstRow + static_cast<int>(r);
                store(int(c), row, cells[c].toString());
                if (const CellValue value = rows.valueAt(r, c); value.kind != CellValue::Kind::Text)
                    m_sheet->values[{row, int(c)}] = value;
                else
                    m_sheet->values.erase({row, int(c)});
            }
        }
    }

    int concurrentWrites() const override { return m_app.concurrentWrites; }

private:
    void store(int column, int row, const QString &text)
    {
        if (column < 0 || row < 0 || column >= m_limits.columns || row >= m_limits.rows)
            throw Failure(u"Cell (%1, %2) lies outside the sheet."_s.arg(column).arg(row));
        if (text.isEmpty())
            m_sheet->cells.erase({row, column});
        else
            m_sheet->cells[{row, column}] = text;
    }

    const MemorySpreadsheet &m_app;
    std::shared_ptr<MemorySpreadsheet::Sheet> m_sheet;
    SheetLimits m_limits;
    std::mutex m_writing;
};

class MemoryDocument : public SpreadsheetDocument
{
public:
    MemoryDocument(const MemorySpreadsheet &app, std::shared_ptr<MemorySpreadsheet::Document> document)
        : m_app(app)
        , m_document(std::move(document))
    {
    }

    int sheetCount() override
    {
        m_app.call(u"sheetCount"_s);
        return static_cast<int>(m_document->sheets.size());
    }
    QString sheetName(int index) override
    {
        m_app.call(u"sheetName"_s);
        return m_document->sheets.at(index)->name;
    }
    std::unique_ptr<SpreadsheetSheet> sheetAt(int index) override
    {
        m_app.call(u"sheetAt"_s);
        if (index < 0 || index >= m_document->sheets.size())
            throw Failure(u"No sheet at position %1."_s.arg(index));
        return std::make_unique<MemorySheet>(m_app, m_document->sheets.at(index), m_app.limits);
    }
    bool hasSheet(const QString &name) override
    {
        m_app.call(u"hasSheet"_s);
        return indexOf(name) >= 0;
    }
    void removeSheet(const QString &name) override
    {
        m_app.call(u"removeSheet"_s);
        const qsizetype index = indexOf(name);
        if (index < 0 || m_document->sheets.size() == 1)
            throw Failure(u"The sheet \"%1\" cannot be removed."_s.arg(name));
        m_document->sheets.removeAt(index);
    }
    void insertSheet(const QString &name, int position) override
    {
        m_app.call(u"insertSheet"_s);
        static const QString forbidden = u"[]*?:/\\"_s;
        const bool badCharacter = std::any_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); });
        if (name.isEmpty() || badCharacter || indexOf(name) >= 0)
            throw Failure(u"The sheet name \"%1\" is refused."_s.arg(name));
        auto sheet = std::make_shared<MemorySpreadsheet::Sheet>();
        sheet->name = name;
        m_document->sheets.insert(position, sheet);
    }
    SheetLimits limits() override
    {
        m_app.call(u"limits"_s);
        return m_app.limits;
    }

private:
    qsizetype indexOf(const QString &name) const
    {
        for (qsizetype i = 0; i < m_document->sheets.size(); ++i) {
            if (m_document->sheets.at(i)->name.compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    const MemorySpreadsheet &m_app;
    std::shared_ptr<MemorySpreadsheet::Document> m_document;
};
} // namespace

void MemorySpreadsheet::start()
{
    call(u"start"_s);
    ++starts;
}

std::unique_ptr<SpreadsheetDocument> MemorySpreadsheet::newDocument()
{
    call(u"newDocument"_s);
    auto document = std::make_shared<Document>();
    for (const QString &name : newSheetNames) {
        auto sheet = std::make_shared<Sheet>();
        sheet->name = name;
        document->sheets.append(sheet);
    }
    documents.append(document);
    return std::make_unique<MemoryDocument>(*this, document);
}

QStringList MemorySpreadsheet::sheetNames() const
{
    QStringList names;
    if (const auto document = lastDocument()) {
        for (const auto &sheet : document->sheets)
            names.append(sheet->name);
    }
    return names;
}

std::shared_ptr<MemorySpreadsheet::Sheet> MemorySpreadsheet::sheet(const QString &name) const
{
    if (const auto document = lastDocument()) {
        for (const auto &sheet : document->sheets) {
            if (sheet->name == name)
                return sheet;
        }
    }
    return nullptr;
}

QList<QStringList> MemorySpreadsheet::rowsOf(const Sheet &sheet)
{
    QList<QStringList> rows;
    for (const auto &[position, text] : sheet.cells) {
        const auto [row, column] = position;
        while (rows.size() <= row)
            rows.append(QStringList());
        QStringList &cells = rows[row];
        while (cells.size() <= column)
            cells.append(QString());
        cells[column] = text;
    }
    return rows;
}

void MemorySpreadsheet::abandon()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_abandons;
    }
    m_abandonedChanged.notify_all();
}

int MemorySpreadsheet::abandons() const
{
    std::lock_guard lock(m_mutex);
    return m_abandons;
}

void MemorySpreadsheet::hangUntilAbandoned() const
{
    std::unique_lock lock(m_mutex);
    const int before = m_abandons;
    m_abandonedChanged.wait(lock, [&] { return m_abandons != before; });
    throw SpreadsheetLost(u"The connection was given up."_s);
}

} // namespace quillora::test
