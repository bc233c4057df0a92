// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/columnnotes.h"

#include "core/import/columnchoices.h"

namespace quillora {

namespace {
// A column as a note names it after the word "column": by its header
// name in quotes, else by its number.
QString columnNamed(const FileAccount &account, qsizetype column)
{
    if (account.header && column < account.header->size())
        return u'"' + account.header->at(column) + u'"';
    return QString::number(column + 1);
}
} // namespace

void addColumnNotes(QList<AccountWords::Note> &notes, const FileAccount &account, const QString &path)
{
    for (qsizetype column = 0; column < qsizetype(account.columns.size()); ++column) {
        const ColumnFinding &finding = account.columns[size_t(column)];
        const QString name = columnNamed(account, column);
        switch (finding.reason) {
        case KindReason::None:
            break;
        case KindReason::MustStayText:
            //: %2 a column's name in quotes or its number ("zip", 3), %3 a cell of it
            notes.append({.text = AccountWords::tr("Column %2 of the file \"%1\" holds \"%3\", which would change as "
                                                   "a number: the whole column stays text.")
                                      .arg(path, name, finding.example)});
            break;
        case KindReason::UnsettledOrder:
            //: %2 a column's name in quotes or its number, %3 a date of it
            notes.append({.text = AccountWords::tr("The dates of column %2 of the file \"%1\" (\"%3\") could be day "
                                                   "or month first: they stay text. To store them as dates, choose "
                                                   "their order (--column NAME=date-dmy or date-mdy).")
                                      .arg(path, name, finding.example)});
            break;
        case KindReason::MixedOrder:
            //: %2 a column's name in quotes or its number, %3 a date of it
            notes.append({.text = AccountWords::tr("Column %2 of the file \"%1\" holds dates day first and month first "
                                                   "(\"%3\"): they stay text.")
                                      .arg(path, name, finding.example)});
            break;
        }
    }
}

QString columnKindsShown(const FileAccount &account)
{
    QStringList kinds;
    for (qsizetype column = 0; column < qsizetype(account.columns.size()); ++column) {
        const ColumnKind kind = account.columns[size_t(column)].kind;
        if (kind != ColumnKind::Automatic)
            kinds.append((account.header && column < account.header->size() ? account.header->at(column)
                                                                              : QString::number(column + 1))
                         + u": " + wordOfKind(kind));
    }
    return kinds.join(u", ");
}

} // namespace quillora
