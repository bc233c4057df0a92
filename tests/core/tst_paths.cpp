// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/list/filelistmodel.h"
#include "core/list/paths.h"
#include "core/text/filenames.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

class tst_Paths : public QObject
{
    Q_OBJECT

private slots:
    void removeDoubleBackslashes_data();
    void removeDoubleBackslashes();
    void fileNameOf();
    void fileColumnNamesAFileBelowTheFolderOfAll_data();
    void fileColumnNamesAFileBelowTheFolderOfAll();
    void listKeepsDuplicatesAndComparesExactly();
    void selectionOfOneFileIsItsPath();
    void selectionOfSeveralFilesIsFolderAndNames();
    void selectionFromSeveralFoldersSharesTheirCommonFolder();
    void selectionTooLongForTheBuffer();
    void filtersListEveryFileUnderAllFiles();
    void namesComeBackToTheirBytes_data();
    void namesComeBackToTheirBytes();
};

void tst_Paths::removeDoubleBackslashes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("folder ending in a separator") << u"/data//a.txt"_s << u"/data/a.txt"_s;
    QTest::newRow("root folder") << u"//a.txt"_s << u"/a.txt"_s;
    QTest::newRow("run of three") << u"/a///b"_s << u"/a/b"_s;
    QTest::newRow("run of four") << u"a////b"_s << u"a/b"_s;
    QTest::newRow("only separators") << u"////"_s << u"/"_s;
    QTest::newRow("leading run") << u"///home/u/x"_s << u"/home/u/x"_s;
    QTest::newRow("nothing to do") << u"/home/u/x.txt"_s << u"/home/u/x.txt"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("backslashes are names here") << u"/a\\\\b"_s << u"/a\\\\b"_s;
}

void tst_Paths::removeDoubleBackslashes()
{
    QFETCH(QString, path);
    QFETCH(QString, cleaned);
    QCOMPARE(RemoveDoubleBackslashes(path), cleaned);
}

void tst_Paths::fileNameOf()
{
    QCOMPARE(FileNameOf(u"/x/y/data.txt"_s), u"data.txt"_s);
    QCOMPARE(FileNameOf(u"data.txt"_s), u"data.txt"_s);
    QCOMPARE(FileNameOf(u"/x/"_s), QString());
}

void tst_Paths::listKeepsDuplicatesAndComparesExactly()
{
    FileListModel list;
    QVERIFY(!list.IsInList(u"/a.txt"_s));
    list.AddListEntry(u"/data/A.txt"_s);
    list.AddListEntry(u"/data/A.txt"_s);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.rowCount(), 2);
    QVERIFY(list.IsInList(u"/data/A.txt"_s));
    QVERIFY(!list.IsInList(u"/data/a.txt"_s));
    QCOMPARE(list.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), u"Text File(s)"_s);
    QCOMPARE(list.data(list.index(1), Qt::DisplayRole).toString(), u"/data/A.txt"_s);
}

void tst_Paths::selectionOfOneFileIsItsPath()
{
    QCOMPARE(OpenDialog::selectionText({u"/home/u/a b.txt"_s}), u"/home/u/a b.txt"_s);
    QCOMPARE(OpenDialog::selectionText({}), QString());
}

void tst_Paths::selectionOfSeveralFilesIsFolderAndNames()
{
    const QChar nul(u'\0');
    QCOMPARE(OpenDialog::selectionText({u"/d/c.txt"_s, u"/d/a.txt"_s, u"/d/b.txt"_s}),
             u"/d"_s + nul + u"c.txt"_s + nul + u"a.txt"_s + nul + u"b.txt"_s);
    QCOMPARE(OpenDialog::selectionText({u"/a.txt"_s, u"/b.txt"_s}), u"/"_s + nul + u"a.txt"_s + nul + u"b.txt"_s);
}

void tst_Paths::selectionFromSeveralFoldersSharesTheirCommonFolder()
{
    const QChar nul(u'\0');
    QCOMPARE(OpenDialog::selectionText({u"/d/x/a.txt"_s, u"/d/y/b.txt"_s}),
             u"/d"_s + nul + u"x/a.txt"_s + nul + u"y/b.txt"_s);
    QCOMPARE(OpenDialog::selectionText({u"/dx/a.txt"_s, u"/dy/b.txt"_s}),
             u"/"_s + nul + u"dx/a.txt"_s + nul + u"dy/b.txt"_s);
}

void tst_Paths::selectionTooLongForTheBuffer()
{
    QStringList paths;
    const QString folder = u"/data/"_s;
    // 1,000 names of 29 characters and a NUL each: 30,000 and more.
    for (int i = 0; i < 1000; ++i)
        paths.append(folder + u"file-with-a-long-name-%1.txt"_s.arg(i, 4, 10, QChar(u'0')));
    QVERIFY(!OpenDialog::selectionText(paths));
    paths.resize(900);
    QVERIFY(OpenDialog::selectionText(paths));
}

void tst_Paths::filtersListEveryFileUnderAllFiles()
{
    QCOMPARE(OpenDialog::qtFilters(QString::fromUtf8(OpenDialog::Filter)),
             (QStringList{u"Text Files (*.txt)"_s, u"Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)"_s,
                          u"All Files (*)"_s}));
}

void tst_Paths::namesComeBackToTheirBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ASCII") << QByteArray("/home/a b/notes.txt") << true;
    QTest::newRow("UTF-8, two to four bytes") << QByteArray("/caf\xC3\xA9/\xE6\x97\xA5/\xF0\x9F\x98\x80") << true;
    QTest::newRow("Latin-1") << QByteArray("/caf\xE9.txt") << false;
    QTest::newRow("lone continuation byte") << QByteArray("a\x80z") << false;
    QTest::newRow("overlong slash") << QByteArray("a\xC0\xAFz") << false;
    QTest::newRow("encoded surrogate") << QByteArray("a\xED\xA0\x80z") << false;
    QTest::newRow("cut at the end") << QByteArray("a\xE6\x97") << false;
    QTest::newRow("after a character of four bytes") << QByteArray("\xF0\x9F\x98\x80\xFF") << false;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
}

void tst_Paths::namesComeBackToTheirBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    const QString path = decodePath(bytes);
    QCOMPARE(encodePath(path), bytes);
    QCOMPARE(holdsUndecodedBytes(path), !utf8);
    if (utf8)
        QCOMPARE(path, QString::fromUtf8(bytes));
}

void tst_Paths::fileColumnNamesAFileBelowTheFolderOfAll_data()
{
    // The paths as typed, and each as the relative file column shows it.
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("one folder") << QStringList{u"/data/2024/a.csv"_s, u"/data/2024/b.csv"_s}
                                << QStringList{u"a.csv"_s, u"b.csv"_s};
    QTest::newRow("a folder below") << QStringList{u"/data/a.csv"_s, u"/data/north/b.csv"_s}
                                    << QStringList{u"a.csv"_s, u"north/b.csv"_s};
    QTest::newRow("as typed, with . and ..") << QStringList{u"./sub/x.csv"_s, u"sub/../y.csv"_s}
                                             << QStringList{u"sub/x.csv"_s, u"y.csv"_s};
    QTest::newRow("doubled slashes") << QStringList{u"/data//2024/a.csv"_s, u"/data/2024/./b.csv"_s}
                                     << QStringList{u"a.csv"_s, u"b.csv"_s};
}

void tst_Paths::fileColumnNamesAFileBelowTheFolderOfAll()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, shown);
    const QString folder = commonFolder(paths);
    QStringList names;
    for (const QString &path : paths)
        names.append(shownFileName(path, FileColumn::Relative, folder));
    QCOMPARE(names, shown);
}

QTEST_GUILESS_MAIN(tst_Paths)
#include "tst_paths.moc"
