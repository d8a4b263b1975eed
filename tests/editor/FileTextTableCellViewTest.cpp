#include "editor/FileTextTableCellView.h"

#include <QLabel>
#include <QtTest>

using namespace corvelle;

class FileTextTableCellViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A text too long for its column is cut with an ellipsis and comes back whole when the
    // column widens; the cell's text and tool tip stay whole throughout.
    void longTextIsCutAtItsEnd()
    {
        const QString text = QStringLiteral("-33.868800°, -151.209300°");
        FileTextTableCellView cell;
        cell.show();
        cell.setText(text);
        const int needed = cell.textTextField()->fontMetrics().horizontalAdvance(text);
        cell.resize(needed / 2, 40);
        const QString shown = cell.textTextField()->text();
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QVERIFY(cell.textTextField()->fontMetrics().horizontalAdvance(shown) <= needed / 2);
        QCOMPARE(cell.text(), text);
        QCOMPARE(cell.textTextField()->toolTip(), text);

        cell.resize(needed + 20, 40);
        QCOMPARE(cell.textTextField()->text(), text);
        cell.setText(QStringLiteral("-"));
        QCOMPARE(cell.textTextField()->text(), QStringLiteral("-"));
    }
};

QTEST_MAIN(FileTextTableCellViewTest)
#include "FileTextTableCellViewTest.moc"
