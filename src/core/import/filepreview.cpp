// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filepreview.h"

#include "core/failure.h"
#include "core/import/sheetlayout.h"
#include "core/import/spreadsheet.h"
#include "core/text/filehead.h"
#include "core/text/linesplitter.h"
#include "core/text/rowblock.h"
#include "core/text/textreader.h"

#include <QBuffer>
#include <QFile>

#include <array>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// The lines of staged text: CR LF, LF and a lone CR each end one.
QStringList linesOf(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

// Text staged as the options say; with whole, the text is the whole file.
QString staged(QString text, const std::optional<QString> &split, bool quotes, bool whole)
{
    LineSplitter splitter;
    splitter.stage(text, split, quotes);
    if (whole) {
        QString rest;
        splitter.finish(rest, split, quotes);
        text += rest;
    }
    return text;
}

QString lineEndsOf(QStringView text)
{
    qsizetype crLf = 0, lf = 0, cr = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++crLf;
            ++i;
        } else {
            lf += text[i] == u'\n';
            cr += text[i] == u'\r';
        }
    }
    const int kinds = (crLf > 0) + (lf > 0) + (cr > 0);
    if (kinds == 0)
        return u"none"_s;
    if (kinds > 1)
        return u"mixed"_s;
    return crLf > 0 ? u"CR LF"_s : lf > 0 ? u"LF"_s : u"CR"_s;
}

// At most sampleBytes of a regular file, opened by its name's own bytes.
QByteArray readSample(const QString &path, qint64 sampleBytes, qint64 &size)
{
    const QByteArray name = encodePath(path);
    struct stat info{};
    if (::stat(name.constData(), &info) != 0)
        throw Failure(qt_error_string(errno));
    // A pipe or a terminal gives its text once: to the import.
    if (!S_ISREG(info.st_mode))
        throw Failure(u"It is not a file that can be looked at before it is imported"_s);
    size = info.st_size;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Failure(qt_error_string(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Failure(file.errorString());
    }
    const QByteArray sample = file.read(sampleBytes);
    if (sample.size() < std::min(sampleBytes, size))
        throw Failure(file.errorString());
    return sample;
}

// How evenly lines split: the most common number of cells, and the share
// of lines that have it.
struct Evenness
{
    qsizetype cells = 0;
    double share = 0;
    bool even() const { return cells >= 2 && share >= 0.9; }
};

Evenness evennessOf(QStringView text, const std::optional<QString> &separator, bool quotes)
{
    constexpr int MostLines = 100;
    std::map<qsizetype, int> counts;
    int lines = 0;
    for (const QString &line : linesOf(staged(text.toString(), separator, quotes, false))) {
        if (line.isEmpty())
            continue;
        ++counts[line.count(ColumnMarker) + 1];
        if (++lines == MostLines)
            break;
    }
    Evenness best;
    for (const auto &[cells, number] : counts) {
        if (number > best.share * lines || (number == best.share * lines && cells > best.cells))
            best = {cells, double(number) / lines};
    }
    return best;
}
} // namespace

std::optional<SeparatorHint> separatorHint(QStringView text, const std::optional<QString> &chosen, bool quotes)
{
    if (evennessOf(text, chosen, quotes).even())
        return std::nullopt;
    static const std::array<std::pair<const char16_t *, const char16_t *>, 5> Candidates{
        {{u",", u"commas"}, {u";", u"semicolons"}, {u"\t", u"tabs"}, {u"|", u"pipes"}, {u" ", u"spaces"}}};
    std::optional<SeparatorHint> hint;
    Evenness best;
    for (const auto &[separator, name] : Candidates) {
        const QString candidate = QString::fromUtf16(separator);
        if (candidate == chosen)
            continue;
        const Evenness evenness = evennessOf(text, candidate, quotes);
        if (evenness.even() && (evenness.share > best.share || (evenness.share == best.share && evenness.cells > best.cells))) {
            best = evenness;
            hint = SeparatorHint{candidate, QString::fromUtf16(name)};
        }
    }
    return hint;
}

FilePreview previewFile(const QString &path, const ReadOptions &options, qint64 sampleBytes, int maxRows)
{
    FilePreview preview;
    try {
        QByteArray sample = readSample(path, sampleBytes, preview.size);
        const bool whole = sample.size() >= preview.size;
        QBuffer device(&sample);
        device.open(QIODevice::ReadOnly);
        TextReader reader(device, path, {}, options.encoding);
        QString text, piece;
        while (reader.readPiece(piece))
            text += piece;
        preview.encoding = reader.encodingName();
        preview.encodingChosen = options.encoding.has_value();
        // A line cut by the end of what was read is not shown.
        if (!whole) {
            const qsizetype lastBreak = std::max(text.lastIndexOf(u'\n'), text.lastIndexOf(u'\r'));
            text.truncate(lastBreak + 1);
        }
        preview.lineEnds = lineEndsOf(text);
        preview.hint = separatorHint(text, options.split, options.quotes);

        QString rowsText = staged(text, options.split, options.quotes, whole);
        FileHead head(options.linesToSkip, options.header);
        head.take(rowsText);
        const QStringList lines = linesOf(rowsText);
        SheetLayout layout;
        layout.setFileColumn(options.fileColumn != FileColumn::None);
        layout.addFile(0, path, lines.size(), options.header ? head.header() : std::nullopt, options.shownName);
        if (layout.hasHeaderRow())
            preview.header = cellsOfStagedLine(layout.headerLine());
        RowBlock rows;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i < maxRows)
                layout.plain() ? rows.appendStagedLine(lines[i], MaxColumns)
                               : layout.appendRow(lines[i], i, rows, MaxColumns);
            preview.widest = std::max(preview.widest, stagedTextCellCount(lines[i]));
        }
        for (size_t r = 0; r < rows.rowCount(); ++r) {
            QStringList cells;
            const RowBlock::Row row = rows.row(r);
            for (qsizetype c = 0; c < row.size(); ++c)
                cells.append(row[c].toString());
            preview.firstRows.append(cells);
        }
        preview.rowsCounted = whole;
        preview.rows = whole || sample.isEmpty() ? lines.size()
                                                 : qint64(double(lines.size()) * preview.size / sample.size());
    } catch (const Failure &failure) {
        preview = FilePreview();
        preview.error = u"The file \"%1\" cannot be read: %2"_s.arg(path, failure.description());
    }
    return preview;
}

} // namespace quillora
