#include "platform/brisa/ui/WindowControl.h"

#include <QApplication>
#include <QIntValidator>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using brisa::WindowControl;

class WindowControlTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window_.get());
        field_ = new QLineEdit(window_.get());
        spinBox_ = new QSpinBox(window_.get());
        spinBox_->setKeyboardTracking(false);
        table_ = new QTableView(window_.get());
        model_ = new QStandardItemModel(2, 1, window_.get());
        model_->setItem(0, 0, new QStandardItem(QStringLiteral("old")));
        table_->setModel(model_);
        layout->addWidget(field_);
        layout->addWidget(spinBox_);
        layout->addWidget(table_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void toggleShowsThenHides()
    {
        QWidget other;
        auto* child = new QWidget(&other);
        WindowControl::toggleWindow(child); // a widget stands for its window
        QVERIFY(other.isVisible());
        WindowControl::toggleWindow(&other);
        QVERIFY(!other.isVisible());
        WindowControl::toggleWindow(nullptr);
    }

    void endingEditsCommitsTheFocusedField()
    {
        QSignalSpy finished(field_, &QLineEdit::editingFinished);
        field_->setFocus();
        QTRY_VERIFY(field_->hasFocus());
        QTest::keyClicks(field_, QStringLiteral("typed"));
        QVERIFY(WindowControl::endEditing(field_));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!field_->hasFocus());
        QCOMPARE(field_->text(), QStringLiteral("typed"));
        // Nothing left to end.
        QVERIFY(WindowControl::endEditing(window_.get()));
    }

    void aSpinBoxTakesItsTypedText()
    {
        QSignalSpy changed(spinBox_, &QSpinBox::valueChanged);
        spinBox_->setFocus();
        QTRY_VERIFY(spinBox_->hasFocus());
        spinBox_->selectAll();
        QTest::keyClicks(spinBox_, QStringLiteral("42"));
        QCOMPARE(changed.count(), 0); // no tracking of the keyboard
        WindowControl::forceEndEditing(window_.get());
        QCOMPARE(spinBox_->value(), 42);
    }

    void anItemEditorWritesToTheModel_data()
    {
        QTest::addColumn<bool>("force");
        QTest::newRow("end") << false;
        QTest::newRow("force") << true;
    }

    void anItemEditorWritesToTheModel()
    {
        QFETCH(bool, force);
        const QModelIndex index = model_->index(0, 0);
        table_->setFocus();
        table_->setCurrentIndex(index);
        table_->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("new"));
        QCOMPARE(model_->data(index).toString(), QStringLiteral("old"));
        if (force)
            WindowControl::forceEndEditing(table_);
        else
            QVERIFY(WindowControl::endEditing(table_));
        QCOMPARE(model_->data(index).toString(), QStringLiteral("new"));
        QTRY_VERIFY(!table_->viewport()->findChild<QLineEdit*>());
    }

    void aFieldWithUnacceptableTextRefusesUnlessForced()
    {
        field_->setValidator(new QIntValidator(10, 99, field_));
        field_->setFocus();
        QTRY_VERIFY(field_->hasFocus());
        QTest::keyClicks(field_, QStringLiteral("5")); // intermediate: below the minimum
        QVERIFY(!WindowControl::endEditing(window_.get()));
        QVERIFY(field_->hasFocus());
        QCOMPARE(field_->text(), QStringLiteral("5"));
        WindowControl::forceEndEditing(window_.get());
        QVERIFY(!field_->hasFocus());
    }

private:
    std::unique_ptr<QWidget> window_;
    QLineEdit* field_ = nullptr;
    QSpinBox* spinBox_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* model_ = nullptr;
};

QTEST_MAIN(WindowControlTest)
#include "WindowControlTest.moc"
