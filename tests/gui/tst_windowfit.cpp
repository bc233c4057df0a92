// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a laptop's screen: run with a screen whose free area is
// 1280x688 logical pixels below a 32-pixel panel, at 100, 125 and 150%; and
// with QUILLORA_SMALL_SCREEN on smaller ones (800x600, 1024x600 at 150%),
// where its page scrolls.
#include "core/settings.h"
#include "gui/mainwindow.h"
#include "gui/optionspanel.h"
#include "gui/previewpanel.h"
#include "gui/windowplacement.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
} // namespace

class tst_WindowFit : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f.emplace(); }

    void theTestScreenIsTheLaptops();
    void opensInsideTheScreenAndFitsAtItsSmallest();
    void resizeGrowsTheListAndThePreviewOnly();
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

    std::optional<WindowFixture> m_f;
};

void tst_WindowFit::theTestScreenIsTheLaptops()
{
    if (qEnvironmentVariableIsSet("QUILLORA_SMALL_SCREEN"))
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().width() < LaptopArea.width());
    else
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), LaptopArea);
}

// Every control inside the window, none smaller than it asks for; the
// option frames, which do not fit, scroll, and every one of them can be
// scrolled to.
void tst_WindowFit::opensInsideTheScreenAndFitsAtItsSmallest()
{
    auto window = shownWindow();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.contains(window->geometry().marginsAdded(AssumedDecorations)));
    QVERIFY(window->size().height() < window->sizeHint().height());
    QScrollArea *options = window->options().area();
    const QSize room = area.size().shrunkBy(AssumedDecorations);
    if (room.expandedTo(window->unscrolledMinimum()) != room) {
        // A screen smaller than the window can be: its page scrolls, and
        // every control can be scrolled to.
        auto *page = window->findChild<QScrollArea *>(u"Page"_s);
        for (QWidget *control : controlsOf(*window)) {
            QWidget *shown = options->widget()->isAncestorOf(control) ? options : control;
            const QPoint at = shown->mapTo(page->widget(), QPoint(0, 0));
            page->ensureVisible(at.x(), at.y(), 1, 1);
            QVERIFY2(page->viewport()->rect().contains(rectIn(shown, page->viewport()).topLeft()),
                     qPrintable(control->objectName()));
        }
        return;
    }
    window->resize(window->unscrolledMinimum());
    QVERIFY(room.expandedTo(window->size()) == room);

    for (const QSize size : {window->unscrolledMinimum(), window->sizeHint()}) {
        window->resize(size);
        for (QWidget *control : controlsOf(*window)) {
            const bool scrolled = options->widget()->isAncestorOf(control);
            const QWidget *within = scrolled ? options->widget() : window.get();
            QVERIFY2(within->rect().contains(rectIn(control, within)), qPrintable(control->objectName()));
            if (!scrolled)
                QVERIFY2(control->width() >= control->sizeHint().width()
                             && control->height() >= control->sizeHint().height(),
                         qPrintable(control->objectName()));
        }
        QCOMPARE(options->verticalScrollBar()->maximum(),
                 std::max(0, options->widget()->height() - options->viewport()->height()));
        QVERIFY(options->viewport()->width() >= options->widget()->width());
    }
    // Tab to a control out of sight scrolls it into view.
    window->resize(window->unscrolledMinimum());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget *last = window->options().continueSheetsBox();
    last->setFocus(Qt::TabFocusReason);
    QVERIFY(options->viewport()->rect().contains(rectIn(last, options->viewport())));
}

void tst_WindowFit::resizeGrowsTheListAndThePreviewOnly()
{
    if (QGuiApplication::primaryScreen()->availableGeometry() != LaptopArea)
        QSKIP("the designed size is larger than the screen");
    auto window = shownWindow();
    window->resize(window->sizeHint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    window->resize(window->sizeHint());
    const QList<QWidget *> controls = controlsOf(*window) << window->preview();
    QMap<QWidget *, QSize> before;
    for (QWidget *control : controls)
        before[control] = control->size();
    window->resize(window->size() + QSize(200, 150));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget *control : controls) {
        QSize grown(0, 0);
        if (control == window->listView())
            grown = QSize(0, 150);
        else if (control == window->preview())
            grown = QSize(200, 150);
        else if (window->preview()->isAncestorOf(control))
            continue; // the preview's own parts share its room
        QCOMPARE(control->size() - before[control], grown);
    }
}

void tst_WindowFit::placeAndSizeAreRestoredInsideTheScreen_data()
{
    // Where the window's inside was when closed and where it opens again
    // (empty: there); until shown, a title bar is assumed above it and thin
    // borders round it.
    QTest::addColumn<QRect>("closedAt");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("as it was") << QRect(100, 90, 1000, 560) << QRect();
    QTest::newRow("off the screen's right") << QRect(1100, 90, 1000, 560) << QRect(278, 90, 1000, 560);
    QTest::newRow("taller than the screen") << QRect(100, 40, 1000, 2000) << QRect(100, 70, 1000, 648);
    // Not Qt's form: the designed width, as high as the screen allows.
    QTest::newRow("unreadable") << QRect() << QRect(168, 70, 944, 648);
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
    QCOMPARE(window->geometry(), expected.isNull() ? closedAt : expected);
}

QTEST_MAIN(tst_WindowFit)
#include "tst_windowfit.moc"
