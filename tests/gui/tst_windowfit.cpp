// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a laptop's screen: run with a screen whose free area is
// 1280x688 logical pixels below a 32-pixel panel, at 100, 125 and 150%; and
// with QUILLORA_SMALL_SCREEN on smaller ones (800x600, 1024x600 at 150%),
// where only its options scroll. Each run names the desktop's font.
#include "core/list/filelistmodel.h"
#include "core/settings.h"
#include "gui/mainwindow.h"
#include "gui/optionspanel.h"
#include "gui/previewpanel.h"
#include "gui/windowarrangement.h"
#include "gui/windowplacement.h"
#include "testfiles.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

namespace {
// The free area the test screens leave: the laptop's, below its panel.
const QRect LaptopArea(0, 32, 1280, 688);

bool isControl(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QProgressBar *>(widget) || qobject_cast<const QAbstractItemView *>(widget)
        || (qobject_cast<const QLabel *>(widget) && !static_cast<const QLabel *>(widget)->text().isEmpty());
}

// The window's own controls: not the parts of a table, a list or a box.
QList<QWidget *> controlsOf(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (isControl(widget) && widget->isVisible() && !widget->objectName().isEmpty()
            && !widget->objectName().startsWith(u"qt_"_s))
            controls << widget;
    }
    return controls;
}

QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return {widget->mapTo(ancestor, QPoint(0, 0)), widget->size()};
}

bool smallScreen()
{
    return qEnvironmentVariableIsSet("QUILLORA_SMALL_SCREEN");
}
} // namespace

class tst_WindowFit : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f.emplace(); }

    void theTestScreenAndFontAreTheNamedOnes();
    void startAndTheOptionsAreInViewAtItsSmallest();
    void longHeadersAndNamesNeverWidenTheWindow();
    void resizeGrowsTheListAndThePreviewOnly();
    void reportStandsBesideTheDocument_data();
    void reportStandsBesideTheDocument();
    void placeAndSizeAreRestoredInsideTheScreen_data();
    void placeAndSizeAreRestoredInsideTheScreen();

private:
    // The window as the program shows it, after its start-up.
    std::unique_ptr<MainWindow> shownWindow()
    {
        auto window = m_f->makeWindow();
        if (!window->Form_Load())
            qFatal("the start-up ended");
        window->showOnScreen();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window never showed");
        return window;
    }
    QSize room() const
    {
        return QGuiApplication::primaryScreen()->availableGeometry().size().shrunkBy(AssumedDecorations);
    }

    std::optional<WindowFixture> m_f;
};

void tst_WindowFit::theTestScreenAndFontAreTheNamedOnes()
{
    if (smallScreen())
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().width() < LaptopArea.width());
    else
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), LaptopArea);
    const QStringList font = qEnvironmentVariable("QUILLORA_TEST_FONT").split(u':');
    if (font.size() != 2)
        QSKIP("no desktop font named");
    auto window = m_f->makeWindow();
    // The window's own font and the desktop's are that family.
    QCOMPARE(QFontInfo(window->font()).family(), font[0]);
    QCOMPARE(QFontInfo(QApplication::font()).family(), font[0]);
}

// At the size it opens at and at its smallest: Start and the bar in the
// window, outside anything that scrolls; every option in view on a laptop,
// and on a smaller screen every option can be scrolled to, vertically only.
void tst_WindowFit::startAndTheOptionsAreInViewAtItsSmallest()
{
    auto window = shownWindow();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.contains(window->geometry().marginsAdded(AssumedDecorations)));
    QScrollArea *options = window->options().area();
    if (room().expandedTo(window->unscrolledMinimum()) != room()) {
        // A screen smaller than the window can be (1024x600 at 150%): its
        // page scrolls, and every control can be scrolled to.
        auto *page = child<QScrollArea>(*window, u"Page"_s);
        for (QWidget *control : controlsOf(*window)) {
            QWidget *shown = options->widget()->isAncestorOf(control) ? options : control;
            const QPoint at = shown->mapTo(page->widget(), QPoint(0, 0));
            page->ensureVisible(at.x(), at.y(), 1, 1);
            QVERIFY2(page->viewport()->rect().contains(rectIn(shown, page->viewport()).topLeft()),
                     qPrintable(control->objectName()));
        }
        return;
    }
    QVERIFY2(room().expandedTo(window->minimumSize()) == room(),
             qPrintable(u"%1x%2"_s.arg(window->minimumWidth()).arg(window->minimumHeight())));
    const QSize least = window->minimumSize();
    for (const QSize size : {window->size(), least}) {
        window->resize(size);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const bool everyOptionShown = options->verticalScrollBar()->maximum() == 0;
        QVERIFY(smallScreen() || everyOptionShown || size == least);
        QVERIFY(!options->horizontalScrollBar()->isVisible());
        for (QWidget *control : controlsOf(*window)) {
            const bool scrolled = options->widget()->isAncestorOf(control);
            if (scrolled) {
                const QRect at = rectIn(control, options->widget());
                options->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + 1, at.height() / 2 + 1);
                QVERIFY2(options->viewport()->rect().contains(rectIn(control, options->viewport())),
                         qPrintable(control->objectName()));
                continue;
            }
            QVERIFY2(window->rect().contains(rectIn(control, window.get())), qPrintable(control->objectName()));
            QVERIFY2(control->width() >= control->minimumSizeHint().width()
                         && control->height() >= control->minimumSizeHint().height(),
                     qPrintable(control->objectName()));
        }
    }
    for (const char16_t *name : {u"PushButton2", u"ProgressBar1"}) {
        const auto *control = child<QWidget>(*window, QString::fromUtf16(name));
        QVERIFY(!options->isAncestorOf(control));
        QVERIFY(window->rect().contains(rectIn(control, window.get())));
        QVERIFY(control->height() >= control->sizeHint().height());
    }
    // Tab to a control out of sight scrolls it into view.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    options->verticalScrollBar()->setValue(0);
    QWidget *last = window->options().continueSheetsBox();
    last->setFocus(Qt::TabFocusReason);
    QVERIFY(options->viewport()->rect().contains(rectIn(last, options->viewport())));
}

// Long paths in the list, and a header plan of long names: they wrap or
// elide; the window neither grows nor scrolls sideways.
void tst_WindowFit::longHeadersAndNamesNeverWidenTheWindow()
{
    auto window = shownWindow();
    const QSize least = window->unscrolledMinimum();
    const QString folder = m_f->dir.filePath(QString(120, u'f'));
    QVERIFY(QDir().mkpath(folder));
    QStringList names;
    for (int column = 0; column < 14; ++column)
        names << u"a_rather_long_column_name_number_%1"_s.arg(column);
    const QString path = writeFile(folder + u"/export.csv"_s, (names.join(u',') + u"\n1,2\n"_s).toUtf8());
    window->fileList().AddListEntry(path);
    window->options().option(3)->setChecked(true);
    QSignalSpy planned(window->preview(), &PreviewPanel::headerPlanShown);
    window->options().headerBox()->setChecked(true);
    QVERIFY(planned.wait());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // Its least width may grow a little for the renames' row, never past
    // what an 800x600 screen holds.
    QVERIFY(window->unscrolledMinimum().width() <= std::max(least.width(), 796));
    QVERIFY(room().expandedTo(window->minimumSize()) == room());
    QVERIFY(room().expandedTo(window->size()) == room());
    if (room().expandedTo(least) != room())
        return; // the page scrolls on a screen this small
    for (QWidget *control : controlsOf(*window)) {
        if (!window->options().area()->widget()->isAncestorOf(control))
            QVERIFY2(window->rect().contains(rectIn(control, window.get())), qPrintable(control->objectName()));
    }
}

void tst_WindowFit::resizeGrowsTheListAndThePreviewOnly()
{
    if (smallScreen())
        QSKIP("the window fills the small screen");
    auto window = shownWindow();
    // From its designed size, every option in view, to as large as the screen allows.
    window->resize(window->sizeHint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QList<QWidget *> fixed{window->options().area()->widget(), child<QWidget>(*window, u"PushButton2"_s),
                                 child<QWidget>(*window, u"ProgressBar1"_s), child<QWidget>(*window, u"PushButton3"_s)};
    QMap<QWidget *, QSize> before;
    for (QWidget *control : fixed + QList<QWidget *>{window->listView(), window->preview()})
        before[control] = control->size();
    const QSize grown = room() - window->size();
    window->resize(room());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget *control : fixed)
        QCOMPARE(control->width(), before[control].width());
    for (QWidget *grows : {static_cast<QWidget *>(window->listView()), static_cast<QWidget *>(window->preview())}) {
        QCOMPARE(grows->width(), before[grows].width() + grown.width());
        QVERIFY2(grows->height() > before[grows].height(), qPrintable(u"%1 %2 -> %3 (%4)"_s.arg(grows->objectName()).arg(before[grows].height()).arg(grows->height()).arg(grown.height())));
    }
}

void tst_WindowFit::reportStandsBesideTheDocument_data()
{
    // The document's window, and where a 500x400 report frame goes on the
    // laptop's free area.
    QTest::addColumn<QRect>("document");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("room on the right") << QRect(0, 32, 700, 600) << QRect(700, 32, 500, 400);
    QTest::newRow("room on the left only") << QRect(600, 100, 680, 500) << QRect(100, 100, 500, 400);
    QTest::newRow("room below only") << QRect(0, 32, 1280, 250) << QRect(0, 282, 500, 400);
    // Maximised: no place covers none of it; the report keeps to a side.
    QTest::newRow("maximised") << LaptopArea << QRect(780, 32, 500, 400);
}

void tst_WindowFit::reportStandsBesideTheDocument()
{
    QFETCH(QRect, document);
    QFETCH(QRect, expected);
    QCOMPARE(frameBeside(document, QSize(500, 400), LaptopArea), expected);
}

void tst_WindowFit::placeAndSizeAreRestoredInsideTheScreen_data()
{
    // Where the window's inside was when closed and where it opens again
    // (empty: there); until shown, a title bar is assumed above it and thin
    // borders round it.
    QTest::addColumn<QRect>("closedAt");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("as it was") << QRect(100, 90, 1100, 560) << QRect();
    QTest::newRow("off the screen's right") << QRect(1100, 90, 1100, 560) << QRect(178, 90, 1100, 560);
    QTest::newRow("taller than the screen") << QRect(100, 40, 1100, 2000) << QRect(100, 70, 1100, 648);
    // Not Qt's form: the designed size, in the middle of the screen.
    QTest::newRow("unreadable") << QRect() << QRect();
}

void tst_WindowFit::placeAndSizeAreRestoredInsideTheScreen()
{
    QFETCH(QRect, closedAt);
    QFETCH(QRect, expected);
    if (QGuiApplication::primaryScreen()->availableGeometry() != LaptopArea)
        QSKIP("the places are the laptop's");
    if (closedAt.isNull()) {
        m_f->store->SaveSetting(Setting::WindowGeometry, u"bm9uc2Vuc2U="_s);
    } else {
        auto window = shownWindow();
        window->setGeometry(closedAt);
        QVERIFY(window->close());
        QVERIFY(!m_f->store->GetSetting(Setting::WindowGeometry).isEmpty());
    }
    m_f->reopenSettings();
    auto window = shownWindow();
    if (closedAt.isNull()) {
        QCOMPARE(window->size(), window->sizeHint().boundedTo(room()));
        QCOMPARE(window->geometry().marginsAdded(AssumedDecorations).center(), LaptopArea.center());
        QVERIFY(window->findChild<WindowArrangement *>()->isWide());
        return;
    }
    QCOMPARE(window->geometry(), expected.isNull() ? closedAt : expected);
}

QTEST_MAIN(tst_WindowFit)
#include "tst_windowfit.moc"
