// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/samples.h"
#include "core/settings.h"
#include "testfiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

class tst_Samples : public QObject
{
    Q_OBJECT

private slots:
    void scramblingRoundTrip_data();
    void scramblingRoundTrip();
    void scramblingWrapsPast255();
    void snapshotRecordsTheFolder();
};

void tst_Samples::scramblingRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QString everyCode;
    for (char16_t code = 1; code <= 255; ++code)
        everyCode.append(QChar(code));
    QTest::newRow("every code 1 to 255") << everyCode;
    QTest::newRow("beyond Latin-1") << u"/home/ана/日本/😀 €|/b"_s;
    // Past what 16-bit counters allowed.
    QTest::newRow("over 40,000 characters") << QString(40001, u'x') + u"/é"_s;
}

void tst_Samples::scramblingRoundTrip()
{
    QFETCH(QString, text);
    const QString scrambled = ScrambleText(text, ScrambleKey);
    QVERIFY(scrambled != text);
    for (const QChar c : scrambled)
        QVERIFY(c.unicode() >= 1 && c.unicode() <= 255);
    QCOMPARE(UnscrambleText(scrambled, ScrambleKey), text);
}

void tst_Samples::scramblingWrapsPast255()
{
    // 0xC3 0xBF is "ÿ" in UTF-8: 0xC3 + 'a' (97) = 292 wraps to 37, 0xBF + 'b'
    // = 289 wraps to 34; the key starts over after its last letter.
    QCOMPARE(ScrambleText(u"ÿ"_s, u"ab"), QString(QChar(37)) + QChar(34));
    QCOMPARE(ScrambleText(u"AAA"_s, u"ab"), u"\u00A2\u00A3\u00A2"_s);
}

void tst_Samples::snapshotRecordsTheFolder()
{
    QTemporaryDir dir;
    QSettings ini(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    SettingsStore settings(ini);
    const QString samples = dir.filePath(u"Samples"_s);
    writeFile(samples + u"/b.txt"_s, "b");
    writeFile(samples + u"/a.txt"_s, "a");
    TakeSampleSnapshot(settings, samples);
    const QString joined = samples + u"/a.txt|"_s + samples + u"/b.txt"_s;
    QCOMPARE(settings.GetSetting(Setting::Snapshot), ScrambleText(joined, ScrambleKey));
    QCOMPARE(recordedSamples(settings), (QStringList{samples + u"/a.txt"_s, samples + u"/b.txt"_s}));
    // An empty folder records nothing, and nothing reads back.
    TakeSampleSnapshot(settings, dir.filePath(u"none"_s));
    QCOMPARE(settings.GetSetting(Setting::Snapshot), QString());
}

QTEST_GUILESS_MAIN(tst_Samples)
#include "tst_samples.moc"
