// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/failure.h"
#include "core/settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreGivesDefaults();
    void valuesSurviveReopening();
    void truthValues_data();
    void truthValues();
    void userStoreIsPerUserUnderMarrowind();

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(u"settings.ini"_s); }
};

void tst_Settings::emptyStoreGivesDefaults()
{
    QSettings ini(m_dir.filePath(u"empty.ini"_s), QSettings::IniFormat);
    SettingsStore store(ini);
    QCOMPARE(store.GetSetting(Setting::Option1), u"1"_s);
    QCOMPARE(store.GetSetting(Setting::Option5), u"1"_s);
    for (const SettingKey &key : {Setting::Option2, Setting::Option3, Setting::Option7, Setting::Option4, Setting::Option6})
        QCOMPARE(store.GetSetting(key), u"0"_s);
    QCOMPARE(store.GetSetting(Setting::Text1), QString());
    QCOMPARE(store.GetSetting(Setting::Extension), u"txt"_s);
    QCOMPARE(store.GetSetting(Setting::LastFolder), QString());
    QCOMPARE(store.GetSetting(u"Snapshot", u"False"_s), u"False"_s);
    QVERIFY(toTruthValue(store.GetSetting(Setting::Option1)));
    QVERIFY(!toTruthValue(store.GetSetting(Setting::Option6)));
}

void tst_Settings::valuesSurviveReopening()
{
    const QString tricky = u"a,b;=@x \"q\" ¸ 日本"_s;
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        SettingsStore store(ini);
        store.SaveSetting(Setting::Option3, truthText(true));
        store.SaveSetting(Setting::Text1, tricky);
        store.SaveSetting(Setting::Extension, u"csv"_s);
    }
    QSettings ini(iniPath(), QSettings::IniFormat);
    SettingsStore store(ini);
    QCOMPARE(store.GetSetting(Setting::Option3), u"True"_s);
    QCOMPARE(store.GetSetting(Setting::Text1), tricky);
    QCOMPARE(store.GetSetting(Setting::Extension), u"csv"_s);
    // Everything lives in the one section.
    QCOMPARE(ini.childGroups(), QStringList{u"Quillora"_s});
}

void tst_Settings::truthValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 true, 0 false, -1 fails

    QTest::newRow("True") << u"True"_s << 1;
    QTest::newRow("lower false") << u"false"_s << 0;
    QTest::newRow("shouting") << u"TRUE"_s << 1;
    QTest::newRow("one") << u"1"_s << 1;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("minus one") << u"-1"_s << 1;
    QTest::newRow("fraction") << u"0.5"_s << 1;
    QTest::newRow("yes") << u"yes"_s << -1;
    QTest::newRow("empty") << QString() << -1;
}

void tst_Settings::truthValues()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    if (expected < 0) {
        QVERIFY_THROWS_EXCEPTION(Failure, toTruthValue(text));
    } else {
        QCOMPARE(toTruthValue(text), expected == 1);
        QCOMPARE(toTruthValue(truthText(expected == 1)), expected == 1);
    }
}

void tst_Settings::userStoreIsPerUserUnderMarrowind()
{
    const auto settings = openUserSettings();
    QCOMPARE(settings->organizationName(), u"Marrowind"_s);
    QCOMPARE(settings->applicationName(), u"Quillora"_s);
    QCOMPARE(settings->scope(), QSettings::UserScope);
    // The test runs with a home of its own.
    QVERIFY(settings->fileName().startsWith(qEnvironmentVariable("HOME")));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
