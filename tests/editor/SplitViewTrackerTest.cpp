#include "editor/EditorSettings.h"
#include "editor/SplitViewTracker.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QApplication>
#include <QSplitter>
#include <QtTest>

namespace Settings = corvelle::Settings;
using corvelle::SplitViewTracker;

namespace {

// A window holding a horizontal split view of `panes` panes.
struct SplitWindow {
    explicit SplitWindow(int panes, int width = 600)
    {
        window.resize(width, 300);
        splitter = new QSplitter(Qt::Horizontal, &window);
        splitter->setChildrenCollapsible(false);
        for (int index = 0; index < panes; ++index)
            splitter->addWidget(new QWidget);
        splitter->setGeometry(0, 0, width, 300);
        window.show();
    }

    QWidget window;
    QSplitter* splitter;
};

// Counts the tracker's two notes for one split view.
struct NoteCounter {
    explicit NoteCounter(const QSplitter* splitter)
    {
        willStart.subscribe(SplitViewTracker::willStartResizingNotification, splitter,
                            [this](const brisa::Notification&) { events << QStringLiteral("willStart"); });
        didEnd.subscribe(SplitViewTracker::didEndResizingNotification, splitter, [this](const brisa::Notification&) {
            events << QStringLiteral("didEnd");
            storedAtEnd = brisa::UserDefaults::standard().object(Settings::tagsSectionFileViewSplitRatio().name());
        });
    }

    brisa::NoteSubscriber willStart;
    brisa::NoteSubscriber didEnd;
    QStringList events;
    QVariant storedAtEnd;
};

// Presses the first divider and drags it `steps` times by `step` pixels, without releasing.
void dragDivider(QSplitter& splitter, int steps, int step)
{
    QSplitterHandle* handle = splitter.handle(1);
    const QPoint grip(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    for (int index = 0; index < steps; ++index)
        QTest::mouseMove(handle, grip + QPoint(step, 0));
}

void releaseDivider(QSplitter& splitter)
{
    QSplitterHandle* handle = splitter.handle(1);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(handle->width() / 2, handle->height() / 2));
}

} // namespace

class SplitViewTrackerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { brisa::UserDefaults::standard().removeObject(Settings::tagsSectionFileViewSplitRatio().name()); }

    void aDragEndsOnceAfterTheButtonIsReleasedAndTheRatioIsStoredFirst()
    {
        SplitWindow split(2);
        QVERIFY(QTest::qWaitForWindowExposed(&split.window));
        SplitViewTracker tracker(split.splitter, &Settings::tagsSectionFileViewSplitRatio());
        NoteCounter notes(split.splitter);
        const int before = split.splitter->sizes().first();

        dragDivider(*split.splitter, 4, 10);
        QCOMPARE(split.splitter->sizes().first(), before + 40);
        QCOMPARE(notes.events, QStringList{QStringLiteral("willStart")});
        QVERIFY(tracker.isResizingSplitView());
        // A pause with the button still down is no end.
        QTest::qWait(2 * SplitViewTracker::settleDelay.count());
        QCOMPARE(notes.events, QStringList{QStringLiteral("willStart")});

        dragDivider(*split.splitter, 1, 10);
        releaseDivider(*split.splitter);
        QTRY_COMPARE(notes.events, QStringList({QStringLiteral("willStart"), QStringLiteral("didEnd")}));
        QVERIFY(!tracker.isResizingSplitView());
        const double expected = double(before + 50) / split.splitter->width();
        QVERIFY(notes.storedAtEnd.isValid());
        QCOMPARE(notes.storedAtEnd.toDouble(), expected);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::tagsSectionFileViewSplitRatio()), expected);

        // The next drag is a resize of its own.
        dragDivider(*split.splitter, 2, -10);
        releaseDivider(*split.splitter);
        QTRY_COMPARE(notes.events.size(), 4);
        QCOMPARE(notes.events.mid(2), QStringList({QStringLiteral("willStart"), QStringLiteral("didEnd")}));
    }

    void resizesNotMadeByDraggingADividerPostNothing()
    {
        SplitWindow split(2);
        QVERIFY(QTest::qWaitForWindowExposed(&split.window));
        SplitViewTracker tracker(split.splitter, &Settings::tagsSectionFileViewSplitRatio());
        NoteCounter notes(split.splitter);
        split.splitter->resize(500, 300);
        split.splitter->setSizes({100, 400});
        // A press without a move resizes nothing either.
        QTest::mouseClick(split.splitter->handle(1), Qt::LeftButton);
        QTest::qWait(2 * SplitViewTracker::settleDelay.count());
        QVERIFY(notes.events.isEmpty());
        QVERIFY(!brisa::UserDefaults::standard().contains(Settings::tagsSectionFileViewSplitRatio().name()));
    }

    void theStoredRatioIsRestoredAtAnyWidth_data()
    {
        QTest::addColumn<int>("panes");
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("two panes") << 2 << 0.3 << 0.3;
        QTest::newRow("three panes") << 3 << 0.25 << 0.25;
        QTest::newRow("out of range") << 2 << 4.0 << 1.0;
    }

    void theStoredRatioIsRestoredAtAnyWidth()
    {
        QFETCH(int, panes);
        QFETCH(double, stored);
        QFETCH(double, expected);
        brisa::UserDefaults::standard().set(Settings::tagsSectionFileViewSplitRatio(), stored);
        SplitWindow split(panes, 800);
        QVERIFY(QTest::qWaitForWindowExposed(&split.window));
        split.splitter->setSizes(QList<int>(panes, 100));
        SplitViewTracker tracker(split.splitter, &Settings::mapSectionFileViewSplitRatio());
        tracker.restoreRatio();
        const QList<int> sizes = split.splitter->sizes();
        // Within a pixel, and a divider where the first pane takes all: the dividers belong to no pane.
        const double tolerance = (1.0 + (expected == 1.0 ? split.splitter->handleWidth() : 0)) / 800 + 1e-9;
        QVERIFY2(std::abs(SplitViewTracker::ratio(*split.splitter) - expected) <= tolerance,
                 qPrintable(QString::number(SplitViewTracker::ratio(*split.splitter))));
        if (panes == 3 && expected < 1.0)
            QVERIFY(std::abs(sizes.at(1) - sizes.at(2)) <= 1); // the others keep their shares
    }
};

QTEST_MAIN(SplitViewTrackerTest)
#include "SplitViewTrackerTest.moc"
