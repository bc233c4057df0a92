// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/columnchoices.h"
#include "core/import/headerplan.h"
#include "core/import/renames.h"
#include "core/text/linesplitter.h"
#include "core/text/rowblock.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

namespace quillora {

// Where the rows of a sheet's files take their places. Files with a header
// share the sheet's columns by name: the first row is the union of their
// headers' names in order of first appearance, as first spelt, and each
// file's cells go under the names of its header, a name twice in one header
// matched by occurrence. Names match without regard to letter case and
// Unicode normalisation form ("Amount" = "amount"), after renames. Cells past the end of a file's header go in columns after all
// named ones, in their order. A file without a header keeps its columns as
// they are. With a file column, each row that holds anything starts with its
// file's name.
class SheetLayout
{
    Q_DECLARE_TR_FUNCTIONS(quillora::SheetLayout)

public:
    // Header names that count as others before they are matched: "client"
    // joins "customer".
    void setRenames(const QList<Rename> &renames);
    // The renames a header met, by the name renamed as it is matched.
    const QSet<QString> &renamesMet() const { return m_renamesMet; }
    // The kinds the user chose for columns, by name or number: they stand
    // over what the files' cells show; a skipped column is left out.
    void setColumnChoices(const QList<ColumnChoice> &choices) { m_choices = choices; }
    // The choices some column of the sheet met.
    QList<ColumnChoice> choicesMet() const;
    // A header name as names are matched.
    static QString matchedName(QStringView name);

    // A file whose rows were staged after those before it.
    struct FileEntry
    {
        int listIndex = 0;                 // its place in the list
        QString path;
        qint64 lines = 0;
        std::optional<QStringList> header; // nullopt: it had none
        QString shownName;                 // what its file column shows
        QString noteName;                  // how notes name it
        CellTyping typing = {};            // which of its cells are numbers or dates
        // The file's line each of its staged lines starts on, and the
        // staged lines of its head (skipped, and the header).
        RecordLines fileLines = {};
        qint64 headLines = 0;
    };
    void addFile(const FileEntry &entry);
    // How the cells of the line at index (from 0, over all the files) are
    // typed: as its file's, past the file column, each column under the
    // sheet's column it lands in. A named column where one file's cells
    // must stay text is text in every file.
    const CellTyping &typingAt(qint64 index);
    // The sheet's columns and how the headers of its files drift.
    HeaderPlan headerPlan() const;

    // The file the first lines (over all the files) end in, how many of its
    // rows they hold, and the file's own line of the last; nullopt for none.
    struct Place
    {
        int listIndex;
        QString path;
        qint64 row;
        qint64 line;
    };
    std::optional<Place> placeOf(qint64 lines) const;
    void setFileColumn(bool on) { m_fileColumn = on; }
    // The files in order: each one's place in the list, and the index after
    // its last line (over all the files).
    std::vector<std::pair<int, qint64>> fileEnds() const;
    // The named columns the header of the file at that place in the list
    // lacks and adds against the first header; empty for a file without one.
    std::pair<QStringList, QStringList> headerDriftOf(int listIndex) const;

    // Whether the sheet starts with a header row: a file had a header.
    bool hasHeaderRow() const { return m_headerSeen; }
    // That row, as a staged line.
    QString headerLine() const;
    // Lines go to the sheet as they are: no header, no file column and no
    // column left out.
    bool plain() const
    {
        return !m_fileColumn && !hasHeaderRow()
            && std::none_of(m_choices.begin(), m_choices.end(),
                            [](const ColumnChoice &choice) { return choice.kind == ColumnKind::Skip; });
    }

    // Appends the staged line at index (from 0, over all the files) as a
    // row; returns the cells with text left out past maxColumns.
    qsizetype appendRow(QStringView line, qint64 index, RowBlock &rows, qsizetype maxColumns);

private:
    struct File
    {
        int listIndex;
        QString path;
        qint64 endLine;                    // the index after its last line
        std::optional<std::vector<qsizetype>> columns; // header cell -> named column
        QString stagedName;                // its file column cell, staged
        CellTyping typing;
        RecordLines fileLines;
        qint64 headLines;
        std::optional<CellTyping> sheetTyping; // typing, by the sheet's columns
        size_t typedWithFiles = 0;             // the files there were when it was made
    };
    // A named column as names are matched: its name as spelt and as
    // compared, and for a renamed one the compared name it had.
    struct Column
    {
        QString spelt;
        QString folded;
        QString from;
    };
    const File *fileOf(qint64 index);
    qsizetype sheetColumnOf(const File &file, qsizetype cell) const;
    CellTyping sheetTypingOf(const File &file);
    const std::set<qsizetype> &textColumns();
    // The kind chosen for the sheet's column (past the file column), if any.
    std::optional<ColumnKind> chosenKind(qsizetype column) const;
    bool skipped(qsizetype column) const { return chosenKind(column) == ColumnKind::Skip; }
    void dropSkipped(std::vector<QStringView> &cells) const;
    std::vector<qsizetype> matchColumns(const QString &noteName, const QStringList &header);

    std::vector<File> m_files;
    std::unordered_map<int, size_t> m_fileAt; // a file's place in m_files, by its place in the list
    std::optional<size_t> m_firstHeaderAt;    // the first file with a header
    size_t m_current = 0;
    QStringList m_names; // the named columns, as first spelt
    std::vector<Column> m_columns; // beside m_names
    QHash<QString, QString> m_renames;
    QSet<QString> m_renamesMet;
    std::vector<HeaderOfFile> m_headers;
    // Other spellings of a column's name, and the files that spell it so.
    std::map<std::pair<qsizetype, QString>, QStringList> m_spellings;
    bool m_headerSeen = false;
    bool m_fileColumn = false;
    QList<ColumnChoice> m_choices;
    std::optional<std::set<qsizetype>> m_textColumns; // see textColumns()
    std::vector<QStringView> m_cells;  // of the line being placed
    std::vector<QStringView> m_placed;
};

} // namespace quillora
