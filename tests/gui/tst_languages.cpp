// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each language Quillora speaks, at its smallest: every
// caption fits, every Alt+letter is its own, and a run speaks the language.
#include "core/list/filelistmodel.h"
#include "core/translations.h"
#include "gui/mainwindow.h"
#include "gui/optionspanel.h"
#include "gui/previewpanel.h"
#include "testfiles.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    // Every test runs once for each language.
    void initTestCase_data();
    void init();
    void cleanup();
    void captionsFitAndLettersAreTheirOwn();
    void aRunSpeaksTheLanguage();

private:
    std::optional<WindowFixture> m_f;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

void tst_Languages::initTestCase_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : TranslatedLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_Languages::init()
{
    QFETCH_GLOBAL(QString, language);
    m_f.emplace();
    const QLocale locale(language);
    for (const auto &[name, folder] :
         {std::pair{u"quillora"_s, translationsFolder(QCoreApplication::applicationDirPath())},
          std::pair{u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(locale, name, u"_"_s, folder)) {
            QCoreApplication::installTranslator(translator.get());
            m_translators.push_back(std::move(translator));
        }
    }
    QVERIFY2(!m_translators.empty() && m_translators.front()->language() == language, qPrintable(language));
}

void tst_Languages::cleanup()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
    m_translators.clear();
}

void tst_Languages::captionsFitAndLettersAreTheirOwn()
{
    auto window = m_f->makeWindow();
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The preview says what it shows (no file yet) off the window's thread.
    QTRY_VERIFY(!window->preview()->infoLine()->text().isEmpty());
    // On a laptop's screen (title bar and panel taken) every option is in
    // view; the window can be made smaller still.
    const QSize laptop(1280 - 4, 720 - 32 - 40);
    window->resize(laptop);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // Every option, and Start, without scrolling.
    QScrollArea *options = window->options().area();
    QCOMPARE(options->verticalScrollBar()->maximum(), 0);
    QList<QWidget *> shown{window->options().separatorEdit()};
    for (int number = 1; number <= 8; ++number)
        shown << window->options().option(number);
    for (QWidget *control : std::as_const(shown)) {
        const QRect at(control->mapTo(options->viewport(), QPoint(0, 0)), control->size());
        QVERIFY2(options->viewport()->rect().contains(at), qPrintable(control->objectName()));
    }
    const QWidget *start = child<QWidget>(*window, u"PushButton2"_s);
    QVERIFY(window->rect().contains(QRect(start->mapTo(window.get(), QPoint(0, 0)), start->size())));
    const QSize least = window->unscrolledMinimum();
    QVERIFY2(laptop.expandedTo(least) == laptop, qPrintable(u"%1x%2"_s.arg(least.width()).arg(least.height())));
    window->resize(least);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QHash<QChar, QString> letters;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QAbstractButton *>(control);
        const auto *label = qobject_cast<QLabel *>(control);
        const auto *box = qobject_cast<QComboBox *>(control);
        const QString caption = button ? button->text()
            : label                    ? label->text()
            : box                      ? box->currentText()
            : qobject_cast<QAbstractSpinBox *>(control) ? static_cast<QAbstractSpinBox *>(control)->text()
                                                        : QString();
        if (caption.isEmpty())
            continue;
        // Wide enough everywhere (a box for its longest choice); high
        // enough too outside the option frames, whose rows keep their
        // designed height, and the preview's boxes, which give way.
        const bool inFrames = window->options().area()->widget()->isAncestorOf(control);
        // A line that wraps needs the height its width gives it.
        const bool wraps = label && label->wordWrap();
        const QSize needed = wraps ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                   : control->sizeHint();
        if (control->isVisible() && !control->objectName().isEmpty() && (inFrames || !box)) {
            QVERIFY2(control->width() >= needed.width() && (inFrames || control->height() >= needed.height()),
                     qPrintable(u"%1 \"%2\": %3x%4 < %5x%6"_s.arg(control->objectName(), caption)
                                    .arg(control->width())
                                    .arg(control->height())
                                    .arg(needed.width())
                                    .arg(needed.height())));
        }
        // A button's own letter, or a label's for its field; Start Importing's is Stop's.
        const bool reaches = (button && !button->objectName().isEmpty()) || (label && label->buddy());
        const qsizetype at = caption.indexOf(QRegularExpression(u"&[^& ]"_s));
        if (!reaches || at < 0 || control->objectName() == u"PushButton2")
            continue;
        const QChar letter = caption[at + 1].toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(caption + u" / "_s + letters.value(letter)));
        letters.insert(letter, caption);
    }
    QCOMPARE(letters.size(), 23); // and Start Importing's, shared with Stop
}

void tst_Languages::aRunSpeaksTheLanguage()
{
    auto window = m_f->makeWindow();
    QVERIFY(window->Form_Load());
    window->fileList().AddListEntry(writeFile(m_f->dir.filePath(u"a.txt"_s), "1,2\r\n"));
    child<QPushButton>(*window, u"PushButton2"_s)->click();
    const QStringList notices = m_f->dialogs.texts(u"notice");
    QCOMPARE(notices.size(), 1);
    QVERIFY(!notices.first().isEmpty() && notices.first() != u"Done."_s);
    QCOMPARE(notices.first(), QCoreApplication::translate("quillora::ImportRun", "Done."));
    QVERIFY(window->findChild<QAbstractButton *>(u"PushButton1"_s)->text() != u"&Add Text File(s)"_s);
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
