#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QPointer>
#include <QtTest>

using brisa::DynamicTouchBar;
using brisa::DynamicTouchBarItem;
using brisa::DynamicTouchBarItemButtonSettings;

class DynamicTouchBarTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheItemsOfTheEnabledSets()
    {
        DynamicTouchBar bar;
        bool secondEnabled = false;
        DynamicTouchBarItem& space = bar.addItemSet([] { return true; }).addItem(DynamicTouchBarItem::flexibleSpace());
        DynamicTouchBarItem& cancel = bar.addItem([](DynamicTouchBarItemButtonSettings& s) { s.title = "Cancel"; });
        DynamicTouchBarItem& apply = bar.addItemSet([&] { return secondEnabled; })
                                         .addItem([](DynamicTouchBarItemButtonSettings& s) { s.title = "Apply"; });

        QCOMPARE(bar.touchBar(), QList<DynamicTouchBarItem*>({&space, &cancel}));
        QVERIFY(space.isFlexibleSpace());
        QCOMPARE(cancel.kind(), DynamicTouchBarItem::Kind::Button);

        secondEnabled = true;
        QCOMPARE(bar.touchBar().size(), 2); // until the next reload
        bar.reloadDisplayedItems();
        QCOMPARE(bar.touchBar(), QList<DynamicTouchBarItem*>({&space, &cancel, &apply}));
    }

    void buttonSettingsKeepWhatTheConfigureClosureSets()
    {
        DynamicTouchBar bar;
        DynamicTouchBarItem& plain = bar.addItem([](DynamicTouchBarItemButtonSettings& s) { s.symbolName = "eye"; });
        DynamicTouchBarItem& wide = bar.addItem([](DynamicTouchBarItemButtonSettings& s) {
            s.title = "Open from Photos";
            s.width = DynamicTouchBarItemButtonSettings::standardWidth;
            s.bezelColor = DynamicTouchBarItemButtonSettings::accentColor();
        });
        QCOMPARE(plain.settings().symbolName, QStringLiteral("eye"));
        QCOMPARE(plain.settings().width, 0.0);
        QVERIFY(!plain.settings().bezelColor.isValid());
        QVERIFY(plain.isEnabled());
        QCOMPARE(wide.settings().width, 160.0);
        QVERIFY(wide.settings().bezelColor.isValid());
        QVERIFY(!plain.perform()); // no action
    }

    void updateClosuresFollowAWeakTarget()
    {
        DynamicTouchBar bar;
        auto controller = std::make_unique<QObject>();
        QPointer<QObject> target = controller.get();
        int selection = 0, fileCount = 1, sent = 0, updates = 0;
        bar.addItemSet([] { return true; });
        DynamicTouchBarItem& next = bar.addItem(
            [&](DynamicTouchBarItemButtonSettings& s) {
                s.symbolName = "arrow.right";
                s.action = [&, target] {
                    if (target)
                        ++sent;
                };
            },
            [&, target](DynamicTouchBarItem& item) {
                ++updates;
                item.setEnabled(target && selection + 1 <= fileCount - 1);
            });

        QCOMPARE(bar.touchBar().size(), 1); // the first look reloads
        QCOMPARE(updates, 1);
        QVERIFY(!next.isEnabled());
        QVERIFY(!next.perform());
        QCOMPARE(sent, 0);

        fileCount = 3;
        bar.reloadDisplayedItems();
        QVERIFY(next.isEnabled());
        QVERIFY(next.perform());
        QCOMPARE(sent, 1);

        controller.reset();
        bar.reloadDisplayedItems();
        QVERIFY(!next.isEnabled());
        QVERIFY(!next.perform());
        QCOMPARE(updates, 3);
    }

    void anUpdateClosureMayAskForAReload()
    {
        DynamicTouchBar bar;
        int updates = 0;
        bar.addItem([](DynamicTouchBarItemButtonSettings&) {},
                    [&](DynamicTouchBarItem&) {
                        if (++updates == 1)
                            bar.reloadDisplayedItems();
                    });
        bar.reloadDisplayedItems();
        QCOMPARE(updates, 2);
    }
};

QTEST_MAIN(DynamicTouchBarTest)
#include "DynamicTouchBarTest.moc"
