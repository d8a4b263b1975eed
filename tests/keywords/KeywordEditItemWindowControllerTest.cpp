#include "keywords/KeywordEditItemWindowController.h"
#include "keywords/KeywordSynonymListModel.h"

#include "support/ui/WidgetDriver.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using corvelle::KeywordEditItemWindowController;
using corvelle::KeywordSynonymListModel;
using halvex::KeywordItem;

namespace {

// A widget of the sheet's form, by its name.
template<class Widget>
Widget* field(const QWidget* sheet, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(sheet, QString::fromLatin1(name));
}

} // namespace

class KeywordEditItemWindowControllerTest : public QObject {
    Q_OBJECT

    static std::shared_ptr<KeywordItem> sampleItem()
    {
        return std::make_shared<KeywordItem>(QStringLiteral("Cat"), false, false,
                                             QStringList{QStringLiteral("Feline"), QStringLiteral("Kitty"),
                                                         QStringLiteral("Puss"), QStringLiteral("Mog")},
                                             QList<halvex::KeywordItemPtr>{});
    }

private Q_SLOTS:
    void saveWritesEveryFieldAndOnlyThen()
    {
        const auto item = sampleItem();
        KeywordEditItemWindowController sheet;
        sheet.setKeywordItem(item);
        QSignalSpy finished(&sheet, &QDialog::finished);
        QCOMPARE(field<QLineEdit>(&sheet, "valueTextField")->text(), QStringLiteral("Cat"));
        QCOMPARE(sheet.synonymModel()->synonyms().size(), 4);

        // Leading and trailing spaces are part of the name; each field is written, none is
        // undone by the notes the earlier writes post.
        field<QLineEdit>(&sheet, "valueTextField")->setText(QStringLiteral("  Cat "));
        field<QCheckBox>(&sheet, "isHeaderButton")->setChecked(true);
        field<QCheckBox>(&sheet, "isPersonButton")->setChecked(true);
        field<QLineEdit>(&sheet, "synonymTextField")->setText(QStringLiteral("Tom"));
        field<QPushButton>(&sheet, "synonymAddButton")->click();
        QCOMPARE(item->name(), QStringLiteral("Cat"));
        QVERIFY(!item->isHeader());
        field<QPushButton>(&sheet, "validateButton")->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        QCOMPARE(item->name(), QStringLiteral("  Cat "));
        QVERIFY(item->isHeader());
        QVERIFY(item->isPerson());
        QCOMPARE(item->synonyms().last(), QStringLiteral("Tom"));
    }

    void blankNamesCannotBeSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("savable");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("spaces") << "   " << false;
        QTest::newRow("tab and line feed") << "\t\n" << false;
        QTest::newRow("a letter") << " x " << true;
    }

    void blankNamesCannotBeSaved()
    {
        QFETCH(QString, name);
        QFETCH(bool, savable);
        const auto item = sampleItem();
        KeywordEditItemWindowController sheet;
        sheet.setKeywordItem(item);
        QSignalSpy finished(&sheet, &QDialog::finished);
        field<QLineEdit>(&sheet, "valueTextField")->setText(name);
        QCOMPARE(field<QPushButton>(&sheet, "validateButton")->isEnabled(), savable);
        QCOMPARE(sheet.touchBar().touchBar().last()->isEnabled(), savable);
        sheet.validate();
        QCOMPARE(finished.count(), savable ? 1 : 0);
        QCOMPARE(item->name(), savable ? name : QStringLiteral("Cat"));
    }

    void cancelWritesNothing()
    {
        const auto item = sampleItem();
        KeywordEditItemWindowController sheet;
        sheet.setKeywordItem(item);
        QSignalSpy finished(&sheet, &QDialog::finished);
        field<QLineEdit>(&sheet, "valueTextField")->setText(QStringLiteral("Dog"));
        sheet.synonymModel()->remove({0});
        field<QPushButton>(&sheet, "cancelButton")->click();
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
        QCOMPARE(item->name(), QStringLiteral("Cat"));
        QCOMPARE(item->synonyms().size(), 4);
    }

    void synonymsAreAddedDeletedAndEditedInPlace()
    {
        KeywordEditItemWindowController sheet;
        sheet.setKeywordItem(sampleItem());
        QAbstractItemModelTester tester(sheet.synonymModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(!field<QPushButton>(&sheet, "synonymAddButton")->isEnabled());
        field<QLineEdit>(&sheet, "synonymTextField")->setText(QStringLiteral("  "));
        QVERIFY(!field<QPushButton>(&sheet, "synonymAddButton")->isEnabled());
        field<QLineEdit>(&sheet, "synonymTextField")->setText(QStringLiteral("Tom"));
        field<QListView>(&sheet, "synonymTableView")->selectionModel()->select(sheet.synonymModel()->index(0),
                                                        QItemSelectionModel::Select);
        field<QPushButton>(&sheet, "synonymAddButton")->click();
        QCOMPARE(sheet.synonymModel()->synonyms().last(), QStringLiteral("Tom"));
        QVERIFY(field<QLineEdit>(&sheet, "synonymTextField")->text().isEmpty());
        QVERIFY(!field<QListView>(&sheet, "synonymTableView")->selectionModel()->hasSelection());
        QVERIFY(!field<QPushButton>(&sheet, "synonymDeleteButton")->isEnabled());

        const QModelIndex kitty = sheet.synonymModel()->index(1);
        const QModelIndex mog = sheet.synonymModel()->index(3);
        field<QListView>(&sheet, "synonymTableView")->selectionModel()->select(kitty, QItemSelectionModel::Select);
        field<QListView>(&sheet, "synonymTableView")->selectionModel()->select(mog, QItemSelectionModel::Select);
        QVERIFY(field<QPushButton>(&sheet, "synonymDeleteButton")->isEnabled());
        field<QPushButton>(&sheet, "synonymDeleteButton")->click();
        QCOMPARE(sheet.synonymModel()->synonyms(), QStringList({"Feline", "Puss", "Tom"}));

        // An edited synonym may become empty.
        QVERIFY(sheet.synonymModel()->setData(sheet.synonymModel()->index(1), QString()));
        QCOMPARE(sheet.synonymModel()->synonyms(), QStringList({"Feline", "", "Tom"}));
    }

    void synonymDrops_data()
    {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("ontoRow");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("result");
        const QStringList unchanged{"Feline", "Kitty", "Puss", "Mog"};
        QTest::newRow("two rows down, in their order") << QList<int>{0, 2} << 4 << false << true
                                                       << QStringList{"Kitty", "Mog", "Feline", "Puss"};
        QTest::newRow("one row up") << QList<int>{3} << 1 << false << true << QStringList{"Feline", "Mog", "Kitty", "Puss"};
        QTest::newRow("below the rows") << QList<int>{0} << -1 << false << true
                                        << QStringList{"Kitty", "Puss", "Mog", "Feline"};
        QTest::newRow("onto a row") << QList<int>{0} << 2 << true << false << unchanged;
    }

    void synonymDrops()
    {
        QFETCH(QList<int>, dragged);
        QFETCH(int, row);
        QFETCH(bool, ontoRow);
        QFETCH(bool, accepted);
        QFETCH(QStringList, result);
        KeywordEditItemWindowController sheet;
        sheet.setKeywordItem(sampleItem());
        KeywordSynonymListModel* model = sheet.synonymModel();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QModelIndexList indexes;
        for (int at : dragged)
            indexes << model->index(at);
        const QPersistentModelIndex first = indexes.first();
        const QString firstText = first.data().toString();
        std::unique_ptr<QMimeData> data(model->mimeData(indexes));
        const bool dropped = ontoRow ? model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, model->index(row))
                                     : model->dropMimeData(data.get(), Qt::MoveAction, row, 0, {});
        QCOMPARE(dropped, accepted);
        QCOMPARE(model->synonyms(), result);
        // An index kept on a dragged row follows it.
        QCOMPARE(first.data().toString(), firstText);
    }

    void rowsFromAnotherListAreRefused()
    {
        KeywordEditItemWindowController sheet;
        KeywordEditItemWindowController other;
        sheet.setKeywordItem(sampleItem());
        other.setKeywordItem(sampleItem());
        std::unique_ptr<QMimeData> data(other.synonymModel()->mimeData({other.synonymModel()->index(0)}));
        QVERIFY(!sheet.synonymModel()->canDropMimeData(data.get(), Qt::MoveAction, 2, 0, {}));
        QVERIFY(!sheet.synonymModel()->dropMimeData(data.get(), Qt::MoveAction, 2, 0, {}));
    }

    void changesMadeElsewhereReloadTheFields()
    {
        const auto item = sampleItem();
        KeywordEditItemWindowController sheet;
        sheet.setKeywordItem(item);
        field<QLineEdit>(&sheet, "valueTextField")->setText(QStringLiteral("Unsaved"));
        KeywordItem(QStringLiteral("Other")).setName(QStringLiteral("Another item"));
        QCOMPARE(field<QLineEdit>(&sheet, "valueTextField")->text(), QStringLiteral("Unsaved"));
        item->setSynonyms({QStringLiteral("Only")});
        QCOMPARE(field<QLineEdit>(&sheet, "valueTextField")->text(), QStringLiteral("Cat"));
        QCOMPARE(sheet.synonymModel()->synonyms(), QStringList{QStringLiteral("Only")});
    }
};

QTEST_MAIN(KeywordEditItemWindowControllerTest)
#include "KeywordEditItemWindowControllerTest.moc"
