#include "engine/halvex/libraries/KeywordManager.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include "LibraryTestSupport.h"

#include <QtTest>

using namespace halvex;
using librarytest::describe;
using librarytest::errorOf;
using librarytest::item;
using librarytest::put;

namespace {

// The keyword notifications posted, in order, with what they carried.
struct Recorder : librarytest::NoteRecorder<KeywordEdition> {
    Recorder()
        : NoteRecorder({KeywordManager::didChangeItemsNotification, KeywordItem::didChangeChildrenNotification,
                        KeywordItem::didChangeInfoNotification})
    {
    }
};

} // namespace

class KeywordManagerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
        path_ = folder_->filePath(QStringLiteral("Keywords.json"));
    }

    void sharedManagerStoresInTheDataFolder()
    {
        KeywordManager& shared = KeywordManager::shared();
        QCOMPARE(&shared, &KeywordManager::shared());
        shared.setItems({item(QStringLiteral("Shared"))});
        shared.save();
        QVERIFY(QFile::exists(LibraryFile::dataPath(QStringLiteral("Keywords.json"))));
    }

    void savedLibraryLoadsBackUnchanged()
    {
        KeywordManager saved(path_);
        saved.setItems(librarytest::sample());
        saved.save();

        KeywordManager loaded(path_);
        loaded.load();
        QCOMPARE(describe(loaded.items()), describe(librarytest::sample()));
        QCOMPARE(loaded.keywordCount(), 9);
        const KeywordItemPtr animals = loaded.items().at(0);
        const KeywordItemPtr cat = animals->children().at(0);
        QCOMPARE(cat->parent(), animals.get());
        QCOMPARE(cat->children().at(0)->parent(), cat.get());
        QCOMPARE(animals->parent(), nullptr);
        QCOMPARE(cat->name(), QStringLiteral("Cat"));
        QCOMPARE(loaded.items().at(1)->children().at(0)->name(), QStringLiteral("Paris, France"));
    }

    void missingLibraryStartsEmpty()
    {
        KeywordManager manager(path_);
        manager.load();
        QVERIFY(manager.items().isEmpty());
        QCOMPARE(manager.keywordCount(), 0);
        QVERIFY(!QFile::exists(path_));
    }

    void unreadableLibraryThrowsAndResetKeepsItAside()
    {
        KeywordManager manager(path_);
        manager.setItems(librarytest::sample());
        manager.save();
        const QByteArray broken = "[{\"name\": \"Animals\", \"children\": [{\"name\": 12}]}]";
        put(path_, broken);

        QCOMPARE(errorOf([&manager] { manager.load(); }),
                 QStringLiteral("LibraryFileWrongValueError(%1, Index 0 / children / Index 0 / name)")
                     .arg(path_));
        QCOMPARE(describe(manager.items()), describe(librarytest::sample()));

        // Reset: an empty library, saved.
        manager.setItems({});
        manager.save();
        KeywordManager reloaded(path_);
        reloaded.load();
        QVERIFY(reloaded.items().isEmpty());
        const QStringList aside =
            QDir(folder_->path()).entryList({QStringLiteral("Keywords.unreadable-*.json")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(librarytest::contents(folder_->filePath(aside.at(0))), broken);
    }

    void failedSaveIsReported()
    {
        const QString notAFolder = folder_->filePath(QStringLiteral("Corvelle"));
        put(notAFolder, "a file");
        KeywordManager manager(notAFolder + QStringLiteral("/Keywords.json"));
        manager.setItems(librarytest::sample());
        QCOMPARE(errorOf([&manager] { manager.save(); }),
                 QStringLiteral("FileFolderCreationError(%1/Keywords.json, %1)").arg(notAFolder));
        QCOMPARE(manager.items().size(), 4);
    }

    void currentItemPostsOnlyRealChanges()
    {
        KeywordManager manager(path_);
        const KeywordItemPtr first = item(QStringLiteral("First"));
        const KeywordItemPtr twin = item(QStringLiteral("First")); // equal content, another item
        manager.setItems({first, twin});
        Recorder recorder;

        const QList<std::pair<KeywordItemPtr, int>> steps{
            {first, 1}, {first, 0}, {twin, 1}, {twin, 0}, {nullptr, 1}, {nullptr, 0},
        };
        for (const auto& [current, posts] : steps) {
            manager.setCurrentItem(current);
            QCOMPARE(manager.currentItem(), current);
            recorder.expectSelections(posts, &manager);
        }
    }

    void editsPostTheirChange()
    {
        KeywordManager manager(path_);
        manager.setItems(librarytest::sample());
        const KeywordItemPtr animals = manager.items().at(0);
        const KeywordItemPtr cat = animals->children().at(0);
        const KeywordItemPtr places = manager.items().at(1);
        Recorder recorder;
        using Edition = KeywordEdition;
        const QString itemsChanged = KeywordManager::didChangeItemsNotification;
        const QString childrenChanged = KeywordItem::didChangeChildrenNotification;

        manager.insertItems({item(QStringLiteral("A")), item(QStringLiteral("B"))}, 1);
        recorder.expectOne(itemsChanged, &manager, Edition::insertion({1, 2}));
        QCOMPARE(manager.items().at(2)->name(), QStringLiteral("B"));
        manager.insertItems({item(QStringLiteral("Last"))}, 99);
        recorder.expectOne(itemsChanged, &manager, Edition::insertion({6}));

        manager.removeItems({1, 2, 40});
        recorder.expectOne(itemsChanged, &manager, Edition::removal({1, 2}));
        QCOMPARE(manager.items().at(1), places);

        cat->insertChildren({item(QStringLiteral("Lion")), item(QStringLiteral("Tiger"))}, 0);
        recorder.expectOne(childrenChanged, cat.get(), Edition::insertion({0, 1}));
        QCOMPARE(cat->children().at(1)->parent(), cat.get());

        const KeywordItemPtr tiger = cat->children().at(1);
        cat->removeChildren({1});
        recorder.expectOne(childrenChanged, cat.get(), Edition::removal({1}));
        QCOMPARE(tiger->parent(), nullptr);

        // Anywhere in the tree, by its parent; at the top level, by the manager.
        manager.removeItem(cat.get());
        recorder.expectOne(childrenChanged, animals.get(), Edition::removal({0}));
        QVERIFY(!animals->contains(cat.get()));
        manager.removeItem(places.get());
        recorder.expectOne(itemsChanged, &manager, Edition::removal({1}));
        manager.removeItem(cat.get()); // no longer in the library
        manager.removeItem(item(QStringLiteral("Stranger")).get());
        QVERIFY(recorder.take().isEmpty());

        animals->setName(QStringLiteral("Beasts"));
        recorder.expectOne(KeywordItem::didChangeInfoNotification, animals.get(), std::nullopt);
        animals->setIsHeader(true);
        recorder.expectOne(KeywordItem::didChangeInfoNotification, animals.get(), std::nullopt);
        animals->setIsPerson(true);
        recorder.expectOne(KeywordItem::didChangeInfoNotification, animals.get(), std::nullopt);
        animals->setSynonyms({QStringLiteral("Creatures, all")});
        recorder.expectOne(KeywordItem::didChangeInfoNotification, animals.get(), std::nullopt);
        QCOMPARE(animals->synonyms(), QStringList{QStringLiteral("Creatures, all")});

        manager.setItems({});
        recorder.expectOne(itemsChanged, &manager, Edition::reload());
    }

    void observersSeeTheNewStateAndMayCallBack()
    {
        KeywordManager manager(path_);
        manager.setItems(librarytest::sample());
        const KeywordItemPtr current = manager.items().at(2);
        manager.setCurrentItem(current);
        QList<std::optional<KeywordEdition>> seen;
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(KeywordManager::didChangeItemsNotification, &manager,
                             [&](const brisa::Notification& note) {
                                 seen.append(KeywordManager::itemEdition(note));
                                 // As the outline does: the current item left the library.
                                 if (!std::any_of(manager.items().cbegin(), manager.items().cend(),
                                                  [&](const KeywordItemPtr& top) { return top->contains(current.get()); }))
                                     manager.setCurrentItem(nullptr);
                             });
        manager.removeItem(current.get());
        QCOMPARE(seen, (QList<std::optional<KeywordEdition>>{KeywordEdition::removal({2}), KeywordEdition::selection()}));
        QCOMPARE(manager.currentItem(), nullptr);
    }

    void decodersRefuseOtherNotes()
    {
        const brisa::Notification bare{KeywordManager::didChangeItemsNotification, nullptr, {}};
        QCOMPARE(KeywordManager::itemEdition(bare), std::nullopt);
        brisa::Notification other{QStringLiteral("Other"), nullptr, KeywordEdition::reload().userInfo()};
        QCOMPARE(KeywordManager::itemEdition(other), std::nullopt);
        QCOMPARE(KeywordItem::childrenEdition(other), std::nullopt);
        other.name = KeywordItem::didChangeChildrenNotification;
        QCOMPARE(KeywordItem::childrenEdition(other), KeywordEdition::reload());
    }

    void containsLooksOnlyDownwards()
    {
        const QList<KeywordItemPtr> tree = librarytest::sample();
        const KeywordItemPtr animals = tree.at(0);
        const KeywordItemPtr kitten = animals->children().at(0)->children().at(0);
        QVERIFY(animals->contains(animals.get()));
        QVERIFY(animals->contains(kitten.get()));
        QVERIFY(!kitten->contains(animals.get()));
        QVERIFY(!animals->contains(tree.at(1).get()));
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

QTEST_GUILESS_MAIN(KeywordManagerTest)
#include "KeywordManagerTest.moc"
