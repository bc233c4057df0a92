// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reading/fileaccount.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <utility>

namespace quillora {

// The one place a file's account is put into words: the notes told as a
// file is read, the dry run's line, and the report of an import (the
// window's summary, the report sheet, the report file), one row per file.
class AccountWords
{
    Q_DECLARE_TR_FUNCTIONS(quillora::AccountWords)

public:
    struct Note
    {
        // Text that did not land as it stood, rather than something to know.
        bool loss = false;
        QString text;
        // Of how the lines were cut, rather than read.
        bool ofCutting = false;
        // What the user asked for and a report has a column for (lines
        // skipped above each file's table).
        bool routine = false;
    };
    // How a note names its file: by its whole path where it stands alone,
    // by its name beside the file's row.
    enum class Naming { ByPath, ByName };
    // What the user should know of a file read whole; choose says how to
    // choose its encoding, in the front end's words.
    static QList<Note> notesOf(const FileAccount &account, const QString &choose, Naming naming = Naming::ByPath);

    // The preview's line for a file (encoding, line ends, size, rows, how it
    // is cut), and for one cut at its own separator, a sentence saying how.
    static std::pair<QString, QString> previewLine(const FileAccount &account, const QString &lineEnds);
    // "14.6 KiB", or packed "3.2 MiB unpacked from 14.6 KiB".
    static QString sizeShown(const FileAccount &account);
    // "found", "chosen" or "guessed".
    static QString takenShown(EncodingTaken taken);
    // "commas", "\";\"", "whole lines"; with its own separator, as found.
    static QString separatorShown(const FileAccount &account);
    // "decimal comma", "decimal point", or empty where numbers stay text.
    static QString decimalShown(QChar sign);
    // "lacks: a, b; adds: c", or empty.
    static QString headerChangesShown(const FileAccount &account);

    // The dry run's line for the file.
    static QString planLine(const FileAccount &account);

    // The report: its columns, and a file's row (notes as told).
    static QStringList reportColumns();
    // Numbers written as locale writes them (a file for scripts: C).
    static QStringList reportRow(const FileAccount &account, const QString &choose, const QLocale &locale);
    // The columns as a file for scripts names them: the same in every language.
    static QStringList reportKeys();
    // The report's column of notes, counted from 0.
    static constexpr int NotesColumn = 13;
};

} // namespace quillora
