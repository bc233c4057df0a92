// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/documentwriter.h"

#include "core/failure.h"
#include "writer/opendocument.h"
#include "writer/workbook.h"
#include "writer/xlsx.h"
#include "writer/xlsxcell.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::DocumentWriter)
};

// A sheet as large as Calc's.
constexpr SheetLimits Limits{MaxColumns, 1048576};

void throwIfAbandoned(const std::atomic<bool> &abandoned)
{
    if (abandoned)
        throw SpreadsheetLost(Message::tr("The document was given up before it was finished."));
}

class Sheet : public SpreadsheetSheet
{
public:
    Sheet(std::shared_ptr<Workbook> workbook, std::shared_ptr<WrittenSheet> sheet, const std::atomic<bool> &abandoned)
        : m_workbook(std::move(workbook))
        , m_sheet(std::move(sheet))
        , m_abandoned(abandoned)
    {
    }

    QString name() override { return m_sheet->name; }

    void setCellText(int column, int row, const QString &text) override
    {
        checkCell(column, row);
        QStringList cells(column + 1);
        cells[column] = text;
        spool().append(row, RowBlock{cells}, 0);
    }

    void writeRows(int firstRow, RowBlock rows) override
    {
        throwIfAbandoned(m_abandoned);
        SheetSpool &rowsKept = spool();
        for (size_t i = 0; i < rows.rowCount(); ++i) {
            const int row = firstRow + static_cast<int>(i);
            checkCell(static_cast<int>(rows.width(i)) - 1, row);
            rowsKept.append(row, rows, i);
        }
    }

private:
    SheetSpool &spool()
    {
        if (!m_workbook->spool)
            m_workbook->spool = std::make_shared<SpoolFile>();
        if (!m_sheet->spool)
            m_sheet->spool = std::make_unique<SheetSpool>(m_workbook->spool);
        return *m_sheet->spool;
    }

    static void checkCell(int column, int row)
    {
        if (row < 0 || row >= Limits.rows || column >= Limits.columns)
            throw Failure(Message::tr("Cell (%1, %2) lies outside the sheet.").arg(column).arg(row));
    }

    std::shared_ptr<Workbook> m_workbook;
    std::shared_ptr<WrittenSheet> m_sheet;
    const std::atomic<bool> &m_abandoned;
};

class Document : public SpreadsheetDocument
{
public:
    Document(std::shared_ptr<Workbook> workbook, const std::atomic<bool> &abandoned)
        : m_workbook(std::move(workbook))
        , m_abandoned(abandoned)
    {
    }

    int sheetCount() override { return static_cast<int>(sheets().size()); }
    QString sheetName(int index) override { return sheetAtIndex(index)->name; }
    std::unique_ptr<SpreadsheetSheet> sheetAt(int index) override
    {
        return std::make_unique<Sheet>(m_workbook, sheetAtIndex(index), m_abandoned);
    }
    bool hasSheet(const QString &name) override { return find(name) != sheets().end(); }

    void removeSheet(const QString &name) override
    {
        const auto sheet = find(name);
        if (sheet == sheets().end())
            throw Failure(Message::tr("The document has no sheet \"%1\".").arg(name));
        if (sheets().size() == 1)
            throw Failure(Message::tr("The last sheet of a document cannot be removed."));
        sheets().erase(sheet);
    }

    void insertSheet(const QString &name, int position) override
    {
        // The names Calc refuses.
        if (name.isEmpty() || name.startsWith(u'\'') || name.endsWith(u'\'')
            || std::ranges::any_of(u"[]*?:/\\"_s, [&](QChar c) { return name.contains(c); }))
            throw Failure(Message::tr("\"%1\" is not a valid sheet name.").arg(name));
        if (hasSheet(name))
            throw Failure(Message::tr("The document already has a sheet \"%1\".").arg(name));
        if (sheets().size() >= MaxSheets)
            throw Failure(Message::tr("A document holds at most %1 sheets.").arg(MaxSheets));
        auto sheet = std::make_shared<WrittenSheet>();
        sheet->name = name;
        const auto at = std::clamp<qsizetype>(position, 0, std::ssize(sheets()));
        sheets().insert(sheets().begin() + at, std::move(sheet));
    }

    SheetLimits limits() override { return Limits; }
    const std::vector<std::shared_ptr<WrittenSheet>> &writtenSheets() const { return m_workbook->sheets; }

private:
    std::vector<std::shared_ptr<WrittenSheet>> &sheets() { return m_workbook->sheets; }

    std::shared_ptr<WrittenSheet> sheetAtIndex(int index)
    {
        if (index < 0 || index >= std::ssize(sheets()))
            throw Failure(Message::tr("The document has no sheet at position %1.").arg(index));
        return sheets()[static_cast<size_t>(index)];
    }

    // Names are told apart without regard to case, as Calc does.
    std::vector<std::shared_ptr<WrittenSheet>>::iterator find(const QString &name)
    {
        return std::ranges::find_if(sheets(), [&](const auto &sheet) {
            return sheet->name.compare(name, Qt::CaseInsensitive) == 0;
        });
    }

    std::shared_ptr<Workbook> m_workbook;
    const std::atomic<bool> &m_abandoned;
};
} // namespace

DocumentWriter::DocumentWriter(DocumentFormat format)
    : m_format(format)
{
}

DocumentWriter::~DocumentWriter() = default;

void DocumentWriter::start()
{
    m_abandoned = false;
}

QString DocumentWriter::applicationName() const
{
    return Message::tr("The document writer");
}

int DocumentWriter::cellCharacters() const
{
    return m_format == DocumentFormat::Xlsx ? int(XlsxCellCharacters) : CalcCellCharacters;
}

std::unique_ptr<SpreadsheetDocument> DocumentWriter::newDocument()
{
    throwIfAbandoned(m_abandoned);
    // A new document has the one sheet a new Calc document has.
    auto document = std::make_unique<Document>(std::make_shared<Workbook>(), m_abandoned);
    document->insertSheet(u"Sheet1"_s, 0);
    return document;
}

QStringList DocumentWriter::store(SpreadsheetDocument &document, const QString &path, const StoreProgress &progress)
{
    const auto *written = dynamic_cast<const Document *>(&document);
    if (!written)
        throw Failure(Message::tr("The document was not made by the document writer."));
    const StoreJob job{path, written->writtenSheets(), [this] { throwIfAbandoned(m_abandoned); }, progress};
    switch (m_format) {
    case DocumentFormat::Xlsx:
        return writeXlsx(job);
    case DocumentFormat::Fods:
        return writeFlatOpenDocument(job);
    case DocumentFormat::Ods:
        break;
    }
    return writeOpenDocument(job);
}

} // namespace quillora::writer
