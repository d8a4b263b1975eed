#include "app/controls/ClickTextField.h"

#include <QVBoxLayout>
#include <QtTest>

using corvelle::ClickTextField;

class ClickTextFieldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachPressSendsOneClickAndNeverEdits()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QLineEdit(&window);
        auto* field = new ClickTextField(&window);
        layout->addWidget(other);
        layout->addWidget(field);
        field->setText("Folder");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QSignalSpy clicked(field, &ClickTextField::clicked);
        const QPoint centre = field->geometry().center();

        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(clicked.count(), 3);
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, centre);
        QCOMPARE(clicked.count(), 3);

        QVERIFY(other->hasFocus());
        QTest::keyClicks(&window, "x");
        QCOMPARE(field->text(), QString("Folder"));
        QVERIFY(!field->hasSelectedText());
    }
};

QTEST_MAIN(ClickTextFieldTest)
#include "ClickTextFieldTest.moc"
