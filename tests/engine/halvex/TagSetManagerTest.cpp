#include "engine/halvex/libraries/TagSetFile.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include "LibraryTestSupport.h"

#include <QtTest>

using namespace halvex;
using librarytest::contents;
using librarytest::errorOf;
using librarytest::put;
using ostrak::TagName;
using Domain = TagSetManager::Domain;
using Edit = std::function<void(TagSetManager&, Domain)>;

Q_DECLARE_METATYPE(Edit)

namespace {

TagName tag(const char* group, const char* name)
{
    return TagName(QString::fromLatin1(group), QString::fromLatin1(name));
}

const TagName make = tag("IFD0", "Make");
const TagName model = tag("IFD0", "Model");
const TagName title = tag("XMP-dc", "Title");
const TagName subject = tag("XMP-dc", "Subject");
const TagName artist = tag("IFD0", "Artist");

// "[Section]" ("[*Section]" for one of the engine's own) and raw tag names, in order.
QString describe(const TagSet& tagSet)
{
    QStringList parts;
    for (const TagSet::FlatEntry& entry : tagSet.entries()) {
        if (entry.isSection())
            parts << QStringLiteral("[%1%2]").arg(entry.section().isBuiltIn() ? QStringLiteral("*") : QString(),
                                                  entry.section().title());
        else
            parts << entry.tagName()->rawValue();
    }
    return parts.join(u' ');
}

// [*Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title
TagSet startingSet()
{
    return TagSet({TagSection::builtIn(QStringLiteral("TagSetSectionMovie")), make, model,
                   TagSection(QStringLiteral("B")), title});
}

// The edit notifications posted, each with the set the manager held when it arrived.
struct Recorder {
    struct Note {
        const void* object;
        std::optional<Domain> domain;
        QString tagSet;
    };

    explicit Recorder(const TagSetManager& manager)
    {
        subscriber.subscribe(TagSetManager::didEditSetsNotification, nullptr,
                             [this, &manager](const brisa::Notification& note) {
                                 const std::optional<Domain> domain = TagSetManager::editedDomain(note);
                                 notes.append({note.object, domain, domain ? describe(manager.tagSet(*domain)) : QString()});
                             });
    }

    QList<Note> take() { return std::exchange(notes, {}); }

    QList<Note> notes;
    brisa::NoteSubscriber subscriber;
};

} // namespace

class TagSetManagerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
    }

    void sharedManagerStoresInTheDataFolder()
    {
        TagSetManager& shared = TagSetManager::shared();
        QCOMPARE(&shared, &TagSetManager::shared());
        QCOMPARE(shared.chosenTagSet(), TagSet::forVideos());
        QCOMPARE(shared.popularTagSet(), TagSet::popular());
        shared.commit(Domain::chosen);
        QVERIFY(QFile::exists(LibraryFile::dataPath(QStringLiteral("TagSet-chosen.json"))));
    }

    void withoutFilesEachDomainHasItsDefault()
    {
        TagSetManager manager(folder_->path());
        const TagSet handed({TagSection(QStringLiteral("Handed")), make});
        manager.setDefaultTagSet(Domain::chosen, handed);
        QCOMPARE(manager.chosenTagSet(), TagSet::forVideos());
        Recorder recorder(manager);

        manager.load();
        QCOMPARE(manager.chosenTagSet(), handed);
        QCOMPARE(manager.popularTagSet(), TagSet::popular());
        const QList<Recorder::Note> notes = recorder.take();
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.at(0).domain, Domain::chosen);
        QCOMPARE(notes.at(0).tagSet, describe(handed));
        QVERIFY(manager.unreadableDomains().isEmpty());
        QVERIFY(QDir(folder_->path()).isEmpty());
    }

    void committedSetsLoadBack()
    {
        TagSetManager saved(folder_->path());
        saved.replace(Domain::chosen, [](const TagSet&) { return startingSet(); });
        saved.remove(Domain::popular, {0, 1});
        saved.commit(Domain::chosen);
        saved.commit(Domain::popular);

        TagSetManager loaded(folder_->path());
        Recorder recorder(loaded);
        loaded.load();
        QCOMPARE(loaded.chosenTagSet(), startingSet());
        QCOMPARE(loaded.popularTagSet(), saved.popularTagSet());
        QCOMPARE(recorder.take().size(), 2);
        loaded.load();
        QVERIFY(recorder.take().isEmpty());
    }

    void editsPostOncePerRealChange_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, Edit edit, const char* result) {
            QTest::newRow(name) << edit << QString::fromUtf8(result);
        };
        const QString unchanged = describe(startingSet());
        const QByteArray same = unchanged.toUtf8();

        row("insert before a row", [](TagSetManager& m, Domain d) { m.insert(d, {subject, artist}, 1); },
            "[*Movie] XMP-dc:Subject IFD0:Artist IFD0:Make IFD0:Model [B] XMP-dc:Title");
        row("insert at the end", [](TagSetManager& m, Domain d) { m.insert(d, {subject}, 5); },
            "[*Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title XMP-dc:Subject");
        row("insert beyond the end appends", [](TagSetManager& m, Domain d) { m.insert(d, {subject}, 99); },
            "[*Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title XMP-dc:Subject");
        row("insert before the start goes to the top", [](TagSetManager& m, Domain d) { m.insert(d, {subject}, -3); },
            "XMP-dc:Subject [*Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title");
        row("tags already held are not inserted again",
            [](TagSetManager& m, Domain d) { m.insert(d, {model, subject, subject}, 0); },
            "XMP-dc:Subject [*Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title");
        row("only held tags", [](TagSetManager& m, Domain d) { m.insert(d, {make, title}, 0); }, same);
        row("nothing to insert", [](TagSetManager& m, Domain d) { m.insert(d, {}, 0); }, same);
        row("sections may repeat", [](TagSetManager& m, Domain d) { m.insert(d, {TagSection(QStringLiteral("B"))}, 5); },
            "[*Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title [B]");
        row("remove rows", [](TagSetManager& m, Domain d) { m.remove(d, {1, 3, 40}); },
            "[*Movie] IFD0:Model XMP-dc:Title");
        row("remove rows beyond the set", [](TagSetManager& m, Domain d) { m.remove(d, {5, 40}); }, same);
        row("move rows down", [](TagSetManager& m, Domain d) { m.move(d, {1, 2}, 5); },
            "[*Movie] [B] XMP-dc:Title IFD0:Make IFD0:Model");
        row("move a row up", [](TagSetManager& m, Domain d) { m.move(d, {3}, 0); },
            "[B] [*Movie] IFD0:Make IFD0:Model XMP-dc:Title");
        row("move a row to where it is", [](TagSetManager& m, Domain d) { m.move(d, {1}, 2); }, same);
        row("rename a section", [](TagSetManager& m, Domain d) { m.renameSection(d, 3, QStringLiteral(" Ünïcode ")); },
            "[*Movie] IFD0:Make IFD0:Model [ Ünïcode ] XMP-dc:Title");
        row("rename a section to nothing", [](TagSetManager& m, Domain d) { m.renameSection(d, 3, QString()); },
            "[*Movie] IFD0:Make IFD0:Model [] XMP-dc:Title");
        row("renaming a built-in section makes it the user's",
            [](TagSetManager& m, Domain d) { m.renameSection(d, 0, QStringLiteral("Movie")); },
            "[Movie] IFD0:Make IFD0:Model [B] XMP-dc:Title");
        row("rename to the same title", [](TagSetManager& m, Domain d) { m.renameSection(d, 3, QStringLiteral("B")); }, same);
        row("rename a tag", [](TagSetManager& m, Domain d) { m.renameSection(d, 1, QStringLiteral("X")); }, same);
        row("rename beyond the set", [](TagSetManager& m, Domain d) { m.renameSection(d, 5, QStringLiteral("X")); }, same);
        row("move the first entry down", [](TagSetManager& m, Domain d) { m.moveEntryDown(d, 0); },
            "IFD0:Make [*Movie] IFD0:Model [B] XMP-dc:Title");
        row("move the last entry down", [](TagSetManager& m, Domain d) { m.moveEntryDown(d, 4); }, same);
        row("move an entry up", [](TagSetManager& m, Domain d) { m.moveEntryUp(d, 4); },
            "[*Movie] IFD0:Make IFD0:Model XMP-dc:Title [B]");
        row("move the first entry up", [](TagSetManager& m, Domain d) { m.moveEntryUp(d, 0); }, same);
        row("restore the default", [](TagSetManager& m, Domain d) { m.restoreDefault(d); }, "[Default] IFD0:Artist");
        row("replace by an equal set", [](TagSetManager& m, Domain d) { m.replace(d, [](const TagSet& s) { return s; }); }, same);
        row("replace by another set", [](TagSetManager& m, Domain d) { m.replace(d, [](const TagSet&) { return TagSet(); }); }, "");
    }

    void editsPostOncePerRealChange()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, result);
        TagSetManager manager(folder_->path());
        const Domain domain = Domain::popular;
        manager.setDefaultTagSet(domain, TagSet({TagSection(QStringLiteral("Default")), artist}));
        manager.replace(domain, [](const TagSet&) { return startingSet(); });
        Recorder recorder(manager);

        edit(manager, domain);
        QCOMPARE(describe(manager.tagSet(domain)), result);
        const QList<Recorder::Note> notes = recorder.take();
        QCOMPARE(notes.size(), result == describe(startingSet()) ? 0 : 1);
        for (const Recorder::Note& note : notes) {
            QCOMPARE(note.object, &manager);
            QCOMPARE(note.domain, domain);
            QCOMPARE(note.tagSet, result);
        }
        QCOMPARE(manager.chosenTagSet(), TagSet::forVideos());
        QVERIFY(QDir(folder_->path()).isEmpty());
    }

    void otherNotesNameNoDomain()
    {
        TagSetManager manager(folder_->path());
        const QVariantMap userInfo{{QStringLiteral("HalvexTagSetDomain"), QStringLiteral("chosen")}};
        QCOMPARE(TagSetManager::editedDomain({QStringLiteral("Other"), &manager, userInfo}), std::nullopt);
        QCOMPARE(TagSetManager::editedDomain({TagSetManager::didEditSetsNotification, &manager, {}}), std::nullopt);
    }

    void unreadableLibraryIsKeptAsideByItsReset_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("{\"entries\": [")
                                  << QStringLiteral("LibraryFileJSONError(%1, unterminated array, 1, 14)");
        QTest::newRow("not a tag name")
            << QByteArray(R"({"entries": [{"tag": {"_0": {"group": "IFD0", "name": "-all"}}}]})")
            << QStringLiteral("LibraryFileInvalidValueError(%1, entries / Index 0 / tag / _0, \"IFD0:-all\" is not a tag name.)");
    }

    void unreadableLibraryIsKeptAsideByItsReset()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        {
            TagSetManager saved(folder_->path());
            saved.replace(Domain::chosen, [](const TagSet&) { return startingSet(); });
            saved.commit(Domain::chosen);
        }
        const QString chosenPath = folder_->filePath(QStringLiteral("TagSet-chosen.json"));
        const QString popularPath = folder_->filePath(QStringLiteral("TagSet-popular.json"));
        const QByteArray chosenBytes = contents(chosenPath);
        put(popularPath, bytes);

        TagSetManager manager(folder_->path());
        const TagSet before({TagSection(QStringLiteral("Before"))});
        manager.replace(Domain::popular, [&before](const TagSet&) { return before; });
        QCOMPARE(errorOf([&manager] { manager.load(); }), error.arg(popularPath));
        QCOMPARE(manager.chosenTagSet(), startingSet());
        QCOMPARE(manager.popularTagSet(), before);
        QCOMPARE(manager.unreadableDomains(), QList<Domain>{Domain::popular});

        // Starting afresh resets only what could not be read.
        for (Domain domain : manager.unreadableDomains()) {
            manager.restoreDefault(domain);
            manager.commit(domain);
        }
        QVERIFY(manager.unreadableDomains().isEmpty());
        const QStringList aside =
            QDir(folder_->path()).entryList({QStringLiteral("*.unreadable-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY(aside.at(0).startsWith(QStringLiteral("TagSet-popular.unreadable-")));
        QCOMPARE(contents(folder_->filePath(aside.at(0))), bytes);
        QCOMPARE(contents(chosenPath), chosenBytes);

        TagSetManager reloaded(folder_->path());
        reloaded.load();
        QCOMPARE(reloaded.popularTagSet(), TagSet::popular());
        QCOMPARE(reloaded.chosenTagSet(), startingSet());
    }

    void failedCommitIsReportedAndKeepsTheEdits()
    {
        const QString notAFolder = folder_->filePath(QStringLiteral("Corvelle"));
        put(notAFolder, "a file");
        TagSetManager manager(notAFolder);
        manager.remove(Domain::chosen, {0});
        const QString path = notAFolder + QStringLiteral("/TagSet-chosen.json");
        QCOMPARE(errorOf([&manager] { manager.commit(Domain::chosen); }),
                 QStringLiteral("FileFolderCreationError(%1, %2)").arg(path, notAFolder));
        QCOMPARE(manager.chosenTagSet().count(), TagSet::forVideos().count() - 1);
        QCOMPARE(contents(notAFolder), QByteArray("a file"));
    }

    // How the shell and the options sheet import a file: replace through a closure that reads
    // it, then commit.
    void importReplacesTheSetOrChangesNothing()
    {
        const QString file = folder_->filePath(QStringLiteral("Import.cvtagsset"));
        const QString broken = folder_->filePath(QStringLiteral("Broken.cvtagset"));
        startingSet().exportTo(file);
        put(broken, R"({"entries": 3})");
        TagSetManager manager(folder_->path());
        Recorder recorder(manager);
        QStringList failures;
        const auto import = [&manager, &failures](const QString& path) {
            manager.replace(Domain::chosen, [&path, &failures](const TagSet& current) {
                try {
                    return TagSetFile::from(path).tagSet();
                } catch (const LibraryError& error) {
                    failures << QString::fromStdString(error.what());
                    return current;
                }
            });
            manager.commit(Domain::chosen);
        };

        import(file);
        QCOMPARE(manager.chosenTagSet(), startingSet());
        QCOMPARE(recorder.take().size(), 1);
        const QByteArray stored = contents(folder_->filePath(QStringLiteral("TagSet-chosen.json")));

        import(broken);
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.at(0).startsWith(QStringLiteral("TagSetFileWrongValueError(%1, entries)").arg(broken)),
                 qPrintable(failures.at(0)));
        QCOMPARE(manager.chosenTagSet(), startingSet());
        QVERIFY(recorder.take().isEmpty());
        QCOMPARE(contents(folder_->filePath(QStringLiteral("TagSet-chosen.json"))), stored);

        // A transform that throws leaves the set alone.
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, manager.replace(Domain::chosen, [](const TagSet&) -> TagSet {
            throw std::runtime_error("no");
        }));
        QCOMPARE(manager.chosenTagSet(), startingSet());
        QVERIFY(recorder.take().isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_GUILESS_MAIN(TagSetManagerTest)
#include "TagSetManagerTest.moc"
