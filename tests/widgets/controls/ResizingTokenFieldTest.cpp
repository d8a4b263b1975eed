#include "widgets/controls/ResizingTokenField.h"

#include "TokenFieldWindow.h"

#include <QtTest>

using corvelle::ResizingTokenField;
using corvelle::TokenField;

using Fixture = TokenFieldWindow<ResizingTokenField>;

class ResizingTokenFieldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyFieldIsOneLinePlusMargins()
    {
        Fixture f(260);
        QVERIFY(f.show());
        TokenField plain;
        plain.setFont(f.field->font());
        const int oneLine = plain.sizeHint().height();
        QCOMPARE(f.laidOutHeight(), oneLine + 2 * ResizingTokenField::cellVerticalMargin);
        QCOMPARE(f.field->sizeHint().height(), f.field->heightForWidth(f.field->width()));
    }

    void heightFollowsTypedAndRemovedTokens()
    {
        Fixture f(260);
        QVERIFY(f.show());
        const int empty = f.laidOutHeight();

        QTest::keyClicks(f.editor(), "alpha,beta,");
        QCOMPARE(f.laidOutHeight(), empty);   // still one row

        QTest::keyClicks(f.editor(), "gamma,delta,epsilon,zeta,eta,theta,iota,kappa,");
        const int grown = f.laidOutHeight();
        QVERIFY2(grown > empty, qPrintable(QString("%1 <= %2").arg(grown).arg(empty)));
        QCOMPARE(f.field->tokens().size(), 10);
        // Every token and the typing stay inside the field.
        QVERIFY(f.field->contentsRect().contains(f.editor()->geometry()));

        for (int i = 0; i < 8; ++i)
            QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QCOMPARE(f.field->tokens(), (QStringList{"alpha", "beta"}));
        QCOMPARE(f.laidOutHeight(), empty);
    }

    void longTypingWrapsOntoARowOfItsOwn()
    {
        Fixture f(260);
        QVERIFY(f.show());
        f.field->setTokens({"alpha", "beta", "gamma"});
        const int oneRow = f.laidOutHeight();
        QTest::keyClicks(f.editor(), "a-rather-long-word-being-typed");
        QVERIFY(f.laidOutHeight() > oneRow);
        QTest::keyClick(f.editor(), Qt::Key_Return);
        QCOMPARE(f.field->tokens().size(), 4);
    }

    void narrowerFieldsNeedMoreHeight()
    {
        ResizingTokenField field;
        field.setTokens({"alpha", "beta", "gamma", "delta", "epsilon", "zeta"});
        const int wide = field.heightForWidth(1000);
        const int narrow = field.heightForWidth(120);
        QVERIFY(narrow > wide);
        QCOMPARE(field.heightForWidth(1000), wide);
    }
};

QTEST_MAIN(ResizingTokenFieldTest)
#include "ResizingTokenFieldTest.moc"
