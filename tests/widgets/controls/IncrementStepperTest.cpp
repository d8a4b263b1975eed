#include "widgets/controls/IncrementStepper.h"

#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <limits>

using corvelle::IncrementStepper;

namespace {

constexpr double unbounded = std::numeric_limits<double>::quiet_NaN();

void click(IncrementStepper& stepper, const char* arrow)
{
    QToolButton* button = stepper.findChild<QToolButton*>(arrow);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class IncrementStepperTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stepsAFieldWithItsValidator_data()
    {
        QTest::addColumn<QString>("validator");   // "", "double" or "int"
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<int>("places");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("expected");

        // 1.005 is stored as a little less, so it rounds to 1.00 before the step.
        QTest::newRow("rounds before stepping") << "double" << unbounded << unbounded << 2 << 0.1 << "1.005" << "up" << "1.1";
        QTest::newRow("number editor's step") << "double" << unbounded << unbounded << 8 << 1.0 << "2.5" << "up" << "3.5";
        QTest::newRow("down") << "double" << unbounded << unbounded << 2 << 0.1 << "1" << "down" << "0.9";
        QTest::newRow("no binary noise") << "double" << unbounded << unbounded << 2 << 0.1 << "0.2" << "up" << "0.3";
        QTest::newRow("down past the minimum") << "double" << 0.0 << 10.0 << 2 << 0.1 << "0.05" << "down" << "0";
        QTest::newRow("up past the maximum") << "double" << 0.0 << 1.0 << 2 << 0.1 << "0.95" << "up" << "1";
        QTest::newRow("no validator, no bounds") << "" << unbounded << unbounded << 2 << 1.0 << "-0.5" << "down" << "-1.5";
        QTest::newRow("not a number counts as 0") << "double" << unbounded << unbounded << 2 << 0.1 << "abc" << "up" << "0.1";
        QTest::newRow("negative places round to tens") << "double" << unbounded << unbounded << -1 << 1.0 << "123" << "up" << "121";
        QTest::newRow("whole numbers, clamped") << "int" << 0.0 << 10.0 << 0 << 5.0 << "9" << "up" << "10";
        QTest::newRow("whole numbers, fraction steps") << "int" << 0.0 << 10.0 << 2 << 0.4 << "3" << "up" << "3";
    }

    void stepsAFieldWithItsValidator()
    {
        QFETCH(QString, validator);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(int, places);
        QFETCH(double, step);
        QFETCH(QString, text);
        QFETCH(QString, arrow);
        QFETCH(QString, expected);

        QLineEdit field;
        field.setLocale(QLocale::c());
        if (validator == "double") {
            auto* real = new QDoubleValidator(&field);
            real->setLocale(QLocale::c());
            if (!std::isnan(minimum))
                real->setRange(minimum, maximum);
            field.setValidator(real);
        } else if (validator == "int") {
            field.setValidator(new QIntValidator(int(minimum), int(maximum), &field));
        }
        field.setText(text);
        IncrementStepper stepper;
        stepper.setControl(&field);
        stepper.setPlaces(places);
        stepper.setIncrementValue(step);
        QSignalSpy finished(&field, &QLineEdit::editingFinished);
        QSignalSpy typed(&field, &QLineEdit::textEdited);

        click(stepper, qPrintable(arrow));
        QCOMPARE(field.text(), expected);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(typed.count(), 0);
    }

    void defaultsAndProperties()
    {
        IncrementStepper stepper;
        QCOMPARE(stepper.property("places").toInt(), 2);
        QCOMPARE(stepper.property("incrementValue").toDouble(), 0.1);
        QCOMPARE(stepper.property("control").value<QWidget*>(), nullptr);
        QLineEdit field;
        QVERIFY(stepper.setProperty("control", QVariant::fromValue<QWidget*>(&field)));
        QVERIFY(stepper.setProperty("incrementValue", 1.0));
        QCOMPARE(stepper.control(), &field);
        QCOMPARE(stepper.incrementValue(), 1.0);
    }

    void repeatedClicksKeepStepping()
    {
        QLineEdit field("1");
        IncrementStepper stepper;
        stepper.setControl(&field);
        stepper.setIncrementValue(0.5);
        click(stepper, "up");
        click(stepper, "up");
        click(stepper, "up");
        QCOMPARE(field.text(), QString("2.5"));
        click(stepper, "down");
        QCOMPARE(field.text(), QString("2"));
    }

    void usesTheValidatorsLocale()
    {
        QLineEdit field("1,25");
        auto* validator = new QDoubleValidator(&field);
        validator->setLocale(QLocale(QLocale::German, QLocale::Germany));
        field.setValidator(validator);
        IncrementStepper stepper;
        stepper.setControl(&field);
        click(stepper, "up");
        QCOMPARE(field.text(), QString("1,35"));
    }

    void disabledOrMissingControlIsLeftAlone()
    {
        QLineEdit field("5");
        field.setEnabled(false);
        IncrementStepper stepper;
        stepper.setControl(&field);
        QSignalSpy finished(&field, &QLineEdit::editingFinished);
        click(stepper, "up");
        QCOMPARE(field.text(), QString("5"));
        QCOMPARE(finished.count(), 0);

        {
            QLineEdit gone("1");
            stepper.setControl(&gone);
        }
        QCOMPARE(stepper.control(), nullptr);
        click(stepper, "up");   // nothing to step, nothing breaks
    }

    void stepsASpinBoxWithinItsRange()
    {
        QDoubleSpinBox spinBox;
        spinBox.setRange(-1.0, 5.5);
        spinBox.setValue(5.0);
        IncrementStepper stepper;
        stepper.setControl(&spinBox);
        stepper.setIncrementValue(1.0);
        QSignalSpy finished(&spinBox, &QDoubleSpinBox::editingFinished);
        click(stepper, "up");
        QCOMPARE(spinBox.value(), 5.5);
        spinBox.setValue(-0.5);
        click(stepper, "down");
        QCOMPARE(spinBox.value(), -1.0);
        QCOMPARE(finished.count(), 2);
    }
};

QTEST_MAIN(IncrementStepperTest)
#include "IncrementStepperTest.moc"
