// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/sheetlayout.h"

#include "core/text/linesplitter.h"
#include "core/text/stagedline.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// A name as it is compared: spaces, tabs and byte-order marks around it do
// not count.
QStringView comparedName(QStringView name)
{
    const auto isPadding = [](QChar c) { return c == u' ' || c == u'\t' || c == QChar(0xFEFF); };
    while (!name.isEmpty() && isPadding(name.front()))
        name = name.sliced(1);
    while (!name.isEmpty() && isPadding(name.back()))
        name.chop(1);
    return name;
}

// How a report names a column: its name, and which of its namesakes it is.
QString shownColumn(const QString &key)
{
    const qsizetype cut = key.lastIndexOf(QChar(0));
    const QString name = u"\"%1\""_s.arg(key.first(cut));
    const int occurrence = key.sliced(cut + 1).toInt();
    return occurrence > 1 ? u"%1 (number %2 of that name)"_s.arg(name).arg(occurrence) : name;
}

// The first few names, then how many more: a header of thousands of
// columns makes a line, not a page.
QString shownColumns(const QStringList &keys)
{
    constexpr qsizetype MostNamed = 5;
    QStringList shown;
    for (qsizetype i = 0; i < keys.size() && i < MostNamed; ++i)
        shown.append(shownColumn(keys[i]));
    if (keys.size() > MostNamed)
        return u"%1 columns: %2, ..."_s.arg(keys.size()).arg(shown.join(u", "_s));
    return shown.join(u", "_s);
}
} // namespace

QStringList SheetLayout::keysOf(const QStringList &header)
{
    QHash<QString, int> seen;
    QStringList keys;
    for (const QString &name : header) {
        const QString compared = comparedName(name).toString();
        keys.append(compared + QChar(0) + QString::number(++seen[compared]));
    }
    return keys;
}

std::optional<QString> SheetLayout::addFile(int listIndex, const QString &path, qint64 lines,
                                            const std::optional<QStringList> &header, const QString &shownName)
{
    File file{listIndex, path, (m_files.empty() ? 0 : m_files.back().endLine) + lines, std::nullopt,
              stagedLineOf({shownName})};
    std::optional<QString> note;
    if (header) {
        note = differenceFromFirst(path, *header);
        file.columns = matchColumns(*header);
        m_headerSeen = true;
    }
    m_files.push_back(std::move(file));
    return note;
}

std::vector<qsizetype> SheetLayout::matchColumns(const QStringList &header)
{
    const QStringList keys = keysOf(header);
    std::vector<qsizetype> columns;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        auto found = m_columnOf.constFind(keys[i]);
        if (found == m_columnOf.cend()) {
            found = m_columnOf.insert(keys[i], m_names.size());
            m_names.append(QString(header[i]).remove(QChar(0xFEFF)));
        }
        columns.push_back(*found);
    }
    return columns;
}

std::optional<QString> SheetLayout::differenceFromFirst(const QString &path, const QStringList &header)
{
    const QStringList keys = keysOf(header);
    if (!m_headerSeen) {
        m_firstHeader = keys;
        return std::nullopt;
    }
    if (keys == m_firstHeader)
        return std::nullopt;
    const QSet<QString> first(m_firstHeader.cbegin(), m_firstHeader.cend());
    const QSet<QString> own(keys.cbegin(), keys.cend());
    QStringList adds, lacks;
    for (const QString &key : keys) {
        if (!first.contains(key))
            adds.append(key);
    }
    for (const QString &key : m_firstHeader) {
        if (!own.contains(key))
            lacks.append(key);
    }
    QStringList differences;
    if (!adds.isEmpty())
        differences.append(u"it adds %1"_s.arg(shownColumns(adds)));
    if (!lacks.isEmpty())
        differences.append(u"it lacks %1"_s.arg(shownColumns(lacks)));
    if (differences.isEmpty())
        differences.append(u"its columns stand in another order"_s);
    return u"The header of the file \"%1\" is not the first file's: %2. Its cells were put under the columns of "
           u"their names."_s.arg(path, differences.join(u"; "_s));
}

std::optional<SheetLayout::Place> SheetLayout::placeOf(qint64 lines) const
{
    if (lines <= 0)
        return std::nullopt;
    qint64 start = 0;
    for (const File &file : m_files) {
        if (lines <= file.endLine)
            return Place{file.listIndex, file.path, lines - start};
        start = file.endLine;
    }
    return std::nullopt;
}

QString SheetLayout::headerLine() const
{
    QStringList cells;
    if (m_fileColumn) {
        // "File", unless a header has a column of that name already.
        QString title = u"File"_s;
        for (int n = 2; m_columnOf.contains(title + QChar(0) + u'1'); ++n)
            title = u"File %1"_s.arg(n);
        cells.append(title);
    }
    return stagedLineOf(cells + m_names);
}

qsizetype SheetLayout::appendRow(QStringView line, qint64 index, RowBlock &rows, qsizetype maxColumns)
{
    while (m_current + 1 < m_files.size() && index >= m_files[m_current].endLine)
        ++m_current;
    // An empty line stays an empty row, without a file.
    if (line.isEmpty() || m_files.empty() || (!m_fileColumn && !m_files[m_current].columns))
        return rows.appendStagedLine(line, maxColumns);
    const File &file = m_files[m_current];
    splitStagedLine(line, m_cells);
    const qsizetype first = m_fileColumn ? 1 : 0;
    m_placed.clear();
    if (m_fileColumn)
        m_placed.push_back(file.stagedName);
    if (!file.columns) {
        m_placed.insert(m_placed.end(), m_cells.begin(), m_cells.end());
        return rows.appendStagedCells(m_placed, maxColumns);
    }
    const std::vector<qsizetype> &columns = *file.columns;
    const qsizetype named = m_names.size();
    for (size_t cell = 0; cell < m_cells.size(); ++cell) {
        const qsizetype column =
            first + (cell < columns.size() ? columns[cell] : named + qsizetype(cell - columns.size()));
        if (column >= qsizetype(m_placed.size()))
            m_placed.resize(size_t(column) + 1);
        m_placed[size_t(column)] = m_cells[cell];
    }
    return rows.appendStagedCells(m_placed, maxColumns);
}

} // namespace quillora
