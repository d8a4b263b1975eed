#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Answers the application-modal alerts as they open, from inside the event loop each alert runs:
// the n-th alert gets the button whose object name (its localisation key) is the n-th answer.
// The answer "Return" presses the Return key instead. An alert beyond the answers, or without the
// answered button, is recorded and dismissed with its first button so that a failing test ends.
class AlertAnswerer : public QObject {
public:
    struct Alert {
        QString stem;
        QString text;
        QString informativeText;
        QString answer;
    };

    explicit AlertAnswerer(QStringList answers) : answers_(std::move(answers))
    {
        connect(&timer_, &QTimer::timeout, this, &AlertAnswerer::answer);
        timer_.start(5);
    }

    const QList<Alert>& alerts() const { return alerts_; }
    QStringList stems() const
    {
        QStringList stems;
        for (const Alert& alert : alerts_)
            stems << alert.stem;
        return stems;
    }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_ || !box->isVisible())
            return;
        answered_ = box;
        const QString wanted = answers_.value(alerts_.size());
        if (wanted == QLatin1String("Return")) {
            QPushButton* chosen = box->defaultButton();
            alerts_ << Alert{box->objectName(), box->text(), box->informativeText(), chosen ? chosen->objectName() : QString()};
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        auto* button = box->findChild<QAbstractButton*>(wanted);
        alerts_ << Alert{box->objectName(), box->text(), box->informativeText(), button ? wanted : QString()};
        if (!button)
            button = box->buttons().value(0);
        button->click();
    }

    QStringList answers_;
    QList<Alert> alerts_;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};
