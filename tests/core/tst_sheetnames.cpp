// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/sheetnames.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

class tst_SheetNames : public QObject
{
    Q_OBJECT

private slots:
    void sheetNameOf_data();
    void sheetNameOf();
    void randomNumberRoundsHalfToEven();
    void freeNameIsTestedAgainUntilFree();
    void nameWithoutUsableCharacterGetsFallback();
    void endlessCollisionsStillEnd();
    void listedNameIsTheFilesOwn_data();
    void listedNameIsTheFilesOwn();
};

void tst_SheetNames::sheetNameOf_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("sheetName");
    QTest::newRow("dot goes") << u"sales report.txt"_s << u"sales reporttxt"_s;
    QTest::newRow("data") << u"data.txt"_s << u"datatxt"_s;
    QTest::newRow("no extension") << u"Sheet1"_s << u"Sheet1"_s;
    QTest::newRow("accents and symbols go") << u"Grüße_(2).csv"_s << u"Gre2csv"_s;
    QTest::newRow("nothing usable") << u"日本.—"_s << QString();
}

void tst_SheetNames::sheetNameOf()
{
    QFETCH(QString, fileName);
    QFETCH(QString, sheetName);
    QCOMPARE(SheetNameOf(fileName), sheetName);
    QCOMPARE(KeepCharacters(u"a-b-c", u"ac"), u"ac"_s);
}

void tst_SheetNames::randomNumberRoundsHalfToEven()
{
    QCOMPARE(RandomNumber(8000, 0.0), 1);
    QCOMPARE(RandomNumber(8000, 0.99999999), 8001);
    QCOMPARE(RandomNumber(2, 0.25), 1); // 0.5 goes to 0
    QCOMPARE(RandomNumber(2, 0.75), 3); // 1.5 goes to 2
}

void tst_SheetNames::freeNameIsTestedAgainUntilFree()
{
    // The office compares without regard to case.
    const QStringList taken{u"DATATXT"_s, u"datatxt4001"_s};
    const auto isTaken = [&](const QString &name) { return taken.contains(name, Qt::CaseInsensitive); };
    QList<double> draws{0.5, 0.5, 0.25};
    const auto random = [&] { return draws.takeFirst(); };
    QCOMPARE(freeSheetName(u"data.txt"_s, 2, isTaken, random), u"datatxt2001"_s);
    QCOMPARE(freeSheetName(u"other.txt"_s, 3, isTaken, random), u"othertxt"_s);
}

void tst_SheetNames::nameWithoutUsableCharacterGetsFallback()
{
    const auto none = [](const QString &) { return false; };
    QCOMPARE(freeSheetName(u"---.—"_s, 4, none, [] { return 0.0; }), u"File 4"_s);
    QCOMPARE(freeSheetName(u"   "_s, 5, none, [] { return 0.0; }), u"File 5"_s);
}

void tst_SheetNames::endlessCollisionsStillEnd()
{
    // Every random suffix is taken: the name still comes out free.
    const auto isTaken = [](const QString &name) {
        bool ok = false;
        const int suffix = name.mid(7).toInt(&ok);
        return name == u"datatxt"_s || (ok && suffix <= 8001);
    };
    const QString name = freeSheetName(u"data.txt"_s, 1, isTaken, [] { return 0.3; });
    QVERIFY(!isTaken(name));
    QVERIFY(name.startsWith(u"datatxt"_s));
}

void tst_SheetNames::listedNameIsTheFilesOwn_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("name");
    QTest::newRow("kept whole") << u"2024-01 (final).csv"_s << QStringList() << u"2024-01 (final).csv"_s;
    QTest::newRow("what a sheet cannot hold") << u"a[1]:b*?\\c.txt"_s << QStringList() << u"a_1__b___c.txt"_s;
    QTest::newRow("apostrophes at the ends, a line break")
        << u"'q\nx'"_s << QStringList() << u"_q_x_"_s;
    QTest::newRow("what XML cannot carry: U+FFFE, U+FFFF, an undecoded byte")
        << u"non\uFFFEchar\uFFFF"_s + QChar(0xDCE9) + u"😀.csv"_s << QStringList() << u"non_char__😀.csv"_s;
    QTest::newRow("taken twice") << u"jan.csv"_s << QStringList{u"jan.csv"_s, u"jan.csv (2)"_s}
                                 << u"jan.csv (3)"_s;
    QTest::newRow("nothing left") << u"  "_s << QStringList() << u"File 7"_s;
}

void tst_SheetNames::listedNameIsTheFilesOwn()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, taken);
    QFETCH(QString, name);
    QCOMPARE(listedSheetName(fileName, 7, [&](const QString &n) { return taken.contains(n); }), name);
}

QTEST_GUILESS_MAIN(tst_SheetNames)
#include "tst_sheetnames.moc"
