#include "FakeEditorWindow.h"

#include "app/AppController.h"
#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using corvelle::AppController;
using corvelle::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppController> controller_;
    FakeEditorWindow* editor_ = nullptr;

    void makeController()
    {
        const auto environment = fakeEditorEnvironment(editor_);
        controller_ = std::make_unique<AppController>(environment);
    }

    // Runs the program as a later launch would, from `folder`, and answers its exit code.
    static int launchAgain(const QStringList& arguments, const QString& folder)
    {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(CORVELLE_EXECUTABLE), arguments);
        // The event loop runs meanwhile: the running instance answers from it.
        if (!finished.wait(90000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private Q_SLOTS:
    void cleanup() { controller_.reset(); }

    void absolutePathsFromLaunchArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("relative") << QStringList{"clip.mov", "../Music/song.m4a", "./odd name -é.mp4"}
                                  << QStringList{"/home/ana/Videos/clip.mov", "/home/ana/Music/song.m4a",
                                                 "/home/ana/Videos/odd name -é.mp4"};
        QTest::newRow("absolute") << QStringList{"/media/disk/a.mov", "/media//disk/../b.mov"}
                                  << QStringList{"/media/disk/a.mov", "/media/b.mov"};
        QTest::newRow("file URLs") << QStringList{"file:///media/disk/with%20space.mov", "FILE:///tmp/x.xmp"}
                                   << QStringList{"/media/disk/with space.mov", "/tmp/x.xmp"};
        QTest::newRow("other URLs and empty arguments are left out")
            << QStringList{"https://example.com/a.mov", "", "sftp://host/b.mov"} << QStringList{};
        QTest::newRow("none") << QStringList{} << QStringList{};
    }

    void absolutePathsFromLaunchArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, paths);
        QCOMPARE(SingleInstance::absolutePaths(arguments, QStringLiteral("/home/ana/Videos")), paths);
    }

    // The real program started again gives its documents to the running instance and ends.
    void laterLaunchHandsItsDocumentsOver()
    {
        makeController();
        SingleInstance instance(SingleInstance::defaultServerName());
        QVERIFY2(instance.listen(), qPrintable(instance.errorString()));
        connect(&instance, &SingleInstance::documentsHandedOver, controller_.get(), &AppController::takeHandOver);
        QVERIFY(controller_->launch());

        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Holidays")));
        editor_->window()->hide();
        QCOMPARE(launchAgain({"clip.mov", "Holidays/beach one.mp4"}, folder.path()), 0);
        QTRY_COMPARE(editor_->addedFiles,
                     (QList<QUrl>{QUrl::fromLocalFile(QDir(folder.path()).filePath("clip.mov")),
                                  QUrl::fromLocalFile(QDir(folder.path()).filePath("Holidays/beach one.mp4"))}));
        QVERIFY(editor_->window()->isVisible());

        // Launching again without documents brings the closed window back.
        editor_->window()->close();
        QCOMPARE(launchAgain({}, folder.path()), 0);
        QTRY_VERIFY(editor_->window()->isVisible());
        QCOMPARE(editor_->addedFiles.size(), 2);
    }

    void handOverDuringLaunchWaitsForIt()
    {
        makeController();
        controller_->takeHandOver({QStringLiteral("/media/clip.mov")});
        QVERIFY(!controller_->existingEditorWindowController());
        QVERIFY(controller_->launch());
        QCOMPARE(editor_->addedFiles, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/media/clip.mov"))});
    }

    void withoutRunningInstanceNothingIsHandedOver()
    {
        QTemporaryDir folder;
        const SingleInstance instance(QDir(folder.path()).filePath(QStringLiteral("instance")));
        QVERIFY(!instance.handOverToRunningInstance({QStringLiteral("/media/clip.mov")}));
    }

    // A socket left behind by an instance that did not end cleanly is taken over; the socket of
    // a live instance is not.
    void socketOfEndedInstanceIsTakenOver()
    {
        QTemporaryDir folder;
        const QString name = QDir(folder.path()).filePath(QStringLiteral("instance"));
        QFile leftOver(name);
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.close();

        SingleInstance first(name);
        QVERIFY2(first.listen(), qPrintable(first.errorString()));
        SingleInstance second(name);
        QVERIFY(!second.listen());
        QVERIFY(first.isListening());
    }

    void foreignMessageIsRefused()
    {
        QTemporaryDir folder;
        const QString name = QDir(folder.path()).filePath(QStringLiteral("instance"));
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        QSignalSpy handedOver(&instance, &SingleInstance::documentsHandedOver);

        QLocalSocket socket;
        QSignalSpy disconnected(&socket, &QLocalSocket::disconnected);
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(QByteArray("GET / HTTP/1.1\r\n\r\n"));
        QVERIFY(disconnected.wait(5000));
        QCOMPARE(socket.bytesAvailable(), 0);
        QTest::qWait(0);
        QCOMPARE(handedOver.count(), 0);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
