#include "app/controls/ClickTokenField.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using corvelle::ClickTokenField;

class ClickTokenFieldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachPressSendsOneClickAndNeverEdits()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QLineEdit(&window);
        auto* field = new ClickTokenField(&window);
        layout->addWidget(other);
        layout->addWidget(field);
        field->setTokens({"jpg", "mov"});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QSignalSpy clicked(field, &ClickTokenField::clicked);
        const QPoint centre = field->geometry().center();

        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(clicked.count(), 3);
        QVERIFY(other->hasFocus());
        QTest::keyClicks(&window, "x,");
        QCOMPARE(field->tokens(), (QStringList{"jpg", "mov"}));
    }
};

QTEST_MAIN(ClickTokenFieldTest)
#include "ClickTokenFieldTest.moc"
