// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/numbercolumns.h"
#include "libreoffice/unoerror.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>

#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/table/CellRangeAddress.hpp>
#include <com/sun/star/util/XNumberFormats.hpp>

#include <map>
#include <memory>
#include <mutex>

namespace quillora::lo {

// Rows of different lengths grouped into rectangles that waste little: each
// becomes one setFormulaArray, short rows padded with empty cells.
struct RowRectangle
{
    size_t first = 0;
    size_t count = 0;
    int width = 0;
};

// The number formats of a document for cells stored as numbers (as many
// decimals as their text had, in the document's own decimal sign) and dates
// (YYYY-MM-DD), found or added once each.
class CellFormats
{
public:
    CellFormats(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document);
    sal_Int32 keyFor(const CellValue &value);
    // Gives the cells of the ranges the format: one call, however many.
    void apply(sal_Int32 key, const std::vector<css::table::CellRangeAddress> &ranges);

private:
    css::uno::Reference<css::util::XNumberFormats> m_formats;
    css::uno::Reference<css::lang::XMultiServiceFactory> m_factory;
    css::lang::Locale m_locale;
    std::mutex m_finding;
    std::map<int, sal_Int32> m_keys; // by decimals; -1: the date
};

// One sheet of a Calc document, written as text.
class CalcSheet : public SpreadsheetSheet
{
public:
    CalcSheet(css::uno::Reference<css::sheet::XSpreadsheet> sheet, sal_Int32 textFormat,
              std::shared_ptr<CellFormats> formats, AliveFlag alive);

    QString name() override;
    void setCellText(int column, int row, const QString &text) override;
    void writeRows(int firstRow, RowBlock rows) override;
    void expectRows(int rows) override;
    // Three blocks at once: while Calc writes one, the bridge already
    // carries the next ones, so Calc does not wait for them.
    int concurrentWrites() const override { return 3; }

private:
    // Formats the area of the expected rows as text, as wide as columns,
    // when it is not that wide yet: one call for a whole sheet, not one per
    // block.
    void formatAsText(int firstRow, int rows, int columns);
    // The cells of a rectangle stored as numbers or dates (values: its
    // cells, row by row) get their number formats, a call per format.
    void formatTypedCells(const std::vector<CellValue> &values, const RowRectangle &rectangle, int firstRow);
    static css::uno::Sequence<css::uno::Sequence<rtl::OUString>> textsOf(const RowBlock &rows,
                                                                        const RowRectangle &rectangle);
    static css::uno::Sequence<css::uno::Sequence<css::uno::Any>>
    valuesOf(const RowBlock &rows, const RowRectangle &rectangle, const std::vector<CellValue> &values);
    // Columns whose numbers or dates made them wider get their width
    // (widest: by column, the characters of a rectangle's widest one).
    void widenNumberColumns(const std::vector<qsizetype> &widest);

    css::uno::Reference<css::sheet::XSpreadsheet> m_sheet;
    sal_Int32 m_textFormat;
    std::shared_ptr<CellFormats> m_formats;
    AliveFlag m_alive;
    std::mutex m_formatting; // blocks come from several threads
    int m_expectedRows = 0;
    int m_formattedColumns = 0;
    NumberColumns m_numberColumns;
};

// A new Calc document. Rows are written with setFormulaArray, every text
// behind an apostrophe, which Calc takes as text without parsing it, into
// cells formatted as text first, as Calc's own text import does for text
// columns. Plain strings cost Calc less on the way in than the typed values
// of setDataArray. Automatic row heights are off while the document is being
// filled and come back on when the run lets go of it.
class CalcDocument : public SpreadsheetDocument
{
public:
    CalcDocument(css::uno::Reference<css::sheet::XSpreadsheetDocument> document, AliveFlag alive);
    ~CalcDocument() override;

    int sheetCount() override;
    QString sheetName(int index) override;
    std::unique_ptr<SpreadsheetSheet> sheetAt(int index) override;
    bool hasSheet(const QString &name) override;
    void removeSheet(const QString &name) override;
    void insertSheet(const QString &name, int position) override;
    SheetLimits limits() override;
    std::optional<QRect> bringToFront() override;

    css::uno::Reference<css::sheet::XSpreadsheetDocument> model() const { return m_document; }

private:
    // The sheet container, fetched anew for every operation.
    css::uno::Reference<css::sheet::XSpreadsheets> sheets() const;
    css::uno::Reference<css::sheet::XSpreadsheet> sheetByIndex(int index) const;
    // While a document is being filled, Calc neither fits row heights nor
    // keeps what it would need to undo each block.
    void setFilling(bool filling);

    css::uno::Reference<css::sheet::XSpreadsheetDocument> m_document;
    AliveFlag m_alive;
    sal_Int32 m_textFormat = 0;
    std::shared_ptr<CellFormats> m_formats;
};

std::vector<RowRectangle> rectanglesOf(const RowBlock &rows);

} // namespace quillora::lo
