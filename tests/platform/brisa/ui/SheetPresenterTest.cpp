#include "platform/brisa/ui/SheetPresenter.h"

#include <QApplication>
#include <QDialog>
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

private:
    std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(SheetPresenterTest)
#include "SheetPresenterTest.moc"
