// SPDX-License-Identifier: GPL-3.0-or-later
// Staging lines cut into cells: the plain split, text in double quotes kept
// together, and every character of the text carried through the staging file.
#include "core/text/linesplitter.h"
#include "core/text/rowblock.h"
#include "core/text/rowblock.h"
#include "core/text/stagedline.h"
#include "core/text/stagingfile.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

using Rows = QList<QStringList>;

class tst_LineSplitter : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void limits_data();
    void limits();
};

namespace {
// What an import run makes of a file's text: staged in pieces (each ending at
// a line break, as the reader gives them), a line break after the file,
// read back and cut.
enum class Pieces { Whole, EachLine, Tiny };

Rows stagedRows(const QString &text, const std::optional<QString> &separator, bool quotes, Pieces cut,
                std::optional<qint64> &unclosed, CellLimits limits = {}, RecordLines *lines = nullptr)
{
    QStringList pieces;
    if (cut == Pieces::Tiny) {
        // Two characters a piece, as a line longer than the reader's pieces
        // comes: separators and quotes are cut by a piece's end; CR LF is not.
        for (qsizetype start = 0; start < text.size();) {
            qsizetype end = std::min(start + 2, text.size());
            if (end < text.size() && text[end - 1] == u'\r' && text[end] == u'\n')
                ++end;
            pieces.append(text.mid(start, end - start));
            start = end;
        }
    } else if (cut == Pieces::EachLine) {
        qsizetype start = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))) {
                pieces.append(text.mid(start, i + 1 - start));
                start = i + 1;
            }
        }
        pieces.append(text.mid(start));
    } else {
        pieces.append(text);
    }
    LineSplitter splitter(limits);
    StagingFile staging;
    for (QString &piece : pieces) {
        splitter.stage(piece, separator, quotes);
        staging.WriteTextFile(piece);
    }
    QString rest;
    splitter.finish(rest, separator, quotes);
    staging.WriteTextFile(rest);
    staging.WriteTextFile(u"\r\n");
    unclosed = splitter.unclosedQuoteLine();
    if (lines)
        *lines = splitter.recordLines();
    staging.rewind();
    Rows rows;
    QStringView line;
    while (staging.ReadTextLines(line))
        rows.append(cellsOfStagedLine(line));
    return rows;
}
} // namespace

void tst_LineSplitter::rows_data()
{
    QTest::addColumn<std::optional<QString>>("separator");
    QTest::addColumn<bool>("quotes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<qint64>("unclosedLine"); // 0: none
    const std::optional<QString> comma = u","_s;
    const std::optional<QString> none;

    // The plain split.
    QTest::newRow("separator at both ends and doubled")
        << comma << false << u",a,,b,"_s << Rows{{{}, u"a"_s, {}, u"b"_s, {}}} << qint64(0);
    QTest::newRow("several characters form one separator")
        << std::optional<QString>(u"ab"_s) << false << u"1ab2ab3\r\n1a2b3"_s << Rows{{u"1"_s, u"2"_s, u"3"_s}, {u"1a2b3"_s}}
        << qint64(0);
    QTest::newRow("empty line has no cell") << comma << false << u"a\n\nb"_s << Rows{{u"a"_s}, {}, {u"b"_s}} << qint64(0);
    QTest::newRow("quotes mean nothing unless asked")
        << comma << false << u"\"a,b\""_s << Rows{{u"\"a"_s, u"b\""_s}} << qint64(0);

    // Every character comes back: the cedilla (once the marker), the
    // staging's own marker and escape, in every mode.
    const QString odd = u"a\u00B8b\u001Fc\u001Ed\u001E"_s;
    QTest::newRow("odd characters, whole lines") << none << false << odd << Rows{{odd}} << qint64(0);
    QTest::newRow("odd characters, split")
        << comma << false << (u"x,"_s + odd + u",y"_s) << Rows{{u"x"_s, odd, u"y"_s}} << qint64(0);
    QTest::newRow("odd characters, quoted")
        << comma << true << (u"\""_s + odd + u",\"\"\",y"_s) << Rows{{odd + u",\""_s, u"y"_s}} << qint64(0);

    // Text in double quotes kept together.
    QTest::newRow("separator inside quotes")
        << comma << true << u"a,\"b,c\",d"_s << Rows{{u"a"_s, u"b,c"_s, u"d"_s}} << qint64(0);
    QTest::newRow("separators at either end inside quotes")
        << comma << true << u"\",a\",\",b,\""_s << Rows{{u",a"_s, u",b,"_s}} << qint64(0);
    QTest::newRow("doubled quotes") << comma << true << u"\"say \"\"hi\"\"\",x"_s
                                    << Rows{{u"say \"hi\""_s, u"x"_s}} << qint64(0);
    QTest::newRow("empty quoted field") << comma << true << u"\"\",x,\"\""_s << Rows{{{}, u"x"_s, {}}} << qint64(0);
    QTest::newRow("empty quoted field between CR and LF")
        << comma << true << u"a\r\"\"\nb"_s << Rows{{u"a"_s}, {}, {u"b"_s}} << qint64(0);
    QTest::newRow("a quote alone") << comma << true << u"\"\"\"\""_s << Rows{{u"\""_s}} << qint64(0);
    QTest::newRow("quote after a separator of several characters")
        << std::optional<QString>(u"||"_s) << true << u"a||\"b||c\"||d"_s << Rows{{u"a"_s, u"b||c"_s, u"d"_s}}
        << qint64(0);
    QTest::newRow("line breaks inside quotes are one LF")
        << comma << true << u"\"a\r\nb\rc\nd\",e\r\nf"_s << Rows{{u"a\nb\nc\nd"_s, u"e"_s}, {u"f"_s}} << qint64(0);
    QTest::newRow("quoted field at the end without a line break")
        << comma << true << u"x,\"y\""_s << Rows{{u"x"_s, u"y"_s}} << qint64(0);
    QTest::newRow("text after the closing quote is kept")
        << comma << true << u"\"ab\"c,d"_s << Rows{{u"abc"_s, u"d"_s}} << qint64(0);
    QTest::newRow("a quote inside a field is a character")
        << comma << true << u"5\" disk,x\"y\""_s << Rows{{u"5\" disk"_s, u"x\"y\""_s}} << qint64(0);
    QTest::newRow("every cell text") << comma << true << u"\"007\",\"=1+1\""_s << Rows{{u"007"_s, u"=1+1"_s}}
                                     << qint64(0);
    QTest::newRow("a quote that never closes runs to the end")
        << comma << true << u"x\r\ny,\"open\r\nrest,more\r\n"_s << Rows{{u"x"_s}, {u"y"_s, u"open\nrest,more\n"_s}}
        << qint64(2);
    QTest::newRow("tab separator") << std::optional<QString>(u"\t"_s) << true << u"\"a\tb\"\tc"_s
                                   << Rows{{u"a\tb"_s, u"c"_s}} << qint64(0);
    // A file of one column at its own separator: a quoted field is one
    // cell, its line breaks in it.
    QTest::newRow("whole lines, quoted fields") << none << true << u"\"a,b\"\r\n\"c\r\nd\"\r\ne"_s
                                                << Rows{{u"a,b"_s}, {u"c\nd"_s}, {u"e"_s}} << qint64(0);
}

void tst_LineSplitter::rows()
{
    QFETCH(std::optional<QString>, separator);
    QFETCH(bool, quotes);
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QFETCH(qint64, unclosedLine);
    // Whole, in pieces that end at line breaks, and in pieces that end
    // anywhere: the state carries over.
    for (const Pieces cut : {Pieces::Whole, Pieces::EachLine, Pieces::Tiny}) {
        std::optional<qint64> unclosed;
        RecordLines lines;
        QCOMPARE(stagedRows(text, separator, quotes, cut, unclosed, {}, &lines), rows);
        QCOMPARE(unclosed.value_or(0), unclosedLine);
        // Each row starts on the file's line after the lines of those before
        // it, the line breaks in their cells included.
        qint64 line = 1;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            QCOMPARE(lines.lineOf(r), line);
            line += 1 + rows[r].join(QString()).count(u'\n');
        }
    }
}

void tst_LineSplitter::limits_data()
{
    // A row keeps what a sheet takes: 4 characters a cell, 3 cells.
    QTest::addColumn<bool>("quotes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<qint64>("cut");
    QTest::addColumn<qint64>("leftOut");
    QTest::newRow("long cells cut") << false << u"abcdefg,xy\nabcd"_s << Rows{{u"abcd"_s, u"xy"_s}, {u"abcd"_s}}
                                    << qint64(1) << qint64(0);
    QTest::newRow("cells past the last column") << false << u"a,b,c,d,,e\na"_s << Rows{{u"a"_s, u"b"_s, u"c"_s}, {u"a"_s}}
                                                << qint64(0) << qint64(2);
    QTest::newRow("a quoted cell counts its line breaks and quotes")
        << true << u"\"a\r\n\"\"bcdef\",x"_s << Rows{{u"a\n\"b"_s, u"x"_s}} << qint64(1) << qint64(0);
    QTest::newRow("a character outside the BMP is never halved")
        << false << u"abc😀"_s << Rows{{u"abc"_s}} << qint64(1) << qint64(0);
}

void tst_LineSplitter::limits()
{
    QFETCH(bool, quotes);
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QFETCH(qint64, cut);
    QFETCH(qint64, leftOut);
    for (const Pieces pieces : {Pieces::Whole, Pieces::Tiny}) {
        std::optional<qint64> unclosed;
        QCOMPARE(stagedRows(text, u","_s, quotes, pieces, unclosed, CellLimits{4, 3}), rows);
    }
    LineSplitter splitter(CellLimits{4, 3});
    QString staged = text;
    splitter.stage(staged, u","_s, quotes);
    splitter.finish(staged, u","_s, quotes);
    QCOMPARE(splitter.cutCells(), cut);
    QCOMPARE(splitter.leftOutCells(), leftOut);
}

QTEST_GUILESS_MAIN(tst_LineSplitter)
#include "tst_linesplitter.moc"
