#include "editor/EditorSettings.h"
#include "filebrowser/FileImportOptionsViewController.h"
#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/controls/TokenField.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

using namespace corvelle;

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

QLineEdit* typingEditor(TokenField* field)
{
    return field->findChild<QLineEdit*>();
}

} // namespace

class FileImportOptionsViewControllerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FileImportOptionsViewController> controller_;

    void store(bool unfold, bool recursive, const QStringList& types)
    {
        defaults().set(Settings::useUnfoldFoldersImport(), unfold);
        defaults().set(Settings::useRecursiveUnfoldImport(), recursive);
        defaults().set(Settings::unfoldImportAllowedTypes(), types);
    }

private Q_SLOTS:
    void init()
    {
        for (const QString& key : {Settings::useUnfoldFoldersImport().name(), Settings::useRecursiveUnfoldImport().name(),
                                   Settings::unfoldImportAllowedTypes().name()})
            defaults().removeObject(key);
        controller_ = std::make_unique<FileImportOptionsViewController>();
    }

    void cleanup() { controller_.reset(); }

    void controlsShowTheSettings_data()
    {
        QTest::addColumn<bool>("unfold");
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QString>("shown");
        // Dependent controls keep showing their values while unfolding is off.
        QTest::newRow("off, values kept") << false << true << QStringList{"mov", "jpg"} << "mov,jpg";
        QTest::newRow("on, two types") << true << false << QStringList{"MOV", "mp4"} << "MOV,mp4";
        QTest::newRow("on, no type") << true << true << QStringList{} << "";
    }

    void controlsShowTheSettings()
    {
        QFETCH(bool, unfold);
        QFETCH(bool, recursive);
        QFETCH(QStringList, types);
        QFETCH(QString, shown);
        store(unfold, recursive, types);
        controller_->view();
        QCOMPARE(controller_->unfoldFoldersRadioButton()->isChecked(), unfold);
        QCOMPARE(controller_->useRecursiveRadioButton()->isChecked(), recursive);
        QCOMPARE(controller_->useRecursiveRadioButton()->isEnabled(), unfold);
        QCOMPARE(controller_->unfoldAllowedTypesField()->isEnabled(), unfold);
        QCOMPARE(controller_->unfoldAllowedTypesField()->text(), shown);
        QCOMPARE(controller_->unfoldAllowedTypesField()->tokens(), types);
        QCOMPARE(controller_->lastAllowedTypesCount(), int(types.size()));
    }

    // The controls follow writes made anywhere, and only writes of their own settings.
    void controlsFollowTheirSettingsOnly()
    {
        store(false, false, {"mov"});
        controller_->view();
        TokenField* field = controller_->unfoldAllowedTypesField();
        field->setTokens({"unsaved"});
        defaults().set(Settings::lastContentSection(), EditorContentSection::map);
        QCOMPARE(field->tokens(), QStringList{"unsaved"});
        QVERIFY(!field->isEnabled());

        defaults().set(Settings::useUnfoldFoldersImport(), true);
        QVERIFY(controller_->unfoldFoldersRadioButton()->isChecked());
        QVERIFY(controller_->useRecursiveRadioButton()->isEnabled());
        QVERIFY(field->isEnabled());
        QCOMPARE(field->tokens(), QStringList{"mov"});

        defaults().set(Settings::unfoldImportAllowedTypes(), QStringList{"mov", "dng"});
        QCOMPARE(field->text(), QString("mov,dng"));
        QCOMPARE(controller_->lastAllowedTypesCount(), 2);
    }

    // Each control writes its setting; the token list is written whenever its count changes
    // while typing, and typing inside a token writes nothing.
    void controlsWriteTheSettings()
    {
        QWidget* view = controller_->view();
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QTest::mouseClick(controller_->unfoldFoldersRadioButton(), Qt::LeftButton);
        QVERIFY(defaults().value(Settings::useUnfoldFoldersImport()));
        QVERIFY(controller_->useRecursiveRadioButton()->isEnabled());
        QTest::mouseClick(controller_->useRecursiveRadioButton(), Qt::LeftButton);
        QVERIFY(defaults().value(Settings::useRecursiveUnfoldImport()));

        TokenField* field = controller_->unfoldAllowedTypesField();
        QLineEdit* editor = typingEditor(field);
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "mov,");
        QCOMPARE(defaults().value(Settings::unfoldImportAllowedTypes()), QStringList{"mov"});
        QTest::keyClicks(editor, "jp");
        QCOMPARE(defaults().value(Settings::unfoldImportAllowedTypes()), QStringList{"mov"});
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(defaults().value(Settings::unfoldImportAllowedTypes()), (QStringList{"mov", "jp"}));
        QCOMPARE(field->text(), QString("mov,jp"));
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(defaults().value(Settings::unfoldImportAllowedTypes()), QStringList{"mov"});

        QTest::mouseClick(controller_->unfoldFoldersRadioButton(), Qt::LeftButton);
        QVERIFY(!defaults().value(Settings::useUnfoldFoldersImport()));
        QVERIFY(!field->isEnabled());
    }

    // Continue ends the sheet with 1, after the token being typed is stored; Escape ends it
    // with 0. Return while typing only finishes the token.
    void continueEndsTheSheet()
    {
        defaults().set(Settings::useUnfoldFoldersImport(), true);
        QMainWindow host;
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QList<int> codes;
        QVERIFY(brisa::SheetPresenter::presentContentSheet(&host, controller_->view(), [&codes](int code) { codes << code; }));
        auto* sheet = qobject_cast<QDialog*>(controller_->view()->window());
        QVERIFY(sheet);
        QTRY_VERIFY(sheet->isVisible());

        QLineEdit* editor = typingEditor(controller_->unfoldAllowedTypesField());
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "dng");
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(sheet->isVisible());
        QCOMPARE(defaults().value(Settings::unfoldImportAllowedTypes()), QStringList{"dng"});
        QTest::keyClicks(editor, "heic");
        QTest::mouseClick(controller_->continueButton(), Qt::LeftButton);
        QTRY_COMPARE(codes, QList<int>{1});
        QCOMPARE(defaults().value(Settings::unfoldImportAllowedTypes()), (QStringList{"dng", "heic"}));

        QVERIFY(brisa::SheetPresenter::presentContentSheet(&host, controller_->view(), [&codes](int code) { codes << code; }));
        sheet = qobject_cast<QDialog*>(controller_->view()->window());
        QTRY_VERIFY(sheet && sheet->isVisible());
        QTest::keyClick(sheet, Qt::Key_Escape);
        QTRY_COMPARE(codes, (QList<int>{1, 0}));
    }
};

QTEST_MAIN(FileImportOptionsViewControllerTest)
#include "FileImportOptionsViewControllerTest.moc"
