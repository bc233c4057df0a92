// SPDX-License-Identifier: GPL-3.0-or-later
// The folder expansion on real folder trees made in a temporary folder.
#include "core/list/folderexpansion.h"
#include "packedfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

namespace {
struct Reports : ErrorReporter
{
    QStringList texts;
    void ShowApplicationError(QStringView, int step, const QString &description) override
    {
        texts.append(QString::number(step) + u' ' + description);
    }
};

// Permissions do not stop root: the walk runs as another user for a moment,
// so that a folder without read permission is unreadable as it is for a user.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0 && (::setegid(65534) != 0 || ::seteuid(65534) != 0))
            qFatal("cannot become an ordinary user");
    }
    ~AsOrdinaryUser()
    {
        if (::getuid() == 0 && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot become root again");
    }
};
} // namespace

class tst_FolderExpansion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void foldersComeLevelByLevel();
    void patternMatching_data();
    void patternMatching();
    void whatAWalkLeavesOut();
    void unsafeSubfolderNamesAreSkipped_data();
    void unsafeSubfolderNamesAreSkipped();
    void unreadableSubfoldersAreDropped();
    void linkLoopsEndTheWalk();
    void archiveNamesAsTheirArchiveMeansThem();

private:
    // Every file the expansion appends, relative to the tree's folder.
    QStringList expand(const QString &pattern = u"*.*"_s, const QString &folder = {});
    QString file(const QString &relative) { return writeFile(m_dir->filePath(relative), "x"); }

    std::optional<QTemporaryDir> m_dir;
    Reports m_reports;
    qsizetype m_passedOver = 0; // by the last expansion
};

void tst_FolderExpansion::init()
{
    // In the shared temporary folder, which the ordinary user some tests walk
    // as can reach (the test's own temporary folder is private).
    m_dir.emplace(u"/tmp/quillora-tree-XXXXXX"_s);
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                             | QFile::ExeOther);
    m_reports.texts.clear();
}

QStringList tst_FolderExpansion::expand(const QString &pattern, const QString &folder)
{
    QStringList appended;
    int breaths = 0;
    Breather breather([&] { ++breaths; });
    FolderWalk walk(m_reports, breather);
    AddFolderFiles(folder.isEmpty() ? m_dir->path() : folder, pattern,
                   [&](const QString &path) { appended.append(QDir(m_dir->path()).relativeFilePath(path)); },
                   walk, breather);
    m_passedOver = walk.passedOver();
    return appended;
}

void tst_FolderExpansion::foldersComeLevelByLevel()
{
    for (const QString &name : {u"a.txt"_s, u"B/b1.txt"_s, u"B/b2.txt"_s, u"B/C/c.txt"_s, u"D/d.txt"_s, u"z.txt"_s})
        file(name);
    QCOMPARE(expand(), (QStringList{u"a.txt"_s, u"z.txt"_s, u"B/b1.txt"_s, u"B/b2.txt"_s, u"D/d.txt"_s,
                                    u"B/C/c.txt"_s}));
    // Names in order without regard to case, ties by the exact text.
    for (const QString &name : {u"b.txt"_s, u"A.txt"_s, u"B.txt"_s})
        file(u"order/"_s + name);
    QCOMPARE(expand(u"*.*"_s, m_dir->filePath(u"order"_s)),
             (QStringList{u"order/A.txt"_s, u"order/B.txt"_s, u"order/b.txt"_s}));
    // Numbers by their value, punctuation aside, as a file manager lists them.
    for (const QString &name : {u"Sales Export H2 (portal).csv"_s, u"sales-2024-10.csv"_s, u"sales-2024-2.csv"_s})
        file(u"natural/"_s + name);
    QCOMPARE(expand(u"*.csv"_s, m_dir->filePath(u"natural"_s)),
             (QStringList{u"natural/sales-2024-2.csv"_s, u"natural/sales-2024-10.csv"_s,
                          u"natural/Sales Export H2 (portal).csv"_s}));
    QVERIFY(m_reports.texts.isEmpty());
}

void tst_FolderExpansion::patternMatching_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("appended");
    QTest::newRow("every file, with or without a dot")
        << u"*.*"_s << QStringList{u"notes"_s, u"report.doc"_s, u"UPPER.TXT"_s, u"x.txt"_s, u"x.txt.gz"_s};
    // A compressed file holds a text of its kind.
    QTest::newRow("an extension matches in any case, compressed too")
        << u"*.txt"_s << QStringList{u"UPPER.TXT"_s, u"x.txt"_s, u"x.txt.gz"_s};
    QTest::newRow("capitals find small letters") << u"*.DOC"_s << QStringList{u"report.doc"_s};
    QTest::newRow("question mark is one character") << u"?.txt"_s << QStringList{u"x.txt"_s, u"x.txt.gz"_s};
    QTest::newRow("a dot typed twice") << u"*..txt"_s << QStringList();
}

void tst_FolderExpansion::patternMatching()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, appended);
    for (const QString &name : {u"x.txt"_s, u"UPPER.TXT"_s, u"report.doc"_s, u"notes"_s, u"x.txt.gz"_s})
        file(name);
    QCOMPARE(expand(pattern), appended);
    // The rest are counted as passed over.
    QCOMPARE(m_passedOver, 5 - appended.size());
}

void tst_FolderExpansion::whatAWalkLeavesOut()
{
    file(u"kept.txt"_s);
    file(u"~draft.txt"_s);
    file(u".hidden.txt"_s);
    const QString readOnlyHidden = file(u".readonly.txt"_s);
    QFile::setPermissions(readOnlyHidden, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(::mkfifo(QFile::encodeName(m_dir->filePath(u"pipe.txt"_s)).constData(), 0600) == 0);
    QVERIFY(QFile::link(m_dir->filePath(u"kept.txt"_s), m_dir->filePath(u"link.txt"_s)));
    QVERIFY(QFile::link(m_dir->filePath(u"missing"_s), m_dir->filePath(u"dangling.txt"_s)));
    QDir(m_dir->path()).mkdir(u"folder.txt"_s);
    // Hidden read-only files go in (34 is hidden and writable); a FIFO would
    // hang the import, a folder and a dangling link are no files.
    QCOMPARE(expand(), (QStringList{u"kept.txt"_s, u"link.txt"_s, u".readonly.txt"_s}));
    QCOMPARE(getAttributes(readOnlyHidden), FileAttribute::HiddenFile | FileAttribute::ReadOnly);
}

void tst_FolderExpansion::unsafeSubfolderNamesAreSkipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("walked");
    QTest::newRow("euro sign, coded 128") << u"price €"_s << false;
    QTest::newRow("hidden") << u".git"_s << false;
    QTest::newRow("curly quote, coded 147") << u"“quoted”"_s << false;
    QTest::newRow("not in the code page") << u"日本"_s << false;
    QTest::newRow("control character") << u"tab\there"_s << false;
    QTest::newRow("Latin-1 letters") << u"naïve façade"_s << true;
}

void tst_FolderExpansion::unsafeSubfolderNamesAreSkipped()
{
    QFETCH(QString, name);
    QFETCH(bool, walked);
    file(name + u"/inside.txt"_s);
    file(name + u"/deeper/below.txt"_s);
    const QStringList expected = walked ? QStringList{name + u"/inside.txt"_s, name + u"/deeper/below.txt"_s}
                                        : QStringList();
    QCOMPARE(expand(), expected);
}

void tst_FolderExpansion::unreadableSubfoldersAreDropped()
{
    for (const QString &name : {u"top.txt"_s, u"A/a.txt"_s, u"B/b.txt"_s, u"B/inner/i.txt"_s, u"C/c.txt"_s,
                                u"D/d.txt"_s})
        file(name);
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    for (const QString &folder : {u"A"_s, u"B"_s, u"B/inner"_s, u"C"_s, u"D"_s})
        QFile::setPermissions(m_dir->filePath(folder), permissions);
    for (const QString &folder : {u"B"_s, u"C"_s})
        QFile::setPermissions(m_dir->filePath(folder), QFileDevice::Permissions());
    QStringList appended;
    {
        const AsOrdinaryUser user;
        appended = expand();
    }
    QCOMPARE(appended, (QStringList{u"top.txt"_s, u"A/a.txt"_s, u"D/d.txt"_s}));
    QVERIFY(m_reports.texts.isEmpty());
    for (const QString &folder : {u"B"_s, u"C"_s})
        QFile::setPermissions(m_dir->filePath(folder), permissions);
}

void tst_FolderExpansion::linkLoopsEndTheWalk()
{
    file(u"a.txt"_s);
    file(u"sub/b.txt"_s);
    // Links back up to the start, to the folder itself, and across.
    QVERIFY(QFile::link(m_dir->path(), m_dir->filePath(u"sub/up"_s)));
    QVERIFY(QFile::link(m_dir->filePath(u"sub"_s), m_dir->filePath(u"sub/self"_s)));
    QVERIFY(QFile::link(m_dir->filePath(u"sub"_s), m_dir->filePath(u"again"_s)));
    QVERIFY(QFile::link(m_dir->path(), m_dir->filePath(u"root"_s)));
    // Each real folder once: its files are appended once.
    QCOMPARE(expand(), (QStringList{u"a.txt"_s, u"again/b.txt"_s}));
}

// A name flagged UTF-8 is UTF-8; one without the flag is in the format's
// own code page, CP437, as old DOS and Windows programs wrote it.
void tst_FolderExpansion::archiveNamesAsTheirArchiveMeansThem()
{
    QByteArray zip = zipOf({{u"cafX.csv"_s, "1"}, {u"naïve.csv"_s, "2"}});
    QCOMPARE(zip.count("cafX.csv"), 2); // its local and its central header
    zip.replace("cafX.csv", "caf\x82.csv");
    writeFile(m_dir->filePath(u"old.zip"_s), zip);
    QCOMPARE(expand(u"*.csv"_s), (QStringList{u"old.zip/café.csv"_s, u"old.zip/naïve.csv"_s}));
}

QTEST_GUILESS_MAIN(tst_FolderExpansion)
#include "tst_folderexpansion.moc"
