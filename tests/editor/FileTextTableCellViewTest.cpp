#include "editor/FileImageTableCellView.h"
#include "editor/FileMoreTableCellView.h"
#include "editor/FileSelectionTableCellView.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileTextTableCellView.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"

#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using namespace corvelle;

class FileTextTableCellViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A text too long for its column is cut with an ellipsis and comes back whole when the
    // column widens; the cell's text stays whole throughout. A value that is no text shows
    // nothing.
    void longTextIsCutAtItsEnd()
    {
        const QString text = QStringLiteral("-33.868800°, -151.209300°");
        QStandardItemModel model(2, 1);
        model.setData(model.index(0, 0), text);
        model.setData(model.index(1, 0), 42);
        FileTextTableCellView cell;
        QStyleOptionViewItem option;
        const int needed = option.fontMetrics.horizontalAdvance(text);
        option.rect = QRect(0, 0, needed / 2, 40);
        const QString shown = cell.displayedText(option, model.index(0, 0));
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QVERIFY(option.fontMetrics.horizontalAdvance(shown) <= needed / 2);
        QCOMPARE(cell.text(model.index(0, 0)), text);

        option.rect.setWidth(needed + 2 * FileItemTableCellView::horizontalMargin + 20);
        QCOMPARE(cell.displayedText(option, model.index(0, 0)), text);
        QCOMPARE(cell.text(model.index(1, 0)), QString());
    }

    // The value kinds of the base cells: a check circle for a true boolean only, a symbol for
    // a name only.
    void baseCellsShowTheirValueKinds()
    {
        QStandardItemModel model(4, 1);
        model.setData(model.index(0, 0), true);
        model.setData(model.index(1, 0), false);
        model.setData(model.index(2, 0), QStringLiteral("true"));
        FileSelectionTableCellView selection;
        QCOMPARE(selection.symbolName(model.index(0, 0)), QStringLiteral("checkmark.circle"));
        for (int row : {1, 2, 3})
            QCOMPARE(selection.symbolName(model.index(row, 0)), QStringLiteral("circle"));
        FileImageTableCellView image;
        QCOMPARE(image.symbolName(model.index(2, 0)), QStringLiteral("true"));
        QCOMPARE(image.symbolName(model.index(3, 0)), QString());
        QCOMPARE(image.symbolName(model.index(0, 0)), QString());
    }

    // A file name too long for the column keeps its start and its extension.
    void fileNamesAreCutInTheirMiddle()
    {
        MetadataFileList list;
        halvex::TagStorage storage(halvex::TagStorageSource(
            QUrl::fromLocalFile(QStringLiteral("/clips/a-very-long-name-of-a-holiday-movie-from-the-harbour.mov"))));
        list.appendFiles({std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage))});
        MetadataFileListModel model(&list);
        model.setColumns({{QStringLiteral("FileSourceTableColumn"), QString()}});
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 120, 40);
        const QString shown = FileSourceTableCellView::displayedFilename(option, model.index(0, 0));
        QVERIFY2(shown.startsWith(QStringLiteral("a-")) && shown.endsWith(QStringLiteral(".mov"))
                     && shown.contains(QChar(0x2026)),
                 qPrintable(shown));
        QCOMPARE(FileSourceTableCellView::filenameText(model.index(0, 0)),
                 QStringLiteral("a-very-long-name-of-a-holiday-movie-from-the-harbour.mov"));
        QCOMPARE(FileSourceTableCellView::directoryText(model.index(0, 0)), QStringLiteral("/clips"));
    }

    // The ellipsis opens the table's contextual menu, and does nothing in a table without one.
    void theEllipsisOpensTheTablesMenu()
    {
        QStandardItemModel model(1, 1);
        QTableView table;
        table.setModel(&model);
        table.setItemDelegate(new FileMoreTableCellView(&table));
        table.resize(300, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const QPoint button = FileButtonTableCellView::buttonRect(table.visualRect(model.index(0, 0))).center();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, button);

        QMenu menu;
        menu.addAction(QStringLiteral("Reveal"));
        table.setContextMenuPolicy(Qt::CustomContextMenu);
        connect(&table, &QWidget::customContextMenuRequested, &menu,
                [&](const QPoint& point) { menu.popup(table.viewport()->mapToGlobal(point)); });
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, button);
        QTRY_VERIFY(menu.isVisible());
        menu.close();
    }
};

QTEST_MAIN(FileTextTableCellViewTest)
#include "FileTextTableCellViewTest.moc"
