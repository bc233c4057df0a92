// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/suitecheck.h"
#include "calcreader.h"
#include "core/list/filelistmodel.h"
#include "libreoffice/officesession.h"
#include "gui/optionspanel.h"
#include "core/import/spreadsheetmodule.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

class tst_Application : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void officeMissingEndsBeforeTheWindowShows();
    void officeMissingYesOpensTheDownloadPage();
    void importThroughTheWindowIntoLibreOffice();
    void findingLibreOffice();

private:
    int run(std::function<void(MainWindow &)> loaded);

    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    ScriptedDialogs m_dialogs;
    QList<QUrl> m_opened;
    bool m_windowShown = false;
    const QByteArray m_path = qgetenv("PATH");
};

void tst_Application::init()
{
    m_dir.emplace();
    m_settings = std::make_unique<QSettings>(m_dir->filePath(u"settings.ini"_s), QSettings::IniFormat);
    m_dialogs = ScriptedDialogs();
    m_opened.clear();
    m_windowShown = false;
}

void tst_Application::cleanup()
{
    qunsetenv("UNO_PATH");
    qputenv("PATH", m_path);
}

int tst_Application::run(std::function<void(MainWindow &)> loaded)
{
    return runQuillora({
        .dialogs = m_dialogs,
        .settings = *m_settings,
        .programFolder = QApplication::applicationDirPath(),
        .random = [] { return 0.5; },
        .openUrl = [this](const QUrl &url) { m_opened.append(url); },
        .loaded = std::move(loaded),
    });
}

void tst_Application::officeMissingEndsBeforeTheWindowShows()
{
    // LibreOffice's folder named, but nothing there.
    qputenv("UNO_PATH", m_dir->path().toLocal8Bit());
    m_dialogs.questionAnswers.enqueue(false);
    bool visibleAtLoad = true;
    QCOMPARE(run([&](MainWindow &window) { visibleAtLoad = window.isVisible(); }), 0);
    QVERIFY(!visibleAtLoad);
    QCOMPARE(m_dialogs.texts(u"question"), QStringList{officeMissingText()});
    QVERIFY(officeMissingText().startsWith(u"Error 214878392\r\n\r\nOpenOffice is required to run this software. "
                                           u"It is not installed on this computer.\r\rWoud you like to open this "
                                           u"site now?\r\n\r\n(If you think this error is a mistake"_s));
    QVERIFY(officeMissingText().endsWith(u"'About' window to support@quillora.example)"_s));
    QVERIFY(m_opened.isEmpty());
    // Start-up records the samples before it checks for LibreOffice; nothing else is written.
    QCOMPARE(m_settings->allKeys(), QStringList{u"Quillora/Snapshot"_s});
}

void tst_Application::officeMissingYesOpensTheDownloadPage()
{
    qputenv("UNO_PATH", m_dir->path().toLocal8Bit());
    m_dialogs.questionAnswers.enqueue(true);
    QCOMPARE(run({}), 0);
    QCOMPARE(m_opened, QList<QUrl>{QUrl(u"https://quillora.example/get-libreoffice"_s)});
}

void tst_Application::importThroughTheWindowIntoLibreOffice()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("LibreOffice needs a display: run the tests under xvfb-run");
    const QString path = writeFile(m_dir->filePath(u"data.txt"_s), "a,b\r\nc");
    bool imported = false;
    bool inFront = false;
    const int code = run([&](MainWindow &window) {
        window.fileList().AddListEntry(path);
        window.options().selectOption(3);
        QTimer::singleShot(0, &window, [&] {
            window.findChild<QPushButton *>(u"PushButton2"_s)->click();
            imported = true;
            // The document the user came for is in front, the keyboard in it.
            lo::OfficeSession session(findOfficeProgramFolder(), std::chrono::seconds(30),
                                      lo::OfficeSession::defaultPipeName());
            session.ensureConnected();
            const auto documents = calcDocuments(session);
            inFront = !documents.isEmpty() && calcInFront(documents.last());
            window.close();
        });
    });
    killOfficeOnPipe(lo::OfficeSession::defaultPipeName());
    QVERIFY(inFront);
    QCOMPARE(code, 0);
    QVERIFY(imported);
    const QStringList warnings = m_dialogs.texts(u"warning");
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u"\n---\n"_s)));
    QCOMPARE(m_dialogs.texts(u"notice"), QStringList{u"Done."_s});
}

void tst_Application::findingLibreOffice()
{
    const QString installed = u"/usr/lib/libreoffice/program"_s;
    if (!QFileInfo::exists(installed + u"/soffice"_s))
        QSKIP("LibreOffice is not installed in its Debian folder");
    // UNO_PATH, when set, is the only place looked at.
    qputenv("UNO_PATH", m_dir->path().toLocal8Bit());
    QCOMPARE(findOfficeProgramFolder(), QString());
    qputenv("UNO_PATH", installed.toLocal8Bit());
    QCOMPARE(findOfficeProgramFolder(), installed);
    // Else the soffice on PATH, through its links.
    qunsetenv("UNO_PATH");
    const QString bin = m_dir->filePath(u"bin"_s);
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QFile::link(installed + u"/soffice"_s, bin + u"/soffice"_s));
    qputenv("PATH", bin.toLocal8Bit());
    QCOMPARE(findOfficeProgramFolder(), installed);
    // Else the usual install folders.
    qputenv("PATH", m_dir->filePath(u"nothing"_s).toLocal8Bit());
    QCOMPARE(findOfficeProgramFolder(), installed);
}

QTEST_MAIN(tst_Application)
#include "tst_application.moc"
