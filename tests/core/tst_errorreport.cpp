// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errorreport.h"
#include "core/failure.h"
#include "core/product.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

namespace {
struct RecordingReporter : ErrorReporter
{
    QStringList reports;
    QList<int> steps;
    void ShowApplicationError(QStringView location, int step, const QString &description) override
    {
        reports.append(applicationErrorText(location, step, description));
        steps.append(step);
    }
};
} // namespace

class tst_ErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void textIsBuiltExactly();
    void everyFailingPassIsReportedAndTheLoopFinishes();
    void failingTestRunsTheGuardedStep();
    void describesWhateverWasThrown();
    void applicationTitle_data();
    void applicationTitle();
    void homePageOpensOnOneDrawInAHundred();
    void pathExists();
};

void tst_ErrorReport::textIsBuiltExactly()
{
    QCOMPARE(applicationErrorText(Location::LoadSamples, 110, u"Path not found"_s),
             u"Path not found\r\nin Tessaline2021/08/31.Form1.PushButton7_Click at line 110\r\r"
             u"Please email screenshot of this message to support@quillora.example"_s);
    // One space between the procedure name and "at", none before the number.
    QVERIFY(applicationErrorText(Location::FolderWalk, 7, u"x"_s)
                .contains(u".AddFolder.GetSubDirectories2016 at line 7\r\r"_s));
}

void tst_ErrorReport::everyFailingPassIsReportedAndTheLoopFinishes()
{
    RecordingReporter reporter;
    GuardedOperation operation(Location::FormLoad, reporter);
    int passes = 0;
    for (int i = 0; i < 3; ++i) {
        ++passes;
        QVERIFY(!operation.step(120, [] { throw Failure(u"Disk not ready"_s); }));
    }
    QVERIFY(operation.step(122, [] {}));
    QCOMPARE(passes, 3);
    QCOMPARE(reporter.steps, (QList<int>{120, 120, 120}));
    QVERIFY(reporter.reports.first().startsWith(u"Disk not ready\r\nin Tessaline2021/08/31.Form1.Form_Load at line 120"_s));
}

void tst_ErrorReport::failingTestRunsTheGuardedStep()
{
    RecordingReporter reporter;
    GuardedOperation operation(Location::StartImporting, reporter);
    bool ran = false;
    if (operation.test(104, []() -> bool { throw Failure(u"broken test"_s); }))
        operation.step(106, [&] { ran = true; });
    QVERIFY(ran);
    QCOMPARE(reporter.steps, QList<int>{104});
    QVERIFY(!operation.test(108, [] { return false; }));
}

void tst_ErrorReport::describesWhateverWasThrown()
{
    RecordingReporter reporter;
    GuardedOperation operation(Location::AddTextFiles, reporter);
    operation.step(100, [] { throw std::runtime_error("plain"); });
    operation.step(102, [] { throw 42; });
    QVERIFY(reporter.reports.at(0).startsWith(u"plain\r\n"_s));
    QVERIFY(reporter.reports.at(1).startsWith(u"Unknown error\r\n"_s));
}

void tst_ErrorReport::applicationTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("one word stays whole") << u"Quillora"_s << u"Quillora"_s;
    QTest::newRow("three words lose the last") << u"Quillora Text Importer"_s << u"Quillora Text"_s;
    QTest::newRow("two words") << u"Quillora Pro"_s << u"Quillora"_s;
    QTest::newRow("long name shrinks to 40")
        << u"Quillora Import Many Text Files Into A Spreadsheet Quickly"_s << u"Quillora Import Many Text Files Into A"_s;
}

void tst_ErrorReport::applicationTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(SetAppTitle(name), title);
    QVERIFY(SetAppTitle(name).size() <= 40);
}

void tst_ErrorReport::homePageOpensOnOneDrawInAHundred()
{
    int opened = 0;
    for (int i = 0; i < 100; ++i)
        opened += shouldOpenHomePage((i + 0.5) / 100.0) ? 1 : 0;
    QCOMPARE(opened, 1);
    QVERIFY(shouldOpenHomePage(0.065));
    QVERIFY(!shouldOpenHomePage(0.0));
    QVERIFY(!shouldOpenHomePage(0.9999));
}

void tst_ErrorReport::pathExists()
{
    QVERIFY(PathExists(QString::fromUtf8(QUILLORA_TEST_DATA)));
    QVERIFY(PathExists(QString::fromUtf8(QUILLORA_TEST_DATA) + u"/tree/a.txt"_s));
    QVERIFY(!PathExists(QString::fromUtf8(QUILLORA_TEST_DATA) + u"/no such file"_s));
    QVERIFY(!PathExists(QString()));
}

QTEST_GUILESS_MAIN(tst_ErrorReport)
#include "tst_errorreport.moc"
