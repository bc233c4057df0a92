// SPDX-License-Identifier: GPL-3.0-or-later
#include "libreoffice/calcdocument.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/sheet/XCellRangeFormula.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormatTypes.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace css;

namespace quillora::lo {

namespace {
// What setFormulaArray takes for a cell's text: an apostrophe in front, which
// Calc strips and which makes the rest text as it stands, never a formula or
// a number, without Calc testing it for one. Empty stays empty.
OUString textEntry(QStringView text)
{
    if (text.isEmpty())
        return {};
    rtl_uString *entry = rtl_uString_alloc(static_cast<sal_Int32>(text.size() + 1));
    entry->buffer[0] = u'\'';
    std::copy_n(text.utf16(), text.size(), entry->buffer + 1);
    return OUString(entry, SAL_NO_ACQUIRE);
}

// A rectangle is closed when padding would make it more than twice as
// large as its cells, with some slack for short blocks.
constexpr size_t PaddingSlack = 256;
} // namespace

std::vector<RowRectangle> rectanglesOf(const RowBlock &rows)
{
    std::vector<RowRectangle> rectangles;
    RowRectangle current;
    size_t cells = 0;
    const auto close = [&] {
        if (current.count > 0 && current.width > 0)
            rectangles.push_back(current);
    };
    for (size_t i = 0; i < rows.rowCount(); ++i) {
        const int width = static_cast<int>(rows.width(i));
        const int wider = std::max(current.width, width);
        const size_t area = static_cast<size_t>(wider) * (current.count + 1);
        if (current.count > 0 && area > 2 * (cells + static_cast<size_t>(width)) + PaddingSlack) {
            close();
            current = RowRectangle{i, 0, 0};
            cells = 0;
        }
        current.width = std::max(current.width, width);
        ++current.count;
        cells += static_cast<size_t>(width);
    }
    close();
    return rectangles;
}

CalcSheet::CalcSheet(uno::Reference<sheet::XSpreadsheet> sheet, sal_Int32 textFormat, AliveFlag alive)
    : m_sheet(std::move(sheet))
    , m_textFormat(textFormat)
    , m_alive(std::move(alive))
{
}

QString CalcSheet::name()
{
    return translated(m_alive, [&] {
        return toQString(uno::Reference<container::XNamed>(m_sheet, uno::UNO_QUERY_THROW)->getName());
    });
}

void CalcSheet::setCellText(int column, int row, const QString &text)
{
    translated(m_alive, [&] {
        const uno::Reference<table::XCell> cell = m_sheet->getCellByPosition(column, row);
        uno::Reference<text::XText>(cell, uno::UNO_QUERY_THROW)->setString(toOUString(text));
    });
}

void CalcSheet::writeRows(int firstRow, RowBlock rows)
{
    translated(m_alive, [&] {
        for (const RowRectangle &rectangle : rectanglesOf(rows)) {
            uno::Sequence<uno::Sequence<OUString>> data(static_cast<sal_Int32>(rectangle.count));
            uno::Sequence<OUString> *dataRows = data.getArray();
            for (size_t r = 0; r < rectangle.count; ++r) {
                const RowBlock::Row cells = rows.row(rectangle.first + r);
                // Padding: an empty entry leaves the cell empty.
                uno::Sequence<OUString> entries(rectangle.width);
                OUString *entry = entries.getArray();
                for (qsizetype c = 0; c < cells.size(); ++c)
                    entry[c] = textEntry(cells[c]);
                dataRows[r] = std::move(entries);
            }
            const sal_Int32 top = firstRow + static_cast<sal_Int32>(rectangle.first);
            const sal_Int32 count = static_cast<sal_Int32>(rectangle.count);
            formatAsText(top, count, rectangle.width);
            const uno::Reference<table::XCellRange> range =
                m_sheet->getCellRangeByPosition(0, top, rectangle.width - 1, top + count - 1);
            uno::Reference<sheet::XCellRangeFormula>(range, uno::UNO_QUERY_THROW)->setFormulaArray(data);
        }
    });
}

void CalcSheet::expectRows(int rows)
{
    const std::lock_guard lock(m_formatting);
    m_expectedRows = rows;
    m_formattedColumns = 0;
}

void CalcSheet::formatAsText(int firstRow, int rows, int columns)
{
    // Cells formatted as text first keep every string as text without Calc
    // testing it for a number, as Calc's own import does for text columns.
    // The lock holds other blocks back until their cells are formatted.
    const std::lock_guard lock(m_formatting);
    const bool wholeArea = firstRow + rows <= m_expectedRows;
    if (wholeArea && columns <= m_formattedColumns)
        return;
    const int top = wholeArea ? 0 : firstRow;
    const int bottom = wholeArea ? m_expectedRows - 1 : firstRow + rows - 1;
    uno::Reference<beans::XPropertySet>(m_sheet->getCellRangeByPosition(0, top, columns - 1, bottom),
                                        uno::UNO_QUERY_THROW)
        ->setPropertyValue(OUString("NumberFormat"), uno::Any(m_textFormat));
    if (wholeArea)
        m_formattedColumns = columns;
}

CalcDocument::CalcDocument(uno::Reference<sheet::XSpreadsheetDocument> document, AliveFlag alive)
    : m_document(std::move(document))
    , m_alive(std::move(alive))
{
    translated(m_alive, [&] {
        const uno::Reference<util::XNumberFormatsSupplier> formats(m_document, uno::UNO_QUERY_THROW);
        m_textFormat = uno::Reference<util::XNumberFormatTypes>(formats->getNumberFormats(), uno::UNO_QUERY_THROW)
                           ->getStandardFormat(util::NumberFormat::TEXT, lang::Locale());
    });
    setRowHeightsAdjusted(false);
}

CalcDocument::~CalcDocument()
{
    try {
        setRowHeightsAdjusted(true);
    } catch (...) {
        // LibreOffice may be gone; the document then is too.
    }
}

void CalcDocument::setRowHeightsAdjusted(bool adjusted)
{
    translated(m_alive, [&] {
        uno::Reference<beans::XPropertySet>(m_document, uno::UNO_QUERY_THROW)
            ->setPropertyValue(OUString("IsAdjustHeightEnabled"), uno::Any(adjusted));
    });
}

uno::Reference<sheet::XSpreadsheets> CalcDocument::sheets() const
{
    return m_document->getSheets();
}

uno::Reference<sheet::XSpreadsheet> CalcDocument::sheetByIndex(int index) const
{
    uno::Reference<sheet::XSpreadsheet> sheet;
    uno::Reference<container::XIndexAccess>(sheets(), uno::UNO_QUERY_THROW)->getByIndex(index) >>= sheet;
    if (!sheet.is())
        throw Failure(u"The document has no sheet at position %1."_s.arg(index));
    return sheet;
}

int CalcDocument::sheetCount()
{
    return translated(m_alive, [&] {
        return static_cast<int>(uno::Reference<container::XIndexAccess>(sheets(), uno::UNO_QUERY_THROW)->getCount());
    });
}

QString CalcDocument::sheetName(int index)
{
    return translated(m_alive, [&] {
        return toQString(uno::Reference<container::XNamed>(sheetByIndex(index), uno::UNO_QUERY_THROW)->getName());
    });
}

std::unique_ptr<SpreadsheetSheet> CalcDocument::sheetAt(int index)
{
    return translated(m_alive,
                      [&] { return std::make_unique<CalcSheet>(sheetByIndex(index), m_textFormat, m_alive); });
}

bool CalcDocument::hasSheet(const QString &name)
{
    return translated(m_alive, [&] { return static_cast<bool>(sheets()->hasByName(toOUString(name))); });
}

void CalcDocument::removeSheet(const QString &name)
{
    translated(m_alive, [&] { sheets()->removeByName(toOUString(name)); });
}

void CalcDocument::insertSheet(const QString &name, int position)
{
    if (sheetCount() >= MaxSheets)
        throw Failure(u"A document holds at most %1 sheets."_s.arg(MaxSheets));
    translated(m_alive, [&] { sheets()->insertNewByName(toOUString(name), static_cast<sal_Int16>(position)); });
}

SheetLimits CalcDocument::limits()
{
    return translated(m_alive, [&] {
        const uno::Reference<table::XColumnRowRange> whole(sheetByIndex(0), uno::UNO_QUERY_THROW);
        return SheetLimits{static_cast<int>(whole->getColumns()->getCount()),
                           static_cast<int>(whole->getRows()->getCount())};
    });
}

} // namespace quillora::lo
