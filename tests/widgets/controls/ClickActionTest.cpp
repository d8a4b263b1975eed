#include "widgets/controls/ClickTextField.h"
#include "widgets/controls/ClickTokenField.h"

#include <QClipboard>
#include <QApplication>
#include <QVBoxLayout>
#include <QtTest>

using corvelle::ClickTextField;
using corvelle::ClickTokenField;

class ClickActionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachPressSendsOneClickAndNothingEdits_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("click text field") << "text";
        QTest::newRow("click token field") << "tokens";
    }

    void eachPressSendsOneClickAndNothingEdits()
    {
        QFETCH(QString, kind);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QLineEdit(&window);
        layout->addWidget(other);
        QWidget* field = nullptr;
        std::unique_ptr<QSignalSpy> clicked;
        std::function<QString()> content;
        if (kind == "text") {
            auto* text = new ClickTextField(&window);
            text->setText("Folder");
            clicked = std::make_unique<QSignalSpy>(text, &ClickTextField::clicked);
            content = [text] { return text->text(); };
            field = text;
        } else {
            auto* tokens = new ClickTokenField(&window);
            tokens->setTokens({"jpg", "mov"});
            clicked = std::make_unique<QSignalSpy>(tokens, &ClickTokenField::clicked);
            content = [tokens] { return tokens->text(); };
            field = tokens;
        }
        layout->addWidget(field);
        const QString before = content();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        const QPoint centre = field->geometry().center();

        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(clicked->count(), 1);
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(clicked->count(), 3);
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, centre);
        QCOMPARE(clicked->count(), 3);

        // Neither typing nor pasting with the middle button reaches the field.
        QVERIFY(other->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "x,");
        if (QApplication::clipboard()->supportsSelection())
            QApplication::clipboard()->setText("pasted", QClipboard::Selection);
        QTest::mouseClick(window.windowHandle(), Qt::MiddleButton, {}, centre);
        QCOMPARE(content(), before);
    }
};

QTEST_MAIN(ClickActionTest)
#include "ClickActionTest.moc"
