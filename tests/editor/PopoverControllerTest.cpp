#include "editor/PopoverController.h"


#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QtTest>

using corvelle::PopoverController;
using Edge = PopoverController::Edge;

Q_DECLARE_METATYPE(Edge)

namespace {

const QSize popoverSize(120, 80);

class TestPopover : public PopoverController {
public:
protected:
    void loadView() override { setFixedSize(popoverSize); }
};

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* widget) { widget->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

QRect globalRect(const QWidget& widget)
{
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// Lets the close of a popover finish and its after-close work run.
void settle()
{
    for (int turn = 0; turn < 3; ++turn)
        QCoreApplication::processEvents();
}

} // namespace

class PopoverControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->setGeometry(100, 100, 600, 400);
        anchor_ = new QPushButton(QStringLiteral("anchor"), window_.get());
        anchor_->setGeometry(250, 185, 100, 30);
        other_ = new QPushButton(QStringLiteral("other"), window_.get());
        other_->setGeometry(20, 20, 100, 30);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        first_.close();
        second_.close();
        settle();
        window_.reset();
    }

    void thePopoverLiesAtTheChosenEdgeOfItsAnchor_data()
    {
        QTest::addColumn<Edge>("edge");
        QTest::newRow("bottom") << Edge::bottom;
        QTest::newRow("top") << Edge::top;
        QTest::newRow("left") << Edge::left;
        QTest::newRow("right") << Edge::right;
    }

    void thePopoverLiesAtTheChosenEdgeOfItsAnchor()
    {
        QFETCH(Edge, edge);
        first_.show(anchor_, edge);
        QVERIFY(first_.isShown());
        QCOMPARE(first_.anchor(), anchor_);
        const QRect frame = first_.popover()->frameGeometry();
        const QRect anchor = globalRect(*anchor_);
        QCOMPARE(first_.view()->size(), popoverSize);
        switch (edge) {
        case Edge::bottom:
        case Edge::top:
            QVERIFY(edge == Edge::bottom ? frame.top() > anchor.bottom() : frame.bottom() < anchor.top());
            QVERIFY(std::abs(frame.center().x() - anchor.center().x()) <= 1);
            break;
        case Edge::left:
        case Edge::right:
            QVERIFY(edge == Edge::right ? frame.left() > anchor.right() : frame.right() < anchor.left());
            QVERIFY(std::abs(frame.center().y() - anchor.center().y()) <= 1);
            break;
        }
        // Showing it elsewhere moves it.
        first_.show(other_, Edge::bottom);
        QCOMPARE(first_.anchor(), other_);
        QVERIFY(first_.popover()->frameGeometry().top() > globalRect(*other_).bottom());
    }

    void onlyOnePopoverIsOpenAtATime()
    {
        first_.show(anchor_, Edge::bottom);
        second_.show(other_, Edge::bottom);
        QVERIFY(second_.isShown());
        QVERIFY(!first_.isShown());
        QCOMPARE(first_.anchor(), nullptr);
        first_.toggle(anchor_, Edge::bottom);
        QVERIFY(first_.isShown());
        QVERIFY(!second_.isShown());
    }

    void clicksOutsideCloseItAndTheAnchorTogglesIt()
    {
        connect(anchor_, &QPushButton::clicked, &first_, [this] { first_.toggle(anchor_, Edge::bottom); });
        clickWindowAt(anchor_->geometry().center());
        QVERIFY(first_.isShown());
        // The click that closes it is not handed on to the anchor, which would open it again.
        clickWindowAt(anchor_->geometry().center());
        settle();
        QVERIFY(!first_.isShown());
        clickWindowAt(anchor_->geometry().center());
        QVERIFY(first_.isShown());
        clickWindowAt(other_->geometry().center());
        settle();
        QVERIFY(!first_.isShown());
    }

    void aReloadWhileOpenWaitsForTheCloseAndOnlyTheLastCounts()
    {
        ShowCounter counter(first_.popover());
        int reloads = 0;
        first_.reloadAndShow(anchor_, Edge::bottom, [&reloads] { ++reloads; });
        QCOMPARE(reloads, 1);
        QCOMPARE(counter.shows, 1);

        int lateReloads = 0;
        first_.reloadAndShow(anchor_, Edge::top, [&reloads] { ++reloads; });
        first_.reloadAndShow(other_, Edge::right, [&lateReloads] { ++lateReloads; });
        QVERIFY(!first_.isShown());
        QCOMPARE(reloads + lateReloads, 1);
        settle();
        QCOMPARE(reloads, 1);
        QCOMPARE(lateReloads, 1);
        QCOMPARE(counter.shows, 2);
        QCOMPARE(first_.anchor(), other_);
        QVERIFY(first_.popover()->frameGeometry().left() > globalRect(*other_).right());

        // A plain close leaves nothing to run, now or at a later close.
        first_.close();
        settle();
        first_.show(anchor_, Edge::bottom);
        first_.close();
        settle();
        QCOMPARE(reloads + lateReloads, 2);
        QCOMPARE(counter.shows, 3);
    }

private:
    // Clicks as the desktop does, through the window, so that an open popover sees the click.
    void clickWindowAt(QPoint position)
    {
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, position);
    }

    std::unique_ptr<QWidget> window_;
    QPushButton* anchor_ = nullptr;
    QPushButton* other_ = nullptr;
    TestPopover first_;
    TestPopover second_;
};

QTEST_MAIN(PopoverControllerTest)
#include "PopoverControllerTest.moc"
