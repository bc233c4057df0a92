// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/filereading.h"

#include "core/reading/dialect.h"
#include "core/reading/separatorhint.h"
#include "core/text/separators.h"
#include "core/text/stagedline.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
TextReader openReader(const QString &path, const ReadOptions &options, const FileReading::Watch &watch)
{
    if (watch.sampleBytes > 0)
        return TextReader(TextReader::Sample{watch.sampleBytes}, path, options.encoding);
    return TextReader(path, watch.stopRequested, options.encoding);
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// The line (from 1) of the text that the character at `at` stands on.
qint64 lineNumberAt(QStringView text, qsizetype at)
{
    qint64 line = 1;
    for (qsizetype i = 0; i < at && i < text.size(); ++i) {
        const bool crLf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        line += isLineBreak(text[i]) && !crLf ? 1 : 0;
    }
    return line;
}

// The text after its first lines: those skipped say nothing of how the
// rest is cut.
QStringView afterLines(QStringView text, qint64 lines)
{
    qsizetype i = 0;
    for (qint64 skipped = 0; skipped < lines && i < text.size(); ++i) {
        if (!isLineBreak(text[i]))
            continue;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        ++skipped;
    }
    return text.sliced(i);
}

// The first of the text's first lines that holds more than spaces; empty
// where none does.
QString firstLineWithText(QStringView text, qint64 lines)
{
    const QStringView head = text.first(text.size() - afterLines(text, lines).size());
    for (QStringView line : head.tokenize(u'\n')) {
        line = line.trimmed();
        if (!line.isEmpty())
            return line.toString();
    }
    return {};
}

// Whether the text's fields write decimals with a comma ("12,50"): true
// where more of its whole fields, as the file is cut, are numbers with a
// decimal comma than with a decimal point, false where fewer, nullopt where
// it has neither. A comma cuts a comma file's fields, not their numbers
// (unless quoted); in whole lines a comma between digits ("10,100") is no
// decimal sign: only a file's cut fields can show one.
std::optional<bool> decimalCommaIn(QStringView text, const std::optional<QString> &split)
{
    qsizetype commas = 0;
    qsizetype points = 0;
    const bool wholeLines = !split || split->isEmpty();
    const auto count = [&](QStringView field) {
        if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
            field = field.sliced(1, field.size() - 2);
        qsizetype i = field.startsWith(u'-') ? 1 : 0;
        const qsizetype digitsFrom = i;
        while (i < field.size() && field[i].isDigit())
            ++i;
        if (i == digitsFrom || i + 1 >= field.size() || (field[i] != u',' && field[i] != u'.'))
            return;
        const QChar sign = field[i];
        if (sign == u',' && wholeLines)
            return;
        for (++i; i < field.size(); ++i) {
            if (!field[i].isDigit())
                return;
        }
        (sign == u',' ? commas : points) += 1;
    };
    for (const QStringView line : text.tokenize(u'\n')) {
        const QStringView trimmed = line.endsWith(u'\r') ? line.chopped(1) : line;
        if (wholeLines) {
            count(trimmed);
            continue;
        }
        for (const QStringView field : trimmed.tokenize(*split))
            count(field);
    }
    if (commas == points)
        return std::nullopt;
    return commas > points;
}
} // namespace

FileReading::FileReading(const QString &path, const ReadOptions &options, CellLimits limits, Watch watch)
    : m_path(path)
    , m_options(options)
    , m_limits(limits)
    , m_watch(std::move(watch))
    , m_reader(openReader(path, m_options, m_watch))
    , m_splitter(limits)
    , m_head(options.linesToSkip, options.header)
    , m_split(options.cut.givenText())
    , m_quotes(options.quotes)
    , m_separatorChosen(!options.cut.own() && !options.skipToTable)
{
}

void FileReading::beginText()
{
    m_splitter = LineSplitter(m_limits);
    m_head = FileHead(m_options.linesToSkip, m_options.header);
    m_lastCharacter = QChar();
    m_anyRows = false;
    m_start.clear();
    m_startComplete = false;
    m_widest = 0;
    m_rowsCut = false;
    m_rowsHaveText = false;
    m_lineCells = 0;
    // Text read again in another encoding may split elsewhere.
    m_separatorChosen = !m_options.cut.own() && !m_options.skipToTable;
    m_decimalComma.reset();
    m_decimalsSeen = false;
    m_census.reset();
    m_rowsSkipped = 0;
    m_firstLineSkipped.clear();
}

bool FileReading::next(QString &rows)
{
    const bool more = m_separatorChosen ? readText(rows) : readStartAndChooseSeparator(rows);
    if (!m_decimalsSeen && !rows.isEmpty()) {
        // The decimal sign of the file's own numbers, from its first text.
        m_decimalComma = decimalCommaIn(afterLines(rows, linesSkipped()), m_split);
        m_decimalsSeen = true;
        const CellTyping typing = typingOf(m_options, m_split, m_decimalComma);
        if (typing.any())
            m_census.emplace(typing.decimalSign, typing.dates);
    }
    cut(rows, more);
    return more;
}

bool FileReading::readText(QString &text)
{
    bool more = m_reader.readPiece(text);
    m_startedOver = m_reader.takeStartOver();
    if (m_startedOver) {
        beginText();
        // Its own separator is found again from the start of the text read
        // anew, before any of it is cut: one file, one separator.
        if (!m_separatorChosen)
            return readStartAndChooseSeparator(text, more);
    }
    if (!more)
        text.clear();
    if (m_watch.keepStart)
        keepStart(text, !more);
    return more;
}

// The file's own dialect is found from its start, as much as the preview
// reads of it, before any of it is cut; that start is then cut as one piece.
// The lines skipped are not looked at. given: a first piece already read.
bool FileReading::readStartAndChooseSeparator(QString &text, std::optional<bool> given)
{
    bool startedOver = given.has_value();
    bool more = given.value_or(true);
    // A first piece given is kept, unless it was the end.
    if (!given || !more)
        text.clear();
    for (QString piece; more && text.size() < StartKept;) {
        more = m_reader.readPiece(piece);
        if (m_reader.takeStartOver()) {
            startedOver = true;
            text.clear();
        }
        if (more)
            text += piece;
    }
    if (startedOver)
        beginText();
    m_startedOver = startedOver;
    if (m_watch.keepStart)
        keepStart(text, !more);
    // A line cut by the end of the start would split unlike the others.
    const qsizetype whole = more ? std::max(text.lastIndexOf(u'\n'), text.lastIndexOf(u'\r')) + 1 : text.size();
    chooseDialect(QStringView(text).first(whole));
    m_separatorChosen = true;
    // The start is cut as any piece is; the end comes with the next call.
    return more || !text.isEmpty();
}

// The file's own separator and quoting, and the rows above its table, as
// its start (whole lines) shows them.
void FileReading::chooseDialect(QStringView start)
{
    const auto takeDialect = [&](QStringView text) {
        m_dialect = dialectOf(text, m_options.quotes);
        m_unpairedQuoteLine = m_dialect.unpairedQuoteAt < 0
            ? std::nullopt
            : std::optional(lineNumberAt(start, (text.data() - start.data()) + m_dialect.unpairedQuoteAt));
        m_split = m_dialect.separator ? std::optional<QString>(m_dialect.separator->text.toString()) : std::nullopt;
        m_quotes = m_dialect.quotes;
    };
    if (m_options.cut.own())
        takeDialect(afterLines(start, m_options.skipToTable ? 0 : m_options.linesToSkip));
    if (m_options.skipToTable) {
        // The rows above its table, as its start is cut; its dialect is
        // then the table's.
        QString staged = start.toString();
        LineSplitter splitter;
        splitter.stage(staged, m_split, m_quotes && m_split);
        m_rowsSkipped = rowsAboveTable(staged, m_split.value_or(QString()));
        m_firstLineSkipped = firstLineWithText(start, m_rowsSkipped);
        m_head = FileHead(m_rowsSkipped, m_options.header);
        if (m_options.cut.own() && m_rowsSkipped > 0)
            takeDialect(afterLines(start, m_rowsSkipped));
    }
}

void FileReading::cut(QString &rows, bool more)
{
    // A sample that ends inside the file shows its whole lines only: a
    // quoted field open there is not closed by it.
    const bool sampleCut = m_reader.sampled();
    // Lines the user keeps whole stay as they are; a file cut at its own
    // separator that splits at none still keeps its quoted fields whole.
    const bool quotes = m_quotes && (m_split || m_options.cut.own());
    if (more)
        m_splitter.stage(rows, m_split, quotes);
    else if (!sampleCut)
        m_splitter.finish(rows, m_split, quotes);
    if (!m_head.passed())
        m_head.take(rows);
    if (m_census)
        m_census->feed(rows);
    m_rowsCut = m_rowsCut || rows.contains(ColumnMarker);
    m_rowsHaveText = m_rowsHaveText || std::any_of(rows.cbegin(), rows.cend(), [](QChar c) { return !isLineBreak(c); });
    if (!rows.isEmpty()) {
        m_lastCharacter = rows.back();
        m_anyRows = true;
    }
    if (!more && !sampleCut)
        endLastLine(rows);
    if (m_watch.measure)
        measure(rows);
}

// The last line ends with the file: without a header, a file that ends with
// a line break is followed by an empty row; with one, its final line break
// just ends its last line. A file skipped whole gives nothing. A CR at the
// end is made CR LF, so that the next file's first LF is a line of its own.
void FileReading::endLastLine(QString &rows)
{
    const bool endsWithBreak = m_anyRows && isLineBreak(m_lastCharacter);
    const bool endLine = m_options.header ? m_anyRows && !endsWithBreak : m_anyRows || linesSkipped() == 0;
    if (endLine)
        rows += u"\r\n"_s;
    else if (m_anyRows && m_lastCharacter == u'\r')
        rows += u'\n';
}

void FileReading::keepStart(QStringView text, bool last)
{
    if (m_startComplete)
        return;
    const qsizetype room = StartKept - m_start.size();
    m_start += text.first(std::min(room, text.size()));
    if (text.size() < room && !last)
        return;
    m_startComplete = true;
    // A line cut by the end of what is kept would split unlike the others.
    if (text.size() >= room) {
        const qsizetype lastBreak = std::max(m_start.lastIndexOf(u'\n'), m_start.lastIndexOf(u'\r'));
        m_start.truncate(lastBreak + 1);
    }
}

void FileReading::measure(QStringView rows)
{
    // This runs over every character of an import: by whole stretches
    // between line breaks, found with the fast search, and where the rows
    // hold no cut at all, by what ends them alone.
    const bool anyCut = rows.contains(ColumnMarker);
    const bool anyCr = rows.contains(u'\r');
    const auto cellsWith = [&](QStringView stretch) {
        const qsizetype cuts = anyCut ? stretch.count(ColumnMarker) : 0;
        if (m_lineCells > 0)
            return m_lineCells + cuts;
        return stretch.isEmpty() ? qsizetype(0) : cuts + 1;
    };
    const qsizetype lastBreak = std::max(rows.lastIndexOf(u'\n'), anyCr ? rows.lastIndexOf(u'\r') : -1);
    if (!anyCut && lastBreak >= 0) {
        // Every line of text is one cell; the first may go on from before.
        const bool text = std::any_of(rows.cbegin(), rows.cbegin() + lastBreak, [](QChar c) { return !isLineBreak(c); });
        m_widest = std::max({m_widest, m_lineCells, qsizetype(text ? 1 : 0)});
        m_lineCells = 0;
        if (lastBreak + 1 < rows.size())
            m_lineCells = 1;
        return;
    }
    qsizetype start = 0;
    while (start < rows.size()) {
        qsizetype end = rows.indexOf(u'\n', start);
        if (anyCr) {
            const qsizetype cr = rows.first(end < 0 ? rows.size() : end).indexOf(u'\r', start);
            end = cr >= 0 ? cr : end;
        }
        if (end < 0)
            break;
        m_widest = std::max(m_widest, cellsWith(rows.sliced(start, end - start)));
        m_lineCells = 0;
        start = end + 1;
    }
    if (start < rows.size())
        m_lineCells = cellsWith(rows.sliced(start));
}

qsizetype FileReading::widest() const
{
    const auto headerCells = header();
    return std::max({m_widest, m_lineCells, headerCells ? headerCells->size() : qsizetype(0)});
}

EncodingTaken FileReading::encodingTaken() const
{
    if (m_reader.encodingChosen())
        return EncodingTaken::Chosen;
    return m_reader.encodingGuessed() ? EncodingTaken::Guessed : EncodingTaken::Found;
}

FileAccount FileReading::account() const
{
    FileAccount account;
    account.path = m_path;
    account.size = m_reader.fileSize();
    account.packedSize = m_reader.packedSize();
    account.encoding = m_reader.encodingName();
    account.encodingTaken = encodingTaken();
    account.unreadable = m_reader.invalidCount();
    account.strayBytes = m_reader.strayCount();
    account.unreadableKeptAsControls = account.strayBytes > 0 || m_reader.encoding() == TextEncoding::Windows1252;
    account.utf8ReadOtherwise = m_reader.utf8SequencesReadOtherwise();
    account.split = m_split;
    account.firstLineSkipped = m_firstLineSkipped;
    account.quotes = m_quotes && (m_split || m_options.cut.own());
    if (m_options.cut.own())
        account.dialect = m_dialect;
    account.decimalSign = typingOf(m_options, m_split, m_decimalComma).decimalSign;
    if (m_census)
        account.columns = m_census->findings();
    account.linesSkipped = linesSkipped();
    account.skippedToTable = m_options.skipToTable;
    account.header = header();
    account.widest = widest();
    account.cutCells = cutCells();
    account.leftOutCells = leftOutCells();
    account.unclosedQuoteLine = unclosedQuoteLine();
    account.unpairedQuoteLine = m_unpairedQuoteLine;
    account.lines = m_splitter.recordLines();
    // A file cut nowhere is told with the separator its start looks cut at.
    const bool cutting = m_options.cut.givenText() || m_options.cut.own();
    const qsizetype headerCells = account.header ? account.header->size() : 0;
    account.oneCellEach = cutting && m_rowsHaveText && !m_rowsCut;
    if (cutting && (account.oneCellEach || headerCells == 1))
        account.looksCutAt = ownSeparatorOf(m_start, m_options.quotes);
    account.hint = separatorHint(m_start, m_split, m_options.quotes);
    return account;
}

CellTyping FileReading::typing() const
{
    CellTyping typing = typingOf(m_options, m_split, m_decimalComma);
    if (m_census) {
        for (const ColumnFinding &finding : m_census->findings())
            typing.columns.push_back(finding.kind);
    }
    return typing;
}

std::optional<QStringList> FileReading::header() const
{
    return m_options.header ? m_head.header() : std::nullopt;
}

} // namespace quillora
