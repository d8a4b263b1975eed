#include "widgets/controls/BackgroundButton.h"
#include "widgets/controls/BackgroundImageView.h"

#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using corvelle::BackgroundButton;
using corvelle::BackgroundImageView;

class WindowDragAreaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draggingMovesTheWindow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("background button") << "button";
        QTest::newRow("background image view") << "image";
    }

    void draggingMovesTheWindow()
    {
        QFETCH(QString, kind);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QWidget* area = kind == "button" ? static_cast<QWidget*>(new BackgroundButton(&window))
                                         : static_cast<QWidget*>(new BackgroundImageView(&window));
        area->setMinimumSize(80, 40);
        layout->addWidget(area);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!area->acceptDrops());
        const QPoint start = window.pos();

        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(area, QPoint(40, 25));
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(40, 25));
        QCOMPARE(window.pos(), start + QPoint(30, 15));

        // Moving the pointer afterwards leaves the window where it is.
        QTest::mouseMove(area, QPoint(5, 5));
        QCOMPARE(window.pos(), start + QPoint(30, 15));
    }

    void clickingTheBackgroundButtonSendsNothing()
    {
        QWidget window;
        auto* button = new BackgroundButton(&window);
        button->setText("Corvelle");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(button, &QPushButton::clicked);
        QSignalSpy pressed(button, &QPushButton::pressed);

        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::keyClick(window.windowHandle(), Qt::Key_Space);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!button->hasFocus());
    }
};

QTEST_MAIN(WindowDragAreaTest)
#include "WindowDragAreaTest.moc"
