#include "../editor/GateTask.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/EditorSession.h"
#include "filemodel/FileIdentity.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

namespace {

constexpr int taskTimeout = 60000;

QUrl url(const QString& path)
{
    return QUrl::fromLocalFile(path);
}

} // namespace

// Opening driven without a window: what the session queues and what reaches the list.
class EditorSessionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<MetadataFileList> list_;
    std::unique_ptr<EditorSession> session_;

    QString copy(const QString& fixture, const QString& name = {})
    {
        return corvelle::test::copyFixture(folder_.path(), fixture, name);
    }

    // Every task done and its completion and notes delivered.
    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QCoreApplication::processEvents();
    }

    QStringList fileNames() const
    {
        QStringList names;
        for (const MetadataFilePointer& file : list_->files())
            names << file->filename();
        return names;
    }

private Q_SLOTS:
    void init()
    {
        list_ = std::make_unique<MetadataFileList>();
        session_ = std::make_unique<EditorSession>(*list_);
    }

    void cleanup()
    {
        waitForTasks();
        session_.reset();
        list_.reset();
        brisa::UserDefaults::standard().setObject(Settings::useUnfoldFoldersImport().name(), {});
    }

    // Files arriving together are put in order of their names: as people read them (numbers by
    // value, case ignored, an accented letter after its plain one) where the locale collates, by
    // character ignoring case in the C locale. Files of equal names keep the order they came in.
    void arrivingFilesInNameOrder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << QLocale(QLocale::English)
                                 << QStringList{"a.jpg", "a.jpg", "Elan.jpg", "élan.jpg", "Img2.jpg", "img9.jpg", "img10.jpg", "zeta.jpg"};
        QTest::newRow("C") << QLocale::c()
                           << QStringList{"a.jpg", "a.jpg", "Elan.jpg", "img10.jpg", "Img2.jpg", "img9.jpg", "zeta.jpg", "élan.jpg"};
    }

    void arrivingFilesInNameOrder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, expected);
        const QLocale before;
        QLocale::setDefault(locale);
        const QStringList names{"y/a.jpg", "img10.jpg", "zeta.jpg", "élan.jpg", "img9.jpg", "Img2.jpg", "Elan.jpg", "x/a.jpg"};
        QList<std::shared_ptr<halvex::TagEditor>> editors;
        for (const QString& name : names) {
            const QString path = copy(QStringLiteral("photo.jpg"), name);
            editors.append(std::make_shared<halvex::TagEditor>(halvex::TagStorage(halvex::TagStorageSource(url(path)))));
        }
        session_->addTagEditors(editors, std::nullopt);
        QLocale::setDefault(before);
        QCOMPARE(fileNames(), expected);
        QCOMPARE(list_->files().at(0)->url(), url(folder_.filePath("y/a.jpg")));
    }

    // A file is one however it is reached: through a link to it, through a link to its folder,
    // under another spelling of its path; whether it is open already or still on its way in.
    void sameFileUnderEveryPathOpensOnce()
    {
        const QString photo = copy("photo.jpg", "real/photo.jpg");
        QVERIFY(QFile::link(photo, folder_.filePath("link.jpg")));
        QVERIFY(QFile::link(folder_.filePath("real"), folder_.filePath("linked")));
        const QList<QUrl> paths{url(photo), url(folder_.filePath("link.jpg")), url(folder_.filePath("linked/photo.jpg")),
                                url(folder_.filePath("linked/../real/./photo.jpg"))};
        for (const QUrl& path : paths)
            QCOMPARE(FileIdentity::key(path), FileIdentity::key(paths.first()));
        // A copy is another file.
        const QString twin = copy("photo.jpg", "twin.jpg");
        QVERIFY(FileIdentity::key(url(twin)) != FileIdentity::key(paths.first()));

        // Asked for together, and again before the import is done.
        session_->addFiles({paths[0], paths[1]});
        session_->addFiles({paths[2]});
        QVERIFY(session_->isOpenOrOpening(paths[3]));
        waitForTasks();
        QCOMPARE(list_->files().size(), 1);
        // Asked for once it is open.
        const int queued = int(halvex::TaskManager::shared().tasks().size());
        session_->addFiles(paths);
        session_->addFiles({url(twin)});
        waitForTasks();
        QCOMPARE(halvex::TaskManager::shared().tasks().size(), queued + 1);
        QCOMPARE(fileNames(), (QStringList{"photo.jpg", "twin.jpg"}));
    }

    // Dropped files go to the row they were dropped on, whatever other import ends first: one
    // that opens nothing takes no row of another.
    void dropRowBelongsToItsOwnImport()
    {
        session_->addFiles({url(copy("movie.mp4", "a.mp4")), url(copy("movie.mp4", "c.mp4")), url(copy("movie.mp4", "e.mp4"))});
        waitForTasks();
        QCOMPARE(fileNames(), (QStringList{"a.mp4", "c.mp4", "e.mp4"}));

        const QUrl notMedia = url(copy("notmedia.jpg"));
        const auto nothing = session_->importFiles({halvex::TagStorageSource(notMedia)});
        QVERIFY(nothing);
        // The drop's import waits behind the gate until the other one is done and delivered.
        const auto gate = corvelle::test::addGateTask();
        session_->addFiles({url(copy("movie.mp4", "b.mp4"))}, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->isOpenOrOpening(notMedia), taskTimeout);
        QVERIFY(nothing->editors().isEmpty());
        QCOMPARE(list_->files().size(), 3);
        QVERIFY(corvelle::test::finishAll({gate}));
        waitForTasks();
        QCOMPARE(fileNames(), (QStringList{"a.mp4", "b.mp4", "c.mp4", "e.mp4"}));
        QCOMPARE(list_->selection(), brisa::IndexSet{1});

        // A row past the end (files removed since the drop) is the end.
        session_->addFiles({url(copy("movie.mp4", "d.mp4"))}, 9);
        waitForTasks();
        QCOMPARE(fileNames().last(), QStringLiteral("d.mp4"));
    }

    // A folder unfolding and a file inside it asked for on its own before either is done: the
    // file opens once.
    void twoImportsOfOneFileQueuedTogetherOpenItOnce()
    {
        brisa::UserDefaults::standard().set(Settings::useUnfoldFoldersImport(), true);
        const QString photo = copy("photo.jpg", "album/photo.jpg");
        copy("audio.m4a", "album/audio.m4a");
        const int queued = int(halvex::TaskManager::shared().tasks().size());
        session_->addFiles({url(folder_.filePath("album"))});
        session_->addFiles({url(photo)});
        waitForTasks();
        QCOMPARE(halvex::TaskManager::shared().tasks().size(), queued + 2);
        QCOMPARE(fileNames(), (QStringList{"audio.m4a", "photo.jpg"}));
    }

    // The options come before anything is queued, and a no holds nothing back; the password
    // asked for goes with every file to the engine.
    void questionsComeBeforeTheImport()
    {
        EditorSession::Answer pendingAnswer;
        session_->setImportOptionsQuestion([&](EditorSession::Answer answer) { pendingAnswer = std::move(answer); });
        session_->setDecodingPasswordQuestion([](EditorSession::PasswordAnswer answer) { answer(QStringLiteral("secret")); });
        const QUrl folder = url(QFileInfo(copy("photo.jpg", "album/photo.jpg")).path());
        const QUrl movie = url(copy("movie.mov"));
        const int queued = int(halvex::TaskManager::shared().tasks().size());

        session_->addFiles({folder, movie});
        QVERIFY(pendingAnswer);
        QVERIFY(session_->isOpenOrOpening(movie));
        QCOMPARE(halvex::TaskManager::shared().tasks().size(), queued);
        std::exchange(pendingAnswer, {})(false);
        QVERIFY(!session_->isOpenOrOpening(movie));
        QCOMPARE(halvex::TaskManager::shared().tasks().size(), queued);

        session_->addFiles({folder, movie});
        std::exchange(pendingAnswer, {})(true);
        const auto tasks = halvex::TaskManager::shared().tasks();
        QCOMPARE(tasks.size(), queued + 1);
        const auto* import = dynamic_cast<const halvex::ImportTagEditorsTask*>(tasks.last().get());
        QVERIFY(import);
        QCOMPARE(import->settings().sources.size(), 2);
        for (const halvex::TagStorageSource& source : import->settings().sources)
            QCOMPARE(source.password(), std::optional<QString>(QStringLiteral("secret")));
        waitForTasks();
        QCOMPARE(fileNames(), (QStringList{"album", "movie.mov"}));
    }
};

QTEST_MAIN(EditorSessionTest)
#include "EditorSessionTest.moc"
