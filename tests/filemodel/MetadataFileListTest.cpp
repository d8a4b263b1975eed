#include "filemodel/FileModelTestSupport.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListFilter.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QtTest>

#include <functional>

using namespace corvelle;
using brisa::IndexSet;
using brisa::SelectableArrayEdition;
using corvelle::test::describe;
using corvelle::test::memoryFile;

namespace {

// Files a.mov to e.mov stand in the list; f.mov and g.mov are at hand to be added.
struct Stage {
    MetadataFileList& list;
    QList<MetadataFilePointer> listed;
    MetadataFilePointer f;
    MetadataFilePointer g;
};

using Operation = std::function<void(Stage&)>;

QList<MetadataFilePointer> filesNamed(const QString& letters)
{
    QList<MetadataFilePointer> files;
    for (const QChar letter : letters)
        files.append(memoryFile(QStringLiteral("/media/%1.mov").arg(letter)));
    return files;
}

// The list as letters, the selected ones in upper case: "aBcDe".
QString shown(const MetadataFileList& list)
{
    QString shown;
    for (int i = 0; i < list.files().size(); ++i) {
        const QChar letter = list.files().at(i)->filename().at(0);
        shown.append(list.selection().contains(i) ? letter.toUpper() : letter);
    }
    return shown;
}

// Posts of one list: each edition with the list as its observer saw it during the post.
class Recorder {
public:
    explicit Recorder(const MetadataFileList& list) : list_(list)
    {
        token_ = brisa::NotificationCenter::defaultCenter().addObserver(
            MetadataFileList::didChangeFilesNotification, &list, [this](const brisa::Notification& note) {
                const auto edition = MetadataFileList::fileListEdition(note);
                posts.append(edition ? describe(*edition) : QStringLiteral("no edition"));
                seen.append(shown(list_));
            });
    }
    ~Recorder() { brisa::NotificationCenter::defaultCenter().removeObserver(token_); }

    QStringList posts;
    QStringList seen;

private:
    const MetadataFileList& list_;
    brisa::NotificationCenter::Token token_ = 0;
};

} // namespace

Q_DECLARE_METATYPE(Operation)

class MetadataFileListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each operation on a list shown as letters (selected ones in upper case): the editions it
    // posts, and the list after it. Flags travel with their files.
    void operationsPostTheirEdition_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QStringList>("posts");
        QTest::addColumn<QString>("end");

        const auto row = [](const char* tag, const char* start, const Operation& operation,
                            const QStringList& posts, const char* end) {
            QTest::newRow(tag) << QString(start) << operation << posts << QString(end);
        };
        const QStringList none;

        // Files
        row("files set to the same objects", "aBcde", [](Stage& s) { s.list.setFiles(s.listed); }, none, "aBcde");
        row("files set to the same files reordered", "aBcde",
            [](Stage& s) { s.list.setFiles({s.listed[1], s.listed[0], s.listed[2], s.listed[3], s.listed[4]}); },
            {"reload {}"}, "bacde");
        row("files set to new files", "aBc", [](Stage& s) { s.list.setFiles({s.f}); }, {"reload {}"}, "f");
        row("entries set with their flags", "abc",
            [](Stage& s) { s.list.setFileEntries({{true, s.f}, {false, s.listed[0]}, {true, s.g}}); },
            {"reload {0,2}"}, "FaG");
        row("entries set to the same entries", "aB",
            [](Stage& s) { s.list.setFileEntries(s.list.privateFileEntries()); }, {"reload {1}"}, "aB");
        row("insert", "aBcDe", [](Stage& s) { s.list.insertFiles({s.f, s.g}, 2); }, {"insertion 2 at 2"}, "aBfgcDe");
        row("insert nothing", "aBcDe", [](Stage& s) { s.list.insertFiles({}, 2); }, none, "aBcDe");
        row("insert beyond the end appends", "ab", [](Stage& s) { s.list.insertFiles({s.f}, 7); },
            {"insertion 1 at 2"}, "abf");
        row("prepend", "aBc", [](Stage& s) { s.list.prependFiles({s.f, s.g}); }, {"insertion 2 at 0"}, "fgaBc");
        row("append", "aBc", [](Stage& s) { s.list.appendFiles({s.f, s.g}); }, {"insertion 2 at 3"}, "aBcfg");
        row("append nothing", "aBc", [](Stage& s) { s.list.appendFiles({}); }, none, "aBc");
        row("replace a selected file", "aBc", [](Stage& s) { s.list.replaceFile(1, s.f); }, {"replacement 1"}, "aFc");
        row("replace outside the list", "aBc", [](Stage& s) { s.list.replaceFile(3, s.f); }, none, "aBc");
        row("remove positions", "aBcDe", [](Stage& s) { s.list.removeFiles(IndexSet{1, 2}); }, {"removal {1,2}"}, "aDe");
        row("remove no positions", "aBcDe", [](Stage& s) { s.list.removeFiles(IndexSet()); }, none, "aBcDe");
        row("remove positions partly outside", "aBcDe", [](Stage& s) { s.list.removeFiles(IndexSet{0, 9}); },
            {"removal {0}"}, "BcDe");
        row("remove positions all outside", "aBc", [](Stage& s) { s.list.removeFiles(IndexSet{3}); }, none, "aBc");
        row("remove selected", "AbCde", [](Stage& s) { s.list.removeSelectedFiles(); }, {"removal {0,2}"}, "bde");
        row("remove selected, none", "abc", [](Stage& s) { s.list.removeSelectedFiles(); }, none, "abc");
        row("remove files by identity", "aBcDe",
            [](Stage& s) { s.list.removeFiles(QList<MetadataFilePointer>{s.listed[3], s.listed[0]}); },
            {"removal {0,3}"}, "Bce");
        row("remove a second object of the same file", "aBc",
            [](Stage& s) { s.list.removeFiles(QList<MetadataFilePointer>{memoryFile("/media/b.mov")}); }, none, "aBc");
        row("remove all", "aBc", [](Stage& s) { s.list.removeAllFiles(); }, {"removal {0,1,2}"}, "");
        row("remove all of none", "", [](Stage& s) { s.list.removeAllFiles(); }, none, "");
        row("move to the end", "AbcDe", [](Stage& s) { s.list.moveFiles({0, 1}, 5); }, {"move {0,1} to 5"}, "cDeAb");
        row("move before a file", "abcDe", [](Stage& s) { s.list.moveFiles({3, 4}, 1); }, {"move {3,4} to 1"}, "aDebc");
        row("move nothing", "abc", [](Stage& s) { s.list.moveFiles({}, 1); }, none, "abc");
        row("move positions partly outside", "abc", [](Stage& s) { s.list.moveFiles({2, 8}, 0); }, {"move {2} to 0"}, "cab");
        row("move selected", "abcDe", [](Stage& s) { s.list.moveSelectedFiles(0); }, {"move {3} to 0"}, "Dabce");
        row("move selected, none", "abc", [](Stage& s) { s.list.moveSelectedFiles(0); }, none, "abc");
        row("reverse", "aBcdE", [](Stage& s) { s.list.reverseFiles(); }, {"reload {0,3}"}, "EdcBa");
        row("reverse one file", "a", [](Stage& s) { s.list.reverseFiles(); }, {"reload {}"}, "a");
        row("reverse none", "", [](Stage& s) { s.list.reverseFiles(); }, none, "");
        row("sort with a comparison", "cAeBd",
            [](Stage& s) { s.list.sort([](const MetadataFile& a, const MetadataFile& b) { return a.filename() < b.filename(); }); },
            {"reload {0,1}"}, "ABcde");
        row("sort one file", "A", [](Stage& s) { s.list.sort([](const MetadataFile&, const MetadataFile&) { return false; }); },
            {"reload {0}"}, "A");
        row("sort none", "", [](Stage& s) { s.list.sort([](const MetadataFile&, const MetadataFile&) { return false; }); },
            none, "");

        // Selection
        row("selection set to itself", "aBc", [](Stage& s) { s.list.setSelection({1}); }, none, "aBc");
        row("selection set beyond the end", "Abcde", [](Stage& s) { s.list.setSelection({0, 99}); }, {"selection {0}"}, "Abcde");
        row("selection set", "aBc", [](Stage& s) { s.list.setSelection({0, 2}); }, {"selection {0,2}"}, "AbC");
        row("select first", "abC", [](Stage& s) { s.list.selectFirstFile(); }, {"selection {0}"}, "Abc");
        row("select first of none", "", [](Stage& s) { s.list.selectFirstFile(); }, none, "");
        row("select last", "Abc", [](Stage& s) { s.list.selectLastFile(); }, {"selection {2}"}, "abC");
        row("select last of none", "", [](Stage& s) { s.list.selectLastFile(); }, none, "");
        row("select previous", "abCDe", [](Stage& s) { s.list.selectPreviousFile(); }, {"selection {1}"}, "aBcde");
        row("select previous by 3, clamped", "aBcde", [](Stage& s) { s.list.selectPreviousFile(3); }, {"selection {0}"}, "Abcde");
        row("select previous at the first", "Abc", [](Stage& s) { s.list.selectPreviousFile(); }, none, "Abc");
        row("select previous without selection", "abc", [](Stage& s) { s.list.selectPreviousFile(); }, none, "abc");
        row("select next", "aBcDe", [](Stage& s) { s.list.selectNextFile(); }, {"selection {4}"}, "abcdE");
        row("select next at the last", "abcdE", [](Stage& s) { s.list.selectNextFile(); }, none, "abcdE");
        row("select next by 9, clamped", "Abc", [](Stage& s) { s.list.selectNextFile(9); }, {"selection {2}"}, "abC");
        row("select next without selection", "abc", [](Stage& s) { s.list.selectNextFile(); }, none, "abc");
        row("select all", "aBc", [](Stage& s) { s.list.selectAllFiles(); }, {"selection {0,1,2}"}, "ABC");
        row("select all, all selected", "ABC", [](Stage& s) { s.list.selectAllFiles(); }, none, "ABC");
        row("deselect all", "aBC", [](Stage& s) { s.list.deselectAllFiles(); }, {"selection {}"}, "abc");
        row("deselect all, none selected", "abc", [](Stage& s) { s.list.deselectAllFiles(); }, none, "abc");
        row("invert", "aBcDe", [](Stage& s) { s.list.invertFileSelection(); }, {"selection {0,2,4}"}, "AbCdE");
        row("invert nothing selected", "abc", [](Stage& s) { s.list.invertFileSelection(); }, {"selection {0,1,2}"}, "ABC");
        row("invert the empty list", "", [](Stage& s) { s.list.invertFileSelection(); }, none, "");
        row("select by filter", "Abcde",
            [](Stage& s) {
                MetadataFileListFilter filter;
                filter.filenameConstraint = MetadataFileListFilter::StringConstraint::matches("^[bd]");
                s.list.selectFiles(filter);
            },
            {"selection {1,3}"}, "aBcDe");

        // The add-files completion and the bars: entries changed by the caller, posted by it.
        row("insert without notifying, then post", "aB",
            [](Stage& s) {
                const SelectableArrayEdition edition = s.list.insertWithoutNotifying({s.f}, 1);
                QCOMPARE(shown(s.list), QString("afB"));
                QCOMPARE(describe(edition), QString("insertion 1 at 1"));
                s.list.postDidChangeFiles(edition);
            },
            {"insertion 1 at 1"}, "afB");
        row("entries flagged by a bar", "aBc",
            [](Stage& s) {
                for (auto& entry : s.list.privateFileEntries())
                    entry.isSelected = !entry.isSelected;
                s.list.rebuildFilesAndSelection();
                s.list.postDidChangeFiles(SelectableArrayEdition::selection(s.list.selection()));
            },
            {"selection {0,2}"}, "AbC");
    }

    void operationsPostTheirEdition()
    {
        QFETCH(QString, start);
        QFETCH(Operation, operation);
        QFETCH(QStringList, posts);
        QFETCH(QString, end);

        MetadataFileList list;
        QList<MetadataFileList::Entry> entries;
        for (const QChar letter : start)
            entries.append({letter.isUpper(), memoryFile(QStringLiteral("/media/%1.mov").arg(letter.toLower()))});
        list.setFileEntries(entries);
        QCOMPARE(shown(list), start);
        // Another list's posts are not this list's.
        MetadataFileList other;

        Recorder recorder(list);
        Stage stage{list, list.files(), memoryFile("/media/f.mov"), memoryFile("/media/g.mov")};
        other.setFiles(filesNamed("xy"));
        operation(stage);
        QCOMPARE(recorder.posts, posts);
        QCOMPARE(shown(list), end);
        // Observers read the new state inside the post.
        for (const QString& seen : std::as_const(recorder.seen))
            QCOMPARE(seen, end);
        // The derived fields agree with the entries.
        for (int i = 0; i < list.files().size(); ++i) {
            QCOMPARE(list.files().at(i), list.privateFileEntries().at(i).file);
            QCOMPARE(list.selection().contains(i), list.privateFileEntries().at(i).isSelected);
        }
    }

    // Posts arrive in the order of the changes, also when an observer changes the list while it
    // is told of a change: its change is told at once, inside the first post.
    void postsFollowTheChanges()
    {
        MetadataFileList list;
        list.setFiles(filesNamed("abc"));
        Recorder recorder(list);
        auto& center = brisa::NotificationCenter::defaultCenter();
        // As the window selects the files it has just added.
        const auto token = center.addObserver(MetadataFileList::didChangeFilesNotification, &list,
                                              [&list](const brisa::Notification& note) {
                                                  const auto edition = MetadataFileList::fileListEdition(note);
                                                  if (edition->kind() == SelectableArrayEdition::Kind::Insertion)
                                                      list.setSelection(IndexSet::range(edition->index(), edition->count()));
                                              });
        list.appendFiles(filesNamed("de"));
        list.moveSelectedFiles(0);
        list.removeFiles(IndexSet{2});
        center.removeObserver(token);
        QCOMPARE(recorder.posts, (QStringList{"insertion 2 at 3", "selection {3,4}", "move {3,4} to 0", "removal {2}"}));
        QCOMPARE(recorder.seen, (QStringList{"abcde", "abcDE", "DEabc", "DEbc"}));
    }

    void readers_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("firstLastSingle");
        // hasFiles, hasSelection, isSelectionEmpty, hasSingleSelection, isAllSelected,
        // hasUnselectedFiles, canSelectPreviousFile, canSelectNextFile, by 3 each
        QTest::addColumn<QString>("flags");

        QTest::newRow("empty") << "" << "" << "---" << "--y-y---" "--";
        QTest::newRow("none selected") << "abcde" << "" << "---" << "y-y--y--" "--";
        QTest::newRow("one in the middle") << "abCde" << "c" << "ccc" << "yy-y-yyy" "--";
        QTest::newRow("first and last") << "AbcdE" << "ae" << "ae-" << "yy---y--" "--";
        QTest::newRow("fourth") << "abcDe" << "d" << "ddd" << "yy-y-yyy" "y-";
        QTest::newRow("second") << "aBcde" << "b" << "bbb" << "yy-y-yyy" "-y";
        QTest::newRow("all") << "ABC" << "abc" << "ac-" << "yy--y---" "--";
    }

    void readers()
    {
        QFETCH(QString, start);
        QFETCH(QString, selected);
        QFETCH(QString, firstLastSingle);
        QFETCH(QString, flags);

        MetadataFileList list;
        QList<MetadataFileList::Entry> entries;
        for (const QChar letter : start)
            entries.append({letter.isUpper(), memoryFile(QStringLiteral("/media/%1.mov").arg(letter.toLower()))});
        list.setFileEntries(entries);

        const auto letter = [](const MetadataFilePointer& file) {
            return file ? file->filename().at(0) : QChar('-');
        };
        QString names;
        for (const MetadataFilePointer& file : list.selectedFiles())
            names.append(letter(file));
        QCOMPARE(names, selected);
        QCOMPARE(list.selectedEditors().size(), selected.size());
        for (int i = 0; i < list.selectedEditors().size(); ++i)
            QCOMPARE(list.selectedEditors().at(i), list.selectedFiles().at(i)->editor());
        QCOMPARE(QString() + letter(list.firstSelectedFile()) + letter(list.lastSelectedFile())
                     + letter(list.singleSelectedFile()),
                 firstLastSingle);
        const QList<bool> values{list.hasFiles(), list.hasSelection(), list.isSelectionEmpty(),
                                 list.hasSingleSelection(), list.isAllSelected(), list.hasUnselectedFiles(),
                                 list.canSelectPreviousFile(), list.canSelectNextFile(),
                                 list.canSelectPreviousFile(3), list.canSelectNextFile(3)};
        QString actual;
        for (bool value : values)
            actual.append(value ? 'y' : '-');
        QCOMPARE(actual, flags);
    }

    void editionsAreReadOnlyFromFileListNotifications()
    {
        QVERIFY(!MetadataFileList::fileListEdition(brisa::Notification{"ProjectDidChangeFilesNotification", nullptr, {}}));
        QVERIFY(!MetadataFileList::fileListEdition(brisa::Notification{
            "ProjectDidChangeFilesNotification", nullptr, {{SelectableArrayEdition::editionKey, QStringLiteral("reload")}}}));
        QCOMPARE(MetadataFileList::didChangeFilesNotification, QString("ProjectDidChangeFilesNotification"));
    }

    // The list holds its files: removing the last reference to a file lets its editor go.
    void removedFilesAreReleased()
    {
        MetadataFileList list;
        list.setFiles(filesNamed("ab"));
        const std::weak_ptr<halvex::TagEditor> editor = list.files().at(0)->editor();
        list.removeFiles(IndexSet{0});
        QVERIFY(editor.expired());
    }
};

QTEST_GUILESS_MAIN(MetadataFileListTest)

#include "MetadataFileListTest.moc"
