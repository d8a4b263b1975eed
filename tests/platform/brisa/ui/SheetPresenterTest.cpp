#include "platform/brisa/ui/SheetPresenter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using brisa::SheetPresenter;

namespace {

// Lets every queued call run.
void settle()
{
    for (int turn = 0; turn < 3; ++turn)
        QCoreApplication::processEvents();
}

} // namespace

class SheetPresenterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->resize(400, 300);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void completionRunsQueuedOnceTheSheetIsGone_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("ownedElsewhere");
        QTest::newRow("apply, parentless sheet") << 1 << false;
        QTest::newRow("cancel, sheet owned by another widget") << 0 << true;
    }

    void completionRunsQueuedOnceTheSheetIsGone()
    {
        QFETCH(int, code);
        QFETCH(bool, ownedElsewhere);
        QWidget owner;
        QDialog* sheet = ownedElsewhere ? new QDialog(&owner) : new QDialog;
        std::unique_ptr<QDialog> parentless(ownedElsewhere ? nullptr : sheet);
        // A button inside the sheet's own window (not the sheet's toplevel) ends it.
        auto* layout = new QVBoxLayout(sheet);
        auto* button = new QPushButton(QStringLiteral("Done"), sheet);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, sheet, [button, code] { SheetPresenter::endSheet(button, code); });

        QList<int> codes;
        bool sheetVisibleInCompletion = true;
        bool modalInCompletion = true;
        QVERIFY(SheetPresenter::presentSheet(window_.get(), sheet, [&](int returnCode) {
            codes << returnCode;
            sheetVisibleInCompletion = sheet->isVisible();
            modalInCompletion = QApplication::activeModalWidget() == sheet;
        }));
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QCOMPARE(sheet->parentWidget(), window_.get());

        button->click();
        QVERIFY(codes.isEmpty()); // never inside the ending itself
        QTRY_COMPARE(codes, QList<int>({code}));
        QVERIFY(!sheetVisibleInCompletion);
        QVERIFY(!modalInCompletion);
        QCOMPARE(sheet->parentWidget(), ownedElsewhere ? &owner : nullptr);
        QVERIFY(sheet->isWindow());

        settle();
        QCOMPARE(codes.size(), 1);
        // Presented again, the sheet runs only its new completion.
        int again = -1;
        QVERIFY(SheetPresenter::presentSheet(window_.get(), sheet, [&](int returnCode) { again = returnCode; }));
        sheet->reject();
        QTRY_COMPARE(again, 0);
        QCOMPARE(codes.size(), 1);
    }

    void nothingIsShownWithoutAShownHostWindow_data()
    {
        QTest::addColumn<int>("host");
        QTest::newRow("no host") << 0;
        QTest::newRow("host never shown") << 1;
        QTest::newRow("host hidden") << 2;
    }

    void nothingIsShownWithoutAShownHostWindow()
    {
        QFETCH(int, host);
        QWidget neverShown;
        if (host == 2)
            window_->hide();
        QWidget* hostWidget = host == 0 ? nullptr : host == 1 ? &neverShown : window_.get();

        QDialog sheet;
        auto content = std::make_unique<QWidget>();
        int completions = 0;
        QVERIFY(!SheetPresenter::presentSheet(hostWidget, &sheet, [&](int) { ++completions; }));
        QVERIFY(!SheetPresenter::presentContentSheet(hostWidget, content.get(), [&](int) { ++completions; }));
        QPointer<QMessageBox> alert = new QMessageBox;
        QVERIFY(!SheetPresenter::safeBeginSheetModal(alert, hostWidget, [&](QAbstractButton*) { ++completions; }));
        QVERIFY(!sheet.isVisible());
        QVERIFY(!content->isVisible());
        settle();
        QCOMPARE(completions, 0);
        QTRY_VERIFY(!alert); // the alert was given to us: it is deleted
    }

    void aSheetOnScreenIsNotPresentedTwice()
    {
        QDialog sheet;
        int completions = 0;
        QVERIFY(SheetPresenter::presentSheet(window_.get(), &sheet, [&](int) { ++completions; }));
        QVERIFY(!SheetPresenter::presentSheet(window_.get(), &sheet, [&](int) { completions += 10; }));
        sheet.accept();
        QTRY_COMPARE(completions, 1);
        settle();
        QCOMPARE(completions, 1);
    }

    void aCompletionMayPresentTheNextSheet()
    {
        QDialog first, second;
        int secondCode = -1;
        bool secondShown = false;
        QVERIFY(SheetPresenter::presentSheet(window_.get(), &first, [&](int) {
            secondShown = SheetPresenter::presentSheet(window_.get(), &second, [&](int code) { secondCode = code; });
        }));
        first.accept();
        QTRY_VERIFY(secondShown);
        QVERIFY(second.isVisible());
        QCOMPARE(second.windowModality(), Qt::WindowModal);
        second.accept();
        QTRY_COMPARE(secondCode, 1);
    }

    void contentSheetGivesItsContentBack()
    {
        auto content = std::make_unique<QWidget>();
        content->setWindowTitle(QStringLiteral("Edit"));
        auto* apply = new QPushButton(QStringLiteral("Apply"), content.get());
        connect(apply, &QPushButton::clicked, content.get(), [apply] { SheetPresenter::endSheet(apply, 1); });
        int code = -1;
        QVERIFY(SheetPresenter::presentContentSheet(window_.get(), content.get(), [&](int c) { code = c; }));
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(content->window());
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(content->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit"));
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);

        apply->click();
        QTRY_COMPARE(code, 1);
        QTRY_VERIFY(!dialog);
        QVERIFY(!content->parentWidget());
        QVERIFY(!content->isVisible());
    }

    void alertSheetAnswersTheClickedButton()
    {
        QPointer<QMessageBox> alert = new QMessageBox(QMessageBox::Warning, QStringLiteral("Remove?"), QString());
        QAbstractButton* remove = alert->addButton(QStringLiteral("Remove"), QMessageBox::AcceptRole);
        QAbstractButton* cancel = alert->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        QAbstractButton* clicked = nullptr;
        int completions = 0;
        QVERIFY(SheetPresenter::safeBeginSheetModal(alert, window_.get(), [&](QAbstractButton* button) {
            ++completions;
            clicked = button;
            QVERIFY(alert); // still there for the completion to read
            QVERIFY(!alert->isVisible());
        }));
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->windowModality(), Qt::WindowModal);
        cancel->click();
        QTRY_COMPARE(completions, 1);
        QCOMPARE(clicked, cancel);
        QVERIFY(clicked != remove);
        QTRY_VERIFY(!alert);
    }

    // Escape ends every kind of sheet as its cancel does, wherever the focus is inside it: a
    // dialog, a content sheet, the open panel, and alerts of one, two and three buttons (the
    // last with two rejecting buttons, where Qt finds no escape button by itself).
    void escapeEndsEverySheet_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("buttons");
        QTest::newRow("dialog") << "dialog" << 0;
        QTest::newRow("content sheet") << "content" << 0;
        QTest::newRow("open panel") << "panel" << 0;
        QTest::newRow("alert, OK") << "alert" << 1;
        QTest::newRow("alert, Remove and Cancel") << "alert" << 2;
        QTest::newRow("alert, Save, Don't Save and Cancel") << "alert" << 3;
    }

    void escapeEndsEverySheet()
    {
        QFETCH(QString, kind);
        QFETCH(int, buttons);
        QList<int> codes;
        QList<QAbstractButton*> answers;
        QAbstractButton* cancel = nullptr;
        QPointer<QWidget> sheet;
        std::unique_ptr<QDialog> ownedSheet;
        std::unique_ptr<QWidget> content;
        const auto ended = [&codes](int code) { codes << code; };
        if (kind == QLatin1String("alert")) {
            auto* alert = new QMessageBox(QMessageBox::Warning, QStringLiteral("Alert"), QString());
            const QMessageBox::ButtonRole roles[] = {QMessageBox::AcceptRole, QMessageBox::RejectRole, QMessageBox::RejectRole};
            for (int index = 0; index < buttons; ++index)
                cancel = alert->addButton(QStringLiteral("Button %1").arg(index), roles[index]);
            sheet = alert;
            QVERIFY(SheetPresenter::safeBeginSheetModal(alert, window_.get(), [&answers](QAbstractButton* button) { answers << button; }));
        } else if (kind == QLatin1String("content")) {
            content = std::make_unique<QWidget>();
            auto* field = new QLineEdit(content.get());
            QVERIFY(SheetPresenter::presentContentSheet(window_.get(), content.get(), ended));
            sheet = content->window();
            field->setFocus();
        } else {
            if (kind == QLatin1String("panel")) {
                auto* panel = new QFileDialog;
                panel->setOption(QFileDialog::DontUseNativeDialog);
                ownedSheet.reset(panel);
            } else {
                ownedSheet = std::make_unique<QDialog>();
                new QLineEdit(ownedSheet.get());
            }
            sheet = ownedSheet.get();
            QVERIFY(SheetPresenter::presentSheet(window_.get(), ownedSheet.get(), ended));
        }
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QTRY_VERIFY(SheetPresenter::attachedSheet(window_.get()));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == sheet ? focus : sheet.data(), Qt::Key_Escape);

        QTRY_VERIFY(!SheetPresenter::attachedSheet(window_.get()));
        if (kind == QLatin1String("alert")) {
            QTRY_COMPARE(answers.size(), 1);
            QCOMPARE(answers.first(), cancel);
            QTRY_VERIFY(!sheet);
        } else {
            QTRY_COMPARE(codes, QList<int>{0});
        }
        // A sheet made here for its content is deleted once closed.
        if (kind == QLatin1String("content"))
            QTRY_VERIFY(!sheet);
    }

private:
    std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(SheetPresenterTest)
#include "SheetPresenterTest.moc"
