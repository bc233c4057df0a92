// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/stagingfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

namespace {
QStringList readBack(StagingFile &staging)
{
    staging.rewind();
    QStringList lines;
    QStringView line;
    while (staging.ReadTextLines(line))
        lines.append(line.toString());
    return lines;
}
} // namespace

class tst_StagingFile : public QObject
{
    Q_OBJECT

private slots:
    void linesComeBack_data();
    void linesComeBack();
    void everyCharacterSurvives();
    void lineCountMatchesReadBack();
    void rollBackForgetsAFailedFile();
    void clearEmpties();
    void uniquePrivateAndRemoved();
    void longLinesAcrossReadChunks();
};

void tst_StagingFile::linesComeBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed, no break at the end") << u"a\r\n\nb\rc"_s << QStringList{u"a"_s, QString(), u"b"_s, u"c"_s};
    QTest::newRow("empty line before the end") << u"a\r\n\r\n"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("nothing") << QString() << QStringList();
}

void tst_StagingFile::linesComeBack()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    StagingFile staging;
    staging.WriteTextFile(text);
    QCOMPARE(readBack(staging), lines);
}

void tst_StagingFile::everyCharacterSurvives()
{
    // UTF-16 text, Windows-1252 text, characters no 8-bit code page has and a
    // lone surrogate, one after the other in one file.
    const QString first = u"Ελληνικά 😀"_s + QChar(0xD800) + u"x"_s;
    const QString second = u"Grüße ¸ € \u0081"_s;
    StagingFile staging;
    staging.WriteTextFile(QString(first + u"\r\n"_s));
    staging.WriteTextFile(QString(second + u"\r\n"_s));
    QCOMPARE(readBack(staging), (QStringList{first, second}));
}

void tst_StagingFile::lineCountMatchesReadBack()
{
    StagingFile staging;
    staging.WriteTextFile(u"a\r"_s);
    staging.WriteTextFile(u"\nb\n\rc\r\n"_s); // the CR LF split over two writes is one break
    QCOMPARE(staging.lineCount(), 4);
    QCOMPARE(readBack(staging).size(), 4);
}

void tst_StagingFile::rollBackForgetsAFailedFile()
{
    StagingFile staging;
    staging.WriteTextFile(u"kept\r\n"_s);
    const StagingFile::Mark mark = staging.mark();
    staging.WriteTextFile(u"half of a file\r\nthat failed"_s);
    staging.rollBack(mark);
    QCOMPARE(staging.lineCount(), 1);
    staging.WriteTextFile(u"next\r\n"_s);
    QCOMPARE(readBack(staging), (QStringList{u"kept"_s, u"next"_s}));
}

void tst_StagingFile::clearEmpties()
{
    StagingFile staging;
    staging.WriteTextFile(u"old\r\nlines\r\n"_s);
    staging.clear();
    QCOMPARE(staging.lineCount(), 0);
    staging.WriteTextFile(u"new\r\n"_s);
    QCOMPARE(readBack(staging), QStringList{u"new"_s});
}

void tst_StagingFile::uniquePrivateAndRemoved()
{
    // Files without a name: two apart, and nothing in the folder to find,
    // to reach or to leave behind.
    const QDir folder(QDir::tempPath());
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    StagingFile one;
    StagingFile two;
    one.WriteTextFile(u"one"_s);
    two.WriteTextFile(u"two"_s);
    QCOMPARE(readBack(one), QStringList{u"one"_s});
    QCOMPARE(readBack(two), QStringList{u"two"_s});
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

void tst_StagingFile::longLinesAcrossReadChunks()
{
    const QString longLine(300001, u'z');
    StagingFile staging;
    staging.WriteTextFile(u"a\r"_s);
    staging.WriteTextFile(QString(longLine + u"\r"_s));
    staging.WriteTextFile(u"\nb"_s);
    QCOMPARE(readBack(staging), (QStringList{u"a"_s, longLine, u"b"_s}));
}

QTEST_GUILESS_MAIN(tst_StagingFile)
#include "tst_stagingfile.moc"
