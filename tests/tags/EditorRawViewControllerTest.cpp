#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/veilcast/MessageOverlay.h"
#include "support/TestEnvironment.h"
#include "tags/EditorRawTableModel.h"
#include "tags/EditorRawViewController.h"
#include "tags/InspectorGroupTableCellView.h"
#include "tags/InspectorValueTableCellView.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using halvex::TagComparatorSearchValue;

namespace {

constexpr int taskTimeout = 60000;
using Domain = halvex::TagSetManager::Domain;

QString tagSetFolder()
{
    return QFileInfo(halvex::LibraryFile::dataPath(QStringLiteral("TagSet-chosen.json"))).absolutePath();
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<unreadable>");
}

} // namespace

class EditorRawViewControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    EditorRawViewController* raw() const
    {
        return qobject_cast<EditorRawViewController*>(controller_->editorViewController());
    }

    QTableView* table() const { return raw()->tableView(); }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    // Opens the raw section on the files of `rows`.
    void inspect(const QList<int>& rows)
    {
        list().setSelection(brisa::IndexSet(rows));
        // The window follows the new selection at its next turn, before the command.
        QTest::qWait(0);
        controller_->performCommand(QStringLiteral("inspectSelectedFiles:"), nullptr);
        QTRY_VERIFY(raw());
        QTRY_VERIFY_WITH_TIMEOUT(!raw()->isLoadingDataSource(), taskTimeout);
    }

    // The first row of a tag named `rawName`; -1 when none.
    int rowOf(const QString& rawName) const
    {
        for (int row = 0; row < raw()->dataSource().numberOfRows(); ++row) {
            const halvex::TagComparatorRow content = raw()->dataSource().row(row);
            if (!content.isHeading() && content.entry().tagName().rawValue() == rawName)
                return row;
        }
        return -1;
    }

    QList<int> tagRows() const
    {
        QList<int> rows;
        for (int row = 0; row < raw()->dataSource().numberOfRows(); ++row) {
            if (!raw()->dataSource().row(row).isHeading())
                rows << row;
        }
        return rows;
    }

    void selectRows(const QList<int>& rows)
    {
        table()->clearSelection();
        for (int row : rows)
            table()->selectionModel()->select(table()->model()->index(row, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QMessageBox* shownAlert() const
    {
        return qobject_cast<QMessageBox*>(brisa::SheetPresenter::attachedSheet(controller_->window()));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void init()
    {
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->resize(1200, 700);
        controller_->window()->show();
        QList<QUrl> urls;
        for (const auto& [fixture, name] : {std::pair{"movie.mp4", "a-movie.mp4"}, std::pair{"movie.mov", "b-movie.mov"},
                                            std::pair{"audio.m4a", "c-audio.m4a"}})
            urls << QUrl::fromLocalFile(test::copyFixture(folder_.path(), QString::fromLatin1(fixture), QString::fromLatin1(name)));
        controller_->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 3, taskTimeout);
        waitForTasks();
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        halvex::TagSetManager::shared().restoreDefault(Domain::chosen);
        halvex::TagSetManager::shared().commit(Domain::chosen);
    }

    // One column per file after the tags' titles; headings span their row, 38 high, and cannot
    // be selected or right-clicked; every row is as high as its tallest value needs.
    void comparesTheSelectedFilesSideBySide()
    {
        inspect({0, 1, 2});
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::raw);
        QVERIFY(table()->isVisible());
        QVERIFY(!raw()->placeholderView()->isVisible());
        QVERIFY(!raw()->progressView()->isVisible());
        QCOMPARE(table()->model()->columnCount(), 4);
        QStringList titles;
        for (int column = 0; column < 4; ++column)
            titles << table()->model()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{QString(), "a-movie.mp4", "b-movie.mov", "c-audio.m4a"}));
        QVERIFY(controller_->window()->windowTitle().contains(
            localizedString(QStringLiteral("EditorComparatorWindowSubtitle"), {3})));

        QVERIFY(raw()->dataSource().row(0).isHeading());
        QCOMPARE(table()->rowHeight(0), InspectorGroupTableCellView::rowHeight);
        QCOMPARE(table()->columnSpan(0, 0), 4);
        QVERIFY(qobject_cast<InspectorGroupTableCellView*>(table()->itemDelegateForIndex(table()->model()->index(0, 0))));
        QVERIFY(!(table()->model()->flags(table()->model()->index(0, 1)) & Qt::ItemIsSelectable));
        QVERIFY(!raw()->shouldRightClickRow(table(), table()->model()->index(0, 0)));

        const int title = rowOf(QStringLiteral("ItemList:Title"));
        QVERIFY(title > 0);
        QVERIFY(raw()->shouldRightClickRow(table(), table()->model()->index(title, 0)));
        QVERIFY(table()->rowHeight(title) >= 30);
        const auto cell = table()->model()->index(title, 1).data(InspectorValueTableCellView::searchValueRole);
        QCOMPARE(cell.value<TagComparatorSearchValue>().text, std::optional<QString>(QStringLiteral("Eiffel Tower at Dusk")));
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            QCOMPARE(table()->rowHeight(row), raw()->heightOfRow(row));
        QCOMPARE(raw()->heightOfRow(table()->model()->rowCount()), InspectorValueTableCellView::minimumRowHeight);

        // Back where the user came from.
        raw()->action(QStringLiteral("goBack:"))->trigger();
        QTRY_COMPARE(controller_->effectiveSection(), controller_->preferredSection());
    }

    // More than two columns take 260 each at least; one or two share the width, never below
    // 240 for the tag column and 200 for the others, which a resize cannot go under either.
    void columnWidthsFollowTheTable_data()
    {
        QTest::addColumn<QList<int>>("files");
        QTest::addColumn<int>("tableWidth");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("three files, narrow") << QList<int>{0, 1, 2} << 800 << QList<int>{260, 260, 260, 260};
        QTest::newRow("three files, wide") << QList<int>{0, 1, 2} << 1460 << QList<int>{350, 350, 350, 350};
        QTest::newRow("one file, shared") << QList<int>{1} << 660 << QList<int>{300, 300};
        QTest::newRow("one file, at the minimums") << QList<int>{1} << 400 << QList<int>{240, 200};
    }

    void columnWidthsFollowTheTable()
    {
        QFETCH(QList<int>, files);
        QFETCH(int, tableWidth);
        QFETCH(QList<int>, widths);
        inspect(files);
        table()->resize(tableWidth, table()->height());
        raw()->updateColumns();
        QList<int> actual;
        for (int column = 0; column < table()->model()->columnCount(); ++column)
            actual << table()->columnWidth(column);
        QCOMPARE(actual, widths);

        table()->horizontalHeader()->resizeSection(0, 100);
        QCOMPARE(table()->columnWidth(0), 240);
        table()->horizontalHeader()->resizeSection(1, 50);
        QCOMPARE(table()->columnWidth(1), 200);
    }

    // A search keeps the rows that hold the text, under their headings, and marks the first
    // match in each shown value.
    void searchNarrowsTheRowsAndMarksTheMatches()
    {
        inspect({0, 1, 2});
        const int allRows = table()->model()->rowCount();
        QLineEdit* field = raw()->searchField();
        QVERIFY(field);
        QVERIFY(field->isEnabled());
        QTest::keyClicks(field, QStringLiteral("dusk"));
        QCOMPARE(raw()->dataSource().search(), QStringLiteral("dusk"));
        const int rows = table()->model()->rowCount();
        QVERIFY(rows > 0 && rows < allRows);
        QVERIFY(raw()->dataSource().row(0).isHeading());
        const int title = rowOf(QStringLiteral("ItemList:Title"));
        QVERIFY(title > 0);
        const auto value = table()->model()->index(title, 1).data(InspectorValueTableCellView::searchValueRole)
                               .value<TagComparatorSearchValue>();
        const auto shown = InspectorValueTableCellView::presentation(value, false, table()->palette(), table()->font());
        QCOMPARE(shown.highlight, (std::optional<std::pair<qsizetype, qsizetype>>{{16, 4}}));
        for (int row = 0; row < rows; ++row)
            QCOMPARE(table()->rowHeight(row), raw()->heightOfRow(row));

        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(table()->model()->rowCount(), allRows);
    }

    // Each format written where the save dialog says, read back from disk; with a search, only
    // the rows shown.
    void exportsEachFormat_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("expectedStart");
        QTest::addColumn<QString>("expectedLine");
        QTest::newRow("txt") << "exportTableToTXT:" << "table.txt" << QString()
                             << "\ta-movie.mp4\tb-movie.mov\tc-audio.m4a\n"
                             << "ItemList:Title\tEiffel Tower at Dusk\t";
        QTest::newRow("rtf") << "exportTableToRTF:" << "table.rtf" << QString() << "{\\rtf1"
                             << "{ItemList:Title\\tab Eiffel Tower at Dusk\\tab ";
        QTest::newRow("csv, searched") << "exportTableToCSV:" << "table.csv" << "dusk"
                                       << ",a-movie.mp4,b-movie.mov,c-audio.m4a\r\n"
                                       << "ItemList:Title,Eiffel Tower at Dusk,";
    }

    void exportsEachFormat()
    {
        QFETCH(QString, command);
        QFETCH(QString, fileName);
        QFETCH(QString, search);
        QFETCH(QString, expectedStart);
        QFETCH(QString, expectedLine);
        inspect({0, 1, 2});
        if (!search.isEmpty())
            QTest::keyClicks(raw()->searchField(), search);
        QAction* action = raw()->action(command);
        QVERIFY(action && action->isEnabled());
        action->trigger();
        QFileDialog* panel = nullptr;
        QTRY_VERIFY((panel = qobject_cast<QFileDialog*>(brisa::SheetPresenter::attachedSheet(controller_->window()))));
        QCOMPARE(panel->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(panel->windowModality(), Qt::WindowModal);
        const QString path = QDir(folder_.path()).filePath(fileName);
        panel->selectFile(path);
        QMetaObject::invokeMethod(panel, "accept");
        QTRY_VERIFY(QFile::exists(path));
        const QString text = readFile(path);
        QVERIFY2(text.startsWith(expectedStart), qPrintable(text.left(200)));
        QVERIFY2(text.contains(expectedLine), qPrintable(text.left(400)));
        if (!search.isEmpty())
            QVERIFY2(!text.contains(QStringLiteral("FileSize")), qPrintable(text));
        QVERIFY(!shownAlert());
    }

    // A file that cannot be written is named in an alert; nothing is reported done.
    void failedExportSaysWhy()
    {
        inspect({0});
        const QString path = QDir(folder_.path()).filePath(QStringLiteral("taken.csv"));
        QVERIFY(QDir().mkpath(path));
        raw()->action(QStringLiteral("exportTableToCSV:"))->trigger();
        QFileDialog* panel = nullptr;
        QTRY_VERIFY((panel = qobject_cast<QFileDialog*>(brisa::SheetPresenter::attachedSheet(controller_->window()))));
        panel->selectFile(path);
        // A folder is not a file to replace: the dialog keeps it, so the export gets it straight.
        QMetaObject::invokeMethod(panel, "done", Q_ARG(int, QDialog::Accepted));
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()));
        QCOMPARE(alert->objectName(), QStringLiteral("EditorInspectExportDidFail"));
        QVERIFY2(alert->informativeText().contains(QStringLiteral("taken.csv")), qPrintable(alert->informativeText()));
        QVERIFY(QFileInfo(path).isDir());
        alert->reject();
    }

    // The selected tags' names in row order; a selection without tags copies nothing.
    void copiesTagNamesInRowOrder()
    {
        inspect({0, 1, 2});
        QAction* copy = raw()->action(QStringLiteral("copyTagsNames:"));
        halvex::TagPasteboard::shared().setText(QStringLiteral("before"));
        selectRows({});
        QVERIFY(!raw()->validateUserInterfaceItem(QStringLiteral("copyTagsNames:")));
        copy->trigger();
        QCOMPARE(halvex::TagPasteboard::shared().text(), std::optional<QString>(QStringLiteral("before")));

        const QList<int> rows = tagRows();
        QVERIFY(rows.size() > 3);
        selectRows({rows.at(3), 0, rows.at(1)});
        QVERIFY(copy->isEnabled());
        copy->trigger();
        const QString expected = raw()->dataSource().row(rows.at(1)).entry().tagName().rawValue() + QStringLiteral(", ")
                               + raw()->dataSource().row(rows.at(3)).entry().tagName().rawValue();
        QCOMPARE(halvex::TagPasteboard::shared().text(), std::optional<QString>(expected));
    }

    // The selected tags go after the displayed list's entries, stored on disk, with the "tag
    // added" message; a list that cannot be stored says why and shows no such message.
    void addsSelectedTagsToTheDisplayedList()
    {
        inspect({0, 1, 2});
        halvex::TagSetManager& manager = halvex::TagSetManager::shared();
        const halvex::TagSet before = manager.tagSet(Domain::chosen);
        const QList<int> rows = tagRows();
        const ostrak::TagName first = raw()->dataSource().row(rows.first()).entry().tagName();
        const ostrak::TagName last = raw()->dataSource().row(rows.last()).entry().tagName();
        QVERIFY(!before.tagNames().contains(first) && !before.tagNames().contains(last));
        selectRows({rows.last(), rows.first()});
        raw()->action(QStringLiteral("addToDisplayedTags:"))->trigger();
        const QList<ostrak::TagName> names = manager.tagSet(Domain::chosen).tagNames();
        QCOMPARE(names.mid(names.size() - 2), (QList<ostrak::TagName>{first, last}));
        QCOMPARE(controller_->messageOverlay().text(), localizedString(QStringLiteral("MessageOverlayTagAdded")));
        halvex::TagSetManager reloaded(tagSetFolder());
        reloaded.load(Domain::chosen);
        QCOMPARE(reloaded.tagSet(Domain::chosen), manager.tagSet(Domain::chosen));

        // The stored file's place is taken by a folder: the commit fails.
        controller_->messageOverlay().setText(QString());
        const QString stored = halvex::LibraryFile::dataPath(QStringLiteral("TagSet-chosen.json"));
        QVERIFY(QFile::remove(stored));
        QVERIFY(QDir().mkpath(stored));
        selectRows({rows.at(1)});
        raw()->action(QStringLiteral("addToDisplayedTags:"))->trigger();
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()));
        QCOMPARE(alert->objectName(), QStringLiteral("TagSetCommitDidFail"));
        QVERIFY2(alert->informativeText().contains(QStringLiteral("TagSet-chosen.json")), qPrintable(alert->informativeText()));
        QCOMPARE(controller_->messageOverlay().text(), QString());
        alert->reject();
        QVERIFY(QDir(stored).removeRecursively());
    }

    // No file selected: an empty comparison, shown as the placeholder, with nothing to export
    // or search.
    void emptyComparisonShowsThePlaceholder()
    {
        list().setSelection({});
        QTest::qWait(0);
        controller_->setContentSection(EditorContentSection::raw);
        QTRY_VERIFY(raw());
        QTRY_VERIFY_WITH_TIMEOUT(!raw()->isLoadingDataSource(), taskTimeout);
        QVERIFY(raw()->placeholderView()->isVisible());
        QVERIFY(!table()->isVisible());
        QVERIFY(raw()->dataSource().isEmpty());
        QVERIFY(!raw()->action(QStringLiteral("exportTableToTXT:"))->isEnabled());
        QVERIFY(!raw()->validateUserInterfaceItem(QStringLiteral("searchValue:")));
        raw()->searchValue(QStringLiteral("anything"));
        QCOMPARE(raw()->dataSource().search(), QString());
        raw()->updateColumns();
        QCOMPARE(table()->model()->rowCount(), 0);
    }

    // How one value shows: alignment, weight, opacity, colours, the cut at 2,000 characters
    // (never inside a surrogate pair) and the highlight in UTF-16 units.
    void valuesShowByTheirFlags_data()
    {
        QTest::addColumn<TagComparatorSearchValue>("value");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("opacity");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<int>("highlightStart");
        QTest::addColumn<int>("highlightLength");
        const QString emoji = QStringLiteral("\U0001F600");
        QTest::newRow("title") << TagComparatorSearchValue{true, u"Title"_qs, {}, false, false, false} << false
                               << "Title" << int(Qt::AlignRight) << true << 1.0 << "text" << -1 << 0;
        QTest::newRow("bold kept left") << TagComparatorSearchValue{true, u"T"_qs, {}, true, false, false} << false << "T"
                                        << int(Qt::AlignLeft) << true << 1.0 << "text" << -1 << 0;
        QTest::newRow("faded binary") << TagComparatorSearchValue{false, u"(Binary)"_qs, {}, true, true, false} << false
                                      << "(Binary)" << int(Qt::AlignLeft) << false << 0.5 << "text" << -1 << 0;
        QTest::newRow("accented") << TagComparatorSearchValue{false, u"x"_qs, {}, true, false, true} << false << "x"
                                  << int(Qt::AlignLeft) << false << 1.0 << "accent" << -1 << 0;
        QTest::newRow("accented, selected") << TagComparatorSearchValue{false, u"x"_qs, {}, true, false, true} << true
                                            << "x" << int(Qt::AlignLeft) << false << 1.0 << "selected" << -1 << 0;
        QTest::newRow("missing value") << TagComparatorSearchValue{false, {}, u"x"_qs, true, false, false} << false << ""
                                       << int(Qt::AlignLeft) << false << 1.0 << "text" << -1 << 0;
        QTest::newRow("match after emoji") << TagComparatorSearchValue{false, emoji + emoji + u" Dusk and dusk"_qs, u"DUSK"_qs, true, false, false}
                                           << false << emoji + emoji + u" Dusk and dusk"_qs << int(Qt::AlignLeft) << false
                                           << 1.0 << "text" << 5 << 4;
        QTest::newRow("cut before a pair") << TagComparatorSearchValue{false, QString(1999, u'a') + emoji, {}, true, false, false}
                                           << false << QString(1999, u'a') << int(Qt::AlignLeft) << false << 1.0 << "text" << -1 << 0;
        QTest::newRow("match past the cut") << TagComparatorSearchValue{false, QString(2000, u'a') + u"dusk"_qs, u"dusk"_qs, true, false, false}
                                            << false << QString(2000, u'a') << int(Qt::AlignLeft) << false << 1.0 << "text" << -1 << 0;
    }

    void valuesShowByTheirFlags()
    {
        QFETCH(TagComparatorSearchValue, value);
        QFETCH(bool, selected);
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(bool, bold);
        QFETCH(double, opacity);
        QFETCH(QString, colour);
        QFETCH(int, highlightStart);
        QFETCH(int, highlightLength);
        QPalette palette;
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Highlight, Qt::blue);
        palette.setColor(QPalette::HighlightedText, Qt::white);
        const auto shown = InspectorValueTableCellView::presentation(value, selected, palette, QFont());
        QCOMPARE(shown.text, text);
        QCOMPARE(int(shown.alignment), alignment);
        QCOMPARE(shown.font.bold(), bold);
        QCOMPARE(shown.opacity, opacity);
        const QHash<QString, QColor> colours{{"text", Qt::black}, {"accent", Qt::blue}, {"selected", Qt::white}};
        QCOMPARE(shown.textColor, colours.value(colour));
        QCOMPARE(shown.highlightColor.alphaF(), selected ? 0.4f : 0.2f);
        if (highlightStart < 0)
            QVERIFY(!shown.highlight);
        else
            QCOMPARE(shown.highlight, (std::optional<std::pair<qsizetype, qsizetype>>{{highlightStart, highlightLength}}));
    }

    void headingsShowInCapitals()
    {
        QCOMPARE(InspectorGroupTableCellView::displayedText(u"QuickTime Keys"_qs), u"QUICKTIME KEYS"_qs);
        QCOMPARE(InspectorGroupTableCellView::displayedText(QVariant(3)), QString());
        QCOMPARE(InspectorValueTableCellView::heightNeeded(TagComparatorSearchValue{}, 200, QFont()), 8);
        QVERIFY(InspectorValueTableCellView::heightNeeded(TagComparatorSearchValue{false, u"one line"_qs}, 200, QFont()) >= 30);
        // A long text wraps to more lines in a narrower column.
        const TagComparatorSearchValue longText{false, QString(40, u'w') + u' ' + QString(40, u'w')};
        QVERIFY(InspectorValueTableCellView::heightNeeded(longText, 220, QFont())
                > InspectorValueTableCellView::heightNeeded(longText, 2000, QFont()));
    }
};

QTEST_MAIN(EditorRawViewControllerTest)
#include "EditorRawViewControllerTest.moc"
