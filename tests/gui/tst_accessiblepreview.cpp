// SPDX-License-Identifier: GPL-3.0-or-later
// The preview with a screen reader's bridge on (tests/with-accessibility.sh):
// after a reader has walked every cell of a wide file's preview, another
// preview and closing take as long as without one, not a cell at a time.
#include "gui/previewpanel.h"
#include "testfiles.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quillora;
using namespace quillora::test;
using namespace Qt::StringLiterals;

namespace {
QByteArray wideText(int rows, int columns)
{
    QByteArray text;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            text += (c ? "," : "") + QByteArray::number((r + c) % 10);
        text += '\n';
    }
    return text;
}

bool previewOf(PreviewPanel &panel, const QString &path)
{
    QSignalSpy shown(&panel, &PreviewPanel::shown);
    panel.showFile(path);
    return shown.wait(60000);
}

// Every cell's accessible object, made as a reader walking the tree does.
int walkTheTree(QWidget *table)
{
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table);
    int made = 0;
    for (int i = 0; i < view->childCount(); ++i)
        made += view->child(i) != nullptr;
    return made;
}
} // namespace

class tst_AccessiblePreview : public QObject
{
    Q_OBJECT

private slots:
    void wideFileWithAReader_data();
    void wideFileWithAReader();
};

void tst_AccessiblePreview::wideFileWithAReader_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("100 x 130") << 100 << 130;
    QTest::newRow("3 x 16384") << 3 << 16384;
}

void tst_AccessiblePreview::wideFileWithAReader()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QTemporaryDir dir;
    const QString wide = writeFile(dir.filePath(u"wide.csv"_s), wideText(rows, columns));
    const QString small = writeFile(dir.filePath(u"small.csv"_s), "a,b\n1,2\n");
    auto panel = std::make_unique<PreviewPanel>(nullptr, [](const QString &) {
        ReadOptions options;
        options.cut = Cutting::at(u","_s);
        return options;
    });
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    // The bridge comes up once the bus answers it.
    QTRY_VERIFY2_WITH_TIMEOUT(QAccessible::isActive(), "run through tests/with-accessibility.sh", 20000);
    QVERIFY(previewOf(*panel, wide));
    QCOMPARE(panel->table()->model()->columnCount(), columns);
    QVERIFY(walkTheTree(panel->table()) >= rows * columns);
    // Another file, then the wide one again, walked again, and closed: each
    // over as soon as the table is, the reader's cells dropped at once.
    QVERIFY(previewOf(*panel, small));
    QCOMPARE(panel->table()->model()->columnCount(), 2);
    QVERIFY(previewOf(*panel, wide));
    QVERIFY(walkTheTree(panel->table()) >= rows * columns);
    panel.reset();
}

QTEST_MAIN(tst_AccessiblePreview)
#include "tst_accessiblepreview.moc"
