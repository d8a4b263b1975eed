#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/DynamicToolbarItemSet.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using brisa::DynamicToolbar;
using brisa::DynamicToolbarItem;
using brisa::DynamicToolbarItemContainer;
using brisa::DynamicToolbarItemSet;

namespace {

QList<QAction*> actionsOf(const QList<DynamicToolbarItem*>& items)
{
    QList<QAction*> actions;
    for (DynamicToolbarItem* item : items)
        actions.append(item->action());
    return actions;
}

DynamicToolbarItemContainer::ImageButtonSettings imageButton(const QString& title, std::function<void()> action = {})
{
    return {title, QStringLiteral("plus"), std::move(action)};
}

} // namespace

class DynamicToolbarTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheEnabledSetsOnlyAfterAReload()
    {
        DynamicToolbar dynamic;
        bool firstEnabled = true;
        DynamicToolbarItemSet& first = dynamic.addItemSet([&] { return firstEnabled; });
        first.addItem(imageButton("A1"));
        first.addItem(DynamicToolbarItem::flexibleSpaceIdentifier);
        DynamicToolbarItemSet& second = dynamic.addItemSet([] { return true; });
        second.addItem(imageButton("B1"));
        DynamicToolbarItemSet sectionA, sectionB;
        sectionA.addItem(imageButton("S1"));
        sectionB.addItem(imageButton("T1"));
        sectionB.addItem(imageButton("T2"));
        DynamicToolbarItemSet* current = &sectionA;
        dynamic.setItemSetProvider([&] { return current; });

        QVERIFY(dynamic.toolbar()->actions().isEmpty());
        dynamic.reloadDisplayedItems();
        QCOMPARE(dynamic.toolbar()->actions(), actionsOf(first.items() + second.items() + sectionA.items()));

        firstEnabled = false;
        current = &sectionB;
        QCOMPARE(dynamic.toolbar()->actions().size(), 4); // unchanged until the reload
        dynamic.reloadDisplayedItems();
        QCOMPARE(dynamic.toolbar()->actions(), actionsOf(second.items() + sectionB.items()));
        QCOMPARE(dynamic.displayedItems(), second.items() + sectionB.items());

        current = nullptr;
        dynamic.reloadDisplayedItems();
        QCOMPARE(dynamic.toolbar()->actions(), actionsOf(second.items()));
    }

    void reloadRunsTheUpdateClosuresOfTheShownItems()
    {
        DynamicToolbar dynamic;
        bool hiddenSetEnabled = false;
        int shownUpdates = 0, hiddenUpdates = 0;
        bool canRemove = false;
        QWidget* seenView = nullptr;
        DynamicToolbarItem& remove = dynamic.addItemSet({}).addItem(
            imageButton("Remove"), [&](DynamicToolbarItem& item, QWidget* view) {
                ++shownUpdates;
                seenView = view;
                item.setEnabled(canRemove);
            });
        dynamic.addItemSet([&] { return hiddenSetEnabled; })
            .addItem(imageButton("Other"), [&](DynamicToolbarItem&, QWidget*) { ++hiddenUpdates; });

        dynamic.reloadDisplayedItems();
        QCOMPARE(shownUpdates, 1);
        QCOMPARE(hiddenUpdates, 0);
        QCOMPARE(seenView, remove.view());
        QVERIFY(!remove.isEnabled());
        QVERIFY(!remove.view()->isEnabled());

        canRemove = true;
        hiddenSetEnabled = true;
        dynamic.reloadDisplayedItems();
        QCOMPARE(shownUpdates, 2);
        QCOMPARE(hiddenUpdates, 1);
        QVERIFY(remove.view()->isEnabled());
    }

    void buttonsRunTheirActionsOnlyWhileEnabled()
    {
        QMainWindow window;
        DynamicToolbar dynamic;
        window.addToolBar(dynamic.toolbar());
        int presses = 0;
        bool enabled = true;
        DynamicToolbarItem& item = dynamic.addItem(imageButton("Save", [&] { ++presses; }),
                                                   [&](DynamicToolbarItem& i, QWidget*) { i.setEnabled(enabled); });
        dynamic.reloadDisplayedItems();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* button = qobject_cast<QToolButton*>(item.view());
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->toolTip(), QStringLiteral("Save"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(presses, 1);

        enabled = false;
        dynamic.reloadDisplayedItems();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(presses, 1);
    }

    void factoriesMakeTheirViews()
    {
        QMainWindow window;
        DynamicToolbar dynamic;
        window.addToolBar(dynamic.toolbar());
        QMenu menu;
        QString searched = QStringLiteral("unset");
        int chosenSegment = -1;
        DynamicToolbarItem& menuItem = dynamic.addItem(
            DynamicToolbarItemContainer::MenuButtonSettings {"Open", "plus", &menu, true});
        DynamicToolbarItem& noMenu = dynamic.addItem(
            DynamicToolbarItemContainer::MenuButtonSettings {"Help", "no.such.symbol", nullptr});
        DynamicToolbarItem& search = dynamic.addItem(DynamicToolbarItemContainer::SearchFieldSettings {
            "Search", "Search values", [&](const QString& text) { searched = text; }});
        DynamicToolbarItem& group = dynamic.addItem(DynamicToolbarItemContainer::TitleGroupSettings {
            "Sections", {"Preview", "Tags", "Map"}, 1, [&](int index) { chosenSegment = index; }});
        dynamic.reloadDisplayedItems();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* menuButton = qobject_cast<QToolButton*>(menuItem.view());
        QCOMPARE(menuButton->menu(), &menu);
        QCOMPARE(menuButton->popupMode(), QToolButton::InstantPopup);
        QVERIFY(menuItem.isNavigational());
        QCOMPARE(menuItem.label(), QStringLiteral("Open"));

        // Without a symbol the button shows its title rather than nothing.
        auto* helpButton = qobject_cast<QToolButton*>(noMenu.view());
        QVERIFY(!helpButton->menu());
        QCOMPARE(helpButton->toolButtonStyle(), Qt::ToolButtonTextOnly);
        QCOMPARE(helpButton->text(), QStringLiteral("Help"));

        auto* field = qobject_cast<QLineEdit*>(search.view());
        QCOMPARE(field->placeholderText(), QStringLiteral("Search"));
        QCOMPARE(field->toolTip(), QStringLiteral("Search values"));
        field->setText(QStringLiteral("set by code")); // not the user's doing
        QCOMPARE(searched, QStringLiteral("unset"));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("iso"));
        QCOMPARE(searched, QStringLiteral("iso"));

        const QList<QToolButton*> segments = group.view()->findChildren<QToolButton*>();
        QCOMPARE(segments.size(), 3);
        QVERIFY(segments.at(1)->isChecked());
        QTest::mouseClick(segments.at(2), Qt::LeftButton);
        QCOMPARE(chosenSegment, 2);
        QVERIFY(segments.at(2)->isChecked());
        QVERIFY(!segments.at(1)->isChecked());
    }

    void flexibleSpacesShareTheFreeRoom()
    {
        QMainWindow window;
        window.resize(900, 200);
        DynamicToolbar dynamic;
        window.addToolBar(dynamic.toolbar());
        DynamicToolbarItem& left = dynamic.addItem(imageButton("Left"));
        dynamic.addItem(DynamicToolbarItem::flexibleSpaceIdentifier);
        DynamicToolbarItem& middle = dynamic.addItem(imageButton("Middle"));
        dynamic.addItem(DynamicToolbarItem::flexibleSpaceIdentifier);
        DynamicToolbarItem& right = dynamic.addItem(imageButton("Right"));
        dynamic.reloadDisplayedItems();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QToolBar* bar = dynamic.toolbar();
        const auto centreX = [&](DynamicToolbarItem& item) {
            return item.view()->mapTo(bar, item.view()->rect().center()).x();
        };
        QTRY_VERIFY(bar->width() - centreX(right) < 60);
        QVERIFY(centreX(left) < 60);
        QVERIFY(qAbs(centreX(middle) - bar->width() / 2) < 40);
    }

    // Lopsided neighbours would pull a plain middle item off centre; the centred item stays in
    // the middle through hiding and resizing, and falls back to the plain layout without room.
    void centredItemSitsInTheMiddle()
    {
        QMainWindow window;
        window.resize(900, 200);
        DynamicToolbar dynamic;
        dynamic.setCenteredItemIdentifier(QStringLiteral("Centre"));
        window.addToolBar(dynamic.toolbar());
        dynamic.addItem(imageButton("Open"));
        dynamic.addItem(DynamicToolbarItem::flexibleSpaceIdentifier);
        DynamicToolbarItem& centred = dynamic.addItem(QStringLiteral("Centre"), false, QString(), [] {
            auto* view = new QWidget;
            view->setFixedSize(280, 24);
            return view;
        });
        bool hideLast = false;
        dynamic.addItem(DynamicToolbarItem::flexibleSpaceIdentifier);
        for (const char* title : {"One", "Two", "Three", "Four", "Five"})
            dynamic.addItem(imageButton(title));
        DynamicToolbarItem& last = dynamic.addItem(imageButton("Six"), [&hideLast](DynamicToolbarItem& item, QWidget*) {
            item.setHidden(hideLast);
        });
        dynamic.reloadDisplayedItems();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QToolBar* bar = dynamic.toolbar();
        const auto offCentre = [&] {
            return qAbs(centred.view()->geometry().center().x() - bar->rect().center().x());
        };
        QTRY_VERIFY(offCentre() <= 1);
        hideLast = true;
        dynamic.reloadDisplayedItems();
        QVERIFY(last.isHidden());
        QVERIFY(offCentre() <= 1);
        window.resize(1300, 200);
        QTRY_COMPARE(bar->width(), 1300);
        QTRY_VERIFY(offCentre() <= 1);
        // Too narrow: the item keeps its place after its neighbours and is not pushed out.
        window.resize(480, 200);
        QTRY_COMPARE(bar->width(), 480);
        QVERIFY(centred.view()->geometry().left() >= 0);
    }

    void customItemsKeepTheirIdentifierAndView()
    {
        DynamicToolbar dynamic;
        int made = 0;
        DynamicToolbarItem& centred = dynamic.addItem(
            "CenteredItemIdentifier", false, QString(),
            [&] {
                ++made;
                return new QWidget;
            });
        DynamicToolbarItem& first = dynamic.addItem(QString(), false, QString(), [] { return new QWidget; });
        DynamicToolbarItem& second = dynamic.addItem(imageButton("B"));
        dynamic.reloadDisplayedItems();
        dynamic.reloadDisplayedItems();
        QCOMPARE(made, 1);
        QCOMPARE(centred.identifier(), QStringLiteral("CenteredItemIdentifier"));
        QCOMPARE(centred.action()->objectName(), QStringLiteral("CenteredItemIdentifier"));
        QVERIFY(!first.identifier().isEmpty());
        QVERIFY(first.identifier() != second.identifier());
    }

    void updateClosuresMayHideItemsAndAskForAReload()
    {
        QMainWindow window;
        DynamicToolbar dynamic;
        window.addToolBar(dynamic.toolbar());
        bool busy = false;
        int updates = 0;
        DynamicToolbarItem& tasks = dynamic.addItem(imageButton("Tasks"), [&](DynamicToolbarItem& item, QWidget*) {
            ++updates;
            item.setHidden(!busy);
            item.setLabel(QStringLiteral("Tasks label"));
            if (updates == 1)
                dynamic.reloadDisplayedItems(); // runs after this reload, not inside it
        });
        dynamic.reloadDisplayedItems();
        QCOMPARE(updates, 2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(tasks.isHidden());
        QVERIFY(!tasks.view()->isVisible());
        QCOMPARE(tasks.label(), QStringLiteral("Tasks label"));

        busy = true;
        dynamic.reloadDisplayedItems();
        QTRY_VERIFY(tasks.view()->isVisible());
    }

    void itemSetsAndToolbarsMayGoAwayInAnyOrder()
    {
        // A section's set dies while shown: its items leave the toolbar at once.
        {
            QMainWindow window;
            DynamicToolbar dynamic;
            window.addToolBar(dynamic.toolbar());
            dynamic.addItem(imageButton("Own"));
            auto section = std::make_unique<DynamicToolbarItemSet>();
            QPointer<QWidget> sectionView = section->addItem(imageButton("Section")).view();
            DynamicToolbarItemSet* provided = section.get();
            dynamic.setItemSetProvider([&] { return provided; });
            dynamic.reloadDisplayedItems();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            section.reset();
            provided = nullptr;
            QVERIFY(!sectionView);
            QCOMPARE(dynamic.toolbar()->actions().size(), 1);
            QCOMPARE(dynamic.displayedItems().size(), 1);
            dynamic.reloadDisplayedItems();
            QCOMPARE(dynamic.toolbar()->actions().size(), 1);
        }
        // The window goes first, then the dynamic toolbar.
        {
            auto window = std::make_unique<QMainWindow>();
            DynamicToolbar dynamic;
            window->addToolBar(dynamic.toolbar());
            QPointer<QWidget> view = dynamic.addItem(imageButton("Own")).view();
            dynamic.reloadDisplayedItems();
            window.reset();
            QVERIFY(!dynamic.toolbar());
            QVERIFY(view); // the item still owns its view
            dynamic.reloadDisplayedItems();
        }
        // The dynamic toolbar goes first; the window keeps an empty toolbar.
        {
            QMainWindow window;
            auto dynamic = std::make_unique<DynamicToolbar>();
            QPointer<QToolBar> bar = dynamic->toolbar();
            window.addToolBar(bar);
            QPointer<QWidget> view = dynamic->addItem(imageButton("Own")).view();
            dynamic->reloadDisplayedItems();
            dynamic.reset();
            QVERIFY(bar);
            QVERIFY(bar->actions().isEmpty());
            QVERIFY(!view);
        }
    }
};

QTEST_MAIN(DynamicToolbarTest)
#include "DynamicToolbarTest.moc"
