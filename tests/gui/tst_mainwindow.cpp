// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"
#include "cli/commandlineimport.h"
#include "core/import/accountwords.h"
#include "core/list/filelistmodel.h"
#include "core/settings.h"
#include "gui/barprogress.h"
#include "gui/dialogs.h"
#include "gui/headerrenames.h"
#include "gui/importcontroller.h"
#include "gui/importsummary.h"
#include "gui/mainwindow.h"
#include "gui/optionspanel.h"
#include "gui/previewpanel.h"
#include "gui/textprogressbar.h"
#include "gui/windowarrangement.h"
#include "packedfiles.h"
#include "testfiles.h"
#include "windowfixture.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QWheelEvent>
#include <QTableView>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsFollowTheLayout();
    void firstStartHasTheDefaults();
    void badStoredValueIsReportedAndStartUpGoesOn();
    void laterRestoreWinsAndRewritesItsGroup();
    void ownSeparatorOptionIsRestored();
    void numbersAndDatesAreKeptAndPreviewed();
    void sheetsNamedAsListed();
    void noStoredSelectionLeavesTheGroupEmpty();
    void clicksWriteTheirGroupsKeys();
    void selectionByAnyMeansIsSaved();
    void optionButtonsShareTheirFramesSurface();
    void separatorIsRememberedAsTyped();
    void keyboardReachesEveryControl();
    void secondStartRestoresTheFirstStartsChoice();
    void skinAndPointerImage();
    void homePageOpensOnTheSeventhDraw();
    void officeCheckCanEndTheStart();
    void emptyListSaysWhatToDo();
    void addOneFile();
    void addSeveralFilesInTheDialogsOrder();
    void cancelAddsNothing();
    void tooManyFilesAreRefused();
    void reportShowsItsLineBreaks();
    void startImportingFillsADocument();
    void chosenEncodingReadsTheFiles();
    void rowsLeftOutAreANoticeNotAnErrorReport();
    void lockedMemberIsToldTheRestImported();
    void previewFollowsSelectionAndOptions();
    void fileOfItsOwnEncoding();
    void renameUnderThePlanImportsAsTheCommandLine();
    void columnKindChosenInThePreviewImportsAsTheCommandLine();
    void wheelOverAnUnfocusedBoxLeavesIt();
    void progressBarShowsWhereTheRunIs_data();
    void progressBarShowsWhereTheRunIs();
    void stopEndsTheRun_data();
    void stopEndsTheRun();
    void optionChangedDuringARunActsOnIt();
    void closingDuringARunStopsIt();
    void closingWhileTheSpreadsheetHangsEndsAtOnce();
    void screenshot();

private:
    std::unique_ptr<MainWindow> makeWindow() { return m_f->makeWindow(); }

    std::optional<WindowFixture> m_f;
};

void tst_MainWindow::init()
{
    m_f.emplace();
}

void tst_MainWindow::cleanup()
{
    QCOMPARE(QDir(QDir::tempPath()).entryList({u"quillora-*"_s}, QDir::Files), QStringList());
}

void tst_MainWindow::controlsFollowTheLayout()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->windowTitle(), u"Quillora"_s);
    // At its designed size every option is in view: the list and its
    // buttons over the preview on the left, the option frames with Start
    // and the bar under them on the right, 8 pixels apart.
    QCOMPARE(window->size(), window->sizeHint());
    QVERIFY(window->findChild<WindowArrangement *>()->isWide());
    QVERIFY(window->font().bold());
    const auto at = [&](const char16_t *name) {
        const QWidget *control = child<QWidget>(*window, QString::fromUtf16(name));
        return QRect(control->mapTo(window.get(), QPoint(0, 0)), control->size());
    };
    const QList<std::pair<QString, QString>> buttons{
        {u"PushButton1"_s, u"&Add Text File(s)"_s},      {u"PushButton4"_s, u"Add All File(s) In &Folder"_s},
        {u"PushButton6"_s, u"C&lear List"_s},            {u"PushButton7"_s, u"Load Sample/E&xample Files"_s},
        {u"PushButton2"_s, u"Start &Importing"_s}};
    for (const auto &[name, caption] : buttons) {
        auto *button = child<QPushButton>(*window, name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->height(), 27);
        QCOMPARE(button->font().pointSizeF(), 11.25);
    }
    QCOMPARE(at(u"ListView1").topLeft(), QPoint(8, 8));
    QCOMPARE(at(u"PushButton3"), QRect(at(u"ListView1").right() + 8, 8, 57, 80));
    QCOMPARE(at(u"PushButton5"), at(u"PushButton3").translated(0, 88));
    QCOMPARE(at(u"PushButton1").topLeft(), at(u"ListView1").bottomLeft() + QPoint(0, 8));
    QCOMPARE(at(u"PushButton6").topLeft(), at(u"PushButton1").bottomLeft() + QPoint(0, 8));
    QCOMPARE(at(u"PushButton4").right(), at(u"PushButton5").right());
    QCOMPARE(at(u"Preview1").left(), 8);
    QCOMPARE(at(u"Frame2").topLeft(), QPoint(at(u"PushButton4").right() + 9, 8));
    QCOMPARE(at(u"Frame1").left(), at(u"Frame2").left());
    QCOMPARE(at(u"PushButton2"), QRect(at(u"Frame1").left(), at(u"ProgressBar1").top() - 35, at(u"Frame1").width(), 27));
    QCOMPARE(at(u"ProgressBar1").bottom(), window->height() - 9);
    QCOMPARE(child<QToolButton>(*window, u"PushButton3"_s)->accessibleName(), u"Move Up"_s);
    auto *list = child<QTreeView>(*window, u"ListView1"_s);
    QVERIFY(!list->isHeaderHidden());
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"Text File(s)"_s);
    QCOMPARE(list->columnWidth(0), 400);
    QCOMPARE(list->textElideMode(), Qt::ElideLeft);
    // The icon is in the program, in every size the theme has.
    QCOMPARE(window->windowIcon().availableSizes().size(), 6);
    QVERIFY(list->toolTip().startsWith(u"Drag and drop files here. Double-click item to remove it."_s));

    QCOMPARE(child<QGroupBox>(*window, u"Frame2"_s)->title(), u"Import Options"_s);
    QCOMPARE(child<QGroupBox>(*window, u"Frame1"_s)->height(), 292);
    QCOMPARE(child<QRadioButton>(*window, u"Option4"_s)->text(), u"Split data into new Calc column by these c&haracter(s):"_s);
    QCOMPARE(child<QRadioButton>(*window, u"Option7"_s)->geometry(), QRect(16, 90, 341, 17));
    // Right of its option's whole caption.
    auto *option4 = child<QRadioButton>(*window, u"Option4"_s);
    QCOMPARE(option4->width(), option4->sizeHint().width());
    QCOMPARE(child<QLineEdit>(*window, u"Text1"_s)->geometry(), QRect(option4->geometry().right() + 5, 111, 81, 22));
    auto *progress = child<TextProgressBar>(*window, u"ProgressBar1"_s);
    QCOMPARE(progress->text(), u"Progress Bar"_s);
    // The quotes box and the encoding: under the split options, in the
    // frame, covering none.
    auto *quotes = child<QCheckBox>(*window, u"Check1"_s);
    QCOMPARE(quotes->text(), u"Keep text in double &quotes together"_s);
    auto *encoding = child<QComboBox>(*window, u"Combo1"_s);
    QCOMPARE(encoding->accessibleName(), u"Encoding"_s);
    QCOMPARE(encoding->currentText(), u"Automatic"_s);
    QVERIFY(encoding->findText(u"Japanese (Shift_JIS)"_s) > 0);
    QCOMPARE(child<QGroupBox>(*window, u"Frame3"_s)->title(), u"Lines and Headers"_s);
    QCOMPARE(child<QSpinBox>(*window, u"Spin1"_s)->maximum(), 1000);
    const std::initializer_list<std::pair<const char16_t *, const char16_t *>> added{
        {u"Check1", u"Frame1"}, {u"Combo1", u"Frame1"}, {u"Label1", u"Frame1"},
        {u"Label2", u"Frame3"}, {u"Spin1", u"Frame3"},  {u"Check2", u"Frame3"}, {u"Check3", u"Frame3"},
        {u"Check4", u"Frame3"}};
    for (const auto &[name, frame] : added) {
        const QWidget *added = child<QWidget>(*window, QString::fromUtf16(name));
        QCOMPARE(added->parentWidget()->objectName(), QString::fromUtf16(frame));
        QVERIFY(added->parentWidget()->rect().contains(added->geometry()));
        for (const QWidget *other : added->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != added)
                QVERIFY2(!other->geometry().intersects(added->geometry()), qPrintable(other->objectName()));
        }
    }
    QCOMPARE(quotes->x(), child<QRadioButton>(*window, u"Option4"_s)->x());
    QVERIFY(!quotes->isChecked());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(m_f->dialogs.shown.isEmpty());
}

void tst_MainWindow::firstStartHasTheDefaults()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(window->options().option(5)->isChecked());
    QVERIFY(window->options().option(1)->isChecked());
    QVERIFY(window->options().separatorEdit()->text().isEmpty());
    QVERIFY(window->options().sheetOptions().oneSheet);
    QVERIFY(!window->options().readOptions().cut.givenText());
    // No option changed, so none was written; only the (empty) sample
    // snapshot is recorded.
    QCOMPARE(m_f->ini->allKeys(), QStringList{u"Quillora/Snapshot"_s});
    QVERIFY(m_f->dialogs.shown.isEmpty());
}

void tst_MainWindow::badStoredValueIsReportedAndStartUpGoesOn()
{
    m_f->store->SaveSetting(Setting::Option2, u"yes"_s);
    m_f->store->SaveSetting(Setting::Option3, u"True"_s);
    m_f->store->SaveSetting(Setting::Text1, u";"_s);
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QCOMPARE(m_f->dialogs.shown.size(), 1);
    QCOMPARE(m_f->dialogs.shown.first().kind, u"warning"_s);
    QCOMPARE(m_f->dialogs.shown.first().title, u"Application Error"_s);
    QVERIFY(m_f->dialogs.shown.first().text.startsWith(
        u"Type mismatch\r\nin Tessaline2021/08/31.Form1.Form_Load at line 138\r\r"_s));
    QVERIFY(!window->options().option(2)->isChecked());
    QVERIFY(window->options().option(3)->isChecked());
    QCOMPARE(window->options().separatorEdit()->text(), u";"_s);
}

void tst_MainWindow::laterRestoreWinsAndRewritesItsGroup()
{
    m_f->store->SaveSetting(Setting::Option1, u"True"_s);
    m_f->store->SaveSetting(Setting::Option3, u"true"_s);
    m_f->store->SaveSetting(Setting::Option4, u"1"_s);
    m_f->store->SaveSetting(Setting::Option5, u"True"_s);
    m_f->store->SaveSetting(Setting::Option6, u"-1"_s);
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(window->options().option(4)->isChecked());
    QVERIFY(window->options().option(6)->isChecked());
    QCOMPARE(m_f->store->GetSetting(Setting::Option1), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option3), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option4), u"True"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option5), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option6), u"True"_s);
}

void tst_MainWindow::ownSeparatorOptionIsRestored()
{
    m_f->store->SaveSetting(Setting::Option3, u"True"_s);
    m_f->store->SaveSetting(Setting::Option8, u"True"_s);
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(window->options().option(8)->isChecked());
    QVERIFY(window->options().readOptions().cut.own());
    QCOMPARE(m_f->store->GetSetting(Setting::Option3), u"False"_s);
}

// Numbers and dates: saved as they change, restored at the next start, and
// the preview stands number cells on the right, as the sheet will.
void tst_MainWindow::numbersAndDatesAreKeptAndPreviewed()
{
    {
        auto window = makeWindow();
        QVERIFY(window->Form_Load());
        QVERIFY(!window->options().decimalSignBox()->isEnabled());
        window->options().numbersBox()->click();
        window->options().decimalSignBox()->setCurrentIndex(2);
        window->options().datesBox()->click();
        QCOMPARE(m_f->store->GetSetting(Setting::Numbers), u"True"_s);
        QCOMPARE(m_f->store->GetSetting(Setting::DecimalSign), u"Comma"_s);
        QCOMPARE(m_f->store->GetSetting(Setting::Dates), u"True"_s);
    }
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(window->options().decimalSignBox()->isEnabled());
    QCOMPARE(window->options().readOptions().numbers, DecimalSign::Comma);
    QVERIFY(window->options().readOptions().dates);
    PreviewPanel *preview = window->preview();
    QSignalSpy shown(preview, &PreviewPanel::shown);
    window->options().option(4)->click();
    window->options().setSeparatorText(u";"_s);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.csv"_s), "x;1234,50;2024-02-29;007\n"));
    QTRY_COMPARE(preview->table()->model()->columnCount(), 4);
    QVERIFY(preview->infoLine()->text().endsWith(u"; numbers with a decimal comma"_s));
    const auto alignment = [&](int column) {
        return preview->table()->model()->index(0, column).data(Qt::TextAlignmentRole).toInt();
    };
    QCOMPARE(alignment(1), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(alignment(2), int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!(alignment(3) & Qt::AlignRight));
    QVERIFY(!(alignment(0) & Qt::AlignRight));
}

// Sheets named after their files in the list's order, as --sheets-as-listed
// does: by the keyboard, saved, restored, and the import made so.
void tst_MainWindow::sheetsNamedAsListed()
{
    {
        auto window = makeWindow();
        QVERIFY(window->Form_Load());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCheckBox *box = window->options().sheetsAsListedBox();
        QVERIFY(!box->isEnabled());
        window->options().option(6)->click();
        QVERIFY(box->isEnabled());
        window->options().option(6)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(m_f->store->GetSetting(Setting::SheetsAsListed), u"True"_s);
    }
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(window->options().sheetsAsListedBox()->isChecked());
    QVERIFY(window->options().sheetOptions().sheetsAsListed);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"2024-02.csv"_s), "b"));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"2024-01.csv"_s), "a"));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(m_f->office.sheetNames(), (QStringList{u"2024-02.csv"_s, u"2024-01.csv"_s}));
    // Back to one sheet, it says nothing.
    window->options().option(5)->click();
    QVERIFY(!window->options().sheetOptions().sheetsAsListed);
}

void tst_MainWindow::noStoredSelectionLeavesTheGroupEmpty()
{
    m_f->store->SaveSetting(Setting::Option5, u"False"_s);
    m_f->store->SaveSetting(Setting::Option6, u"False"_s);
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(!window->options().option(5)->isChecked());
    QVERIFY(!window->options().option(6)->isChecked());
    // With no sheet option chosen, each file gets its own sheet.
    QVERIFY(!window->options().sheetOptions().oneSheet);
    window->options().option(5)->click();
    QCOMPARE(m_f->store->GetSetting(Setting::Option5), u"True"_s);
}

void tst_MainWindow::clicksWriteTheirGroupsKeys()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    child<QRadioButton>(*window, u"Option7"_s)->click();
    QCOMPARE(m_f->store->GetSetting(Setting::Option1), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option2), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option3), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option7), u"True"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option4), u"False"_s);
    QVERIFY(!m_f->ini->contains(u"Quillora/Option5"_s));
    QCOMPARE(window->options().readOptions().cut.givenText(), std::optional<QString>(u"\t"_s));

    child<QRadioButton>(*window, u"Option6"_s)->click();
    QCOMPARE(m_f->store->GetSetting(Setting::Option5), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option6), u"True"_s);
    QVERIFY(window->options().option(7)->isChecked());

    window->options().selectOption(3); // as the sample loader does
    QCOMPARE(m_f->store->GetSetting(Setting::Option3), u"True"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option7), u"False"_s);
}

void tst_MainWindow::selectionByAnyMeansIsSaved()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The keyboard: an arrow key moves the selection within the group.
    QRadioButton *first = child<QRadioButton>(*window, u"Option1"_s);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Down);
    QVERIFY(window->options().option(2)->isChecked());
    QCOMPARE(m_f->store->GetSetting(Setting::Option1), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option2), u"True"_s);
    // An accessibility tool sets the state without a click.
    window->options().option(6)->setChecked(true);
    QCOMPARE(m_f->store->GetSetting(Setting::Option5), u"False"_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Option6), u"True"_s);
    // The quotes box by mouse, keyboard and directly.
    QCheckBox *quotes = window->options().quotesBox();
    QTest::mouseClick(quotes, Qt::LeftButton, {}, QPoint(8, quotes->height() / 2));
    QCOMPARE(m_f->store->GetSetting(Setting::Quotes), u"True"_s);
    quotes->setFocus();
    QTest::keyClick(quotes, Qt::Key_Space);
    QCOMPARE(m_f->store->GetSetting(Setting::Quotes), u"False"_s);
    quotes->setChecked(true);
    QCOMPARE(m_f->store->GetSetting(Setting::Quotes), u"True"_s);
    QVERIFY(window->options().readOptions().quotes);
}

void tst_MainWindow::optionButtonsShareTheirFramesSurface()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QGroupBox *frame = window->options().formatFrame();
    const QImage image = frame->grab().toImage();
    for (QWidget *control : std::initializer_list<QWidget *>{window->options().option(1), window->options().option(2),
                                                             window->options().option(3), window->options().option(7),
                                                             window->options().option(4),
                                                             window->options().quotesBox()}) {
        // Past the caption inside the button, and just right of the button.
        const QRect button = control->geometry();
        const QPoint inside(button.right() - 3, button.center().y());
        const QPoint beside(button.right() + 2, button.center().y());
        QCOMPARE(image.pixelColor(inside), image.pixelColor(beside));
    }
}

void tst_MainWindow::separatorIsRememberedAsTyped()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    // Typed while "comma" is chosen: the typing chooses its own option.
    child<QRadioButton>(*window, u"Option3"_s)->click();
    QTest::keyClicks(child<QLineEdit>(*window, u"Text1"_s), u"||"_s);
    QVERIFY(window->options().option(4)->isChecked());
    QCOMPARE(m_f->store->GetSetting(Setting::Text1), u"||"_s);
    QCOMPARE(window->options().readOptions().cut.givenText(), std::optional<QString>(u"||"_s));
}

// Tab walks the window as it is read, every control has an Alt+letter of its
// own that reaches it, and Enter in the separator field starts nothing.
void tst_MainWindow::keyboardReachesEveryControl()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "a;b"));

    // Tab goes down the left column, then the right; it enters a group of
    // options at its chosen one (the arrows move in it) and leaves the
    // preview's table at once, whatever cell is current. Shift+Tab walks
    // back the same way.
    QStringList readingOrder{
        u"ListView1"_s, u"PushButton3"_s, u"PushButton5"_s, u"PushButton1"_s, u"PushButton4"_s, u"PushButton6"_s,
        u"PushButton7"_s, u"PreviewEncoding"_s, u"PreviewSeparator"_s, u"PreviewHintButton"_s, u"PreviewTable"_s,
        u"Option5"_s, u"Option1"_s,
        u"Text1"_s, u"Check1"_s, u"Combo1"_s, u"Check5"_s, u"Check6"_s, u"Spin1"_s, u"Check2"_s, u"Check3"_s,
        u"Check4"_s, u"Check8"_s, u"PushButton2"_s};
    auto *table = window->preview()->table();
    QTRY_VERIFY(table->model()->rowCount() > 0);
    table->setCurrentIndex(table->model()->index(0, 1));
    for (const auto key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        child<QWidget>(*window, key == Qt::Key_Tab ? u"ListView1"_s : u"PushButton2"_s)->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (qsizetype i = 0; i < readingOrder.size(); ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QCOMPARE(walked, readingOrder);
        std::ranges::reverse(readingOrder);
    }

    // Every caption's mnemonic, and what it reaches.
    QMap<QChar, QWidget *> reaches;
    const auto take = [&](const QString &caption, QWidget *target) {
        const qsizetype at = caption.indexOf(u'&');
        QVERIFY2(at >= 0 && at + 1 < caption.size(), qPrintable(caption));
        const QChar letter = caption[at + 1].toLower();
        QVERIFY2(!reaches.contains(letter), qPrintable(caption));
        reaches.insert(letter, target);
    };
    // Numbers and dates come after every letter was taken: Tab reaches them.
    const QStringList byTabAlone{u"Check5"_s, u"Check6"_s, u"Check7"_s, u"Check8"_s, u"RenameButton"_s, u"ForgetRenames"_s};
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        // Not the parts of a table or a box.
        if (!button->objectName().isEmpty() && !byTabAlone.contains(button->objectName()))
            take(button->text(), button);
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            take(label->text(), label->buddy());
    }
    QCOMPARE(reaches.size(), 24);
    // "Clear List" empties the list: what then acts on no file is disabled.
    for (auto [letter, target] : reaches.asKeyValueRange()) {
        if (!target->isVisible() || !target->isEnabled())
            continue;
        // The report an import opened may have the keyboard (a test screen
        // gives it to every window shown).
        if (ImportSummary *report = window->importController().summary())
            report->close();
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window.get());
        QSignalSpy pressed(qobject_cast<QAbstractButton *>(target), &QAbstractButton::pressed);
        QTest::keyClick(window.get(), letter.toLatin1(), Qt::AltModifier);
        if (qobject_cast<QPushButton *>(target) || qobject_cast<QToolButton *>(target)) {
            QVERIFY2(pressed.size() == 1, qPrintable(target->objectName()));
            // It clicks a moment later, as it is released.
            QTRY_VERIFY(!qobject_cast<QAbstractButton *>(target)->isDown());
        } else {
            QTRY_COMPARE(QApplication::focusWidget(), target);
        }
    }

    // Enter where a separator is typed leaves it at that.
    m_f->dialogs.shown.clear();
    QTest::keyClicks(window->options().separatorEdit(), u";"_s);
    QTest::keyClick(window->options().separatorEdit(), Qt::Key_Return);
    QTest::keyClick(window->options().separatorEdit(), Qt::Key_Enter);
    QVERIFY(m_f->dialogs.shown.isEmpty());
}

void tst_MainWindow::secondStartRestoresTheFirstStartsChoice()
{
    {
        auto first = makeWindow();
        QVERIFY(first->Form_Load());
        QTest::keyClicks(child<QLineEdit>(*first, u"Text1"_s), u"#"_s);
        child<QRadioButton>(*first, u"Option7"_s)->click();
        child<QRadioButton>(*first, u"Option6"_s)->click();
        child<QCheckBox>(*first, u"Check1"_s)->click();
        // The keyboard picks an encoding as well as the mouse.
        auto *encoding = child<QComboBox>(*first, u"Combo1"_s);
        encoding->setFocus();
        while (encoding->currentText() != u"Japanese (Shift_JIS)"_s)
            QTest::keyClick(encoding, Qt::Key_Down);
        QCOMPARE(m_f->store->GetSetting(Setting::Encoding), u"Shift_JIS"_s);
        auto *skip = child<QSpinBox>(*first, u"Spin1"_s);
        skip->setFocus();
        QTest::keyClick(skip, Qt::Key_Up);
        QTest::keyClick(skip, Qt::Key_Up);
        child<QCheckBox>(*first, u"Check2"_s)->click();
        child<QCheckBox>(*first, u"Check3"_s)->click();
        child<QCheckBox>(*first, u"Check4"_s)->click();
        QCOMPARE(m_f->store->GetSetting(Setting::SkipLines), u"2"_s);
    }
    m_f->reopenSettings();
    auto second = makeWindow();
    QVERIFY(second->Form_Load());
    QVERIFY(second->options().option(7)->isChecked());
    QVERIFY(second->options().option(6)->isChecked());
    QVERIFY(!second->options().option(1)->isChecked());
    QCOMPARE(second->options().separatorEdit()->text(), u"#"_s);
    QVERIFY(second->options().readOptions().quotes);
    QCOMPARE(second->options().readOptions().encoding->name, QByteArray("Shift_JIS"));
    QCOMPARE(second->options().readOptions().linesToSkip, 2);
    QVERIFY(second->options().readOptions().header);
    QCOMPARE(second->options().readOptions().fileColumn, FileColumn::Relative);
    QVERIFY(second->options().sheetOptions().continueSheets);
    QVERIFY(m_f->dialogs.shown.isEmpty());
}

void tst_MainWindow::skinAndPointerImage()
{
    writeFile(m_f->dir.filePath(u"program/x/o.cjs"_s), "QPushButton { color: rgb(1, 2, 3); }");
    writeFile(m_f->dir.filePath(u"program/HAND-M.CUR"_s), "not an image");
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(window->styleSheet().contains(u"rgb(1, 2, 3)"_s));
    QCOMPARE(window->palette().color(QPalette::Window), window->palette().color(QPalette::Button));
    // An unreadable pointer image is reported and the start goes on.
    QCOMPARE(m_f->dialogs.shown.size(), 1);
    QVERIFY(m_f->dialogs.shown.first().text.contains(u"Form_Load at line 106"_s));
    QVERIFY(!window->handPointer());

    // A cursor file: an icon directory of type 2 with its hot spot at (5, 3).
    QImage hand(32, 32, QImage::Format_ARGB32);
    hand.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(hand.save(&buffer, "ICO"));
    QByteArray cursor = buffer.data();
    cursor[2] = 2;
    cursor[10] = 5;
    cursor[12] = 3;
    writeFile(m_f->dir.filePath(u"program/HAND-M.CUR"_s), cursor);
    m_f->dialogs.shown.clear();
    auto again = makeWindow();
    QVERIFY(again->Form_Load());
    QVERIFY(m_f->dialogs.shown.isEmpty());
    QVERIFY(again->handPointer());
    QCOMPARE(again->handPointer()->hotSpot(), QPoint(5, 3));
}

void tst_MainWindow::homePageOpensOnTheSeventhDraw()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(m_f->opened.isEmpty());
    m_f->draw = 0.065;
    auto lucky = makeWindow();
    QVERIFY(lucky->Form_Load());
    QCOMPARE(m_f->opened, QList<QUrl>{QUrl(u"https://quillora.example/"_s)});
}

void tst_MainWindow::officeCheckCanEndTheStart()
{
    int checks = 0;
    m_f->officeCheck = [&] {
        ++checks;
        return false;
    };
    auto window = makeWindow();
    QVERIFY(!window->Form_Load());
    QCOMPARE(checks, 1);
    QVERIFY(!window->isVisible());
}

// An empty list says what to do; the list and the progress bar have names
// for screen readers.
void tst_MainWindow::emptyListSaysWhatToDo()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    FileListView *list = window->listView();
    QCOMPARE(list->placeholderText(), u"Add files, or drop files and folders here"_s);
    QVERIFY(list->showsPlaceholder());
    window->fileList().AddListEntry(u"/a.txt"_s);
    QVERIFY(!list->showsPlaceholder());
    window->fileList().clear();
    QVERIFY(list->showsPlaceholder());
    QCOMPARE(window->listView()->accessibleName(), u"Text files to import"_s);
    QCOMPARE(window->progressBar()->accessibleName(), u"Progress"_s);
}

void tst_MainWindow::addOneFile()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    m_f->dialogs.openFilesAnswers.enqueue({u"/data//odd name.txt"_s});
    child<QPushButton>(*window, u"PushButton1"_s)->click();
    QCOMPARE(window->fileList().entries(), QStringList{u"/data//odd name.txt"_s});
    QCOMPARE(m_f->dialogs.shown.first().title, u"Add File(s) - Use Ctrl & Shift to select multiple files"_s);
    QCOMPARE(m_f->dialogs.shown.first().text,
             u"Text Files (*.txt);;Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log);;All Files (*)"_s);
    // The first time in the user's home; then where files were added from.
    QCOMPARE(m_f->dialogs.openFilesFolders, QStringList{QDir::homePath()});
    QCOMPARE(m_f->store->GetSetting(Setting::LastFolder), u"/data"_s);
    child<QPushButton>(*window, u"PushButton1"_s)->click();
    QCOMPARE(m_f->dialogs.openFilesFolders.last(), u"/data"_s);
}

void tst_MainWindow::addSeveralFilesInTheDialogsOrder()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    m_f->dialogs.openFilesAnswers.enqueue({u"/d/c.txt"_s, u"/d/a.txt"_s, u"/d/b.txt"_s});
    m_f->dialogs.openFilesAnswers.enqueue({u"/r.txt"_s, u"/s.txt"_s});
    m_f->dialogs.openFilesAnswers.enqueue({u"/d/a.txt"_s});
    auto *button = child<QPushButton>(*window, u"PushButton1"_s);
    button->click();
    button->click();
    button->click();
    QCOMPARE(window->fileList().entries(),
             (QStringList{u"/d/c.txt"_s, u"/d/a.txt"_s, u"/d/b.txt"_s, u"/r.txt"_s, u"/s.txt"_s, u"/d/a.txt"_s}));
    QCOMPARE(m_f->dialogs.texts(u"warning"), QStringList());
}

void tst_MainWindow::cancelAddsNothing()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    child<QPushButton>(*window, u"PushButton1"_s)->click();
    QCOMPARE(window->fileList().count(), 0);
    QCOMPARE(m_f->dialogs.shown.size(), 1); // the dialog itself, nothing after it
}

void tst_MainWindow::tooManyFilesAreRefused()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many.append(u"/data/a-rather-long-file-name-%1.txt"_s.arg(i));
    m_f->dialogs.openFilesAnswers.enqueue(many);
    child<QPushButton>(*window, u"PushButton1"_s)->click();
    QCOMPARE(window->fileList().count(), 0);
    QCOMPARE(m_f->dialogs.texts(u"notice"),
             QStringList{u"You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button."_s});
}

void tst_MainWindow::reportShowsItsLineBreaks()
{
    QCOMPARE(WidgetDialogs::displayText(u"what\r\nin X at line 1\r\rPlease"_s), u"what\nin X at line 1\n\nPlease"_s);
}

void tst_MainWindow::startImportingFillsADocument()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->options().selectOption(3);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "1,2\r\n"));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"b.txt"_s), "x,,y"));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s)),
             (QList<QStringList>{{u"1"_s, u"2"_s}, {}, {u"x"_s, QString(), u"y"_s}}));
    QCOMPARE(m_f->dialogs.texts(u"notice"), QStringList{u"Done."_s});
    QCOMPARE(window->progressBar()->text(), u"Progress Bar"_s);
    QCOMPARE(window->progressBar()->value(), 0);
    QVERIFY(!window->importController().isBusy());

    window->fileList().clear();
    m_f->dialogs.shown.clear();
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(m_f->dialogs.texts(u"notice"), QStringList{u"No files added."_s});
}

void tst_MainWindow::previewFollowsSelectionAndOptions()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    PreviewPanel *preview = window->preview();
    QSignalSpy shown(preview, &PreviewPanel::shown);
    const auto settled = [&] {
        shown.clear();
        return shown.wait(5000);
    };
    const auto cell = [&](int row, int column) { return preview->table()->model()->index(row, column).data().toString(); };
    QVERIFY(settled());
    QCOMPARE(preview->infoLine()->text(), u"No file is listed."_s);
    QCOMPARE(preview->table()->accessibleName(), u"Preview"_s);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.csv"_s), "id;name\n1;x\n"));
    window->fileList().AddListEntry(m_f->dir.filePath(u"missing.csv"_s));
    // With nothing selected, the first entry, and the hint for its semicolons.
    QVERIFY(settled());
    QCOMPARE(cell(0, 0), u"id;name"_s);
    QVERIFY(preview->infoLine()->text().startsWith(u"Unicode (UTF-8), detected; line ends: LF"_s));
    QVERIFY(!preview->hintButton()->isHidden());
    // The hint taken: this file's own separator, kept with its entry and
    // shown in the list; the options stay, and the table follows.
    preview->hintButton()->click();
    QVERIFY(settled());
    QVERIFY(window->options().option(1)->isChecked());
    QCOMPARE(window->fileList().separatorOf(window->fileList().entryAt(0)), u";"_s);
    QVERIFY(window->fileList().index(0).data().toString().endsWith(u"  [;]"_s));
    QCOMPARE(preview->fileSeparatorBox()->currentText(), u"Semicolon"_s);
    QCOMPARE(cell(1, 1), u"x"_s);
    QVERIFY(preview->hintButton()->isHidden());
    // Each file at its own separator: the preview names the one found, and
    // the list's tool tip too.
    preview->fileSeparatorBox()->setCurrentIndex(0);
    emit preview->fileSeparatorBox()->activated(0);
    window->options().option(8)->click();
    QVERIFY(settled());
    QCOMPARE(m_f->store->GetSetting(Setting::Option8), u"True"_s);
    QVERIFY2(preview->infoLine()->text().endsWith(u"; found separated by semicolons"_s),
             qPrintable(preview->infoLine()->text()));
    QVERIFY(window->fileList().index(0).data(Qt::ToolTipRole).toString().endsWith(u"Separated by semicolons, found in its start"_s));
    QCOMPARE(cell(1, 1), u"x"_s);
    // The header option makes the first row the table's header, and the
    // line under the table tells the columns the listed files make.
    QSignalSpy planned(preview, &PreviewPanel::headerPlanShown);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"b.csv"_s), "ID,name,region\n2,y,north\n"));
    window->options().headerBox()->click();
    QVERIFY(settled());
    QCOMPARE(preview->table()->model()->headerData(1, Qt::Horizontal).toString(), u"name"_s);
    QCOMPARE(cell(0, 1), u"x"_s);
    QVERIFY(planned.wait(5000));
    QCOMPARE(preview->headerPlanLine()->text(), u"Columns of the listed files: id, name, region\n"
                                                u"\"region\": only in b.csv\n\"id\" is spelt \"ID\" in 1 file: b.csv"_s);
    window->fileList().removeEntry(2);
    // Another entry selected; one that cannot be read says why.
    window->listView()->setCurrentIndex(window->fileList().index(1));
    QVERIFY(settled());
    QVERIFY(preview->infoLine()->text().contains(u"missing.csv\" cannot be read"_s));
    QCOMPARE(preview->table()->model()->rowCount(), 0);
}

void tst_MainWindow::fileOfItsOwnEncoding()
{
    // Two names in Shift_JIS, too few for any detector: chosen for this
    // file alone, the list says so, the preview and the import read them.
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    const QString path = writeFile(m_f->dir.filePath(u"names.txt"_s), "\x8ER\x93\x63");
    window->fileList().AddListEntry(path);
    QSignalSpy shown(window->preview(), &PreviewPanel::shown);
    QVERIFY(shown.wait(5000));
    QComboBox *box = window->preview()->fileEncodingBox();
    box->setCurrentIndex(box->findText(u"Japanese (Shift_JIS)"_s));
    emit box->activated(box->currentIndex());
    QVERIFY(window->fileList().data(window->fileList().index(0), Qt::DisplayRole).toString().endsWith(u"[Shift_JIS]"_s));
    shown.clear();
    QVERIFY(shown.wait(5000));
    QCOMPARE(window->preview()->table()->model()->index(0, 0).data().toString(), u"山田"_s);
    QVERIFY(window->preview()->infoLine()->text().startsWith(u"Japanese (Shift_JIS), chosen"_s));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s)), QList<QStringList>{{u"山田"_s}});
    // Clearing the list forgets it.
    window->fileList().clear();
    QVERIFY(!window->fileList().encodingOf(path));
}

void tst_MainWindow::renameUnderThePlanImportsAsTheCommandLine()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    const QString a = writeFile(m_f->dir.filePath(u"a.csv"_s), "id,client\n1,ACME\n");
    const QString b = writeFile(m_f->dir.filePath(u"b.csv"_s), "customer,id\nBob,2\n");
    window->fileList().AddListEntry(a);
    window->fileList().AddListEntry(b);
    window->options().selectOption(3);
    window->options().headerBox()->click();
    PreviewPanel *preview = window->preview();
    const auto columns = [&] { return preview->headerPlanLine()->text().section(u'\n', 0, 0); };
    QTRY_COMPARE_WITH_TIMEOUT(columns(), u"Columns of the listed files: id, client, customer"_s, 10000);
    // By keyboard as by mouse: the boxes take the names, Enter renames.
    auto *renames = window->findChild<HeaderRenames *>();
    QVERIFY(!renames->isHidden());
    QVERIFY(!renames->fromBox()->accessibleName().isEmpty() && !renames->toBox()->accessibleName().isEmpty());
    renames->fromBox()->setCurrentText(u"client"_s);
    // What is typed stays as typed, a name's start too; a column does not
    // count as itself.
    QTest::keyClicks(renames->toBox()->lineEdit(), u"cust"_s);
    QCOMPARE(renames->toBox()->currentText(), u"cust"_s);
    renames->toBox()->setEditText(u"client"_s);
    renames->renameButton()->click();
    QVERIFY(renames->renames().isEmpty());
    QCOMPARE(renames->renamesLine()->text(), u"\"client\" is the column's own name: type another."_s);
    renames->toBox()->setEditText(u"customer"_s);
    QTest::keyClick(renames->toBox()->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(columns(), u"Columns of the listed files: id, customer"_s, 10000);
    QCOMPARE(renames->renamesLine()->text(), u"Renamed: \"client\" as \"customer\""_s);
    QCOMPARE(m_f->store->GetSetting(Setting::Renames), uR"([["client","customer"]])"_s);
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    const QList<QStringList> fromTheWindow = MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s));
    // The same files through --rename.
    const ParsedCommandLine parsed = parseCommandLine(
        {u"quillora"_s, u"--split=comma"_s, u"--header"_s, u"--rename=client=customer"_s, a, b});
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Console console{outStream, errStream, false};
    MemorySpreadsheet office;
    QCOMPARE(CommandLineImport(parsed.options, console, office).run(), 0);
    QCOMPARE(fromTheWindow, MemorySpreadsheet::rowsOf(*office.sheet(u"Sheet1"_s)));
    QCOMPARE(fromTheWindow, (QList<QStringList>{{u"id"_s, u"customer"_s}, {u"1"_s, u"ACME"_s}, {u"2"_s, u"Bob"_s}}));
    // Forgotten, the columns stand apart again.
    renames->clearButton()->click();
    QTRY_COMPARE_WITH_TIMEOUT(columns(), u"Columns of the listed files: id, client, customer"_s, 10000);
    QCOMPARE(m_f->store->GetSetting(Setting::Renames), QString());
}

// A kind chosen in the preview's header, by the menu key in a column or a
// click on its title: shown there, kept, and imported as --column imports.
void tst_MainWindow::columnKindChosenInThePreviewImportsAsTheCommandLine()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QString a = writeFile(m_f->dir.filePath(u"a.csv"_s), "when,zip,junk\n01/02/2024,01067,x\n03/04/2024,80331,y\n");
    window->fileList().AddListEntry(a);
    window->options().selectOption(3);
    window->options().headerBox()->click();
    window->options().numbersBox()->click();
    window->options().datesBox()->click();
    PreviewPanel *preview = window->preview();
    QAbstractItemModel *model = preview->table()->model();
    const auto title = [&](int column) { return model->headerData(column, Qt::Horizontal).toString(); };
    QTRY_COMPARE(title(1), u"zip\nText"_s);
    const auto choose = [&](const QString &kind) {
        auto *menu = window->findChild<QMenu *>(u"ColumnKindMenu"_s);
        QVERIFY(menu && !menu->accessibleName().isEmpty());
        const QList<QAction *> actions = menu->actions();
        const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction *a) { return a->text() == kind; });
        QVERIFY(action != actions.end());
        (*action)->trigger();
        menu->close();
    };
    // By the keyboard: the menu key in the first column's cells.
    preview->table()->setFocus();
    preview->table()->setCurrentIndex(model->index(0, 0));
    QTest::keyClick(preview->table(), Qt::Key_Menu);
    choose(u"Date D/M/Y"_s);
    QTRY_COMPARE(title(0), u"when\nDate D/M/Y"_s);
    // By the mouse: a click on the last column's title.
    preview->table()->horizontalHeader()->sectionClicked(2);
    choose(u"Left out"_s);
    QTRY_COMPARE(model->columnCount(), 2);
    QCOMPARE(m_f->store->GetSetting(Setting::ColumnKinds), uR"([["when",0,"date-dmy"],["junk",0,"skip"]])"_s);
    // The plan under the table tells them.
    QTRY_VERIFY(preview->headerPlanLine()->text().contains(u"Kinds chosen: when: Date D/M/Y; junk: Left out"_s));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    const MemorySpreadsheet::Sheet &fromTheWindow = *m_f->office.sheet(u"Sheet1"_s);
    // The same file through --column.
    const ParsedCommandLine parsed =
        parseCommandLine({u"quillora"_s, u"--split=comma"_s, u"--header"_s, u"--numbers"_s, u"--dates"_s,
                          u"--column=when=date-dmy"_s, u"--column=junk=skip"_s, a});
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Console console{outStream, errStream, false};
    MemorySpreadsheet office;
    QCOMPARE(CommandLineImport(parsed.options, console, office).run(), 0);
    QCOMPARE(MemorySpreadsheet::rowsOf(fromTheWindow), MemorySpreadsheet::rowsOf(*office.sheet(u"Sheet1"_s)));
    QCOMPARE(fromTheWindow.values.size(), office.sheet(u"Sheet1"_s)->values.size());
    QCOMPARE(fromTheWindow.values.at({1, 0}).value, double(QDate(1899, 12, 30).daysTo(QDate(2024, 2, 1))));
}

// Scrolling past a setting does not change it; a box the user is in does.
void tst_MainWindow::wheelOverAnUnfocusedBoxLeavesIt()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto wheel = [](QWidget *box) {
        const QPointF centre = QRectF(box->rect()).center();
        QWheelEvent event(centre, box->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &event);
    };
    QComboBox *encoding = window->options().encodingBox();
    QSpinBox *skip = window->options().skipLinesBox();
    for (QWidget *box : {static_cast<QWidget *>(encoding), static_cast<QWidget *>(skip)})
        wheel(box);
    QCOMPARE(encoding->currentText(), u"Automatic"_s);
    QCOMPARE(skip->value(), 0);
    QVERIFY(!m_f->ini->contains(u"Quillora/Encoding"_s));
    encoding->setFocus();
    wheel(encoding);
    QVERIFY(encoding->currentIndex() > 0);
}

void tst_MainWindow::chosenEncodingReadsTheFiles()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    // Two names are too few for any detector; told, they are read exactly.
    auto *encoding = child<QComboBox>(*window, u"Combo1"_s);
    encoding->setCurrentIndex(encoding->findText(u"Japanese (Shift_JIS)"_s));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "\x8ER\x93\x63"));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s)), QList<QStringList>{{u"山田"_s}});
    // Automatic: a guess is told on the file's row of the report, no box
    // comes before "Done.".
    encoding->setCurrentIndex(0);
    QCOMPARE(m_f->store->GetSetting(Setting::Encoding), u"Automatic"_s);
    m_f->dialogs.shown.clear();
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"b.txt"_s), "plain"));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(m_f->dialogs.texts(u"notice"), QStringList{u"Done."_s});
    const ImportSummary *summary = window->importController().summary();
    QVERIFY(summary && summary->isVisible() && !summary->isModal());
    const QString shown = summary->shownText(false);
    const QStringList rows = shown.trimmed().split(u'\n');
    QCOMPARE(rows.size(), 3);
    // The file with a note first; every file listed.
    QVERIFY2(rows[1].startsWith(u"a.txt\tSheet1\t1\t1\twindows-1252\tguessed"_s), qPrintable(rows[1]));
    QVERIFY(rows[1].contains(u"under \"Encoding of this file\" in the preview"_s));
    // The note names the file as its row does; it stands after how the file
    // was read.
    QVERIFY2(rows[1].contains(u"The encoding of the file \"a.txt\" could not be told"_s), qPrintable(rows[1]));
    const QHeaderView *columns = summary->findChild<QTableView *>(u"SummaryFiles"_s)->horizontalHeader();
    QCOMPARE(columns->visualIndex(AccountWords::NotesColumn), 7);
    QCOMPARE(columns->model()->headerData(columns->logicalIndex(6), Qt::Horizontal).toString(), u"Separator"_s);
    QVERIFY2(rows[2].startsWith(u"b.txt\tSheet1\t2\t2\t"_s), qPrintable(rows[2]));
    QVERIFY(!summary->findChild<QLabel *>(u"SummaryNotes"_s)->isVisibleTo(summary));
    // Saved, it is what --report writes: the same rows.
    const QString saved = m_f->dir.filePath(u"report"_s);
    m_f->dialogs.saveAnswers.enqueue(saved);
    summary->findChild<QPushButton *>(u"SaveReport"_s)->click();
    const QList<QByteArray> lines = readFile(saved + u".csv"_s).split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith("file,sheet,first_row,last_row,encoding,encoding_taken,"));
    QVERIFY(lines[1].startsWith("a.txt,Sheet1,1,1,windows-1252,guessed,"));
    // Escape closes it, as any window of its kind.
    auto *report = window->importController().summary();
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report->findChild<QTableView *>(u"SummaryFiles"_s), Qt::Key_Escape);
    QVERIFY(!report->isVisible());
}

void tst_MainWindow::lockedMemberIsToldTheRestImported()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    const QString zip = writeFile(m_f->dir.filePath(u"2024.zip"_s), zipOf({{u"jan.txt"_s, "secret"}}, "pass"));
    window->fileList().AddListEntry(zip + u"/jan.txt"_s);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"feb.txt.gz"_s), compressed("open\n", "gzip")));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    const QStringList warnings = m_f->dialogs.texts(u"warning");
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(u"2024.zip \u203A jan.txt\" cannot be read: it needs a password"_s),
             qPrintable(warnings.first()));
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s)), (QList<QStringList>{{u"open"_s}}));
    QCOMPARE(m_f->dialogs.texts(u"notice"), QStringList{u"Done."_s});
}

void tst_MainWindow::rowsLeftOutAreANoticeNotAnErrorReport()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    m_f->office.limits = {16384, 2};
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"long.txt"_s), "1\n2\n3\n4\n"));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(m_f->dialogs.texts(u"warning"), QStringList());
    QCOMPARE(m_f->dialogs.texts(u"notice"), QStringList{u"Done."_s});
    // Of the sheet, not of one file: above the files.
    const QString notes = window->importController().summary()->findChild<QLabel *>(u"SummaryNotes"_s)->text();
    QVERIFY2(notes.startsWith(u"2 cells could not be written to the sheet \"Sheet1\""_s), qPrintable(notes));
}

void tst_MainWindow::progressBarShowsWhereTheRunIs_data()
{
    // The events of a run (the files begun, one block of rows, the end), and
    // what the bar showed: its values as they changed, and its texts.
    QTest::addColumn<int>("files");
    QTest::addColumn<qint64>("lines");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("two files, four lines") << 2 << qint64(4) << QList<int>{50, 100, 0}
                                           << QStringList{u"Processing: f1.txt"_s, u"Processing: f2.txt"_s,
                                                          u"Progress Bar"_s};
    // With a single line there is nothing to divide by: the work is all done.
    QTest::newRow("a single line") << 1 << qint64(1) << QList<int>{100, 0}
                                   << QStringList{u"Processing: f1.txt"_s, u"Progress Bar"_s};
}

void tst_MainWindow::progressBarShowsWhereTheRunIs()
{
    QFETCH(int, files);
    QFETCH(qint64, lines);
    QFETCH(QList<int>, values);
    QFETCH(QStringList, texts);
    TextProgressBar bar;
    bar.setRange(0, 100);
    QList<int> shown;
    connect(&bar, &QProgressBar::valueChanged, this, [&](int value) { shown.append(value); });
    QStringList said;
    BarProgress progress(&bar);
    progress.start();
    for (int i = 0; i < files; ++i) {
        progress.fileStarted(i, files, u"/data/f%1.txt"_s.arg(i + 1));
        said.append(bar.text());
    }
    progress.rowsWritten(lines, lines); // one block
    progress.reset();
    said.append(bar.text());
    QCOMPARE(shown, values);
    QCOMPARE(said, texts);
}

void tst_MainWindow::stopEndsTheRun_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Stop Importing") << false;
    QTest::newRow("Escape") << true;
}

void tst_MainWindow::stopEndsTheRun()
{
    QFETCH(bool, escape);
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "a"));
    auto *start = child<QPushButton>(*window, u"PushButton2"_s);
    QString captionDuringRun;
    QTimer::singleShot(0, this, [&] {
        captionDuringRun = start->text();
        if (escape)
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else
            start->click();
    });
    start->click();
    QCOMPARE(captionDuringRun, u"Stop &Importing"_s);
    QVERIFY(window->importController().lastResult().stopped);
    QVERIFY(m_f->dialogs.texts(u"notice").value(0).startsWith(u"Importing was stopped while the file"_s));
    // Ready for the next import, which goes through.
    QCOMPARE(start->text(), u"Start &Importing"_s);
    m_f->dialogs.shown.clear();
    start->click();
    QCOMPARE(m_f->dialogs.texts(u"notice"), QStringList{u"Done."_s});
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s)), QList<QStringList>{{u"a"_s}});
}

void tst_MainWindow::optionChangedDuringARunActsOnIt()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->options().selectOption(3);
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "x y,z"));
    // The first yield comes before the file is read.
    QTimer::singleShot(0, this, [&] { child<QRadioButton>(*window, u"Option2"_s)->click(); });
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_f->office.sheet(u"Sheet1"_s)).value(0), (QStringList{u"x"_s, u"y,z"_s}));
}

void tst_MainWindow::closingDuringARunStopsIt()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QByteArray text;
    for (int i = 0; i < 30000; ++i)
        text += "a line of text\n";
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), text));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"b.txt"_s), text));
    QTimer::singleShot(0, this, [&] { window->close(); });
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QVERIFY(window->importController().lastResult().closing);
    QVERIFY(m_f->dialogs.texts(u"notice").isEmpty());
    QVERIFY(!window->isVisible());
}

void tst_MainWindow::closingWhileTheSpreadsheetHangsEndsAtOnce()
{
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "a"));
    m_f->office.beforeCall = [this](const QString &operation) {
        if (operation == u"newDocument"_s)
            m_f->office.hangUntilAbandoned();
    };
    QTimer::singleShot(200, this, [&] { window->close(); });
    QElapsedTimer timer;
    timer.start();
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(window->importController().lastResult().closing);
    QVERIFY(m_f->dialogs.shown.isEmpty());
    QVERIFY(!window->isVisible());
}

void tst_MainWindow::screenshot()
{
    // Set QUILLORA_SCREENSHOT to a PNG path to look at the window.
    const QString path = qEnvironmentVariable("QUILLORA_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("QUILLORA_SCREENSHOT is not set");
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    window->fileList().AddListEntry(u"/home/user/reports/2024/sales-north.txt"_s);
    window->fileList().AddListEntry(u"/home/user/reports/2024/sales-south.txt"_s);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->grab().save(path));
    // And the report of an import beside it, as "-report.png".
    window->fileList().clear();
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"2024-01.csv"_s), "id,amount\n1,2.50\n2,3.75\n"));
    window->fileList().AddListEntry(
        writeFile(m_f->dir.filePath(u"2024-02.csv"_s), "id;amount;region\n3;4,25;north\n4;1,00;south\n"));
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"notes.txt"_s), "caf\xE9 cr\xE8me\n"));
    child<QRadioButton>(*window, u"Option8"_s)->click();
    child<QCheckBox>(*window, u"Check2"_s)->setChecked(true);
    child<QCheckBox>(*window, u"Check5"_s)->setChecked(true);
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    ImportSummary *summary = window->importController().summary();
    QVERIFY(summary && QTest::qWaitForWindowExposed(summary));
    QVERIFY(summary->grab().save(QString(path).replace(u".png"_s, u"-report.png"_s)));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
