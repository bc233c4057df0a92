// SPDX-License-Identifier: GPL-3.0-or-later
#include "libreoffice/calcdocument.h"

#include <QCoreApplication>

#include <algorithm>

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangeFormula.hpp>
#include <com/sun/star/sheet/XSheetCellRangeContainer.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormatTypes.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

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

CellFormats::CellFormats(const uno::Reference<sheet::XSpreadsheetDocument> &document)
    : m_formats(uno::Reference<util::XNumberFormatsSupplier>(document, uno::UNO_QUERY_THROW)->getNumberFormats())
    , m_factory(document, uno::UNO_QUERY_THROW)
{
    uno::Reference<beans::XPropertySet>(document, uno::UNO_QUERY_THROW)->getPropertyValue(OUString("CharLocale"))
        >>= m_locale;
}

namespace {
// A date's form as a format code, its signs quoted: a locale's own date
// separator never stands in for them.
OUString dateCode(const DateShape &shape)
{
    if (shape.order == DateOrder::Ymd)
        return OUString("YYYY-MM-DD");
    static const DateCodeWords Words{QStringLiteral("YYYY"), QStringLiteral("D"),  QStringLiteral("DD"),
                                     QStringLiteral("M"),    QStringLiteral("MM"), QStringLiteral("\""),
                                     QStringLiteral("\"")};
    const QString code = dateFormatCode(shape, Words);
    return OUString(reinterpret_cast<const sal_Unicode *>(code.utf16()), sal_Int32(code.size()));
}
} // namespace

sal_Int32 CellFormats::keyFor(const CellValue &value)
{
    // Dates by their form, below every number's decimals.
    const int decimals = value.kind == CellValue::Kind::Date ? -1 - value.decimals : value.decimals;
    const std::lock_guard lock(m_finding);
    if (const auto known = m_keys.find(decimals); known != m_keys.end())
        return known->second;
    // A number's format in the document's own notation: its decimal sign.
    lang::Locale locale = m_locale;
    OUString code;
    if (decimals < 0) {
        locale = lang::Locale(OUString("en"), OUString("US"), OUString());
        code = dateCode(dateShapeOf(value.decimals));
    } else {
        code = m_formats->generateFormat(0, locale, false, false, sal_Int16(decimals), 1);
    }
    sal_Int32 key = m_formats->queryKey(code, locale, false);
    if (key < 0)
        key = m_formats->addNew(code, locale);
    m_keys[decimals] = key;
    return key;
}

void CellFormats::apply(sal_Int32 key, const std::vector<table::CellRangeAddress> &ranges)
{
    const uno::Reference<sheet::XSheetCellRangeContainer> container(
        m_factory->createInstance(OUString("com.sun.star.sheet.SheetCellRanges")), uno::UNO_QUERY_THROW);
    container->addRangeAddresses(uno::Sequence<table::CellRangeAddress>(ranges.data(), sal_Int32(ranges.size())), false);
    uno::Reference<beans::XPropertySet>(container, uno::UNO_QUERY_THROW)
        ->setPropertyValue(OUString("NumberFormat"), uno::Any(key));
}

CalcSheet::CalcSheet(uno::Reference<sheet::XSpreadsheet> sheet, sal_Int32 textFormat,
                     std::shared_ptr<CellFormats> formats, AliveFlag alive)
    : m_sheet(std::move(sheet))
    , m_textFormat(textFormat)
    , m_formats(std::move(formats))
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
            const sal_Int32 top = firstRow + static_cast<sal_Int32>(rectangle.first);
            const sal_Int32 count = static_cast<sal_Int32>(rectangle.count);
            formatAsText(top, count, rectangle.width);
            const uno::Reference<table::XCellRange> range =
                m_sheet->getCellRangeByPosition(0, top, rectangle.width - 1, top + count - 1);
            if (rows.typed()) {
                // Each cell's value found once, for its format, its entry and
                // its column's width.
                std::vector<CellValue> values(rectangle.count * size_t(rectangle.width));
                std::vector<qsizetype> widest(size_t(rectangle.width), 0); // typed cells' characters
                for (size_t r = 0; r < rectangle.count; ++r) {
                    const RowBlock::Row cells = rows.row(rectangle.first + r);
                    for (qsizetype c = 0; c < cells.size(); ++c) {
                        CellValue &value = values[r * size_t(rectangle.width) + size_t(c)];
                        value = rows.valueAt(rectangle.first + r, c);
                        if (value.kind != CellValue::Kind::Text)
                            widest[size_t(c)] = std::max(widest[size_t(c)], cells[c].size());
                    }
                }
                formatTypedCells(values, rectangle, top);
                uno::Reference<sheet::XCellRangeData>(range, uno::UNO_QUERY_THROW)
                    ->setDataArray(valuesOf(rows, rectangle, values));
                widenNumberColumns(widest);
            } else {
                uno::Reference<sheet::XCellRangeFormula>(range, uno::UNO_QUERY_THROW)->setFormulaArray(textsOf(rows, rectangle));
            }
        }
    });
}

uno::Sequence<uno::Sequence<OUString>> CalcSheet::textsOf(const RowBlock &rows, const RowRectangle &rectangle)
{
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
    return data;
}

// Rows with numbers or dates: their values as doubles, which Calc takes
// without parsing them, the rest as strings, which setDataArray takes as
// text as they stand. An empty string leaves its cell empty, where a void
// entry would make it an error cell (#N/A): empty cells and the padding of
// short rows are empty strings.
uno::Sequence<uno::Sequence<uno::Any>> CalcSheet::valuesOf(const RowBlock &rows, const RowRectangle &rectangle,
                                                           const std::vector<CellValue> &values)
{
    const uno::Any empty(OUString{});
    uno::Sequence<uno::Sequence<uno::Any>> data(static_cast<sal_Int32>(rectangle.count));
    uno::Sequence<uno::Any> *dataRows = data.getArray();
    for (size_t r = 0; r < rectangle.count; ++r) {
        const size_t row = rectangle.first + r;
        const RowBlock::Row cells = rows.row(row);
        uno::Sequence<uno::Any> entries(rectangle.width);
        uno::Any *entry = entries.getArray();
        for (qsizetype c = 0; c < rectangle.width; ++c) {
            if (c >= cells.size() || cells[c].isEmpty()) {
                entry[c] = empty;
                continue;
            }
            const CellValue &value = values[r * size_t(rectangle.width) + size_t(c)];
            if (value.kind == CellValue::Kind::Text)
                entry[c] <<= toOUString(cells[c].toString());
            else
                entry[c] <<= value.value;
        }
        dataRows[r] = std::move(entries);
    }
    return data;
}

void CalcSheet::widenNumberColumns(const std::vector<qsizetype> &widest)
{
    // Held while the widths are set, so that a block's narrower width never
    // lands after another's wider one.
    const std::lock_guard lock(m_formatting);
    std::map<qsizetype, int> widths; // of the columns that grew
    for (qsizetype column = 0; column < qsizetype(widest.size()); ++column) {
        const qsizetype characters = widest[size_t(column)];
        if (characters == 0 || !m_numberColumns.note(column, characters))
            continue;
        if (const int width = numberColumnWidth(characters); width > 0)
            widths[column] = width;
    }
    if (widths.empty())
        return;
    const uno::Reference<table::XTableColumns> columns =
        uno::Reference<table::XColumnRowRange>(m_sheet, uno::UNO_QUERY_THROW)->getColumns();
    for (const auto &[column, width] : widths) {
        uno::Reference<beans::XPropertySet>(columns->getByIndex(sal_Int32(column)), uno::UNO_QUERY_THROW)
            ->setPropertyValue(OUString("Width"), uno::Any(sal_Int32(width)));
    }
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
    // Only columns not formatted yet: the cells written already keep their
    // formats (a number's decimals).
    const std::lock_guard lock(m_formatting);
    const bool wholeArea = firstRow + rows <= m_expectedRows;
    if (wholeArea && columns <= m_formattedColumns)
        return;
    const int top = wholeArea ? 0 : firstRow;
    const int bottom = wholeArea ? m_expectedRows - 1 : firstRow + rows - 1;
    const int left = wholeArea ? m_formattedColumns : 0;
    uno::Reference<beans::XPropertySet>(m_sheet->getCellRangeByPosition(left, top, columns - 1, bottom),
                                        uno::UNO_QUERY_THROW)
        ->setPropertyValue(OUString("NumberFormat"), uno::Any(m_textFormat));
    if (wholeArea)
        m_formattedColumns = columns;
}

void CalcSheet::formatTypedCells(const std::vector<CellValue> &values, const RowRectangle &rectangle, int firstRow)
{
    // The runs of a column's rows that share a format, gathered by format:
    // one call for each format in the block, however the kinds alternate.
    const sal_Int16 sheet = uno::Reference<sheet::XCellRangeAddressable>(m_sheet, uno::UNO_QUERY_THROW)->getRangeAddress().Sheet;
    std::map<sal_Int32, std::vector<table::CellRangeAddress>> runs;
    for (int column = 0; column < rectangle.width; ++column) {
        sal_Int32 runKey = -1;
        size_t runStart = 0;
        const auto endRun = [&](size_t end) {
            if (runKey >= 0) {
                runs[runKey].push_back(table::CellRangeAddress(sheet, column, firstRow + sal_Int32(runStart), column,
                                                               firstRow + sal_Int32(end) - 1));
            }
        };
        for (size_t r = 0; r < rectangle.count; ++r) {
            const CellValue &value = values[r * size_t(rectangle.width) + size_t(column)];
            const sal_Int32 key = value.kind == CellValue::Kind::Text ? -1 : m_formats->keyFor(value);
            if (key != runKey) {
                endRun(r);
                runKey = key;
                runStart = r;
            }
        }
        endRun(rectangle.count);
    }
    for (const auto &[key, ranges] : runs)
        m_formats->apply(key, ranges);
}

CalcDocument::CalcDocument(uno::Reference<sheet::XSpreadsheetDocument> document, AliveFlag alive)
    : m_document(std::move(document))
    , m_alive(std::move(alive))
{
    translated(m_alive, [&] {
        const uno::Reference<util::XNumberFormatsSupplier> formats(m_document, uno::UNO_QUERY_THROW);
        m_textFormat = uno::Reference<util::XNumberFormatTypes>(formats->getNumberFormats(), uno::UNO_QUERY_THROW)
                           ->getStandardFormat(util::NumberFormat::TEXT, lang::Locale());
        m_formats = std::make_shared<CellFormats>(m_document);
    });
    setFilling(true);
}

CalcDocument::~CalcDocument()
{
    try {
        setFilling(false);
    } catch (...) {
        // LibreOffice may be gone; the document then is too.
    }
}

void CalcDocument::setFilling(bool filling)
{
    translated(m_alive, [&] {
        const uno::Reference<beans::XPropertySet> properties(m_document, uno::UNO_QUERY_THROW);
        properties->setPropertyValue(OUString("IsAdjustHeightEnabled"), uno::Any(!filling));
        // Nobody undoes the filling of a new document line by line: kept
        // for undo, every block would be copied once more.
        properties->setPropertyValue(OUString("IsUndoEnabled"), uno::Any(!filling));
    });
}

std::optional<QRect> CalcDocument::bringToFront()
{
    return translated(m_alive, [&]() -> std::optional<QRect> {
        const uno::Reference<frame::XModel> model(m_document, uno::UNO_QUERY_THROW);
        const uno::Reference<frame::XController> controller = model->getCurrentController();
        const uno::Reference<frame::XFrame> frame = controller.is() ? controller->getFrame() : nullptr;
        const uno::Reference<awt::XWindow> window = frame.is() ? frame->getContainerWindow() : nullptr;
        if (!window.is())
            return std::nullopt;
        frame->activate();
        if (const uno::Reference<awt::XTopWindow> top(window, uno::UNO_QUERY); top.is())
            top->toFront();
        window->setFocus();
        const awt::Rectangle at = window->getPosSize();
        return QRect(at.X, at.Y, at.Width, at.Height);
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
        throw Failure(QCoreApplication::translate("quillora::CalcDocument", "The document has no sheet at position %1.").arg(index));
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
                      [&] { return std::make_unique<CalcSheet>(sheetByIndex(index), m_textFormat, m_formats, m_alive); });
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
        throw Failure(QCoreApplication::translate("quillora::CalcDocument", "A document holds at most %1 sheets.").arg(MaxSheets));
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
