#include "platform/brisa/ui/ComboBoxCaseList.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/MenuTree.h"
#include "platform/brisa/ui/TextFieldCursor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using brisa::ComboBoxCaseList;
using brisa::FilledSubview;
using brisa::MenuTree;
using brisa::TextFieldCursor;

enum class SortOrder { ascending, descending, byName };

template<>
struct brisa::EnumStrings<SortOrder> {
    static const QList<std::pair<SortOrder, QString>>& table()
    {
        static const QList<std::pair<SortOrder, QString>> entries = {
            {SortOrder::ascending, "ascending"}, {SortOrder::descending, "descending"}, {SortOrder::byName, "by_name"}};
        return entries;
    }
};

class ViewHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filledSubviewReplacesAndFollowsTheContainer()
    {
        QWidget container;
        container.resize(300, 200);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        auto first = std::make_unique<QLabel>(QStringLiteral("first"));
        auto second = std::make_unique<QLabel>(QStringLiteral("second"));

        FilledSubview::setFilledSubview(&container, first.get());
        QCOMPARE(first->parentWidget(), &container);
        QTRY_COMPARE(first->geometry(), container.rect());

        FilledSubview::setFilledSubview(&container, second.get());
        QVERIFY(!first->parentWidget()); // taken out, still its owner's
        QVERIFY(!first->isVisible());
        QVERIFY(second->isVisible());
        container.resize(500, 400);
        QTRY_COMPARE(second->geometry(), QRect(0, 0, 500, 400));
        QCOMPARE(container.findChildren<QLabel*>(), QList<QLabel*>({second.get()}));

        // A placeholder added on top fills the same room, over the view.
        QLabel placeholder(QStringLiteral("nothing"));
        FilledSubview::addFilledSubview(&container, &placeholder);
        QTRY_COMPARE(placeholder.geometry(), QRect(0, 0, 500, 400));
        QCOMPARE(container.childAt(250, 200), &placeholder);

        FilledSubview::removeAllSubviews(&container);
        QVERIFY(container.findChildren<QLabel*>().isEmpty());
        QVERIFY(!second->parentWidget());
        placeholder.setParent(nullptr);
    }

    void filledSubviewLiesOverAForeignLayout()
    {
        QWidget container;
        auto* layout = new QVBoxLayout(&container);
        auto* table = new QLabel(QStringLiteral("table"), &container);
        layout->addWidget(table);
        container.resize(300, 200);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));

        auto* placeholder = new QLabel(QStringLiteral("placeholder"));
        FilledSubview::addFilledSubview(&container, placeholder);
        QCOMPARE(container.layout(), layout);
        QCOMPARE(placeholder->parentWidget(), &container);
        QTRY_COMPARE(placeholder->geometry(), container.rect());
        container.resize(420, 260);
        QTRY_COMPARE(placeholder->geometry(), QRect(0, 0, 420, 260));
        QVERIFY(table->isVisible());
        QCOMPARE(table->parentWidget(), &container);
    }

    void cursorMovesToTheEndOnTheNextTurn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("keyword");
        QTest::newRow("composed characters") << QStringLiteral("Cafe\u0301 \U0001F3AC e\u0301");
        QTest::newRow("empty") << QString();
    }

    void cursorMovesToTheEndOnTheNextTurn()
    {
        QFETCH(QString, text);
        QLineEdit field(QStringLiteral("start"));
        field.setCursorPosition(0);
        TextFieldCursor::moveCursorToEndAsync(&field);
        QCOMPARE(field.cursorPosition(), 0); // not yet
        field.setText(text);                 // the text of that moment counts
        field.setSelection(int(text.size()), -int(text.size())); // selected backwards: the cursor at 0
        QCOMPARE(field.cursorPosition(), 0);
        QTRY_COMPARE(field.cursorPosition(), int(text.size()));
        QVERIFY(!field.hasSelectedText());

        auto* gone = new QLineEdit;
        TextFieldCursor::moveCursorToEndAsync(gone);
        delete gone;
        QTest::qWait(0);
    }

    void comboBoxFollowsTheCasesOfAnEnum()
    {
        QComboBox box;
        QSignalSpy changes(&box, &QComboBox::currentIndexChanged);
        const auto title = [](SortOrder order) {
            switch (order) {
            case SortOrder::ascending:
                return QStringLiteral("Ascending");
            case SortOrder::descending:
                return QStringLiteral("Descending");
            case SortOrder::byName:
                return QStringLiteral("By name");
            }
            return QString();
        };
        ComboBoxCaseList::setCaseList(&box, brisa::allCases<SortOrder>(), title);
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.itemText(2), QStringLiteral("By name"));
        QCOMPARE(box.itemData(2).toString(), QStringLiteral("by_name"));

        ComboBoxCaseList::selectCase(&box, SortOrder::byName);
        QCOMPARE(ComboBoxCaseList::selectedCase<SortOrder>(&box), SortOrder::byName);
        QCOMPARE(changes.count(), 0); // set by code: no change signal

        ComboBoxCaseList::setCaseList(&box, QList<SortOrder>({SortOrder::descending}), title);
        ComboBoxCaseList::selectCase(&box, SortOrder::ascending); // not in the list
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(ComboBoxCaseList::selectedCase<SortOrder>(&box), std::nullopt);
        QCOMPARE(changes.count(), 0);

        box.addItem(QStringLiteral("stray"), QStringLiteral("unknown_raw"));
        box.setCurrentIndex(1);
        QCOMPARE(ComboBoxCaseList::selectedCase<SortOrder>(&box), std::nullopt);
    }

    void allMenusWalksDepthFirst()
    {
        QMenu root(QStringLiteral("root"));
        root.addAction(QStringLiteral("plain"));
        QMenu* a = root.addMenu(QStringLiteral("a"));
        QMenu* a1 = a->addMenu(QStringLiteral("a1"));
        QMenu* a1x = a1->addMenu(QStringLiteral("a1x"));
        QMenu* a2 = a->addMenu(QStringLiteral("a2"));
        root.addSeparator();
        QMenu* b = root.addMenu(QStringLiteral("b"));
        a2->addMenu(&root); // a loop is walked once
        QCOMPARE(MenuTree::allMenus(&root), QList<QMenu*>({&root, a, a1, a1x, a2, b}));
        QCOMPARE(MenuTree::allMenus(b), QList<QMenu*>({b}));
        QVERIFY(MenuTree::allMenus(nullptr).isEmpty());
    }
};

QTEST_MAIN(ViewHelpersTest)
#include "ViewHelpersTest.moc"
