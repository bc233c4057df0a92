// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

// The start of one file's staged text, where exports keep what is no row:
// the lines to skip (a title, "exported by ...") are left out, and then the
// header line is taken out and kept. Everything after passes untouched. Fed
// the staged pieces in order: a line may run over several, and a CR LF may
// be cut between two.
class FileHead
{
public:
    FileHead(qint64 linesToSkip, bool header);

    // Takes the head out of a staged piece.
    void take(QString &staged);
    // Whether the head is over: the rest of the text is rows.
    bool passed() const { return m_toSkip == 0 && !m_wantHeader && !m_afterCr; }
    // After the last piece: the header's cells, as staged (a header line
    // that the file ends in counts); nullopt when there was none.
    std::optional<QStringList> header() const;

private:
    qint64 m_toSkip;
    bool m_wantHeader;
    bool m_afterCr = false; // a CR ended the last piece: an LF may follow
    QString m_headerLine;
    std::optional<QStringList> m_header;
};

} // namespace quillora
