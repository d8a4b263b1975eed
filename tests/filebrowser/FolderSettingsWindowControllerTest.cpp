#include "filebrowser/FolderSettingsWindowController.h"
#include "widgets/controls/TokenField.h"

#include <QAbstractButton>
#include <QtTest>

using namespace corvelle;

class FolderSettingsWindowControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pathFilterRoundTrip_data()
    {
        QTest::addColumn<bool>("hasFilter");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("no filter: an empty list") << false << QStringList{};
        QTest::newRow("two paths in their order") << true << QStringList{"b/*", "a.mov"};
        QTest::newRow("a path holding a comma") << true << QStringList{"clips, 2024/*.mov", "x"};
    }

    // The sheet shows one token per path text and gives them back as they were, each entry
    // whole; applied without a filter it gives an empty one, never none.
    void pathFilterRoundTrip()
    {
        QFETCH(bool, hasFilter);
        QFETCH(QStringList, paths);
        FolderSettingsWindowController sheet;
        sheet.setFilePathFilter(hasFilter ? std::optional<ostrak::ETPathFilter>(ostrak::ETPathFilter(paths)) : std::nullopt);
        QCOMPARE(sheet.filePathsField()->tokens(), paths);
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.applyButton()->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QVERIFY(sheet.filePathFilter().has_value());
        QCOMPARE(sheet.filePathFilter()->paths(), paths);
    }

    // Apply reads the check box and the tokens; Cancel keeps what the caller set.
    void applyReadsCancelKeeps()
    {
        FolderSettingsWindowController sheet;
        sheet.setRecurseSubfolders(true);
        QVERIFY(sheet.recurseSearchButton()->isChecked());
        sheet.recurseSearchButton()->setChecked(false);
        sheet.filePathsField()->setTokens({"*.jpg"});
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.cancelButton()->click();
        QCOMPARE(finished.first().first().toInt(), 0);
        QVERIFY(sheet.recurseSubfolders());
        QCOMPARE(sheet.filePathFilter(), std::nullopt);

        sheet.recurseSearchButton()->setChecked(false);
        sheet.filePathsField()->setTokens({"*.jpg"});
        sheet.applySheet();
        QVERIFY(!sheet.recurseSubfolders());
        QCOMPARE(sheet.filePathFilter(), std::optional<ostrak::ETPathFilter>(ostrak::ETPathFilter({"*.jpg"})));
    }
};

QTEST_MAIN(FolderSettingsWindowControllerTest)
#include "FolderSettingsWindowControllerTest.moc"
