// SPDX-License-Identifier: GPL-3.0-or-later
// Filling, ordering and emptying the list through the window, headless.
#include "core/list/filelistmodel.h"
#include "gui/filelistcontroller.h"
#include "gui/optionspanel.h"
#include "gui/pointerfeedback.h"
#include "packedfiles.h"
#include "testfiles.h"
#include "gui/textprogressbar.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

namespace {
void sendMouse(QWidget *widget, QEvent::Type type, QPoint position, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {})
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, position, widget->mapToGlobal(position), type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

// What a file manager hands over when files are dropped.
std::unique_ptr<QMimeData> fileDrag(const QStringList &paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}
} // namespace

class tst_FileList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void addAllFilesInFolder_data();
    void addAllFilesInFolder();
    void folderScanShowsTheBusyPointer();
    void dropAppendsFilesAndFolders();
    void dropWithoutFilesIsRefused();
    void archivesAreListedLikeFolders();
    void manyFilesGoInInBatches();
    void moveUpAndDown();
    void dragExchangesTexts_data();
    void dragExchangesTexts();
    void removing();
    void busyPointerBlocksEditing();
    void noCurrentEntryDoesNothing();
    void pointerFollowsTheSurfaces();
    void sampleFiles();

private:
    QStringList entries() const { return m_window->fileList().entries(); }
    QTreeView *view() const { return m_window->listView(); }
    QWidget *viewport() const { return view()->viewport(); }
    QPoint rowCenter(int row) const { return view()->visualRect(m_window->fileList().index(row)).center(); }
    void fill(const QStringList &texts, int current);
    QString tree(const QString &relative) { return m_fixture->dir.filePath(u"tree/"_s + relative); }
    void press(QAbstractButton *button) { button->click(); }
    QAbstractButton *button(int number) { return child<QAbstractButton>(*m_window, u"PushButton%1"_s.arg(number)); }

    std::optional<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
};

void tst_FileList::init()
{
    m_window.reset();
    m_fixture.emplace();
    m_window = m_fixture->makeWindow();
    QVERIFY(m_window->Form_Load());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    for (const QString &name : {u"a.txt"_s, u"b.TXT"_s, u"c.doc"_s, u"sub/d.txt"_s})
        writeFile(tree(name), "x");
}

void tst_FileList::fill(const QStringList &texts, int current)
{
    m_window->fileList().clear();
    for (const QString &text : texts)
        m_window->fileList().AddListEntry(text);
    if (current >= 0)
        view()->setCurrentIndex(m_window->fileList().index(current));
}

void tst_FileList::addAllFilesInFolder_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("extension");  // stored afterwards
    QTest::addColumn<bool>("folderStored");
    QTest::newRow("an extension") << std::optional<QString>(u"txt"_s) << u"tree"_s << 3 << u"txt"_s << true;
    QTest::newRow("every file") << std::optional<QString>(u"*"_s) << u"tree"_s << 4 << u"*"_s << true;
    QTest::newRow("input cancelled") << std::optional<QString>() << u"tree"_s << 0 << u"doc"_s << false;
    QTest::newRow("input empty") << std::optional<QString>(QString()) << u"tree"_s << 0 << u"doc"_s << false;
    QTest::newRow("browser cancelled") << std::optional<QString>(u"txt"_s) << QString() << 0 << u"txt"_s << false;
}

void tst_FileList::addAllFilesInFolder()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, folder);
    QFETCH(int, added);
    QFETCH(QString, extension);
    QFETCH(bool, folderStored);
    WindowFixture &f = *m_fixture;
    f.store->SaveSetting(Setting::Extension, u"doc"_s);
    f.store->SaveSetting(Setting::LastFolder, u"/earlier"_s);
    f.dialogs.inputAnswers.enqueue(answer);
    f.dialogs.folderAnswers.enqueue(folder.isEmpty() ? QString() : f.dir.filePath(folder));
    press(button(4));

    QCOMPARE(entries().size(), added);
    QCOMPARE(f.store->GetSetting(Setting::Extension), extension);
    QCOMPARE(f.store->GetSetting(Setting::LastFolder), folderStored ? f.dir.filePath(folder) : u"/earlier"_s);
    // The stored extension is the input's default text, the last folder the
    // browser's start; the prompt is the program's own.
    const ScriptedDialogs::Shown input = f.dialogs.shown.value(0);
    QCOMPARE(input.title, u"doc"_s);
    QCOMPARE(input.text, u"Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for all "
                         u"doc files, etc.)"_s);
    if (answer && !answer->isEmpty())
        QCOMPARE(f.dialogs.shown.value(1).text, u"/earlier"_s);
    else
        QCOMPARE(f.dialogs.shown.size(), 1);
    if (added == 3)
        QCOMPARE(entries(), (QStringList{tree(u"a.txt"_s), tree(u"b.TXT"_s), tree(u"sub/d.txt"_s)}));
    QCOMPARE(m_window->pointer().value(), int(PointerFeedback::Default));
}

void tst_FileList::folderScanShowsTheBusyPointer()
{
    QList<int> pointerWhileAdding;
    connect(&m_window->fileList(), &QAbstractItemModel::rowsInserted, this,
            [&] { pointerWhileAdding.append(m_window->pointer().value()); });
    m_fixture->dialogs.inputAnswers.enqueue(u"txt"_s);
    m_fixture->dialogs.folderAnswers.enqueue(m_fixture->dir.filePath(u"tree"_s));
    press(button(4));
    // Every batch goes in under the busy pointer.
    QVERIFY(!pointerWhileAdding.isEmpty());
    QCOMPARE(pointerWhileAdding, QList<int>(pointerWhileAdding.size(), 11));
    QCOMPARE(m_window->fileList().count(), 3);
    QCOMPARE(m_window->pointer().value(), 0);
    // The files of another kind are counted where the bar says what happened.
    QCOMPARE(m_window->progressBar()->text(), u"3 files added; 1 other file passed over (not *.txt)"_s);
}

void tst_FileList::dropAppendsFilesAndFolders()
{
    const QString single = writeFile(m_fixture->dir.filePath(u"~loose.txt"_s), "x");
    const QString second = writeFile(m_fixture->dir.filePath(u"other/z.bin"_s), "x");
    fill({single}, -1);
    const auto data = fileDrag({single, m_fixture->dir.filePath(u"tree"_s), second});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &drop);
    QVERIFY(drop.isAccepted());
    // Files as given (a "~" name and a duplicate included), a folder's files
    // of any extension level by level, in drop order.
    QTRY_COMPARE(entries(), (QStringList{single, single, tree(u"a.txt"_s), tree(u"b.TXT"_s), tree(u"c.doc"_s),
                                         tree(u"sub/d.txt"_s), second}));
}

void tst_FileList::manyFilesGoInInBatches()
{
    for (int i = 0; i < 300; ++i)
        writeFile(m_fixture->dir.filePath(u"many/f%1.txt"_s.arg(i, 3, 10, QChar(u'0'))), "x");
    int insertions = 0;
    connect(&m_window->fileList(), &QAbstractItemModel::rowsInserted, this, [&] { ++insertions; });
    m_window->listController().ListView1_OLEDragDrop(
        {m_fixture->dir.filePath(u"a.txt"_s), m_fixture->dir.filePath(u"many"_s), m_fixture->dir.filePath(u"b.txt"_s)});
    QCOMPARE(m_window->fileList().count(), 302);
    QCOMPARE(m_window->fileList().entryAt(1), m_fixture->dir.filePath(u"many/f000.txt"_s));
    QCOMPARE(m_window->fileList().entryAt(301), m_fixture->dir.filePath(u"b.txt"_s));
    // Not one insertion per file: the folder's files come in a few batches.
    QVERIFY2(insertions <= 10, qPrintable(QString::number(insertions)));
}

// A .zip archive dropped, chosen or met in a folder lists its members in its
// order, shown below it; one that cannot be read is told of, naming it, and
// the rest goes in.
void tst_FileList::archivesAreListedLikeFolders()
{
    const QString zip = writeFile(m_fixture->dir.filePath(u"in/2024.zip"_s),
                                  zipOf({{u"north/jan.csv"_s, "a"}, {u"feb.txt"_s, "b"}, {u"mar.csv"_s, "c"}}));
    const QString broken = writeFile(m_fixture->dir.filePath(u"in/broken.zip"_s), "PK\x03\x04 and nothing more");
    const QString plain = writeFile(m_fixture->dir.filePath(u"in/plain.csv"_s), "d");
    m_window->listController().ListView1_OLEDragDrop({zip, broken, plain});
    QCOMPARE(entries(), (QStringList{zip + u"/north/jan.csv"_s, zip + u"/feb.txt"_s, zip + u"/mar.csv"_s, plain}));
    QCOMPARE(m_window->fileList().data(m_window->fileList().index(0, 0), Qt::DisplayRole).toString(),
             zip + u" \u203A north/jan.csv"_s);
    const QStringList warnings = m_fixture->dialogs.texts(u"warning");
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(broken), qPrintable(warnings.first()));
    // "Add All File(s) In Folder" with an extension: the members that have it.
    m_window->fileList().clear();
    m_fixture->dialogs.inputAnswers.enqueue(u"csv"_s);
    m_fixture->dialogs.folderAnswers.enqueue(m_fixture->dir.filePath(u"in"_s));
    press(button(4));
    QCOMPARE(entries(), (QStringList{zip + u"/north/jan.csv"_s, zip + u"/mar.csv"_s, plain}));
}

void tst_FileList::dropWithoutFilesIsRefused()
{
    QMimeData text;
    text.setText(u"/etc/passwd"_s);
    text.setUrls({QUrl(u"https://quillora.example/list.txt"_s)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &drop);
    // Whatever the drop queued has run.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(entries().isEmpty());
}

void tst_FileList::moveUpAndDown()
{
    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    fill(abc, 1);
    press(button(3));
    QCOMPARE(entries(), (QStringList{u"B"_s, u"A"_s, u"C"_s}));
    QCOMPARE(view()->currentIndex().row(), 0);
    QVERIFY(view()->hasFocus());
    press(button(3)); // at the top already
    QCOMPARE(entries(), (QStringList{u"B"_s, u"A"_s, u"C"_s}));
    press(button(5));
    QCOMPARE(entries(), abc);
    QCOMPARE(view()->currentIndex().row(), 1);
    fill(abc, 2);
    button(1)->setFocus();
    press(button(5)); // at the bottom already
    QCOMPARE(entries(), abc);
    QVERIFY(view()->hasFocus());
    // The same path twice: still the current one moves.
    fill({u"X"_s, u"X"_s}, 1);
    press(button(3));
    QCOMPARE(view()->currentIndex().row(), 0);
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
}

void tst_FileList::dragExchangesTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("rowsPassed");
    QTest::addColumn<QStringList>("after");
    const QStringList abcde{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s};
    QTest::newRow("slow slide carries the text") << abcde << QList<int>{1, 2, 3, 4}
                                                 << QStringList{u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"A"_s};
    QTest::newRow("a jump swaps two texts") << abcde << QList<int>{3}
                                            << QStringList{u"D"_s, u"B"_s, u"C"_s, u"A"_s, u"E"_s};
    QTest::newRow("an equal text is not exchanged") << QStringList{u"A"_s, u"A"_s, u"B"_s} << QList<int>{1}
                                                    << QStringList{u"A"_s, u"A"_s, u"B"_s};
}

void tst_FileList::dragExchangesTexts()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, rowsPassed);
    QFETCH(QStringList, after);
    fill(texts, -1);
    // Any button arms the drag.
    sendMouse(viewport(), QEvent::MouseButtonPress, rowCenter(0), Qt::RightButton);
    for (int row : rowsPassed)
        sendMouse(viewport(), QEvent::MouseMove, rowCenter(row), Qt::RightButton);
    sendMouse(viewport(), QEvent::MouseButtonRelease, rowCenter(rowsPassed.last()), Qt::RightButton);
    QCOMPARE(entries(), after);
    if (after != texts)
        QCOMPARE(view()->currentIndex().row(), rowsPassed.last());
    QCOMPARE(viewport()->cursor().shape(), Qt::ArrowCursor);
    // Moves after the release exchange nothing.
    sendMouse(viewport(), QEvent::MouseMove, rowCenter(0));
    QCOMPARE(entries(), after);
}

void tst_FileList::removing()
{
    fill({u"A"_s, u"B"_s, u"C"_s, u"D"_s}, 1);
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                                  Qt::KeyboardModifiers(Qt::ControlModifier)})
        QTest::keyClick(view(), Qt::Key_Delete, modifiers);
    QCOMPARE(entries(), QStringList{u"A"_s});
    fill({u"A"_s, u"B"_s, u"C"_s}, -1);
    sendMouse(viewport(), QEvent::MouseButtonPress, rowCenter(2));
    sendMouse(viewport(), QEvent::MouseButtonRelease, rowCenter(2));
    sendMouse(viewport(), QEvent::MouseButtonDblClick, rowCenter(2));
    QCOMPARE(entries(), (QStringList{u"A"_s, u"B"_s}));
    press(button(6));
    QVERIFY(entries().isEmpty());
    QTest::keyClick(view(), Qt::Key_Delete);
    press(button(6));
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
}

void tst_FileList::busyPointerBlocksEditing()
{
    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    fill(abc, 1);
    m_window->pointer().setValue(PointerFeedback::Busy);
    press(button(3));
    press(button(5));
    QTest::keyClick(view(), Qt::Key_Delete);
    sendMouse(viewport(), QEvent::MouseButtonDblClick, rowCenter(1));
    press(button(6));
    QCOMPARE(entries(), abc);
    // Hovering a push button keeps the hourglass.
    sendMouse(button(1), QEvent::MouseMove, QPoint(3, 3));
    QCOMPARE(m_window->pointer().value(), int(PointerFeedback::Busy));
    QCOMPARE(m_window->cursor().shape(), Qt::WaitCursor);
}

void tst_FileList::noCurrentEntryDoesNothing()
{
    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    fill(abc, -1);
    view()->clearSelection();
    press(button(3));
    press(button(5));
    QTest::keyClick(view(), Qt::Key_Delete);
    sendMouse(viewport(), QEvent::MouseButtonDblClick, QPoint(5, viewport()->height() - 5));
    QCOMPARE(entries(), abc);
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
}

void tst_FileList::pointerFollowsTheSurfaces()
{
    PointerFeedback &pointer = m_window->pointer();
    sendMouse(button(7), QEvent::MouseMove, QPoint(3, 3));
    QCOMPARE(pointer.value(), int(PointerFeedback::Hand));
    QCOMPARE(m_window->cursor().shape(), Qt::PointingHandCursor);
    // Text1 and the progress bar leave the value as it was.
    sendMouse(child<QLineEdit>(*m_window, u"Text1"_s), QEvent::MouseMove, QPoint(3, 3));
    sendMouse(child<QWidget>(*m_window, u"ProgressBar1"_s), QEvent::MouseMove, QPoint(3, 3));
    QCOMPARE(pointer.value(), int(PointerFeedback::Hand));
    sendMouse(child<QRadioButton>(*m_window, u"Option3"_s), QEvent::MouseMove, QPoint(3, 3));
    QCOMPARE(pointer.value(), int(PointerFeedback::Default));
    QWidget *page = child<QScrollArea>(*m_window, u"Page"_s)->widget();
    for (QWidget *surface : {static_cast<QWidget *>(viewport()), page,
                             child<QWidget>(*m_window, u"Frame1"_s)}) {
        sendMouse(button(3), QEvent::MouseMove, QPoint(3, 3));
        QCOMPARE(pointer.value(), int(PointerFeedback::Hand));
        sendMouse(surface, QEvent::MouseMove, QPoint(1, 1));
        QCOMPARE(pointer.value(), int(PointerFeedback::Default));
    }
}

void tst_FileList::sampleFiles()
{
    // Two samples beside the program at the first start.
    m_window.reset();
    m_fixture.emplace();
    const QString samples = m_fixture->dir.filePath(u"program/Samples"_s);
    const QString a = writeFile(samples + u"/a.txt"_s, "a");
    const QString b = writeFile(samples + u"/b.txt"_s, "b");
    m_window = m_fixture->makeWindow();
    QVERIFY(m_window->Form_Load());
    WindowFixture &f = *m_fixture;
    f.dialogs.questionAnswers << false << true << false;
    const QString question = u"Would you like this software to open the folder where these sample files are stored "
                             u"(so that you can view them before working with them)?"_s;
    press(button(7));
    press(button(7));
    QCOMPARE(entries(), (QStringList{a, b}));
    QCOMPARE(f.opened, QList<QUrl>{QUrl::fromLocalFile(samples + u'/')});
    // A sample deleted since is skipped; the question comes every time.
    m_window->fileList().clear();
    QFile::remove(a);
    press(button(7));
    QCOMPARE(entries(), QStringList{b});
    QCOMPARE(f.dialogs.texts(u"question"), QStringList(3, question));
    QVERIFY(f.dialogs.texts(u"warning").isEmpty());
    // The comma option is chosen and stored; the sheet options are untouched.
    QVERIFY(m_window->options().option(3)->isChecked());
    const QStringList stored{f.store->GetSetting(Setting::Option1), f.store->GetSetting(Setting::Option2),
                             f.store->GetSetting(Setting::Option3), f.store->GetSetting(Setting::Option7),
                             f.store->GetSetting(Setting::Option4)};
    QCOMPARE(stored, (QStringList{u"False"_s, u"False"_s, u"True"_s, u"False"_s, u"False"_s}));
    QVERIFY(!f.ini->contains(u"Quillora/Option5"_s));
}

QTEST_MAIN(tst_FileList)
#include "tst_filelist.moc"
