// SPDX-License-Identifier: GPL-3.0-or-later
#include "calcreader.h"

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>

#include "libreoffice/officesession.h"

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <osl/file.hxx>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

using namespace css;
using namespace Qt::Literals::StringLiterals;
using quillora::lo::toQString;
using quillora::lo::toOUString;

namespace quillora::test {

namespace {
uno::Reference<sheet::XSpreadsheet> sheetNamed(const uno::Reference<sheet::XSpreadsheetDocument> &document,
                                              const QString &name)
{
    uno::Reference<sheet::XSpreadsheet> sheet;
    document->getSheets()->getByName(toOUString(name)) >>= sheet;
    return sheet;
}

table::CellRangeAddress usedArea(const uno::Reference<sheet::XSpreadsheet> &sheet)
{
    const uno::Reference<sheet::XSheetCellCursor> cursor = sheet->createCursor();
    uno::Reference<sheet::XUsedAreaCursor>(cursor, uno::UNO_QUERY_THROW)->gotoEndOfUsedArea(false);
    return uno::Reference<sheet::XCellRangeAddressable>(cursor, uno::UNO_QUERY_THROW)->getRangeAddress();
}

// Rows without their trailing empty cells, without trailing empty rows.
void trimEmptyEnds(QList<QStringList> &rows)
{
    for (QStringList &cells : rows) {
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
    }
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
}

QString pattern(const QString &pipeName)
{
    return QStringLiteral("pipe,name=") + pipeName + u';';
}

QString pattern(lo::OfficeSession &session)
{
    return pattern(session.pipeName());
}

int quietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
} // namespace

QStringList calcSheetNames(const uno::Reference<sheet::XSpreadsheetDocument> &document)
{
    QStringList names;
    const uno::Reference<container::XIndexAccess> sheets(document->getSheets(), uno::UNO_QUERY_THROW);
    for (sal_Int32 i = 0; i < sheets->getCount(); ++i) {
        uno::Reference<container::XNamed> sheet;
        sheets->getByIndex(i) >>= sheet;
        names.append(toQString(sheet->getName()));
    }
    return names;
}

QList<QStringList> calcRows(const uno::Reference<sheet::XSpreadsheetDocument> &document, const QString &name)
{
    const uno::Reference<sheet::XSpreadsheet> sheet = sheetNamed(document, name);
    const table::CellRangeAddress end = usedArea(sheet);
    const uno::Sequence<uno::Sequence<uno::Any>> data =
        uno::Reference<sheet::XCellRangeData>(sheet->getCellRangeByPosition(0, 0, end.EndColumn, end.EndRow),
                                              uno::UNO_QUERY_THROW)
            ->getDataArray();
    QList<QStringList> rows;
    for (sal_Int32 r = 0; r < data.getLength(); ++r) {
        QStringList cells;
        for (sal_Int32 c = 0; c < data[r].getLength(); ++c) {
            rtl::OUString text;
            // A number or a date as the cell shows it.
            if (!(data[r][c] >>= text)) {
                text = uno::Reference<text::XText>(sheet->getCellByPosition(c, r), uno::UNO_QUERY_THROW)
                           ->getString();
            }
            cells.append(toQString(text));
        }
        rows.append(cells);
    }
    trimEmptyEnds(rows);
    return rows;
}

CalcCell calcCell(const uno::Reference<sheet::XSpreadsheetDocument> &document, const QString &name, int column,
                  int row)
{
    const uno::Reference<table::XCell> cell = sheetNamed(document, name)->getCellByPosition(column, row);
    return {cell->getType(), toQString(uno::Reference<text::XText>(cell, uno::UNO_QUERY_THROW)->getString()),
            cell->getValue()};
}

namespace {
bool isDate(const uno::Reference<sheet::XSpreadsheetDocument> &document, const uno::Reference<table::XCell> &cell)
{
    sal_Int32 key = 0;
    uno::Reference<beans::XPropertySet>(cell, uno::UNO_QUERY_THROW)->getPropertyValue(rtl::OUString("NumberFormat")) >>= key;
    sal_Int16 type = 0;
    uno::Reference<util::XNumberFormatsSupplier>(document, uno::UNO_QUERY_THROW)
            ->getNumberFormats()
            ->getByKey(key)
            ->getPropertyValue(rtl::OUString("Type"))
        >>= type;
    return (type & util::NumberFormat::DATE) != 0;
}
} // namespace

QList<QStringList> calcCellStates(const uno::Reference<sheet::XSpreadsheetDocument> &document, const QString &name)
{
    const uno::Reference<sheet::XSpreadsheet> sheet = sheetNamed(document, name);
    const table::CellRangeAddress end = usedArea(sheet);
    QList<QStringList> rows;
    for (sal_Int32 r = 0; r <= end.EndRow; ++r) {
        QStringList cells;
        for (sal_Int32 c = 0; c <= end.EndColumn; ++c) {
            const uno::Reference<table::XCell> cell = sheet->getCellByPosition(c, r);
            const QString shown = toQString(uno::Reference<text::XText>(cell, uno::UNO_QUERY_THROW)->getString());
            if (cell->getError() != 0)
                cells.append(u"error:"_s + shown);
            else if (cell->getType() == table::CellContentType_EMPTY)
                cells.append(QString());
            else if (cell->getType() == table::CellContentType_TEXT)
                cells.append(u"text:"_s + shown);
            else
                cells.append(u"%1:%2=%3"_s.arg(isDate(document, cell) ? u"date"_s : u"number"_s, shown)
                                 .arg(cell->getValue(), 0, 'g', 17));
        }
        rows.append(cells);
    }
    trimEmptyEnds(rows);
    return rows;
}

QStringList calcNarrowNumberColumns(const uno::Reference<sheet::XSpreadsheetDocument> &document, const QString &name)
{
    const uno::Reference<sheet::XSpreadsheet> sheet = sheetNamed(document, name);
    const table::CellRangeAddress end = usedArea(sheet);
    const uno::Reference<table::XTableColumns> columns =
        uno::Reference<table::XColumnRowRange>(sheet, uno::UNO_QUERY_THROW)->getColumns();
    QStringList narrow;
    for (sal_Int32 c = 0; c <= end.EndColumn; ++c) {
        bool numbers = false;
        for (sal_Int32 r = 0; r <= end.EndRow && !numbers; ++r)
            numbers = sheet->getCellByPosition(c, r)->getType() == table::CellContentType_VALUE;
        if (!numbers)
            continue;
        // Text beside the numbers may be cut at the column's edge; the
        // numbers must show whole. (The document is measured, not kept.)
        for (sal_Int32 r = 0; r <= end.EndRow; ++r) {
            const uno::Reference<table::XCell> cell = sheet->getCellByPosition(c, r);
            if (cell->getType() == table::CellContentType_TEXT)
                cell->setFormula(rtl::OUString());
        }
        const uno::Reference<beans::XPropertySet> column(columns->getByIndex(c), uno::UNO_QUERY_THROW);
        sal_Int32 width = 0;
        sal_Int32 optimal = 0;
        column->getPropertyValue(rtl::OUString("Width")) >>= width;
        column->setPropertyValue(rtl::OUString("OptimalWidth"), uno::Any(true));
        column->getPropertyValue(rtl::OUString("Width")) >>= optimal;
        // The optimal width leaves 2 mm over what the cell needs.
        if (width < optimal - 200)
            narrow.append(u"column %1: %2 < %3"_s.arg(c + 1).arg(width).arg(optimal));
    }
    return narrow;
}

QList<uno::Reference<sheet::XSpreadsheetDocument>> calcDocuments(lo::OfficeSession &session)
{
    QList<uno::Reference<sheet::XSpreadsheetDocument>> documents;
    const uno::Reference<container::XEnumeration> components = session.desktop()->getComponents()->createEnumeration();
    while (components->hasMoreElements()) {
        const uno::Reference<sheet::XSpreadsheetDocument> document(components->nextElement(), uno::UNO_QUERY);
        if (document.is())
            documents.append(document);
    }
    return documents;
}

bool calcEditsAsUsual(const uno::Reference<sheet::XSpreadsheetDocument> &document)
{
    const uno::Reference<beans::XPropertySet> properties(document, uno::UNO_QUERY_THROW);
    bool undo = false;
    bool heights = false;
    properties->getPropertyValue(rtl::OUString("IsUndoEnabled")) >>= undo;
    properties->getPropertyValue(rtl::OUString("IsAdjustHeightEnabled")) >>= heights;
    return undo && heights;
}

bool calcInFront(const uno::Reference<sheet::XSpreadsheetDocument> &document)
{
    const uno::Reference<frame::XModel> model(document, uno::UNO_QUERY_THROW);
    const uno::Reference<frame::XFrame> frame = model->getCurrentController()->getFrame();
    const uno::Reference<awt::XWindow2> window(frame->getContainerWindow(), uno::UNO_QUERY_THROW);
    return frame->isActive() && window->isActive();
}

double calcFormulaValue(const uno::Reference<sheet::XSpreadsheetDocument> &document, const QString &name,
                        const QString &formula)
{
    const uno::Reference<table::XCell> cell = sheetNamed(document, name)->getCellByPosition(1000, 100000);
    cell->setFormula(toOUString(formula));
    return cell->getValue();
}

uno::Reference<sheet::XSpreadsheetDocument> openCalcFile(lo::OfficeSession &session, const QString &path)
{
    rtl::OUString url;
    osl::FileBase::getFileURLFromSystemPath(toOUString(path), url);
    beans::PropertyValue hidden;
    hidden.Name = rtl::OUString("Hidden");
    hidden.Value <<= true;
    const uno::Reference<lang::XComponent> component = session.desktop()->loadComponentFromURL(
        url, rtl::OUString("_blank"), 0, uno::Sequence<beans::PropertyValue>(&hidden, 1));
    return uno::Reference<sheet::XSpreadsheetDocument>(component, uno::UNO_QUERY_THROW);
}

void closeCalcFile(const uno::Reference<sheet::XSpreadsheetDocument> &document)
{
    uno::Reference<util::XCloseable>(document, uno::UNO_QUERY_THROW)->close(true);
}

bool officeRuns(lo::OfficeSession &session)
{
    return quietly(QStringLiteral("pgrep"), {QStringLiteral("-f"), pattern(session)}) == 0;
}

void stopOffice(lo::OfficeSession &session)
{
    try {
        if (session.connected()) {
            // Unsaved documents would make LibreOffice ask before it ends.
            const uno::Reference<container::XEnumeration> components =
                session.desktop()->getComponents()->createEnumeration();
            while (components->hasMoreElements()) {
                uno::Reference<util::XModifiable> modifiable(components->nextElement(), uno::UNO_QUERY);
                if (modifiable.is())
                    modifiable->setModified(false);
            }
            session.desktop()->terminate();
        }
    } catch (const uno::Exception &) {
        // It goes away while answering.
    }
    const QDeadlineTimer deadline(30000);
    while (officeRuns(session) && !deadline.hasExpired())
        QThread::msleep(200);
    if (officeRuns(session))
        quietly(QStringLiteral("pkill"), {QStringLiteral("-9"), QStringLiteral("-f"), pattern(session)});
}

void signalOffice(lo::OfficeSession &session, const QString &signal)
{
    quietly(QStringLiteral("pkill"), {u'-' + signal, QStringLiteral("-f"), pattern(session)});
}

void killOffice(lo::OfficeSession &session)
{
    killOfficeOnPipe(session.pipeName());
}

void killOfficeOnPipe(const QString &pipeName)
{
    quietly(QStringLiteral("pkill"), {QStringLiteral("-9"), QStringLiteral("-f"), pattern(pipeName)});
}

} // namespace quillora::test
