// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/sheetlayout.h"

#include "core/text/linesplitter.h"
#include "core/text/stagedline.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <map>

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

void SheetLayout::setRenames(const QList<Rename> &renames)
{
    m_renames.clear();
    for (const auto &[from, to] : renames)
        m_renames.insert(matchedName(from), to);
}

void SheetLayout::addFile(const FileEntry &entry)
{
    File file{entry.listIndex, entry.path, (m_files.empty() ? 0 : m_files.back().endLine) + entry.lines,
              std::nullopt, stagedLineOf({entry.shownName}), entry.typing, entry.fileLines, entry.headLines,
              std::nullopt};
    // A new file's header may make a column text in the files before it.
    m_textColumns.reset();
    if (entry.header) {
        file.columns = matchColumns(entry.noteName, *entry.header);
        m_headerSeen = true;
        if (!m_firstHeaderAt)
            m_firstHeaderAt = m_files.size();
    }
    m_fileAt.emplace(entry.listIndex, m_files.size());
    m_files.push_back(std::move(file));
}

// Lines are placed in order: the file of the last one, or one after it.
const SheetLayout::File *SheetLayout::fileOf(qint64 index)
{
    while (m_current + 1 < m_files.size() && index >= m_files[m_current].endLine)
        ++m_current;
    return m_files.empty() ? nullptr : &m_files[m_current];
}

const CellTyping &SheetLayout::typingAt(qint64 index)
{
    static const CellTyping None;
    const File *file = fileOf(index);
    if (!file)
        return None;
    // Known once every file is in: a typing per file, made at its first
    // line, anew where a file came after it.
    File &placed = m_files[size_t(file - m_files.data())];
    if (!placed.sheetTyping || placed.typedWithFiles != m_files.size()) {
        placed.sheetTyping = sheetTypingOf(placed);
        placed.typedWithFiles = m_files.size();
    }
    return *placed.sheetTyping;
}

// The named columns some file's cells make text, found once for all files.
const std::set<qsizetype> &SheetLayout::textColumns()
{
    if (!m_textColumns) {
        m_textColumns.emplace();
        for (const File &file : m_files) {
            for (size_t cell = 0; file.columns && cell < file.typing.columns.size() && cell < file.columns->size(); ++cell) {
                if (file.typing.columns[cell] == ColumnKind::Text)
                    m_textColumns->insert((*file.columns)[cell]);
            }
        }
    }
    return *m_textColumns;
}

// Where a cell of the file's rows lands: its named column, or after all
// named ones; past the file column.
qsizetype SheetLayout::sheetColumnOf(const File &file, qsizetype cell) const
{
    const qsizetype first = m_fileColumn ? 1 : 0;
    if (!file.columns)
        return first + cell;
    const std::vector<qsizetype> &columns = *file.columns;
    const qsizetype named = m_names.size();
    return first + (cell < qsizetype(columns.size()) ? columns[size_t(cell)] : named + cell - qsizetype(columns.size()));
}

CellTyping SheetLayout::sheetTypingOf(const File &file)
{
    CellTyping typing = file.typing;
    typing.textColumns = m_fileColumn ? 1 : 0;
    typing.columns.clear();
    const std::set<qsizetype> &text = textColumns();
    for (qsizetype cell = 0; cell < qsizetype(file.typing.columns.size()); ++cell) {
        const qsizetype column = sheetColumnOf(file, cell);
        if (column >= qsizetype(typing.columns.size()))
            typing.columns.resize(size_t(column) + 1, ColumnKind::Automatic);
        const bool named = file.columns && cell < qsizetype(file.columns->size());
        ColumnKind kind = file.typing.columns[size_t(cell)];
        if (named && kind == ColumnKind::Number && text.contains((*file.columns)[size_t(cell)]))
            kind = ColumnKind::Text;
        typing.columns[size_t(column)] = kind;
    }
    // The user's choices stand over what the cells show, also in columns
    // of no typed cell; skipped columns are left out of the row.
    const qsizetype first = m_fileColumn ? 1 : 0;
    const qsizetype widest = std::max<qsizetype>(qsizetype(typing.columns.size()), first + m_names.size());
    for (qsizetype column = first; column < widest; ++column) {
        if (const auto chosen = chosenKind(column - first)) {
            if (column >= qsizetype(typing.columns.size()))
                typing.columns.resize(size_t(column) + 1, ColumnKind::Automatic);
            typing.columns[size_t(column)] = *chosen;
        }
    }
    for (qsizetype column = qsizetype(typing.columns.size()) - 1; column >= first; --column) {
        if (skipped(column - first))
            typing.columns.erase(typing.columns.begin() + column);
    }
    return typing;
}

std::optional<ColumnKind> SheetLayout::chosenKind(qsizetype column) const
{
    for (const ColumnChoice &choice : m_choices) {
        const bool byNumber = choice.number > 0 && choice.number - 1 == column;
        const bool byName = choice.number == 0 && column < m_names.size()
            && m_columns[size_t(column)].folded == matchedName(choice.name);
        if (byNumber || byName)
            return choice.kind;
    }
    return std::nullopt;
}

QList<ColumnChoice> SheetLayout::choicesMet() const
{
    QList<ColumnChoice> met;
    for (const ColumnChoice &choice : m_choices) {
        const bool named = std::any_of(m_columns.begin(), m_columns.end(),
                                       [&](const Column &column) { return column.folded == matchedName(choice.name); });
        if (choice.number > 0 || named)
            met.append(choice);
    }
    return met;
}

// A row's cells without those of skipped columns (past the file column).
void SheetLayout::dropSkipped(std::vector<QStringView> &cells) const
{
    const qsizetype first = m_fileColumn ? 1 : 0;
    for (qsizetype column = qsizetype(cells.size()) - 1; column >= first; --column) {
        if (skipped(column - first))
            cells.erase(cells.begin() + column);
    }
}

// A header's names find their columns in three passes, so that no value
// goes under a column of another name: the same spelling first (and for a
// name renamed, a column renamed from the same name: a rename onto a name the
// header has already keeps the two apart); then the same spelling at all (a
// rename joins the column of its new name); then the same name but for case
// and Unicode form, where one name of the header and one column are left
// that could match ("Amount" = "amount"; "ID" and "id" of one header each
// keep their own). The rest are new columns, in order.
std::vector<qsizetype> SheetLayout::matchColumns(const QString &fileName, const QStringList &header)
{
    std::vector<Column> names;
    for (const QString &name : header) {
        const QString spelt = comparedName(name).toString();
        const QString folded = matchedName(spelt);
        const auto renamed = m_renames.constFind(folded);
        if (renamed == m_renames.cend()) {
            names.push_back({spelt, folded, QString()});
        } else {
            names.push_back({comparedName(*renamed).toString(), matchedName(*renamed), folded});
            m_renamesMet.insert(folded);
        }
    }
    std::vector<qsizetype> columns(names.size(), -1);
    std::vector<bool> taken(m_columns.size(), false);
    const auto take = [&](size_t i, const auto &fits) {
        for (size_t c = 0; c < m_columns.size(); ++c) {
            if (!taken[c] && fits(m_columns[c])) {
                taken[c] = true;
                columns[i] = qsizetype(c);
                return;
            }
        }
    };
    for (size_t i = 0; i < names.size(); ++i)
        take(i, [&](const Column &column) { return column.spelt == names[i].spelt && column.from == names[i].from; });
    for (size_t i = 0; i < names.size(); ++i) {
        if (columns[i] < 0)
            take(i, [&](const Column &column) { return column.spelt == names[i].spelt; });
    }
    const auto alike = [&](const QString &folded) {
        qsizetype left = 0;
        for (size_t i = 0; i < names.size(); ++i)
            left += columns[i] < 0 && names[i].folded == folded;
        qsizetype free = 0;
        for (size_t c = 0; c < m_columns.size(); ++c)
            free += !taken[c] && m_columns[c].folded == folded;
        return left == 1 && free == 1;
    };
    for (size_t i = 0; i < names.size(); ++i) {
        if (columns[i] >= 0 || !alike(names[i].folded))
            continue;
        take(i, [&](const Column &column) { return column.folded == names[i].folded; });
        QStringList &files = m_spellings[{columns[i], names[i].spelt}];
        if (files.isEmpty() || files.back() != fileName)
            files.append(fileName);
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (columns[i] >= 0)
            continue;
        columns[i] = m_names.size();
        m_columns.push_back(names[i]);
        // A renamed column is called by its new name.
        const auto renamed = m_renames.constFind(matchedName(header[qsizetype(i)]));
        m_names.append(renamed != m_renames.cend() ? *renamed : QString(header[qsizetype(i)]).remove(QChar(0xFEFF)));
    }
    m_headers.push_back({fileName, columns});
    return columns;
}

HeaderPlan SheetLayout::headerPlan() const
{
    HeaderPlan plan;
    plan.columns = m_names;
    plan.changes = headerChanges(m_headers, m_names);
    // The columns spelt otherwise in the same files are one change, told
    // once: a header whose names all changed case is one line.
    std::map<QStringList, std::vector<std::pair<qsizetype, QString>>> byFiles;
    std::vector<QStringList> order;
    for (const auto &[spelling, files] : m_spellings) {
        auto &group = byFiles[files];
        if (group.empty())
            order.push_back(files);
        group.push_back(spelling);
    }
    constexpr qsizetype MostFiles = 3;
    constexpr qsizetype MostColumns = 4;
    for (const QStringList &files : order) {
        const auto &group = byFiles[files];
        if (group.size() == 1) {
            plan.spellings.append(tr("\"%1\" is spelt \"%2\" in %Ln file(s): %3", nullptr, int(files.size()))
                                      .arg(m_names[group.front().first], group.front().second, fewOf(files, MostFiles)));
        } else {
            QStringList names;
            QStringList spelt;
            for (const auto &[column, other] : group) {
                names.append(QCoreApplication::translate("quillora::HeaderPlan", "\"%1\"").arg(m_names[column]));
                spelt.append(QCoreApplication::translate("quillora::HeaderPlan", "\"%1\"").arg(other));
            }
            //: %1 the names ("\"amount\", \"date\""), %2 as those files spell them, %3 the files
            plan.spellings.append(tr("%1 are spelt %2 in %Ln file(s): %3", nullptr, int(files.size()))
                                      .arg(fewOf(names, MostColumns), fewOf(spelt, MostColumns), fewOf(files, MostFiles)));
        }
        plan.spellingColumns.append(qsizetype(group.size()));
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
            return Place{file.listIndex, file.path, lines - start, file.fileLines.lineOf(file.headLines + lines - start - 1)};
        start = file.endLine;
    }
    return std::nullopt;
}

std::vector<std::pair<int, qint64>> SheetLayout::fileEnds() const
{
    std::vector<std::pair<int, qint64>> ends;
    for (const File &file : m_files)
        ends.emplace_back(file.listIndex, file.endLine);
    return ends;
}

std::pair<QStringList, QStringList> SheetLayout::headerDriftOf(int listIndex) const
{
    const auto at = m_fileAt.find(listIndex);
    if (at == m_fileAt.end() || !m_firstHeaderAt)
        return {};
    const File *first = &m_files[*m_firstHeaderAt];
    const File *file = &m_files[at->second];
    if (!file->columns)
        return {};
    const std::vector<qsizetype> &firstColumns = *first->columns;
    const std::vector<qsizetype> &columns = *file->columns;
    const auto namesIn = [&](const std::vector<qsizetype> &these, const std::vector<qsizetype> &others) {
        QStringList names;
        for (const qsizetype column : these) {
            if (std::ranges::find(others, column) == others.end() && !names.contains(m_names.value(column)))
                names.append(m_names.value(column));
        }
        return names;
    };
    return {namesIn(firstColumns, columns), namesIn(columns, firstColumns)};
}

QString SheetLayout::headerLine() const
{
    QStringList cells;
    if (m_fileColumn) {
        // "File", unless a header has a column of that name already.
        QString title = tr("File");
        const auto taken = [&](const QString &name) {
            return std::any_of(m_columns.begin(), m_columns.end(),
                               [&](const Column &column) { return column.folded == matchedName(name); });
        };
        for (int n = 2; taken(title); ++n)
            title = tr("File %1").arg(n);
        cells.append(title);
    }
    for (qsizetype column = 0; column < m_names.size(); ++column) {
        if (!skipped(column))
            cells.append(m_names[column]);
    }
    return stagedLineOf(cells);
}

qsizetype SheetLayout::appendRow(QStringView line, qint64 index, RowBlock &rows, qsizetype maxColumns)
{
    const File *const found = fileOf(index);
    // An empty line stays an empty row, without a file.
    if (line.isEmpty() || !found || plain())
        return rows.appendStagedLine(line, maxColumns);
    const File &file = *found;
    splitStagedLine(line, m_cells);
    const qsizetype first = m_fileColumn ? 1 : 0;
    m_placed.clear();
    if (m_fileColumn)
        m_placed.push_back(file.stagedName);
    if (!file.columns) {
        m_placed.insert(m_placed.end(), m_cells.begin(), m_cells.end());
        dropSkipped(m_placed);
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
    dropSkipped(m_placed);
    return rows.appendStagedCells(m_placed, maxColumns);
}

} // namespace quillora
