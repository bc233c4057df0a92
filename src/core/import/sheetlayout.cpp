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

} // namespace

QString SheetLayout::matchedName(QStringView name)
{
    return comparedName(name).toString().normalized(QString::NormalizationForm_C).toCaseFolded();
}

QStringList SheetLayout::keysOf(const QStringList &header) const
{
    QHash<QString, int> seen;
    QStringList keys;
    for (const QString &name : header) {
        QString matched = matchedName(name);
        if (const auto renamed = m_renames.constFind(matched); renamed != m_renames.cend())
            matched = matchedName(*renamed);
        keys.append(matched + QChar(0) + QString::number(++seen[matched]));
    }
    return keys;
}

void SheetLayout::addFile(const FileEntry &entry)
{
    File file{entry.listIndex, entry.path, (m_files.empty() ? 0 : m_files.back().endLine) + entry.lines,
              std::nullopt, stagedLineOf({entry.shownName}), entry.typing};
    if (entry.header) {
        file.columns = matchColumns(entry.noteName, *entry.header);
        m_headerSeen = true;
    }
    m_files.push_back(std::move(file));
}

// Lines are placed in order: the file of the last one, or one after it.
const SheetLayout::File *SheetLayout::fileOf(qint64 index)
{
    while (m_current + 1 < m_files.size() && index >= m_files[m_current].endLine)
        ++m_current;
    return m_files.empty() ? nullptr : &m_files[m_current];
}

CellTyping SheetLayout::typingAt(qint64 index)
{
    const File *file = fileOf(index);
    if (!file)
        return {};
    CellTyping typing = file->typing;
    typing.textColumns = m_fileColumn ? 1 : 0;
    return typing;
}

std::vector<qsizetype> SheetLayout::matchColumns(const QString &fileName, const QStringList &header)
{
    const QStringList keys = keysOf(header);
    std::vector<qsizetype> columns;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString spelt = comparedName(header[i]).toString();
        auto found = m_columnOf.constFind(keys[i]);
        if (found == m_columnOf.cend()) {
            found = m_columnOf.insert(keys[i], m_names.size());
            // A renamed column is called by its new name.
            const QString matched = matchedName(header[i]);
            const auto renamed = m_renames.constFind(matched);
            m_names.append(renamed != m_renames.cend() ? *renamed : QString(header[i]).remove(QChar(0xFEFF)));
        } else if (spelt != comparedName(m_names[*found]) && matchedName(spelt) == matchedName(m_names[*found])) {
            QStringList &files = m_spellings[{*found, spelt}];
            if (files.isEmpty() || files.back() != fileName)
                files.append(fileName);
        }
        columns.push_back(*found);
    }
    m_headers.push_back({fileName, columns});
    return columns;
}

HeaderPlan SheetLayout::headerPlan() const
{
    HeaderPlan plan;
    plan.columns = m_names;
    plan.changes = headerChanges(m_headers, m_names);
    for (const auto &[spelling, files] : m_spellings) {
        constexpr qsizetype MostFiles = 3;
        plan.spellings.append(tr("\"%1\" is spelt \"%2\" in %n file(s): %3", nullptr, int(files.size()))
                                  .arg(m_names[spelling.first], spelling.second, fewOf(files, MostFiles)));
    }
    return plan;
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
        QString title = tr("File");
        for (int n = 2; m_columnOf.contains(matchedName(title) + QChar(0) + u'1'); ++n)
            title = tr("File %1").arg(n);
        cells.append(title);
    }
    return stagedLineOf(cells + m_names);
}

qsizetype SheetLayout::appendRow(QStringView line, qint64 index, RowBlock &rows, qsizetype maxColumns)
{
    const File *const found = fileOf(index);
    // An empty line stays an empty row, without a file.
    if (line.isEmpty() || !found || (!m_fileColumn && !found->columns))
        return rows.appendStagedLine(line, maxColumns);
    const File &file = *found;
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
