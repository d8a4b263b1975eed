#include "widgets/controls/TokenField.h"

#include "TokenFieldWindow.h"

#include <QtTest>

using corvelle::TokenField;

using Fixture = TokenFieldWindow<TokenField>;

class TokenFieldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<QString>("stillTyped");

        QTest::newRow("comma ends a token") << "alpha,beta" << QStringList{"alpha", "beta"} << "beta";
        QTest::newRow("spaces around tokens are dropped") << " alpha , beta ," << QStringList{"alpha", "beta"} << "";
        QTest::newRow("empty pieces make no token") << ",,alpha,,," << QStringList{"alpha"} << "";
        QTest::newRow("no comma, no token yet") << "alpha" << QStringList{"alpha"} << "alpha";
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, tokens);
        QFETCH(QString, stillTyped);
        Fixture f(300);
        QVERIFY(f.show());
        QSignalSpy edits(f.field, &TokenField::textEdited);

        QTest::keyClicks(f.editor(), typed);
        QCOMPARE(f.field->tokens(), tokens);
        QCOMPARE(f.editor()->text(), stillTyped);
        QCOMPARE(f.field->text(), tokens.join(','));
        QCOMPARE(edits.count(), typed.size());
    }

    void returnAndLeavingEndTheToken()
    {
        Fixture f(300);
        QVERIFY(f.show());
        QSignalSpy finished(f.field, &TokenField::editingFinished);

        QTest::keyClicks(f.editor(), "alpha");
        QTest::keyClick(f.editor(), Qt::Key_Return);
        QCOMPARE(f.editor()->text(), QString());
        QCOMPARE(f.field->tokens(), QStringList{"alpha"});
        QCOMPARE(finished.count(), 1);

        QTest::keyClicks(f.editor(), "beta");
        f.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.editor()->text(), QString());
        QCOMPARE(f.field->tokens(), (QStringList{"alpha", "beta"}));
        QCOMPARE(finished.count(), 2);
    }

    void backspaceRemovesTheLastToken()
    {
        Fixture f(300);
        QVERIFY(f.show());
        f.field->setTokens({"alpha", "beta"});
        QSignalSpy edits(f.field, &TokenField::textEdited);

        QTest::keyClicks(f.editor(), "ga");
        QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QCOMPARE(f.field->tokens(), (QStringList{"alpha", "beta"}));   // only the typing went
        QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QCOMPARE(f.field->tokens(), QStringList{"alpha"});
        QCOMPARE(edits.count(), 5);
        QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QCOMPARE(f.field->tokens(), QStringList());
    }

    void countTokensInEditingChangesOnlyWithFinishedTokens()
    {
        Fixture f(300);
        QCOMPARE(f.field->countTokensInEditing(), std::nullopt);
        QVERIFY(f.show());
        f.field->setText("a,b");
        QCOMPARE(f.field->countTokensInEditing(), 2);
        QTest::keyClicks(f.editor(), "cd");
        QCOMPARE(f.field->countTokensInEditing(), 2);
        QTest::keyClicks(f.editor(), ",");
        QCOMPARE(f.field->countTokensInEditing(), 3);
        f.other->setFocus();
        QCOMPARE(f.field->countTokensInEditing(), std::nullopt);
        QCOMPARE(f.field->tokens(), (QStringList{"a", "b", "cd"}));
    }

    void setTextSplitsAtCommas()
    {
        TokenField field;
        field.setText(",a, b ,,c,");
        QCOMPARE(field.tokens(), (QStringList{"a", "b", "c"}));
        QCOMPARE(field.text(), QString("a,b,c"));
        field.setText(QString());
        QCOMPARE(field.tokens(), QStringList());
    }

    void placeholderShowsOnlyWhileEmpty()
    {
        TokenField field;
        field.setPlaceholderText("Enter words");
        auto* editor = field.findChild<QLineEdit*>();
        QCOMPARE(editor->placeholderText(), QString("Enter words"));
        field.setTokens({"a"});
        QCOMPARE(editor->placeholderText(), QString());
        field.setTokens({});
        QCOMPARE(editor->placeholderText(), QString("Enter words"));
    }

    void aShortFieldKeepsTheTypingInView()
    {
        Fixture f(120);
        QVERIFY(f.show());
        f.field->setTokens({"alpha", "beta", "gamma", "delta", "epsilon"});
        QTest::keyClicks(f.editor(), "zeta");
        QVERIFY(f.field->contentsRect().contains(f.editor()->geometry()));
    }
};

QTEST_MAIN(TokenFieldTest)
#include "TokenFieldTest.moc"
